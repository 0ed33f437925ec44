// The mission screen's objectives and leaving a level.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// Every objective of every level at its threshold holds, and each of its goals one step
// short (or its flag the other way) keeps it from holding.
TEST_F(Missions, EveryObjectiveHoldsAtItsThresholdAndNotOneStepShort) {
  using Set = std::function<void(GameState&)>;
  struct Case { int level, k; Set meet; std::vector<Set> spoil; };
  auto camp = [](Unit u, int n) { return [u, n](GameState& s) { s.CampComposition[0].set(u, n); }; };
  auto both = [](Set a, Set b) { return [a, b](GameState& s) { a(s); b(s); }; };
  auto all = [](std::vector<Set> v) { return [v](GameState& s) { for (const auto& f : v) f(s); }; };
  const Set fieldsFree = [](GameState& s) { s.MapEventFlags = {kFalse, kFalse, kFalse}; };
  const Set twoFieldsFree = [](GameState& s) { s.MapEventFlags = {kFalse, kFalse, kTrue}; };
  const Set tipsClear = [](GameState& s) { s.TipFlags = {0, 0}; };
  const Set rivalOut = [](GameState& s) { s.Rival1.Active = kFalse; };
  const Set rivalIn = [](GameState& s) { s.Rival1.Active = kTrue; };
  auto stage = [](int n, Flag v) { return [n, v](GameState& s) { s.CastleStageBuilt[n - 1] = v; }; };
  auto mef = [](int i) { return [i](GameState& s) { s.MapEventFlags[i - 1] = kTrue; }; };
  auto morale = [](float m) { return [m](GameState& s) { s.Morale = m; }; };
  const Case cases[] = {
      {1, 1, [](GameState& s) { s.CountyBlessings[0] = 1; s.RuinsQuiet = kTrue; },
       {[](GameState& s) { s.CountyBlessings[0] = 2; }, [](GameState& s) { s.RuinsQuiet = kFalse; }}},
      {1, 2, [](GameState& s) { s.Wood = 6000; s.Stone = 4000; },
       {[](GameState& s) { s.Wood = 5999; }, [](GameState& s) { s.Stone = 3999; }}},
      {1, 3, fieldsFree, {mef(1), mef(2), mef(3)}},
      {2, 1, tipsClear, {[](GameState& s) { s.TipFlags[0] = kTrue; }, [](GameState& s) { s.TipFlags[1] = 1; }}},
      {2, 2, fieldsFree, {mef(3)}},
      {2, 3, [](GameState& s) { s.Crops = 6500; s.Meat = 1200; },
       {[](GameState& s) { s.Crops = 6499; }, [](GameState& s) { s.Meat = 1199; }}},
      {3, 1, [](GameState& s) { s.MapEventFlags = {kFalse, kTrue, kTrue}; s.VillageState[1] = 99; },
       {mef(1), [](GameState& s) { s.VillageState[1] = 100; }}},
      {4, 1, [](GameState& s) { s.RivalRelation = {100, 100}; }, {[](GameState& s) { s.RivalRelation[1] = 1; }}},
      {4, 2, [](GameState& s) { s.Crops = 8500; s.Meat = 3000; },
       {[](GameState& s) { s.Crops = 8499; }, [](GameState& s) { s.Meat = 2999; }}},
      {4, 3, [](GameState& s) { s.BowStock = 500; s.ClubStock = 300; s.SwordStock = 200; s.ChainMailStock = 200; },
       {[](GameState& s) { s.BowStock = 499; }, [](GameState& s) { s.ClubStock = 299; },
        [](GameState& s) { s.SwordStock = 199; }, [](GameState& s) { s.ChainMailStock = 199; }}},
      {4, 4, [](GameState& s) { s.ScienceLevel = 4; }, {[](GameState& s) { s.ScienceLevel = 3; }}},
      {5, 1, all({camp(Archer, 200), camp(SwordMan, 300), camp(Helebarder, 420), camp(Cavalry, 250)}),
       {camp(Archer, 199), camp(SwordMan, 299), camp(Helebarder, 419), camp(Cavalry, 249)}},
      {5, 2, [](GameState& s) { s.Diplomacy = 75; }, {[](GameState& s) { s.Diplomacy = 74; }}},
      {6, 1, stage(3, kTrue), {stage(3, kFalse)}},
      {6, 2, rivalOut, {rivalIn}},
      {7, 1, tipsClear, {[](GameState& s) { s.TipFlags[0] = kTrue; }}},
      {7, 2, rivalOut, {rivalIn}},
      {8, 1, stage(3, kTrue), {stage(3, kFalse)}},
      {8, 2, [](GameState& s) { s.Crops = 5500; s.Meat = 3000; },
       {[](GameState& s) { s.Crops = 5499; }, [](GameState& s) { s.Meat = 2999; }}},
      {8, 3, both(camp(TwoHand, 300), camp(Cavalry, 600)), {camp(TwoHand, 299), camp(Cavalry, 599)}},
      {8, 4, [](GameState& s) { s.ScienceLevel = 6; }, {[](GameState& s) { s.ScienceLevel = 5; }}},
      {8, 5, morale(55.0f), {morale(54.99f)}},
      {9, 1, rivalOut, {rivalIn}},
      {9, 2, [](GameState& s) { s.RebelCounters[1] = 1000; }, {[](GameState& s) { s.RebelCounters[1] = 999; }}},
      {9, 3, [](GameState& s) { s.ScienceLevel = 10; }, {[](GameState& s) { s.ScienceLevel = 9; }}},
      {9, 4, morale(75.0f), {morale(74.99f)}},
      {10, 1, stage(4, kTrue), {stage(4, kFalse)}},
      {10, 2, all({camp(HCavalry, 600), camp(Templar, 300), camp(Warlord, 1)}),
       {camp(HCavalry, 599), camp(Templar, 299), camp(Warlord, 0)}},
      {10, 3, [](GameState& s) { s.Leadership = 65; }, {[](GameState& s) { s.Leadership = 64; }}},
      {11, 1, rivalOut, {rivalIn}},
      {12, 1, stage(5, kTrue), {stage(5, kFalse)}},
      {12, 2, [](GameState& s) { s.Diplomacy = 80; }, {[](GameState& s) { s.Diplomacy = 79; }}},
      {12, 3, twoFieldsFree, {mef(1), mef(2)}},
      {13, 1, both(rivalOut, fieldsFree), {rivalIn, mef(3)}},
      {14, 1, stage(2, kTrue), {stage(2, kFalse)}},
      {14, 1, stage(3, kTrue), {stage(3, kFalse)}},
      {14, 2, [](GameState& s) { s.Happiness = 80; s.Health = 80; },
       {[](GameState& s) { s.Happiness = 79; }, [](GameState& s) { s.Health = 79; }}},
      {14, 3, both(camp(Archer, 300), camp(SwordMan, 100)), {camp(Archer, 299), camp(SwordMan, 99)}},
      {15, 1, both(camp(Templar, 200), camp(Champion, 300)), {camp(Templar, 199), camp(Champion, 299)}},
      {15, 2, morale(80.0f), {morale(79.99f)}},
      {15, 3, fieldsFree, {mef(1), mef(2), mef(3)}},
      {16, 1, stage(4, kTrue), {stage(4, kFalse)}},
      {16, 1, stage(5, kTrue), {stage(5, kFalse)}},
      {16, 2, morale(90.0f), {morale(89.99f)}},
      {16, 3, [](GameState& s) { s.Leadership = 75; }, {[](GameState& s) { s.Leadership = 74; }}},
      {17, 1, twoFieldsFree, {mef(1), mef(2)}},
      {18, 1, [](GameState& s) { s.TutorialStep = 30; },
       {[](GameState& s) { s.TutorialStep = 29; }, [](GameState& s) { s.TutorialStep = 31; }}},
  };
  const GameState start = g.s;
  for (const auto& c : cases) {
    GameState s = start;
    c.meet(s);
    EXPECT_TRUE(objectiveHolds(s, c.level, c.k)) << "level " << c.level << " objective " << c.k;
    for (size_t i = 0; i < c.spoil.size(); ++i) {
      GameState short_ = start;
      c.meet(short_);
      c.spoil[i](short_);
      EXPECT_FALSE(objectiveHolds(short_, c.level, c.k)) << "level " << c.level << " objective " << c.k << " spoilt " << i;
    }
  }
}

// The mission screen of a defeat shown in the middle of an end of turn (the rival's assassin)
// may replay the level from its first save: the rest of that turn is the lost game's, and
// none of it goes into the replayed one.
TEST_F(Missions, AReplayFromADefeatInTheTurnTakesNothingOfTheLostTurn) {
  struct ReplayOnDefeat : NullDecisions {
    Rules& r;
    bool defeated = false;
    explicit ReplayOnDefeat(Rules& rules) : r(rules) {}
    void defeat() override {
      defeated = true;
      std::string err;
      EXPECT_TRUE(ReadSave(r, "FirstSave", err)) << err;
    }
  } player(g);
  std::string err;
  ASSERT_TRUE(WriteSave(g, "FirstSave", err)) << err;
  const GameState first = g.s;
  g.setPlayer(&player);
  // Rival 1 in play sends his assassin as the 24th turn is played; the guards are too weak.
  g.s.Rival1.Active = kTrue;
  g.s.Rival1.AssassinLevel = 5;
  g.s.TurnCounter = 23;
  g.s.ObjectMissionCountdown = 0;  // a mission that ends this turn and asks for its animation
  g.s.ObjectMissionTarget = 1;
  g.play.turns = 22;
  EndTurn(g);
  g.setPlayer(nullptr);
  ASSERT_TRUE(player.defeated);
  EXPECT_TRUE(isSet(g.s.PlayerInGame));
  EXPECT_EQ(g.s.TurnCounter, 1);
  EXPECT_EQ(g.s.Gold, first.Gold);
  EXPECT_EQ(g.play.turns, 0u);
  EXPECT_EQ(g.chronicle.entries.size(), 1u);
  EXPECT_EQ(g.s.TurnAnimationFlags, (std::array<uint8_t, 5>{}));
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
