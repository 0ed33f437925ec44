// The end of turn: the command, the procedure and its steps.
#pragma once

#include <functional>
#include <vector>

namespace fief {

struct Game;

void EndTurnCommand(Game& g);   // EndTurnBtn / Enter on the campaign screen
void EndTurn(Game& g);          // the end-of-turn procedure, in its fixed order
void IncomeAndProduction(Game& g);
void PopulationDrift(Game& g);
void CountyTurn(Game& g);
void ApplySeason(Game& g);
void RivalTurn(Game& g);        // the rival lords (market bases; rivals out of play skip)
void ClampCountyValues(Game& g);

// The steps of CountyTurn, in their order.
void StandingBonuses(struct GameState& s);
void LeaderInfluence(Game& g);
void DemandTithe(Game& g);           // every 6th turn: the tithe and the religion screen
void CompleteResearch(Game& g);
void TournamentResult(Game& g);
void ThievesGuild(Game& g);
void CastleIncome(struct GameState& s);
void FeedPeople(Game& g);            // CalcFood, then meat and crops eaten
void HealthAndPlague(Game& g);
void Trade(Game& g);
void Rebellion(Game& g);             // the rising and the rebels' plunder
void ScheduledEvents(Game& g);      // the event dialogs due this turn
void AdvanceObjectMission(Game& g);  // the special-unit mission against the obelisk or dolmen
void AdvanceAssassins(Game& g);      // the assassins' skill and the running assassin mission
void AdvanceSieges(Game& g);         // the two siege countdowns (storm events 14 and 15)
void Frost(Game& g);                 // the frost roll of season 3
void LayOffWorkers(Game& g);         // empties places of work while the workforce exceeds People

// People bound to the fields and the cutters (the sum as a signed 16-bit value).
int Workforce(const Game& g);

// The alpha values of the fade screen, one per frame: rising from 0 to 255 by `step`
// (the level rounded each frame) and, when `fall` is set, falling back to 0.
std::vector<int> FadeSchedule(double step, bool fall);

// The tips screen's check after a turn. The tips about the army's size and morale come
// with the turn animations; until then the check shows nothing.
void RunTipsCheck(Game& g);

// The rival lords' own turns (economy and calendar of each rival in play, then their
// attacks), installed by the rival lords' module; RivalTurn calls it after the market bases.
void setRivalLordsTurn(std::function<void(Game&)> f);
// The battle hand-over after the fade screen's rising half (fade mode 2), installed by
// the battle module.
void setBattleHandOver(std::function<void(Game&)> f);

// The assassins' values of the special-units screen, kept in GuardScreenValue.
enum GuardScreenSlot { AssassinSkill = 0, AssassinCountdown = 1, AssassinTarget = 2, AssassinMission = 3 };

// The siege site waypoints of the level (site 1, site 2).
constexpr int kSiegeWaypoint[2] = {30, 35};

// The event screen GarryFrm: one step of the held up/down button (TradeUpTimer/TradeDownTimer).
void GarryTradeTick(Game& g, int direction);

}  // namespace fief
