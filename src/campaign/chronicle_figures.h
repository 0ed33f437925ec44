// Which of the county's figures a chronicle entry keeps, for the entry's fill and for the
// codec of the companion file.
#pragma once

#include "campaign/chronicle.h"
#include "campaign/county_figures.h"

namespace fief {

// The county's figures an entry keeps, in the order of the companion file: `visit(figure,
// field)` for each, with the entry's field of that figure (const when `e` is).
template <class Entry, class Visit>
void chronicledFigures(Entry& e, Visit&& visit) {
  visit(Figure::Gold, e.gold);
  visit(Figure::People, e.people);
  visit(Figure::Crops, e.crops);
  visit(Figure::Meat, e.meat);
  visit(Figure::Happiness, e.happiness);
  visit(Figure::Health, e.health);
}

}  // namespace fief
