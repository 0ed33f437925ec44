// The saved game record: its size, the place and width of fields, the special copy
// rules, and damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "campaign/save_games.h"
#include "campaign/files.h"
#include "campaign/game_tables.h"
#include "state/save_record.h"
#include "state/state_json.h"
#include "test_support.h"

namespace fief {
namespace {

uint32_t le(const std::vector<uint8_t>& b, size_t off, int width) {
  uint32_t v = 0;
  for (int i = 0; i < width; ++i) v |= static_cast<uint32_t>(b[off + i]) << (8 * i);
  return v;
}

TEST(SaveRecord, FieldsStandAtTheirOffsets) {
  GameState s;
  s.CurrentLevel = 15;
  s.PlayerInGame = kTrue;
  s.SiegeState2 = 77;
  s.Gold = 0x01020304;
  s.People = 5000;
  s.Happiness = -3;
  s.TaxRate = 30;
  s.GuardTrainingCountdown = 9;
  s.LastHealth = 44;
  s.Morale = 12.5f;
  s.TournamentStake = 700;
  s.TaxFieldCount = 3;
  s.SelectedCamp = 2;
  s.OreCutterSlots[4] = 1;
  s.BlacksmithOrder = 6;
  s.MaceStock = 123;
  s.ShieldStock = 321;
  s.CampMovesLeft[2] = 3;
  s.GuardScreenValue[3] = 8;
  s.CampComposition[2].set(Enginer, 300);
  s.CastleStageBuilt[4] = kTrue;
  s.FieldKind[9] = 4;
  s.Religion = 66;
  s.RivalRelation[1] = 100;
  s.Rival1.People = 2000;
  s.Rival1.Bytes[2] = 5;
  s.EnemyCamp[2].Enginer = 9;
  s.Rival2.Gold = 2000;
  s.EnemyCamp[4].Warlord = 1;
  s.MapEventFlags[2] = kTrue;
  s.OpponentArmySlots[5].set(Monk, 3);
  s.OpponentArmySlots[0].set(Archer, 740);
  s.OpponentArmySlots[5].set(LongBow, 11);
  s.OpponentArmySlots[3].set(Enginer, 2);
  s.TipFlags[1] = 1;
  s.BattleArmy.set(Enginer, 24);

  const auto b = encodeSave(s);
  ASSERT_EQ(b.size(), kSaveRecordSize);
  struct { size_t off; int width; uint32_t want; const char* what; } cases[] = {
      {0, 1, 15, "CurrentLevel"},          {1, 2, 0xFFFF, "PlayerInGame"},
      {12, 1, 77, "SiegeState2"},          {13, 4, 0x01020304, "Gold"},
      {37, 4, 5000, "People"},             {41, 2, 0xFFFD, "Happiness"},
      {45, 1, 30, "TaxRate"},              {51, 1, 9, "GuardTrainingCountdown"},
      {82, 2, 44, "LastHealth"},           {98, 4, 0x41480000, "Morale"},
      {108, 2, 700, "TournamentStake"},    {116, 1, 3, "TaxFieldCount"},
      {123, 1, 2, "SelectedCamp"},         {150, 1, 1, "OreCutterSlots 5"},
      {151, 1, 6, "BlacksmithOrder"},      {167, 2, 123, "MaceStock"},
      {177, 2, 321, "ShieldStock"},        {193, 1, 3, "CampMovesLeft 3"},
      {199, 1, 8, "GuardScreenValue 4"},   {252 + 24, 2, 300, "camp 3 Enginer"},
      {298, 2, 0xFFFF, "CastleStageBuilt 5"}, {334, 1, 4, "FieldKind 10"},
      {342, 2, 66, "Religion"},            {372, 1, 100, "RivalRelation 2"},
      {388, 4, 2000, "Rival1 people"},     {421, 1, 5, "Rival1 last byte"},
      {472 + 24, 1, 9, "EnemyCamp 3 Enginer"}, {499, 4, 2000, "Rival2 gold"},
      {568 + 23, 1, 1, "EnemyCamp 5 Warlord"}, {611, 2, 0xFFFF, "MapEventFlags 3"},
      {618, 1, 3, "slot 5 Monk"},          {619, 2, 740, "slot 0 Archer"},
      {619 + 12 * 10 + 10, 2, 11, "slot 5 LongBow"}, {757 + 3, 1, 2, "slot 3 Enginer"},
      {765, 2, 1, "TipFlags 2"},           {791, 1, 24, "BattleArmy Enginer"},
  };
  for (auto& c : cases) EXPECT_EQ(le(b, c.off, c.width), c.want) << c.what << " at " << c.off;
}

// The whole layout of the record, field by field as the game's save format lays it out
// (offset, width), each field set to its own value: a field moved, widened or swapped with
// its neighbour shows at its offset. The layout covers every byte but the reserved one.
TEST(SaveRecord, EveryFieldStandsAtItsOffsetInItsWidth) {
  struct Place { std::string path; size_t off; int width; };
  std::vector<Place> layout;
  size_t at = 0;
  auto put = [&](const std::string& path, int width) { layout.push_back({path, at, width}); at += width; };
  auto row = [&](std::initializer_list<const char*> names, int width) { for (const char* n : names) put(n, width); };
  auto arr = [&](const std::string& name, int n, int width) {
    for (int i = 0; i < n; ++i) put(name + "[" + std::to_string(i) + "]", width);
  };
  // Monk u8, Archer .. LongBow i16, Warlord u8, Enginer i16 in a player's camp, u8 elsewhere.
  auto army = [&](const std::string& name, int enginerWidth) {
    put(name + "[0]", 1);
    for (int u = 1; u <= 11; ++u) put(name + "[" + std::to_string(u) + "]", 2);
    put(name + "[12]", 1);
    put(name + "[13]", enginerWidth);
  };
  auto rival = [&](const std::string& r, int values, int bytes) {
    put(r + ".Active", 2);
    put(r + ".Gold", 4);
    put(r + ".TaxRate", 1);
    put(r + ".Morale", 4);
    put(r + ".Happiness", 4);
    put(r + ".People", 4);
    for (const char* m : {"Leadership", "Nobility", "Diplomacy", "Religion"}) put(r + "." + m, 2);
    for (const char* m : {"AssassinLevel", "DevelopmentLevel", "DevelopmentCountdown"}) put(r + "." + m, 1);
    arr(r + ".Values", values, 2);
    arr(r + ".Bytes", bytes, 1);
  };
  put("CurrentLevel", 1);
  put("PlayerInGame", 2);
  row({"TurnCounter", "ResultMark1", "ResultMark2", "Season", "Rival1WarState", "Rival2WarState", "SiegeState1",
       "Rival1AttackState", "Rival2AttackState", "SiegeState2"}, 1);
  row({"Gold", "Wood", "Stone", "Ore", "Crops", "Meat", "People"}, 4);
  row({"Happiness", "Health"}, 2);
  put("TaxRate", 1);
  put("ChurchTithe", 2);
  row({"ScienceLevel", "ResearchCountdown", "GuardLevel", "GuardTrainingCountdown"}, 1);
  row({"LastGold", "LastWood", "LastStone", "LastOre", "LastCrops", "LastMeat", "LastPeople"}, 4);
  row({"LastHappiness", "LastHealth"}, 2);
  put("IdlePeople", 4);
  row({"CropFieldPeople", "PasturePeople", "CropYield", "MeatYield"}, 2);
  row({"MeatLossToWolves", "CropLossToBirds"}, 1);
  put("Morale", 4);
  row({"EatMeat", "EatCrops", "TournamentHeld", "TournamentStake"}, 2);
  row({"ThiefLootGold", "ThiefLootWood", "ThiefLootStone", "ThiefLootOre", "GarrisonFoodMark", "CastleGarrisonCamp",
       "TaxFieldCount"}, 1);
  arr("CampWaypoint", 3, 1);
  row({"WalkDirection", "OutlawBand", "SpareByte", "SelectedCamp"}, 1);
  for (const char* c : {"WoodCutter", "StoneCutter", "OreCutter"}) {
    put(std::string(c) + "People", 2);
    put(std::string(c) + "s", 2);
    arr(std::string(c) + "Slots", 5, 1);
  }
  put("BlacksmithOrder", 1);
  row({"BowStock", "LongBowStock"}, 2);
  put("WarlordGearStock", 1);
  row({"EnginerGearStock", "ClubStock", "SwordStock", "HelebardStock", "TwoHandStock", "MaceStock", "PikeStock",
       "CrossStock", "ChainMailStock", "PlateStock", "ShieldStock"}, 2);
  arr("ArmyCampSoldiers", 3, 2);
  arr("CampExists", 3, 2);
  arr("CampMovesLeft", 3, 1);
  row({"ObjectMissionCountdown", "ObjectMissionTarget"}, 1);
  arr("GuardScreenValue", 4, 1);
  for (int c = 0; c < 3; ++c) army("CampComposition[" + std::to_string(c) + "]", 2);
  row({"BuildTurnsLeft", "BuildingUnderWay"}, 1);
  row({"BlacksmithBuilt", "BarracksBuilt", "StablesBuilt", "MarketBuilt", "ThievesBuilt"}, 2);
  arr("CastleStageBuilt", 5, 2);
  arr("CountyBlessings", 10, 1);
  row({"RuinsQuiet", "CaveQuiet"}, 2);
  arr("VillageState", 3, 1);
  arr("WindmillState", 3, 1);
  row({"OutpostState", "MapObjectByte"}, 1);
  arr("ChestState", 3, 1);
  arr("FieldKind", 10, 1);
  ASSERT_EQ(at, 335u);
  ++at;  // the reserved byte
  row({"Leadership", "Nobility", "Diplomacy", "Religion"}, 2);
  row({"SellPercent", "BuyPercent", "SellGood", "BuyGood"}, 1);
  row({"BuyBaseWood", "BuyBaseStone", "BuyBaseOre"}, 4);
  put("DiploMark", 1);
  arr("CountyRelation", 10, 1);
  arr("RivalRelation", 2, 1);
  ASSERT_EQ(at, 373u);
  rival("Rival1", 8, 3);
  for (int c = 0; c < 3; ++c) army("EnemyCamp[" + std::to_string(c) + "]", 1);
  ASSERT_EQ(at, 497u);
  rival("Rival2", 7, 2);
  for (int c = 3; c < 5; ++c) army("EnemyCamp[" + std::to_string(c) + "]", 1);
  ASSERT_EQ(at, 593u);
  put("RebelsActive", 2);
  arr("RebelCounters", 2, 2);
  row({"RebelForceA", "RebelForceB", "RebelForceC", "RebelForceD"}, 2);
  arr("MapEventFlags", 3, 2);
  ASSERT_EQ(at, 613u);
  // The opposing armies counter by counter, each for slots 0..5.
  for (int u = 0; u < kUnitCount; ++u)
    for (int slot = 0; slot < 6; ++slot)
      put("OpponentArmySlots[" + std::to_string(slot) + "][" + std::to_string(u) + "]",
          u == Monk || u == Warlord || u == Enginer ? 1 : 2);
  arr("TipFlags", 2, 2);
  army("BattleArmy", 1);
  ASSERT_EQ(at, kSaveRecordSize);

  GameState s;
  std::string err;
  std::vector<uint32_t> want;
  for (size_t k = 0; k < layout.size(); ++k) {
    // A value of its own for every field, with no zero byte (bytes 1..250 and 0x01..).
    const uint32_t v = layout[k].width == 1 ? 1 + k % 250 : 0x0101 + static_cast<uint32_t>(k);
    if (layout[k].path == "Morale" || layout[k].path.ends_with(".Morale")) {
      const float f = static_cast<float>(k) + 0.5f;
      ASSERT_TRUE(setField(s, layout[k].path, f, err)) << err;
      uint32_t bits;
      std::memcpy(&bits, &f, 4);
      want.push_back(bits);
    } else {
      ASSERT_TRUE(setField(s, layout[k].path, v, err)) << layout[k].path << ": " << err;
      want.push_back(v);
    }
  }
  const auto b = encodeSave(s);
  ASSERT_EQ(b.size(), kSaveRecordSize);
  for (size_t k = 0; k < layout.size(); ++k)
    EXPECT_EQ(le(b, layout[k].off, layout[k].width), want[k]) << layout[k].path << " at " << layout[k].off;
  EXPECT_EQ(b[335], 0) << "the reserved byte";
}

// Every byte of the record belongs to a field the script runner can name: setting every
// saved field to a value with no zero byte leaves no zero byte in the record (but the
// reserved one).
TEST(SaveRecord, EveryByteBelongsToANamedField) {
  GameState s;
  nlohmann::json all = savedStateToJson(s);
  std::vector<std::string> leaves;
  std::function<void(const nlohmann::json&, const std::string&)> walk = [&](const nlohmann::json& j, const std::string& path) {
    if (j.is_array()) {
      for (size_t i = 0; i < j.size(); ++i) walk(j[i], path + "[" + std::to_string(i) + "]");
    } else if (j.is_object()) {
      for (auto& [k, v] : j.items()) walk(v, path.empty() ? k : path + "." + k);
    } else if (j.is_number()) {
      leaves.push_back(path);
    }
  };
  walk(all, "");
  std::string err;
  for (const auto& leaf : leaves) {
    bool ok = false;
    for (long v : {16843009L, 257L, 1L})
      if ((ok = setField(s, leaf, v, err))) break;
    ASSERT_TRUE(ok) << leaf << ": " << err;
  }
  const auto b = encodeSave(s);
  for (size_t i = 0; i < b.size(); ++i)
    if (i != 335) EXPECT_NE(b[i], 0) << "byte " << i << " belongs to no named field";
}

// A real number is written into a 32-bit float field only when it fits, and reads back as
// the nearest float.
TEST(SaveRecord, RealFieldsTakeOnlyWhatFits) {
  GameState s;
  s.Morale = 12.5f;
  std::string err;
  for (double bad : {1e300, -1e300, 3.5e38}) {
    EXPECT_FALSE(setField(s, "Morale", bad, err)) << bad;
    EXPECT_FALSE(err.empty());
    EXPECT_EQ(s.Morale, 12.5f) << bad;
  }
  for (double good : {-100.0, 0.1, 3.4e38}) {
    ASSERT_TRUE(setField(s, "Morale", good, err)) << good << ": " << err;
    nlohmann::json back;
    ASSERT_TRUE(getField(s, "Morale", back, err));
    EXPECT_EQ(back.get<double>(), static_cast<double>(static_cast<float>(good)));
  }
}

TEST(SaveRecord, RoundTripKeepsSavedFieldsAndTheLiveBattleArmy) {
  GameState s;
  s.Gold = 123456;
  s.ChurchTithe = 70000;  // only its low 16 bits are kept, sign-extended
  s.CampComposition[1].set(Warlord, 1);
  s.Rival2.Values[6] = -5;
  s.BattleArmy.set(Archer, 55);
  s.Difficulty = 3;
  const auto b = encodeSave(s);

  GameState live;
  live.BattleArmy.set(Archer, 9);
  live.Difficulty = 2;
  std::string err;
  ASSERT_TRUE(decodeSave(b, live, err)) << err;
  EXPECT_EQ(live.Gold, 123456);
  EXPECT_EQ(live.ChurchTithe, static_cast<int16_t>(70000 & 0xFFFF));
  EXPECT_EQ(live.CampComposition[1].get(Warlord), 1);
  EXPECT_EQ(live.Rival2.Values[6], -5);
  EXPECT_EQ(live.BattleArmy.get(Archer), 9) << "a load leaves the battle army as it is";
  EXPECT_EQ(live.Difficulty, 2) << "the difficulty is not saved";
  EXPECT_EQ(encodeSave(live).size(), kSaveRecordSize);
}

TEST(SaveRecord, ShortOrEmptyDataIsRefusedAndLeavesTheStateAlone) {
  GameState live;
  live.Gold = 42;
  std::string err;
  for (size_t n : {size_t{0}, size_t{1}, size_t{791}}) {
    std::vector<uint8_t> b(n, 0xAB);
    EXPECT_FALSE(decodeSave(b, live, err)) << n;
    EXPECT_NE(err.find("792"), std::string::npos) << err;
    EXPECT_EQ(live.Gold, 42);
  }
  std::vector<uint8_t> longer = encodeSave(GameState{});
  longer.resize(900, 0xFF);  // a longer file holds the record first
  EXPECT_TRUE(decodeSave(longer, live, err));
}

using SaveGames = test::GameFixture;

TEST_F(SaveGames, WriteThenReadRestoresTheGame) {
  startCampaign(2);
  g.s.Gold = 777;
  g.s.FieldKind[3] = 2;
  std::string err;
  ASSERT_TRUE(WriteSave(g, "Mine", err)) << err;
  EXPECT_EQ(std::filesystem::file_size(savePath(g, "Mine")), kSaveRecordSize);
  const auto saved = savedStateToJson(g.s);
  g.s.Gold = 1;
  g.s.FieldKind[3] = 0;
  ASSERT_TRUE(ReadSave(g, "Mine", err)) << err;
  EXPECT_EQ(savedStateToJson(g.s), saved);
}

// The difficulty is not saved: a game saved at difficulty 1 and loaded in a run at another
// difficulty keeps its stocks and plays with the tables of the run's difficulty, the
// blacksmith's batches grown for the saved science level.
TEST_F(SaveGames, ALoadTakesTheTablesOfTheRunsDifficulty) {
  startCampaign(1);
  g.s.Gold = 31337;
  g.s.ScienceLevel = 3;
  std::string err;
  ASSERT_TRUE(WriteSave(g, "Saved at 1", err)) << err;
  struct { int difficulty; int woodYield; int cropYield; } cases[] = {{1, 255, 550}, {2, 155, 450}, {3, 100, 400}};
  for (const auto& c : cases) {
    g.s.Difficulty = static_cast<uint8_t>(c.difficulty);
    g.s.Gold = 1;
    g.tables = makeGameTables(1, 1);
    ASSERT_TRUE(ReadSave(g, "Saved at 1", err)) << err;
    EXPECT_EQ(g.s.Difficulty, c.difficulty);
    EXPECT_EQ(g.s.Gold, 31337) << "difficulty " << c.difficulty;
    EXPECT_EQ(g.tables.Places[WoodPlace].Yield, c.woodYield) << "difficulty " << c.difficulty;
    EXPECT_EQ(g.tables.Places[CropPlace].Yield, c.cropYield) << "difficulty " << c.difficulty;
    EXPECT_EQ(g.tables.item(Club).Batch, 46);
    EXPECT_EQ(g.tables.item(Plate).Batch, 38);
    EXPECT_EQ(g.tables.item(Cross).Batch, 1);
  }
}

TEST_F(SaveGames, DamagedSaveNamesTheFileAndKeepsTheGame) {
  startCampaign();
  std::string err;
  ASSERT_TRUE(writeFileAtomic(savePath(g, "Broken"), std::vector<uint8_t>(100, 1), err));
  g.s.Gold = 555;
  EXPECT_FALSE(ReadSave(g, "Broken", err));
  EXPECT_NE(err.find("Broken.s15"), std::string::npos) << err;
  EXPECT_EQ(g.s.Gold, 555);
  EXPECT_FALSE(ReadSave(g, "Missing", err));
  EXPECT_EQ(g.s.Gold, 555);
}

TEST(SaveNames, NamesThatLeaveTheSaveFolderAreRefused) {
  std::string why;
  for (const char* bad : {"", "../x", "/x", "a/b", "a\\b", ".hidden", "..", "tab\there"})
    EXPECT_FALSE(validSaveName(bad, why)) << bad;
  for (const char* good : {"AutoSave", "Save and Exit", "Winter of 1204", "x"}) EXPECT_TRUE(validSaveName(good, why)) << good;
  EXPECT_FALSE(validSaveName(std::string(65, 'a'), why));
}

}  // namespace
}  // namespace fief
