#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "campaign/initial_state.h"
#include "campaign/option_files.h"
#include "ui/program_start.h"

namespace fs = std::filesystem;

namespace fief::fuzz {

namespace {

std::string makeDir() {
  char tmpl[] = "/tmp/fiefdom-fuzz-XXXXXX";
  std::string dir = mkdtemp(tmpl);
  const fs::path src = FIEFDOM_GAME_DIR;
  for (const char* d : {"localizations", "level15"})
    if (fs::exists(src / d)) fs::copy(src / d, fs::path(dir) / d, fs::copy_options::recursive);
  std::string err;
  if (!initOptionFiles(dir, err)) fail(err);
  return dir;
}

}  // namespace

FuzzGame::FuzzGame() : dir(makeDir()), g(shell, dir) {
  shell.attach(g);
  shell.pump = [this] {
    auto open = shell.openForms();
    if (open.empty()) return false;
    Form* f = open.back();
    for (const char* b : {"OkAniBtn", "Noanibtn", "CloseLbl"}) {
      Control* c = f->find(b);
      if (c && c->Visible && c->Enabled && f->fire(b, Ev::Click)) break;
    }
    // A button that refuses (an amount out of range, say) leaves the form open: close it.
    if (f->Visible) f->close();
    return true;
  };
  std::string err;
  if (!g.texts.load(g.dir, err)) fail(err);
  setupTimers(g);
  // The folder goes with the process.
  std::atexit([] { std::error_code ec; fs::remove_all(game().dir, ec); });
}

void FuzzGame::restart() {
  g.s.Difficulty = 1;
  g.rng.seed(7);
  InitialState(g);
}

FuzzGame& game() {
  static FuzzGame* G = new FuzzGame();
  return *G;
}

void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz: %s\n", what.c_str());
  std::abort();
}

std::vector<uint8_t> bytesOf(const uint8_t* data, size_t size) { return std::vector<uint8_t>(data, data + size); }

}  // namespace fief::fuzz
