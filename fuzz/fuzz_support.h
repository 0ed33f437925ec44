// What the fuzz targets share: a program folder with the built texts and level map in a
// temporary directory, and a game on the headless shell over it whose modal forms are
// answered by closing them with their first button.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/game.h"
#include "ui/headless/headless_shell.h"

namespace fief::fuzz {

struct FuzzGame {
  std::string dir;
  HeadlessShell shell;
  Game g;
  FuzzGame();
  // A fresh campaign at difficulty 1 with a fixed seed, no screen open.
  void restart();
};

// The one game of the process (made on first use).
FuzzGame& game();

// Stops the fuzzer with a message: a property of a reader does not hold.
[[noreturn]] void fail(const std::string& what);

std::vector<uint8_t> bytesOf(const uint8_t* data, size_t size);

}  // namespace fief::fuzz
