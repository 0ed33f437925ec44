#include "campaign/files.h"
#include "campaign/save_games.h"
#include "state/arith.h"
#include "ui/game.h"
#include "ui/program_start.h"

namespace fief {

void CampaignStart(Game& g) {
  InitialState(g);
  std::string err;
  if (!WriteSave(g, "FirstSave", err)) g.shell.messageBox("The first save of the campaign could not be written: " + err);
  // The loading is done: the bar shows it full before the load screen (or the campaign
  // screen) opens over the loading screen, instead of standing half way behind it.
  if (g.formExists("LoadingFrm")) {
    Control& bar = g.form("LoadingFrm").ctl("LoadingBar");
    bar.Value = bar.Max;
  }

  long request = 0;
  if (readNumberFile(g.path("LGame.rz"), request, err) && request != 0) {
    g.s.LoadGameRequest = static_cast<uint8_t>(request);
    g.form("LoadGameFrm").showModal();
    g.s.LoadGameRequest = 0;
    if (!writeNumberFile(g.writePath("LGame.rz"), 0, err)) g.shell.messageBox(err);
  }

  g.shell.close(g.form("LoadingFrm"));
  g.unload("LoadingFrm");
  g.form("Camp1Frm").show();
  g.form("TipsFrm").showModal();
  if (isSet(g.s.Advanced.Tooltips)) g.timers.enable("TooltipsTimer");
}

void UnlockCheck(Game& g) {
  if (g.s.CurrentLevel == 18) return;
  long reached = 0;
  std::string err;
  if (!readNumberFile(g.path("levelinfo.rz"), reached, err)) {
    g.shell.messageBox("The campaign's progress file cannot be read (" + err + ").");
    g.shell.endProgram();
  }
  if (reached < g.s.CurrentLevel) {
    g.shell.messageBox("No, no, no... :)");
    g.shell.endProgram();
  }
}

}  // namespace fief
