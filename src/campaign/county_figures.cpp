#include "campaign/county_figures.h"

#include "text_names.h"

namespace fief {

namespace c = txt::captions;
using F = Figure;
using S = GameState;

const std::array<CountyFigure, kFigureCount> kCountyFigures = {{
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

void keepLastSeason(GameState& s) {
  for (const CountyFigure& f : kCountyFigures) f.last.set(s, f.now.get(s));
}

}  // namespace fief
