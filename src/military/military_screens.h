// The military screens' doors for the campaign screen: recruiting, the army camp, the
// castle, and the battle hand-over's results.
#pragma once

#include "military/levy.h"

namespace fief {

struct Game;

// Opens the recruiting screen ArmyFrm at the castle or the outpost (modal).
void OpenRecruiting(Game& g, LevyPlace place);
// Opens the army camp screen for the selected camp (modal).
void OpenArmyCamp(Game& g, int camp);
// Opens the split screen for a camp (modal); false when splitting is refused (the
// refusal is in the campaign screen's help line). Its "split and march" button sends the
// camp on its way with the split still to be made: SplitMode 1, a split order pending.
bool OpenSplit(Game& g, int camp);
// Settles a pending split order when the waypoint is chosen: the split screen opens again
// with the parts as they were chosen. Confirmed, the new army is the selected camp and
// SplitMode is 0 (it marches); cancelled, SplitMode is 2 (the waypoint click is spent).
void SettlePendingSplit(Game& g);

// The campaign screen's views of the armies after a command changed them.
void refreshArmyViews(Game& g);

}  // namespace fief
