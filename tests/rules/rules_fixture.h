// A started campaign on the rules alone (no screen; the null player answers): the texts
// of the built program folder, and a scratch program folder of its own for the files a
// rule writes (saves).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "campaign/initial_state.h"
#include "campaign/rules.h"
#include "turn/turn.h"

namespace fief::test {

struct ScratchDir {
  std::string path;
  ScratchDir() {
    char tmpl[] = "/tmp/fiefdom-rules-XXXXXX";
    path = mkdtemp(tmpl);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

struct RulesFixture : ::testing::Test {
  ScratchDir dir;
  Rules g{dir.path};
  RulesFixture() {
    registerTurnEventKinds();
    std::string err;
    if (!g.texts.load(FIEFDOM_GAME_DIR, err)) ADD_FAILURE() << err;
  }
  void startCampaign(int difficulty = 1, uint64_t seed = 7) {
    g.s.Difficulty = static_cast<uint8_t>(difficulty);
    g.rng.seed(seed);
    InitialState(g);
  }
};

}  // namespace fief::test
