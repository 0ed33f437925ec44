#include "military/levy.h"

#include "state/arith.h"

namespace fief {

Levy OpenLevy(const GameState& s, LevyPlace place) {
  Levy l;
  l.snapshot = takeGearSnapshot(s);
  l.place = place;
  return l;
}

bool levyCanConfirm(const GameState& s) {
  for (Flag e : s.CampExists)
    if (e != kTrue) return true;
  return false;
}

int levyArmyNameEntry(const GameState& s) {
  if (s.ArmyCampSoldiers[0] == 0) return 112;
  if (s.ArmyCampSoldiers[1] == 0) return 113;
  return 114;
}

int monkReligion(const GameState& s) {
  switch (s.Difficulty) {
    case 2: return 70;
    case 3: return 90;
    default: return 55;
  }
}

int SelectRecruitType(GameState& s, int type) {
  if (type < 1 || type > 14) return kRefusedSilently;
  const UnitType& t = unitType(type);
  const Unit u = t.unit;
  if (u == Monk && s.Religion < monkReligion(s)) return kRefusedSilently;
  if ((u == Templar || u == Paladin) && s.Religion < 50) return kRefusedSilently;
  // The one building a unit type may need besides the barracks is the stables (the
  // build screen names the types from the same field).
  if (t.building == kStablesBuilding && !isSet(s.StablesBuilt)) return 23;
  s.RecruitType = static_cast<uint8_t>(type);
  return kDone;
}

int RaiseSoldier(GameState& s) {
  // The test uses the total before this raise: the last soldier of a levy may bring it
  // to one more than the idle people.
  if (s.IdlePeople < s.RecruitTotal) return 20;
  if (s.RecruitTotal >= kArmyMaximum) return 21;
  if (s.RecruitType < 1 || s.RecruitType > 14) return kNothingToDo;
  const UnitType& t = unitType(s.RecruitType);
  const int count = s.RecruitCounts.get(t.unit);
  if (t.cap != 0 && count >= t.cap) return 18;
  for (Gear g : t.gear)
    if (gearStock(s, g) < 1) return 18;
  for (Gear g : t.gear) addGear(s, g, -1);
  s.RecruitCounts.set(t.unit, count + 1);
  add(s.RecruitTotal, 1);
  return kDone;
}

int LowerSoldier(GameState& s) {
  if (s.RecruitType < 1 || s.RecruitType > 14) return kNothingToDo;
  const UnitType& t = unitType(s.RecruitType);
  const int count = s.RecruitCounts.get(t.unit);
  if (count <= 0) return kNothingToDo;
  for (Gear g : t.gear) addGear(s, g, 1);
  s.RecruitCounts.set(t.unit, count - 1);
  add(s.RecruitTotal, -1);
  return kDone;
}

int RecruitToCount(GameState& s, int count) {
  if (s.RecruitType < 1 || s.RecruitType > 14) return kNothingToDo;
  const Unit u = unitType(s.RecruitType).unit;
  // At most one levy's worth of steps: every raise or lowering moves the count by one.
  while (s.RecruitCounts.get(u) != count) {
    const int r = s.RecruitCounts.get(u) < count ? RaiseSoldier(s) : LowerSoldier(s);
    if (r != kDone) return r;
  }
  return kDone;
}

int ConfirmLevy(GameState& s, const Levy& levy, int* camp) {
  if (s.RecruitTotal < kLevyMinimum) return 19;
  int k = 0;
  for (int i = 0; i < 3 && k == 0; ++i)
    if (s.ArmyCampSoldiers[i] == 0) k = i + 1;
  // With the confirm button usable a free camp exists; refuse rather than overwrite an
  // army should the camps ever say otherwise.
  if (k == 0) return 28;
  const int i = k - 1;
  s.ArmyCampSoldiers[i] = s.RecruitTotal;
  s.CampExists[i] = kTrue;
  s.CampComposition[i] = s.RecruitCounts;
  add(s.People, -s.RecruitTotal);
  add(s.IdlePeople, -s.RecruitTotal);
  s.CampMovesLeft[i] = 2;
  s.CampWaypoint[i] = levy.place == LevyPlace::Outpost ? kOutpostWaypoint : kCastleWaypoint;
  s.RecruitType = 0;
  ResetTEMP(s);
  if (camp) *camp = k;
  return kDone;
}

void CancelLevy(GameState& s, const Levy& levy) {
  restoreGearSnapshot(s, levy.snapshot);
  s.RecruitType = 0;
  ResetTEMP(s);
}

void ResetTEMP(GameState& s) {
  s.RecruitTotal = 0;
  s.RecruitCounts.clear();
}

}  // namespace fief
