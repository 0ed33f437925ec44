// The mission screen's objectives and leaving a level.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "campaign/files.h"
#include "campaign/missions.h"
#include "campaign/save_games.h"
#include "turn/turn.h"
#include "test_support.h"

namespace fief {
namespace {

struct Missions : test::GameFixture {
  Missions() { startCampaign(); }
  long number(const char* file) {
    long v = -1;
    std::string err;
    readNumberFile(g.path(file), v, err);
    return v;
  }
};

TEST_F(Missions, Level4ObjectivesTurnGreenOneByOne) {
  g.s.CurrentLevel = 4;
  g.s.Crops = 8500;
  g.s.Meat = 3000;
  g.s.BowStock = 500;
  g.s.ClubStock = 300;
  g.s.SwordStock = 200;
  g.s.ChainMailStock = 200;
  g.s.ScienceLevel = 3;
  EvaluateObjectives(g);
  EXPECT_EQ(g.s.ObjectiveMet, (std::array<uint8_t, 6>{0, 1, 1, 0, 0, 0}));
  EXPECT_FALSE(isSet(g.s.AllObjectivesMet));
}

TEST_F(Missions, AnObjectiveMetOnceStaysMet) {
  g.s.CurrentLevel = 1;
  g.s.Wood = 6000;
  g.s.Stone = 4000;
  EvaluateObjectives(g);
  g.s.Wood = 0;
  EvaluateObjectives(g);
  EXPECT_EQ(g.s.ObjectiveMet[1], 1);
}

TEST_F(Missions, Level15NeedsTemplarsChampionsMoraleAndTheThreeBattles) {
  g.s.CurrentLevel = 15;
  g.s.CampComposition[1].set(Templar, 150);
  g.s.CampExists[1] = kTrue;
  g.s.RecruitCounts.set(Templar, 50);  // a levy still open counts too
  g.s.CampComposition[0].set(Champion, 300);
  g.s.Morale = 79.9f;
  g.s.MapEventFlags = {kFalse, kFalse, kTrue};
  EvaluateObjectives(g);
  EXPECT_EQ(g.s.ObjectiveMet, (std::array<uint8_t, 6>{1, 0, 0, 0, 0, 0}));
  g.s.Morale = 80.0f;
  g.s.MapEventFlags[2] = kFalse;
  EvaluateObjectives(g);
  EXPECT_TRUE(isSet(g.s.AllObjectivesMet));
}

// A loaded save may hold any float as morale: it is compared, never converted out of range
// (the sanitizer build fails on such a conversion).
TEST_F(Missions, MoraleOutOfEveryRangeIsComparedSafely) {
  g.s.CurrentLevel = 15;
  const struct { float morale; bool holds; } cases[] = {
      {std::numeric_limits<float>::quiet_NaN(), false}, {-1e30f, false}, {1e30f, true},
      {std::numeric_limits<float>::infinity(), true}};
  for (const auto& c : cases) {
    g.s.Morale = c.morale;
    EXPECT_EQ(objectiveHolds(g.s, 15, 2), c.holds) << c.morale;
  }
}

TEST_F(Missions, AnObjectiveThatHoldsAsATurnEndsIsMetAndKeptThroughASaveAndLoad) {
  // 300 Champions and 200 Templars stand in camp 1 at the end of a turn; a battle then
  // costs Champions before the player looks at the mission screen.
  g.s.CampComposition[0].set(Champion, 300);
  g.s.CampComposition[0].set(Templar, 200);
  EndTurn(g);
  g.s.CampComposition[0].set(Champion, 120);
  EXPECT_EQ(g.s.ObjectiveMet[0], 1);
  std::string err;
  ASSERT_TRUE(WriteSave(g, "After the battles", err)) << err;
  // A later run loads the save: the objective is still met.
  test::GameHarness later;
  later.g.s.SaveExtension = g.s.SaveExtension;
  later.g.s.Difficulty = 1;
  std::filesystem::copy(g.path("Save Game"), later.g.path("Save Game"), std::filesystem::copy_options::recursive);
  ASSERT_TRUE(ReadSave(later.g, "After the battles", err)) << err;
  EvaluateObjectives(later.g);
  EXPECT_EQ(later.g.s.ObjectiveMet[0], 1);
  EXPECT_EQ(later.g.s.CampComposition[0].get(Champion), 120);
}

TEST_F(Missions, LeavingALevelWritesTheProgressAndStartsTheNextProgram) {
  struct Case { int level; long progressBefore; long camp, levelinfo; const char* next; };
  const Case cases[] = {
      {15, 15, 16, 16, "introdata.rz"},
      {5, 9, 9, 15, "introdata.rz"},    // a replay: neither file changes
      {13, 13, 14, 14, "outrodata.rz"},
      {12, 12, 13, 13, "introdata.rz"},
      {17, 17, 17, 17, "outrodata.rz"},
      {18, 3, 3, 15, "menudata.rz"},     // the tutorial writes nothing
  };
  for (const auto& c : cases) {
    test::GameHarness f;
    f.startCampaign();
    std::string err;
    ASSERT_TRUE(writeNumberFile(f.g.path("camp.rz"), c.progressBefore, err));
    ASSERT_TRUE(writeNumberFile(f.g.path("LGame.rz"), 1, err));
    f.g.s.CurrentLevel = static_cast<uint8_t>(c.level);
    EXPECT_THROW(LeaveLevel(f.g), ProgramEnded);
    long v = -1;
    readNumberFile(f.g.path("camp.rz"), v, err);
    EXPECT_EQ(v, c.camp) << c.level;
    readNumberFile(f.g.path("levelinfo.rz"), v, err);
    EXPECT_EQ(v, c.levelinfo) << c.level;
    readNumberFile(f.g.path("LGame.rz"), v, err);
    EXPECT_EQ(v, 0) << c.level;
    EXPECT_EQ(f.shell.programs(), (std::vector<std::string>{f.g.path("splash.rz"), f.g.path(c.next)})) << c.level;
  }
}

}  // namespace
}  // namespace fief
