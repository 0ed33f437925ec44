// fiefdom-art: generates the pictures, animations, pointers, battle maps, sounds and fonts of the program folder.
// With --app-icon DIR it draws only the game's desktop icon, at every size, into DIR/hicolor.
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "art.h"

int main(int argc, char** argv) {
  art::Config cfg;
  std::string writeManifest, checkManifest, appIconDir;
  cfg.threads = static_cast<int>(std::max(2u, std::thread::hardware_concurrency()));
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto val = [&](std::string& dst) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "missing value for %s\n", a.c_str());
        std::exit(2);
      }
      dst = argv[++i];
    };
    if (a == "--source") val(cfg.sourceDir);
    else if (a == "--out") val(cfg.gameDir);
    else if (a == "--icons") val(cfg.iconsJson);
    else if (a == "--write-manifest") val(writeManifest);
    else if (a == "--check-manifest") val(checkManifest);
    else if (a == "--composite") val(cfg.composite);
    else if (a == "--app-icon") val(appIconDir);
    else if (a == "--threads") { std::string t; val(t); cfg.threads = std::stoi(t); }
    else {
      std::fprintf(stderr,
                   "usage: fiefdom-art --source <repo> --out <game dir> --icons <icons.json> "
                   "[--write-manifest file | --check-manifest file] [--threads n]\n"
                   "       fiefdom-art --icons <icons.json> --app-icon <dir>\n");
      return 2;
    }
  }
  const bool iconOnly = !appIconDir.empty();
  if (cfg.iconsJson.empty() || (!iconOnly && (cfg.sourceDir.empty() || cfg.gameDir.empty()))) {
    std::fprintf(stderr, "fiefdom-art: --icons, and --source and --out or --app-icon, are required\n");
    return 2;
  }
  try {
    if (!iconOnly) return art::generateAll(cfg, writeManifest, checkManifest);
    art::Icons::load(cfg.iconsJson);
    art::writeAppIcons(appIconDir, "fiefdom");
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fiefdom-art: %s\n", e.what());
    return 1;
  }
}
