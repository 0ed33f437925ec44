// Reseeding from the game clock: the reseeds of one end of turn, which all fall within one
// tick of the clock, start sequences of their own, and the same clock gives the same run.
#include <set>
#include <vector>

#include "campaign/reseed.h"
#include "rules_fixture.h"
#include "turn/turn.h"

namespace fief {
namespace {

std::vector<double> firstDrawsAfterReseeds(Rules& g, int n) {
  std::vector<double> out;
  for (int i = 0; i < n; ++i) {
    ReseedFromClock(g);
    out.push_back(g.rng.next());
  }
  return out;
}

TEST(Reseed, EachReseedOfOneTickStartsItsOwnSequence) {
  Rules a, b;
  a.clock = b.clock = [] { return int64_t{43200000}; };
  const std::vector<double> draws = firstDrawsAfterReseeds(a, 8);
  EXPECT_EQ(std::set<double>(draws.begin(), draws.end()).size(), draws.size());
  // The same clock and the same course give the same draws: a scripted run repeats.
  EXPECT_EQ(firstDrawsAfterReseeds(b, 8), draws);
  // Queued values are drawn first, whatever the reseeds between them.
  a.rng.queue({0.25, 0.75});
  ReseedFromClock(a);
  EXPECT_EQ(a.rng.next(), 0.25);
  ReseedFromClock(a);
  EXPECT_EQ(a.rng.next(), 0.75);
}

// An end of turn that resolves a scout mission and brings the frost: each reseeds before
// its draw. Over many clocks the scout's success does not follow the frost's roll.
struct ScoutAndFrost : test::RulesFixture {};

TEST_F(ScoutAndFrost, TheScoutAndTheFrostDrawApart) {
  int agree = 0, runs = 0;
  for (int64_t t = 0; t < 40; ++t) {
    startCampaign(2);
    GameState& s = g.s;
    g.clock = [t] { return t * 1000; };
    s.Season = 2;  // the turn brings the third season, and with it the frost
    s.ObjectMissionCountdown = 0;
    s.ObjectMissionTarget = 1;
    EndTurn(g);
    const bool scouted = s.CountyBlessings[6] == 1;
    const bool frostRollHigh = s.FrostRoll >= 80;  // Int(100r + 50) >= 80 exactly when Int(100r + 100) >= 130
    agree += scouted == frostRollHigh;
    ++runs;
  }
  EXPECT_LT(agree, runs) << "every scout succeeded exactly when the frost rolled high: one draw for both";
}

}  // namespace
}  // namespace fief
