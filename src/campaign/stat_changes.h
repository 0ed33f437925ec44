// Changes to the county's figures that an answer brings, kept as data so that a dialog
// can show them before the player answers and the answer applies exactly those.
#pragma once

#include <cstdint>
#include <vector>

#include "campaign/text_id.h"

namespace fief {

struct GameState;

enum class Stat : uint8_t { Gold, Wood, Stone, Ore, Crops, Meat, People, Happiness, Morale, Leadership, Nobility,
                            Diplomacy, Religion };

struct StatChange {
  Stat stat;
  int amount;
};
using StatChanges = std::vector<StatChange>;

// Adds every change to its figure (each with the figure's own width).
void applyChanges(GameState& s, const StatChanges& changes);
// The figure's name on the status panel (text table 3).
TextId statName(Stat stat);

}  // namespace fief
