// The whole state of one campaign: one flat object, every field under its own name
// and in its exact width. The save codec (save_record.h) decides what is saved; the
// fields at the end of the struct live only for the run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/kinds.h"

namespace fief {

// A truth value as the game stores it: 16 bits, -1 true, 0 false.
using Flag = int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;
inline constexpr Flag toFlag(bool b) { return b ? kTrue : kFalse; }
inline constexpr bool isSet(Flag f) { return f != 0; }

// The "none" value of unsigned 8-bit fields and the idle value of countdowns.
constexpr uint8_t kNone = 200;

// Unit types in composition order (the order of every per-type counter block).
enum Unit : int {
  Monk, Archer, ClubMan, SwordMan, Helebarder, TwoHand, Cavalry, HCavalry,
  Champion, Templar, Paladin, LongBow, Warlord, Enginer, kUnitCount
};
extern const char* const kUnitNames[kUnitCount];

// One army's soldiers per unit type. Monk and Warlord are 8-bit; the Enginer counter
// is 16-bit in the player's camps and 8-bit in every other army (EnginerT).
template <typename EnginerT>
struct Composition {
  uint8_t Monk = 0;
  std::array<int16_t, 11> Mid{};  // Archer .. LongBow
  uint8_t Warlord = 0;
  EnginerT Enginer = 0;

  int get(int unit) const {
    if (unit == fief::Monk) return Monk;
    if (unit == fief::Warlord) return Warlord;
    if (unit == fief::Enginer) return Enginer;
    return Mid[unit - 1];
  }
  // Stores with the counter's own width (wrapping as the game's integers do).
  void set(int unit, long v) {
    if (unit == fief::Monk) Monk = static_cast<uint8_t>(v);
    else if (unit == fief::Warlord) Warlord = static_cast<uint8_t>(v);
    else if (unit == fief::Enginer) Enginer = static_cast<EnginerT>(v);
    else Mid[unit - 1] = static_cast<int16_t>(v);
  }
  long total() const {
    long t = 0;
    for (int u = 0; u < kUnitCount; ++u) t += get(u);
    return t;
  }
  void clear() { *this = Composition{}; }
  bool operator==(const Composition&) const = default;
};
using CampComp = Composition<int16_t>;   // a player's army camp
using ArmyComp = Composition<uint8_t>;   // rival camps, opponent slots, the battle army

// A rival lord's record. NV is the count of 16-bit values after the bytes (8 for rival
// lord 1, 7 for rival lord 2): the first five are the castle stage flags; NB trailing bytes.
template <int NV, int NB>
struct RivalRecord {
  Flag Active = kFalse;
  int32_t Gold = 0;
  uint8_t TaxRate = 0;
  float Morale = 0.0f;
  int32_t Happiness = 0;
  int32_t People = 0;
  int16_t Leadership = 0, Nobility = 0, Diplomacy = 0, Religion = 0;
  uint8_t AssassinLevel = 0, DevelopmentLevel = 0, DevelopmentCountdown = 0;
  std::array<int16_t, NV> Values{};  // [0..4] castle stages keep .. castle, then spare values
  std::array<uint8_t, NB> Bytes{};
};
using Rival1Record = RivalRecord<8, 3>;
using Rival2Record = RivalRecord<7, 2>;

// The in-game options record, stored in Advanced.rz.
struct AdvancedSettings {
  Flag MapAnimation = kFalse;
  Flag DeleteMessagesOption = kFalse;
  Flag MessageSoundOff = kFalse;
  Flag ShowTroopers = kFalse;
  Flag NoMovesMarkerOption = kFalse;
  Flag Tooltips = kFalse;
  Flag AutoCalcOption = kFalse;
  Flag Music = kFalse;
  Flag AutoSaveOption = kFalse;
  Flag AnimatedSprites = kFalse;
  int16_t MusicAttenuation = 0;
  int16_t SoundAttenuation = 0;
  uint8_t MusicVolume = 10;
  uint8_t SoundVolume = 10;
  bool operator==(const AdvancedSettings&) const = default;
};

struct GameState {
  // --- campaign header
  uint8_t CurrentLevel = 0;
  Flag PlayerInGame = kFalse;
  uint8_t TurnCounter = 0;
  uint8_t ResultMark1 = 0, ResultMark2 = 0;
  uint8_t Season = 0;
  uint8_t Rival1WarState = 0, Rival2WarState = 0;
  uint8_t SiegeState1 = 0;
  uint8_t Rival1AttackState = 0, Rival2AttackState = 0;
  uint8_t SiegeState2 = 0;

  // --- county
  int32_t Gold = 0, Wood = 0, Stone = 0, Ore = 0, Crops = 0, Meat = 0, People = 0;
  int16_t Happiness = 0, Health = 0;
  uint8_t TaxRate = 0;
  int32_t ChurchTithe = 0;
  uint8_t ScienceLevel = 0, ResearchCountdown = 0, GuardLevel = 0, GuardTrainingCountdown = 0;

  // --- last turn's figures
  int32_t LastGold = 0, LastWood = 0, LastStone = 0, LastOre = 0, LastCrops = 0, LastMeat = 0,
          LastPeople = 0;
  int16_t LastHappiness = 0, LastHealth = 0;

  // --- workforce and food
  int32_t IdlePeople = 0;
  int16_t CropFieldPeople = 0, PasturePeople = 0, CropYield = 0, MeatYield = 0;
  uint8_t MeatLossToWolves = 0, CropLossToBirds = 0;
  float Morale = 0.0f;
  Flag EatMeat = kFalse, EatCrops = kFalse, TournamentHeld = kFalse;
  int16_t TournamentStake = 0;
  uint8_t ThiefLootGold = 0, ThiefLootWood = 0, ThiefLootStone = 0, ThiefLootOre = 0;
  uint8_t GarrisonFoodMark = 0, CastleGarrisonCamp = 0, TaxFieldCount = 0;

  // --- army camps on the map
  std::array<uint8_t, 3> CampWaypoint{};
  uint8_t WalkDirection = 0;
  // Where the outlaw band of the second village stands (one of the record's two spare
  // bytes): 0 in the burnt village, 1 at its burnt mill, any other value gone.
  uint8_t OutlawBand = 0;
  uint8_t SpareByte = 0;
  uint8_t SelectedCamp = 0;

  // --- cutters
  int16_t WoodCutterPeople = 0, WoodCutters = 0;
  std::array<uint8_t, 5> WoodCutterSlots{};
  int16_t StoneCutterPeople = 0, StoneCutters = 0;
  std::array<uint8_t, 5> StoneCutterSlots{};
  int16_t OreCutterPeople = 0, OreCutters = 0;
  std::array<uint8_t, 5> OreCutterSlots{};

  // --- armoury
  uint8_t BlacksmithOrder = 0;
  int16_t BowStock = 0, LongBowStock = 0;
  uint8_t WarlordGearStock = 0;
  int16_t EnginerGearStock = 0, ClubStock = 0, SwordStock = 0, HelebardStock = 0,
          TwoHandStock = 0, MaceStock = 0, PikeStock = 0, CrossStock = 0, ChainMailStock = 0,
          PlateStock = 0, ShieldStock = 0;

  // --- army camps
  std::array<int16_t, 3> ArmyCampSoldiers{};
  std::array<Flag, 3> CampExists{};
  std::array<uint8_t, 3> CampMovesLeft{};

  // --- guards
  uint8_t ObjectMissionCountdown = 0, ObjectMissionTarget = 0;
  std::array<uint8_t, 4> GuardScreenValue{};

  std::array<CampComp, 3> CampComposition{};

  // --- buildings
  uint8_t BuildTurnsLeft = 0, BuildingUnderWay = 0;  // BuildingUnderWay: a BuildingKind
  Flag BlacksmithBuilt = kFalse, BarracksBuilt = kFalse, StablesBuilt = kFalse,
       MarketBuilt = kFalse, ThievesBuilt = kFalse;
  std::array<Flag, 5> CastleStageBuilt{};

  // --- map objects
  std::array<uint8_t, 10> CountyBlessings{};
  Flag RuinsQuiet = kFalse, CaveQuiet = kFalse;
  std::array<uint8_t, 3> VillageState{}, WindmillState{};
  uint8_t OutpostState = 0, MapObjectByte = 0;
  std::array<uint8_t, 3> ChestState{};
  std::array<uint8_t, 10> FieldKind{};  // FieldKind values (kEmptyField ...)

  // --- leader
  int16_t Leadership = 0, Nobility = 0, Diplomacy = 0, Religion = 0;

  // --- trade and diplomacy
  uint8_t SellPercent = 0, BuyPercent = 0, SellGood = 0, BuyGood = 0;
  int32_t BuyBaseWood = 0, BuyBaseStone = 0, BuyBaseOre = 0;
  uint8_t DiploMark = 0;
  std::array<uint8_t, 10> CountyRelation{};
  std::array<uint8_t, 2> RivalRelation{};

  // --- rival lords and their army camps (EnemyCamp 1..3 of rival 1, 4..5 of rival 2)
  Rival1Record Rival1{};
  Rival2Record Rival2{};
  std::array<ArmyComp, 5> EnemyCamp{};

  // --- rebels and map events
  Flag RebelsActive = kFalse;
  std::array<int16_t, 2> RebelCounters{};
  int16_t RebelForceA = 0, RebelForceB = 0, RebelForceC = 0, RebelForceD = 0;
  std::array<Flag, 3> MapEventFlags{};

  // --- battle data
  std::array<ArmyComp, 6> OpponentArmySlots{};
  std::array<int16_t, 2> TipFlags{};
  ArmyComp BattleArmy{};

  // ===== live only (not saved) =====
  uint8_t Difficulty = 1;
  uint8_t TradeDiplomacyThreshold = 0;
  uint8_t LevelBeforeLoad = 0;
  uint8_t LoadGameRequest = 0;
  std::string SaveExtension;    // ".s15"
  std::string SaveFilePattern;  // "*.s15"
  Flag BuildingPrerequisites = kFalse;  // building prerequisites of the campaign buttons in force

  // recruiting levy
  uint8_t RecruitType = 0;
  int16_t RecruitTotal = 0;
  CampComp RecruitCounts{};

  // screen selections and turn bookkeeping
  uint8_t BlacksmithSelection = 0;
  uint8_t SelectedField = 1;
  Flag PlagueActive = kFalse;
  Flag LeaderStatusBonusShown = kFalse;
  Flag TradeLostShown = kFalse;
  uint8_t HomeWaypoint = 2;
  std::array<uint8_t, 5> TurnAnimationFlags{};
  uint8_t FrostRoll = 0, TournamentRoll = 0;
  uint8_t FadeMode = 0;  // a FadeMode
  int32_t ResearchLevelShown = 0;
  float ScrollSpeed = 1.0f;
  uint8_t SplitMode = 0;
  uint8_t BattleSite = 0;
  uint8_t LeaderShown = 1;
  Flag ShowMessagesAfterTurn = kFalse;  // open the message screen after every end of turn

  // missions: the objectives met so far in this run (never cleared while it runs)
  std::array<uint8_t, 6> ObjectiveMet{};
  Flag AllObjectivesMet = kFalse;
  uint8_t TutorialStep = 0;
  uint8_t CampaignProgress = 0;

  AdvancedSettings Advanced{};
};

}  // namespace fief
