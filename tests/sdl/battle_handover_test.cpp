// The SDL campaign hands a battle to the built battle program and takes it back: the real
// program is started as a child, calculates the battle (the auto-calculation option, as
// no player can watch a window here), writes its results and the status; BattleTimer
// reads them on the real clock, the results screen opens and its OK applies the outcome.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "campaign/files.h"
#include "map/camp1_frm.h"
#include "military/battle_handover_screens.h"
#include "military/fight_files.h"
#include "sdl_game_dir.h"
#include "ui/game.h"
#include "ui/platform/sdl_shell.h"
#include "ui/program_start.h"

namespace fs = std::filesystem;
using namespace fief;

TEST(SdlBattleHandOver, CalculatedBattleComesBackToTheCampaign) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  test::SdlGameDir dir;
  fs::copy_file(fs::path(FIEFDOM_GAME_DIR) / "battledata.rz", dir.path / "battledata.rz");
  SdlShell sh(SdlShell::Options{"Fiefdom", true});
  Game g(sh, dir.path.string());
  g.optim = defaultOptim();
  g.optim.Words[1] = kTrue;  // no fade: the battle is handed over at once
  std::string err;
  ASSERT_TRUE(sh.attach(g, err)) << err;
  ASSERT_TRUE(g.texts.load(g.dir, err)) << err;
  setupTimers(g);
  g.rng.seed(3);
  InitialState(g);
  GameState& s = g.s;
  // A strong first army against 40 club men on the first field.
  CampComp& c = s.CampComposition[0];
  c.clear();
  c.set(HCavalry, 500);
  c.set(Paladin, 300);
  s.ArmyCampSoldiers[0] = static_cast<int16_t>(c.total());
  s.OpponentArmySlots[1].clear();
  s.OpponentArmySlots[1].set(ClubMan, 40);

  auto& camp = g.form<Camp1Frm>("Camp1Frm");
  sh.show(camp);  // reads the advanced settings
  camp.refreshAll();
  s.Advanced.AutoCalcOption = kTrue;

  bool resultsShown = false;
  std::string outcome;
  sh.onModal = [&](Form& f) {
    if (f.name() != "ResultsFrm") return;
    resultsShown = true;
    outcome = f.ctl("OutcomeLbl").Caption;
    f.fire("OkAniBtn", Ev::Click);
  };
  ASSERT_TRUE(StartSiteBattle(g, 1, 1));
  ASSERT_TRUE(battleRunning(g));
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (battleRunning(g) && std::chrono::steady_clock::now() < until) sh.runOnce(50);

  if (battleRunning(g)) {
    // A battle program of this test that still runs is ended, by its process id.
    for (const auto& e : fs::directory_iterator("/proc")) {
      std::ifstream st(e.path() / "stat");
      std::string pid, name, state;
      int ppid = 0;
      if (st >> pid >> name >> state >> ppid && ppid == getpid()) kill(std::stoi(pid), SIGKILL);
    }
  }
  ASSERT_FALSE(battleRunning(g)) << "the campaign still waits for the battle program";
  EXPECT_TRUE(resultsShown);
  EXPECT_EQ(outcome, "Victory!");
  EXPECT_EQ(s.MapEventFlags[0], kFalse) << "the won field is cleared";
  EXPECT_EQ(s.ArmyCampSoldiers[0], s.CampComposition[0].total());
  EXPECT_LE(s.ArmyCampSoldiers[0], 800);
  EXPECT_GT(s.ArmyCampSoldiers[0], 0);
  int status = -1;
  ASSERT_TRUE(readFightStatus((dir.path / kFightStatusFile).string(), status, err)) << err;
  EXPECT_EQ(status, kFightAcknowledged);
}
