// Benchmarks of the SDL platform (run by hand: build/fiefdom_sdl_bench; under Xvfb with
// SDL_VIDEODRIVER=x11 for the idle figure, since the offscreen driver cannot sleep on events):
//   StartToCampaign   program start to the campaign screen, wall time
//   CampaignFrame     one campaign frame at 1280x1024 (draw and present)
//   BareClearPresent  a clear and present of the same size on the same renderer
//   IdleCpu           processor use of the idle loop with the campaign screen up
//   BattleFrame       one step of a watched battle of four armies and its frame at 1280x1024
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>

#include "battle/battle_window_screen.h"
#include "campaign/files.h"
#include "sdl_game_dir.h"
#include "ui/game.h"
#include "ui/platform/sdl_shell.h"
#include "ui/program_start.h"

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

void BattleFrame(benchmark::State& st) {
  test::SdlGameDir dir(3);
  SdlShell sh{SdlShell::Options{"bench", true}};
  Game g{sh, dir.path.string()};
  std::vector<uint8_t> bytes;
  std::string err;
  if (readFile(g.path("Optim.rz"), bytes, err)) decodeOptim(bytes, g.optim, err);
  if (!sh.attach(g, err)) throw std::runtime_error(err);
  battle::HandOver h;
  h.in.MapName = "\\level15\\field1.mbf";
  h.mapPath = "level15/field1.mbf";
  for (int a = 0; a < 4; ++a) {
    FightArmy fa;
    fa.Side = static_cast<uint8_t>(a % 2);
    fa.Morale = 90;
    for (auto& c : fa.Counts) c = 2000;  // every formation on the field, a long battle
    h.in.Armies.push_back(fa);
  }
  battle::BattleSession session(h);
  battle::currentSession() = &session;
  auto& f = g.form<BattleFrm>("BattleFrm");
  sh.show(f);
  f.fight();
  for (auto _ : st) {
    if (session.battle->over()) session.battle = std::make_unique<battle::Battle>(h.in, h.seed + 1);
    f.stepOnce();
    sh.drawNow();
  }
  battle::currentSession() = nullptr;
}
BENCHMARK(BattleFrame)->Unit(benchmark::kMillisecond);

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
