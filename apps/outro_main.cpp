// outrodata.rz: the story after the campaign, card by card, then the title menu.
#include "ui/game.h"
#include "ui/platform/app.h"
#include "ui/platform/sdl_shell.h"
#include "ui/title/title_forms.h"

int main() {
  using namespace fief;
  SdlShell shell(SdlShell::Options{"Fiefdom"});
  Game g(shell, gameFolders());
  readDisplaySettings(g);
  return runProgram(shell, g, [&g] {
    auto& story = g.form<StoryFrm>("StoryFrm");
    story.cards = StoryFrm::outroCards();
    story.show();
  });
}
