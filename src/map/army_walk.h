// The campaign screen's side of army movement: selecting camps, offering the waypoint
// markers, the move orders and the step animation on ArmyTimer.
#pragma once

#include <string>

#include "map/army_movement.h"

namespace fief {

struct Game;

// The waypoint graph of the level map in the program folder (read once).
const WaypointGraph& levelGraph(Game& g);

// Right button on camp k: select it for walking and offer its waypoints.
void SelectForWalking(Game& g, int camp);
// A click on the marker of waypoint n.
void MoveOrderTo(Game& g, int waypoint);
// Starts the step of camp k to a waypoint (its CampWaypoint is already set).
void StartStep(Game& g, int camp, int from, int to);
// The garrisoned camp leaves the castle for the waypoint before its gate.
void MarchOutOfCastle(Game& g, int camp);
// A click on the men holding a place: Lord Osric's in the seized first village
// (`Village1Pic`, battle site 14) or the outlaw band in the burnt second village or at its
// mill (`Village2Pic`, sites 15 and 16). The selected camp is asked to fight them (text
// 117); without a camp on the map the help line says to select one. Nothing happens when
// nobody holds the site.
void AttackHolders(Game& g, int site);
// Hides every waypoint marker.
void hideWaypointMarkers(Game& g);
// The halo under the marker of waypoint n while it is offered. Its name begins as the
// markers' names do ("WalkTo"), so that whatever hides the markers hides it with them.
inline std::string offerRingName(int waypoint) { return "WalkToRing" + std::to_string(waypoint); }

// Pixels the walking army covers per tick of ArmyTimer, and the timer's period.
constexpr int kStepPixels = 3;
constexpr int kArmyTimerMs = 15;

}  // namespace fief
