// The battle hand-over built from the state, byte for byte, and the results applied.
#include <gtest/gtest.h>

#include <functional>

#include "military/armies.h"
#include "military/battle_handover.h"

namespace fief {
namespace {

struct BattleTest : ::testing::Test {
  GameState s;
  BattleEnvironment env;
  BattleRequest r;
  Rng rng{3};
  std::array<uint8_t, kSettingCount> previous{};

  BattleTest() {
    s.Season = 1;
    s.Morale = 64.9f;
    s.ScrollSpeed = 1.0f;
    s.CampExists = {kTrue, kTrue, kFalse};
    CampComp& c = s.CampComposition[1];
    c.set(Archer, 300);
    c.set(Monk, 2);
    c.set(LongBow, 7);
    c.set(Warlord, 1);
    c.set(Enginer, 30);
    s.ArmyCampSoldiers = {0, static_cast<int16_t>(c.total()), 0};
    r.mapName = "field1";
    r.camp = 2;
    r.enemy.set(ClubMan, 505);
    r.enemyMorale = 41.7f;
  }
  std::vector<uint8_t> bytes() {
    std::vector<uint8_t> out;
    std::string err;
    EXPECT_TRUE(encodeFightIn(BuildFightIn(s, env, r, rng, previous), out, err)) << err;
    return out;
  }
};

TEST_F(BattleTest, HandOverBytes) {
  // Winter, low detail, auto-calculation, a Viking enemy (its roster reduced to 11).
  s.Season = 4;
  s.Advanced.AutoCalcOption = kTrue;
  s.Advanced.Tooltips = kTrue;
  s.Advanced.MusicAttenuation = -2500;
  s.Advanced.SoundAttenuation = 0;
  s.ScienceLevel = 6;
  s.MapObjectByte = 9;
  env.highDetail = false;
  env.soundAvailable = true;
  r.enemyKind = 1;
  const std::string map = "\\level15\\field1_low_winter.mbf";
  std::vector<uint8_t> want = {static_cast<uint8_t>(map.size())};
  want.insert(want.end(), map.begin(), map.end());
  auto u16 = [&](int v) {
    want.push_back(static_cast<uint8_t>(v & 0xFF));
    want.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
  };
  auto text = [&](const std::string& t) {
    want.push_back(static_cast<uint8_t>(t.size()));
    want.insert(want.end(), t.begin(), t.end());
  };
  u16(505);
  u16(0);
  // science, county byte, season (winter: 0), fade, map scale 1.0, map animation off,
  // further display option off, music 75, sound 100, advanced flag, tooltips
  for (int b : {1, 9, 0, 1, 2, 1, 1, 75, 100, 0, 1}) want.push_back(static_cast<uint8_t>(b));
  want.push_back(0);  // battle kind
  want.push_back(2);  // armies
  text("The Lions");
  for (int b : {0x00, 0xFF, 0x00, 0x00}) want.push_back(static_cast<uint8_t>(b));  // green
  want.push_back(0);  // side
  u16(64);            // Int(64.9)
  want.push_back(0);  // full roster
  // Archer, Helebarder, ClubMan, SwordMan, TwoHand, Cavalry, HCavalry, Champion,
  // Templar, Paladin, Enginer (30 -> 24), LongBow, Warlord, Monk
  for (int n : {300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 24, 7, 1, 2}) u16(n);
  text("Viking army");
  for (int b : {0xFF, 0x00, 0x00, 0x00}) want.push_back(static_cast<uint8_t>(b));  // red
  want.push_back(1);
  u16(41);
  want.push_back(1);  // reduced: eleven counts
  for (int n : {0, 0, 505, 0, 0, 0, 0, 0, 0, 0, 0}) u16(n);
  EXPECT_EQ(bytes(), want);
  // The auto-calculation code follows the map name, low byte first.
  EXPECT_EQ(want[1 + map.size()], 0xF9);
  EXPECT_EQ(want[2 + map.size()], 0x01);
}

TEST_F(BattleTest, MapNamesAndSettings) {
  struct Case { uint8_t season; bool high, own; const char* name; };
  const Case cases[] = {
      {1, true, false, "\\level15\\field1.mbf"},
      {4, true, false, "\\level15\\field1_winter.mbf"},
      {2, false, false, "\\level15\\field1_low.mbf"},
      {4, false, false, "\\level15\\field1_low_winter.mbf"},
      {3, true, true, "field1.mbf"},
  };
  for (const Case& c : cases) {
    s.Season = c.season;
    env.highDetail = c.high;
    env.levelHasOwnMaps = c.own;
    EXPECT_EQ(BuildFightIn(s, env, r, rng, previous).MapName, c.name);
  }
  // The season byte keeps its last value while the display option is set.
  s.Season = 2;
  previous[kSetSeason] = 7;
  EXPECT_EQ(BuildFightIn(s, env, r, rng, previous).Settings[kSetSeason], 2);
  env.displayOption = 1;
  EXPECT_EQ(BuildFightIn(s, env, r, rng, previous).Settings[kSetSeason], 7);
  // Map scale: 0.5 -> 0, 1.0 -> 2, anything else 4; no sound device, no volumes.
  const std::pair<float, int> scales[] = {{0.5f, 0}, {1.0f, 2}, {1.5f, 4}, {2.0f, 4}};
  for (auto [f, code] : scales) {
    s.ScrollSpeed = f;
    const FightIn in = BuildFightIn(s, env, r, rng, previous);
    EXPECT_EQ(in.Settings[kSetMapScale], code);
    EXPECT_EQ(in.Settings[kSetMusicVolume], 0);
  }
}

TEST_F(BattleTest, ArmiesByKindAndAllies) {
  r.armies = 4;
  struct Case { uint8_t allies; const char* n2; const char* n3; uint8_t side2, side3; };
  const Case modes[] = {{0, "", "", 2, 3}, {1, "Allied army", "Allied army", 0, 0},
                        {2, "Allied army", "Enemy army", 0, 1}, {3, "Enemy army", "Enemy army", 1, 1}};
  for (const Case& m : modes) {
    r.alliesMode = m.allies;
    rng.queue({0.0, 0.999});
    const FightIn in = BuildFightIn(s, env, r, rng, previous);
    ASSERT_EQ(in.Armies.size(), 4u);
    EXPECT_EQ(in.Armies[2].Name, m.n2);
    EXPECT_EQ(in.Armies[3].Name, m.n3);
    EXPECT_EQ(in.Armies[2].Side, m.side2);
    EXPECT_EQ(in.Armies[3].Side, m.side3);
    EXPECT_EQ(in.Armies[2].Colour, fightColour(0, 0, 255));
    EXPECT_EQ(in.Armies[3].Colour, fightColour(255, 255, 0));
    EXPECT_EQ(in.Armies[2].Morale, 20);
    EXPECT_EQ(in.Armies[3].Morale, 49);
  }
  const uint8_t flags[6][4] = {{0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 1, 0}, {0, 1, 1, 1}, {1, 0, 0, 0}, {1, 1, 0, 0}};
  for (int kind = 0; kind <= 5; ++kind) {
    r.enemyKind = static_cast<uint8_t>(kind);
    const FightIn in = BuildFightIn(s, env, r, rng, previous);
    for (int a = 0; a < 4; ++a) EXPECT_EQ(in.Armies[a].Reduced, flags[kind][a]) << kind << " " << a;
    EXPECT_EQ(in.Armies[1].Name, kind == 1 ? "Viking army" : "Enemy army");
  }
  // A reduced player's roster (kind 5) leaves long-bowmen, warlord and monks at home.
  const FightArmy ours = BuildFightIn(s, env, r, rng, previous).Armies[0];
  EXPECT_EQ(ours.Counts[0], 300);
  EXPECT_EQ(ours.Counts[10], 24);
  EXPECT_EQ(ours.Counts[11] + ours.Counts[12] + ours.Counts[13], 0);
}

TEST_F(BattleTest, EngineersSentAreCappedAt24) {
  for (auto [have, sent] : {std::pair{30, 24}, {24, 24}, {10, 10}, {0, 0}}) {
    s.CampComposition[1].set(Enginer, have);
    EXPECT_EQ(BuildFightIn(s, env, r, rng, previous).Armies[0].Counts[10], sent);
  }
}

// ---- results

struct ResultsTest : BattleTest {
  FightOut out;
  CampComp sent;
  ResultsTest() {
    sent = soldiersSent(s.CampComposition[1], false);
    out.Outcome = 1;
    FightResultArmy a;
    a.Survivors = toRosterOrder({0, 250, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 1, 20});  // composition order
    out.Armies.push_back(a);
  }
};

TEST_F(ResultsTest, SurvivorsReplaceWhatWentInAndTheRestStaysHome) {
  rng.queue({0.0, 0.0, 0.0, 0.5, 0.999});
  const BattlePlunder p = ApplyBattleResults(s, 2, sent, out, rng);
  const CampComp& c = s.CampComposition[1];
  EXPECT_EQ(c.get(Archer), 250);
  EXPECT_EQ(c.get(Monk), 0);
  EXPECT_EQ(c.get(Enginer), 26);  // 20 came back, 6 never went
  EXPECT_EQ(s.ArmyCampSoldiers[1], c.total());
  EXPECT_EQ(s.ArmyCampSoldiers[1], 250 + 7 + 1 + 26);
  EXPECT_EQ(p.crops, 300);
  EXPECT_EQ(p.meat, 10);
  EXPECT_EQ(p.wood, 100);
  EXPECT_EQ(p.stone, 250);
  EXPECT_EQ(p.ore, 399);
  EXPECT_EQ(s.Crops, 300);
  EXPECT_EQ(s.Ore, 399);
}

TEST_F(ResultsTest, ALossDrawsNoPlunderAndNoSurvivorsEmptyTheCamp) {
  out.Outcome = 0;
  out.Armies[0].Survivors = {};
  s.CastleGarrisonCamp = 2;
  s.CampWaypoint[1] = 1;
  s.Crops = 5;
  rng.queue({0.7});
  sent = soldiersSent(s.CampComposition[1], false);
  // Only the six engineers who stayed home are left.
  ApplyBattleResults(s, 2, sent, out, rng);
  EXPECT_EQ(s.ArmyCampSoldiers[1], 6);
  EXPECT_EQ(s.Crops, 5);
  EXPECT_EQ(rng.queued(), 1u);
  s.CampComposition[1].set(Enginer, 24);
  s.ArmyCampSoldiers[1] = s.CampComposition[1].total();
  sent = soldiersSent(s.CampComposition[1], false);
  ApplyBattleResults(s, 2, sent, out, rng);
  EXPECT_EQ(s.ArmyCampSoldiers[1], 0);
  EXPECT_EQ(s.CampExists[1], kFalse);
  EXPECT_EQ(s.CampWaypoint[1], 0);
  EXPECT_EQ(s.CastleGarrisonCamp, 0);
}

TEST_F(ResultsTest, ResultsThatDoNotFitAreRefused) {
  std::string err;
  EXPECT_TRUE(checkResults(out, sent, err)) << err;
  struct Case { const char* what; std::function<void(FightOut&)> spoil; };
  const Case cases[] = {
      {"more archers than went", [](FightOut& o) { o.Armies[0].Survivors[0] = 301; }},
      {"a long-bowman more", [](FightOut& o) { o.Armies[0].Survivors[11] = 8; }},
      {"engineers beyond the 24 sent", [](FightOut& o) { o.Armies[0].Survivors[10] = 25; }},
      {"negative survivors", [](FightOut& o) { o.Armies[0].Survivors[2] = -1; }},
      {"negative dead", [](FightOut& o) { o.OurDead = -5; }},
      {"no army", [](FightOut& o) { o.Armies.clear(); }},
      // Army 0 went in with long-bowmen, a warlord and monks: a reduced roster would lose them.
      {"army 0 as a reduced roster", [](FightOut& o) { o.Armies[0].Reduced = 1; }},
  };
  for (const Case& c : cases) {
    FightOut bad = out;
    c.spoil(bad);
    err.clear();
    EXPECT_FALSE(checkResults(bad, sent, err)) << c.what;
    EXPECT_FALSE(err.empty());
  }
}

TEST_F(ResultsTest, AReducedRosterIsTakenWhenNoneOfItsLastTypesWentIn) {
  for (Unit u : {LongBow, Warlord, Monk}) s.CampComposition[1].set(u, 0);
  sent = soldiersSent(s.CampComposition[1], false);
  out.Armies[0].Reduced = 1;
  std::string err;
  EXPECT_TRUE(checkResults(out, sent, err)) << err;
}

}  // namespace
}  // namespace fief
