// The campaign's side of a field battle: the hand-over record built from the state,
// the results read back and checked, the survivors and the plunder applied. The battle
// program itself and the exchange files' codecs live elsewhere (fight_files.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "military/fight_files.h"
#include "state/game_state.h"
#include "state/rng.h"

namespace fief {

// What a caller asks for.
struct BattleRequest {
  std::string mapName;      // "field1", "ruins1", ...
  uint8_t kind = 0;         // battle kind, only copied
  uint8_t armies = 2;       // 2..4
  uint8_t alliesMode = 0;   // 1 two allies, 2 an ally and an enemy, 3 two enemies
  int camp = 1;             // the player's camp 1..3
  uint8_t enemyId = 0;      // which enemy army (for the caller's consequences)
  uint8_t enemyKind = 0;    // 0..5: the reduced rosters; 1 the Viking army
  float enemyMorale = 50;
  ArmyComp enemy{};         // the enemy's soldiers (composition order)
  std::array<ArmyComp, 2> others{};  // armies 2 and 3
};

// The settings the hand-over copies from the program's options.
struct BattleEnvironment {
  int level = 15;
  bool levelHasOwnMaps = false;  // the level's map switch
  bool highDetail = true;
  bool fadeEffects = true;
  bool soundAvailable = false;
  uint8_t displayOption = 0;     // the display option byte of the settings record
  uint8_t furtherDisplayOption = 0;
  uint8_t advancedFlag = 0;
};

// The map file name: "\level15\field1_low_winter.mbf".
std::string battleMapName(const GameState& s, const BattleEnvironment& env, const std::string& mapName);

// Builds the hand-over record. `previous` holds the settings of the last hand-over
// (the season byte keeps its value while the display option is set). Draws the two
// extra armies' morale from rng.
FightIn BuildFightIn(const GameState& s, const BattleEnvironment& env, const BattleRequest& r, Rng& rng,
                     const std::array<uint8_t, kSettingCount>& previous);

// The soldiers of the player's camp that go into battle, in composition order
// (engineers at most 24; a reduced roster leaves long-bowmen, warlord and monks home).
CampComp soldiersSent(const CampComp& camp, bool reduced);

// The outcome applied to the state.
struct BattlePlunder {
  int crops = 0, meat = 0, wood = 0, stone = 0, ore = 0;
  long fallen = 0;  // the player's soldiers sent who did not come back
};
// Checks the results against what went in: army 0 present, no count above what was
// sent, no negative dead, and no soldier sent left out (a reduced roster of army 0 is
// taken only when nobody of its last three types went in). False with a message (nothing applied).
bool checkResults(const FightOut& out, const CampComp& sent, std::string& err);
// The survivors of army 0 replace the soldiers sent (those left at home stay); a camp
// without soldiers left is emptied. On a win the plunder is drawn and added.
BattlePlunder ApplyBattleResults(GameState& s, int camp, const CampComp& sent, const FightOut& out, Rng& rng);

// The outlaw band of the second village (OutlawBand): in the burnt village (battle site
// 15), fallen back to the burnt mill beside it (site 16), or gone. A place won back from
// the band is rebuilt by its countdown, from kRebuildTurns.
constexpr uint8_t kOutlawsInVillage = 0, kOutlawsAtMill = 1, kOutlawsGone = 2;
constexpr int kOutlawVillageSite = 15, kOutlawMillSite = 16;
constexpr uint8_t kRebuildTurns = 6;
// The battle site of the band, 0 once it is gone.
inline int outlawSite(const GameState& s) {
  return s.OutlawBand == kOutlawsInVillage ? kOutlawVillageSite : s.OutlawBand == kOutlawsAtMill ? kOutlawMillSite : 0;
}
// Whether the band holds battle site 15 or 16.
inline bool outlawsAt(const GameState& s, int site) { return site != 0 && outlawSite(s) == site; }

// Battle site 14: Lord Osric's men holding the first village.
constexpr int kVillageHoldersSite = 14;
// Whether anyone still holds the village or mill of battle site 14, 15 or 16.
inline bool holdersAt(const GameState& s, int site) {
  return site == kVillageHoldersSite ? s.VillageState[0] != kNone : outlawsAt(s, site);
}

// The force that holds a battle site of the map, and what a win there clears.
ArmyComp siteEnemy(const GameState& s, int site);
ArmyComp villageHolders(const GameState& s);  // the men holding the seized first village
ArmyComp outlaws(const GameState& s, int site);  // the outlaw band at site 15 or 16
void siteWon(GameState& s, int site);

}  // namespace fief
