// Benchmarks of the SDL platform (run by hand: build/fiefdom_sdl_bench; under Xvfb with
// SDL_VIDEODRIVER=x11 for the idle figure, since the offscreen driver cannot sleep on events):
//   StartToCampaign   program start to the campaign screen, wall time
//   CampaignFrame     one campaign frame at 1280x1024 (draw and present)
//   BareClearPresent  a clear and present of the same size on the same renderer
//   IdleCpu           processor use of the idle loop with the campaign screen up
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>

#include "campaign/files.h"
#include "campaign/game.h"
#include "campaign/program_start.h"
#include "sdl_game_dir.h"
#include "ui/platform/sdl_shell.h"

namespace fs = std::filesystem;
using namespace fief;

namespace {

// A campaign started as the program does it (modal screens on the way are closed).
struct Running {
  test::SdlGameDir dir;
  SdlShell sh{SdlShell::Options{"bench", true}};
  Game g{sh, dir.path.string()};
  explicit Running(uint8_t mode) : dir(mode) {
    std::vector<uint8_t> bytes;
    std::string err;
    if (readFile(g.path("Optim.rz"), bytes, err)) decodeOptim(bytes, g.optim, err);
    if (!sh.attach(g, err)) throw std::runtime_error(err);
    runProgramStart(g);
    while (!g.formExists("Camp1Frm") || !g.form("Camp1Frm").Visible) sh.runOnce(5);
    sh.drawNow();
  }
};

void StartToCampaign(benchmark::State& st) {
  for (auto _ : st) {
    Running run(3);
    benchmark::DoNotOptimize(run.g.s.Gold);
  }
}
BENCHMARK(StartToCampaign)->Unit(benchmark::kMillisecond)->Iterations(3);

void CampaignFrame(benchmark::State& st) {
  Running run(3);
  for (auto _ : st) run.sh.drawNow();
}
BENCHMARK(CampaignFrame)->Unit(benchmark::kMillisecond);

void BareClearPresent(benchmark::State& st) {
  Running run(3);
  SDL_Renderer* r = SDL_GetRenderer(run.sh.window());
  for (auto _ : st) {
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
    SDL_RenderPresent(r);
  }
}
BENCHMARK(BareClearPresent)->Unit(benchmark::kMillisecond);

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void IdleCpu(benchmark::State& st) {
  Running run(3);
  for (auto _ : st) {
    const double cpu0 = cpuSeconds();
    const int64_t t0 = run.sh.nowMs();
    while (run.sh.nowMs() - t0 < 3000) run.sh.runOnce();
    const double wall = (run.sh.nowMs() - t0) / 1000.0;
    st.counters["cpu_percent"] = 100.0 * (cpuSeconds() - cpu0) / wall;
    st.SetIterationTime(wall);
  }
}
BENCHMARK(IdleCpu)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
