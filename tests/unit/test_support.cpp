#include "test_support.h"

#include <unistd.h>

#include "campaign/option_files.h"

namespace fs = std::filesystem;

namespace fief::test {

TempGameDir::TempGameDir() {
  char tmpl[] = "/tmp/fiefdom-test-XXXXXX";
  path_ = mkdtemp(tmpl);
  const fs::path src = FIEFDOM_GAME_DIR;
  for (const char* d : {"localizations", "level15"})
    if (fs::exists(src / d)) fs::copy(src / d, fs::path(path_) / d, fs::copy_options::recursive);
  // Option and progress files with their first values, whatever the built folder holds.
  std::string err;
  if (!initOptionFiles(path_, err)) ADD_FAILURE() << err;
}

TempGameDir::~TempGameDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

GameHarness::GameHarness() {
  shell.attach(g);
  shell.pump = [this] {
    Form* f = top();
    if (!f) return false;
    if (answer) {
      answer(*f);
    } else {
      bool done = false;
      for (const char* b : {"OkAniBtn", "Noanibtn", "CloseLbl"}) {
        Control* c = f->find(b);
        if (c && c->Visible && c->Enabled && f->fire(b, Ev::Click)) { done = true; break; }
      }
      if (!done) f->close();
    }
    return true;
  };
  std::string err;
  if (!g.texts.load(g.dir, err)) ADD_FAILURE() << err;
  setupTimers(g);
}

void GameHarness::startCampaign(int difficulty, uint64_t seed) {
  g.s.Difficulty = static_cast<uint8_t>(difficulty);
  g.rng.seed(seed);
  InitialState(g);
}

Form* GameHarness::top() {
  auto open = shell.openForms();
  return open.empty() ? nullptr : open.back();
}

}  // namespace fief::test
