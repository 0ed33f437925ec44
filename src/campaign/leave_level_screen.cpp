#include "campaign/missions.h"

#include "campaign/files.h"
#include "ui/game.h"

namespace fief {

void LeaveLevel(Game& g) {
  GameState& s = g.s;
  std::string err;
  // Progress that cannot be written keeps the player in the level: the message says why,
  // nothing of the level is lost, and leaving again tries again.
  auto write = [&](const char* file, long v) { return writeNumberFile(g.writePath(file), v, err); };
  auto stay = [&] {
    g.shell.messageBox("The campaign's progress could not be written (" + err +
                       "). You stay in this level; free some room or fix the folder, then leave again.");
  };
  if (!write("LGame.rz", 0)) return stay();
  // A missing or unreadable progress file counts as a campaign at its start.
  long progress = 0;
  if (!readNumberFile(g.path("camp.rz"), progress, err)) progress = 0;
  const int level = s.CurrentLevel;
  // levelinfo.rz before camp.rz: when only the first is written, camp.rz still shows the
  // level unfinished and leaving again writes both.
  if (level == 17) {
    progress = 17;
    if (!write("levelinfo.rz", 17) || !write("camp.rz", 17)) return stay();
  } else if (level != 18 && progress < level + 1) {
    progress = level + 1;
    if (!write("levelinfo.rz", level + 1) || !write("camp.rz", progress)) return stay();
  }
  s.CampaignProgress = static_cast<uint8_t>(progress);
  if (g.formExists("Camp1Frm")) g.form("Camp1Frm").Visible = false;
  const char* next = (level == 7 || level == 13 || level == 17) ? "outrodata.rz" : level == 18 ? "menudata.rz" : "introdata.rz";
  for (const char* prog : {"splash.rz", next})
    if (!g.shell.startProgram(g.programPath(prog)))
      g.shell.messageBox(std::string("The program ") + prog + " could not be started.");
  g.shell.endProgram();
}

}  // namespace fief
