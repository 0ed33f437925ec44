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
// refusal is in the campaign screen's help line).
bool OpenSplit(Game& g, int camp);

// The campaign screen's views of the armies after a command changed them.
void refreshArmyViews(Game& g);

}  // namespace fief
