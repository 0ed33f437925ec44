// Diplomacy: every mission's price, refusal and gain, war declarations, the trade deals.
#include "rivals/diplomacy.h"
#include "rivals/rival_turn.h"
#include "rules_fixture.h"
#include "turn/turn.h"

namespace fief {
namespace {

struct DiplomacyTest : test::RulesFixture {
  DiplomacyTest() { startCampaign(1); }
  std::vector<int> list2() const {
    std::vector<int> out;
    for (int i = 0; i < g.log.MessageCount2; ++i) out.push_back(g.log.rows[1][i].entry);
    return out;
  }
};

TEST_F(DiplomacyTest, MissionsPricesRefusalsAndGains) {
  using M = DiploMission;
  using O = MissionOutcome;
  constexpr auto C = DiploView::Counties;
  constexpr auto R = DiploView::Rivals;
  struct Case {
    const char* what;
    M mission;
    DiploView view;
    int target, relation, gold;
    O outcome;
    int relationAfter, diplomacyGain, goldAfter;
    bool rivalsInPlay = true;
  };
  const Case cases[] = {
      {"ambassador with exactly its price", M::Ambassador, C, 4, 0, 3300, O::Done, 1, 1, 0},
      {"ambassador one gold short", M::Ambassador, C, 4, 0, 3299, O::NotEnoughGold, 0, 0, 3299},
      {"second ambassador costs nothing", M::Ambassador, C, 4, 1, 9000, O::NoEffect, 1, 0, 9000},
      {"gift without an ambassador", M::Gift, C, 10, 0, 9000, O::Refused, 0, 0, 9000},
      {"gift short of gold is not refused", M::Gift, C, 10, 0, 4699, O::NotEnoughGold, 0, 0, 4699},
      {"gift at relation 2", M::Gift, C, 1, 2, 4700, O::Done, 3, 1, 0},
      {"gift never makes a county won over", M::Gift, C, 1, 99, 5000, O::Done, 99, 1, 300},
      {"gift keeps a won-over county", M::Gift, C, 1, 100, 5000, O::Done, 100, 1, 300},
      {"envoy below three", M::Envoy, C, 2, 2, 9000, O::Refused, 2, 0, 9000},
      {"envoy at three", M::Envoy, C, 2, 3, 5000, O::Done, 100, 2, 0},
      {"envoy one gold short", M::Envoy, C, 2, 3, 4999, O::NotEnoughGold, 3, 0, 4999},
      {"spy to a county", M::Spy, C, 2, 1, 9000, O::NoEffect, 1, 0, 9000},
      {"ambassador to a rival", M::Ambassador, R, 2, 0, 3300, O::Done, 1, 1, 0},
      {"second ambassador to a rival", M::Ambassador, R, 2, 1, 9000, O::NoEffect, 1, 0, 9000},
      {"spy without an ambassador", M::Spy, R, 1, 0, 9000, O::Refused, 0, 0, 9000},
      {"spy where one is placed", M::Spy, R, 1, 100, 9000, O::Refused, 100, 0, 9000},
      {"spy at relation 1", M::Spy, R, 1, 1, 3450, O::Done, 100, 0, 0},
      {"spy short of gold", M::Spy, R, 1, 0, 3449, O::NotEnoughGold, 0, 0, 3449},
      {"envoy to a rival", M::Envoy, R, 1, 1, 9000, O::NoEffect, 1, 0, 9000},
      {"gift to a rival", M::Gift, R, 2, 1, 9000, O::NoEffect, 1, 0, 9000},
      {"ambassador to a rival out of play", M::Ambassador, R, 2, 0, 9000, O::OutOfGame, 0, 0, 9000, false},
      {"spy to a rival out of play", M::Spy, R, 1, 1, 9000, O::OutOfGame, 1, 0, 9000, false},
      {"ambassador to a county while the rivals are out", M::Ambassador, C, 3, 0, 3300, O::Done, 1, 1, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameState& s = g.s;
    s.CountyRelation.fill(0);
    s.RivalRelation.fill(0);
    uint8_t& rel = c.view == C ? s.CountyRelation[c.target - 1] : s.RivalRelation[c.target - 1];
    rel = static_cast<uint8_t>(c.relation);
    s.Gold = c.gold;
    s.Diplomacy = 40;
    s.Rival1.Active = s.Rival2.Active = c.rivalsInPlay ? kTrue : kFalse;
    const GameState before = s;
    EXPECT_EQ(SendMission(s, c.mission, c.view, c.target), c.outcome);
    EXPECT_EQ(rel, c.relationAfter);
    EXPECT_EQ(s.Diplomacy, 40 + c.diplomacyGain);
    EXPECT_EQ(s.Gold, c.goldAfter);
    // Nothing but the target's relation moved.
    for (int k = 0; k < 10; ++k)
      if (!(c.view == C && k == c.target - 1)) EXPECT_EQ(s.CountyRelation[k], before.CountyRelation[k]);
    for (int r = 0; r < 2; ++r)
      if (!(c.view == R && r == c.target - 1)) EXPECT_EQ(s.RivalRelation[r], before.RivalRelation[r]);
  }
}

TEST_F(DiplomacyTest, ACountyWonOverStepByStep) {
  GameState& s = g.s;
  s.Gold = 3300 + 2 * 4700 + 5000;
  EXPECT_EQ(SendMission(s, DiploMission::Envoy, DiploView::Counties, 7), MissionOutcome::Refused);
  EXPECT_EQ(SendMission(s, DiploMission::Ambassador, DiploView::Counties, 7), MissionOutcome::Done);
  EXPECT_EQ(SendMission(s, DiploMission::Gift, DiploView::Counties, 7), MissionOutcome::Done);
  EXPECT_EQ(SendMission(s, DiploMission::Envoy, DiploView::Counties, 7), MissionOutcome::Refused);
  EXPECT_EQ(SendMission(s, DiploMission::Gift, DiploView::Counties, 7), MissionOutcome::Done);
  EXPECT_EQ(SendMission(s, DiploMission::Envoy, DiploView::Counties, 7), MissionOutcome::Done);
  EXPECT_EQ(s.CountyRelation[6], kWonOver);
  EXPECT_EQ(s.Gold, 0);
}

TEST_F(DiplomacyTest, WarOneAtATimeAndOnlyOnRivalsInTheGame) {
  GameState& s = g.s;
  s.Rival1.Active = s.Rival2.Active = kTrue;
  s.Rival1WarState = 5;
  EXPECT_EQ(DeclareWar(s, 2), WarOutcome::OneWarAtATime);
  EXPECT_EQ(s.Rival2WarState, 0);
  s.Rival1WarState = 200;  // a raid fought: still not peace
  EXPECT_EQ(DeclareWar(s, 2), WarOutcome::OneWarAtATime);
  s.Rival1WarState = 0;
  s.Rival2.Active = kFalse;
  EXPECT_EQ(DeclareWar(s, 2), WarOutcome::OutOfGame);
  EXPECT_EQ(s.Rival2WarState, 0);
  s.Rival2.Active = kTrue;

  // Refused: back to peace.
  EXPECT_EQ(DeclareWar(s, 2), WarOutcome::Asked);
  EXPECT_EQ(s.Rival2WarState, 1);
  WithdrawWar(s, 2);
  EXPECT_EQ(s.Rival2WarState, 0);
  EXPECT_TRUE(list2().empty());

  // Confirmed: war state 5 and the message of the declaration.
  EXPECT_EQ(DeclareWar(s, 2), WarOutcome::Asked);
  EXPECT_TRUE(ConfirmWar(g, 2));
  EXPECT_EQ(s.Rival2WarState, 5);
  EXPECT_EQ(list2(), std::vector<int>{89});
  // An answer that comes after the state moved on changes nothing.
  EXPECT_FALSE(ConfirmWar(g, 2));
  WithdrawWar(s, 2);
  EXPECT_EQ(s.Rival2WarState, 5);
  EXPECT_EQ(list2(), std::vector<int>{89});
}

// A confirmed war sends the rival's first army standing towards the village (not the host
// already marching on the castle); the raid will be fought by that army only.
TEST_F(DiplomacyTest, AConfirmedWarSendsAnArmyOut) {
  struct Case { const char* what; int soldiersA, soldiersB; uint8_t stateA; int raider; };
  const Case cases[] = {{"army A at home", 300, 200, ArmyHome, 0},
                        {"army A marching on the castle", 300, 200, ArmyMarching, 1},
                        {"no army at all", 0, 0, ArmyNone, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    startCampaign(1);
    GameState& s = g.s;
    s.Rival1.Active = kTrue;
    s.EnemyCamp[RivalArmyCamp(1, 0)].set(Archer, c.soldiersA);
    s.EnemyCamp[RivalArmyCamp(1, 1)].set(Archer, c.soldiersB);
    RivalArmyStateByte(s, 1, 0) = c.stateA;
    RivalArmyStateByte(s, 1, 1) = c.soldiersB ? ArmyHome : ArmyNone;
    ASSERT_EQ(DeclareWar(s, 1), WarOutcome::Asked);
    ASSERT_TRUE(ConfirmWar(g, 1));
    for (int a = 0; a < 2; ++a)
      EXPECT_EQ(RivalArmyStateByte(s, 1, a) == ArmyRaiding, a == c.raider) << "army " << a;
  }
}

TEST_F(DiplomacyTest, RivalStatus) {
  GameState& s = g.s;
  struct Case { bool active; int relation; std::vector<int> entries; };
  const Case cases[] = {{false, 100, {129}}, {true, 0, {127}}, {true, 1, {127, 119}}, {true, 99, {127, 119}},
                        {true, 100, {127, 121}}};
  for (const Case& c : cases) {
    s.Rival2.Active = toFlag(c.active);
    s.RivalRelation[1] = static_cast<uint8_t>(c.relation);
    EXPECT_EQ(rivalStatusEntries(s, 2), c.entries) << c.active << " " << c.relation;
  }
}

TEST_F(DiplomacyTest, PercentStepsStopAtBothEnds) {
  GameState& s = g.s;
  s.SellPercent = 0;
  std::vector<int> seen;
  for (int i = 0; i < 12; ++i) {
    StepSellPercent(s, +1);
    seen.push_back(s.SellPercent);
  }
  EXPECT_EQ(seen, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100, 100}));
  for (int i = 0; i < 12; ++i) StepSellPercent(s, -1);
  EXPECT_EQ(s.SellPercent, 0);
  s.BuyPercent = 95;  // an odd value from an old save never passes 100
  StepBuyPercent(s, +1);
  EXPECT_EQ(s.BuyPercent, 100);
  s.BuyPercent = 5;
  StepBuyPercent(s, -1);
  EXPECT_EQ(s.BuyPercent, 0);
  ChooseSellGood(s, 2);
  ChooseBuyGood(s, 1);
  EXPECT_EQ(s.SellGood, 3);
  EXPECT_EQ(s.BuyGood, 2);
}

// The offers shown on the trade panel are what the end of turn moves.
TEST_F(DiplomacyTest, OffersMatchTheEndOfTurn) {
  GameState& s = g.s;
  struct Case { int sellRow, sellPercent, buyRow, buyPercent; long long exportQty, exportGold, importQty, importGold; };
  const Case cases[] = {{0, 20, 0, 50, 200, 85, 3000, 2500},
                        {1, 100, 1, 30, 900, 486, 1200, 1333},
                        {2, 10, 2, 100, 70, 56, 2000, 2857}};
  for (const Case& c : cases) {
    s.Wood = 1000;
    s.Stone = 900;
    s.Ore = 700;
    s.Gold = 50000;
    s.BuyBaseWood = 6000;
    s.BuyBaseStone = 4000;
    s.BuyBaseOre = 2000;
    s.Diplomacy = s.TradeDiplomacyThreshold;
    ChooseSellGood(s, c.sellRow);
    ChooseBuyGood(s, c.buyRow);
    s.SellPercent = static_cast<uint8_t>(c.sellPercent);
    s.BuyPercent = static_cast<uint8_t>(c.buyPercent);
    const TradeOffer out = exportOffer(s), in = importOffer(s);
    EXPECT_EQ(out.quantity, c.exportQty);
    EXPECT_EQ(out.gold, c.exportGold);
    EXPECT_EQ(in.quantity, c.importQty);
    EXPECT_EQ(in.gold, c.importGold);
    ASSERT_TRUE(tradeRuns(s));
    const GameState before = s;
    Trade(g);
    EXPECT_EQ(s.Gold - before.Gold, out.gold - in.gold);
  }
  s.Diplomacy = static_cast<int16_t>(s.TradeDiplomacyThreshold - 1);
  EXPECT_FALSE(tradeRuns(s));
}

}  // namespace
}  // namespace fief
