// The county's economy of a turn: income, drift, the county turn's steps, the seasons.
#include <gtest/gtest.h>

#include "test_support.h"
#include "turn/turn.h"
#include "ui/dialogs.h"

namespace fief {
namespace {

struct TurnEconomyTest : test::GameFixture {
  TurnEconomyTest() { startCampaign(1); }
  std::vector<int> entries(int list) {
    std::vector<int> e;
    for (int i = 0; i < g.log.count(list); ++i) e.push_back(g.log.rows[list - 1][i].entry);
    return e;
  }
};

TEST_F(TurnEconomyTest, IncomeAndProduction) {
  struct Case {
    int tax, people, crops, meat, lootGold, taxFields, woodCutters;
    int gold, wood, happiness;  // after, from Gold 1000, Wood 0, Happiness 50
  };
  const Case cases[] = {
      {0, 10000, 5, 5, 0, 0, 0, 1000, 0, 50},           // no tax, no unhappiness
      {50, 10000, 5, 5, 0, 0, 0, 3500, 0, 38},          // 2500 gold, -12 happiness
      {30, 1001, 5, 5, 150, 2, 3, 1000 + 150 + 150 + 60, 765, 43},  // Int(150.15) + loot + 2 tax fields
      {50, 10000, 0, 5, 150, 2, 0, 1000, 0, 38},        // no crops: no gold at all
      {50, 10000, 5, 0, 150, 2, 0, 1000, 0, 38},        // no meat: no gold at all
  };
  for (const auto& c : cases) {
    GameState& s = g.s;
    s.Gold = 1000; s.Wood = 0; s.Stone = 0; s.Ore = 0; s.Happiness = 50;
    s.TaxRate = static_cast<uint8_t>(c.tax);
    s.People = c.people; s.Crops = c.crops; s.Meat = c.meat;
    s.ThiefLootGold = static_cast<uint8_t>(c.lootGold);
    s.ThiefLootWood = 0; s.ThiefLootStone = 7; s.ThiefLootOre = 0;
    s.TaxFieldCount = static_cast<uint8_t>(c.taxFields);
    s.WoodCutters = static_cast<int16_t>(c.woodCutters);
    s.StoneCutters = 1; s.OreCutters = 2;
    IncomeAndProduction(g);
    EXPECT_EQ(s.Gold, c.gold) << c.tax << " " << c.people;
    EXPECT_EQ(s.Wood, c.wood) << c.tax;
    EXPECT_EQ(s.Stone, 7 + 200);
    EXPECT_EQ(s.Ore, 2 * 310);
    EXPECT_EQ(s.Happiness, c.happiness) << c.tax;
  }
}

TEST_F(TurnEconomyTest, PopulationDriftBranches) {
  struct Case { int people, happiness; std::vector<double> r; int after; };
  const Case cases[] = {
      {4999, 60, {0.5, 0.0, 0.0}, 4999 + 245 - 230 + 50},
      {5000, 60, {0.0, 0.0, 0.0}, 5000 + 20 - 300 + 50},   // exactly 5000: the losing branch
      {5000, 60, {0.99, 0.99, 0.99}, 5000 + 24 - 448 + 69},
      {3000, 24, {0.5, 0.5, 0.0}, 3000 - 60},
      {3000, 25, {0.5, 0.5, 0.99}, 3000 - 69},              // 25: loses 50..69
      {3000, 50, {0.5, 0.5, 0.99}, 3000 + 69},              // 50: gains 50..69
      {3000, 75, {0.5, 0.5, 0.99}, 3000 + 89},
  };
  for (const auto& c : cases) {
    g.s.People = c.people;
    g.s.Happiness = static_cast<int16_t>(c.happiness);
    g.rng.queue(c.r);
    PopulationDrift(g);  // reseeding keeps the queued values
    EXPECT_EQ(g.rng.queued(), 0u);
    EXPECT_EQ(g.s.People, c.after) << c.people << " " << c.happiness;
  }
}

TEST_F(TurnEconomyTest, SeasonAndCounterWrap) {
  GameState& s = g.s;
  s.Season = 4;
  s.TurnCounter = 200;
  s.Happiness = 60; s.Health = 60; s.People = 2000; s.Crops = 50000; s.Meat = 50000;
  CountyTurn(g);
  EXPECT_EQ(s.Season, 1);
  EXPECT_EQ(s.TurnCounter, 2);
  for (int i = 0; i < 3; ++i) CountyTurn(g);
  EXPECT_EQ(s.Season, 4);
  EXPECT_EQ(s.TurnCounter, 5);
}

TEST_F(TurnEconomyTest, LeaderInfluenceAndStatusEvent) {
  GameState& s = g.s;
  s.Leadership = 60; s.Nobility = 60; s.Diplomacy = 40; s.Religion = 40;
  s.Happiness = 40; s.Morale = 10; s.People = 1000;
  s.LeaderStatusBonusShown = kFalse;
  std::vector<int> kinds;
  answer = [&](Form& f) { kinds.push_back(dialogKind(g)); f.fire("OkAniBtn", Ev::Click); };
  LeaderInfluence(g);
  // happiness 40 -> +2 -> 42 +2 -> 44 +2 -> 46, then the status bonus +2
  EXPECT_EQ(s.Happiness, 48);
  EXPECT_EQ(s.Leadership, 62);
  // status Fix((62 + 60 + 41 + 40) / 4) = 50: the bonus and the dialog once
  EXPECT_EQ(s.Nobility, 61);
  EXPECT_EQ(s.Diplomacy, 42);
  EXPECT_EQ(s.People, 1015);
  EXPECT_NEAR(s.Morale, 10 + 1.2 + 1.2 + 1, 1e-4);
  EXPECT_EQ(kinds, std::vector<int>{2});
  LeaderInfluence(g);
  EXPECT_EQ(kinds.size(), 1u);  // shown once until the status falls again
  s.Leadership = 5; s.Nobility = 5; s.Religion = 10; s.Diplomacy = 10;
  s.Happiness = 50;
  LeaderInfluence(g);
  EXPECT_EQ(s.LeaderStatusBonusShown, kFalse);
  EXPECT_EQ(s.Happiness, 50 - 5 - 4 - 4);  // Fix of 10 % of the current value each time
  EXPECT_EQ(s.Diplomacy, 7);
}

TEST_F(TurnEconomyTest, TitheWithBlessings) {
  struct Case { std::vector<int> blessings; int tithe; };
  const Case cases[] = {{{}, 400}, {{2, 8}, 384}, {{2, 3, 4}, 231}};
  for (const auto& c : cases) {
    g.s.CountyBlessings.fill(0);
    for (int b : c.blessings) g.s.CountyBlessings[b] = 1;
    g.s.People = 1000;
    DemandTithe(g);
    EXPECT_EQ(g.s.ChurchTithe, c.tithe);
  }
}

TEST_F(TurnEconomyTest, StandingBonuses) {
  GameState& s = g.s;
  s.CountyBlessings.fill(1);
  s.ArmyCampSoldiers = {30000, 30000, 10};  // the tavern's bill is the whole sum, 60010
  s.Morale = 0; s.Happiness = 10; s.Health = 10; s.Gold = 0; s.Ore = 0; s.Wood = 0;
  StandingBonuses(s);
  EXPECT_FLOAT_EQ(s.Morale, 3 + 4 + 1);
  EXPECT_EQ(s.Happiness, 10 + 1 + 2 + 2);
  EXPECT_EQ(s.Gold, -60010);
  EXPECT_EQ(s.Health, 13);
  EXPECT_EQ(s.Ore, 100);
  EXPECT_EQ(s.Wood, 200);
}

// Only what the player holds (code 1) pays him or bills him: an object held by a rival
// lord (2, 3) or by nobody (any other code) changes neither the standing values nor the
// tithe.
TEST_F(TurnEconomyTest, OnlyThePlayersHoldingsCount) {
  GameState& s = g.s;
  for (const uint8_t holder : {0, 2, 3, 4, 200, 255}) {
    SCOPED_TRACE(static_cast<int>(holder));
    s.CountyBlessings.fill(holder);
    s.ArmyCampSoldiers = {100, 200, 300};
    s.Morale = 10; s.Happiness = 10; s.Health = 10; s.Gold = 1000; s.Ore = 0; s.Wood = 0;
    StandingBonuses(s);
    EXPECT_FLOAT_EQ(s.Morale, 10);
    EXPECT_EQ(s.Happiness, 10);
    EXPECT_EQ(s.Health, 10);
    EXPECT_EQ(s.Gold, 1000);
    EXPECT_EQ(s.Ore, 0);
    EXPECT_EQ(s.Wood, 0);
    s.People = 1000;
    DemandTithe(g);
    EXPECT_EQ(s.ChurchTithe, 400);
  }
}

TEST_F(TurnEconomyTest, ResearchCompletes) {
  GameState& s = g.s;
  s.ScienceLevel = 9; s.People = 100; s.Crops = 0; s.Meat = 0; s.Happiness = 10; s.Health = 10;
  s.EnginerGearStock = 0; s.WarlordGearStock = 0;
  const int bow = g.tables.item(Bow).Batch, cross = g.tables.item(Cross).Batch, mace = g.tables.item(Mace).Batch;
  CompleteResearch(g);
  EXPECT_EQ(s.ScienceLevel, 10);
  EXPECT_EQ(s.People, 850);
  EXPECT_EQ(s.Crops, 2500);
  EXPECT_EQ(s.Meat, 130);
  EXPECT_EQ(s.Happiness, 22);
  EXPECT_EQ(s.Health, 16);
  EXPECT_EQ(s.EnginerGearStock, 10);
  EXPECT_EQ(s.WarlordGearStock, 1);
  EXPECT_EQ(g.tables.item(Bow).Batch, bow + 2);
  EXPECT_EQ(g.tables.item(Mace).Batch, mace + 1);
  EXPECT_EQ(g.tables.item(Cross).Batch, cross);
  EXPECT_EQ(entries(1), std::vector<int>{69});
}

TEST_F(TurnEconomyTest, TournamentResult) {
  for (double r : {0.49, 0.5}) {
    GameState& s = g.s;
    s.TournamentHeld = kTrue; s.TournamentStake = 300; s.Gold = 0; s.Nobility = 10; s.Happiness = 0; s.Morale = 0;
    ClearMessages(g);
    g.rng.queue({r});
    TournamentResult(g);
    const bool won = r >= 0.5;
    EXPECT_EQ(s.Gold, won ? 900 : 0);
    EXPECT_EQ(s.Nobility, won ? 12 : 8);
    EXPECT_EQ(s.Happiness, 20);
    EXPECT_FLOAT_EQ(s.Morale, 5);
    EXPECT_EQ(s.TournamentHeld, kFalse);
    EXPECT_EQ(s.TournamentStake, 0);
    EXPECT_EQ(entries(1), (std::vector<int>{74, won ? 75 : 76}));
  }
}

TEST_F(TurnEconomyTest, FeedingPenaltiesAndRations) {
  GameState& s = g.s;
  s.Season = 3;  // no harvest
  s.People = 1200; s.Meat = 0; s.Crops = 1000; s.EatMeat = kTrue; s.EatCrops = kTrue;
  s.Happiness = 50; s.Health = 50;
  FeedPeople(g);
  EXPECT_EQ(s.EatMeat, kFalse);  // no meat left to eat: the penalty applies
  EXPECT_EQ(s.Meat, 0);
  EXPECT_EQ(s.Crops, 700);
  EXPECT_EQ(s.Happiness, 50 - 9 + 3);
  EXPECT_EQ(s.Health, 50 - 9 + 3);
}

TEST_F(TurnEconomyTest, HealthAndPlague) {
  struct Case { int turn, health, people; bool plagueBefore; int people2, happiness, flag; bool plague; };
  const Case cases[] = {
      {3, 30, 1000, false, 1000, 50, 0, false},   // 30: neither the penalty nor the plague
      {3, 31, 1000, false, 900, 45, 0, false},
      {3, 20, 1000, false, 750, 50, 1, true},     // 20 starts the plague
      {3, 20, 1000, true, 750, 50, 0, true},      // no second outbreak
      {3, 10, 1000, false, 488, 38, 1, true},     // 1000 - 250, then - 35 %
      {3, 51, 1000, true, 1050, 55, 0, false},    // above 50 heals
      {45, 90, 1000, false, 750, 50, 1, true},    // every 45th turn health falls to 25 ... then <= 20? no: 25
  };
  for (const auto& c : cases) {
    GameState& s = g.s;
    s.TurnCounter = static_cast<uint8_t>(c.turn);
    s.Health = static_cast<int16_t>(c.health);
    s.People = c.people;
    s.Happiness = 50;
    s.PlagueActive = toFlag(c.plagueBefore);
    s.TurnAnimationFlags.fill(0);
    ClearMessages(g);
    HealthAndPlague(g);
    if (c.turn == 45) {
      EXPECT_EQ(s.Health, 25);  // 21..30: neither branch
      EXPECT_EQ(s.People, 1000);
      continue;
    }
    EXPECT_EQ(s.People, c.people2) << c.health;
    EXPECT_EQ(s.Happiness, c.happiness) << c.health;
    EXPECT_EQ(s.TurnAnimationFlags[2], c.flag) << c.health;
    EXPECT_EQ(isSet(s.PlagueActive), c.plague) << c.health;
    EXPECT_EQ(entries(1), c.flag ? std::vector<int>{98} : std::vector<int>{}) << c.health;
  }
}

TEST_F(TurnEconomyTest, TradeAndItsLoss) {
  GameState& s = g.s;
  s.TradeDiplomacyThreshold = 60;
  s.Diplomacy = 60;
  s.SellGood = 3; s.SellPercent = 20; s.Ore = 1000;
  s.BuyGood = 1; s.BuyPercent = 10; s.BuyBaseWood = 6000; s.Wood = 0;
  s.Gold = 10000;
  s.TradeLostShown = kTrue;
  Trade(g);
  EXPECT_EQ(s.Gold, 10000 + 160 - 500);
  EXPECT_EQ(s.Ore, 800);
  EXPECT_EQ(s.Wood, 600);
  EXPECT_EQ(s.TradeLostShown, kFalse);
  s.Diplomacy = 59;
  Trade(g);
  Trade(g);
  EXPECT_EQ(s.SellGood, 1);
  EXPECT_EQ(s.BuyGood, 1);
  EXPECT_EQ(entries(1), std::vector<int>{87});  // logged once until trade resumes
}

TEST_F(TurnEconomyTest, RebellionRisesGrowsAndPlunders) {
  GameState& s = g.s;
  s.Happiness = 19;
  s.CampWaypoint = {5, 0, 0};
  s.HomeWaypoint = 2;
  s.RebelsActive = kFalse; s.RebelForceA = 0; s.RebelForceB = 0;
  s.Gold = s.Crops = s.Meat = s.Wood = s.Stone = s.Ore = 10000;
  std::vector<int> kinds;
  answer = [&](Form& f) { kinds.push_back(dialogKind(g)); f.fire("OkAniBtn", Ev::Click); };
  // The rising: the rebels gather round after round (+35, +25 at r = 0.5) until the
  // first troop reaches 500: fifteen rounds.
  g.rng.queue(std::vector<double>(30, 0.5));
  Rebellion(g);
  EXPECT_EQ(kinds, std::vector<int>{3});
  EXPECT_EQ(g.rng.queued(), 0u);
  EXPECT_EQ(s.RebelForceA, 15 * 35);
  EXPECT_EQ(s.RebelForceB, 15 * 25);
  EXPECT_EQ(s.Gold, 10000 - 450);  // R = 900
  EXPECT_EQ(s.Meat, 10000 - 180);
  // An army at home calms the people (+5); the rebels neither grow nor stop plundering.
  s.CampWaypoint = {2, 0, 0};
  Rebellion(g);
  EXPECT_EQ(s.Happiness, 24);
  EXPECT_EQ(s.RebelForceA, 525);
  EXPECT_EQ(s.Gold, 10000 - 900);
  EXPECT_EQ(kinds.size(), 1u);
  // Thinned below 500 by a battle, they gather again while nobody guards the castle.
  s.Happiness = 10;
  s.CampWaypoint = {5, 0, 0};
  s.RebelForceA = 480; s.RebelForceB = 100;
  g.rng.queue({0.0, 0.0, 0.0, 0.0});
  Rebellion(g);
  EXPECT_EQ(s.RebelForceA, 480 + 10 + 10);
  EXPECT_EQ(s.RebelForceB, 100 + 10 + 10);
  EXPECT_EQ(g.rng.queued(), 0u);
  EXPECT_EQ(kinds.size(), 1u);  // no second rising
}

TEST_F(TurnEconomyTest, ScheduledEventsOfTurn120InOrder) {
  std::vector<int> kinds;
  answer = [&](Form& f) {
    kinds.push_back(dialogKind(g));
    f.fire("OkAniBtn", Ev::Click);
  };
  g.s.TurnCounter = 120;
  g.s.Gold = 0;  // the paid answers cost nothing without the gold
  ScheduledEvents(g);
  EXPECT_EQ(kinds, (std::vector<int>{4, 6, 7}));
  kinds.clear();
  for (int d : {1, 2}) {
    g.s.Difficulty = static_cast<uint8_t>(d);
    g.s.TurnCounter = 140;  // 35 and 20
    ScheduledEvents(g);
  }
  EXPECT_EQ(kinds, (std::vector<int>{7, 7, 20}));
}

TEST_F(TurnEconomyTest, SeasonsAndFrost) {
  struct Case { int difficulty; double r; bool struck; };
  const Case cases[] = {{1, 0.99, false}, {2, 0.79, false}, {2, 0.80, true}, {3, 0.59, false}, {3, 0.60, true}};
  for (const auto& c : cases) {
    GameState& s = g.s;
    s.Difficulty = static_cast<uint8_t>(c.difficulty);
    s.FieldKind = {1, 2, 0, 4, 0, 0, 1, 0, 1, 1};
    s.CropFieldPeople = 400; s.PasturePeople = 45; s.IdlePeople = 0; s.TaxFieldCount = 1;
    s.Season = 3; s.Happiness = 50; s.Health = 50;
    s.SelectedField = 2;
    ClearMessages(g);
    if (c.difficulty > 1) g.rng.queue({c.r});
    ApplySeason(g);
    EXPECT_EQ(s.Happiness, 46);
    EXPECT_EQ(s.Health, 46);
    EXPECT_EQ(s.SelectedField, 2);
    if (!c.struck) {
      EXPECT_EQ(s.FieldKind[0], 1) << c.difficulty << " " << c.r;
      EXPECT_TRUE(entries(1).empty());
      continue;
    }
    // medium: fields 1, 3, 4; hard also 7 and 9. Empty fields stay empty.
    const bool hard = c.difficulty == 3;
    EXPECT_EQ(s.FieldKind[0], 3);
    EXPECT_EQ(s.FieldKind[2], 0);
    EXPECT_EQ(s.FieldKind[3], 3);
    EXPECT_EQ(s.FieldKind[6], hard ? 3 : 1);
    EXPECT_EQ(s.FieldKind[8], hard ? 3 : 1);
    EXPECT_EQ(s.FieldKind[9], 1);
    EXPECT_EQ(s.CropFieldPeople, hard ? 100 : 300);  // the ruined fields' workers are idle again
    EXPECT_EQ(s.IdlePeople, hard ? 300 : 100);
    EXPECT_EQ(entries(1), std::vector<int>{67});
  }
  // Spring clears the ruined fields.
  g.s.Season = 1;
  ApplySeason(g);
  EXPECT_EQ(g.s.FieldKind[0], 0);
  EXPECT_EQ(g.s.FieldKind[3], 0);
}

}  // namespace
}  // namespace fief
