// The county's nine figures: its stocks, its people, their happiness and their health.
// The state keeps each twice, as it is now and as the last season left it. This one table
// lists them for every place that walks them: the start of a campaign and the end of a
// turn (which keep the last season), the chronicle, the realm overview and the status
// panel of the campaign screen.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "campaign/text_id.h"
#include "state/game_state.h"
#include "text_names.h"

namespace fief {

enum class Figure : uint8_t { Gold, Wood, Stone, Ore, Crops, Meat, People, Happiness, Health };
constexpr size_t kFigureCount = 9;

// A figure's field of the state: a stock of 32 bits or a percentage of 16, read and
// written as a number.
class FigureField {
 public:
  constexpr FigureField(int32_t GameState::*p) : wide_(p) {}
  constexpr FigureField(int16_t GameState::*p) : narrow_(p) {}
  constexpr long long get(const GameState& s) const { return wide_ ? s.*wide_ : s.*narrow_; }
  // The value is one the field can hold (read from a field of the same width).
  constexpr void set(GameState& s, long long v) const {
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

// In the order the status panel and the realm overview show them. The table is known
// where it is used, so a walk over it compiles to the plain copies it stands for (the end
// of turn runs it every season).
inline constexpr std::array<CountyFigure, kFigureCount> kCountyFigures = [] {
  namespace c = txt::captions;
  using F = Figure;
  using S = GameState;
  return std::array<CountyFigure, kFigureCount>{{
      {F::Gold, "Gold", &S::Gold, &S::LastGold, "icon_gold", c::Gold, false},
      {F::Wood, "Wood", &S::Wood, &S::LastWood, "icon_wood", c::Wood, false},
      {F::Stone, "Stone", &S::Stone, &S::LastStone, "icon_stone", c::Stone, false},
      {F::Ore, "Ore", &S::Ore, &S::LastOre, "icon_ore", c::Ore, false},
      {F::Crops, "Crops", &S::Crops, &S::LastCrops, "icon_crops", c::Crops, false},
      {F::Meat, "Meat", &S::Meat, &S::LastMeat, "icon_meat", c::Meat, false},
      {F::People, "People", &S::People, &S::LastPeople, "icon_people", c::People, false},
      {F::Happiness, "Happiness", &S::Happiness, &S::LastHappiness, "icon_happiness", c::Happiness, true},
      {F::Health, "Health", &S::Health, &S::LastHealth, "icon_health", c::Health, true},
  }};
}();

constexpr const CountyFigure& countyFigure(Figure f) { return kCountyFigures[static_cast<size_t>(f)]; }

// Every figure's last-season value becomes its value now.
inline void keepLastSeason(GameState& s) {
  [&s]<size_t... I>(std::index_sequence<I...>) {
    (kCountyFigures[I].last.set(s, kCountyFigures[I].now.get(s)), ...);
  }(std::make_index_sequence<kFigureCount>());
}

}  // namespace fief
