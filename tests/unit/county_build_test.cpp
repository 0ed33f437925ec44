// Construction, villages and windmills, and the blacksmith's standing order.
#include "campaign/game_tables.h"
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "map/map_pictures.h"
#include "test_support.h"

namespace fief {
namespace {

struct BuildTest : test::GameFixture {
  BuildTest() { startCampaign(1); }
  void stock(int32_t gold, int32_t wood, int32_t stone) {
    g.s.Gold = gold;
    g.s.Wood = wood;
    g.s.Stone = stone;
  }
};

TEST_F(BuildTest, StockExactlyEqualToTheCostIsEnough) {
  for (int k = 1; k <= 10; ++k) {
    startCampaign(1);
    const BuildingRecord b = g.tables.Buildings[k];
    stock(b.Gold, b.Wood, b.Stone - 1);
    EXPECT_EQ(OrderBuilding(g, k), OrderResult::TooExpensive);
    EXPECT_EQ(g.s.BuildTurnsLeft, kNone);
    EXPECT_EQ(g.s.BuildingUnderWay, 0);
    EXPECT_EQ(g.s.Gold, b.Gold);
    stock(b.Gold, b.Wood, b.Stone);
    EXPECT_EQ(OrderBuilding(g, k), OrderResult::Ordered);
    EXPECT_EQ(g.s.Gold, 0);
    EXPECT_EQ(g.s.Wood, 0);
    EXPECT_EQ(g.s.Stone, 0);
    EXPECT_EQ(g.s.BuildTurnsLeft, b.Turns);
    EXPECT_EQ(g.s.BuildingUnderWay, k);
  }
}

// The refusal names each of gold, wood and stone that falls short, with the amount missing.
TEST_F(BuildTest, ShortfallNamesWhatIsMissing) {
  const BuildingRecord b = g.tables.Buildings[kStablesBuilding];
  struct Case { int gold, wood, stone; std::vector<std::pair<Stat, int>> missing; };
  const std::vector<Case> cases = {
      {b.Gold, b.Wood, b.Stone, {}},
      {b.Gold - 1, b.Wood, b.Stone, {{Stat::Gold, 1}}},
      {b.Gold, 0, b.Stone - 50, {{Stat::Wood, b.Wood}, {Stat::Stone, 50}}},
      {0, 0, 0, {{Stat::Gold, b.Gold}, {Stat::Wood, b.Wood}, {Stat::Stone, b.Stone}}},
  };
  for (const Case& c : cases) {
    stock(c.gold, c.wood, c.stone);
    const StatChanges got = buildingShortfall(g, kStablesBuilding);
    std::vector<std::pair<Stat, int>> seen;
    for (const StatChange& m : got) seen.push_back({m.stat, m.amount});
    EXPECT_EQ(seen, c.missing) << c.gold << " " << c.wood << " " << c.stone;
    EXPECT_EQ(OrderBuilding(g, kStablesBuilding) == OrderResult::Ordered, c.missing.empty());
    if (CancelBuilding(g)) stock(0, 0, 0);
  }
}

TEST_F(BuildTest, OneBuildingAtATimeAndNothingChosen) {
  stock(100000, 100000, 100000);
  EXPECT_EQ(OrderBuilding(g, 0), OrderResult::NothingChosen);
  EXPECT_EQ(OrderBuilding(g, 3), OrderResult::Ordered);
  const GameState before = g.s;
  EXPECT_EQ(OrderBuilding(g, 4), OrderResult::AlreadyUnderWay);
  EXPECT_EQ(g.s.Gold, before.Gold);
  EXPECT_EQ(g.s.BuildingUnderWay, 3);
}

TEST_F(BuildTest, CancellingOnTheLastTurnRefundsInFull) {
  stock(20000, 20000, 20000);
  ASSERT_EQ(OrderBuilding(g, 6), OrderResult::Ordered);  // keep, 3 turns
  for (int i = 0; i < 3; ++i) AdvanceConstruction(g);
  EXPECT_EQ(g.s.BuildTurnsLeft, 0);
  EXPECT_TRUE(CancelBuilding(g));
  EXPECT_EQ(g.s.Gold, 20000);
  EXPECT_EQ(g.s.Wood, 20000);
  EXPECT_EQ(g.s.Stone, 20000);
  EXPECT_EQ(g.s.BuildTurnsLeft, kNone);
  EXPECT_EQ(g.s.BuildingUnderWay, 0);
  EXPECT_FALSE(isSet(g.s.CastleStageBuilt[0]));
  EXPECT_FALSE(CancelBuilding(g));
}

TEST_F(BuildTest, StablesStandAfterTheSecondEndOfTurn) {
  stock(6000, 1500, 200);
  ASSERT_EQ(OrderBuilding(g, 3), OrderResult::Ordered);
  AdvanceConstruction(g);
  EXPECT_FALSE(isSet(g.s.StablesBuilt));
  EXPECT_EQ(g.log.MessageCount, 0);
  AdvanceConstruction(g);
  EXPECT_TRUE(isSet(g.s.StablesBuilt));
  EXPECT_EQ(g.s.BuildTurnsLeft, kNone);
  EXPECT_EQ(g.s.BuildingUnderWay, 0);
  ASSERT_EQ(g.log.MessageCount, 1);
  EXPECT_EQ(g.log.rows[0][0].entry, 72);
  // The logged text stays the table's; the building's name goes beside it.
  EXPECT_EQ(g.log.rows[0][0].text, g.texts.text(1, 72));
  EXPECT_EQ(g.log.rows[0][0].detail, "Stables");
  EXPECT_EQ(OrderBuilding(g, 3), OrderResult::NothingChosen);  // it stands already
}

TEST_F(BuildTest, CastlePictureShowsTheHighestStage) {
  EXPECT_EQ(castlePicture(g.s), "castle_site");
  g.s.CastleStageBuilt[0] = kTrue;
  EXPECT_EQ(castlePicture(g.s), "keep");
  g.s.CastleStageBuilt[2] = kTrue;
  EXPECT_EQ(castlePicture(g.s), "fort");
}

TEST_F(BuildTest, VillagesAndWindmillsCountDownAndComplete) {
  g.s.VillageState = {2, 1, 100};
  g.s.WindmillState = {1, 6, kNone};
  AdvanceVillagesAndWindmills(g);
  EXPECT_EQ(g.s.VillageState, (std::array<uint8_t, 3>{1, 100, 100}));
  EXPECT_EQ(g.s.WindmillState, (std::array<uint8_t, 3>{kNone, 5, kNone}));
  ASSERT_EQ(g.log.MessageCount2, 1);
  EXPECT_EQ(g.log.rows[1][0].entry, 71);
  ASSERT_EQ(g.log.MessageCount, 1);
  EXPECT_EQ(g.log.rows[0][0].entry, 73);
  AdvanceVillagesAndWindmills(g);
  EXPECT_EQ(g.s.VillageState[0], kNone);
}

struct SmithTest : test::GameFixture {
  SmithTest() { startCampaign(1); }
};

TEST_F(SmithTest, SwordOrderForgesTenTurnsAndLapsesAtTheEleventh) {
  g.s.ScienceLevel = 0;
  g.tables = makeGameTables(1, 0);
  g.s.Ore = 5000;
  g.s.Wood = 0;
  g.s.SwordStock = 0;
  g.s.BlacksmithSelection = Sword;
  ASSERT_EQ(PlaceSmithOrder(g), SmithResult::Ordered);
  for (int t = 1; t <= 10; ++t) {
    CompleteForging(g);
    EXPECT_EQ(g.s.SwordStock, 20 * t);
    EXPECT_EQ(g.s.BlacksmithOrder, Sword);
  }
  EXPECT_EQ(g.s.Ore, 0);
  CompleteForging(g);
  EXPECT_EQ(g.s.SwordStock, 200);
  EXPECT_EQ(g.s.BlacksmithOrder, 0);
  EXPECT_EQ(g.s.BlacksmithSelection, 0);
  ASSERT_EQ(g.log.MessageCount, 1);
  EXPECT_EQ(g.log.rows[0][0].entry, 68);
}

TEST_F(SmithTest, OrderRefusals) {
  g.s.BlacksmithSelection = 0;
  EXPECT_EQ(PlaceSmithOrder(g), SmithResult::NothingChosen);
  const ItemCost c = g.tables.item(Club);
  g.s.BlacksmithSelection = Club;
  g.s.Wood = c.Wood;
  g.s.Ore = c.Ore - 1;
  EXPECT_EQ(PlaceSmithOrder(g), SmithResult::TooExpensive);
  EXPECT_EQ(g.s.BlacksmithOrder, 0);
  g.s.Ore = c.Ore;  // exactly one batch
  EXPECT_EQ(PlaceSmithOrder(g), SmithResult::Ordered);
  EXPECT_EQ(g.s.Wood, c.Wood);  // nothing paid on ordering
  const int16_t before = g.s.ClubStock;
  CompleteForging(g);
  EXPECT_EQ(g.s.ClubStock, before + c.Batch);
  EXPECT_EQ(g.s.Wood, 0);
  EXPECT_EQ(g.s.Ore, 0);
  CancelSmithOrder(g);
  EXPECT_EQ(g.s.BlacksmithOrder, 0);
  CompleteForging(g);  // no order: nothing
  EXPECT_EQ(g.log.MessageCount, 0);
}

// Wood or ore below zero (rebel plunder earlier in the turn) stops only the items that
// cost it: the end of turn checks the costs the ordered item has.
TEST_F(SmithTest, ANegativeStockStopsOnlyTheItemsThatCostIt) {
  struct Case { int item; int32_t wood, ore; bool forged; };
  const Case cases[] = {
      {Sword, -50, 500, true},   // swords cost no wood
      {Bow, 500, -10, true},     // bows cost no ore
      {Club, -50, 5000, false},  // clubs cost both
      {Sword, 5000, -1, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "item " << k.item << " wood " << k.wood << " ore " << k.ore);
    const ItemCost c = g.tables.item(k.item);
    g.s.BlacksmithOrder = static_cast<uint8_t>(k.item);
    g.s.Wood = k.wood;
    g.s.Ore = k.ore;
    const int16_t before = itemStock(g.s, k.item);
    const int count = g.log.MessageCount;
    CompleteForging(g);
    if (k.forged) {
      EXPECT_EQ(itemStock(g.s, k.item), before + c.Batch);
      EXPECT_EQ(g.s.Wood, k.wood - c.Wood);
      EXPECT_EQ(g.s.Ore, k.ore - c.Ore);
      EXPECT_EQ(g.s.BlacksmithOrder, k.item);
    } else {
      EXPECT_EQ(itemStock(g.s, k.item), before);
      EXPECT_EQ(g.s.Wood, k.wood);
      EXPECT_EQ(g.s.BlacksmithOrder, 0);
      EXPECT_EQ(g.log.MessageCount, count + 1);
    }
  }
}

TEST(ItemBatches, GrowWithScienceButTheCross) {
  const GameTables t3 = makeGameTables(1, 3);
  EXPECT_EQ(t3.item(Club).Batch, 46);
  EXPECT_EQ(t3.item(Plate).Batch, 38);
  for (int level : {0, 1, 5, 12}) EXPECT_EQ(makeGameTables(2, level).item(Cross).Batch, 1);
}

}  // namespace
}  // namespace fief
