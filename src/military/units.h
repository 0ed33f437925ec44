// The fourteen unit types: what the recruiting screen shows of each, the gear every
// soldier of the type takes from the armoury, the prerequisite of choosing it and the
// most one levy may hold. Types are numbered 1..14; the per-type counter blocks hold
// them in composition order (Unit of game_state.h).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "state/game_state.h"
#include "state/kinds.h"

namespace fief {

// The fourteen armoury stocks a soldier's gear comes from.
enum class Gear : int {
  Bow, LongBow, WarlordGear, EnginerGear, Club, Sword, Helebard, TwoHand, Mace, Pike, Cross, ChainMail, Plate,
  Shield, kCount
};
constexpr int kGearCount = static_cast<int>(Gear::kCount);
long gearStock(const GameState& s, Gear g);
void addGear(GameState& s, Gear g, long delta);  // with the stock's own width
// Gear handed back to the armoury: the stock fills up to the most its field holds (32767,
// 255 warlord sets); what does not fit is lost rather than wrapping the stock round.
void returnGear(GameState& s, Gear g, long n);
using GearSnapshot = std::array<long, kGearCount>;
GearSnapshot takeGearSnapshot(const GameState& s);
void restoreGearSnapshot(GameState& s, const GearSnapshot& snap);

struct UnitType {
  int number;            // 1..14 (RecruitType)
  Unit unit;             // its counter in composition order
  const char* attack;    // shown as they stand (the Champion's "6 (13)")
  int defence, speed;
  std::vector<Gear> gear;  // one piece of each per soldier
  int cap;               // most soldiers of the type in one levy, 0 = no cap
  // The building that must stand, besides the barracks that open recruiting, before the
  // type can be chosen (a BuildingKind; kNoBuilding: none).
  int building = kNoBuilding;
};

// The table, by type number 1..14.
const UnitType& unitType(int number);
// The type number of a counter of the composition order.
int typeNumber(Unit u);

// The army names of the three camps in the battle hand-over file.
extern const char* const kCampBattleNames[3];

}  // namespace fief
