// The levy of the recruiting screen: soldiers are raised one at a time into the levy
// counters (RecruitTotal, RecruitCounts), each taking one piece of its gear from the
// armoury; confirming turns the levy into an army in the first empty camp, cancelling
// gives every piece back.
//
// Commands answer with an Outcome: kDone, kRefusedSilently, or the entry of the text
// table campaign1.loc (table 4) that tells the player why not. A refused command leaves
// the state as it was.
#pragma once

#include "military/units.h"
#include "state/game_state.h"

namespace fief {

constexpr int kDone = 0;
constexpr int kRefusedSilently = -1;
constexpr int kNothingToDo = -2;  // e.g. raising with no type chosen

constexpr int kLevyMinimum = 100;   // the smallest army
constexpr int kArmyMaximum = 4000;  // the largest levy and army

// The waypoints where a new army appears.
constexpr uint8_t kCastleWaypoint = 2;
constexpr uint8_t kOutpostWaypoint = 50;

enum class LevyPlace { Castle, Outpost };

// What the screen holds for one visit: the armoury as it was on opening and the place.
struct Levy {
  GearSnapshot snapshot{};
  LevyPlace place = LevyPlace::Castle;
};

Levy OpenLevy(const GameState& s, LevyPlace place);
// The confirm button is usable while some camp does not exist.
bool levyCanConfirm(const GameState& s);
// The name the new army will bear: entry 112, 113 or 114 of campaign1.loc.
int levyArmyNameEntry(const GameState& s);
// The religion a monk needs at the current difficulty.
int monkReligion(const GameState& s);

int SelectRecruitType(GameState& s, int type);
int RaiseSoldier(GameState& s);
int LowerSoldier(GameState& s);
// Raises or lowers soldiers of the chosen type, one at a time by the rules above, until
// the levy holds `count` of them; stops at the first refusal and answers with it (the
// soldiers raised or lowered until then stay). kDone when the count was reached.
int RecruitToCount(GameState& s, int count);
// On success returns kDone and the camp the army went to in `camp` (1..3).
int ConfirmLevy(GameState& s, const Levy& levy, int* camp = nullptr);
void CancelLevy(GameState& s, const Levy& levy);
// Clears the levy counters.
void ResetTEMP(GameState& s);

}  // namespace fief
