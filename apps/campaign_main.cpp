// fiefdom: the campaign program (level 15). Started by the title menu; the program
// folder is the folder of this executable.
#include "campaign/game.h"
#include "campaign/program_start.h"
#include "ui/platform/app.h"
#include "ui/platform/sdl_shell.h"

int main() {
  using namespace fief;
  SdlShell shell;
  Game g(shell, programFolder());
  readDisplaySettings(g);
  return runProgram(shell, g, [&g] { runProgramStart(g); });
}
