#include "campaign/chronicle.h"

#include <type_traits>

#include "campaign/chronicle_figures.h"

namespace fief {

ChronicleEntry chronicleEntry(const GameState& s, uint16_t turn) {
  ChronicleEntry e;
  e.turn = turn;
  e.season = s.Season;
  // Each kept field has the width of the state's field it copies.
  chronicledFigures(e, [&s](Figure f, auto& field) {
    field = static_cast<std::remove_reference_t<decltype(field)>>(countyFigure(f).now.get(s));
  });
  return e;
}

void Chronicle::restart(const GameState& s) {
  entries.clear();
  entries.push_back(chronicleEntry(s, s.TurnCounter == 0 ? 1 : s.TurnCounter));
}

void Chronicle::record(const GameState& s) {
  if (entries.empty()) {
    restart(s);
    return;
  }
  // Turn numbers only grow: at the largest one the chronicle stops rather than wrap.
  const uint16_t last = entries.back().turn;
  if (last == UINT16_MAX) return;
  const auto turn = static_cast<uint16_t>(last + 1);
  if (entries.size() >= kMaxEntries) entries.erase(entries.begin(), entries.begin() + (entries.size() - kMaxEntries + 1));
  entries.push_back(chronicleEntry(s, turn));
}

long long chronicleValue(const ChronicleEntry& e, int series) {
  switch (series) {
    case 0: return e.gold;
    case 1: return e.people;
    case 2: return static_cast<long long>(e.crops) + e.meat;
    case 3: return e.happiness;
    case 4: return e.health;
    default: return 0;
  }
}

}  // namespace fief
