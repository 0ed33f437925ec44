// Loading a saved game as the player does (the file in the save folder, ReadSave), then
// playing a turn on it: a damaged file is refused with a message, and whatever loads
// plays without a fault the sanitizers see, leaving the county's values in range.
#include <fstream>

#include "campaign/save_games.h"
#include "fuzz_support.h"
#include "turn/turn.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto& F = fuzz::game();
  Game& g = F.g;
  F.restart();
  {
    std::ofstream f(g.path("Save Game/Fuzz.s15"), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  std::string err;
  if (!ReadSave(g, "Fuzz", err)) {
    if (err.find("Fuzz.s15") == std::string::npos) fuzz::fail("the message does not name the file: " + err);
    return 0;
  }
  EndTurn(g);
  const GameState& s = g.s;
  for (int32_t v : {s.Gold, s.Wood, s.Stone, s.Ore, s.Crops, s.Meat, s.People})
    if (v < 0) fuzz::fail("a negative stock after the turn");
  for (int16_t v : {s.Happiness, s.Health, s.Leadership, s.Nobility, s.Diplomacy, s.Religion})
    if (v < 0 || v > 100) fuzz::fail("a county value out of 0..100 after the turn");
  if (!(s.Morale >= -100 && s.Morale <= 100)) fuzz::fail("morale out of range after the turn");
  if (g.log.count(1) > 8 || g.log.count(2) > 8) fuzz::fail("more than 8 messages in a list");
  return 0;
}
