// A scratch program folder for the SDL tests and benchmarks: links to the built
// pictures, sounds and fonts (read only), copies of the texts and the level map, and
// option files with their first values (whatever the player set in the built folder),
// the display mode given.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "campaign/files.h"
#include "campaign/option_files.h"

namespace fief::test {

struct SdlGameDir {
  std::filesystem::path path;
  explicit SdlGameDir(uint8_t displayMode = defaultOptim().DisplayMode) {
    namespace fs = std::filesystem;
    char tmpl[] = "/tmp/fiefdom-sdl-XXXXXX";
    path = mkdtemp(tmpl);
    const fs::path src = FIEFDOM_GAME_DIR;
    for (const char* d : {"graphics", "anim", "fonts", "pointers", "sounds"})
      if (fs::exists(src / d)) fs::create_directory_symlink(src / d, path / d);
    for (const char* d : {"localizations", "level15"})
      if (fs::exists(src / d)) fs::copy(src / d, path / d, fs::copy_options::recursive);
    std::string err;
    initOptionFiles(path.string(), err);
    OptimSettings o = defaultOptim();
    o.DisplayMode = displayMode;
    writeFileAtomic((path / "Optim.rz").string(), encodeOptim(o), err);
  }
  ~SdlGameDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  SdlGameDir(const SdlGameDir&) = delete;
  SdlGameDir& operator=(const SdlGameDir&) = delete;
};

}  // namespace fief::test
