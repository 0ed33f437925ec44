// The rules with no screen: the questions of a turn reach the player in the turn's
// order, an answer is applied only when taken, and the null player answers as
// documented. Built without src/ui on the include path.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "campaign/events.h"
#include "campaign/initial_state.h"
#include "campaign/rules.h"
#include "county/county_rules.h"
#include "rivals/rival_lords.h"
#include "rivals/sieges.h"
#include "state/arith.h"
#include "turn/garrison.h"
#include "turn/turn.h"

namespace fief {
namespace {

// A player that writes down what it is asked and shown, and answers as told (by default
// as the null player does).
struct RecordingPlayer : NullDecisions {
  std::vector<std::string> asked;
  std::vector<Sight> seen;
  bool payTithe = false;
  int tournamentStake = -1;       // < 0: decline
  bool acceptEvents = false;
  GoodsAmounts toSend{};         // the provisions sent
  std::vector<bool> paid;         // what each pay/send answer returned

  void event(EventQuestion& q) override {
    asked.push_back("event " + std::to_string(q.kind));
    if (acceptEvents || !q.choice) q.accept();
    else q.refuse();
  }
  void tithe(TitheQuestion& q) override {
    asked.push_back("tithe " + std::to_string(q.tithe));
    if (payTithe) {
      paid.push_back(q.pay());
      if (paid.back()) return;
    }
    q.refuse();
  }
  void stake(StakeQuestion& q) override {
    asked.push_back("stake");
    q.refuse();
  }
  void tournament(TournamentQuestion& q) override {
    asked.push_back("tournament");
    if (tournamentStake >= 0) {
      paid.push_back(q.hold(tournamentStake));
      if (paid.back()) return;
    }
    q.decline();
  }
  void provisions(ProvisionsQuestion& q) override {
    asked.push_back("provisions");
    paid.push_back(q.send(GoodsAmounts{}));  // nothing: too little for the marshal
    paid.push_back(q.send(toSend));
    if (!paid.back()) q.refuse();
  }
  void show(Sight what, int) override { seen.push_back(what); }
  // The rivals' battles are written down with their answers, not answered.
  std::vector<RivalBattle> battles;
  std::vector<std::function<void(bool, const ArmyComp&)>> fought;
  void rivalBattle(RivalBattleQuestion& q) override {
    asked.push_back("rival battle");
    battles.push_back(q.battle);
    fought.push_back(q.fought);
  }
  void defeat() override { asked.push_back("defeat"); }
  void siegeLaid(int site) override { asked.push_back("siege laid " + std::to_string(site)); }
};

// Event kinds a test registers, forgotten when it ends: their consequences may refer to
// the test's own variables.
struct TestEventKinds {
  std::vector<EventKind> kinds;
  void add(EventKind kind, EventRule rule) {
    registerEventKind(kind, std::move(rule));
    kinds.push_back(kind);
  }
  ~TestEventKinds() {
    for (EventKind k : kinds) forgetEventKind(k);
  }
};

class RulesAlone : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string err;
    ASSERT_TRUE(r.texts.load(r.dir, err)) << err;
    r.s.Difficulty = 2;
    r.rng.seed(5);
    registerTurnEventKinds();
    InitialState(r);
    r.setPlayer(&player);
  }
  // A county without shortages, before turn `turn` is played.
  void county(int turn) {
    GameState& s = r.s;
    s.TurnCounter = static_cast<uint8_t>(turn - 1);
    s.Season = 1;
    s.People = 2000; s.Crops = 20000; s.Meat = 5000; s.Gold = 20000;
    s.Happiness = 60; s.Health = 70; s.Leadership = 50; s.Diplomacy = 70; s.Religion = 60;
  }
  std::vector<int> entries(int list) const {
    std::vector<int> out;
    for (const auto& row : r.log.rows[list - 1])
      if (row.entry >= 0) out.push_back(row.entry);
    return out;
  }

  Rules r{FIEFDOM_GAME_DIR};
  RecordingPlayer player;
};

TEST_F(RulesAlone, QuestionsComeInTheTurnsOrder) {
  // Turn 120 is a multiple of 6, 8, 20, 24 and 40: tithe, stake, then events 4, 6, 7.
  county(120);
  r.s.BowStock = 0;
  EndTurn(r);
  EXPECT_EQ(r.s.TurnCounter, 120);
  ASSERT_EQ(player.asked.size(), 5u);
  EXPECT_EQ(player.asked[0].rfind("tithe ", 0), 0u);
  EXPECT_EQ(std::vector<std::string>(player.asked.begin() + 1, player.asked.end()),
            (std::vector<std::string>{"stake", "event 4", "event 6", "event 7"}));
  // The refusals were applied: tithe (63) and stake (66) logged, the merchants' arms seized.
  const auto logged = entries(1);
  EXPECT_NE(std::find(logged.begin(), logged.end(), 63), logged.end());
  EXPECT_NE(std::find(logged.begin(), logged.end(), 66), logged.end());
  EXPECT_GE(r.s.BowStock, 10);
}

TEST_F(RulesAlone, TheNullPlayerSaysNo) {
  r.setPlayer(nullptr);  // back to the null player
  std::vector<std::string> taken;
  TestEventKinds registered;
  registered.add(EventKind(90), EventRule{true, [&](Rules&) { taken.push_back("accept 90"); },
                                          [&](Rules&) { taken.push_back("refuse 90"); }});
  registered.add(EventKind(91), EventRule{false, [&](Rules&) { taken.push_back("accept 91"); },
                                          [&](Rules&) { taken.push_back("refuse 91"); }});
  RaiseEvent(r, EventKind(90), 106);
  RaiseEvent(r, EventKind(91), 106);
  RaiseEvent(r, EventKind(92), 106);  // an unknown kind: a notice without consequence
  EXPECT_EQ(taken, (std::vector<std::string>{"refuse 90", "accept 91"}));

  // Turn 66 asks for the tithe (66 = 6 x 11) and offers the tournament.
  county(66);
  const int religion = r.s.Religion;
  const long gold = r.s.Gold;
  r.rng.queue(std::vector<double>(40, 0.5));
  TournamentResult(r);
  AskTithe(r);
  AskTournament(r);
  EXPECT_EQ(r.s.Religion, religion - 4);  // the tithe refused
  EXPECT_EQ(r.s.Gold, gold);              // nothing paid
  EXPECT_FALSE(isSet(r.s.TournamentHeld));
}

// The rivals reach the player through the same door: the battles they bring are put to him
// with their answers (which outlive the question), and the null player does not fight
// them: the raiders plunder the county unopposed.
TEST_F(RulesAlone, RivalBattlesDefeatAndSiegesAreAskedOfThePlayer) {
  county(3);
  GameState& s = r.s;
  s.Rival1.Active = kTrue;
  s.EnemyCamp[1].clear();
  s.EnemyCamp[1].set(Archer, 200);
  RivalBattle raid;
  raid.kind = RivalBattleKind::VillageRaid;
  raid.rival = 1;
  raid.enemyId = EnemyArmyId(RivalArmyCamp(1, 0));
  const int32_t gold = s.Gold, crops = s.Crops;

  AskRivalBattle(r, raid);
  ASSERT_EQ(player.battles.size(), 1u);
  EXPECT_EQ(player.battles[0].enemyId, raid.enemyId);
  EXPECT_EQ(s.Gold, gold) << "nothing happens before the player answers";
  ArmyComp left;
  left.set(Archer, 50);
  player.fought[0](true, left);  // answered after the question is gone
  EXPECT_EQ(s.EnemyCamp[1], left);
  EXPECT_EQ(s.Gold, gold) << "beaten off: nothing plundered";

  r.setPlayer(nullptr);
  AskRivalBattle(r, raid);
  EXPECT_EQ(s.Gold, gold - gold / 4) << "not fought: the raiders plunder";
  EXPECT_EQ(s.Crops, crops - crops / 4);
  r.setPlayer(&player);

  // A siege laid by the camp on the site of rival 1's castle.
  s.CampExists[0] = kTrue;
  s.CampWaypoint[0] = kSiegeWaypoint[0];
  LaySiege(r, 1);
  EXPECT_EQ(player.asked.back(), "siege laid 1");

  // His host comes to a gate nobody holds: the game is lost.
  s.CampWaypoint[0] = 2;
  s.Rival1AttackState = 0;
  RivalLordsTurn(r);
  EXPECT_FALSE(isSet(s.PlayerInGame));
  EXPECT_EQ(player.asked.back(), "defeat");
}

TEST_F(RulesAlone, AnAnswerTheRulesRefuseChangesNothing) {
  county(6);
  r.s.Gold = 10;  // less than any tithe of 2000 people
  player.payTithe = true;
  DemandTithe(r);
  ASSERT_EQ(player.paid, std::vector<bool>{false});
  EXPECT_EQ(r.s.Gold, 10);
  EXPECT_EQ(entries(1), std::vector<int>{63});  // refused after the failed payment

  player.paid.clear();
  r.s.Gold = 3800;
  player.tournamentStake = 200;  // 200 + 3500 fits
  AskTournament(r);
  EXPECT_EQ(player.paid, std::vector<bool>{true});
  EXPECT_EQ(r.s.Gold, 100);
  EXPECT_EQ(r.s.TournamentStake, 200);
}

TEST_F(RulesAlone, TheMarshalTakesOnlyEnoughProvisions) {
  county(16);
  player.acceptEvents = true;
  player.toSend = {1000, 0, 0, 0, 0};  // 1000 crops worth 2000 gold at the garrison's prices
  const int crops = r.s.Crops;
  const long gold = r.s.Gold;
  RaiseEvent(r, kKingsLevyEvent, 106);
  EXPECT_EQ(player.asked, (std::vector<std::string>{"event 1", "provisions"}));
  EXPECT_EQ(player.paid, (std::vector<bool>{false, true}));
  EXPECT_EQ(r.s.Crops, crops - 1000);
  EXPECT_EQ(r.s.Gold, gold + 1000);  // the crown pays 1 gold a unit
}

TEST_F(RulesAlone, SightsFollowTheState) {
  county(3);
  r.s.Health = 15;  // the plague begins
  r.s.PlagueActive = kFalse;
  bool activeWhenShown = false;
  struct Watch : RecordingPlayer {
    Rules* rules = nullptr;
    bool* active = nullptr;
    void show(Sight what, int i) override {
      RecordingPlayer::show(what, i);
      if (what == Sight::Plague) *active = isSet(rules->s.PlagueActive);
    }
  } watch;
  watch.rules = &r;
  watch.active = &activeWhenShown;
  r.setPlayer(&watch);
  HealthAndPlague(r);
  EXPECT_TRUE(activeWhenShown);
  // The clamping of the county values reports the shortages it found.
  r.s.Crops = 10;
  ClampCountyValues(r);
  EXPECT_NE(std::find(watch.seen.begin(), watch.seen.end(), Sight::Shortages), watch.seen.end());
  EXPECT_TRUE(shortages(r.s)[0]);
  EXPECT_FALSE(shortages(r.s)[1]);
}

}  // namespace
}  // namespace fief
