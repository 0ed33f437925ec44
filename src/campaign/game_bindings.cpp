// The one list of the game-wide sight handlers, in the order they run.
#include "campaign/game_bindings.h"

namespace fief {

void bindGameSights(Game& g) {
  bindBattleSights(g);    // a loaded game drops the battle under way
  bindArmyWalkSights(g);  // ... and the army walking
}

}  // namespace fief
