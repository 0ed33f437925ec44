// The special units: prices, starting and cancelling the three services, and a mission's
// whole course over the ends of turn.
#include <algorithm>

#include "military/agents.h"
#include "rules_fixture.h"
#include "turn/turn.h"

namespace fief {
namespace {

struct AgentsTest : test::RulesFixture {
  AgentsTest() { startCampaign(1); }
  std::vector<int> list2() const {
    std::vector<int> out;
    for (int i = 0; i < g.log.MessageCount2; ++i) out.push_back(g.log.rows[1][i].entry);
    return out;
  }
};

TEST_F(AgentsTest, PricesAndTheStatue) {
  GameState& s = g.s;
  ASSERT_EQ(s.CountyBlessings[7], 1);  // the county starts with the statue
  EXPECT_EQ(servicePrice(s, Service::Assassin), 2904);  // Fix(4150 - 4150 / 3.33333)
  s.CountyBlessings[7] = 2;  // a rival's statue lowers nothing
  EXPECT_EQ(servicePrice(s, Service::Assassin), 4150);
  EXPECT_EQ(servicePrice(s, Service::Scout), 2600);
  s.GuardLevel = 3;
  EXPECT_EQ(servicePrice(s, Service::Guard), 2100);
}

TEST_F(AgentsTest, StartingEachService) {
  struct Case {
    const char* what;
    Service service;
    int a, b;  // scout: area; assassin: rival, mission
    int guardLevel, gold;
    ServiceOutcome outcome;
    int countdown, goldAfter;
    bool rivalsInPlay = true;
  };
  using O = ServiceOutcome;
  const Case cases[] = {
      {"scout near", Service::Scout, 1, 0, 1, 2600, O::Started, 1, 0},
      {"scout middle", Service::Scout, 2, 0, 1, 5000, O::Started, 2, 2400},
      {"scout far", Service::Scout, 3, 0, 1, 2600, O::Started, 4, 0},
      {"scout short of gold", Service::Scout, 1, 0, 1, 2599, O::NotEnoughGold, 200, 2599},
      {"scout with no area", Service::Scout, 0, 0, 1, 9000, O::NothingChosen, 200, 9000},
      {"assassin at the lord", Service::Assassin, 2, 1, 1, 2904, O::Started, 4, 0},
      {"assassin at the army", Service::Assassin, 1, 2, 1, 3000, O::Started, 2, 96},
      {"assassin short of gold", Service::Assassin, 1, 2, 1, 2903, O::NotEnoughGold, 200, 2903},
      {"assassin with no target", Service::Assassin, 0, 2, 1, 9000, O::NothingChosen, 200, 9000},
      {"assassin at a lord out of play", Service::Assassin, 2, 1, 1, 9000, O::OutOfGame, 200, 9000, false},
      {"assassin at the army of a lord out of play", Service::Assassin, 1, 2, 1, 9000, O::OutOfGame, 200, 9000, false},
      {"scout while the rivals are out of play", Service::Scout, 1, 0, 1, 2600, O::Started, 1, 0, false},
      {"guard level 1", Service::Guard, 0, 0, 1, 700, O::Started, 0, 0},
      {"guard level 2", Service::Guard, 0, 0, 2, 1400, O::Started, 0, 0},
      {"guard level 3", Service::Guard, 0, 0, 3, 2100, O::Started, 1, 0},
      {"guard level 6", Service::Guard, 0, 0, 6, 5000, O::Started, 2, 800},
      {"guard short of gold", Service::Guard, 0, 0, 4, 2799, O::NotEnoughGold, 200, 2799},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    startCampaign(1);
    GameState& s = g.s;
    s.GuardLevel = static_cast<uint8_t>(c.guardLevel);
    s.Gold = c.gold;
    s.Rival1.Active = s.Rival2.Active = c.rivalsInPlay ? kTrue : kFalse;
    ServiceOutcome o = c.service == Service::Scout      ? StartScout(s, c.a)
                       : c.service == Service::Assassin ? StartAssassin(s, c.a, c.b)
                                                        : TrainGuard(s);
    EXPECT_EQ(o, c.outcome);
    EXPECT_EQ(serviceCountdown(s, c.service), c.countdown);
    EXPECT_EQ(s.Gold, c.goldAfter);
    if (c.service == Service::Scout) EXPECT_EQ(s.ObjectMissionTarget, o == O::Started ? c.a : 0);
    if (c.service == Service::Assassin && o == O::Started) {
      EXPECT_EQ(s.GuardScreenValue[AssassinTarget], c.a);
      EXPECT_EQ(s.GuardScreenValue[AssassinMission], c.b);
    }
    // One at a time: a second start changes nothing.
    if (o == O::Started) {
      s.Gold = 100000;
      const GameState running = s;
      EXPECT_EQ(c.service == Service::Scout      ? StartScout(s, c.a)
                : c.service == Service::Assassin ? StartAssassin(s, c.a, c.b)
                                                 : TrainGuard(s),
                O::AlreadyRunning);
      EXPECT_EQ(s.Gold, 100000);
      EXPECT_EQ(serviceCountdown(s, c.service), serviceCountdown(const_cast<GameState&>(running), c.service));
    }
  }
}

TEST_F(AgentsTest, AssassinMissionOfTheTargetListRow) {
  EXPECT_EQ(assassinMissionOfRow(0), 2);
  EXPECT_EQ(assassinMissionOfRow(2), 2);
  EXPECT_EQ(assassinMissionOfRow(3), 1);
}

TEST_F(AgentsTest, CancellingRefundsWhatWasPaid) {
  GameState& s = g.s;
  s.Gold = 10000;
  s.Rival1.Active = kTrue;  // the assassin's target
  ASSERT_EQ(StartScout(s, 3), ServiceOutcome::Started);
  s.ObjectMissionCountdown = 0;  // its last turn
  EXPECT_TRUE(CancelService(s, Service::Scout));
  EXPECT_EQ(s.Gold, 10000);
  EXPECT_EQ(s.ObjectMissionCountdown, kNone);
  EXPECT_EQ(s.ObjectMissionTarget, 0);
  EXPECT_FALSE(CancelService(s, Service::Scout));
  EXPECT_EQ(s.Gold, 10000);

  // The statue's reduction: 2904 paid, 2904 back (never the full 4150).
  ASSERT_EQ(StartAssassin(s, 1, 1), ServiceOutcome::Started);
  EXPECT_EQ(s.Gold, 10000 - 2904);
  EXPECT_TRUE(CancelService(s, Service::Assassin));
  EXPECT_EQ(s.Gold, 10000);
  EXPECT_EQ(s.GuardScreenValue[AssassinMission], 0);
  EXPECT_EQ(s.GuardScreenValue[AssassinCountdown], kNone);

  s.GuardLevel = 4;
  ASSERT_EQ(TrainGuard(s), ServiceOutcome::Started);
  EXPECT_TRUE(CancelService(s, Service::Guard));
  EXPECT_EQ(s.Gold, 10000);
  EXPECT_EQ(s.GuardLevel, 4);
}

// A service started with countdown n is resolved at the (n+1)-th end of turn.
TEST_F(AgentsTest, MissionsResolveAfterTheirTurns) {
  GameState& s = g.s;
  s.Gold = 100000;
  s.CountyBlessings[4] = 0;
  s.Happiness = s.Health = 80;  // no plague, no rebels to mix in
  ASSERT_EQ(StartScout(s, 3), ServiceOutcome::Started);
  ASSERT_EQ(TrainGuard(s), ServiceOutcome::Started);  // level 1: countdown 0
  const int nobility = s.Nobility;
  for (int turn = 1; turn <= 5; ++turn) {
    SCOPED_TRACE(turn);
    ClearMessages(g);
    s.Happiness = s.Health = 80;
    if (turn == 5) g.rng.queue({0.99});  // the scout's draw: 199
    s.TurnAnimationFlags.fill(0);
    s.Advanced.AnimatedSprites = kFalse;
    CountyTurn(g);
    const auto msgs = list2();
    if (turn == 1) {
      EXPECT_EQ(s.GuardLevel, 2);
      EXPECT_EQ(s.Nobility, nobility + 2);
      EXPECT_EQ(s.GuardTrainingCountdown, kNone);
      EXPECT_NE(std::find(msgs.begin(), msgs.end(), 70), msgs.end());
    }
    if (turn < 5) {
      EXPECT_EQ(s.ObjectMissionTarget, 3);
      EXPECT_EQ(s.TurnAnimationFlags[1], 0);
    } else {
      EXPECT_EQ(s.ObjectMissionCountdown, kNone);
      EXPECT_EQ(s.CountyBlessings[4], 1);
      EXPECT_EQ(s.TurnAnimationFlags[1], 1);
      EXPECT_NE(std::find(msgs.begin(), msgs.end(), 85), msgs.end());
    }
  }
}

}  // namespace
}  // namespace fief
