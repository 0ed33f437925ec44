// What the build screen says each building opens, and that the rules behind it do what it
// says: the unit types the stables open are refused without them, the castle stage shelters
// the army it names and pays the gold and nobility it names, the thieves' guild hauls and
// is broken up on the turns it names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "turn/building_opens.h"
#include "military/armies.h"
#include "military/levy.h"
#include "rules_fixture.h"
#include "state/kinds.h"
#include "text_names.h"
#include "turn/turn.h"

namespace fief {
namespace {

using Lines = std::vector<std::string>;

struct BuildingOpens : test::RulesFixture {
  BuildingOpens() { startCampaign(); }
};

TEST_F(BuildingOpens, EachBuildingSaysWhatItOpens) {
  const struct {
    int kind;
    Lines lines;
  } cases[] = {
      {kBlacksmithBuilding,
       {"Forges: Bow, Club, Sword, Halberd, Two-handed sword, Mace, Pike, Cross, Chain mail, Plate armour, Shield"}},
      {kBarracksBuilding,
       {"Raises: Monk, Archer, Clubman, Swordsman, Halberdier, Two-hander, Templar, Paladin, Engineer, Longbowman, "
        "Warlord"}},
      {kStablesBuilding, {"Raises: Cavalry, Heavy Cavalry, Champion"}},
      {kMarketBuilding, {"Nothing on this level needs it."}},
      {kThievesGuildBuilding,
       {"A haul of gold, wood, stone and ore, every so many turns: 2",
        "Broken up by the sheriff, at the latest after turns: 9"}},
      {kKeepBuilding, {"Largest army it shelters: 400", "Gold each turn per 100 people: 2"}},
      {kBaileyBuilding, {"Largest army it shelters: 600", "Gold each turn per 100 people: 5"}},
      {kFortBuilding,
       {"Largest army it shelters: 700", "Gold each turn per 100 people: 6", "Nobility each turn: +1"}},
      {kStrongholdBuilding, {"Largest army it shelters: 1500", "Gold each turn per 100 people: 10"}},
      {kCastleBuilding,
       {"Largest army it shelters: 1100", "Gold each turn per 100 people: 8", "Nobility each turn: +2"}},
      {kNoBuilding, {}},
      {11, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(buildingOpens(g, c.kind), c.lines) << "building " << c.kind;
}

TEST_F(BuildingOpens, TheStablesOpenExactlyTheTypesTheyName) {
  // A devout county, so that only the stables can stand in a type's way.
  g.s.Religion = 100;
  for (int type = 1; type <= 14; ++type) {
    const bool named = buildingOpens(g, kStablesBuilding)[0].find(g.text(txt::campaign1::UnitNames[type])) !=
                       std::string::npos;
    GameState s = g.s;
    s.StablesBuilt = kFalse;
    EXPECT_EQ(SelectRecruitType(s, type), named ? 23 : kDone) << "type " << type << " without the stables";
    s.StablesBuilt = kTrue;
    EXPECT_EQ(SelectRecruitType(s, type), kDone) << "type " << type << " with the stables";
  }
}

TEST_F(BuildingOpens, ACastleStageDoesWhatItSays) {
  for (int stage = 0; stage < 5; ++stage) {
    GameState s = g.s;
    s.CastleStageBuilt = {};
    s.CastleStageBuilt[stage] = kTrue;
    const int shelters = kStageCapacity[stage];
    EXPECT_TRUE(castleEntry(s, shelters).enters) << "stage " << stage;
    EXPECT_FALSE(castleEntry(s, shelters + 1).enters) << "stage " << stage;
    s.People = 10000;
    s.Gold = 0;
    s.Nobility = 10;
    CastleIncome(s);
    EXPECT_EQ(s.Gold, kCastleYield[stage].goldPercent * 100) << "stage " << stage;
    EXPECT_EQ(s.Nobility, 10 + kCastleYield[stage].nobility) << "stage " << stage;
  }
}

TEST_F(BuildingOpens, TheThievesGuildHaulsAndIsBrokenUpOnTheTurnsItNames) {
  g.s.ThievesBuilt = kTrue;
  g.s.ThiefLootGold = 0;
  g.s.TurnCounter = kThievesHaulEvery * 5 + 1;  // no haul
  ThievesGuild(g);
  EXPECT_EQ(g.s.ThiefLootGold, 0);
  g.s.TurnCounter = kThievesHaulEvery * 5;
  ThievesGuild(g);
  EXPECT_GE(g.s.ThiefLootGold, 100);
  EXPECT_TRUE(isSet(g.s.ThievesBuilt));
  g.s.TurnCounter = kThievesBrokenUpEvery * 3;
  ThievesGuild(g);
  EXPECT_FALSE(isSet(g.s.ThievesBuilt));
}

}  // namespace
}  // namespace fief
