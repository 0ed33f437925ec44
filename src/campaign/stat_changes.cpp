#include "campaign/stat_changes.h"

#include "state/arith.h"
#include "state/game_state.h"
#include "text_names.h"

namespace fief {

void applyChanges(GameState& s, const StatChanges& changes) {
  for (const StatChange& c : changes) {
    switch (c.stat) {
      case Stat::Gold: add(s.Gold, c.amount); break;
      case Stat::Wood: add(s.Wood, c.amount); break;
      case Stat::Stone: add(s.Stone, c.amount); break;
      case Stat::Ore: add(s.Ore, c.amount); break;
      case Stat::Crops: add(s.Crops, c.amount); break;
      case Stat::Meat: add(s.Meat, c.amount); break;
      case Stat::People: add(s.People, c.amount); break;
      case Stat::Happiness: add(s.Happiness, c.amount); break;
      case Stat::Morale: add(s.Morale, c.amount); break;
      case Stat::Leadership: add(s.Leadership, c.amount); break;
      case Stat::Nobility: add(s.Nobility, c.amount); break;
      case Stat::Diplomacy: add(s.Diplomacy, c.amount); break;
      case Stat::Religion: add(s.Religion, c.amount); break;
    }
  }
}

TextId statName(Stat stat) {
  switch (stat) {
    case Stat::Gold: return txt::captions::ResourceNames[0];
    case Stat::Wood: return txt::captions::Wood;
    case Stat::Stone: return txt::captions::Stone;
    case Stat::Ore: return txt::captions::Ore;
    case Stat::Crops: return txt::captions::Crops;
    case Stat::Meat: return txt::captions::Meat;
    case Stat::People: return txt::captions::People;
    case Stat::Happiness: return txt::captions::Happiness;
    case Stat::Morale: return txt::captions::Morale;
    case Stat::Leadership: return txt::captions::Leadership;
    case Stat::Nobility: return txt::captions::Nobility;
    case Stat::Diplomacy: return txt::captions::Diplomacy;
    case Stat::Religion: return txt::captions::ReligionFigure;
  }
  return txt::captions::ResourceNames[0];
}

}  // namespace fief
