// The end-of-turn procedure on a county where no dialog is due: turns per second.
#include <benchmark/benchmark.h>

#include "county/county.h"
#include "turn/turn.h"
#include "ui/game.h"
#include "ui/headless/headless_shell.h"
#include "ui/program_start.h"

namespace {

// A working county: fields and cutters manned, trade running, a blacksmith order that
// can be paid. Turn 3 (the turn after 2) has no periodic dialog, no tithe and no stake.
void setUpCounty(fief::Game& g) {
  using namespace fief;
  g.s.Difficulty = 2;
  InitialState(g);
  GameState& s = g.s;
  s.People = 4000;
  s.IdlePeople = 4000;
  for (int f = 1; f <= 4; ++f) {
    s.SelectedField = static_cast<uint8_t>(f);
    ClsFields::SetWorkers(g, f <= 2 ? 1 : 2);
    ClsFields::SetField(g, f <= 2 ? 1 : 2);
  }
  for (int slot = 1; slot <= 2; ++slot) {
    BindCutterSlot(g, WoodCutter, slot);
    BindCutterSlot(g, StoneCutter, slot);
    BindCutterSlot(g, OreCutter, slot);
  }
  s.BlacksmithBuilt = kTrue;
  s.BlacksmithOrder = Sword;
  s.Diplomacy = 90;
  s.SellGood = 1;
  s.SellPercent = 5;
  s.BuyGood = 3;
  s.BuyPercent = 5;
}

void resetTurn(fief::GameState& s) {
  s.TurnCounter = 2;
  s.Season = 1;  // the next season is 2: no frost
  s.Gold = 50000; s.Wood = 20000; s.Stone = 20000; s.Ore = 20000; s.Crops = 30000; s.Meat = 8000;
  s.People = 4000;
  s.Happiness = 60; s.Health = 70; s.Morale = 60;
  s.Leadership = 30; s.Nobility = 20; s.Religion = 50; s.Diplomacy = 90;
}

void BM_EndTurn(benchmark::State& st) {
  fief::HeadlessShell shell;
  fief::Game g(shell, FIEFDOM_GAME_DIR);
  shell.attach(g);
  std::string err;
  g.texts.load(g.dir, err);
  fief::setupTimers(g);
  setUpCounty(g);
  for (auto _ : st) {
    resetTurn(g.s);
    fief::EndTurn(g);
    benchmark::DoNotOptimize(g.s.Gold);
  }
  if (g.log.MessageCount != 0 || g.log.MessageCount2 != 0) st.SkipWithError("a message was logged: not a quiet turn");
  st.counters["turns/s"] = benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EndTurn);

}  // namespace
