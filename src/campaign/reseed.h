// Reseeding the generator before the draws the rules reseed for (the population drift, the
// tournament, the scout, the assassin's strike at an army, the frost).
#pragma once

namespace fief {

struct Rules;

// Seeds the generator from the game clock mixed with its own next value. A whole end of
// turn runs within one tick of the clock, so a seed of the clock alone gave every reseed
// of a turn the same first draw; the generator's value, which moves with every draw and
// reseed before, starts each reseed on a sequence of its own. A run on the headless
// shell's still clock stays reproducible. Values queued by a test or a script stay queued
// (and the clock alone seeds what follows them).
void ReseedFromClock(Rules& g);

}  // namespace fief
