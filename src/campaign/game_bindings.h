// What the subsystems' screens do for the rules' sights whatever screen is open: bound
// once, when the game is made, in the order of the list in game_bindings.cpp (where two
// handle one sight, the earlier runs first). What the campaign screen shows of a sight is
// bound with that screen (map/camp1_bindings.h), after these.
#pragma once

#include "ui/screens_only.h"

namespace fief {

struct Game;

void bindBattleSights(Game& g);    // military/battle_handover_screens.cpp
void bindArmyWalkSights(Game& g);  // map/army_walk_screen.cpp

// Binds every subsystem's game-wide sight handlers.
void bindGameSights(Game& g);

}  // namespace fief
