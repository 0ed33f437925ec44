// The end of turn on the rules alone, with the null player answering every question:
// a quiet turn and turn 120, which asks the tithe, the stake and three event dialogs.
#include <benchmark/benchmark.h>

#include <string>

#include "campaign/initial_state.h"
#include "campaign/rules.h"
#include "county/county.h"
#include "turn/turn.h"

namespace {

void resetCounty(fief::GameState& s, int turn) {
  s.TurnCounter = static_cast<uint8_t>(turn - 1);
  s.Season = 1;  // the next season is 2: no frost
  s.Gold = 50000; s.Wood = 20000; s.Stone = 20000; s.Ore = 20000; s.Crops = 30000; s.Meat = 8000;
  s.People = 4000; s.IdlePeople = 4000;
  s.Happiness = 60; s.Health = 70; s.Morale = 60;
  s.Leadership = 30; s.Nobility = 20; s.Religion = 50; s.Diplomacy = 90;
}

void endTurns(benchmark::State& st, int turn, size_t questions) {
  fief::Rules r(FIEFDOM_GAME_DIR);
  std::string err;
  if (!r.texts.load(r.dir, err)) {
    st.SkipWithError(err.c_str());
    return;
  }
  r.s.Difficulty = 2;
  fief::registerTurnEventKinds();
  fief::InitialState(r);
  // Counts the questions the null player answers (and answers as it does).
  struct Counting : fief::NullDecisions {
    size_t asked = 0;
    void event(fief::EventQuestion& q) override { ++asked; NullDecisions::event(q); }
    void tithe(fief::TitheQuestion& q) override { ++asked; NullDecisions::tithe(q); }
    void stake(fief::StakeQuestion& q) override { ++asked; NullDecisions::stake(q); }
  } player;
  r.setPlayer(&player);
  for (auto _ : st) {
    resetCounty(r.s, turn);
    player.asked = 0;
    fief::ClearMessages(r);
    fief::EndTurn(r);
    benchmark::DoNotOptimize(r.s.Gold);
  }
  if (player.asked != questions) st.SkipWithError("the turn did not ask the expected questions");
  st.counters["turns/s"] = benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}

void BM_EndTurnRulesQuiet(benchmark::State& st) { endTurns(st, 3, 0); }
void BM_EndTurnRulesWithDialogs(benchmark::State& st) { endTurns(st, 120, 5); }
BENCHMARK(BM_EndTurnRulesQuiet);
BENCHMARK(BM_EndTurnRulesWithDialogs);

}  // namespace
