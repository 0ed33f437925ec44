// The one list of the campaign screen's binders, in the order they bind.
#include "map/camp1_bindings.h"

namespace fief {

void bindCampaignScreen(Camp1Frm& f) {
  bindCountyCommands(f);  // fields, workplaces, build, blacksmith, tax, people, religion, science
  bindArmyWalks(f);       // the army button, army images, marches and the outpost
  bindMapObjects(f);      // the objects on the map, the sieges' sites
  bindMapPreview(f);      // the county map
  bindScrolling(f);       // the map's margins and scroll keys
  bindMapView(f);         // the map surface and the strips: clicks that clear selections
  bindRealmCommands(f);   // realm, diplomacy, special units
  bindTurnCommands(f);    // end of turn, messages, weather; the turn indicator
}

}  // namespace fief
