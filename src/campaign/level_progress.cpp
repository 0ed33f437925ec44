#include <string>

#include "campaign/files.h"
#include "campaign/missions.h"
#include "campaign/rules.h"

namespace fief {

bool RecordLevelLeft(Rules& r, std::string& err) {
  GameState& s = r.s;
  auto write = [&](const char* file, long v) { return writeNumberFile(r.writePath(file), v, err); };
  if (!write("LGame.rz", 0)) return false;
  // A missing or unreadable progress file counts as a campaign at its start.
  long progress = 0;
  std::string unread;
  if (!readNumberFile(r.path("camp.rz"), progress, unread)) progress = 0;
  const int level = s.CurrentLevel;
  // levelinfo.rz before camp.rz: when only the first is written, camp.rz still shows the
  // level unfinished and leaving again writes both.
  if (level == 17) {
    progress = 17;
    if (!write("levelinfo.rz", 17) || !write("camp.rz", 17)) return false;
  } else if (level != 18 && progress < level + 1) {
    progress = level + 1;
    if (!write("levelinfo.rz", level + 1) || !write("camp.rz", progress)) return false;
  }
  s.CampaignProgress = static_cast<uint8_t>(progress);
  return true;
}

const char* programAfterLevel(int level) {
  return (level == 7 || level == 13 || level == 17) ? "outrodata.rz" : level == 18 ? "menudata.rz" : "introdata.rz";
}

}  // namespace fief
