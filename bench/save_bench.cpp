// Encoding and decoding a saved game record, and the campaign start's state part.
#include <benchmark/benchmark.h>

#include "campaign/save_games.h"
#include "state/save_record.h"
#include "ui/game.h"
#include "ui/headless/headless_shell.h"
#include "ui/program_start.h"

namespace {

void BM_SaveEncodeDecode(benchmark::State& st) {
  fief::GameState s;
  s.Gold = 12345;
  s.CampComposition[0].set(fief::Archer, 200);
  std::string err;
  fief::GameState back;
  for (auto _ : st) {
    auto bytes = fief::encodeSave(s);
    bool ok = fief::decodeSave(bytes, back, err);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(back.Gold);
  }
}
BENCHMARK(BM_SaveEncodeDecode);

void BM_CampaignStartState(benchmark::State& st) {
  fief::HeadlessShell shell;
  fief::Game g(shell, FIEFDOM_GAME_DIR);
  shell.attach(g);
  g.s.Difficulty = 2;
  for (auto _ : st) {
    fief::InitialState(g);
    benchmark::DoNotOptimize(g.s.Gold);
  }
}
BENCHMARK(BM_CampaignStartState);

// The whole state part of the campaign start with the first save written to disk.
void BM_CampaignStartWithFirstSave(benchmark::State& st) {
  fief::HeadlessShell shell;
  fief::Game g(shell, "/tmp");
  shell.attach(g);
  g.s.Difficulty = 1;
  std::string err;
  for (auto _ : st) {
    fief::InitialState(g);
    bool ok = fief::WriteSave(g, "BenchFirstSave", err);
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK(BM_CampaignStartWithFirstSave);

}  // namespace
