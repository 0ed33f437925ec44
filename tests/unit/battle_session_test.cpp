// A battle handed to the battle program, from the campaign's side: results tied to their
// hand-over, a battle dropped with the game it belonged to, and every way a battle can
// fail once handed over ending in the caller's fallback.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "campaign/files.h"
#include "campaign/save_games.h"
#include "military/armies.h"
#include "military/battle_handover_screens.h"
#include "test_support.h"

namespace fief {
namespace {

namespace fs = std::filesystem;

struct BattleSession : test::GameFixture {
  int consequences = 0, fallbacks = 0;
  bool wonSeen = false;
  std::vector<std::string> boxes;

  BattleSession() {
    startCampaign();
    g.optim.Words[1] = 1;  // no fade: the program starts at once
    answer = [this](Form& f) {
      if (Control* l = f.find("MsgLbl")) boxes.push_back(l->Caption);
      if (Control* ok = f.find("OkAniBtn"); ok && ok->Visible) f.fire("OkAniBtn", Ev::Click);
      else f.close();
    };
  }
  // The battle module keeps its session by game: a battle left running goes with the test.
  ~BattleSession() override { DropBattle(g); }
  CampComp& camp() { return g.s.CampComposition[0]; }
  bool start() {
    BattleRequest r;
    r.mapName = "field1";
    r.camp = 1;
    r.enemy.set(ClubMan, 100);
    return StartBattle(
        g, r,
        [this](Game&, bool won) {
          ++consequences;
          wonSeen = won;
        },
        [this](Game&) { ++fallbacks; });
  }
  // The results the battle program would write for the camp: every soldier lived.
  FightOut results(uint32_t id) {
    FightOut out;
    out.BattleId = id;
    out.Outcome = 1;
    FightResultArmy a;
    std::array<int16_t, kUnitCount> byUnit{};
    const CampComp sent = soldiersSent(camp(), false);
    for (int u = 0; u < kUnitCount; ++u) byUnit[u] = static_cast<int16_t>(sent.get(u));
    a.Survivors = toRosterOrder(byUnit);
    out.Armies = {a, FightResultArmy{}};
    return out;
  }
  void finish(const FightOut& out) {
    std::string err;
    ASSERT_TRUE(writeFightOut(g.path(kFightOutFile), out, err)) << err;
    ASSERT_TRUE(writeFightStatus(g.path(kFightStatusFile), kFightFinished, err)) << err;
  }
  int status() {
    int v = -1;
    std::string err;
    readFightStatus(g.path(kFightStatusFile), v, err);
    return v;
  }
};

TEST_F(BattleSession, OldResultsAreRemovedAndForeignOnesIgnored) {
  ASSERT_TRUE(campExists(g.s, 1));
  std::string err;
  ASSERT_TRUE(writeFightOut(g.path(kFightOutFile), results(77), err)) << err;
  ASSERT_TRUE(start());
  EXPECT_FALSE(fs::exists(g.path(kFightOutFile))) << "the results of an earlier battle are removed";
  const uint32_t id = runningBattleId(g);
  ASSERT_NE(id, 0u);
  FightIn in;
  ASSERT_TRUE(readFightIn(g.path(kFightInFile), in, err)) << err;
  EXPECT_EQ(in.BattleId, id);

  // Results without an id, and with another battle's: not this battle's.
  for (uint32_t foreign : {0u, id + 1}) {
    finish(results(foreign));
    BattleTimerTick(g);
    EXPECT_TRUE(battleRunning(g)) << foreign;
    EXPECT_EQ(status(), kFightAcknowledged) << foreign;
    EXPECT_EQ(consequences + fallbacks, 0) << foreign;
  }
  finish(results(id));
  BattleTimerTick(g);
  EXPECT_FALSE(battleRunning(g));
  EXPECT_EQ(consequences, 1);
  EXPECT_TRUE(wonSeen);
  EXPECT_EQ(fallbacks, 0);
}

TEST_F(BattleSession, AGameLoadedDropsTheRunningBattle) {
  std::string err;
  ASSERT_TRUE(WriteSave(g, "Before", err)) << err;
  const CampComp before = camp();
  const int32_t crops = g.s.Crops;
  ASSERT_TRUE(start());
  const uint32_t id = runningBattleId(g);
  ASSERT_TRUE(g.timers.enabled("BattleTimer"));
  ASSERT_TRUE(ReadSave(g, "Before", err)) << err;
  EXPECT_FALSE(battleRunning(g));
  EXPECT_FALSE(g.timers.enabled("BattleTimer"));
  // Its results, had they come, change nothing of the loaded game.
  finish(results(id));
  BattleTimerTick(g);
  shell.wait(5000);
  EXPECT_EQ(consequences + fallbacks, 0);
  EXPECT_EQ(g.s.Crops, crops);
  for (int u = 0; u < kUnitCount; ++u) EXPECT_EQ(camp().get(u), before.get(u)) << u;
  EXPECT_TRUE(boxes.empty());
}

// Every way a battle ends without a result the campaign can take: the fallback runs once,
// the consequence never, the player is told, the camp is untouched.
TEST_F(BattleSession, AFailedBattleRunsTheFallback) {
  struct Case {
    const char* what;
    std::function<void(BattleSession&)> fail;
    const char* told;
  };
  const Case cases[] = {
      {"the program ends without a result",
       [](BattleSession& t) {
         t.shell.endRecordedPrograms();
         BattleTimerTick(t.g);
         BattleTimerTick(t.g);
       },
       "ended without a result"},
      {"the program is given up",
       [](BattleSession& t) {
         t.shell.wait(kBattleTimeoutMs);
         BattleTimerTick(t.g);
       },
       "no result for a long time"},
      {"the results cannot be read",
       [](BattleSession& t) {
         std::string err;
         ASSERT_TRUE(writeFileAtomic(t.g.path(kFightOutFile), {1, 0, 1}, err));
         ASSERT_TRUE(writeFightStatus(t.g.path(kFightStatusFile), kFightFinished, err));
         BattleTimerTick(t.g);
       },
       "Fight_out.rz: the file is 3 bytes long"},
      {"the results do not fit the army sent",
       [](BattleSession& t) {
         FightOut out = t.results(runningBattleId(t.g));
         out.Armies[0].Survivors[0] = 30000;
         t.finish(out);
         BattleTimerTick(t.g);
       },
       "surviving Archer"},
  };
  for (const Case& c : cases) {
    consequences = fallbacks = 0;
    boxes.clear();
    const CampComp before = camp();
    ASSERT_TRUE(start()) << c.what;
    c.fail(*this);
    EXPECT_FALSE(battleRunning(g)) << c.what;
    EXPECT_EQ(fallbacks, 1) << c.what;
    EXPECT_EQ(consequences, 0) << c.what;
    ASSERT_EQ(boxes.size(), 1u) << c.what;
    EXPECT_NE(boxes[0].find(c.told), std::string::npos) << c.what << ": " << boxes[0];
    EXPECT_EQ(boxes[0].find(g.dir), std::string::npos) << "the message names files in the program folder: " << boxes[0];
    for (int u = 0; u < kUnitCount; ++u) EXPECT_EQ(camp().get(u), before.get(u)) << c.what;
  }
}

TEST_F(BattleSession, AGivenUpProgramsLateResultsAreNotTheNextBattles) {
  ASSERT_TRUE(start());
  const uint32_t first = runningBattleId(g);
  shell.wait(kBattleTimeoutMs);
  BattleTimerTick(g);
  ASSERT_FALSE(battleRunning(g));
  ASSERT_TRUE(start());
  ASSERT_NE(runningBattleId(g), first);
  // The first program answers at last, while the second battle runs.
  FightOut late = results(first);
  late.Armies[0].Survivors = {};
  finish(late);
  BattleTimerTick(g);
  EXPECT_TRUE(battleRunning(g));
  EXPECT_EQ(consequences, 0);
  EXPECT_GT(camp().total(), 0);
}

// The consequence reads the results that were taken, not the file as it is by then.
TEST_F(BattleSession, TheConsequenceReadsTheResultsTaken) {
  int enemyLeft = -1;
  BattleRequest r;
  r.mapName = "field1";
  r.camp = 1;
  r.enemy.set(Archer, 100);
  ASSERT_TRUE(StartBattle(g, r, [&](Game& game, bool) { enemyLeft = takenResults(game).Armies[1].Survivors[0]; }));
  FightOut out = results(runningBattleId(g));
  out.Armies[1].Survivors[0] = 40;
  finish(out);
  answer = [this](Form& f) {
    if (f.name() == "ResultsFrm") {
      // A late writer replaces the file while the results are on view.
      FightOut other = results(0);
      other.Armies[1].Survivors[0] = 99;
      std::string err;
      ASSERT_TRUE(writeFightOut(g.path(kFightOutFile), other, err)) << err;
    }
    // The results are taken with OK; the mission screen that follows them is closed.
    if (Control* ok = f.find("OkAniBtn"); ok && ok->Visible) f.fire("OkAniBtn", Ev::Click);
    else f.close();
  };
  BattleTimerTick(g);
  EXPECT_EQ(enemyLeft, 40);
}

TEST_F(BattleSession, AProgramThatCannotStartRunsTheFallback) {
  shell.spawnPrograms = true;  // and there is no battledata.rz in the folder
  ASSERT_TRUE(start());
  EXPECT_FALSE(battleRunning(g));
  EXPECT_EQ(fallbacks, 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("could not be started"), std::string::npos) << boxes[0];
}

}  // namespace
}  // namespace fief
