// The county's nine figures: its stocks, its people, their happiness and their health.
// The state keeps each twice, as it is now and as the last season left it. This one table
// lists them for every place that walks them: the start of a campaign and the end of a
// turn (which keep the last season), the chronicle, the realm overview and the status
// panel of the campaign screen.
#pragma once

#include <array>
#include <cstdint>

#include "campaign/text_id.h"
#include "state/game_state.h"

namespace fief {

enum class Figure : uint8_t { Gold, Wood, Stone, Ore, Crops, Meat, People, Happiness, Health };
constexpr size_t kFigureCount = 9;

// A figure's field of the state: a stock of 32 bits or a percentage of 16, read and
// written as a number.
class FigureField {
 public:
  constexpr FigureField(int32_t GameState::*p) : wide_(p) {}
  constexpr FigureField(int16_t GameState::*p) : narrow_(p) {}
  long long get(const GameState& s) const { return wide_ ? s.*wide_ : s.*narrow_; }
  // The value is one the field can hold (read from a field of the same width).
  void set(GameState& s, long long v) const {
    if (wide_) s.*wide_ = static_cast<int32_t>(v);
    else s.*narrow_ = static_cast<int16_t>(v);
  }

 private:
  int32_t GameState::*wide_ = nullptr;
  int16_t GameState::*narrow_ = nullptr;
};

struct CountyFigure {
  Figure figure;
  const char* name;  // "Gold" ... "Health"; a screen names the controls showing it after it
  FigureField now;   // this season
  FigureField last;  // as the last season ended
  const char* icon;  // its picture beside it on the status panel
  TextId caption;    // its name among the captions
  bool percent;      // happiness and health are percentages
};

// In the order the status panel and the realm overview show them.
extern const std::array<CountyFigure, kFigureCount> kCountyFigures;
inline const CountyFigure& countyFigure(Figure f) { return kCountyFigures[static_cast<size_t>(f)]; }

// Every figure's last-season value becomes its value now.
void keepLastSeason(GameState& s);

}  // namespace fief
