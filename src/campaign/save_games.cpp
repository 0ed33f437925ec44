#include "campaign/save_games.h"

#include <cstdio>
#include <filesystem>

#include "campaign/chronicle_file.h"
#include "campaign/files.h"
#include "campaign/rules.h"
#include "state/save_record.h"

namespace fief {

std::string savePath(const Rules& g, const std::string& name) { return g.path("Save Game/" + name + g.s.SaveExtension); }

bool validSaveName(const std::string& name, std::string& why) {
  if (name.empty()) { why = "empty name"; return false; }
  if (name.size() > 64) { why = "a save name has at most 64 characters"; return false; }
  if (name[0] == '.' || name.find("..") != std::string::npos || name.find('/') != std::string::npos ||
      name.find('\\') != std::string::npos) {
    why = "a save name cannot name a folder";
    return false;
  }
  for (unsigned char c : name)
    if (c < 32 || c == 127) { why = "a save name cannot hold control characters"; return false; }
  return true;
}

bool isReservedSave(const std::string& name) { return name == "QuickSave" || name == "FirstSave"; }

void LoadGameState(Rules& g, const GameState& loaded) {
  g.s.LevelBeforeLoad = g.s.CurrentLevel;
  g.s = loaded;
  g.s.LevelBeforeLoad = loaded.LevelBeforeLoad;
  // The tables follow the difficulty of this run, which is not saved.
  g.tables = makeGameTables(g.s.Difficulty, g.s.ScienceLevel);
  g.player().show(Sight::GameLoaded);
}

bool WriteSave(Rules& g, const std::string& name, std::string& err) {
  std::error_code ec;
  std::filesystem::create_directories(g.path("Save Game"), ec);
  const std::vector<uint8_t> record = encodeSave(g.s);
  const std::string path = savePath(g, name);
  if (!writeFileAtomic(path, record, err)) return false;
  // The chronicle goes beside the save. Without it the game is still saved whole; its
  // history then restarts when it is loaded.
  std::string why;
  if (!writeChronicleFile(chroniclePath(path), g.chronicle, record, why)) std::fprintf(stderr, "%s\n", why.c_str());
  return true;
}

bool ReadSave(Rules& g, const std::string& name, std::string& err) {
  std::string path = savePath(g, name);
  std::vector<uint8_t> bytes;
  if (!readFile(path, bytes, err)) return false;
  GameState scratch = g.s;
  scratch.LevelBeforeLoad = g.s.CurrentLevel;
  std::string why;
  if (!decodeSave(bytes, scratch, why)) {
    err = path + ": " + why;
    return false;
  }
  LoadGameState(g, scratch);
  // The history kept beside this save, or a fresh one from the loaded county.
  if (!readChronicleFile(chroniclePath(path), bytes, g.chronicle, why)) g.chronicle.restart(g.s);
  return true;
}

}  // namespace fief
