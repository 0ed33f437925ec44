// The three files through which the campaign hands a field battle to the battle program
// and reads it back: the hand-over record Fight_in.rz, the status file fight_status.rz
// (one number as text) and the results Fight_out.rz. Both programs use these codecs.
//
// Encoders and decoders are pure functions over bytes. A decoder never trusts its input:
// a short or over-long file, a string running past the end, an army count outside its
// range or a negative count is refused with a message and the output is left untouched
// (everything is decoded into a scratch record first). Writers write a temporary file and
// rename it over the old one.
//
// The battle id ties a result to its hand-over: the campaign appends a 32-bit id after the
// last army of Fight_in.rz, and the battle program appends the same id after the last army
// of Fight_out.rz. A file without it (the fields of the table alone) still decodes, with
// id 0; the campaign takes no result whose id is not that of its hand-over.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace fief {

inline constexpr const char* kFightInFile = "Fight_in.rz";
inline constexpr const char* kFightStatusFile = "fight_status.rz";
inline constexpr const char* kFightOutFile = "Fight_out.rz";

// Values of the status file.
inline constexpr int kFightAcknowledged = 0;
inline constexpr int kFightRunning = 1;
inline constexpr int kFightFinished = 2;

// Auto-calculation code of the hand-over: 505 asks for the battle to be calculated at
// once, 0 for the watched battle.
inline constexpr int16_t kAutoCalcCode = 505;

// ---- Battle roster order --------------------------------------------------------------
// The exchange files list an army's soldiers in their own order; a reduced-roster army
// carries only the first eleven (no LongBow, Warlord or Monk).
inline constexpr int kRosterSize = 14;
inline constexpr int kReducedRosterSize = 11;
using RosterCounts = std::array<int16_t, kRosterSize>;

// The unit type (composition order) at each roster slot.
inline constexpr std::array<Unit, kRosterSize> kRosterUnits = {
    Archer, Helebarder, ClubMan, SwordMan, TwoHand, Cavalry, HCavalry,
    Champion, Templar, Paladin, Enginer, LongBow, Warlord, Monk};

// The roster slot of a unit type (inverse of kRosterUnits).
int rosterSlot(Unit u);

// A block of fourteen counts in composition order to roster order, and back.
RosterCounts toRosterOrder(const std::array<int16_t, kUnitCount>& byUnit);
std::array<int16_t, kUnitCount> toCompositionOrder(const RosterCounts& roster);

// ---- Fight_in.rz ----------------------------------------------------------------------
// Indices of the eleven settings bytes.
enum FightSetting : int {
  kSetScience,      // 1 when the county's science level is 6 or more
  kSetCountyByte,   // copied from the county without a meaning for the campaign
  kSetSeason,       // 1 or 2 for the first two seasons, 0 otherwise
  kSetFade,         // 1 when fade effects are on
  kSetMapScale,     // 0, 2 or 4 from the map view's scale
  kSetNoMapAnim,    // 1 when the map animation is off
  kSetDisplayByte,  // copied from a display option without a meaning for the campaign
  kSetMusicVolume,  // 0..100
  kSetSoundVolume,  // 0..100
  kSetAdvanced,     // 1 when the advanced-settings flag is set
  kSetTooltips,     // 1 when tooltips are on
  kSettingCount
};

inline constexpr int kMinFightArmies = 2;
inline constexpr int kMaxFightArmies = 4;

// Colour as stored: red + 256 * green + 65536 * blue.
inline constexpr uint32_t fightColour(uint8_t r, uint8_t g, uint8_t b) {
  return r + 256u * g + 65536u * b;
}

struct FightArmy {
  std::string Name;
  uint32_t Colour = 0;
  uint8_t Side = 0;
  int16_t Morale = 0;
  uint8_t Reduced = 0;  // non-zero: only the first eleven roster counts are carried
  RosterCounts Counts{};
  int rosterSize() const { return Reduced ? kReducedRosterSize : kRosterSize; }
  bool operator==(const FightArmy&) const = default;
};

struct FightIn {
  std::string MapName;
  int16_t AutoCalc = 0;  // kAutoCalcCode or 0
  int16_t Reserved = 0;
  std::array<uint8_t, kSettingCount> Settings{};
  uint8_t BattleKind = 0;
  std::vector<FightArmy> Armies;  // 2..4, the number of armies of the file
  uint32_t BattleId = 0;          // 0: none written
  bool operator==(const FightIn&) const = default;
};

// Encoding refuses what the decoder would refuse (names over 255 characters, an army
// count outside 2..4, negative counts). Counts beyond a reduced roster are not carried.
bool encodeFightIn(const FightIn& in, std::vector<uint8_t>& out, std::string& err);
bool decodeFightIn(const std::vector<uint8_t>& bytes, FightIn& out, std::string& err);

// ---- Fight_out.rz ---------------------------------------------------------------------
inline constexpr int kMinResultArmies = 1;  // army 0 (the player's) at least

struct FightResultArmy {
  uint8_t Reduced = 0;
  RosterCounts Survivors{};
  int rosterSize() const { return Reduced ? kReducedRosterSize : kRosterSize; }
  bool operator==(const FightResultArmy&) const = default;
};

struct FightOut {
  uint8_t Outcome = 0;  // 1 the player won, 0 lost
  int16_t OurDead = 0;
  int16_t EnemyDead = 0;
  std::vector<FightResultArmy> Armies;  // 1..4
  uint32_t BattleId = 0;                // the hand-over's id echoed back; 0: none written
  bool won() const { return Outcome == 1; }
  bool operator==(const FightOut&) const = default;
};

bool encodeFightOut(const FightOut& out, std::vector<uint8_t>& bytes, std::string& err);
bool decodeFightOut(const std::vector<uint8_t>& bytes, FightOut& out, std::string& err);

// ---- Files ----------------------------------------------------------------------------
// Whole-file read and atomic write; messages name the file.
bool readFightIn(const std::string& path, FightIn& out, std::string& err);
bool writeFightIn(const std::string& path, const FightIn& in, std::string& err);
bool readFightOut(const std::string& path, FightOut& out, std::string& err);
bool writeFightOut(const std::string& path, const FightOut& out, std::string& err);

// The length of the battle id trailer.
inline constexpr size_t kBattleIdBytes = 4;

// The status file: one number (0..255) as text, nothing but blanks and line ends around
// it. Reading refuses anything else ("2xyz" is no status).
bool readFightStatus(const std::string& path, int& status, std::string& err);
bool writeFightStatus(const std::string& path, int status, std::string& err);

// The map name of a hand-over ("\level15\field1_low.mbf") as a path relative to the
// program folder ("level15/field1_low.mbf"). Refused: an empty name, control characters,
// a drive letter or a ".." part — the map must lie inside the program folder.
bool mapPathOfFight(const std::string& mapName, std::string& relPath, std::string& err);

}  // namespace fief
