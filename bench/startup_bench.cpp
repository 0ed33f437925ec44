// The title program's start, in process: the steps of menudata.rz's main from the shell
// to the first frame of the title menu on the screen. With DISPLAY set it opens real
// windows (run under Xvfb for the figure of a machine without a graphics card); without
// one, SDL's offscreen driver. The process's own start (loading the libraries) is not in
// it: measurements of the whole program use a fresh X server and time the
// first stable frame (docs/platform.md).
//   TitleStart/1   the title menu's pictures decode while SDL and the window start
//   TitleStart/0   the same without decoding ahead
#include <benchmark/benchmark.h>

#include <memory>

#include "ui/game.h"
#include "ui/platform/app.h"
#include "ui/platform/sdl_shell.h"

namespace {

void TitleStart(benchmark::State& st) {
  if (!getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  for (auto _ : st) {
    auto shell = std::make_unique<fief::SdlShell>(fief::SdlShell::Options{"bench"});
    auto g = std::make_unique<fief::Game>(*shell, FIEFDOM_GAME_DIR);
    fief::readDisplaySettings(*g);
    if (st.range(0)) shell->preload(*g, g->form("TitleFrm"));
    std::string err;
    if (!shell->attach(*g, err)) {
      st.SkipWithError(err.c_str());
      break;
    }
    g->form("TitleFrm").show();
    shell->drawNow();
    // Closing the window and SDL is not part of the start.
    st.PauseTiming();
    g.reset();
    shell.reset();
    st.ResumeTiming();
  }
}
BENCHMARK(TitleStart)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
