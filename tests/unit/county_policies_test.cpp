// Taxes, the Church's demands, research and the tournament.
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "test_support.h"

namespace fief {
namespace {

struct PolicyTest : test::GameFixture {
  PolicyTest() { startCampaign(1); }
};

TEST_F(PolicyTest, TaxRateStaysWithin0And100) {
  g.s.TaxRate = 0;
  TaxDown(g);
  EXPECT_EQ(g.s.TaxRate, 0);
  for (int i = 0; i < 10; ++i) TaxUp(g);
  EXPECT_EQ(g.s.TaxRate, 100);
  TaxUp(g);
  EXPECT_EQ(g.s.TaxRate, 100);
  g.s.TaxRate = 50;
  g.s.People = 10000;
  EXPECT_EQ(expectedTaxGold(g.s), 2500);
  EXPECT_EQ(taxHappinessLoss(g.s), 12);
}

TEST_F(PolicyTest, TitheWithExactlyEnoughGold) {
  g.s.ChurchTithe = 400;
  g.s.Gold = 399;
  const GameState before = g.s;
  EXPECT_FALSE(PayTithe(g));
  EXPECT_EQ(g.s.Gold, 399);
  EXPECT_EQ(g.s.Religion, before.Religion);
  EXPECT_EQ(g.log.MessageCount, 0);
  g.s.Gold = 400;
  EXPECT_TRUE(PayTithe(g));
  EXPECT_EQ(g.s.Gold, 0);
  EXPECT_EQ(g.s.Religion, before.Religion + 3);
  EXPECT_EQ(g.s.Nobility, before.Nobility + 1);
  EXPECT_EQ(g.log.rows[0][0].entry, 64);
}

TEST_F(PolicyTest, RefusalsAndTheStake) {
  struct Case { void (*act)(Rules&); int happiness, religion, nobility, crops, meat, entry; };
  const Case cases[] = {
      {RefuseTithe, -10, -4, -1, -300, -10, 63},
      {AgreeStake, -22, 2, 1, 0, 0, 65},
      {RefuseStake, 12, -3, -1, 0, 0, 66},
  };
  for (const Case& c : cases) {
    startCampaign(1);
    g.log = MessageLog{};
    const GameState b = g.s;
    c.act(g);
    EXPECT_EQ(g.s.Happiness - b.Happiness, c.happiness);
    EXPECT_EQ(g.s.Religion - b.Religion, c.religion);
    EXPECT_EQ(g.s.Nobility - b.Nobility, c.nobility);
    EXPECT_EQ(g.s.Crops - b.Crops, c.crops);
    EXPECT_EQ(g.s.Meat - b.Meat, c.meat);
    EXPECT_EQ(g.log.rows[0][0].entry, c.entry);
  }
}

TEST_F(PolicyTest, ResearchCostsAndTheHutBlessing) {
  g.s.CountyBlessings[5] = 0;
  EXPECT_EQ(researchCost(g.s, 4).gold, 1200);
  EXPECT_EQ(researchCost(g.s, 4).ore, 280);
  g.s.CountyBlessings[5] = 1;
  EXPECT_EQ(researchCost(g.s, 4).gold, 1200 - 240);
  EXPECT_EQ(researchCost(g.s, 4).ore, 280 - 98);
}

TEST_F(PolicyTest, ResearchStartCancelAndCountdown) {
  for (int level : {0, 1, 2, 3, 7}) {
    startCampaign(1);
    g.s.ResearchLevelShown = level;
    g.s.Gold = 5000;
    g.s.Ore = 1000;
    ASSERT_EQ(StartResearch(g), ResearchResult::Started);
    EXPECT_EQ(g.s.ResearchCountdown, level / 3);
    EXPECT_EQ(g.s.Gold, 5000 - 300 * level);
    EXPECT_EQ(StartResearch(g), ResearchResult::AlreadyRunning);
    EXPECT_TRUE(CancelResearch(g));
    EXPECT_EQ(g.s.Gold, 5000);
    EXPECT_EQ(g.s.Ore, 1000);
    EXPECT_EQ(g.s.ResearchCountdown, kNone);
    EXPECT_FALSE(CancelResearch(g));
  }
  g.s.ResearchLevelShown = 5;
  g.s.Gold = 1499;
  EXPECT_EQ(StartResearch(g), ResearchResult::TooExpensive);
  EXPECT_EQ(g.s.ResearchCountdown, kNone);
  EXPECT_EQ(g.s.Gold, 1499);
}

TEST_F(PolicyTest, TournamentStakeRules) {
  g.s.Gold = 3599;
  int stake = RaiseStake(g.s, 0);
  EXPECT_EQ(stake, 100);
  EXPECT_EQ(RaiseStake(g.s, stake), 100);
  EXPECT_FALSE(HoldTournament(g, stake));  // 3599 < 3600
  EXPECT_EQ(g.s.Gold, 3599);
  EXPECT_EQ(LowerStake(LowerStake(stake)), 0);
  g.s.Gold = 3500;
  EXPECT_EQ(RaiseStake(g.s, 0), 0);
  const int16_t diplomacy = g.s.Diplomacy;
  EXPECT_TRUE(HoldTournament(g, 0));
  EXPECT_EQ(g.s.Gold, 0);
  EXPECT_EQ(g.s.Diplomacy, diplomacy + 3);
  EXPECT_TRUE(isSet(g.s.TournamentHeld));
  EXPECT_EQ(g.s.TournamentStake, 0);
}

TEST_F(PolicyTest, StakeNeverLeavesItsSixteenBitField) {
  g.s.Gold = 1000000;
  int stake = 0;
  for (int i = 0; i < 1000; ++i) stake = RaiseStake(g.s, stake);
  EXPECT_EQ(stake, kMaxStake);
  EXPECT_TRUE(HoldTournament(g, stake));
  EXPECT_EQ(g.s.TournamentStake, kMaxStake);
}

TEST_F(PolicyTest, DecliningCostsTwoDiplomacy) {
  const int16_t d = g.s.Diplomacy;
  g.s.TournamentHeld = kTrue;
  g.s.TournamentStake = 300;
  DeclineTournament(g);
  EXPECT_EQ(g.s.Diplomacy, d - 2);
  EXPECT_FALSE(isSet(g.s.TournamentHeld));
  EXPECT_EQ(g.s.TournamentStake, 0);
  // The player reads it among the county's news.
  ASSERT_EQ(g.log.MessageCount, 1);
  EXPECT_EQ(g.log.rows[0][0].entry, 104);
}

TEST_F(PolicyTest, ScreensOpenedByTheEndOfTurn) {
  // The tithe screen: pay, then OK closes it.
  g.s.ChurchTithe = 100;
  g.s.Gold = 150;
  answer = [](Form& f) { f.fire(f.ctl("TaxOkAniBtn").Visible ? "TaxOkAniBtn" : "OkAniBtn", Ev::Click); };
  OpenReligion(g, false);
  EXPECT_EQ(g.s.Gold, 50);
  // The tournament: raise the stake twice, then hold.
  g.s.Gold = 4000;
  int presses = 0;
  answer = [&](Form& f) { f.fire(presses++ < 2 ? "UpAniBtn" : "OkAniBtn", Ev::Click); };
  OpenTournament(g);
  EXPECT_EQ(g.s.TournamentStake, 200);
  EXPECT_EQ(g.s.Gold, 300);
  EXPECT_EQ(top(), nullptr);
}

}  // namespace
}  // namespace fief
