#include "campaign/files.h"
#include "ui/game.h"
#include "ui/program_start.h"

namespace fief {

void loadAdvancedSettings(Game& g) {
  std::vector<uint8_t> bytes;
  std::string err;
  AdvancedSettings a;
  if (!readFile(g.path("Advanced.rz"), bytes, err) || !decodeAdvanced(bytes, a, err)) {
    g.shell.messageBox("The in-game options (Advanced.rz) could not be read: " + err + ". The default options are used.");
    a = defaultAdvanced();
  }
  g.s.Advanced = a;
}

bool readAdvancedSettingsQuietly(Game& g) {
  std::vector<uint8_t> bytes;
  std::string err;
  AdvancedSettings a;
  if (!readFile(g.path("Advanced.rz"), bytes, err) || !decodeAdvanced(bytes, a, err)) return false;
  g.s.Advanced = a;
  return true;
}

}  // namespace fief
