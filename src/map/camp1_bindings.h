// The campaign screen's commands, bound by the subsystems. bindCampaignScreen binds them
// all, in the order of the list in camp1_bindings.cpp: where two subsystems react to one
// event (Camp1Frm::chain), the later one in the list runs first. A subsystem's binder
// lives in its own folder; a new one is added to the list, nowhere else.
#pragma once

namespace fief {

class Camp1Frm;

void bindCountyCommands(Camp1Frm& f);   // county/county_bindings.cpp
void bindArmyWalks(Camp1Frm& f);        // map/army_walk_screen.cpp
void bindMapObjects(Camp1Frm& f);       // map/map_objects_bindings.cpp
void bindMapPreview(Camp1Frm& f);       // map/map_preview_frm.cpp
void bindScrolling(Camp1Frm& f);        // map/map_scroll_screen.cpp
void bindMapView(Camp1Frm& f);          // map/map_view_screen.cpp
void bindRealmCommands(Camp1Frm& f);    // rivals/realm_bindings.cpp
void bindTurnCommands(Camp1Frm& f);     // turn/turn_screen.cpp

// Binds every subsystem's commands, views, sights and keys to the campaign screen.
void bindCampaignScreen(Camp1Frm& f);

}  // namespace fief
