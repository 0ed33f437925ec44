// The script runner: the game on the headless shell, driven by commands read one per
// line (see docs/script-runner.md). Every query prints exactly one line and flushes it.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace fief {

struct RunOptions {
  std::string gameDir = ".";
  bool spawn = false;
  int soundDevices = 0;  // the virtual machine's sound devices
  int dpi = 120;
  // The script's file: `include` paths are taken relative to its folder (empty: the
  // script comes from standard input and includes are relative to the working folder).
  std::string scriptPath;
};

// How deep `include` may nest (a script including a file that includes another is 2).
inline constexpr int kIncludeDepthLimit = 8;

// Runs the script; returns the process exit status (0 when no command failed).
int runScript(std::istream& in, std::ostream& out, const RunOptions& opt);

// Splits a command line into words; double quotes group words with spaces.
std::vector<std::string> splitCommand(const std::string& line);

}  // namespace fief
