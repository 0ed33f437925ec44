// One frame of the SDL shell saved as a screenshot, with the problems the screen checks
// find on the checked form (text over text, text leaving its box: screen_checks.h).
#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <fnmatch.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "screen_checks.h"
#include "ui/platform/sdl_shell.h"

namespace fief::test {

// Saves the frame as outDir/<name>_<w>x<h>.png and returns the problems found on `check`,
// each prefixed with that file name.
inline std::vector<std::string> shootFrame(SdlShell& sh, Form& check, const std::string& name,
                                           const std::filesystem::path& outDir) {
  std::vector<std::string> found;
  SDL_Surface* s = readCheckedFrame(sh, check, found);
  EXPECT_NE(s, nullptr) << SDL_GetError();
  int w = 0, h = 0;
  sh.logicalSize(w, h);
  const std::string file = name + "_" + std::to_string(w) + "x" + std::to_string(h);
  if (s) {
    IMG_SavePNG(s, (outDir / (file + ".png")).c_str());
    SDL_FreeSurface(s);
  }
  for (auto& p : found) p = file + ": " + p;
  return found;
}

// The problems already reported to the screens' owners: one shell pattern (fnmatch) a
// line of tests/sdl/known_issues.txt. Prints every problem, marked known or `fresh`, and
// returns how many are not known.
inline int reportProblems(const std::vector<std::string>& problems, const char* fresh = "PROBLEM: ") {
  std::vector<std::string> known;
  std::ifstream f(std::string(FIEFDOM_SOURCE_DIR) + "/tests/sdl/known_issues.txt");
  std::string line;
  while (std::getline(f, line))
    if (!line.empty() && line[0] != '#') known.push_back(line);
  int count = 0;
  for (const auto& p : problems) {
    const bool isKnown = std::any_of(known.begin(), known.end(),
                                     [&](const std::string& k) { return fnmatch(k.c_str(), p.c_str(), 0) == 0; });
    std::printf("%s%s\n", isKnown ? "known: " : fresh, p.c_str());
    count += !isKnown;
  }
  return count;
}
// A display mode the screenshot tests draw in, with the logical size it gives.
struct Mode {
  uint8_t displayMode;
  int w, h;
};

// Base of the screenshot fixtures: SDL on its offscreen and silent drivers, and the folder
// the pictures are saved to.
class ScreenshotFixture : public ::testing::TestWithParam<Mode> {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // The status panel's clock shows the same time on every run.
    setenv("FIEFDOM_TIME_OF_DAY", "12:00:00", 1);
    std::filesystem::create_directories(outDir);
  }

  std::filesystem::path outDir = std::filesystem::path(FIEFDOM_BINARY_DIR) / "screenshots";
};

}  // namespace fief::test
