#include <string>

#include "campaign/missions.h"
#include "ui/game.h"
#include "ui/program_start.h"

namespace fief {

void LeaveLevel(Game& g) {
  std::string err;
  // Progress that cannot be written keeps the player in the level: the message says why,
  // nothing of the level is lost, and leaving again tries again.
  if (!RecordLevelLeft(g, err)) {
    g.shell.messageBox("The campaign's progress could not be written (" + err +
                       "). You stay in this level; free some room or fix the folder, then leave again.");
    return;
  }
  if (g.formExists("Camp1Frm")) g.form("Camp1Frm").Visible = false;
  for (const char* prog : {"splash.rz", programAfterLevel(g.s.CurrentLevel)})
    if (!g.shell.startProgram(g.programPath(prog)))
      g.shell.messageBox(std::string("The program ") + prog + " could not be started.");
  g.shell.endProgram();
}

}  // namespace fief
