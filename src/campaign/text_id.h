// A text of the game by its place: table 1..5 and entry. The named ones are generated from
// the text sources into text_names.h (`txt::captions::Ok`, `txt::campaign1::UnitNames[n]`,
// docs/texts.md).
#pragma once

namespace fief {

struct TextId {
  int table = 0;
  int entry = 0;
  // The entry `n` places further on, for texts listed in order (seasons, building names).
  constexpr TextId operator+(int n) const { return {table, entry + n}; }
  constexpr bool operator==(const TextId&) const = default;
};

// A numbered list of entries of one table (unit names by type number, seasons, level
// titles): element n is entry base + n.
struct TextList {
  int table = 0;
  int base = 0;
  constexpr TextId operator[](int n) const { return {table, base + n}; }
};

}  // namespace fief
