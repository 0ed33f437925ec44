// The map's objects as rules: what each object is called and says when clicked, who holds
// the shrines and monuments, and what the ruins and the cave let the player guess of the
// force inside. No screen here: the campaign screen shows what these return.
#pragma once

#include <string>
#include <vector>

#include "campaign/text_id.h"
#include "state/game_state.h"

namespace fief {

// One object kind of the map: its control, the sound of a click, its name (table 4) and
// description (table 1), and its CountyBlessings index (-1 for objects nobody holds).
struct MapObjectKind {
  const char* control;
  const char* sound;
  int name;
  int description;
  int blessing;
};

// The object kind of a map control ("DolmenImg1", "ChestImg2", "SiegeImg3"); nullptr when
// the control is no map object.
const MapObjectKind* MapObjectOf(const std::string& control);

// The third line of an object's description: for the ruins and the cave whether a force
// holds them and, if one does, a guess at its strength; for the allied armies their
// strength. Empty for every other object.
std::vector<TextId> MapObjectThirdLine(const GameState& s, const std::string& control);

// The strength guess (text 131..134 of table 4) for a force of that many soldiers.
int ForceEstimateText(long soldiers);

// Holder of a shrine or monument: 1 the player, 2 rival lord 1, 3 rival lord 2, 0 nobody.
int HolderOf(const GameState& s, int blessing);

}  // namespace fief
