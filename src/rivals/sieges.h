// Sieges of the rival castles: site 1 before rival lord 1's castle (waypoint 30), site 2
// before rival lord 2's (waypoint 35). A camp on the site lays siege; the engineers it
// brings decide how many turns the siege lasts; then the castle is stormed. The siege
// countdowns are SiegeState1 and SiegeState2 (200 = no siege).
#pragma once

#include <cstdint>
#include <string>

#include "rivals/rival_turn.h"
#include "state/game_state.h"

namespace fief {

struct Rules;

// The siege site waypoints of the level (site 1, site 2).
constexpr int kSiegeWaypoint[2] = {30, 35};

int SiegeWaypoint(int site);                         // 30 or 35
uint8_t& SiegeCountdown(GameState& s, int site);
uint8_t SiegeCountdown(const GameState& s, int site);
int SiegeDuration(int engineers);                    // 6, 4, 3 or 2 turns
// The first camp (1..3) standing on the site's waypoint, 0 when none.
int BesiegingCamp(const GameState& s, int site);
// Lays siege with the camp on the site; false (and nothing changes) without one, or
// when the site's lord is out of play.
bool DeclareSiege(GameState& s, int site);
// Lifts the siege: no countdown, and every camp on the site falls back one waypoint.
void LiftSiege(GameState& s, int site);
// The storm's battle map: the stage of the besieged rival's castle ("keep1" .. "castle2").
std::string StormMap(const GameState& s, int site);
// The storm battle of the site for its besieging camp (camp 0 when none stands there).
RivalBattle StormBattle(const GameState& s, int site);
// What a storm leaves behind, when its results are confirmed: the countdown is idle; a
// won storm defeats the rival lord (and marks his castle stormed), a lost one heartens
// him. A storm of a lord already out of play changes nothing else.
void ApplyStorm(GameState& s, int site, bool playerWon);
// Whether rival lord 1 or 2 lost his castle to a storm (kept in SpareByte).
bool CastleStormed(const GameState& s, int rival);

// A step of the end of turn: the two siege countdowns; a siege that ends before a lord
// still in play puts the storm to the player (events 14 and 15).
void AdvanceSieges(Rules& g);

}  // namespace fief
