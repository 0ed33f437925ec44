// The option files beside the program: Optim.rz (23-byte settings record), Options.rz
// (the difficulty), Advanced.rz (26-byte in-game options record). Each codec is a pair
// of pure functions; the readers refuse short or garbled data with a message.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace fief {

// Settings record. Option words: 0 fast fade, 1 fade effects off, 2 system pointers,
// 3 windowed display, 6 all sound off; the others are kept as read.
struct OptimSettings {
  std::array<int16_t, 8> Words{};
  uint8_t DisplayMode = 1;  // 0 800x600, 1 1024x768, 2 1280x960, 3 1280x1024
  uint8_t ColourDepth = 16; // 16 selects the high-detail graphics
  uint8_t DisplayOption = 0;
  int16_t Word10 = 0;
  uint8_t Option21 = 0, Option22 = 0;

  bool fastFade() const { return Words[0] != 0; }
  bool fadeEffectsOff() const { return Words[1] != 0; }
  bool systemPointers() const { return Words[2] != 0; }
  bool windowed() const { return Words[3] != 0; }
  bool soundOff() const { return Words[6] != 0; }
  bool highDetail() const { return ColourDepth == 16; }
  std::string graphicsFolder() const { return highDetail() ? "graphics/high" : "graphics/low"; }
  void displaySize(int& w, int& h) const;
  bool operator==(const OptimSettings&) const = default;
};
constexpr size_t kOptimSize = 23;
constexpr size_t kAdvancedSize = 26;

std::vector<uint8_t> encodeOptim(const OptimSettings& o);
bool decodeOptim(const std::vector<uint8_t>& bytes, OptimSettings& out, std::string& err);
OptimSettings defaultOptim();

std::vector<uint8_t> encodeAdvanced(const AdvancedSettings& a);
bool decodeAdvanced(const std::vector<uint8_t>& bytes, AdvancedSettings& out, std::string& err);
AdvancedSettings defaultAdvanced();

// Creates every option and progress file of the program folder that is missing, with
// its first value (difficulty 1, level 15 reached, no load request). Existing files are
// left as the player has them.
bool initOptionFiles(const std::string& programDir, std::string& err);

}  // namespace fief
