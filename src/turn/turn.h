// The end of turn: the procedure and its steps. The command of the campaign screen and
// the fade screen are in turn/turn_screen.h.
#pragma once

#include <array>
#include <functional>
#include <vector>

namespace fief {

struct Rules;
struct GameState;

void EndTurn(Rules& g);          // the end-of-turn procedure, in its fixed order
// Registers the event kinds the turn raises (campaign/events.h); a game's set-up calls it
// once, before the first turn.
void registerTurnEventKinds();
void IncomeAndProduction(Rules& g);
void PopulationDrift(Rules& g);
void CountyTurn(Rules& g);
void ApplySeason(Rules& g);
void RivalTurn(Rules& g);        // the market bases, then the rival lords' own turns (rivals out of play skip)
void ClampCountyValues(Rules& g);

// A county value as ClampCountyValues keeps it: happiness and health within 0..100,
// stocks and people not below 0. During a turn the values may stray beyond these bounds
// until the clamp; the status panel shows them as the turn will keep them.
constexpr long long keptPercent(long long v) { return v < 0 ? 0 : v > 100 ? 100 : v; }
constexpr long long keptStock(long long v) { return v < 0 ? 0 : v; }

// The steps of CountyTurn, in their order.
void StandingBonuses(struct GameState& s);
void LeaderInfluence(Rules& g);
void DemandTithe(Rules& g);           // every 6th turn: the tithe and the religion screen
void CompleteResearch(Rules& g);
void TournamentResult(Rules& g);
// The thieves' guild brings a haul of loot every kThievesHaulEvery-th turn and is broken up
// by the sheriff every kThievesBrokenUpEvery-th turn.
constexpr int kThievesHaulEvery = 2, kThievesBrokenUpEvery = 9;
void ThievesGuild(Rules& g);
// What the highest castle stage built brings each turn: gold, a percentage of the people,
// and nobility (keep, bailey, fort, stronghold, castle).
struct CastleYield {
  int goldPercent, nobility;
};
constexpr CastleYield kCastleYield[5] = {{2, 0}, {5, 0}, {6, 1}, {10, 0}, {8, 2}};
void CastleIncome(struct GameState& s);
void FeedPeople(Rules& g);            // CalcFood, then meat and crops eaten
void HealthAndPlague(Rules& g);
void Trade(Rules& g);
void Rebellion(Rules& g);             // the rising and the rebels' plunder
void ScheduledEvents(Rules& g);      // the event dialogs due this turn
void Frost(Rules& g);                 // the frost roll of season 3
void LayOffWorkers(Rules& g);         // empties places of work while the workforce exceeds People
// The military's and the rivals' steps of CountyTurn live with their rules:
// AdvanceObjectMission and AdvanceAssassins (military/agents.h), AdvanceSieges
// (rivals/sieges.h).

// People bound to the fields and the cutters (the sum as a signed 16-bit value).
int Workforce(const Rules& g);

// The shortages the end of turn warns of, in the order crops, meat, people,
// happiness, health (the status panel colours its labels by them).
constexpr int kShortageKinds = 5;
using Shortages = std::array<bool, kShortageKinds>;
Shortages shortages(const GameState& s);

}  // namespace fief
