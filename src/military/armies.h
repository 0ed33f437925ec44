// The player's three army camps: disbanding, splitting, combining and the castle's
// garrison. After every command a camp's soldier count is the sum of its composition.
// Commands answer as the levy's do (levy.h): kDone, or a campaign1.loc entry.
#pragma once

#include "military/levy.h"
#include "state/game_state.h"

namespace fief {

bool campExists(const GameState& s, int camp);  // camp 1..3
// The first camp (1..3) without soldiers, 0 when all three hold an army.
int firstEmptyCamp(const GameState& s);
// Empties a camp slot: no soldiers, no composition, off the map; a garrisoned camp
// leaves the castle.
void emptyCamp(GameState& s, int camp);

// Disbanding: the soldiers go home (warlords and long-bowmen excepted) and their gear
// goes back to the armoury.
void DisbandCamp(GameState& s, int camp);

// Splitting: the part that stays is held here, the part that leaves in the levy
// counters (RecruitCounts, RecruitTotal).
struct Split {
  int camp = 0;
  CampComp stay{};
  long stayTotal() const { return stay.total(); }
};
int BeginSplit(GameState& s, int camp, Split& split);
// Begins the split again with the part that leaves already chosen (a split order that
// was pending while the army was sent on its way). A leaving part the camp no longer
// holds (it lost soldiers meanwhile) is dropped: the split starts with nobody leaving.
int ResumeSplit(GameState& s, int camp, const CampComp& leaving, Split& split);
// Moves one soldier of counter u: toLeaving from the staying part to the leaving part,
// else back. Returns kDone, or kNothingToDo when the giving part has none of that type.
int SplitMove(GameState& s, Split& split, Unit u, bool toLeaving);
// On success the leaving part is a new army in the first empty camp (`newCamp`).
int ConfirmSplit(GameState& s, Split& split, int* newCamp = nullptr);
void CancelSplit(GameState& s);

// Combining the chosen camps (chosen[0..2] for camps 1..3) into the lowest of them.
// Fewer than two existing camps chosen: kRefusedSilently. More than 4000 soldiers: 21.
// A sum that one of the camp's counters cannot hold (the monks and the warlord are
// 8-bit): kCountersOverflow. A garrison grown beyond what the castle holds: 26. The
// target has marched its last this turn (no moves left). Returns the target in `target`.
constexpr int kCountersOverflow = -3;
int CombineCamps(GameState& s, const bool chosen[3], int* target = nullptr);

// The most soldiers of a type a camp's counter holds (255 monks or warlords, else 32767).
long campCounterMax(int unit);

// The village's militia, raised when a rival raids it: 7 % of the people as archers and
// 15 % as club men. A county whose people are gone (People at or below zero, as it may
// be before the end of turn's clamp) raises none.
ArmyComp villageMilitia(long long people);

// The castle's garrison. The built stages are tried in order (keep, bailey, fort,
// stronghold, castle); an army too large for a stage is refused by it (text 26 each
// time) and the next one is tried.
constexpr int kStageCapacity[5] = {400, 600, 700, 1500, 1100};
struct CastleEntry {
  bool enters = false;
  int refusals = 0;  // built stages that refused the army before one took it
};
CastleEntry castleEntry(const GameState& s, long soldiers);
bool anyCastleStage(const GameState& s);

}  // namespace fief
