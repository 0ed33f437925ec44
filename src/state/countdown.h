// The turn's shared schemes: a step that comes every n-th turn, and the countdowns of the
// game state (1..199 turns left, 0 completes, 200 and above idle).
#pragma once

#include <cstdint>

#include "state/game_state.h"

namespace fief {

inline bool every(const GameState& s, int n) { return s.TurnCounter % n == 0; }

// Counts a countdown down: 1..199 counts down (false), 0 completes (true, and the
// countdown is idle again), 200 and above are idle.
inline bool countDown(uint8_t& c) {
  if (c >= 1 && c <= 199) {
    --c;
    return false;
  }
  if (c == 0) {
    c = kNone;
    return true;
  }
  return false;
}

}  // namespace fief
