// Every picture the campaign map shows, named from the state: the season's map, the
// fields, the castles, the villages and windmills, the chests, the camps' markers and
// the figures that stand on it. The map's views and the screens that show a part of the
// map (the preview, the walk) take their picture names from here.
#pragma once

#include <string>

#include "state/game_state.h"
#include "ui/screens_only.h"

namespace fief {

// The map itself in a season (1..4; another season shows the first).
std::string mapSurfacePicture(int season);
// The map preview's small map in a season (the same).
std::string mapPreviewPicture(int season);
// A field of a kind in a season (an unknown kind shows an empty field).
std::string fieldPicture(int kind, int season);
// The castle stage picture of the highest stage built ("" when none stands).
std::string castleStagePicture(const bool built[5], const std::string& suffix = "");
// The player's castle at its highest stage built, "castle_site" when none stands.
std::string castlePicture(const GameState& s);
// A rival lord's castle on the map at its highest stage (a keep when none stands): in his
// colours ("fort1", "keep2") while he is in play, with a white pennant ("fort0") once he
// is out of it.
std::string rivalCastlePicture(const GameState& s, int rival);

// A village or a windmill standing, or its burnt site.
const char* villagePicture(bool stands);
const char* windmillPicture(bool stands);
// A chest with its lid shut or open.
const char* chestPicture(bool open);
// A camp's marker: no moves left, or the selected camp.
const char* campMarkerPicture(bool noMovesLeft);
// The men of another lord in the first village, and the outlaw band.
const char* enemyTroopsPicture();
const char* outlawTroopsPicture();
// Camp k's army walking in a direction.
std::string walkerPicture(int camp, int direction);

}  // namespace fief
