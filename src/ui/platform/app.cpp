#include "ui/platform/app.h"

#include <SDL.h>

#include <cstdio>

#include "campaign/files.h"
#include "ui/game.h"
#include "ui/platform/sdl_shell.h"

namespace fief {

std::string programFolder() {
  std::string dir = ".";
  if (char* base = SDL_GetBasePath()) {
    dir = base;
    SDL_free(base);
  }
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

Folders gameFolders() { return openFolders(programFolder()); }

void readDisplaySettings(Game& g) {
  std::vector<uint8_t> bytes;
  std::string err;
  OptimSettings o = defaultOptim();
  if (!readFile(g.path("Optim.rz"), bytes, err) || !decodeOptim(bytes, o, err)) o = defaultOptim();
  g.optim = o;
}

int runProgram(SdlShell& shell, Game& g, const std::function<void()>& start, const std::string& firstForm) {
  std::string err;
  if (!firstForm.empty()) shell.preload(g, g.form(firstForm));
  if (!shell.attach(g, err)) {
    std::fprintf(stderr, "fiefdom: %s\n", err.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Fiefdom", ("The game cannot start: " + err).c_str(), nullptr);
    return 1;
  }
  try {
    start();
    shell.run();
  } catch (const ProgramEnded&) {
    return 0;
  } catch (const std::exception& e) {
    shell.messageBox(std::string("The game stopped after an internal error: ") + e.what());
    return 1;
  }
  return 0;
}

}  // namespace fief
