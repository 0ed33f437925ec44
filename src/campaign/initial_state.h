// The first values of the game state (the state part of the campaign start).
#pragma once

namespace fief {

struct Rules;

// Gives every field of the game state its first value for s.Difficulty.
void InitialState(Rules& g);

}  // namespace fief
