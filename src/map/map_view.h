// The campaign map as a view of the game state: the season's map picture, fields,
// castle, army camps with their troop figures and status images, and the map objects
// by their holders and states. Runs as refreshers of the campaign screen, so loads and
// turns redraw the map.
#pragma once

#include <string>

namespace fief {

class Camp1Frm;

// The castle stage picture of the highest stage built ("" when none stands).
std::string castleStagePicture(const bool built[5], const std::string& suffix = "");

// Redraws the map's layers from the state.
void refreshMap(Camp1Frm& f);
// Places the army camps at their waypoints, with troop figures and status images.
void refreshCamps(Camp1Frm& f);

}  // namespace fief
