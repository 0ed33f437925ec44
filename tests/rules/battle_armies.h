// Armies and battles for the battle model's tests: an army of a side with its units, a
// field battle of armies, and a random hand-over the decoder would accept.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "battle/battle_model.h"
#include "military/fight_files.h"

namespace fief::battle::fixtures {

inline FightArmy armyOf(uint8_t side, int16_t morale, std::initializer_list<std::pair<Unit, int16_t>> units) {
  FightArmy a;
  a.Name = side ? "Enemy army" : "Ist Vanguard";
  a.Side = side;
  a.Morale = morale;
  for (auto [u, n] : units) a.Counts[rosterSlot(u)] = n;
  return a;
}

inline FightIn battleOf(std::vector<FightArmy> armies, uint8_t kind = kKindField) {
  FightIn in;
  in.MapName = "\\level15\\field1.mbf";
  in.BattleKind = kind;
  in.Armies = std::move(armies);
  return in;
}

// 2..4 armies, any sides, reduced rosters, soldiers from none to many (a few armies very
// large), morale 0..100, any battle kind.
inline FightIn randomBattle(std::mt19937_64& g) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
  FightIn in;
  in.MapName = "\\level15\\field1.mbf";
  in.BattleKind = static_cast<uint8_t>(pick(0, 2));
  in.Settings[kSetScience] = static_cast<uint8_t>(pick(0, 1));
  const int n = pick(2, 4);
  for (int a = 0; a < n; ++a) {
    FightArmy fa;
    fa.Side = static_cast<uint8_t>(a < 2 ? a : pick(0, 3));
    fa.Morale = static_cast<int16_t>(pick(0, 100));
    fa.Reduced = static_cast<uint8_t>(pick(0, 3) == 0);
    const int scale = pick(0, 9) == 0 ? 30000 : pick(0, 1) ? 400 : 60;
    const int types = pick(1, fa.rosterSize());
    for (int t = 0; t < types; ++t) {
      int s = pick(0, fa.rosterSize() - 1);
      fa.Counts[s] = static_cast<int16_t>(std::min(32767, fa.Counts[s] + pick(0, scale / types + 1)));
    }
    in.Armies.push_back(fa);
  }
  return in;
}

}  // namespace fief::battle::fixtures
