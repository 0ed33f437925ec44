// The rival lords' turn: the rules on their own (tax, attack countdown, castle stages,
// raids and their guards, assassins, the village raid and the march), then fifty whole
// turns of a game with both rivals in play.
#include <gtest/gtest.h>

#include <functional>

#include <array>
#include <map>
#include <vector>

#include "rivals/rival_lords.h"
#include "rivals/rival_turn.h"
#include "state/rng.h"
#include "test_support.h"
#include "turn/turn.h"

namespace fief {
namespace {

// Records what the rivals tell the player and the battles they start.
struct Recorder : RivalEvents {
  std::vector<std::pair<int, int>> messages;  // (list, entry)
  std::vector<int> notices;
  std::vector<std::string> sounds;
  std::vector<RivalBattle> battles;
  int defeats = 0;
  void message(int list, int entry) override { messages.emplace_back(list, entry); }
  void sound(const std::string& f) override { sounds.push_back(f); }
  void notice(int entry) override { notices.push_back(entry); }
  void defeat() override { ++defeats; }
  void battle(const RivalBattle& b) override { battles.push_back(b); }
  bool told(int entry) const {
    for (auto [l, e] : messages)
      if (e == entry) return true;
    return false;
  }
};

// A state with both rivals in play, rich enough for every paid step, and a player whose
// only camp stands at home on waypoint 2.
struct RivalsWorld {
  GameState s;
  Rng rng{11};
  Recorder ev;
  RivalsWorld() {
    s.PlayerInGame = kTrue;
    s.TurnCounter = 2;
    s.Gold = 20000; s.Wood = 3000; s.Stone = 3000; s.Ore = 3000; s.People = 4000;
    s.Health = 70; s.GuardLevel = 1; s.Morale = 60;
    s.CampExists[0] = kTrue;
    s.CampWaypoint[0] = 2;
    s.Rival1AttackState = s.Rival2AttackState = kNone;
    s.SiegeState1 = s.SiegeState2 = kNone;
    for (auto* r : {&s.Rival1.Active, &s.Rival2.Active}) *r = kTrue;
    s.Rival1.Gold = s.Rival2.Gold = 100000;
    s.Rival1.Happiness = s.Rival2.Happiness = 60;
    s.Rival1.People = s.Rival2.People = 3000;
    s.Rival1.Morale = s.Rival2.Morale = 50;
    s.Rival1.DevelopmentCountdown = s.Rival2.DevelopmentCountdown = kNone;
  }
  // Runs the rivals' part of the end of turn `turn`.
  void turn(int t) {
    s.TurnCounter = static_cast<uint8_t>(t);
    RivalLordsTurn(s, rng, ev);
  }
};
struct RivalsTest : ::testing::Test, RivalsWorld {};

TEST(RivalRules, TaxRateByHappiness) {
  const std::map<int, int> cases{{-5, 0}, {10, 0}, {11, 10}, {30, 10}, {31, 50}, {60, 50},
                                 {61, 60}, {75, 60}, {76, 80}, {100, 80}};
  for (auto [h, rate] : cases) EXPECT_EQ(RivalTaxRate(h), rate) << "happiness " << h;
}

TEST(RivalRules, AttackCountdownByStrength) {
  const std::map<int, int> cases{{0, 6}, {10, 6}, {11, 4}, {20, 4}, {21, 3}, {30, 3}, {31, 2}, {200, 2}};
  for (auto [strength, turns] : cases) EXPECT_EQ(AttackCountdown(strength), turns) << "strength " << strength;
}

TEST_F(RivalsTest, TaxesArePaidByThePeopleAndCostHappiness) {
  s.Rival1.Happiness = 76;
  s.Rival1.Gold = 0;
  rng.queue({0.5, 0.5});  // births and deaths cancel out: +245, -245
  s.Rival2.Active = kFalse;
  turn(5);  // no periodic step of rival 1's calendar
  EXPECT_EQ(s.Rival1.TaxRate, 80);
  // 3000 people at 80 %, less nothing else this turn.
  EXPECT_EQ(s.Rival1.Gold, 2400);
}

// A county of billions, as a loaded save may hold: the tax and the castle's income are
// shares of the people that no longer fit 32 bits before they are divided.
TEST(RivalRules, TaxesAndCastleIncomeOfTheLargestCounties) {
  struct Case {
    int32_t people;
    int16_t happiness;
    int stage;  // the highest castle stage standing, -1 none
    int32_t gold;
  };
  // Tax at the rate of the happiness; the people then change by the queued draws (births
  // and deaths cancel, the happiness step draws its smallest value); the castle's income
  // is its share of the people after that.
  const Case cases[] = {
      {2000000000, 60, -1, 1000000000},                 // 50 %, no castle
      {1000000000, 60, 3, 500000000 + 99999995},        // 50 %, then 10 % of 1e9 - 50
      {2000000000, 100, 4, 1600000000 + 160000004},     // 80 %, then 8 % of 2e9 + 60
      {2000000000, 100, 0, 1600000000 + 40000001},      // 80 %, then 2 % of 2e9 + 60
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.people) + " people, stage " + std::to_string(c.stage));
    RivalsWorld w;
    GameState& s = w.s;
    s.Rival2.Active = kFalse;
    s.Rival1.People = c.people;
    s.Rival1.Happiness = c.happiness;
    s.Rival1.Gold = 0;
    s.Rival1.Values = {0, 0, 0, 0, 0};
    if (c.stage >= 0) s.Rival1.Values[c.stage] = -1;
    w.rng.queue({0.5, 0.5, 0.0});
    w.turn(5);  // no periodic step of rival 1's calendar
    EXPECT_EQ(s.Rival1.Gold, c.gold);
  }
}

// A stored happiness far outside 0..100 (a damaged or foreign saved game) still goes
// through his skills' shares of it without overflowing: the turn keeps it in range and
// the moods of the 7th turn see which side of 40 it was on.
TEST_F(RivalsTest, HugeStoredHappinessGivesAClampedResult) {
  struct Case { int32_t happiness; int32_t after; int16_t religion; };
  const Case cases[] = {
      {2147483647, 100, 52},   // content: the moods cost happiness, Religion + 2
      {2000000000, 100, 52},
      {-2147483647 - 1, 0, 47},  // desperate: Religion - 3
      {-2000000000, 0, 47},
  };
  for (const Case& c : cases) {
    RivalsWorld w;
    w.s.Rival2.Active = kFalse;
    w.s.Rival1.Happiness = c.happiness;
    w.s.Rival1.Leadership = 30;
    w.s.Rival1.Nobility = 20;
    w.s.Rival1.Religion = 50;
    w.s.Rival1.Diplomacy = 10;
    w.turn(7);
    EXPECT_EQ(w.s.Rival1.Happiness, c.after) << c.happiness;
    EXPECT_EQ(w.s.Rival1.Religion, c.religion) << c.happiness;
  }
}

TEST_F(RivalsTest, CastleStagesOnTheirTurnsWithAnyGold) {
  s.Rival1.Gold = 0;
  turn(7);
  EXPECT_EQ(RivalCastleStage(s, 1), 0);
  EXPECT_LT(s.Rival1.Gold, 0) << "the keep is built whatever the treasury holds";
  EXPECT_GT(s.EnemyCamp[RivalGarrisonCamp(1)].total(), 0) << "the keep is manned";
  EXPECT_EQ(RivalCastleStage(s, 2), -1);
  turn(9);
  EXPECT_EQ(RivalCastleStage(s, 2), 0);
  turn(20);
  EXPECT_EQ(RivalCastleStage(s, 1), 1);
  EXPECT_EQ(s.Rival1.Values[0], 0) << "only the highest stage stays marked";
  // A stage already standing is not built again.
  const int32_t gold = s.Rival1.Gold;
  s.Rival1.Values = {0, 0, 0, -1, 0};
  turn(43);
  EXPECT_EQ(RivalCastleStage(s, 1), 3);
  EXPECT_GT(s.Rival1.Gold, gold - 10000);
}

TEST_F(RivalsTest, ObjectRaidsAreStoppedByAGuardOnTheirWaypoints) {
  struct Case { int turn; int blessing; int guard; int later; int holder; };
  // Rival 1 raids the dolmen every 4th turn (rival 2 every 8th) and the obelisk every
  // 6th; rival 2 takes the obelisk every 6th turn too, after rival 1, so he holds it.
  for (const Case c : {Case{4, 0, 5, 12, 2}, Case{6, 6, 17, 18, 3}}) {
    SCOPED_TRACE(c.turn);
    s.CountyBlessings.fill(0);
    s.CampWaypoint[0] = static_cast<uint8_t>(c.guard);
    turn(c.turn);
    EXPECT_EQ(s.CountyBlessings[c.blessing], 0) << "the player's camp guards it";
    s.CampWaypoint[0] = 2;
    turn(c.later);
    EXPECT_EQ(s.CountyBlessings[c.blessing], c.holder);
  }
  // A rival without 3500 gold after his taxes raids nothing.
  s.CountyBlessings.fill(0);
  s.Rival1.Gold = s.Rival2.Gold = 0;
  turn(28);
  EXPECT_EQ(s.CountyBlessings[0], 0);
}

TEST(RivalRules, AssassinAgainstTheGuardLevel) {
  // Turn 72 is every 8th turn (his assassins' level rises from 4 to 5 first) and every
  // 24th (rival 1's assassin comes).
  struct Case { int guard; bool survives; };
  for (const Case c : {Case{5, true}, Case{6, true}, Case{4, false}}) {
    SCOPED_TRACE(c.guard);
    RivalsWorld t;
    t.s.Rival1.AssassinLevel = 4;
    t.s.GuardLevel = static_cast<uint8_t>(c.guard);
    t.s.TurnCounter = 72;
    RivalLordTurn(t.s, t.rng, t.ev, 1);
    EXPECT_EQ(t.s.Rival1.AssassinLevel, 5);
    EXPECT_EQ(isSet(t.s.PlayerInGame), c.survives);
    EXPECT_EQ(t.ev.defeats, c.survives ? 0 : 1);
    EXPECT_EQ(t.ev.told(91), c.survives);
    // A fallen lord's county sees nothing more of the rivals this turn.
    if (!c.survives) EXPECT_TRUE(t.ev.battles.empty());
  }
}

TEST_F(RivalsTest, VillageRaidThenMarchOnTheCastle) {
  s.Rival2.Active = kFalse;
  s.EnemyCamp[RivalArmyCamp(1, 0)].set(Archer, 400);  // army A, strength 8
  RivalArmyStrength(s, 1, 0) = 8;
  RivalArmyStateByte(s, 1, 0) = ArmyHome;
  s.EnemyCamp[RivalArmyCamp(1, 1)].set(ClubMan, 300);  // army B, strength 6
  RivalArmyStrength(s, 1, 1) = 6;
  RivalArmyStateByte(s, 1, 1) = ArmyHome;
  s.CampWaypoint[0] = 1;  // the player's army holds the gate
  turn(33);
  EXPECT_EQ(s.Rival1WarState, 5);
  EXPECT_EQ(RivalArmyStateByte(s, 1, 0), ArmyRaiding);
  EXPECT_EQ(ev.sounds, std::vector<std::string>{"alarm01.wav"});
  EXPECT_TRUE(ev.told(97));
  for (int t = 34; t <= 37; ++t) turn(t);
  EXPECT_EQ(s.Rival1WarState, 1);
  EXPECT_TRUE(ev.battles.empty());
  turn(38);
  ASSERT_EQ(ev.battles.size(), 1u);
  const RivalBattle raid = ev.battles[0];
  EXPECT_EQ(raid.kind, RivalBattleKind::VillageRaid);
  EXPECT_EQ(raid.map, "village1");
  EXPECT_EQ(raid.camp, 4);
  EXPECT_EQ(raid.enemyId, 8);
  EXPECT_EQ(s.BattleSite, 8);
  EXPECT_EQ(s.BattleArmy.get(Archer), 280);   // 7 % of 4000 people
  EXPECT_EQ(s.BattleArmy.get(ClubMan), 600);  // 15 %
  EXPECT_EQ(s.Rival1WarState, kNone);
  // The militia holds: the raiders go home with their survivors.
  ArmyComp left;
  left.set(Archer, 260);
  ApplyRivalBattle(s, ev, raid, true, left);
  EXPECT_EQ(s.EnemyCamp[RivalArmyCamp(1, 0)], left);
  EXPECT_EQ(RivalArmyStrength(s, 1, 0), 5);
  turn(39);
  turn(40);
  EXPECT_EQ(s.Rival1AttackState, kNone);
  turn(41);  // the raid is over: both armies march, strength 5 + 6 = 11
  EXPECT_EQ(s.Rival1WarState, 0);
  EXPECT_EQ(s.EnemyCamp[RivalArmyCamp(1, 0)].total(), 560);
  EXPECT_EQ(RivalArmyStateByte(s, 1, 0), ArmyMarching);
  EXPECT_EQ(s.Rival1AttackState, 3) << "4 turns, one of them gone at the end of this one";
  EXPECT_TRUE(ev.told(100));
  // The rich rival raised a new army B at once.
  EXPECT_GT(s.EnemyCamp[RivalArmyCamp(1, 1)].total(), 0);
  for (int t = 42; t <= 44; ++t) turn(t);
  EXPECT_EQ(ev.battles.size(), 1u);
  turn(45);
  ASSERT_EQ(ev.battles.size(), 2u);
  EXPECT_EQ(ev.battles[1].kind, RivalBattleKind::CastleDefence);
  EXPECT_EQ(ev.battles[1].camp, 1);
  EXPECT_EQ(ev.battles[1].map, "keep") << "the county's castle, no stage built";
  EXPECT_EQ(ev.battles[1].battleKind, 2) << "the county's army behind its walls";
  EXPECT_EQ(s.Rival1AttackState, 201);
  ApplyRivalBattle(s, ev, ev.battles[1], true, ArmyComp{});
  EXPECT_EQ(s.Rival1AttackState, kNone);
  EXPECT_EQ(RivalArmyStateByte(s, 1, 0), ArmyNone);
  EXPECT_TRUE(isSet(s.PlayerInGame));
}

// A lost battle's penalties come after the turn's limits: they keep them all the same.
TEST_F(RivalsTest, PenaltiesAfterABattleKeepTheLimits) {
  struct Case {
    const char* what;
    RivalBattleKind kind;
    std::function<void(GameState&)> before;
    std::function<void(const GameState&)> check;
  };
  const Case cases[] = {
      {"a raid lost at happiness 4", RivalBattleKind::VillageRaid, [](GameState& g) { g.Happiness = 4; },
       [](const GameState& g) { EXPECT_EQ(g.Happiness, 0); }},
      {"a raid lost at happiness 60", RivalBattleKind::VillageRaid, [](GameState& g) { g.Happiness = 60; },
       [](const GameState& g) { EXPECT_EQ(g.Happiness, 50); }},
      {"a storm held at morale 95, happiness 98", RivalBattleKind::Storm,
       [](GameState& g) {
         g.Rival1.Morale = 95;
         g.Rival1.Happiness = 98;
       },
       [](const GameState& g) {
         EXPECT_EQ(g.Rival1.Morale, 100.0f);
         EXPECT_EQ(g.Rival1.Happiness, 100);
       }},
      {"a storm held at morale 50", RivalBattleKind::Storm, [](GameState& g) { g.Rival1.Morale = 50; },
       [](const GameState& g) { EXPECT_EQ(g.Rival1.Morale, 60.0f); }},
  };
  for (const Case& c : cases) {
    RivalsWorld w;
    RivalBattle b;
    b.kind = c.kind;
    b.rival = 1;
    b.enemyId = static_cast<uint8_t>(EnemyArmyId(RivalArmyCamp(1, 0)));
    c.before(w.s);
    ApplyRivalBattle(w.s, w.ev, b, false, ArmyComp{});
    SCOPED_TRACE(c.what);
    c.check(w.s);
  }
}

// A raid in a turn whose People fell below zero before the end of turn's clamp: the
// village raises no militia (no negative counts for the hand-over), and the raid is still
// fought, by the county's army beside the empty militia.
TEST_F(RivalsTest, NoMilitiaFromACountyWithoutPeople) {
  for (int32_t people : {-57, 0, 6}) {
    SCOPED_TRACE(people);
    RivalsWorld w;
    w.s.Rival2.Active = kFalse;
    w.s.EnemyCamp[RivalArmyCamp(1, 0)].set(Archer, 400);
    RivalArmyStrength(w.s, 1, 0) = 8;
    RivalArmyStateByte(w.s, 1, 0) = ArmyRaiding;
    w.s.Rival1WarState = 1;
    w.s.People = people;
    w.s.BattleArmy.set(Archer, 99);
    w.turn(40);
    int raids = 0;
    for (const RivalBattle& b : w.ev.battles) raids += b.kind == RivalBattleKind::VillageRaid;
    EXPECT_EQ(raids, 1);
    EXPECT_EQ(w.s.BattleArmy, ArmyComp{});
  }
}

TEST_F(RivalsTest, AttackArrivesByStrength) {
  struct Case { int strength; int turns; bool gateHeld; };
  for (const Case c : {Case{10, 6, true}, Case{11, 4, true}, Case{31, 2, false}}) {
    SCOPED_TRACE(c.strength);
    RivalsWorld w;
    w.s.Rival2.Active = kFalse;
    w.s.EnemyCamp[RivalArmyCamp(1, 0)].set(Archer, 100);
    RivalArmyStrength(w.s, 1, 0) = static_cast<int16_t>(c.strength);
    w.s.CampWaypoint[0] = c.gateHeld ? 1 : 2;
    RivalRaidEndTurn(w.s, 1) = 41;
    w.turn(41);
    int arrived = 0;
    for (int t = 42; t <= 50 && !arrived; ++t) {
      w.turn(t);
      if (!w.ev.battles.empty() || w.ev.defeats) arrived = t;
    }
    EXPECT_EQ(arrived, 41 + c.turns);
    EXPECT_EQ(w.ev.battles.size(), c.gateHeld ? 1u : 0u);
    EXPECT_EQ(isSet(w.s.PlayerInGame), c.gateHeld) << "an unguarded castle falls";
  }
}

TEST(RivalRules, CastleDefenceIsFoughtOnTheHighestStageBuilt) {
  struct Case { std::array<int, 5> built; const char* map; };
  const Case cases[] = {{{0, 0, 0, 0, 0}, "keep"},  {{1, 0, 0, 0, 0}, "keep"},       {{1, 1, 0, 0, 0}, "bailey"},
                        {{0, 0, 1, 0, 0}, "fort"},  {{1, 1, 1, 1, 0}, "stronghold"}, {{0, 0, 0, 1, 1}, "castle"}};
  for (const Case& c : cases) {
    GameState s;
    for (int i = 0; i < 5; ++i) s.CastleStageBuilt[i] = c.built[i] ? kTrue : kFalse;
    EXPECT_EQ(CastleDefenceMap(s), c.map);
  }
}

TEST(RivalRules, RefillByGold) {
  // Turn 41 has no periodic step; 1000 people at 50 % tax bring 500 gold first.
  struct Case { int32_t gold; int standing; int archers; int strength; bool calledHome; };
  for (const Case c : {Case{1000, 1, 0, 0, true}, Case{3000, 0, 160, 5, false}, Case{1000, 0, 0, 0, false},
                       Case{5000, 1, 160, 5, false}, Case{9000, 1, 290, 10, false}, Case{14000, 2, 410, 15, false}}) {
    SCOPED_TRACE(c.gold);
    RivalsWorld w;
    w.s.Rival2.Active = kFalse;
    w.s.Rival1.Gold = c.gold;
    w.s.Rival1.People = 1000;
    for (int a = 0; a < c.standing; ++a) {
      w.s.EnemyCamp[RivalArmyCamp(1, a)].set(Archer, 100);
      RivalArmyStrength(w.s, 1, a) = 2;
    }
    RivalRaidEndTurn(w.s, 1) = 41;
    w.turn(41);
    EXPECT_EQ(w.ev.told(101), c.calledHome);
    EXPECT_EQ(w.s.Rival1AttackState == kNone, c.calledHome || c.standing == 0);
    // The new army takes the first empty field army.
    const int fresh = c.standing == 0 ? 0 : 1;
    EXPECT_EQ(w.s.EnemyCamp[RivalArmyCamp(1, fresh)].get(Archer), c.archers);
    if (c.archers) EXPECT_EQ(RivalArmyStrength(w.s, 1, fresh), c.strength);
  }
}

TEST_F(RivalsTest, ThievesUpkeepSaboteursAndRaisings) {
  s.Rival2.Active = kFalse;
  s.RivalRelation[0] = 100;  // a spy at rival 1's court reports his raisings
  const int32_t gold = s.Gold, wood = s.Wood;
  turn(12);  // every 3rd (thieves), 6th (upkeep), 12th; army A raised
  EXPECT_LE(s.Gold, gold - 100);
  EXPECT_GE(s.Gold, gold - 199);
  EXPECT_LE(s.Wood, wood - 50);
  EXPECT_TRUE(ev.told(88));
  EXPECT_TRUE(ev.told(90));
  EXPECT_TRUE(ev.told(94));
  const ArmyComp& a = s.EnemyCamp[RivalArmyCamp(1, 0)];
  EXPECT_EQ(a.get(Monk), 0);
  EXPECT_EQ(a.get(Archer), 100);
  EXPECT_EQ(a.get(SwordMan), 59);
  // Turn 95: the second raising replaces the first.
  turn(95);
  EXPECT_EQ(s.EnemyCamp[RivalArmyCamp(1, 0)].get(Archer), 500);
  // Sabotage every 20th turn, paid for, told either way.
  rng.queue(std::vector<double>(40, 0.9));
  const float morale = s.Morale;
  turn(20 * 7);
  EXPECT_TRUE(ev.told(93));
  EXPECT_FLOAT_EQ(s.Morale, morale - 25);
}

TEST_F(RivalsTest, ArmiesOnTheirWayCanBeMetFromTheBattlefield) {
  // Rival 1's army A raids the village, army B stays home; rival 2's host marches.
  s.EnemyCamp[RivalArmyCamp(1, 0)].set(Archer, 300);
  RivalArmyStateByte(s, 1, 0) = ArmyRaiding;
  s.EnemyCamp[RivalArmyCamp(1, 1)].set(Archer, 200);
  RivalArmyStateByte(s, 1, 1) = ArmyHome;
  s.EnemyCamp[RivalArmyCamp(2, 0)].set(Archer, 500);
  RivalArmyStateByte(s, 2, 0) = ArmyMarching;
  EXPECT_TRUE(InterceptBattles(s, 2).empty()) << "camp 2 does not exist";
  const auto battles = InterceptBattles(s, 1);
  ASSERT_EQ(battles.size(), 2u);
  EXPECT_EQ(battles[0].enemyId, 8);
  EXPECT_EQ(battles[1].enemyId, 11);
  EXPECT_EQ(battles[0].map, "field1");
  // A battle lost by the raiders leaves them on their way with their survivors; one that
  // leaves nobody ends the march.
  ArmyComp left;
  left.set(Archer, 120);
  ApplyRivalBattle(s, ev, battles[0], true, left);
  EXPECT_EQ(s.EnemyCamp[RivalArmyCamp(1, 0)], left);
  EXPECT_EQ(RivalArmyStateByte(s, 1, 0), ArmyRaiding);
  ApplyRivalBattle(s, ev, battles[1], true, ArmyComp{});
  EXPECT_EQ(RivalArmyStateByte(s, 2, 0), ArmyNone);
  EXPECT_EQ(InterceptBattles(s, 1).size(), 1u);
  s.Rival1.Active = kFalse;
  EXPECT_TRUE(InterceptBattles(s, 1).empty());
}

// A host beaten on its way ends the attack: the castle does not fall to an army that no
// longer exists, whether it was beaten at the battlefield or is simply gone when the
// countdown ends, and whether or not a camp holds the gate.
TEST(RivalRules, AHostBeatenOnTheWayEndsTheAttack) {
  struct Case { const char* what; bool beatenAtTheBattlefield; bool gateHeld; };
  for (const Case c : {Case{"beaten at the battlefield, gate empty", true, false},
                       Case{"beaten at the battlefield, gate held", true, true},
                       Case{"gone when the countdown ends, gate empty", false, false}}) {
    SCOPED_TRACE(c.what);
    RivalsWorld w;
    GameState& s = w.s;
    s.Rival2.Active = kFalse;
    s.EnemyCamp[RivalArmyCamp(1, 0)].set(Archer, 300);
    s.EnemyCamp[RivalArmyCamp(1, 0)].set(ClubMan, 100);
    RivalArmyStrength(s, 1, 0) = 8;
    RivalArmyStateByte(s, 1, 0) = ArmyMarching;
    s.Rival1AttackState = 3;
    s.CampWaypoint[0] = c.gateHeld ? 1 : 2;
    if (c.beatenAtTheBattlefield) {
      const auto met = InterceptBattles(s, 1);
      ASSERT_EQ(met.size(), 1u);
      ApplyRivalBattle(s, w.ev, met[0], true, ArmyComp{});
      EXPECT_EQ(s.Rival1AttackState, kNone) << "the castle may be entered again at once";
    } else {
      s.EnemyCamp[RivalArmyCamp(1, 0)].clear();
    }
    for (int t = 41; t <= 45; ++t) w.turn(t);
    EXPECT_TRUE(isSet(s.PlayerInGame));
    EXPECT_EQ(w.ev.defeats, 0);
    EXPECT_TRUE(w.ev.battles.empty());
    EXPECT_EQ(s.Rival1AttackState, kNone);
  }
}

// The village is raided by the army that set out for it; beaten on the way, the raid comes
// to nothing, and the army that stayed at home does not take its place.
TEST(RivalRules, TheRaidIsFoughtByTheArmyThatSetOut) {
  struct Case { const char* what; int survivorsAtTheBattlefield; size_t raids; };
  for (const Case c : {Case{"raiders not met", -1, 1}, Case{"raiders thinned", 120, 1},
                       Case{"raiders beaten to the last man", 0, 0}}) {
    SCOPED_TRACE(c.what);
    RivalsWorld w;
    GameState& s = w.s;
    s.Rival2.Active = kFalse;
    s.EnemyCamp[RivalArmyCamp(1, 0)].set(Archer, 300);  // army A
    RivalArmyStateByte(s, 1, 0) = ArmyHome;
    s.EnemyCamp[RivalArmyCamp(1, 1)].set(ClubMan, 200);  // army B
    RivalArmyStateByte(s, 1, 1) = ArmyHome;
    w.turn(33);  // the calendar's raid: army A sets out
    ASSERT_EQ(RivalArmyStateByte(s, 1, 0), ArmyRaiding);
    EXPECT_EQ(RivalArmyStateByte(s, 1, 1), ArmyHome);
    if (c.survivorsAtTheBattlefield >= 0) {
      const auto met = InterceptBattles(s, 1);
      ASSERT_EQ(met.size(), 1u);
      ArmyComp left;
      left.set(Archer, c.survivorsAtTheBattlefield);
      ApplyRivalBattle(s, w.ev, met[0], true, left);
    }
    for (int t = 34; t <= 38; ++t) w.turn(t);
    ASSERT_EQ(w.ev.battles.size(), c.raids);
    if (c.raids) EXPECT_EQ(w.ev.battles[0].enemyId, EnemyArmyId(RivalArmyCamp(1, 0)));
    EXPECT_EQ(s.Rival1WarState, kNone) << "the raid's time is over either way";
    EXPECT_EQ(s.EnemyCamp[RivalArmyCamp(1, 1)].get(ClubMan), 200) << "army B stayed at home";
  }
}

// The assassin comes on his turn and the rebels' pay-off is made whatever the rival's
// treasury holds, as his calendar's costs are.
TEST(RivalRules, AssassinAndRebelsPayOffComeWithAnEmptyTreasury) {
  // Turn 72: rival 1's assassin (his level rises from 4 to 5 first).
  struct Case { int guard; bool survives; };
  for (const Case c : {Case{5, true}, Case{4, false}}) {
    SCOPED_TRACE(c.guard);
    RivalsWorld w;
    w.s.Rival2.Active = kFalse;
    w.s.Rival1.Gold = -8000;
    w.s.Rival1.AssassinLevel = 4;
    w.s.GuardLevel = static_cast<uint8_t>(c.guard);
    w.turn(72);
    EXPECT_EQ(isSet(w.s.PlayerInGame), c.survives);
    EXPECT_EQ(w.ev.told(91), c.survives) << "a caught assassin is told";
  }
  RivalsWorld w;
  w.s.Rival2.Active = kFalse;
  w.s.Rival1.Gold = 0;
  w.s.RebelCounters[0] = kTrue;
  w.s.RebelForceC = 300;
  const int32_t people = w.s.Rival1.People;
  w.turn(41);
  EXPECT_EQ(w.s.RebelCounters[0], 0);
  EXPECT_EQ(w.s.RebelForceC, 0);
  EXPECT_LT(w.s.Rival1.People, people) << "300 of his people paid for it";
}

// Fifty whole end-of-turns of a campaign with both rivals in play: the player guards the
// dolmen (waypoint 5) until turn 30 and the obelisk (waypoint 17) throughout, then holds
// the castle gate; his guard is trained to level 10 after rival 1's first assassin.
struct RivalCampaign : test::GameFixture {
  test::RecordingPlayer player{g};  // the rivals' battles are written down, not fought
  std::vector<test::RecordingPlayer::Battle>& battles = player.battles;
  RivalCampaign() {
    startCampaign(1);
    // Refuse the turn's questions, close every other screen.
    answer = [](Form& f) {
      for (const char* b : {"Noanibtn", "OkAniBtn", "CloseLbl"}) {
        Control* c = f.find(b);
        if (c && c->Visible && c->Enabled && f.fire(b, Ev::Click)) break;
      }
      if (f.Visible) f.close();
    };
  }
  bool logged(int list, int entry) const {
    for (int i = 0; i < g.log.MessageCount + g.log.MessageCount2; ++i) {
      const int l = i < g.log.MessageCount ? 1 : 2;
      const int row = l == 1 ? i : i - g.log.MessageCount;
      if (l == list && g.log.rows[l - 1][row].entry == entry) return true;
    }
    return false;
  }
};

TEST_F(RivalCampaign, FiftyTurnsWithBothRivals) {
  GameState& s = g.s;
  s.Rival1.Active = s.Rival2.Active = kTrue;
  s.Rival1.Gold = s.Rival2.Gold = 300000;  // rich enough for every paid step of fifty turns
  s.Advanced.DeleteMessagesOption = kTrue;  // the log holds each turn's news only
  s.Advanced.MessageSoundOff = kTrue;
  s.GuardLevel = 3;
  s.CampWaypoint[0] = 5;
  s.CampExists[1] = kTrue;
  s.CampWaypoint[1] = 17;
  s.CampComposition[1].set(Archer, 300);
  s.ArmyCampSoldiers[1] = 300;
  ASSERT_EQ(s.TurnCounter, 1);

  std::map<int, int> stage1, stage2;
  int attackSetOn = 0, strength = 0, joined = -1;
  for (int i = 0; i < 50; ++i) {
    EndTurn(g);
    const int t = s.TurnCounter;
    SCOPED_TRACE(t);
    ASSERT_TRUE(isSet(s.PlayerInGame));
    stage1[t] = RivalCastleStage(s, 1);
    stage2[t] = RivalCastleStage(s, 2);
    // Raisings on their turns (counts from the Archer on).
    if (t == 12) EXPECT_EQ(s.EnemyCamp[1].get(Archer), 100);
    if (t == 15) EXPECT_EQ(s.EnemyCamp[4].get(Archer), 200);
    if (t == 22) EXPECT_EQ(s.EnemyCamp[1].get(Archer), 300);
    if (t == 25) EXPECT_EQ(s.EnemyCamp[4].get(Archer), 300);
    if (t == 28) EXPECT_EQ(s.EnemyCamp[2].get(Archer), 200);
    if (t == 50) EXPECT_EQ(s.EnemyCamp[4].get(Archer), 400);
    // The guards keep the dolmen and the obelisk out of the rivals' hands.
    if (t <= 30) EXPECT_LT(s.CountyBlessings[0], 2);
    EXPECT_LT(s.CountyBlessings[6], 2);
    if (t == 32) EXPECT_EQ(s.CountyBlessings[0], 3) << "taken by rival 1, then by rival 2";
    // Rival 1's assassin meets a guard of his own level; rival 2's a better one.
    if (t == 24) {
      EXPECT_EQ(s.Rival1.AssassinLevel, 3);
      EXPECT_TRUE(logged(2, 91));
      s.GuardLevel = 10;
    }
    if (t == 45) EXPECT_TRUE(logged(2, 91));
    if (t == 30) {
      s.CampWaypoint[0] = 1;
      s.CastleGarrisonCamp = 1;
    }
    // The village raid: declared on turn 33, fought on turn 38.
    if (t == 33) {
      EXPECT_EQ(s.Rival1WarState, 5);
      EXPECT_TRUE(logged(2, 97));
    }
    if (t == 38) {
      ASSERT_EQ(battles.size(), 1u);
      EXPECT_EQ(battles[0].turn, 38);
      EXPECT_EQ(battles[0].battle.kind, RivalBattleKind::VillageRaid);
      // The militia beats them off; 150 archers of army A go home (strength 3), to
      // join army B (397 soldiers, strength 7) in a host of strength 10.
      ArmyComp left;
      left.set(Archer, 150);
      battles[0].fought(true, left);
      EXPECT_EQ(s.EnemyCamp[1], left);
      EXPECT_EQ(RivalArmyStrength(s, 1, 1), 7);
      joined = RivalArmyStrength(s, 1, 0) + RivalArmyStrength(s, 1, 1);
      EXPECT_EQ(joined, 10);
    }
    if (t == 41) {
      EXPECT_TRUE(logged(1, 100));
      strength = RivalArmyStrength(s, 1, 0);
      EXPECT_EQ(strength, joined) << "armies A and B march as one host";
      EXPECT_EQ(s.Rival1AttackState, AttackCountdown(strength) - 1);
      attackSetOn = t;
    }
  }
  EXPECT_EQ(stage1[6], -1);
  EXPECT_EQ(stage1[7], 0);
  EXPECT_EQ(stage2[8], -1);
  EXPECT_EQ(stage2[9], 0);
  EXPECT_EQ(stage2[16], 1);
  EXPECT_EQ(stage1[20], 1);
  EXPECT_EQ(stage2[40], 2);
  EXPECT_EQ(stage1[43], 2);
  // The host reached the castle after its countdown and met the camp at the gate.
  ASSERT_EQ(attackSetOn, 41);
  ASSERT_EQ(battles.size(), 2u);
  EXPECT_EQ(battles[1].turn, 41 + 6) << "a host of strength 10 arrives after 6 turns";
  EXPECT_EQ(battles[1].battle.kind, RivalBattleKind::CastleDefence);
  EXPECT_EQ(battles[1].battle.camp, 1);
  EXPECT_EQ(battles[1].battle.map, CastleDefenceMap(s));
  EXPECT_EQ(battles[1].battle.battleKind, 2);
}

}  // namespace
}  // namespace fief
