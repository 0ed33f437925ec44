#include "map/army_movement.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "military/agents.h"
#include "military/armies.h"

namespace fief {

bool parseWaypointGraph(const std::string& text, WaypointGraph& g, std::string& err) {
  g = WaypointGraph{};
  nlohmann::json m = nlohmann::json::parse(text, nullptr, false);
  if (m.is_discarded() || !m.is_object()) {
    err = "the level map is not readable";
    return false;
  }
  if (!m.contains("links") || !m["links"].is_object()) {
    err = "the level map has no waypoint links";
    return false;
  }
  WaypointGraph out;
  try {
    for (auto& [from, to] : m["links"].items()) {
      std::vector<int>& row = out.links[std::stoi(from)];
      for (auto& n : to) row.push_back(n.get<int>());
    }
    if (m.contains("waypoints"))
      for (auto& [n, p] : m["waypoints"].items()) out.positions[std::stoi(n)] = {p.at(0).get<int>(), p.at(1).get<int>()};
  } catch (const std::exception& e) {
    err = std::string("the level map's waypoints are malformed: ") + e.what();
    return false;
  }
  g = std::move(out);
  return true;
}

uint8_t movesForMorale(float morale) {
  if (morale >= 75) return 3;
  if (morale >= 50) return 2;
  return 1;
}

std::vector<int> offeredWaypoints(const GameState& s, const WaypointGraph& g, int camp) {
  std::vector<int> out;
  if (camp < 1 || camp > 3) return out;
  auto it = g.links.find(s.CampWaypoint[camp - 1]);
  if (it == g.links.end()) return out;
  for (int n : it->second) {
    if (n == kCastleGate && (!anyCastleStage(s) || s.CastleGarrisonCamp != 0)) continue;
    out.push_back(n);
  }
  return out;
}

int SelectCampForWalking(GameState& s, int camp) {
  if (camp < 1 || camp > 3 || s.CastleGarrisonCamp == camp) return kNothingToDo;
  if (s.CampMovesLeft[camp - 1] == 0) return 25;
  s.SelectedCamp = static_cast<uint8_t>(camp);
  return kDone;
}

int blockedSite(const GameState& s, int waypoint) {
  switch (waypoint) {
    case 33: return isSet(s.RebelCounters[0]) ? 4 : 0;
    case 40: return isSet(s.MapEventFlags[0]) ? 1 : 0;
    case 51: return isSet(s.MapEventFlags[1]) ? 2 : 0;
    case 53: return isSet(s.MapEventFlags[2]) ? 3 : 0;
    case 54: return isSet(s.RuinsQuiet) ? 0 : 13;
    default: return 0;
  }
}

bool CaptureAt(GameState& s, int waypoint) {
  auto take = [&](int blessing) {
    if (s.CountyBlessings[blessing] == 1) return false;
    s.CountyBlessings[blessing] = 1;
    return true;
  };
  switch (waypoint) {
    case 32: return take(6);  // the obelisk
    case 37: return take(0);  // the dolmen
    case 50:
      if (s.OutpostState != 100) return false;
      s.OutpostState = kNone;
      return true;
    default: return false;
  }
}

MoveOrder OrderMove(GameState& s, const WaypointGraph& g, int waypoint) {
  MoveOrder o;
  const int camp = s.SelectedCamp;
  if (camp < 1 || camp > 3 || !isSet(s.CampExists[camp - 1])) return o;
  if (int site = blockedSite(s, waypoint)) {
    s.BattleSite = static_cast<uint8_t>(site);
    o.battleSite = site;
    return o;
  }
  if (waypoint == kCastleGate) {
    if (s.Rival1AttackState != kNone || s.Rival2AttackState != kNone) {
      o.refusal = 27;
      return o;
    }
    const CastleEntry e = castleEntry(s, s.ArmyCampSoldiers[camp - 1]);
    o.castleRefusals = e.refusals;
    if (e.refusals > 0) o.refusal = 26;
    if (!e.enters) return o;
    s.CastleGarrisonCamp = static_cast<uint8_t>(camp);
    o.garrisoned = true;
  }
  o.from = s.CampWaypoint[camp - 1];
  // An army sent to the obelisk or the dolmen calls the scout home, with a full refund as
  // when his mission is cancelled on the special-units screen.
  if (waypoint == 32 || waypoint == 37) o.scoutRecalled = CancelService(s, Service::Scout);
  o.captured = CaptureAt(s, waypoint);
  s.CampWaypoint[camp - 1] = static_cast<uint8_t>(waypoint);
  s.WalkDirection = stepFacing(g, o.from, waypoint);
  o.walk = true;
  return o;
}

uint8_t stepFacing(const WaypointGraph& g, int from, int to) {
  auto a = g.positions.find(from), b = g.positions.find(to);
  if (a == g.positions.end() || b == g.positions.end()) return 5;
  const double dx = b->second.first - a->second.first;
  const double dy = b->second.second - a->second.second;
  if (dx == 0 && dy == 0) return 5;
  // 0 degrees is north (up the map), growing clockwise.
  double deg = std::atan2(dx, -dy) * 180.0 / M_PI;
  if (deg < 0) deg += 360.0;
  return static_cast<uint8_t>(static_cast<int>(std::lround(deg / 45.0)) % 8 + 1);
}

void StepFinished(GameState& s) {
  const int camp = s.SelectedCamp;
  if (camp < 1 || camp > 3) return;
  // A camp sent out of the castle with no moves left stays at none rather than
  // wrapping round to a full allowance.
  if (s.CampMovesLeft[camp - 1] > 0) --s.CampMovesLeft[camp - 1];
}

}  // namespace fief
