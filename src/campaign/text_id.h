// A text of the game by its place: table 1..5 and entry. The named ones are generated from
// the text sources into text_names.h (`txt::captions::Ok`, docs/texts.md).
#pragma once

namespace fief {

struct TextId {
  int table = 0;
  int entry = 0;
  // The entry `n` places further on, for texts listed in order (seasons, building names).
  constexpr TextId operator+(int n) const { return {table, entry + n}; }
  constexpr bool operator==(const TextId&) const = default;
};

}  // namespace fief
