// The chronicle: the county's gold, people, food, happiness and health after every turn
// of the campaign, for the charts of the realm overview. It lives beside the game state
// for the run and is kept beside each saved game in a companion file
// (chronicle_file.h); the save record itself does not change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fief {

struct GameState;

struct ChronicleEntry {
  uint16_t turn = 0;   // the campaign's turn: 1 at the start, + 1 each end of turn
  uint8_t season = 0;  // 1..4
  int32_t gold = 0, people = 0, crops = 0, meat = 0;
  int16_t happiness = 0, health = 0;
  bool operator==(const ChronicleEntry&) const = default;
};

struct Chronicle {
  // The most turns kept; beyond it the oldest are dropped.
  static constexpr size_t kMaxEntries = 4000;
  std::vector<ChronicleEntry> entries;

  // Starts afresh with the county as it stands (a new campaign, or a saved game without
  // a history): its turn is TurnCounter, the only turn count the state keeps.
  void restart(const GameState& s);
  // Adds the county after an end of turn, numbered one after the last entry.
  void record(const GameState& s);
};

ChronicleEntry chronicleEntry(const GameState& s, uint16_t turn);

// The five charted figures of an entry, in the chart order: gold, people, food (crops
// and meat), happiness, health.
constexpr int kChronicleSeries = 5;
long long chronicleValue(const ChronicleEntry& e, int series);

}  // namespace fief
