// splash.rz: the splash card, for a moment or until a click or a key.
#include "ui/game.h"
#include "ui/platform/app.h"
#include "ui/platform/sdl_shell.h"

int main() {
  using namespace fief;
  SdlShell shell(SdlShell::Options{"Fiefdom"});
  Game g(shell, gameFolders());
  readDisplaySettings(g);
  return runProgram(shell, g, [&g] { g.form("SplashFrm").show(); }, "SplashFrm");
}
