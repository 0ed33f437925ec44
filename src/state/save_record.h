// The saved game: one 792-byte little-endian record holding every persistent field
// in a fixed order with no padding, header or checksum.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace fief {

constexpr size_t kSaveRecordSize = 792;

std::vector<uint8_t> encodeSave(const GameState& s);

// Decodes a record into `into` (a scratch copy of the live state: fields that a load
// does not restore, such as BattleArmy and every live-only field, keep their value).
// Returns false with a message when the data is not a whole record.
bool decodeSave(const std::vector<uint8_t>& bytes, GameState& into, std::string& err);

}  // namespace fief
