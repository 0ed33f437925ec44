// The campaign map as a view of the game state: the season's map picture, fields,
// castle, army camps with their troop figures and status images, and the map objects
// by their holders and states. Runs as refreshers of the campaign screen, so loads and
// turns redraw the map.
#pragma once

#include <array>
#include <string>

namespace fief {

class Camp1Frm;
struct GameState;

// The pictures the map shows are named in map/map_pictures.h.

// Where the player's one flag stands: 0 the outpost, 1 the great chapel, 2 the obelisk,
// 3 the dolmen, -1 nowhere. An object that became his since the last call (heldBefore)
// takes the flag; otherwise it stays where it stood (flagOn) while he holds that, or goes
// to the first of the four he holds. Updates heldBefore and flagOn.
int playerFlagObject(const GameState& s, std::array<bool, 4>& heldBefore, int& flagOn);

// Redraws the map's layers from the state.
void refreshMap(Camp1Frm& f);
// Places the army camps at their waypoints, with troop figures and status images.
void refreshCamps(Camp1Frm& f);

}  // namespace fief
