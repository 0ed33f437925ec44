// The missions of the campaign's 18 levels: which objectives a level has, whether each
// holds, and leaving a level for the next program.
#pragma once

namespace fief {

struct Game;
struct Rules;
struct GameState;

int objectiveCount(int level);
bool objectiveHolds(const GameState& s, int level, int objective);  // objective 1..6

// Sets ObjectiveMet for every objective that holds now (flags never go back to 0) and
// AllObjectivesMet when every objective of the level has been met.
void EvaluateObjectives(Rules& g);

// Records the campaign's progress, starts the splash card and the next program, and
// ends this program. When the progress cannot be written it tells the player and
// returns: the level goes on.
void LeaveLevel(Game& g);

}  // namespace fief
