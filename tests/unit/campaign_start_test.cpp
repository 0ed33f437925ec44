// The campaign start: first values by difficulty, the army, the presets, the files.
#include <gtest/gtest.h>

#include "campaign/files.h"
#include "campaign/save_games.h"
#include "state/state_json.h"
#include "test_support.h"
#include "ui/program_start.h"

namespace fief {
namespace {

using CampaignStartTest = test::GameFixture;

TEST_F(CampaignStartTest, DrawsAndScalingByDifficulty) {
  // Every draw returns 0.5: Int(0.5 * N + B).
  struct Case { int d; int gold, wood, stone, ore, crops, meat, people; float morale; int tithe, threshold; };
  const Case cases[] = {
      {1, 5000, 2000, 700, 700, 13000, 500, 3500, 50.0f, 500, 60},
      {2, 2500, 1000, 350, 350, 6500, 250, 3500, 25.0f, 500, 80},
      // difficulty 3: crops not halved, ore quartered (350 / 4 = 87.5 -> 88), people halved
      {3, 1250, 500, 175, 88, 6500, 125, 1750, 10.0f, 500, 95},
  };
  for (const auto& c : cases) {
    g.s.Difficulty = static_cast<uint8_t>(c.d);
    g.rng.queue(std::vector<double>(20, 0.5));
    InitialState(g);
    g.rng.clearQueue();
    const GameState& s = g.s;
    EXPECT_EQ(s.Gold, c.gold) << c.d;
    EXPECT_EQ(s.Wood, c.wood) << c.d;
    EXPECT_EQ(s.Stone, c.stone) << c.d;
    EXPECT_EQ(s.Ore, c.ore) << c.d;
    EXPECT_EQ(s.Crops, c.crops) << c.d;
    EXPECT_EQ(s.Meat, c.meat) << c.d;
    EXPECT_EQ(s.People, c.people) << c.d;
    EXPECT_EQ(s.Happiness, 70) << c.d;
    EXPECT_EQ(s.Health, 70) << c.d;
    EXPECT_FLOAT_EQ(s.Morale, c.morale);
    EXPECT_EQ(s.ChurchTithe, c.tithe);
    EXPECT_EQ(s.TradeDiplomacyThreshold, c.threshold);
    EXPECT_EQ(s.LastGold, s.Gold);
    EXPECT_EQ(s.LastHealth, s.Health);
    EXPECT_EQ(s.IdlePeople, s.People);
  }
}

TEST_F(CampaignStartTest, RoundingTiesToEvenOnTheHalvedStocks) {
  // Gold draw 3001 (r = 0.667): difficulty 3 halves it to 1500.5 -> 1500 (even);
  // 3003 / 2 = 1501.5 -> 1502.
  g.s.Difficulty = 3;
  g.rng.queue({2001.0 / 3000, 0, 0, 0, 0, 0, 0, 0, 0});
  InitialState(g);
  EXPECT_EQ(g.s.Gold, 1500);
  g.rng.queue({2003.0 / 3000 + 1e-9, 0, 0, 0, 0, 0, 0, 0, 0});
  InitialState(g);
  EXPECT_EQ(g.s.Gold, 1502);
}

TEST_F(CampaignStartTest, ArmyStocksLeaderAndPresets) {
  startCampaign(2);
  const GameState& s = g.s;
  EXPECT_EQ(s.CampComposition[0].total(), 837);
  EXPECT_EQ(s.ArmyCampSoldiers[0], 837);
  EXPECT_EQ(s.CampWaypoint[0], 2);
  EXPECT_EQ(s.CampMovesLeft[0], 2);
  EXPECT_TRUE(isSet(s.CampExists[0]));
  EXPECT_FALSE(isSet(s.CampExists[1]));
  EXPECT_EQ(s.BowStock, 30);
  EXPECT_EQ(s.LongBowStock, 150);
  EXPECT_EQ(s.CrossStock, 2);
  EXPECT_EQ(s.ShieldStock, 30);
  EXPECT_EQ(s.MaceStock, 0);
  EXPECT_EQ(s.Religion, 55);
  EXPECT_EQ(s.CountyBlessings[7], 1);
  EXPECT_EQ(s.VillageState[1], 100);
  EXPECT_EQ(s.OpponentArmySlots[1].get(Archer), 740);
  EXPECT_EQ(s.OpponentArmySlots[1].get(Enginer), 5);
  EXPECT_EQ(s.OpponentArmySlots[3].get(Champion), 0);
  EXPECT_EQ(s.OpponentArmySlots[5].get(Monk), 3);
  EXPECT_GE(s.OpponentArmySlots[5].get(Archer), 300);
  EXPECT_LE(s.OpponentArmySlots[5].get(Archer), 1099);
  EXPECT_FALSE(isSet(s.Rival1.Active));
  EXPECT_EQ(s.Rival2.Happiness, 74);
  EXPECT_EQ(s.SaveFilePattern, "*.s15");
  EXPECT_EQ(s.SiegeState1, kNone);
}

TEST_F(CampaignStartTest, UnlockCheckEndsALevelTheCampaignHasNotReached) {
  struct Case { int level; long reached; bool ends; };
  const Case cases[] = {
      {15, 14, true}, {15, 15, false}, {15, 17, false},
      {16, 15, true},   // a loaded save of a level beyond the campaign's progress
      {18, 3, false},   // the tutorial runs whatever the progress file holds
  };
  for (const auto& c : cases) {
    std::string err;
    ASSERT_TRUE(writeNumberFile(g.path("levelinfo.rz"), c.reached, err)) << err;
    g.s.CurrentLevel = static_cast<uint8_t>(c.level);
    shell.takeBoxes();
    if (c.ends) {
      EXPECT_THROW(UnlockCheck(g), ProgramEnded) << c.level << " " << c.reached;
      EXPECT_EQ(shell.takeBoxes(), std::vector<std::string>{"No, no, no... :)"}) << c.level;
    } else {
      EXPECT_NO_THROW(UnlockCheck(g)) << c.level << " " << c.reached;
      EXPECT_TRUE(shell.takeBoxes().empty()) << c.level;
    }
  }
}

}  // namespace
}  // namespace fief
