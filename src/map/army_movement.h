// Army movement over the waypoint graph: which waypoints a camp is offered, the moves it
// has per turn, what a move order does (blocked waypoints, the castle gate, objects
// taken on the way) and the facing of the walking sprite. The graph and the waypoint
// positions come from the level map (level15/map.json).
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "state/game_state.h"

namespace fief {

struct WaypointGraph {
  // For each waypoint, the waypoints offered from it, in the order they are offered.
  std::map<int, std::vector<int>> links;
  // Marker centres on the map, for the walking sprite's facing.
  std::map<int, std::pair<int, int>> positions;
  bool empty() const { return links.empty(); }
};

// Reads "links" and "waypoints" of a level map. False with a message when they are
// missing or malformed (the graph is then left empty).
bool parseWaypointGraph(const std::string& levelMapJson, WaypointGraph& g, std::string& err);

constexpr uint8_t kCastleGate = 1;

// Moves per turn from the soldiers' morale: 3 from 75, 2 from 50, else 1.
uint8_t movesForMorale(float morale);

// The waypoints offered to camp k (1..3) from where it stands. From 2 the castle gate
// is offered only while a castle stage stands and no camp is garrisoned.
std::vector<int> offeredWaypoints(const GameState& s, const WaypointGraph& g, int camp);

// Right button on a camp: kDone (the camp is selected), kNothingToDo for the garrison,
// or 25 (no moves left).
int SelectCampForWalking(GameState& s, int camp);

// The battle site of a waypoint held by a hostile force, 0 when the way is free.
int blockedSite(const GameState& s, int waypoint);

// What a move order of the selected camp came to.
struct MoveOrder {
  bool walk = false;     // the camp sets off (CampWaypoint is the new waypoint)
  int from = 0;          // the waypoint it leaves
  int battleSite = 0;    // the way is blocked: the battle to offer
  int refusal = 0;       // campaign1.loc entry for the help line (26, 27), 0 none
  int castleRefusals = 0;  // stages that refused the army (text 26 each)
  bool garrisoned = false;  // the camp is entering the castle
  bool captured = false;    // an object at the waypoint became the player's
  bool scoutRecalled = false;  // an order to 32 or 37 called the scout home (price refunded)
};
// The order itself (SplitMode already settled by the caller): sets BattleSite for a
// blocked waypoint, tries the castle for the gate, takes the objects at 32, 37 and 50.
MoveOrder OrderMove(GameState& s, const WaypointGraph& g, int waypoint);

// Objects taken by an order to a waypoint (obelisk 32, dolmen 37, outpost 50). True when
// something changed. (OrderMove also calls the scout home on an order to 32 or 37.)
bool CaptureAt(GameState& s, int waypoint);

// The walking sprite's facing (1 north, clockwise to 8 north-west) for a step.
uint8_t stepFacing(const WaypointGraph& g, int from, int to);

// The walk's end: the selected camp has used one move.
void StepFinished(GameState& s);

}  // namespace fief
