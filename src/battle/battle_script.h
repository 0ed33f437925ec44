// Headless driving of the battle program (`battledata.rz --script FILE`): the player's
// commands as lines of text, given to the battle the way the window gives its orders.
// A line that does not parse or cannot apply is reported and the battle goes on.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "battle/battle_orders.h"

namespace fief::battle {

// Runs every line; `state` writes the battle as one line of JSON to `out`, problems go to
// `err` as "script line N: ...".
// The orders taken are kept in `kept`.
void runBattleScript(Battle& b, std::vector<Order>& kept, const std::string& text, std::ostream& out,
                     std::ostream& err);

// The battle as JSON: the step, whether it is over, each army and each formation (by its
// name, with soldiers, place, state and order) and, once over, the result.
std::string battleStateJson(const Battle& b);

}  // namespace fief::battle
