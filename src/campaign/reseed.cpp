#include "campaign/reseed.h"

#include <cstdint>

#include "campaign/rules.h"

namespace fief {

void ReseedFromClock(Rules& g) {
  uint64_t own = 0;
  // next() returns a 53-bit whole number scaled into [0, 1): scaling back gives it whole.
  if (g.rng.queued() == 0) own = static_cast<uint64_t>(g.rng.next() * 0x1.0p53);
  g.rng.seed(static_cast<uint64_t>(g.clock()) ^ (own * 0x9E3779B97F4A7C15ULL));
}

}  // namespace fief
