// The end of turn with both rival lords in play, their armies on the map, a raid and an
// attack counting down: turns per second.
#include <benchmark/benchmark.h>

#include "rivals/rival_turn.h"
#include "state/rng.h"
#include "turn/turn.h"
#include "ui/game.h"
#include "ui/headless/headless_shell.h"
#include "ui/program_start.h"

namespace {

// A turn of the rivals' calendar with no dialog for the player: turn 41 follows.
void resetTurn(fief::GameState& s) {
  using namespace fief;
  s.TurnCounter = 40;
  s.Season = 1;
  s.Gold = 50000; s.Wood = 20000; s.Stone = 20000; s.Ore = 20000; s.Crops = 30000; s.Meat = 8000;
  s.People = 4000;
  s.Happiness = 60; s.Health = 70; s.Morale = 60;
  s.Leadership = 30; s.Nobility = 20; s.Religion = 50; s.Diplomacy = 90;
  for (int r = 1; r <= 2; ++r) {
    auto set = [&](auto& rival) {
      rival.Active = kTrue;
      rival.Gold = 20000;
      rival.Happiness = 60;
      rival.People = 3000;
      rival.Morale = 50;
      rival.Leadership = 30;
      rival.Nobility = 20;
      rival.Religion = 50;
      rival.Diplomacy = 20;
      rival.Values[5] = kTrue;  // his fame was told long ago: no dialog
    };
    if (r == 1) set(s.Rival1);
    else set(s.Rival2);
  }
  s.Rival1WarState = 3;    // rival 1's army A raids the village in three turns
  s.Rival1.Bytes[1] = ArmyRaiding;
  s.Rival2AttackState = 5;  // rival 2's host is on its way to the castle
  s.Rival2.Bytes[1] = ArmyMarching;
}

void BM_EndTurnWithRivals(benchmark::State& st) {
  fief::HeadlessShell shell;
  fief::Game g(shell, FIEFDOM_GAME_DIR);
  shell.attach(g);
  std::string err;
  g.texts.load(g.dir, err);
  fief::setupTimers(g);
  g.s.Difficulty = 2;
  fief::InitialState(g);
  g.s.Advanced.DeleteMessagesOption = fief::kTrue;
  // Armies of both rivals on the map and their castles' garrisons.
  for (int c = 0; c < 5; ++c) {
    g.s.EnemyCamp[c].set(fief::Archer, 300 + 50 * c);
    g.s.EnemyCamp[c].set(fief::ClubMan, 200);
  }
  g.s.Rival1.Values[2] = g.s.Rival2.Values[1] = fief::kTrue;
  for (auto _ : st) {
    resetTurn(g.s);
    fief::EndTurn(g);
    benchmark::DoNotOptimize(g.s.Rival1.Gold);
  }
  if (!fief::isSet(g.s.PlayerInGame)) st.SkipWithError("the player lost during the benchmark");
  st.counters["turns/s"] = benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EndTurnWithRivals);

// The rivals' part alone.
void BM_RivalLordsTurn(benchmark::State& st) {
  fief::GameState s;
  fief::Rng rng(3);
  fief::RivalEvents quiet;
  s.PlayerInGame = fief::kTrue;
  s.CampExists[0] = fief::kTrue;
  s.CampWaypoint[0] = 2;
  for (int c = 0; c < 5; ++c) s.EnemyCamp[c].set(fief::Archer, 300);
  int turn = 2;
  for (auto _ : st) {
    resetTurn(s);
    s.TurnCounter = static_cast<uint8_t>(turn);
    turn = turn >= 200 ? 2 : turn + 1;
    s.GuardLevel = 200;  // the assassins never succeed
    fief::RivalLordsTurn(s, rng, quiet);
    benchmark::DoNotOptimize(s.Rival2.Gold);
  }
  st.counters["turns/s"] = benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RivalLordsTurn);

}  // namespace
