// Guidance on the mission screen: how far the county is towards each objective, and
// where the player acts on it.
#pragma once

#include <string>
#include <utility>

#include "campaign/missions.h"
#include "ui/screens_only.h"

namespace fief {

struct Game;

// "Templar 120 / 200", "Hostile armies beaten 1 / 3", "Fort built: not yet".
std::string goalText(Game& g, const ObjectiveGoal& goal);
// The goals of an objective of the level in play, one after the other.
std::string objectiveProgressText(Game& g, int objective);

// What a click on an objective does: the goal it acts on is the first not yet met (the
// first goal when all are).
enum class GoalAction {
  None,
  Recruit,     // the recruiting screen (the build screen while no barracks stand)
  ShowArmy,    // the map scrolls to the hostile army still holding its field
  Build,       // the build screen
  Leader,      // the leader's sheet
  Blacksmith,
  Science,
  People,
};
GoalAction goalAction(const ObjectiveGoal& goal);
// Acts on objective k of the level in play. Returns true when the mission screen should
// close to show the campaign map.
bool actOnObjective(Game& g, int objective);

// The campaign map scrolled so that a point of the map stands in the middle of the
// screen, as far as the map reaches: the map picture's left and top.
std::pair<int, int> viewCentredOn(int x, int y, int mapWidth, int mapHeight, int width, int height);

}  // namespace fief
