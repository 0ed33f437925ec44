// Workforce and fields: the kind transitions, the cutter slots and the food yield.
#include "county/county_rules.h"
#include "state/arith.h"
#include "test_support.h"
#include "turn/turn.h"

namespace fief {
namespace {

struct FieldsTest : test::GameFixture {
  FieldsTest() {
    startCampaign(1);
    g.s.SelectedField = 3;
  }
  void change(uint8_t kind) {
    ClsFields::SetWorkers(g, kind);
    ClsFields::SetField(g, kind);
  }
};

TEST_F(FieldsTest, TransitionsMovePeopleByTheTable) {
  struct Case { uint8_t from, to; int idle, crop, pasture, tax; };
  // c = 100, p = 45; deltas of IdlePeople, CropFieldPeople, PasturePeople, TaxFieldCount.
  const Case cases[] = {
      {0, 1, -100, 100, 0, 0}, {0, 2, -45, 0, 45, 0},  {0, 4, 0, 0, 0, 1},   {3, 1, -100, 100, 0, 0},
      {3, 2, -45, 0, 45, 0},   {1, 0, 100, -100, 0, 0}, {1, 2, 55, -100, 45, 0}, {1, 4, 100, -100, 0, 1},
      {2, 0, 45, 0, -45, 0},   {2, 1, -55, 100, -45, 0}, {2, 4, 45, 0, -45, 1}, {1, 1, 0, 0, 0, 0},
      {3, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    startCampaign(1);
    g.s.SelectedField = 3;
    g.s.IdlePeople = 1000;
    change(c.from);  // set up the starting kind with its people
    const GameState before = g.s;
    change(c.to);
    SCOPED_TRACE(testing::Message() << int(c.from) << " -> " << int(c.to));
    EXPECT_EQ(g.s.IdlePeople - before.IdlePeople, c.idle);
    EXPECT_EQ(g.s.CropFieldPeople - before.CropFieldPeople, c.crop);
    EXPECT_EQ(g.s.PasturePeople - before.PasturePeople, c.pasture);
    EXPECT_EQ(g.s.TaxFieldCount - before.TaxFieldCount, c.tax);
    EXPECT_EQ(g.s.FieldKind[2], c.to);
  }
}

TEST_F(FieldsTest, TaxFieldBindsNobodyAndLeavingItStopsItsCount) {
  g.s.IdlePeople = 500;
  change(4);
  EXPECT_EQ(g.s.IdlePeople, 500);
  EXPECT_EQ(g.s.TaxFieldCount, 1);
  change(0);
  EXPECT_EQ(g.s.IdlePeople, 500);
  EXPECT_EQ(g.s.TaxFieldCount, 0);
  // Switching back and forth never makes more tax fields than there are.
  for (int i = 0; i < 5; ++i) { change(4); change(0); }
  change(4);
  EXPECT_EQ(g.s.TaxFieldCount, 1);
}

TEST_F(FieldsTest, RuinReleasesTheFieldsPeople) {
  g.s.IdlePeople = 300;
  change(1);
  change(3);  // struck by frost
  EXPECT_EQ(g.s.IdlePeople, 300);
  EXPECT_EQ(g.s.CropFieldPeople, 0);
  change(0);  // spring clears the ruin
  EXPECT_EQ(g.s.IdlePeople, 300);
}

TEST_F(FieldsTest, CropFieldNeedsAHundredIdlePeople) {
  g.s.Season = 1;
  g.s.IdlePeople = 99;
  EXPECT_FALSE(ChooseFieldKind(g, 1));
  EXPECT_EQ(g.s.FieldKind[2], 0);
  EXPECT_EQ(g.s.IdlePeople, 99);
  g.s.IdlePeople = 100;
  EXPECT_TRUE(ChooseFieldKind(g, 1));
  EXPECT_EQ(g.s.IdlePeople, 0);
  EXPECT_EQ(g.s.CropFieldPeople, 100);
}

TEST(FieldKinds, OfferedBySeason) {
  for (int season = 1; season <= 4; ++season) {
    EXPECT_TRUE(fieldKindOffered(season, 0));
    EXPECT_TRUE(fieldKindOffered(season, 4));
    EXPECT_EQ(fieldKindOffered(season, 1), season == 1);
    EXPECT_EQ(fieldKindOffered(season, 2), season == 2);
    EXPECT_FALSE(fieldKindOffered(season, 3));
  }
}

TEST_F(FieldsTest, CalcFoodLossesBySciencelevel) {
  // Difficulty 1: C = 550, M = 120. Village 1 and windmill 1 stand (200).
  struct Case { uint8_t S; int birds, wolves, crop, meat; };
  const Case cases[] = {
      {0, 110, 24, 440, 96},                 // 20 %
      {1, 111, 24, 20 - 111 + 550, 5 - 24 + 120},
      {3, 56, 12, 60 - 56 + 550, 15 - 12 + 120},  // 10 %
      {4, 28, 0, 80 - 28 + 550, 20 + 120},                  // no wolves
  };
  for (const Case& c : cases) {
    g.s.ScienceLevel = c.S;
    g.s.Season = 3;
    ClsFields::CalcFood(g);
    SCOPED_TRACE(int(c.S));
    EXPECT_EQ(g.s.CropLossToBirds, c.birds);
    EXPECT_EQ(g.s.MeatLossToWolves, c.wolves);
    EXPECT_EQ(g.s.CropYield, c.crop);
    EXPECT_EQ(g.s.MeatYield, c.meat);
  }
}

TEST_F(FieldsTest, HarvestBySeasonAndMillAndVillage) {
  g.s.ScienceLevel = 4;
  g.s.FieldKind = {1, 1, 2, 0, 4, 3, 0, 0, 0, 0};
  g.s.Crops = 0;
  g.s.Meat = 0;
  g.s.Season = 1;
  ClsFields::CalcFood(g);
  EXPECT_EQ(g.s.Crops, 2 * 602);
  EXPECT_EQ(g.s.Meat, 0);
  g.s.Season = 2;
  ClsFields::CalcFood(g);
  EXPECT_EQ(g.s.Meat, 140);
  g.s.Season = 3;
  ClsFields::CalcFood(g);
  EXPECT_EQ(g.s.Crops, 2 * 602);
  EXPECT_EQ(g.s.Meat, 140);
  // Without village 1 and windmill 1.
  g.s.VillageState[0] = 5;
  g.s.WindmillState[0] = 5;
  g.s.Season = 1;
  g.s.Crops = 0;
  ClsFields::CalcFood(g);
  EXPECT_EQ(g.s.CropYield, Fix(Fix(602 * 55 / 100.0) * 20 / 100.0));
  EXPECT_EQ(g.s.MeatYield, Fix(140 * 55 / 100.0));
}

TEST(Harvest, TurnsUntilTheHarvestOfASeason) {
  struct Case { int season, harvest, turns; };
  // Crops come in with season 1, meat with season 2: 1 is the coming end of turn.
  const Case cases[] = {{4, 1, 1}, {3, 1, 2}, {2, 1, 3}, {1, 1, 4}, {1, 2, 1},
                        {4, 2, 2}, {2, 2, 4}, {0, 1, 4}, {9, 2, 1}};
  for (const Case& c : cases)
    EXPECT_EQ(turnsToHarvest(c.season, c.harvest), c.turns) << c.season << " " << c.harvest;
}

TEST_F(FieldsTest, FoodOutlookIsWhatTheComingFoodStepDoes) {
  struct Case {
    int season;
    uint8_t field;  // kind of field 1
    int meat, crops;
    bool eatMeat, eatCrops;
    int research;   // ResearchCountdown
    bool meatEaten, cropsEaten;
  };
  const Case cases[] = {
      {1, 2, 0, 500, true, true, kNone, true, true},      // the pasture's meat comes in first
      {3, 2, 0, 500, true, true, kNone, false, true},     // no harvest in winter: the ration lapses
      {1, 0, 0, 500, true, true, kNone, false, true},     // no pasture
      {2, 0, 5, 0, true, true, kNone, true, false},       // crops run out
      {4, 1, 5, 0, true, true, kNone, true, true},        // the spring harvest of a crop field
      {2, 2, 5, 500, false, false, kNone, false, false},  // rations not chosen
      {3, 0, 0, 0, true, true, 0, true, true},            // research completes and brings food
      {3, 0, 0, 0, true, true, 1, false, false},          // research one turn short
  };
  for (const Case& c : cases) {
    startCampaign(1);
    g.s.Season = c.season;
    g.s.FieldKind.fill(0);
    g.s.FieldKind[0] = c.field;
    g.s.Meat = c.meat;
    g.s.Crops = c.crops;
    g.s.EatMeat = toFlag(c.eatMeat);
    g.s.EatCrops = toFlag(c.eatCrops);
    g.s.ResearchCountdown = static_cast<uint8_t>(c.research);
    SCOPED_TRACE(testing::Message() << "season " << c.season << " field " << int(c.field) << " meat " << c.meat);
    const FoodOutlook o = foodOutlook(g);
    EXPECT_EQ(o.meat, c.meatEaten);
    EXPECT_EQ(o.crops, c.cropsEaten);
    if (c.research != kNone) continue;
    // The turn's own food step, in the season the turn moves to, agrees.
    g.s.Season = c.season % 4 + 1;
    FeedPeople(g);
    EXPECT_EQ(isSet(g.s.EatMeat), c.meatEaten);
    EXPECT_EQ(isSet(g.s.EatCrops), c.cropsEaten);
  }
}

TEST_F(FieldsTest, CutterSlotsBindAndRelease) {
  for (Cutter c : {WoodCutter, StoneCutter, OreCutter}) {
    const int people = slotPeople(g, c);
    g.s.IdlePeople = people - 1;
    EXPECT_FALSE(BindCutterSlot(g, c, 2));
    EXPECT_EQ(cutterSlots(g.s, c)[1], 0);
    g.s.IdlePeople = people;
    EXPECT_TRUE(BindCutterSlot(g, c, 2));
    EXPECT_EQ(g.s.IdlePeople, 0);
    EXPECT_EQ(cutterCount(g.s, c), 1);
    EXPECT_EQ(cutterPeople(g.s, c), people);
    EXPECT_FALSE(BindCutterSlot(g, c, 2));  // already working
    EXPECT_FALSE(ReleaseCutterSlot(g, c, 1));  // empty
    EXPECT_FALSE(BindCutterSlot(g, c, 6));
    EXPECT_TRUE(ReleaseCutterSlot(g, c, 2));
    EXPECT_EQ(g.s.IdlePeople, people);
    EXPECT_EQ(cutterCount(g.s, c), 0);
    EXPECT_EQ(cutterPeople(g.s, c), 0);
  }
}

}  // namespace
}  // namespace fief
