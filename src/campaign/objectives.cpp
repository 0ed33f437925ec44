// The missions' objectives: the goals each is made of, how far the county is towards
// each, and which objectives the player has met.
#include "campaign/missions.h"

#include <cmath>

#include "campaign/rules.h"

namespace fief {

namespace {

// Soldiers of a unit type raised in the campaign: those standing in the army camps and
// those of a levy still open.
long raised(const GameState& s, Unit u) {
  long n = s.RecruitCounts.get(u);
  for (int c = 0; c < 3; ++c)
    if (isSet(s.CampExists[c])) n += s.CampComposition[c].get(u);
  return n;
}

long cleared(const GameState& s, int first, int last) {
  long n = 0;
  for (int i = first; i <= last; ++i) n += !isSet(s.MapEventFlags[i - 1]);
  return n;
}
long yes(bool b) { return b ? 1 : 0; }
bool stage(const GameState& s, int n) { return isSet(s.CastleStageBuilt[n - 1]); }
long rival1Out(const GameState& s) { return yes(!isSet(s.Rival1.Active)); }
// Morale is compared as a real number against whole thresholds: its whole part meets a
// threshold exactly when the real value does.
// A loaded save may hold any float (NaN, huge): such a morale counts as far below or above
// every threshold instead of being converted out of range.
long morale(const GameState& s) {
  const double m = std::floor(static_cast<double>(s.Morale));
  if (!(m > -1e9)) return -1000000000;
  if (m > 1e9) return 1000000000;
  return static_cast<long>(m);
}

constexpr int kCounts[19] = {0, 3, 3, 1, 4, 2, 2, 2, 5, 4, 3, 1, 3, 1, 3, 3, 3, 1, 1};

using G = ObjectiveGoal;

}  // namespace

int objectiveCount(int level) { return level >= 1 && level <= 18 ? kCounts[level] : 0; }

std::vector<ObjectiveGoal> objectiveGoals(const GameState& s, int level, int k) {
  if (k < 1 || k > objectiveCount(level)) return {};
  auto unit = [&](Unit u, long need) { return G{GoalKind::Raised, u, raised(s, u), need}; };
  auto fields = [&](int first, int last) { return G{GoalKind::FieldsFreed, first, cleared(s, first, last), last - first + 1}; };
  auto built = [&](int st) { return G{GoalKind::CastleStage, st, yes(stage(s, st)), 1}; };
  const G rivalOut{GoalKind::RivalOut, 1, rival1Out(s), 1};
  const G tips{GoalKind::TipFlagsCleared, 0, yes(s.TipFlags[0] == 0) + yes(s.TipFlags[1] == 0), 2};
  switch (level * 10 + k) {
    case 11: return {{GoalKind::DolmenHeld, 0, yes(s.CountyBlessings[0] == 1), 1}, {GoalKind::RuinsQuiet, 0, yes(isSet(s.RuinsQuiet)), 1}};
    case 12: return {{GoalKind::Wood, 0, s.Wood, 6000}, {GoalKind::Stone, 0, s.Stone, 4000}};
    case 13: return {fields(1, 3)};
    case 21: return {tips};
    case 22: return {fields(1, 3)};
    case 23: return {{GoalKind::Crops, 0, s.Crops, 6500}, {GoalKind::Meat, 0, s.Meat, 1200}};
    case 31: return {fields(1, 1), {GoalKind::VillageRising, 2, yes(s.VillageState[1] < 100), 1}};
    case 41: return {{GoalKind::SpiesPlaced, 0, yes(s.RivalRelation[0] == 100) + yes(s.RivalRelation[1] == 100), 2}};
    case 42: return {{GoalKind::Crops, 0, s.Crops, 8500}, {GoalKind::Meat, 0, s.Meat, 3000}};
    case 43: return {{GoalKind::Bows, 0, s.BowStock, 500}, {GoalKind::Clubs, 0, s.ClubStock, 300},
                     {GoalKind::Swords, 0, s.SwordStock, 200}, {GoalKind::ChainMail, 0, s.ChainMailStock, 200}};
    case 44: return {{GoalKind::Science, 0, s.ScienceLevel, 4}};
    case 51: return {unit(Archer, 200), unit(SwordMan, 300), unit(Helebarder, 420), unit(Cavalry, 250)};
    case 52: return {{GoalKind::Diplomacy, 0, s.Diplomacy, 75}};
    case 61: return {built(3)};
    case 62: return {rivalOut};
    case 71: return {tips};
    case 72: return {rivalOut};
    case 81: return {built(3)};
    case 82: return {{GoalKind::Crops, 0, s.Crops, 5500}, {GoalKind::Meat, 0, s.Meat, 3000}};
    case 83: return {unit(TwoHand, 300), unit(Cavalry, 600)};
    case 84: return {{GoalKind::Science, 0, s.ScienceLevel, 6}};
    case 85: return {{GoalKind::Morale, 0, morale(s), 55}};
    case 91: return {rivalOut};
    case 92: return {{GoalKind::RebelCounter, 0, s.RebelCounters[1], 1000}};
    case 93: return {{GoalKind::Science, 0, s.ScienceLevel, 10}};
    case 94: return {{GoalKind::Morale, 0, morale(s), 75}};
    case 101: return {built(4)};
    case 102: return {unit(HCavalry, 600), unit(Templar, 300), unit(Warlord, 1)};
    case 103: return {{GoalKind::Leadership, 0, s.Leadership, 65}};
    case 111: return {rivalOut};
    case 121: return {built(5)};
    case 122: return {{GoalKind::Diplomacy, 0, s.Diplomacy, 80}};
    case 123: return {fields(1, 2)};
    case 131: return {rivalOut, fields(1, 3)};
    case 141: return {{GoalKind::CastleStageOrNext, 2, yes(stage(s, 2) || stage(s, 3)), 1}};
    case 142: return {{GoalKind::Happiness, 0, s.Happiness, 80}, {GoalKind::Health, 0, s.Health, 80}};
    case 143: return {unit(Archer, 300), unit(SwordMan, 100)};
    case 151: return {unit(Templar, 200), unit(Champion, 300)};
    case 152: return {{GoalKind::Morale, 0, morale(s), 80}};
    case 153: return {fields(1, 3)};
    case 161: return {{GoalKind::CastleStageOrNext, 4, yes(stage(s, 4) || stage(s, 5)), 1}};
    case 162: return {{GoalKind::Morale, 0, morale(s), 90}};
    case 163: return {{GoalKind::Leadership, 0, s.Leadership, 75}};
    case 171: return {fields(1, 2)};
    case 181: return {{GoalKind::Tutorial, 0, yes(s.TutorialStep == 30), 1}};
    default: return {};
  }
}

bool objectiveHolds(const GameState& s, int level, int k) {
  const std::vector<ObjectiveGoal> goals = objectiveGoals(s, level, k);
  if (goals.empty()) return false;
  for (const ObjectiveGoal& g : goals)
    if (!g.met()) return false;
  return true;
}

void EvaluateObjectives(Rules& g) {
  GameState& s = g.s;
  const int level = s.CurrentLevel;
  const int n = objectiveCount(level);
  bool all = n > 0;
  for (int k = 1; k <= 6; ++k) {
    if (objectiveHolds(s, level, k)) s.ObjectiveMet[k - 1] = 1;
    if (k <= n && !s.ObjectiveMet[k - 1]) all = false;
  }
  if (all) s.AllObjectivesMet = kTrue;
}

}  // namespace fief
