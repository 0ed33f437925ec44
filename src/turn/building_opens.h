// What a building opens to the county, as the build screen shows it before the building
// is ordered: read from the rules that test the building (the blacksmith's item table,
// the unit types' prerequisites, the castle's garrison and income, the thieves' guild).
#pragma once

#include <string>
#include <vector>

namespace fief {

struct Rules;

// One line a thing the building opens, in the game's texts; empty for a kind that is no
// building.
std::vector<std::string> buildingOpens(const Rules& g, int kind);

}  // namespace fief
