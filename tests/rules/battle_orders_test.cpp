// The player's orders in the battle model: a battle is its hand-over, its seed and the
// list of orders given at their steps. Random rosters with random order lists replay to
// the same result; no orders (or only refused ones) fight the plain calculation; and a
// table of battles where a sensible order changes what the player brings home.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "battle/battle_model.h"
#include "battle/battle_orders.h"
#include "battle_armies.h"
#include "military/fight_files.h"

namespace fief::battle {
namespace {

using fixtures::armyOf;
using fixtures::battleOf;
using fixtures::randomBattle;

// Random orders, most of them sensible, some that must be refused (foreign, fallen or
// unknown formations, points off the field, deployment after the start), at steps that
// never decrease.
std::vector<Order> randomOrders(std::mt19937_64& g, const Battle& b) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
  const int forms = static_cast<int>(b.formations().size());
  std::vector<Order> orders;
  int step = 0;
  for (int n = pick(0, 12); n > 0; --n) {
    step += pick(0, 3) == 0 ? 0 : pick(0, 40);
    Order o;
    o.step = step;
    o.kind = static_cast<OrderKind>(pick(0, kOrderKinds - 1));
    if (o.kind == OrderKind::Retreat && pick(0, 3) != 0) o.kind = OrderKind::Hold;  // retreats end it early
    o.formation = static_cast<int16_t>(pick(-1, forms));
    o.target = static_cast<int16_t>(pick(-1, forms));
    o.x = static_cast<int16_t>(pick(-50, static_cast<int>(kFieldW) + 50));
    o.y = static_cast<int16_t>(pick(-50, static_cast<int>(kFieldH) + 50));
    orders.push_back(o);
  }
  return orders;
}

// An order refused by any battle: a formation that is not there or not the player's, a
// target that is no foe, a point off the field, a deployment after the start.
bool alwaysRefused(const Order& o, const Battle& b) {
  const auto& forms = b.formations();
  const int n = static_cast<int>(forms.size());
  const bool wide = o.kind == OrderKind::AllAttack || o.kind == OrderKind::AllHold || o.kind == OrderKind::Retreat;
  if (wide) return b.armies().empty() || b.armies()[kPlayerArmy].count <= 0;
  if (o.formation < 0 || o.formation >= n || forms[o.formation].army != kPlayerArmy) return true;
  const bool offField = o.x < 0 || o.x > kFieldW || o.y < 0 || o.y > kFieldH;
  switch (o.kind) {
    case OrderKind::Deploy: return o.step > 0 || offField || !Battle::inDeployZone(o.x, o.y);
    case OrderKind::Move: return offField;
    case OrderKind::Attack: return o.target < 0 || o.target >= n || !b.foes(o.formation, o.target);
    default: return false;
  }
}

TEST(BattleOrders, ThousandsOfRandomBattlesReplayTheSameFromTheirOrders) {
  std::mt19937_64 g(20261211);
  int taken = 0, refused = 0, changed = 0, alwaysRefusedSeen = 0;
  for (int i = 0; i < 2000; ++i) {
    const FightIn in = randomBattle(g);
    const uint64_t seed = g();
    SCOPED_TRACE("battle " + std::to_string(i));
    const Battle fresh(in, seed);
    const std::vector<Order> orders = randomOrders(g, fresh);

    // Orders no battle takes, whatever has happened on the field before them.
    std::vector<Order> refusedOnly;
    for (const Order& o : orders)
      if (alwaysRefused(o, fresh)) refusedOnly.push_back(o);
    alwaysRefusedSeen += static_cast<int>(refusedOnly.size());
    // Given live, the way the window gives them: before the step they name; the orders
    // taken are kept with that step.
    Battle live(in, seed);
    std::vector<Order> kept;
    size_t next = 0;
    while (!live.over()) {
      for (; next < orders.size() && orders[next].step <= live.steps(); ++next) {
        if (orders[next].step != live.steps()) continue;
        if (live.command(orders[next]).empty()) {
          kept.push_back(orders[next]);
          ++taken;
        } else {
          ++refused;
        }
      }
      live.step();
    }
    const FightOut played = live.result();
    // The whole list, the taken orders alone, and the calculation with the list agree.
    ASSERT_EQ(resolveBattle(in, seed, orders), played);
    ASSERT_EQ(resolveBattle(in, seed, kept), played);
    Battle again(in, seed);
    again.finish(orders);
    ASSERT_EQ(again.result(), played);
    ASSERT_EQ(again.steps(), live.steps());

    // No orders, or refused ones only, fight exactly the battle of the plain calculation.
    const FightOut plain = resolveBattle(in, seed);
    ASSERT_EQ(resolveBattle(in, seed, {}), plain);
    ASSERT_EQ(resolveBattle(in, seed, refusedOnly), plain);
    changed += !(played == plain);

    // Survivors never exceed the soldiers that went in; a retreat is a lost battle.
    for (size_t a = 0; a < in.Armies.size(); ++a)
      for (int s = 0; s < kRosterSize; ++s) {
        ASSERT_GE(played.Armies[a].Survivors[s], 0);
        ASSERT_LE(played.Armies[a].Survivors[s], s < in.Armies[a].rosterSize() ? in.Armies[a].Counts[s] : 0);
      }
    if (live.retreated()) ASSERT_FALSE(played.won());
    ASSERT_LE(live.steps(), kMaxSteps);
  }
  EXPECT_GT(taken, 1000);
  EXPECT_GT(refused, 1000);
  EXPECT_GT(alwaysRefusedSeen, 1000);
  EXPECT_GT(changed, 300) << "the orders must make a difference in many battles";
}

TEST(BattleOrders, OrdersThatCannotApplyAreRefusedWithAReason) {
  const FightIn in = battleOf({armyOf(0, 60, {{SwordMan, 200}, {Archer, 100}, {Monk, 5}}),
                               armyOf(1, 60, {{ClubMan, 300}})});
  Battle b(in, 1);
  const int sword = 0, archer = 1, monk = 2, enemy = 3;  // foot, shooters, then the rear
  ASSERT_EQ(b.formations()[sword].slot, rosterSlot(SwordMan));
  ASSERT_EQ(b.formations()[archer].slot, rosterSlot(Archer));
  ASSERT_EQ(b.formations()[monk].slot, rosterSlot(Monk));
  ASSERT_EQ(b.formations()[enemy].army, 1);
  struct Case {
    Order order;
    const char* why;
  };
  const Case cases[] = {
      {{0, enemy, OrderKind::Hold}, "only the player's own formations take orders"},
      {{0, 9, OrderKind::Hold}, "there is no such formation"},
      {{0, -1, OrderKind::Move, -1, 100, 100}, "there is no such formation"},
      {{0, sword, OrderKind::Attack, archer}, "that formation is not an enemy"},
      {{0, sword, OrderKind::Attack, 40}, "there is no such target"},
      {{0, monk, OrderKind::Attack, enemy}, "monks do not fight"},
      {{0, sword, OrderKind::Move, -1, 1200, 300}, "that point is outside the field"},
      {{0, sword, OrderKind::Deploy, -1, 500, 300}, "that point is outside the deployment zone"},
      {{0, sword, OrderKind::Deploy, -1, 500, -5}, "that point is outside the field"},
  };
  for (const Case& c : cases) EXPECT_EQ(b.command(c.order), c.why) << orderWord(c.order.kind);
  // Refused orders changed nothing: the battle is still the plain one.
  EXPECT_EQ(b.command({0, sword, OrderKind::Deploy, -1, 300, 700}), "");
  EXPECT_EQ(b.formations()[sword].x, 300);
  b.step();
  EXPECT_EQ(b.command({0, sword, OrderKind::Deploy, -1, 310, 700}),
            "the battle has begun: formations deploy only before it");
  EXPECT_EQ(b.command({0, -1, OrderKind::Retreat}), "");
  EXPECT_TRUE(b.over());
  EXPECT_EQ(b.command({0, sword, OrderKind::Hold}), "the battle is over");
}

TEST(BattleOrders, AFormationFollowsItsOrderUntilItIsDone) {
  const FightIn in = battleOf({armyOf(0, 70, {{SwordMan, 200}, {Cavalry, 100}}),
                               armyOf(1, 70, {{ClubMan, 100}, {Archer, 100}})});
  Battle b(in, 2);
  const int sword = 0, clubs = 2, archers = 3;
  ASSERT_EQ(b.formations()[clubs].slot, rosterSlot(ClubMan));
  ASSERT_EQ(b.formations()[archers].slot, rosterSlot(Archer));
  // A move: marches without striking and is done at the point.
  ASSERT_EQ(b.command({0, sword, OrderKind::Move, -1, 400, 560}), "");
  for (int i = 0; i < 200 && b.formations()[sword].ordered; ++i) {
    b.step();
    if (b.formations()[sword].ordered) EXPECT_EQ(b.formations()[sword].state, FormState::Marching);
  }
  EXPECT_FALSE(b.formations()[sword].ordered) << "the point reached, the model's choices again";
  EXPECT_FLOAT_EQ(b.formations()[sword].x, 400);
  EXPECT_FLOAT_EQ(b.formations()[sword].y, 560);
  // An attack keeps its target against a nearer foe until the target falls.
  ASSERT_EQ(b.command({0, sword, OrderKind::Attack, archers}), "");
  while (b.step() && b.formations()[archers].count > 0 && b.formations()[archers].state != FormState::Fleeing)
    if (b.formations()[sword].state == FormState::Fighting) ASSERT_EQ(b.formations()[sword].target, archers);
  if (!b.over()) {
    b.step();
    EXPECT_FALSE(b.formations()[sword].ordered) << "the target gone, the order is done";
  }
  // A hold never moves; a fall back marches to the own edge and holds there.
  Battle h(in, 2);
  ASSERT_EQ(h.command({0, 1, OrderKind::Hold}), "");
  ASSERT_EQ(h.command({0, sword, OrderKind::FallBack}), "");
  const float hx = h.formations()[1].x, hy = h.formations()[1].y;
  for (int i = 0; i < 40; ++i) h.step();
  EXPECT_EQ(h.formations()[1].x, hx);
  EXPECT_EQ(h.formations()[1].y, hy);
  EXPECT_EQ(h.formations()[sword].order, OrderKind::Hold);
  EXPECT_GT(h.formations()[sword].y, kFieldH - 80);
}

// How well the player came home: won first, then the soldiers brought back.
int64_t homecoming(const FightOut& r) {
  int64_t kept = 0;
  for (int16_t n : r.Armies[0].Survivors) kept += n;
  return (r.won() ? 1'000'000 : 0) + kept;
}

TEST(BattleOrders, SensibleOrdersChangeTheOutcome) {
  struct Case {
    const char* name;
    FightIn in;
    std::function<std::vector<Order>(const Battle&)> orders;
    bool winsWithOrders;  // and the plain battle is lost, or brings fewer home
  };
  auto slotOf = [](const Battle& b, int army, Unit u) {
    for (size_t i = 0; i < b.formations().size(); ++i)
      if (b.formations()[i].army == army && b.formations()[i].slot == rosterSlot(u)) return static_cast<int16_t>(i);
    return int16_t{-1};
  };
  const Case cases[] = {
      {"archers focused on the enemy's long bows",
       battleOf({armyOf(0, 60, {{Archer, 350}, {SwordMan, 100}}), armyOf(1, 60, {{LongBow, 100}, {SwordMan, 250}})}),
       [&](const Battle& b) {
         return std::vector<Order>{{0, slotOf(b, 0, Archer), OrderKind::Attack, slotOf(b, 1, LongBow)}};
       },
       true},
      {"a hold behind a line of helebarders against horsemen",
       battleOf({armyOf(0, 60, {{Helebarder, 250}, {Archer, 250}}), armyOf(1, 60, {{Cavalry, 300}})}),
       [&](const Battle& b) {
         const Formation& h = b.formations()[slotOf(b, 0, Helebarder)];
         const auto x = static_cast<int16_t>(h.x), y = static_cast<int16_t>(h.y);
         return std::vector<Order>{{0, slotOf(b, 0, Archer), OrderKind::Deploy, -1, x, static_cast<int16_t>(y + 15)},
                                   {0, -1, OrderKind::AllHold}};
       },
       true},
      {"a retreat from a lost battle",
       battleOf({armyOf(0, 50, {{ClubMan, 300}, {Archer, 100}}), armyOf(1, 70, {{TwoHand, 400}, {HCavalry, 150}})}),
       [](const Battle&) { return std::vector<Order>{{30, -1, OrderKind::Retreat}}; },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Battle b(c.in, 7);
    const std::vector<Order> orders = c.orders(b);
    int better = 0;
    for (uint64_t seed = 1; seed <= 8; ++seed) {
      const FightOut plain = resolveBattle(c.in, seed), led = resolveBattle(c.in, seed, orders);
      EXPECT_FALSE(plain.won()) << "seed " << seed << ": without orders the battle is lost";
      EXPECT_EQ(led.won(), c.winsWithOrders) << "seed " << seed;
      better += homecoming(led) > homecoming(plain);
    }
    EXPECT_EQ(better, 8) << "the orders bring more home on every seed";
  }
}

TEST(BattleOrders, FormationsGoByArmyAndType) {
  const Battle b(battleOf({armyOf(0, 60, {{SwordMan, 10}, {HCavalry, 5}}), armyOf(1, 60, {{SwordMan, 10}})}), 1);
  EXPECT_EQ(formationName(b, 0), "0.SwordMan");
  EXPECT_EQ(formationName(b, 1), "0.HCavalry");
  EXPECT_EQ(formationName(b, 2), "1.SwordMan");
  EXPECT_EQ(findFormation(b, "1.swordman"), 2);
  EXPECT_EQ(findFormation(b, "0.hcavalry"), 1);
  for (const char* none : {"2.SwordMan", "0.Archer", "SwordMan", "", "0."}) EXPECT_EQ(findFormation(b, none), -1) << none;
}

TEST(BattleOrders, AReplayFileKeepsTheBattleAndRefusesDamage) {
  std::vector<uint8_t> bytes;
  std::string err;
  ASSERT_TRUE(encodeFightIn(battleOf({armyOf(0, 60, {{SwordMan, 10}}), armyOf(1, 60, {{ClubMan, 10}})}), bytes, err));
  const Replay r{bytes, 123456789012345ull,
                 {{0, 0, OrderKind::Deploy, -1, 300, 700}, {4, 0, OrderKind::Attack, 1, 0, 0}, {4, -1, OrderKind::Retreat}}};
  const std::string text = encodeReplay(r);
  Replay back;
  ASSERT_TRUE(decodeReplay(text, back, err)) << err;
  EXPECT_EQ(back.fightIn, r.fightIn);
  EXPECT_EQ(back.seed, r.seed);
  EXPECT_EQ(back.orders, r.orders);

  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = text;
    const size_t at = t.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return t.replace(at, from.size(), to);
  };
  struct Case {
    const char* name;
    std::string text;
    const char* why;
  };
  const Case cases[] = {
      {"empty", "", "line 0: not a battle replay"},
      {"another file", replaced("fiefdom battle replay 1", "fiefdom battle replay 2"), "line 1: not a battle replay"},
      {"a bad seed", replaced("seed 1", "seed x1"), "line 2: not a seed"},
      {"an odd hand-over", replaced("input ", "input 0"), "line 3: the hand-over is cut"},
      {"not hexadecimal", replaced("input ", "input zz"), "line 3: the hand-over is not hexadecimal"},
      {"a damaged hand-over", replaced("input ", "input ff"), "line 3: the hand-over is damaged"},
      {"an unknown order", replaced("retreat", "surrender"), "line 6: no such order: surrender"},
      {"steps out of order", replaced("order 4 -1", "order 3 -1"), "line 6: the orders are out of step order"},
      {"a step past the battle", replaced("order 4 -1", "order 601 -1"), "line 6: the step is out of the battle"},
      {"no such formation", replaced("order 4 0 attack 1", "order 4 0 attack 56"), "line 5: no such formation"},
      {"a cut order", replaced(" 0 0\nend", "\nend"), "line 6: not an order"},
      {"a cut file", text.substr(0, text.find("end")), "the end line is missing"},
      {"a miscount", replaced("end 3", "end 2"), "line 7: 2 orders listed, 3 found"},
      {"text after the end", text + "order 9 0 hold -1 0 0\n", "line 8: text after the end"},
  };
  for (const Case& c : cases) {
    Replay out = r;
    out.seed = 1;
    EXPECT_FALSE(decodeReplay(c.text, out, err)) << c.name;
    EXPECT_NE(err.find(c.why), std::string::npos) << c.name << ": " << err;
    EXPECT_EQ(out.seed, 1u) << c.name << ": a refused file changes nothing";
  }
}

}  // namespace
}  // namespace fief::battle
