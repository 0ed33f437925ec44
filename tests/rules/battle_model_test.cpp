// The battle model: what holds for every battle (a property test over thousands of random
// rosters), and small battles that show each unit's role, morale and the battle kinds.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "battle/battle_model.h"
#include "battle_armies.h"
#include "military/fight_files.h"

namespace fief::battle {
namespace {

using fixtures::armyOf;
using fixtures::battleOf;
using fixtures::randomBattle;

// Attack + defence of the recruiting screen's unit table, by roster slot (at least 1: an
// engineer or a monk is still a man): a measure of an army's strength that does not come
// from the battle model itself.
constexpr std::array<int, kRosterSize> kTableStrength = {3, 8, 4, 11, 11, 10, 18, 14, 12, 13, 1, 4, 66, 1};

int64_t tableStrength(const FightIn& in, int side) {
  int64_t s = 0;
  for (const FightArmy& a : in.Armies)
    if (a.Side == side)
      for (int i = 0; i < a.rosterSize(); ++i) s += int64_t{a.Counts[i]} * kTableStrength[i];
  return s;
}

TEST(BattleModel, PropertiesOfThousandsOfRandomBattles) {
  std::mt19937_64 g(20261210);
  int overwhelming = 0;
  for (int i = 0; i < 3000; ++i) {
    const FightIn in = randomBattle(g);
    const uint64_t seed = g();
    SCOPED_TRACE("battle " + std::to_string(i));

    // Calculated at once.
    const FightOut calculated = resolveBattle(in, seed);
    // Watched: one step at a time, looking at the field after every step.
    Battle watched(in, seed);
    int64_t seen = 0;
    while (watched.step())
      for (const Formation& f : watched.formations()) seen += f.count;
    // Skipped: watched for a while, then finished at once.
    Battle skipped(in, seed);
    for (int k = static_cast<int>(seed % 40); k > 0; --k) skipped.step();
    skipped.finish();
    ASSERT_EQ(watched.result(), calculated);
    ASSERT_EQ(skipped.result(), calculated);
    ASSERT_TRUE(watched.over());
    ASSERT_LE(watched.steps(), kMaxSteps);

    // Survivors never exceed the soldiers that went in; every value fits its width.
    ASSERT_EQ(calculated.Armies.size(), in.Armies.size());
    int64_t ours = 0, theirs = 0;
    for (size_t a = 0; a < in.Armies.size(); ++a) {
      const FightArmy& went = in.Armies[a];
      const FightResultArmy& back = calculated.Armies[a];
      ASSERT_EQ(back.Reduced, went.Reduced);
      for (int s = 0; s < kRosterSize; ++s) {
        ASSERT_GE(back.Survivors[s], 0);
        ASSERT_LE(back.Survivors[s], s < went.rosterSize() ? went.Counts[s] : 0) << "slot " << s;
        (went.Side == in.Armies[0].Side ? ours : theirs) += went.Counts[s] - back.Survivors[s];
      }
    }
    ASSERT_EQ(calculated.OurDead, std::min<int64_t>(ours, 32767));
    ASSERT_EQ(calculated.EnemyDead, std::min<int64_t>(theirs, 32767));
    std::vector<uint8_t> bytes;
    std::string err;
    ASSERT_TRUE(encodeFightOut(calculated, bytes, err)) << err;
    FightOut back;
    ASSERT_TRUE(decodeFightOut(bytes, back, err)) << err;

    // Two sides of at least a hundred soldiers, one overwhelmingly stronger (six times by
    // the unit table, both in good heart): the stronger side wins.
    bool twoSides = true;
    std::array<int64_t, 2> soldiers{};
    for (const FightArmy& a : in.Armies) {
      twoSides = twoSides && a.Side <= 1 && a.Morale >= 30;
      for (int s = 0; s < a.rosterSize(); ++s) soldiers[a.Side & 1] += a.Counts[s];
    }
    const int64_t s0 = tableStrength(in, 0), s1 = tableStrength(in, 1);
    if (twoSides && soldiers[0] >= 100 && soldiers[1] >= 100 && (s0 >= 6 * s1 || s1 >= 6 * s0)) {
      ++overwhelming;
      const bool playerStronger = in.Armies[0].Side == 0 ? s0 > s1 : s1 > s0;
      ASSERT_EQ(calculated.won(), playerStronger) << "strengths " << s0 << " and " << s1;
    }
  }
  EXPECT_GT(overwhelming, 50) << "the random rosters must exercise the overwhelming case";
}

TEST(BattleModel, TheSameHandOverAndSeedFightTheSameBattle) {
  const FightIn in = battleOf({armyOf(0, 60, {{SwordMan, 300}, {Archer, 200}, {Cavalry, 80}}),
                               armyOf(1, 60, {{TwoHand, 250}, {LongBow, 150}, {HCavalry, 60}})});
  EXPECT_EQ(resolveBattle(in, 5), resolveBattle(in, 5));
  std::set<int> outcomes;
  for (uint64_t seed = 1; seed < 40; ++seed) outcomes.insert(resolveBattle(in, seed).OurDead);
  EXPECT_GT(outcomes.size(), 5u) << "the seed decides the chances";
  std::vector<uint8_t> a = {1, 2, 3}, b = {1, 2, 4};
  EXPECT_NE(seedOf(a), seedOf(b));
}

int lost(const Battle& b, int army) { return b.armies()[army].start - b.armies()[army].count; }
bool anyFighting(const Battle& b) {
  for (const Formation& f : b.formations())
    if (f.state == FormState::Fighting) return true;
  return false;
}

// Steps a battle up to the first step with a melee; returns the losses of each of the
// first two armies before that step.
std::pair<int, int> lossesBeforeMelee(Battle& b) {
  std::pair<int, int> before{0, 0};
  while (b.step() && !anyFighting(b)) before = {lost(b, 0), lost(b, 1)};
  return before;
}

TEST(BattleModel, ShootersAndEnginesStrikeBeforeTheArmiesMeet) {
  struct Case {
    const char* name;
    Unit shooter;
    int16_t count;
  };
  for (const Case& c : {Case{"archers", Archer, 300}, Case{"long bows", LongBow, 300}, Case{"engineers", Enginer, 24}}) {
    Battle b(battleOf({armyOf(0, 60, {{SwordMan, 200}, {c.shooter, c.count}}), armyOf(1, 60, {{SwordMan, 200}})}), 3);
    const auto [ours, theirs] = lossesBeforeMelee(b);
    EXPECT_GT(theirs, 0) << c.name << " hit the enemy before any melee";
    EXPECT_EQ(ours, 0) << c.name;
  }
  Battle plain(battleOf({armyOf(0, 60, {{SwordMan, 200}}), armyOf(1, 60, {{SwordMan, 200}})}), 3);
  EXPECT_EQ(lossesBeforeMelee(plain), std::make_pair(0, 0)) << "no losses before contact without them";
}

TEST(BattleModel, HelebardersStandAgainstHorsemen) {
  // Horsemen fall faster before helebarders than before two-handed swordsmen, who strike
  // harder against anyone else.
  const auto cavalryLosses = [](Unit foot) {
    Battle b(battleOf({armyOf(0, 60, {{foot, 300}}), armyOf(1, 60, {{Cavalry, 300}})}), 8);
    lossesBeforeMelee(b);
    const int before = lost(b, 1);
    for (int i = 0; i < 5; ++i) b.step();
    return lost(b, 1) - before;
  };
  EXPECT_GT(cavalryLosses(Helebarder), cavalryLosses(TwoHand) * 3 / 2);
  EXPECT_GT(kUnitStats[rosterSlot(TwoHand)].attack, kUnitStats[rosterSlot(Helebarder)].attack);
}

TEST(BattleModel, TheCavalryChargeStrikesHardestAtFirst) {
  Battle b(battleOf({armyOf(0, 60, {{Champion, 200}}), armyOf(1, 90, {{SwordMan, 2000}})}), 5);
  const int before = lossesBeforeMelee(b).second;
  const int charge = lost(b, 1) - before;
  b.step();
  const int plain = lost(b, 1) - before - charge;
  EXPECT_GT(charge, plain * 3 / 2) << "the first blow of the charge, then plain fighting";
}

TEST(BattleModel, MonksAndTheWarlordKeepAnArmyInHeart) {
  const auto morale = [](std::initializer_list<std::pair<Unit, int16_t>> extra) {
    FightArmy a = armyOf(0, 50, {{SwordMan, 300}});
    for (auto [u, n] : extra) a.Counts[rosterSlot(u)] = n;
    Battle b(battleOf({a, armyOf(1, 50, {{TwoHand, 300}})}), 9);
    for (int i = 0; i < 60 && b.step();) ++i;
    return b.armies()[0].morale;
  };
  const float plain = morale({});
  EXPECT_GT(morale({{Monk, 5}}), plain + 5);
  EXPECT_GT(morale({{Warlord, 1}}), plain + 5);
}

TEST(BattleModel, TheFallOfTheWarlordShakesHisArmy) {
  // A warlord alone in front of archers: he falls, and his army's heart with him.
  FightIn in = battleOf({armyOf(0, 80, {{Warlord, 1}, {Monk, 1}}), armyOf(1, 80, {{Archer, 3000}})});
  Battle b(in, 3);
  while (!b.armies()[0].warlordFell && b.step()) {
  }
  ASSERT_TRUE(b.armies()[0].warlordFell);
  EXPECT_LE(b.armies()[0].morale, 80 - 30 + 1.5f);
}

TEST(BattleModel, ABrokenArmyFleesWithItsSurvivors) {
  const FightIn in = battleOf({armyOf(0, 20, {{ClubMan, 500}}), armyOf(1, 90, {{SwordMan, 500}, {Archer, 200}})});
  Battle b(in, 4);
  b.finish();
  EXPECT_TRUE(b.armies()[0].routed);
  const FightOut r = b.result();
  EXPECT_FALSE(r.won());
  EXPECT_GT(r.Armies[0].Survivors[rosterSlot(ClubMan)], 100) << "the fled keep their lives";
  EXPECT_EQ(r.OurDead, 500 - r.Armies[0].Survivors[rosterSlot(ClubMan)]);
}

TEST(BattleModel, WallsShieldTheDefendersOfACastle) {
  // An assault that wins in the open field fails against the same army on its walls.
  int field = 0, castle = 0;
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    const std::vector<FightArmy> armies = {armyOf(0, 70, {{SwordMan, 500}}), armyOf(1, 70, {{SwordMan, 450}})};
    field += resolveBattle(battleOf(armies, kKindField), seed).won();
    castle += resolveBattle(battleOf(armies, kKindCastle), seed).won();
  }
  EXPECT_EQ(field, 10);
  EXPECT_EQ(castle, 0);
  Battle siege(battleOf({armyOf(0, 70, {{Enginer, 24}, {SwordMan, 100}}), armyOf(1, 70, {{SwordMan, 300}})}, kKindCastle), 1);
  const float wall = siege.wallBonus();
  for (int i = 0; i < 80; ++i) siege.step();
  EXPECT_LT(siege.wallBonus(), wall) << "the engines wear the walls down";
}

TEST(BattleModel, TheCountysOwnWallsShieldItsDefenders) {
  // A host that beats the county's army in the open field is held off when the army
  // defends its own castle; an assault kind would put the host on the walls instead.
  int field = 0, defence = 0, assault = 0;
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    const std::vector<FightArmy> armies = {armyOf(0, 70, {{SwordMan, 450}}), armyOf(1, 70, {{SwordMan, 500}})};
    field += resolveBattle(battleOf(armies, kKindField), seed).won();
    defence += resolveBattle(battleOf(armies, kKindCastleDefence), seed).won();
    assault += resolveBattle(battleOf(armies, kKindCastle), seed).won();
  }
  EXPECT_EQ(field, 0);
  EXPECT_EQ(defence, 10);
  EXPECT_EQ(assault, 0);
}

TEST(BattleModel, SidesDecideFriendAndFoe) {
  // Two armies of one side have no foe: the battle is over before it starts.
  Battle friends(battleOf({armyOf(0, 50, {{SwordMan, 100}}), armyOf(0, 50, {{SwordMan, 100}})}), 1);
  EXPECT_TRUE(friends.over());
  const FightOut peace = friends.result();
  EXPECT_TRUE(peace.won());
  EXPECT_EQ(peace.OurDead + peace.EnemyDead, 0);
  EXPECT_EQ(peace.Armies[1].Survivors[rosterSlot(SwordMan)], 100);
  // An ally turns a lost battle into a won one, and its dead count as ours.
  const FightArmy player = armyOf(0, 60, {{SwordMan, 200}});
  const FightArmy enemy = armyOf(1, 60, {{SwordMan, 400}});
  FightArmy ally = armyOf(0, 60, {{SwordMan, 400}});
  const FightOut alone = resolveBattle(battleOf({player, enemy}), 2);
  const FightOut allied = resolveBattle(battleOf({player, enemy, ally}), 2);
  EXPECT_FALSE(alone.won());
  EXPECT_TRUE(allied.won());
  int allyDead = 400 - allied.Armies[2].Survivors[rosterSlot(SwordMan)];
  EXPECT_EQ(allied.OurDead, 200 - allied.Armies[0].Survivors[rosterSlot(SwordMan)] + allyDead);
  // An empty enemy army: won without a blow.
  const FightOut walkover = resolveBattle(battleOf({player, armyOf(1, 60, {})}), 2);
  EXPECT_TRUE(walkover.won());
  EXPECT_EQ(walkover.OurDead, 0);
}

}  // namespace
}  // namespace fief::battle
