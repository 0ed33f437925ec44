// Auto-calculated battles per second: two armies of 1,000 soldiers each of mixed unit
// types (a fresh seed each battle), and the largest hand-over, four armies of 14 full
// formations. The "items_per_second" counter is battles per second on one core.
#include <benchmark/benchmark.h>

#include <random>

#include "battle/battle_model.h"

namespace {

using namespace fief;
using namespace fief::battle;

FightIn battleOf(int armies, int soldiers, uint64_t seed) {
  std::mt19937_64 g(seed);
  FightIn in;
  in.MapName = "\\level15\\field1.mbf";
  for (int a = 0; a < armies; ++a) {
    FightArmy fa;
    fa.Side = static_cast<uint8_t>(a % 2);
    fa.Morale = static_cast<int16_t>(40 + g() % 40);
    // Soldiers spread over the fighting types, a warlord and a few monks and engineers.
    int left = soldiers;
    for (int s = 0; s < kRosterSize && left > 0; ++s) {
      const Unit u = kRosterUnits[s];
      int n = u == Warlord ? 1 : u == Monk ? 5 : u == Enginer ? 20 : static_cast<int>(g() % (soldiers / 5 + 1));
      n = std::min(n, left);
      fa.Counts[s] = static_cast<int16_t>(n);
      left -= n;
    }
    fa.Counts[rosterSlot(SwordMan)] = static_cast<int16_t>(fa.Counts[rosterSlot(SwordMan)] + left);
    in.Armies.push_back(fa);
  }
  return in;
}

void BM_CalculatedBattle(benchmark::State& st) {
  const int armies = static_cast<int>(st.range(0)), soldiers = static_cast<int>(st.range(1));
  std::vector<FightIn> ins;
  for (uint64_t i = 0; i < 64; ++i) ins.push_back(battleOf(armies, soldiers, i));
  uint64_t n = 0;
  int64_t steps = 0;
  for (auto _ : st) {
    Battle b(ins[n % ins.size()], n);
    b.finish();
    steps += b.steps();
    FightOut r = b.result();
    benchmark::DoNotOptimize(r);
    ++n;
  }
  st.SetItemsProcessed(static_cast<int64_t>(n));
  st.counters["steps_per_battle"] = n ? static_cast<double>(steps) / n : 0;
}
BENCHMARK(BM_CalculatedBattle)->Args({2, 1000})->Args({4, 3000})->Unit(benchmark::kMicrosecond);

}  // namespace
