// menudata.rz: the title menu (new campaign with a difficulty, continue, quit).
#include "ui/game.h"
#include "ui/platform/app.h"
#include "ui/platform/sdl_shell.h"

int main() {
  using namespace fief;
  SdlShell shell(SdlShell::Options{"Fiefdom"});
  Game g(shell, gameFolders());
  readDisplaySettings(g);
  return runProgram(shell, g, [&g] { g.form("TitleFrm").show(); }, "TitleFrm");
}
