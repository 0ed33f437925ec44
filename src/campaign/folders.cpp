#include "campaign/folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "campaign/files.h"

namespace fief {

namespace fs = std::filesystem;

namespace {

bool exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

// What the player is told when his folder cannot be used, after the reason.
constexpr const char* kShippedSettings =
    " The game starts from its shipped settings; saving and changing the options will not work.";

}  // namespace

std::string Folders::locate(const std::string& relative, Use use) const {
  const std::string shipped = program + "/" + relative;
  switch (use) {
    case Use::Program:
      return shipped;
    case Use::Write:
      return player.empty() ? std::string() : player + "/" + relative;
    case Use::Read:
      break;
  }
  if (!separate() || player.empty()) return shipped;
  const std::string own = player + "/" + relative;
  if (exists(own) || !exists(shipped)) return own;
  return shipped;
}

Folders sameFolder(const std::string& dir) { return Folders{dir, dir, {}}; }

std::string playerDataFolder(const char* xdgDataHome, const char* home) {
  // A relative XDG_DATA_HOME is invalid and ignored, as the XDG base directories say.
  if (xdgDataHome && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/fiefdom";
  if (home && home[0]) {
    std::string h = home;
    while (h.size() > 1 && h.back() == '/') h.pop_back();
    return (h == "/" ? std::string() : h) + "/.local/share/fiefdom";
  }
  return {};
}

bool keepsPlayerFiles(const std::string& programDir) {
  return ::access(programDir.c_str(), W_OK) == 0 && !exists(programDir + "/" + kInstalledMarker);
}

Folders openFolders(const std::string& programDir, const char* xdgDataHome, const char* home) {
  if (keepsPlayerFiles(programDir)) return sameFolder(programDir);
  Folders f{programDir, playerDataFolder(xdgDataHome, home), {}};
  if (f.player.empty()) {
    f.problem = "The game has no folder for your saved games and options: neither XDG_DATA_HOME nor HOME is set.";
    f.problem += kShippedSettings;
    return f;
  }
  std::error_code ec;
  fs::create_directories(f.player + "/Save Game", ec);
  if (ec || !fs::is_directory(f.player + "/Save Game", ec)) {
    f.problem = "The folder for your saved games and options, " + f.player + ", cannot be made: " +
                (ec ? ec.message() : std::string("something else is in its place")) + ".";
    f.problem += kShippedSettings;
    return f;
  }
  if (::access(f.player.c_str(), W_OK) != 0 || ::access((f.player + "/Save Game").c_str(), W_OK) != 0) {
    f.problem = "The folder for your saved games and options, " + f.player + ", cannot be written to.";
    f.problem += kShippedSettings;
    return f;
  }
  for (const char* name : kShippedDefaults) {
    const std::string own = f.player + "/" + name;
    if (exists(own)) continue;
    std::vector<uint8_t> bytes;
    std::string err;
    // A file the program folder does not ship stays missing: the game uses its own first values.
    if (!readFile(f.program + "/" + name, bytes, err)) continue;
    if (!writeFileAtomic(own, bytes, err)) {
      f.problem = "Your settings could not be set up in " + f.player + ": " + err + ".";
      f.problem += kShippedSettings;
      return f;
    }
  }
  return f;
}

Folders openFolders(const std::string& programDir) {
  return openFolders(programDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

}  // namespace fief
