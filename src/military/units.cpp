#include "military/units.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <type_traits>

#include "state/arith.h"

namespace fief {

namespace {
using G = Gear;
const std::array<UnitType, 14> kTypes = {{
    {1, Monk, "0", 0, 5, {G::Cross}, 5},
    {2, Archer, "3", 0, 7, {G::Bow}, 0},
    {3, ClubMan, "3", 1, 7, {G::Club}, 0},
    {4, SwordMan, "5", 6, 5, {G::Sword, G::Shield, G::Plate}, 0},
    {5, Helebarder, "5", 3, 5, {G::Helebard, G::ChainMail}, 0},
    {6, TwoHand, "7", 4, 5, {G::TwoHand, G::ChainMail}, 0},
    {7, Cavalry, "6", 4, 12, {G::Sword, G::ChainMail}, 0, kStablesBuilding},
    {8, HCavalry, "8", 10, 9, {G::Mace, G::Shield, G::Plate}, 0, kStablesBuilding},
    {9, Champion, "6 (13)", 8, 10, {G::Pike, G::Shield, G::Plate}, 0, kStablesBuilding},
    {10, Templar, "8", 4, 7, {G::TwoHand, G::Plate}, 0},
    {11, Paladin, "6", 7, 5, {G::Sword, G::Plate}, 0},
    {12, Enginer, "0", 0, 3, {G::EnginerGear}, 24},
    {13, LongBow, "4", 0, 7, {G::LongBow}, 0},
    {14, Warlord, "60", 6, 3, {G::WarlordGear}, 1},
}};

template <typename F>
auto withStock(GameState& s, Gear g, F f) {
  switch (g) {
    case G::Bow: return f(s.BowStock);
    case G::LongBow: return f(s.LongBowStock);
    case G::WarlordGear: return f(s.WarlordGearStock);
    case G::EnginerGear: return f(s.EnginerGearStock);
    case G::Club: return f(s.ClubStock);
    case G::Sword: return f(s.SwordStock);
    case G::Helebard: return f(s.HelebardStock);
    case G::TwoHand: return f(s.TwoHandStock);
    case G::Mace: return f(s.MaceStock);
    case G::Pike: return f(s.PikeStock);
    case G::Cross: return f(s.CrossStock);
    case G::ChainMail: return f(s.ChainMailStock);
    case G::Plate: return f(s.PlateStock);
    case G::Shield: return f(s.ShieldStock);
    case G::kCount: break;
  }
  throw std::out_of_range("no such armoury stock");
}
}  // namespace

const char* const kCampBattleNames[3] = {"Ist Vanguard", "The Lions", "The Dragons"};

long gearStock(const GameState& s, Gear g) {
  return withStock(const_cast<GameState&>(s), g, [](auto& v) { return static_cast<long>(v); });
}

void addGear(GameState& s, Gear g, long delta) {
  withStock(s, g, [delta](auto& v) {
    add(v, static_cast<long long>(delta));
    return 0;
  });
}

void returnGear(GameState& s, Gear g, long n) {
  withStock(s, g, [n](auto& v) {
    using T = std::remove_reference_t<decltype(v)>;
    const long long room = static_cast<long long>(std::numeric_limits<T>::max()) - v;
    add(v, std::min<long long>(std::max<long long>(n, 0), std::max<long long>(room, 0)));
    return 0;
  });
}

GearSnapshot takeGearSnapshot(const GameState& s) {
  GearSnapshot snap{};
  for (int i = 0; i < kGearCount; ++i) snap[i] = gearStock(s, static_cast<Gear>(i));
  return snap;
}

void restoreGearSnapshot(GameState& s, const GearSnapshot& snap) {
  for (int i = 0; i < kGearCount; ++i) {
    const Gear g = static_cast<Gear>(i);
    addGear(s, g, snap[i] - gearStock(s, g));
  }
}

const UnitType& unitType(int number) {
  if (number < 1 || number > 14) throw std::out_of_range("unit type numbers run 1..14");
  return kTypes[number - 1];
}

int typeNumber(Unit u) {
  for (const auto& t : kTypes)
    if (t.unit == u) return t.number;
  return 0;
}

}  // namespace fief
