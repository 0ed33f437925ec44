// The missions of the campaign's 18 levels: which objectives a level has, whether each
// holds, and leaving a level for the next program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fief {

struct Rules;
struct GameState;

int objectiveCount(int level);

// What an objective asks for, goal by goal, and how far the county is towards each: a
// goal is met when `have` reaches `need`. Yes-or-no goals (a building standing, a rival
// out of play) count 0 or 1 of 1.
enum class GoalKind : uint8_t {
  Raised,             // soldiers of unit type `what` in the camps and an open levy
  FieldsFreed,        // hostile armies beaten on the fields from `what` on
  CastleStage,        // castle stage `what` built
  CastleStageOrNext,  // castle stage `what` or the next one built
  RivalOut,           // rival lord `what` out of play
  TipFlagsCleared,
  DolmenHeld,
  RuinsQuiet,
  VillageRising,      // village `what` being raised again
  SpiesPlaced,        // at both rivals' courts
  Wood, Stone, Crops, Meat,
  Bows, Clubs, Swords, ChainMail,
  Science, Diplomacy, Leadership, Morale, Happiness, Health,
  RebelCounter,
  Tutorial,
};
struct ObjectiveGoal {
  GoalKind kind;
  int what;  // the unit type, field, castle stage, rival or village the kind names
  long have, need;
  bool met() const { return have >= need; }
};
std::vector<ObjectiveGoal> objectiveGoals(const GameState& s, int level, int objective);  // objective 1..6

// Every goal of the objective met.
bool objectiveHolds(const GameState& s, int level, int objective);  // objective 1..6

// Sets ObjectiveMet for every objective that holds now (flags never go back to 0) and
// AllObjectivesMet when every objective of the level has been met.
void EvaluateObjectives(Rules& g);

// Leaving the level: records the campaign's progress (LGame.rz, then levelinfo.rz and
// camp.rz, and CampaignProgress). False, with the reason in `err`, when a file cannot be
// written: nothing of the level is lost, and leaving again writes them again.
bool RecordLevelLeft(Rules& r, std::string& err);
// The program that follows the level, after the splash card.
const char* programAfterLevel(int level);

}  // namespace fief
