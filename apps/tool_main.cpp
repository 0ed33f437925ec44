// fiefdom-tool: the script runner and the tools of the game's files.
//   fiefdom-tool run --game-dir DIR [--spawn] [SCRIPT]
//   fiefdom-tool loc compile SRC.txt OUT.loc [--table NAME]
//   fiefdom-tool loc decompile IN.loc OUT.txt
//   fiefdom-tool loc names OUT.h SRC.txt...
//   fiefdom-tool save dump FILE
//   fiefdom-tool options init DIR
//   fiefdom-tool art sheet --game-dir DIR OUT.png
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <sstream>

#include "texts/text_names.h"
#include "campaign/files.h"
#include "campaign/option_files.h"
#include "campaign/texts.h"
#include "state/save_record.h"
#include "state/state_json.h"
#include "ui/headless/script_runner.h"

#if __has_include("art_sheet.h")
#include "art_sheet.h"
#define FIEF_HAVE_ART 1
#endif

using namespace fief;

static int fail(const std::string& msg) {
  std::cerr << "fiefdom-tool: " << msg << "\n";
  return 1;
}

int main(int argc, char** argv) {
  CLI::App app{"Fiefdom tools: the script runner and the game's file formats"};
  app.require_subcommand(1);

  auto* run = app.add_subcommand("run", "Run the game headless, driven by a script");
  RunOptions ro;
  std::string script;
  run->add_option("--game-dir", ro.gameDir, "The program folder")->required();
  run->add_flag("--spawn", ro.spawn, "Start companion programs for real");
  run->add_option("--sound-devices", ro.soundDevices, "Sound devices of the virtual machine");
  run->add_option("--dpi", ro.dpi, "Logical pixels per inch of the virtual screen");
  run->add_option("script", script, "Script file (default: standard input)");

  auto* loc = app.add_subcommand("loc", "Text tables");
  loc->require_subcommand(1);
  auto* comp = loc->add_subcommand("compile", "Compile a text source to a .loc table");
  std::string src, out, tableName;
  comp->add_option("source", src)->required();
  comp->add_option("output", out)->required();
  comp->add_option("--table", tableName, "campaign, missions, captions, campaign1 or levels");
  auto* decomp = loc->add_subcommand("decompile", "Turn a .loc table back into its text source");
  decomp->add_option("input", src)->required();
  decomp->add_option("output", out)->required();
  auto* names = loc->add_subcommand("names", "Write the header of named text entries from the text sources");
  std::vector<std::string> sources;
  names->add_option("output", out)->required();
  names->add_option("sources", sources)->required();

  auto* save = app.add_subcommand("save", "Saved games");
  save->require_subcommand(1);
  auto* dump = save->add_subcommand("dump", "Print a saved game as JSON");
  std::string saveFile;
  dump->add_option("file", saveFile)->required();

  auto* options = app.add_subcommand("options", "Option files");
  options->require_subcommand(1);
  auto* init = options->add_subcommand("init", "Create the missing option and progress files");
  std::string dir;
  init->add_option("dir", dir)->required();

  auto* art = app.add_subcommand("art", "Generated pictures");
  art->require_subcommand(1);
  auto* sheet = art->add_subcommand("sheet", "Render every generated picture into one PNG");
  std::string artDir = "build/game", sheetOut;
  sheet->add_option("--game-dir", artDir);
  sheet->add_option("output", sheetOut)->required();

  CLI11_PARSE(app, argc, argv);

  if (run->parsed()) {
    if (script.empty()) return runScript(std::cin, std::cout, ro);
    std::ifstream f(script);
    if (!f) return fail("cannot open " + script);
    ro.scriptPath = script;
    return runScript(f, std::cout, ro);
  }
  if (comp->parsed()) {
    int table = tableByName(tableName.empty() ? std::filesystem::path(src).stem().string() : tableName);
    int capacity = table ? kTables[table].capacity : 32767;
    std::vector<uint8_t> bytes;
    std::string err;
    if (!readFile(src, bytes, err)) return fail(err);
    std::vector<TextEntry> entries;
    if (!parseTextSource(std::string(bytes.begin(), bytes.end()), capacity, entries, err)) return fail(src + ": " + err);
    if (!writeFileAtomic(out, encodeLoc(entries), err)) return fail(err);
    return 0;
  }
  if (names->parsed()) {
    std::string err;
    if (!fief::textnames::writeNamesHeader(sources, out, err)) {
      std::cerr << err << "\n";
      return 1;
    }
    return 0;
  }
  if (decomp->parsed()) {
    std::vector<uint8_t> bytes;
    std::string err;
    if (!readFile(src, bytes, err)) return fail(err);
    std::vector<TextEntry> entries;
    if (!decodeLoc(bytes, 32767, entries, err)) return fail(src + ": " + err);
    std::string text = formatTextSource(entries);
    if (!writeFileAtomic(out, {text.begin(), text.end()}, err)) return fail(err);
    return 0;
  }
  if (dump->parsed()) {
    std::vector<uint8_t> bytes;
    std::string err;
    if (!readFile(saveFile, bytes, err)) return fail(err);
    GameState s;
    if (!decodeSave(bytes, s, err)) return fail(saveFile + ": " + err);
    std::cout << savedStateToJson(s).dump(2) << "\n";
    return 0;
  }
  if (init->parsed()) {
    std::string err;
    if (!initOptionFiles(dir, err)) return fail(err);
    return 0;
  }
  if (sheet->parsed()) {
#ifdef FIEF_HAVE_ART
    return artSheetMain(artDir, sheetOut);
#else
    return fail("this build has no picture generator");
#endif
  }
  return 0;
}
