// fiefdom: the campaign program (level 15). Started by the title menu; the program
// folder is the folder of this executable.
#include <chrono>

#include "ui/game.h"
#include "ui/platform/app.h"
#include "ui/platform/sdl_shell.h"
#include "ui/program_start.h"

int main() {
  using namespace fief;
  SdlShell shell;
  Game g(shell, gameFolders());
  // Every campaign draws its own county: the generator starts from the wall clock.
  g.rng.seed(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  readDisplaySettings(g);
  return runProgram(shell, g, [&g] { runProgramStart(g); }, "LoadingFrm");
}
