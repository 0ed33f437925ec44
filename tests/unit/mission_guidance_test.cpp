// Guidance on the mission screen: how far the county is towards each objective, and
// where a click on an objective takes the player.
#include <gtest/gtest.h>

#include "campaign/mission_guidance.h"
#include "map/camp1_frm.h"
#include "test_support.h"

namespace fief {
namespace {

struct Guidance : test::GameFixture {
  std::vector<std::string> opened;  // the modal forms opened, in order
  Guidance() {
    startCampaign();
    g.s.CurrentLevel = 15;
    answer = [this](Form& f) {
      opened.push_back(f.name());
      f.close();
    };
  }
  std::string progress(int k) { return objectiveProgressText(g, k); }
};

TEST_F(Guidance, ProgressOfEachObjectiveOfTheLevel) {
  g.s.CampComposition[0].set(Templar, 100);
  g.s.CampComposition[0].set(Champion, 250);
  g.s.CampExists[1] = kTrue;
  g.s.CampComposition[1].set(Templar, 20);
  g.s.RecruitCounts.set(Templar, 5);  // an open levy counts
  g.s.CampComposition[2].set(Champion, 999);  // a camp that does not exist does not
  g.s.Morale = 64.9f;
  g.s.MapEventFlags = {kFalse, kTrue, kTrue};
  EXPECT_EQ(progress(1), "Templar 125 / 200   Champion 250 / 300");
  EXPECT_EQ(progress(2), "Morale 64 / 80");
  EXPECT_EQ(progress(3), "Hostile armies beaten 1 / 3");
  EXPECT_EQ(progress(4), "");

  // The goals say met exactly when the objective holds.
  struct Case { float morale; bool holds; };
  for (Case c : {Case{79.99f, false}, Case{80.0f, true}, Case{100.0f, true}, Case{-3.5f, false}}) {
    g.s.Morale = c.morale;
    EXPECT_EQ(objectiveHolds(g.s, 15, 2), c.holds) << c.morale;
    const auto goals = objectiveGoals(g.s, 15, 2);
    ASSERT_EQ(goals.size(), 1u);
    EXPECT_EQ(goals[0].met(), c.holds) << c.morale;
  }
}

TEST_F(Guidance, YesOrNoGoalsSayDoneOrNotYet) {
  g.s.CurrentLevel = 6;
  EXPECT_EQ(progress(1), "Fort built: not yet");
  g.s.CastleStageBuilt[2] = kTrue;
  EXPECT_EQ(progress(1), "Fort built: done");
  g.s.CurrentLevel = 14;
  EXPECT_EQ(progress(1), "Bailey or fort built: done");
}

TEST_F(Guidance, EveryObjectiveOfEveryLevelHasGoalsAndNoneBeyond) {
  for (int level = 1; level <= 18; ++level)
    for (int k = 1; k <= 6; ++k)
      EXPECT_EQ(objectiveGoals(g.s, level, k).empty(), k > objectiveCount(level)) << level << "/" << k;
}

TEST_F(Guidance, AClickOnAnObjectiveShowsWhereToAct) {
  auto& camp = g.form<Camp1Frm>("Camp1Frm");
  shell.show(camp);
  Control& map = camp.ctl("MapSurface");
  struct Case {
    const char* what;
    std::function<void()> setup;
    int objective;
    std::vector<std::string> opened;
    bool closes;     // the mission screen gives way to the map
    int field;       // the hostile army the map shows, 0 none
  };
  const Case cases[] = {
      {"soldiers, with barracks", [&] { g.s.BarracksBuilt = kTrue; }, 1, {"ArmyFrm"}, false, 0},
      {"soldiers, no barracks yet", [&] { g.s.BarracksBuilt = kFalse; }, 1, {"BuildFrm"}, false, 0},
      {"morale", [] {}, 2, {"LeaderFrm"}, false, 0},
      {"three armies hold their fields", [&] { g.s.MapEventFlags = {kTrue, kTrue, kTrue}; }, 3, {}, true, 1},
      {"the first beaten", [&] { g.s.MapEventFlags = {kFalse, kTrue, kTrue}; }, 3, {}, true, 2},
      {"only the third left", [&] { g.s.MapEventFlags = {kFalse, kFalse, kTrue}; }, 3, {}, true, 3},
      {"all beaten", [&] { g.s.MapEventFlags = {kFalse, kFalse, kFalse}; }, 3, {}, false, 0},
  };
  for (const Case& c : cases) {
    opened.clear();
    c.setup();
    map.Left = map.Top = 0;
    EXPECT_EQ(actOnObjective(g, c.objective), c.closes) << c.what;
    EXPECT_EQ(opened, c.opened) << c.what;
    if (c.field) {
      const Control& army = camp.ctl("FieldBattleImg" + std::to_string(c.field));
      const auto want = viewCentredOn(army.Left + army.Width / 2, army.Top + army.Height / 2, map.Width,
                                      map.Height, camp.Width, camp.Height);
      EXPECT_EQ(std::make_pair(map.Left, map.Top), want) << c.what;
      EXPECT_NE(std::make_pair(map.Left, map.Top), std::make_pair(0, 0)) << c.what << ": the map moved";
    } else {
      EXPECT_EQ(std::make_pair(map.Left, map.Top), std::make_pair(0, 0)) << c.what;
    }
  }
}

TEST(MapCentre, APointGoesToTheMiddleAsFarAsTheMapReaches) {
  struct Case { int x, y; std::pair<int, int> view; };
  // A 2400 x 1800 map in an 800 x 600 window.
  const Case cases[] = {
      {1200, 900, {-800, -600}},   // the middle of the map
      {100, 100, {0, 0}},          // near the top left corner: the map stops at its edge
      {2390, 1790, {-1600, -1200}},  // near the bottom right corner
      {400, 1500, {0, -1200}},
  };
  for (const Case& c : cases) EXPECT_EQ(viewCentredOn(c.x, c.y, 2400, 1800, 800, 600), c.view) << c.x << "," << c.y;
  // A map smaller than the window stays at the top left.
  EXPECT_EQ(viewCentredOn(50, 50, 300, 200, 800, 600), std::make_pair(0, 0));
}

}  // namespace
}  // namespace fief
