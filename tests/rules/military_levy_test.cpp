// The levy, disbanding, splitting, combining and the castle's garrison, on a bare state.
#include <gtest/gtest.h>

#include "military/armies.h"
#include "military/levy.h"

namespace fief {
namespace {

struct LevyTest : ::testing::Test {
  GameState s;
  LevyTest() {
    s.Difficulty = 1;
    s.People = 5000;
    s.IdlePeople = 3000;
    s.Religion = 60;
    s.StablesBuilt = kTrue;
    for (int i = 0; i < kGearCount; ++i) addGear(s, static_cast<Gear>(i), 100);
    addGear(s, Gear::Bow, 400);
  }
  // Raises n soldiers of a type; returns the outcome of the last raise.
  int raise(int type, int n) {
    EXPECT_EQ(SelectRecruitType(s, type), kDone);
    int r = kDone;
    for (int i = 0; i < n; ++i) r = RaiseSoldier(s);
    return r;
  }
};

TEST_F(LevyTest, EveryTypeTakesItsGearAndGivesItBack) {
  struct Case { int type; Unit unit; std::vector<Gear> gear; };
  const Case cases[] = {
      {1, Monk, {Gear::Cross}},          {2, Archer, {Gear::Bow}},
      {3, ClubMan, {Gear::Club}},        {4, SwordMan, {Gear::Sword, Gear::Shield, Gear::Plate}},
      {5, Helebarder, {Gear::Helebard, Gear::ChainMail}}, {6, TwoHand, {Gear::TwoHand, Gear::ChainMail}},
      {7, Cavalry, {Gear::Sword, Gear::ChainMail}},       {8, HCavalry, {Gear::Mace, Gear::Shield, Gear::Plate}},
      {9, Champion, {Gear::Pike, Gear::Shield, Gear::Plate}}, {10, Templar, {Gear::TwoHand, Gear::Plate}},
      {11, Paladin, {Gear::Sword, Gear::Plate}},          {12, Enginer, {Gear::EnginerGear}},
      {13, LongBow, {Gear::LongBow}},    {14, Warlord, {Gear::WarlordGear}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(unitType(c.type).unit, c.unit);
    const GearSnapshot before = takeGearSnapshot(s);
    ASSERT_EQ(raise(c.type, 1), kDone);
    EXPECT_EQ(s.RecruitCounts.get(c.unit), 1);
    GearSnapshot want = before;
    for (Gear g : c.gear) want[static_cast<int>(g)] -= 1;
    EXPECT_EQ(takeGearSnapshot(s), want);
    EXPECT_EQ(LowerSoldier(s), kDone);
    EXPECT_EQ(takeGearSnapshot(s), before);
    EXPECT_EQ(s.RecruitTotal, 0);
    EXPECT_EQ(LowerSoldier(s), kNothingToDo);
  }
}

// A typed count raises or lowers the chosen type one soldier at a time by the same rules,
// and stops at the first refusal with what it raised so far.
TEST_F(LevyTest, RecruitToATypedCount) {
  struct Case { int type; int count; int outcome; int reached; int bowsLeft; };
  const Case cases[] = {
      {2, 150, kDone, 150, 350},  // archers: 500 bows
      {2, 600, 18, 500, 0},       // the bows run out at 500
      {2, 0, kDone, 0, 500},      // back to none: every bow returns
      {1, 9, 18, 5, 500},         // monks stop at their cap
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    ASSERT_EQ(SelectRecruitType(s, c.type), kDone);
    EXPECT_EQ(RecruitToCount(s, c.count), c.outcome);
    EXPECT_EQ(s.RecruitCounts.get(unitType(c.type).unit), c.reached);
    EXPECT_EQ(s.BowStock, c.bowsLeft);
  }
  EXPECT_EQ(s.RecruitTotal, 5);
  s.RecruitType = 0;
  EXPECT_EQ(RecruitToCount(s, 10), kNothingToDo);
}

TEST_F(LevyTest, CapsStopMonksWarlordsAndEngineers) {
  EXPECT_EQ(raise(1, 5), kDone);
  EXPECT_EQ(RaiseSoldier(s), 18);
  EXPECT_EQ(raise(14, 1), kDone);
  EXPECT_EQ(RaiseSoldier(s), 18);
  EXPECT_EQ(raise(12, 24), kDone);
  EXPECT_EQ(RaiseSoldier(s), 18);
  EXPECT_EQ(s.RecruitCounts.Monk, 5);
  EXPECT_EQ(s.RecruitCounts.Warlord, 1);
  EXPECT_EQ(s.RecruitCounts.Enginer, 24);
  EXPECT_EQ(s.RecruitTotal, 30);
  EXPECT_EQ(s.CrossStock, 95);
  EXPECT_EQ(s.EnginerGearStock, 76);
}

TEST_F(LevyTest, SwordManWithoutPlateTakesNothing) {
  s.PlateStock = 0;
  const GearSnapshot before = takeGearSnapshot(s);
  EXPECT_EQ(raise(4, 1), 18);
  EXPECT_EQ(takeGearSnapshot(s), before);
  EXPECT_EQ(s.RecruitTotal, 0);
}

TEST_F(LevyTest, SelectionRefusals) {
  struct Case { int difficulty, religion; bool stables; int type, want; };
  const Case cases[] = {
      {1, 54, true, 1, kRefusedSilently}, {1, 55, true, 1, kDone},   {2, 69, true, 1, kRefusedSilently},
      {2, 70, true, 1, kDone},            {3, 89, true, 1, kRefusedSilently}, {3, 90, true, 1, kDone},
      {1, 49, true, 10, kRefusedSilently}, {1, 50, true, 11, kDone}, {1, 49, true, 11, kRefusedSilently},
      {1, 90, false, 7, 23},              {1, 90, false, 8, 23},     {1, 90, false, 9, 23},
      {1, 0, false, 2, kDone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " religion " << c.religion);
    s.Difficulty = static_cast<uint8_t>(c.difficulty);
    s.Religion = static_cast<int16_t>(c.religion);
    s.StablesBuilt = toFlag(c.stables);
    s.RecruitType = 3;
    EXPECT_EQ(SelectRecruitType(s, c.type), c.want);
    EXPECT_EQ(s.RecruitType, c.want == kDone ? c.type : 3);
  }
}

TEST_F(LevyTest, IdlePeopleAndTheLevyLimit) {
  s.IdlePeople = 99;
  EXPECT_EQ(raise(2, 100), kDone);  // the 100th raise: 99 idle people >= 99 raised
  EXPECT_EQ(RaiseSoldier(s), 20);
  EXPECT_EQ(s.RecruitTotal, 100);
  Levy l = OpenLevy(s, LevyPlace::Castle);
  ASSERT_EQ(ConfirmLevy(s, l), kDone);
  EXPECT_EQ(s.IdlePeople, -1);

  s.IdlePeople = 10000;
  s.RecruitTotal = 4000;
  s.RecruitType = 2;
  EXPECT_EQ(RaiseSoldier(s), 21);
}

TEST_F(LevyTest, ConfirmNeedsAHundredAndFillsTheFirstEmptyCamp) {
  s.CampExists = {kFalse, kTrue, kFalse};
  s.ArmyCampSoldiers = {0, 300, 0};
  EXPECT_EQ(levyArmyNameEntry(s), 112);
  Levy l = OpenLevy(s, LevyPlace::Outpost);
  raise(2, 60);
  raise(3, 39);
  EXPECT_EQ(ConfirmLevy(s, l), 19);
  EXPECT_EQ(s.CampExists[0], kFalse);
  EXPECT_EQ(s.RecruitTotal, 99);
  RaiseSoldier(s);
  const CampComp levy = s.RecruitCounts;
  int camp = 0;
  ASSERT_EQ(ConfirmLevy(s, l, &camp), kDone);
  EXPECT_EQ(camp, 1);
  EXPECT_EQ(s.ArmyCampSoldiers[0], 100);
  EXPECT_EQ(s.CampComposition[0], levy);
  EXPECT_EQ(s.CampComposition[0].get(ClubMan), 40);
  EXPECT_EQ(s.CampExists[0], kTrue);
  EXPECT_EQ(s.CampMovesLeft[0], 2);
  EXPECT_EQ(s.CampWaypoint[0], 50);
  EXPECT_EQ(s.People, 4900);
  EXPECT_EQ(s.IdlePeople, 2900);
  EXPECT_EQ(s.RecruitTotal, 0);
  EXPECT_EQ(s.RecruitType, 0);
  EXPECT_EQ(s.RecruitCounts.total(), 0);
  EXPECT_EQ(levyArmyNameEntry(s), 114);
  EXPECT_TRUE(levyCanConfirm(s));
  s.CampExists[2] = kTrue;
  EXPECT_FALSE(levyCanConfirm(s));
}

TEST_F(LevyTest, CancelRestoresEveryStock) {
  const GearSnapshot before = takeGearSnapshot(s);
  const int32_t people = s.People, idle = s.IdlePeople;
  Levy l = OpenLevy(s, LevyPlace::Castle);
  raise(2, 250);
  raise(4, 30);
  for (int i = 0; i < 10; ++i) LowerSoldier(s);
  raise(5, 30);
  EXPECT_EQ(s.RecruitTotal, 300);
  CancelLevy(s, l);
  EXPECT_EQ(takeGearSnapshot(s), before);
  EXPECT_EQ(s.People, people);
  EXPECT_EQ(s.IdlePeople, idle);
  EXPECT_EQ(s.RecruitTotal, 0);
  EXPECT_EQ(s.RecruitCounts.total(), 0);
}

// ---- camps

struct CampTest : LevyTest {
  void army(int camp, std::initializer_list<std::pair<Unit, int>> units, uint8_t waypoint = 2) {
    CampComp& c = s.CampComposition[camp - 1];
    c.clear();
    for (auto [u, n] : units) c.set(u, n);
    s.ArmyCampSoldiers[camp - 1] = static_cast<int16_t>(c.total());
    s.CampExists[camp - 1] = kTrue;
    s.CampWaypoint[camp - 1] = waypoint;
    s.CampMovesLeft[camp - 1] = 2;
  }
  void expectConsistent() {
    for (int k = 0; k < 3; ++k) EXPECT_EQ(s.ArmyCampSoldiers[k], s.CampComposition[k].total()) << "camp " << k + 1;
  }
};

TEST_F(CampTest, DisbandReturnsPeopleAndGear) {
  struct Case {
    std::initializer_list<std::pair<Unit, int>> army;
    int people;
    std::vector<std::pair<Gear, int>> gear;  // stocks that grow
  };
  const Case cases[] = {
      {{{Cavalry, 200}}, 200, {{Gear::Sword, 200}, {Gear::ChainMail, 200}, {Gear::Shield, 200}}},
      {{{Templar, 100}}, 100, {{Gear::Plate, 100}}},
      {{{Archer, 249}, {Warlord, 1}, {LongBow, 150}},
       249,
       {{Gear::Bow, 249}, {Gear::WarlordGear, 1}, {Gear::Plate, 1}, {Gear::LongBow, 150}}},
  };
  for (const Case& c : cases) {
    army(2, c.army);
    s.CastleGarrisonCamp = 2;
    const GearSnapshot before = takeGearSnapshot(s);
    const int32_t people = s.People, idle = s.IdlePeople;
    DisbandCamp(s, 2);
    EXPECT_EQ(s.People - people, c.people);
    EXPECT_EQ(s.IdlePeople - idle, c.people);
    GearSnapshot want = before;
    for (auto [g, n] : c.gear) want[static_cast<int>(g)] += n;
    EXPECT_EQ(takeGearSnapshot(s), want);
    EXPECT_EQ(s.ArmyCampSoldiers[1], 0);
    EXPECT_EQ(s.CampExists[1], kFalse);
    EXPECT_EQ(s.CampComposition[1].total(), 0);
    EXPECT_EQ(s.CampWaypoint[1], 0);
    EXPECT_EQ(s.CastleGarrisonCamp, 0);
  }
}

// Gear handed back fills a stock up to what its field holds; the rest is lost, the
// stock never wraps round to a negative count (or to a few warlord sets).
TEST_F(CampTest, DisbandingIntoAFullArmouryFillsItUp) {
  struct Case { Unit unit; int soldiers; Gear gear; long stock, after; };
  const Case cases[] = {
      {Archer, 1000, Gear::Bow, 32000, 32767},
      {Archer, 767, Gear::Bow, 32000, 32767},
      {Archer, 700, Gear::Bow, 32000, 32700},
      {Warlord, 10, Gear::WarlordGear, 250, 255},
      {Monk, 5, Gear::Cross, -3, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.soldiers);
    army(1, {{c.unit, c.soldiers}, {ClubMan, 100}});
    addGear(s, c.gear, c.stock - gearStock(s, c.gear));
    DisbandCamp(s, 1);
    EXPECT_EQ(gearStock(s, c.gear), c.after);
  }
}

TEST_F(CampTest, SplitMovesSoldiersAndNeedsAHundredEachSide) {
  army(1, {{Archer, 200}, {ClubMan, 40}}, 14);
  Split sp;
  ASSERT_EQ(BeginSplit(s, 1, sp), kDone);
  for (int i = 0; i < 150; ++i) ASSERT_EQ(SplitMove(s, sp, Archer, true), kDone);
  EXPECT_EQ(SplitMove(s, sp, Monk, true), kNothingToDo);
  EXPECT_EQ(ConfirmSplit(s, sp), 19);  // 90 would stay
  EXPECT_EQ(s.ArmyCampSoldiers[0], 240);
  EXPECT_EQ(s.CampExists[1], kFalse);
  for (int i = 0; i < 10; ++i) SplitMove(s, sp, Archer, false);
  EXPECT_EQ(s.RecruitTotal, 140);
  int k = 0;
  ASSERT_EQ(ConfirmSplit(s, sp, &k), kDone);
  EXPECT_EQ(k, 2);
  EXPECT_EQ(s.ArmyCampSoldiers[0], 100);
  EXPECT_EQ(s.ArmyCampSoldiers[1], 140);
  EXPECT_EQ(s.CampComposition[1].get(Archer), 140);
  EXPECT_EQ(s.CampComposition[0].get(ClubMan), 40);
  EXPECT_EQ(s.CampWaypoint[1], 14);
  EXPECT_EQ(s.CampExists[1], kTrue);
  EXPECT_EQ(s.RecruitTotal, 0);
  expectConsistent();

  army(3, {{Archer, 300}});
  EXPECT_EQ(BeginSplit(s, 1, sp), 28);
}

// A split taken up again with the part chosen to leave: kept while the camp still holds
// it, dropped (nobody leaving) when the camp lost soldiers of a type meanwhile.
TEST_F(CampTest, ResumedSplitKeepsTheChosenPartWhileTheCampHoldsIt) {
  struct Case { int archersLeft; int clubmenLeft; bool kept; };
  const Case cases[] = {{150, 0, true}, {200, 40, true}, {201, 0, false}, {0, 41, false}, {-1, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.archersLeft << " " << c.clubmenLeft);
    army(1, {{Archer, 200}, {ClubMan, 40}}, 14);
    s.RecruitCounts.set(Monk, 9);  // a levy left over is no part of the split
    CampComp leaving;
    leaving.set(Archer, c.archersLeft);
    leaving.set(ClubMan, c.clubmenLeft);
    Split sp;
    ASSERT_EQ(ResumeSplit(s, 1, leaving, sp), kDone);
    const CampComp want = c.kept ? leaving : CampComp{};
    EXPECT_EQ(s.RecruitCounts, want);
    EXPECT_EQ(s.RecruitTotal, want.total());
    EXPECT_EQ(sp.stayTotal() + s.RecruitTotal, 240);
    EXPECT_EQ(s.ArmyCampSoldiers[0], 240) << "nothing is split before it is confirmed";
  }
  army(2, {{Archer, 100}});
  army(3, {{Archer, 100}});
  Split sp;
  EXPECT_EQ(ResumeSplit(s, 1, CampComp{}, sp), 28);
}

TEST_F(CampTest, CombineKeepsTheSumsAndHasALimit) {
  army(2, {{Archer, 2000}, {SwordMan, 500}});
  army(3, {{Archer, 1000}, {ClubMan, 600}});
  const bool twoThree[3] = {false, true, true};
  EXPECT_EQ(CombineCamps(s, twoThree), 21);
  EXPECT_EQ(s.ArmyCampSoldiers[2], 1600);
  army(3, {{Archer, 1000}, {ClubMan, 500}});
  int t = 0;
  ASSERT_EQ(CombineCamps(s, twoThree, &t), kDone);
  EXPECT_EQ(t, 2);
  EXPECT_EQ(s.ArmyCampSoldiers[1], 4000);
  EXPECT_EQ(s.CampComposition[1].get(Archer), 3000);
  EXPECT_EQ(s.CampComposition[1].get(ClubMan), 500);
  EXPECT_EQ(s.CampExists[2], kFalse);
  EXPECT_EQ(s.ArmyCampSoldiers[2], 0);
  expectConsistent();

  army(1, {{Monk, 3}, {Archer, 100}});
  army(2, {{Archer, 100}});
  army(3, {{Warlord, 1}, {Archer, 99}});
  const bool all[3] = {true, true, true};
  ASSERT_EQ(CombineCamps(s, all, &t), kDone);
  EXPECT_EQ(t, 1);
  EXPECT_EQ(s.ArmyCampSoldiers[0], 303);
  EXPECT_EQ(s.CampComposition[0].Warlord, 1);
  EXPECT_FALSE(campExists(s, 2) || campExists(s, 3));
  expectConsistent();

  const bool one[3] = {true, false, false};
  EXPECT_EQ(CombineCamps(s, one), kRefusedSilently);
}

// Combinations refused before anything changes: a counter that would overflow its width
// (monks and the warlord are 8-bit), and a garrison grown beyond what the castle holds.
TEST_F(CampTest, CombineRefusalsLeaveEveryCampAsItWas) {
  struct Case {
    const char* what;
    std::initializer_list<std::pair<Unit, int>> one, two;
    int garrison;                  // the garrisoned camp, 0 none
    std::array<bool, 5> stages;    // keep .. castle built
    int want;
  };
  const Case cases[] = {
      {"256 monks", {{Monk, 250}, {Archer, 100}}, {{Monk, 6}, {Archer, 100}}, 0, {}, kCountersOverflow},
      {"two warlords fit", {{Warlord, 1}, {Archer, 200}}, {{Warlord, 1}, {Archer, 200}}, 0, {}, kDone},
      {"300 warlords", {{Warlord, 150}, {Archer, 100}}, {{Warlord, 150}, {Archer, 100}}, 0, {}, kCountersOverflow},
      {"255 monks fit", {{Monk, 250}, {Archer, 100}}, {{Monk, 5}, {Archer, 100}}, 0, {}, kDone},
      {"keep of 400 with 500", {{Archer, 400}}, {{Archer, 100}}, 1, {true}, 26},
      {"keep of 400 with 400", {{Archer, 300}}, {{Archer, 100}}, 1, {true}, kDone},
      {"stronghold takes 1400", {{Archer, 400}}, {{Archer, 1000}}, 1, {true, true, true, true}, kDone},
      {"castle alone refuses 1400", {{Archer, 400}}, {{Archer, 1000}}, 1, {false, false, false, false, true}, 26},
      {"the garrison absorbed", {{Archer, 400}}, {{Archer, 1000}}, 2, {true}, kDone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    s = GameState{};
    army(1, c.one, c.garrison == 1 ? 1 : 2);
    army(2, c.two, c.garrison == 2 ? 1 : 2);
    s.CastleGarrisonCamp = static_cast<uint8_t>(c.garrison);
    for (int i = 0; i < 5; ++i) s.CastleStageBuilt[i] = toFlag(c.stages[i]);
    const GameState before = s;
    const bool oneTwo[3] = {true, true, false};
    int t = 0;
    EXPECT_EQ(CombineCamps(s, oneTwo, &t), c.want);
    if (c.want != kDone) {
      EXPECT_EQ(s.CampComposition, before.CampComposition);
      EXPECT_EQ(s.ArmyCampSoldiers, before.ArmyCampSoldiers);
      EXPECT_EQ(s.CampExists, before.CampExists);
      EXPECT_EQ(s.CampMovesLeft, before.CampMovesLeft);
      EXPECT_EQ(s.CastleGarrisonCamp, before.CastleGarrisonCamp);
      continue;
    }
    EXPECT_EQ(t, 1);
    EXPECT_EQ(s.ArmyCampSoldiers[0], before.ArmyCampSoldiers[0] + before.ArmyCampSoldiers[1]);
    for (int u = 0; u < kUnitCount; ++u)
      EXPECT_EQ(s.CampComposition[0].get(u), before.CampComposition[0].get(u) + before.CampComposition[1].get(u)) << u;
    // An absorbed garrison leaves the castle; the one that grew stays in it.
    EXPECT_EQ(s.CastleGarrisonCamp, c.garrison == 1 ? 1 : 0);
    expectConsistent();
  }
}

// The combined army has regrouped for the rest of the turn: its moves are spent.
TEST_F(CampTest, CombinedArmyHasNoMovesLeftThisTurn) {
  army(1, {{Archer, 200}});
  army(2, {{Archer, 200}});
  s.CampMovesLeft = {3, 2, 0};
  const bool oneTwo[3] = {true, true, false};
  ASSERT_EQ(CombineCamps(s, oneTwo), kDone);
  EXPECT_EQ(s.CampMovesLeft, (std::array<uint8_t, 3>{0, 0, 0}));
}

// The militia a raided village raises from the county's people: none from a county
// whose people are gone, even when the count has fallen below zero before the turn's
// clamp.
TEST(VillageMilitia, SevenAndFifteenPercentOfThePeople) {
  struct Case { long long people; int archers, clubmen; };
  const Case cases[] = {
      {4000, 280, 600}, {10, 0, 1}, {7, 0, 1}, {6, 0, 0}, {0, 0, 0}, {-30, 0, 0}, {-2000000, 0, 0},
      {1000000, 32767, 32767},
  };
  for (const Case& c : cases) {
    const ArmyComp m = villageMilitia(c.people);
    EXPECT_EQ(m.get(Archer), c.archers) << c.people;
    EXPECT_EQ(m.get(ClubMan), c.clubmen) << c.people;
    EXPECT_EQ(m.total(), c.archers + c.clubmen) << c.people;
  }
}

TEST_F(CampTest, CastleStagesAreTriedInTurn) {
  struct Case { std::array<bool, 5> stages; long soldiers; bool enters; int refusals; };
  const Case cases[] = {
      {{true, true, true, true, false}, 1200, true, 3},  // enters under the stronghold
      {{false, false, false, false, true}, 1200, false, 1},
      {{false, false, false, false, true}, 1100, true, 0},
      {{true, false, false, false, false}, 400, true, 0},
      {{true, false, false, false, false}, 401, false, 1},
      {{true, true, true, true, true}, 1501, false, 5},
      {{false, false, false, false, false}, 10, false, 0},
  };
  for (const Case& c : cases) {
    for (int i = 0; i < 5; ++i) s.CastleStageBuilt[i] = toFlag(c.stages[i]);
    const CastleEntry e = castleEntry(s, c.soldiers);
    EXPECT_EQ(e.enters, c.enters) << c.soldiers;
    EXPECT_EQ(e.refusals, c.refusals) << c.soldiers;
  }
}

}  // namespace
}  // namespace fief
