#include "campaign/play_record.h"

#include <limits>

#include "state/game_state.h"

namespace fief {

namespace {
// Counts stop at their largest value rather than wrap.
void addTo(uint32_t& v, long n) {
  if (n <= 0) return;
  const uint64_t sum = uint64_t{v} + static_cast<uint64_t>(n);
  v = sum > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max() : static_cast<uint32_t>(sum);
}
}  // namespace

void PlayRecord::restartFrom(const GameState& s) {
  restart();
  // The turn counter is 1 at the start of the level and wraps from 200 to 2; a level of
  // more than 199 turns is counted short here.
  turns = s.TurnCounter > 1 ? s.TurnCounter - 1u : 0u;
  whole = false;
}

void PlayRecord::turnEnded() { addTo(turns, 1); }

void PlayRecord::battleFought(bool won, long fallen) {
  addTo(won ? battlesWon : battlesLost, 1);
  addTo(soldiersLost, fallen);
}

void PlayRecord::levyRaised(long soldiers) { addTo(soldiersRaised, soldiers); }

}  // namespace fief
