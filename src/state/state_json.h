// The game state as JSON, for the script runner and the save dump: field names as the
// game names them, arrays 0-based in storage order, flags as stored (-1 / 0), and a
// composition as an array of 14 counts in composition order.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "state/game_state.h"

namespace fief {

nlohmann::json stateToJson(const GameState& s);
// The saved fields only (what a save file holds).
nlohmann::json savedStateToJson(const GameState& s);

// A field path: Gold, CampComposition[0][1], Rival1.Gold, Advanced.Music.
// Both return false with a message in err for an unknown path or a value out of range.
bool getField(const GameState& s, const std::string& path, nlohmann::json& out, std::string& err);
bool setField(GameState& s, const std::string& path, const nlohmann::json& value, std::string& err);

}  // namespace fief
