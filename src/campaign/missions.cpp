#include "campaign/missions.h"

#include "campaign/files.h"
#include "campaign/game.h"

namespace fief {

void LeaveLevel(Game& g) {
  GameState& s = g.s;
  std::string err;
  auto write = [&](const char* file, long v) {
    if (!writeNumberFile(g.path(file), v, err)) g.shell.messageBox(err);
  };
  write("LGame.rz", 0);
  // A missing or unreadable progress file counts as a campaign at its start.
  long progress = 0;
  if (!readNumberFile(g.path("camp.rz"), progress, err)) progress = 0;
  const int level = s.CurrentLevel;
  if (level == 17) {
    progress = 17;
    write("camp.rz", 17);
    write("levelinfo.rz", 17);
  } else if (level != 18 && progress < level + 1) {
    progress = level + 1;
    write("camp.rz", progress);
    write("levelinfo.rz", level + 1);
  }
  s.CampaignProgress = static_cast<uint8_t>(progress);
  if (g.formExists("Camp1Frm")) g.form("Camp1Frm").Visible = false;
  const char* next = (level == 7 || level == 13 || level == 17) ? "outrodata.rz" : level == 18 ? "menudata.rz" : "introdata.rz";
  for (const char* prog : {"splash.rz", next})
    if (!g.shell.startProgram(g.path(prog)))
      g.shell.messageBox(std::string("The program ") + prog + " could not be started.");
  g.shell.endProgram();
}

}  // namespace fief
