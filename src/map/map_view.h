// The campaign map as a view of the game state: the season's map picture, fields,
// castle, army camps with their troop figures and status images, and the map objects
// by their holders and states. Subscribed to View::Map of the campaign screen, so loads
// and turns redraw the map. Also the markers the subsystems show on the map.
#pragma once

#include <array>
#include <string>

namespace fief {

class Camp1Frm;
struct Control;
struct Game;
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

// A control of the campaign screen, or nullptr when the screen does not exist yet.
Control* campControl(Game& g, const std::string& name);
// Shows or hides a marker on the campaign map.
void showMapMarker(Game& g, const std::string& name, bool show);
// Shows a marker and starts SelectorTimer, whose tick redraws it (redrawSelector).
void armSelector(Game& g, const std::string& name);
// SelectorTimer's tick: shows the marker remembered by the last armSelector.
void redrawSelector(Game& g);

}  // namespace fief
