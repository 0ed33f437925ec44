#include "military/armies.h"

#include <algorithm>

#include "state/arith.h"

namespace fief {

bool campExists(const GameState& s, int camp) {
  return camp >= 1 && camp <= 3 && isSet(s.CampExists[camp - 1]);
}

int firstEmptyCamp(const GameState& s) {
  for (int k = 1; k <= 3; ++k)
    if (s.ArmyCampSoldiers[k - 1] == 0 && !isSet(s.CampExists[k - 1])) return k;
  return 0;
}

void emptyCamp(GameState& s, int camp) {
  const int i = camp - 1;
  if (s.CastleGarrisonCamp == camp) s.CastleGarrisonCamp = 0;
  s.ArmyCampSoldiers[i] = 0;
  s.CampExists[i] = kFalse;
  s.CampComposition[i].clear();
  s.CampWaypoint[i] = 0;
}

void DisbandCamp(GameState& s, int camp) {
  if (camp < 1 || camp > 3) return;
  const CampComp c = s.CampComposition[camp - 1];
  const int16_t home = wrap16(static_cast<long long>(s.ArmyCampSoldiers[camp - 1]) - c.Warlord - c.get(LongBow));
  add(s.People, home);
  add(s.IdlePeople, home);
  using G = Gear;
  auto n = [&](Unit u) { return c.get(u); };
  returnGear(s, G::Bow, n(Archer));
  returnGear(s, G::LongBow, n(LongBow));
  returnGear(s, G::Club, n(ClubMan));
  returnGear(s, G::Cross, n(Monk));
  returnGear(s, G::Helebard, n(Helebarder));
  returnGear(s, G::Mace, n(HCavalry));
  returnGear(s, G::Pike, n(Champion));
  returnGear(s, G::EnginerGear, n(Enginer));
  returnGear(s, G::WarlordGear, n(Warlord));
  returnGear(s, G::Sword, n(SwordMan) + n(Cavalry) + n(Paladin));
  // The Templars' two-handed swords stay with them.
  returnGear(s, G::TwoHand, n(TwoHand));
  returnGear(s, G::ChainMail, n(Helebarder) + n(TwoHand) + n(Cavalry));
  // A horseman hands in a shield and a warlord a plate as well: the county's custom.
  returnGear(s, G::Shield, n(SwordMan) + n(HCavalry) + n(Champion) + n(Cavalry));
  returnGear(s, G::Plate, n(SwordMan) + n(HCavalry) + n(Champion) + n(Templar) + n(Paladin) + n(Warlord));
  emptyCamp(s, camp);
  s.CampMovesLeft[camp - 1] = 0;
}

int BeginSplit(GameState& s, int camp, Split& split) {
  if (isSet(s.CampExists[0]) && isSet(s.CampExists[1]) && isSet(s.CampExists[2])) return 28;
  if (!campExists(s, camp)) return kRefusedSilently;
  split.camp = camp;
  split.stay = s.CampComposition[camp - 1];
  ResetTEMP(s);
  return kDone;
}

int ResumeSplit(GameState& s, int camp, const CampComp& leaving, Split& split) {
  const int r = BeginSplit(s, camp, split);
  if (r != kDone) return r;
  for (int u = 0; u < kUnitCount; ++u)
    if (leaving.get(u) < 0 || leaving.get(u) > split.stay.get(u)) return kDone;
  for (int u = 0; u < kUnitCount; ++u) split.stay.set(u, split.stay.get(u) - leaving.get(u));
  s.RecruitCounts = leaving;
  s.RecruitTotal = static_cast<int16_t>(leaving.total());
  return kDone;
}

int SplitMove(GameState& s, Split& split, Unit u, bool toLeaving) {
  CampComp& from = toLeaving ? split.stay : s.RecruitCounts;
  CampComp& to = toLeaving ? s.RecruitCounts : split.stay;
  if (from.get(u) < 1) return kNothingToDo;
  from.set(u, from.get(u) - 1);
  to.set(u, to.get(u) + 1);
  s.RecruitTotal = static_cast<int16_t>(s.RecruitCounts.total());
  return kDone;
}

int ConfirmSplit(GameState& s, Split& split, int* newCamp) {
  if (split.stayTotal() < kLevyMinimum || s.RecruitTotal < kLevyMinimum) return 19;
  const int k = firstEmptyCamp(s);
  if (k == 0) return 28;
  const int src = split.camp - 1, dst = k - 1;
  s.CampComposition[src] = split.stay;
  s.ArmyCampSoldiers[src] = static_cast<int16_t>(split.stay.total());
  s.CampComposition[dst] = s.RecruitCounts;
  s.ArmyCampSoldiers[dst] = static_cast<int16_t>(s.RecruitCounts.total());
  s.CampExists[dst] = kTrue;
  s.CampWaypoint[dst] = s.CampWaypoint[src];
  // The new army has marched no further than the one it came from.
  s.CampMovesLeft[dst] = s.CampMovesLeft[src];
  ResetTEMP(s);
  if (newCamp) *newCamp = k;
  return kDone;
}

void CancelSplit(GameState& s) { ResetTEMP(s); }

long campCounterMax(int unit) { return unit == Monk || unit == Warlord ? 255 : 32767; }

int CombineCamps(GameState& s, const bool chosen[3], int* target) {
  int picked[3], n = 0;
  long sum = 0;
  for (int k = 1; k <= 3; ++k)
    if (chosen[k - 1] && campExists(s, k)) {
      picked[n++] = k;
      sum += s.ArmyCampSoldiers[k - 1];
    }
  if (n < 2) return kRefusedSilently;
  if (sum > kArmyMaximum) return 21;
  const int t = picked[0];
  CampComp into = s.CampComposition[t - 1];
  for (int j = 1; j < n; ++j)
    for (int u = 0; u < kUnitCount; ++u) {
      const long v = static_cast<long>(into.get(u)) + s.CampComposition[picked[j] - 1].get(u);
      if (v > campCounterMax(u)) return kCountersOverflow;
      into.set(u, v);
    }
  // The castle's allowance holds for its garrison however it grows.
  if (s.CastleGarrisonCamp == t && !castleEntry(s, into.total()).enters) return 26;
  for (int j = 1; j < n; ++j) {
    // An absorbed garrison leaves the castle with its soldiers.
    emptyCamp(s, picked[j]);
    s.CampMovesLeft[picked[j] - 1] = 0;
  }
  s.CampComposition[t - 1] = into;
  s.ArmyCampSoldiers[t - 1] = static_cast<int16_t>(into.total());
  // Regrouping takes the rest of the turn: the combined army moves again next turn.
  s.CampMovesLeft[t - 1] = 0;
  if (target) *target = t;
  return kDone;
}

ArmyComp villageMilitia(long long people) {
  ArmyComp m;
  if (people <= 0) return m;
  m.set(Archer, std::min<long long>(Fix(people * 7.0 / 100.0), 32767));
  m.set(ClubMan, std::min<long long>(Fix(people * 15.0 / 100.0), 32767));
  return m;
}

bool anyCastleStage(const GameState& s) {
  for (Flag f : s.CastleStageBuilt)
    if (isSet(f)) return true;
  return false;
}

CastleEntry castleEntry(const GameState& s, long soldiers) {
  CastleEntry e;
  for (int i = 0; i < 5; ++i) {
    if (!isSet(s.CastleStageBuilt[i])) continue;
    if (soldiers <= kStageCapacity[i]) {
      e.enters = true;
      return e;
    }
    ++e.refusals;
  }
  return e;
}

}  // namespace fief
