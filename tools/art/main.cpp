// fiefdom-art: generates the pictures, animations, pointers, battle maps, sounds and fonts of the program folder.
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "art.h"

int main(int argc, char** argv) {
  art::Config cfg;
  std::string writeManifest, checkManifest;
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
    else if (a == "--threads") { std::string t; val(t); cfg.threads = std::stoi(t); }
    else {
      std::fprintf(stderr,
                   "usage: fiefdom-art --source <repo> --out <game dir> --icons <icons.json> "
                   "[--write-manifest file | --check-manifest file] [--threads n]\n");
      return 2;
    }
  }
  if (cfg.sourceDir.empty() || cfg.gameDir.empty() || cfg.iconsJson.empty()) {
    std::fprintf(stderr, "fiefdom-art: --source, --out and --icons are required\n");
    return 2;
  }
  try {
    return art::generateAll(cfg, writeManifest, checkManifest);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fiefdom-art: %s\n", e.what());
    return 1;
  }
}
