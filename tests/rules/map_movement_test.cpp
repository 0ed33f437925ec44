// The waypoint graph of the level map and the rules of moving armies over it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "map/army_movement.h"
#include "military/levy.h"

namespace fief {
namespace {

std::string levelMap() {
  std::ifstream f(std::string(FIEFDOM_SOURCE_DIR) + "/data/map/level15.json");
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

struct MovementTest : ::testing::Test {
  WaypointGraph g;
  GameState s;
  MovementTest() {
    std::string err;
    EXPECT_TRUE(parseWaypointGraph(levelMap(), g, err)) << err;
    s.CampExists = {kTrue, kFalse, kFalse};
    s.ArmyCampSoldiers = {500, 0, 0};
    s.CampComposition[0].set(Archer, 500);
    s.CampWaypoint = {2, 0, 0};
    s.CampMovesLeft = {3, 0, 0};
    s.SelectedCamp = 1;
    s.RuinsQuiet = kTrue;
    s.Rival1AttackState = s.Rival2AttackState = kNone;
    s.ObjectMissionCountdown = kNone;
    s.OutpostState = 100;
  }
};

TEST_F(MovementTest, TheLevelMapHoldsTheWaypointGraph) {
  // Every waypoint and the waypoints offered from it, in the order offered.
  const std::map<int, std::vector<int>> table = {
      {1, {2}},          {2, {3, 1}},       {3, {2, 4}},      {4, {3, 5}},      {5, {4, 6}},      {6, {5, 7}},
      {7, {6, 8}},       {8, {7, 9}},       {9, {8, 10, 38}}, {10, {9, 11}},    {11, {10, 12}},   {12, {11, 13}},
      {13, {12, 14}},    {14, {13, 15, 33}}, {15, {14, 16}},  {16, {15, 17, 26}}, {17, {16, 18}}, {18, {17, 19}},
      {19, {18, 20, 31}}, {20, {19, 21}},   {21, {20, 22}},   {22, {21, 23}},   {23, {22, 24}},   {24, {23, 25}},
      {25, {24, 26}},    {26, {25, 27}},    {27, {26, 28}},   {28, {27, 29}},   {29, {28, 30}},   {30, {29}},
      {31, {19, 32}},    {32, {31}},        {33, {14, 34}},   {34, {33, 35, 36}}, {35, {34}},     {36, {34, 37}},
      {37, {36}},        {38, {9, 39}},     {39, {38, 40}},   {40, {39, 41}},   {41, {40, 42}},   {42, {41, 50}},
      {50, {42, 51}},    {51, {50, 52}},    {52, {51, 53}},   {53, {52, 54}},   {54, {53}},
  };
  EXPECT_EQ(g.links, table);
  EXPECT_EQ(g.positions.size(), 47u);
  for (auto& [from, to] : g.links) EXPECT_TRUE(g.positions.count(from)) << from;
}

TEST_F(MovementTest, MalformedLevelMapsGiveAnEmptyGraph) {
  for (const char* bad : {"", "{", "{\"waypoints\":{}}", "{\"links\":{\"1\":[\"x\"]}}", "{\"links\":{\"a\":[1]}}"}) {
    std::string err;
    WaypointGraph w;
    w.links[1] = {2};
    EXPECT_FALSE(parseWaypointGraph(bad, w, err)) << bad;
    EXPECT_TRUE(w.empty());
    EXPECT_FALSE(err.empty());
  }
}

TEST_F(MovementTest, MovesFromMorale) {
  const std::pair<float, int> cases[] = {{100, 3}, {75, 3}, {74.9f, 2}, {50, 2}, {49.9f, 1}, {0, 1}};
  for (auto [m, n] : cases) EXPECT_EQ(movesForMorale(m), n) << m;
}

TEST_F(MovementTest, OneWayLinkAndTheCastleGate) {
  s.CampWaypoint[0] = 26;
  EXPECT_EQ(offeredWaypoints(s, g, 1), (std::vector<int>{25, 27}));
  s.CampWaypoint[0] = 16;
  EXPECT_EQ(offeredWaypoints(s, g, 1), (std::vector<int>{15, 17, 26}));
  s.CampWaypoint[0] = 2;
  EXPECT_EQ(offeredWaypoints(s, g, 1), (std::vector<int>{3}));  // no castle stage
  s.CastleStageBuilt[0] = kTrue;
  EXPECT_EQ(offeredWaypoints(s, g, 1), (std::vector<int>{3, 1}));
  s.CastleGarrisonCamp = 2;
  EXPECT_EQ(offeredWaypoints(s, g, 1), (std::vector<int>{3}));
}

TEST_F(MovementTest, SelectingForWalking) {
  s.CampMovesLeft[0] = 0;
  EXPECT_EQ(SelectCampForWalking(s, 1), 25);
  s.CampMovesLeft[0] = 1;
  s.SelectedCamp = 0;
  EXPECT_EQ(SelectCampForWalking(s, 1), kDone);
  EXPECT_EQ(s.SelectedCamp, 1);
  s.CastleGarrisonCamp = 1;
  s.SelectedCamp = 0;
  EXPECT_EQ(SelectCampForWalking(s, 1), kNothingToDo);
  EXPECT_EQ(s.SelectedCamp, 0);
}

TEST_F(MovementTest, BlockedWaypointsOfferTheirBattle) {
  struct Case { int waypoint; std::function<void(GameState&)> hold; int site; };
  const Case cases[] = {
      {33, [](GameState& st) { st.RebelCounters[0] = kTrue; }, 4},
      {40, [](GameState& st) { st.MapEventFlags[0] = kTrue; }, 1},
      {51, [](GameState& st) { st.MapEventFlags[1] = kTrue; }, 2},
      {53, [](GameState& st) { st.MapEventFlags[2] = kTrue; }, 3},
      {54, [](GameState& st) { st.RuinsQuiet = kFalse; }, 13},
  };
  for (const Case& c : cases) {
    GameState held = s;
    EXPECT_EQ(blockedSite(held, c.waypoint), 0);
    c.hold(held);
    held.CampWaypoint[0] = 52;
    const MoveOrder o = OrderMove(held, g, c.waypoint);
    EXPECT_FALSE(o.walk);
    EXPECT_EQ(o.battleSite, c.site);
    EXPECT_EQ(held.BattleSite, c.site);
    EXPECT_EQ(held.CampWaypoint[0], 52);
  }
}

TEST_F(MovementTest, ObjectsTakenOnTheWay) {
  s.CountyBlessings[0] = 2;  // a rival holds the dolmen
  s.Gold = 100;
  s.ObjectMissionCountdown = 3;  // a scout on his way to the far lands
  s.ObjectMissionTarget = 3;
  MoveOrder o = OrderMove(s, g, 37);
  EXPECT_TRUE(o.walk && o.captured);
  EXPECT_EQ(s.CountyBlessings[0], 1);
  // The scout is called home, told, and his price refunded.
  EXPECT_TRUE(o.scoutRecalled);
  EXPECT_EQ(s.ObjectMissionCountdown, kNone);
  EXPECT_EQ(s.ObjectMissionTarget, 0);
  EXPECT_EQ(s.Gold, 100 + 2600);
  o = OrderMove(s, g, 37);
  EXPECT_FALSE(o.captured);  // already the player's
  EXPECT_FALSE(o.scoutRecalled) << "no scout out: nothing to call home";
  EXPECT_EQ(s.Gold, 100 + 2600);
  EXPECT_TRUE(OrderMove(s, g, 32).captured);
  EXPECT_EQ(s.CountyBlessings[6], 1);
  EXPECT_TRUE(OrderMove(s, g, 50).captured);
  EXPECT_EQ(s.OutpostState, kNone);
  EXPECT_FALSE(OrderMove(s, g, 50).captured);
  EXPECT_EQ(s.CampWaypoint[0], 50);
}

TEST_F(MovementTest, EnteringTheCastle) {
  s.ArmyCampSoldiers[0] = 1200;
  s.CastleStageBuilt = {kTrue, kTrue, kTrue, kTrue, kFalse};
  s.Rival1AttackState = 3;
  MoveOrder o = OrderMove(s, g, 1);
  EXPECT_EQ(o.refusal, 27);
  EXPECT_FALSE(o.walk);
  s.Rival1AttackState = kNone;
  o = OrderMove(s, g, 1);
  EXPECT_TRUE(o.walk && o.garrisoned);
  EXPECT_EQ(o.castleRefusals, 3);
  EXPECT_EQ(s.CastleGarrisonCamp, 1);
  EXPECT_EQ(s.CampWaypoint[0], 1);

  s.CastleGarrisonCamp = 0;
  s.CampWaypoint[0] = 2;
  s.CastleStageBuilt = {kFalse, kFalse, kFalse, kFalse, kTrue};
  o = OrderMove(s, g, 1);
  EXPECT_FALSE(o.walk);
  EXPECT_EQ(o.refusal, 26);
  EXPECT_EQ(s.CastleGarrisonCamp, 0);
  EXPECT_EQ(s.CampWaypoint[0], 2);
}

TEST_F(MovementTest, StepsFaceTheWayTheRoadRuns) {
  // Waypoint 1 lies up and to the left of 2; 15 is straight above 14.
  EXPECT_EQ(stepFacing(g, 2, 1), 8);
  EXPECT_EQ(stepFacing(g, 1, 2), 4);
  EXPECT_EQ(stepFacing(g, 14, 15), 1);
  EXPECT_EQ(stepFacing(g, 15, 14), 5);
  for (auto& [from, to] : g.links)
    for (int n : to) {
      const int f = stepFacing(g, from, n);
      EXPECT_TRUE(f >= 1 && f <= 8);
    }
}

TEST_F(MovementTest, AStepUsesAMoveAndNeverWraps) {
  s.CampMovesLeft[0] = 1;
  StepFinished(s);
  EXPECT_EQ(s.CampMovesLeft[0], 0);
  StepFinished(s);
  EXPECT_EQ(s.CampMovesLeft[0], 0);
}

}  // namespace
}  // namespace fief
