// The missions' objectives: which hold now, and which the player has met.
#include "campaign/missions.h"

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

bool allEventsCleared(const GameState& s) {
  return !isSet(s.MapEventFlags[0]) && !isSet(s.MapEventFlags[1]) && !isSet(s.MapEventFlags[2]);
}
bool stage(const GameState& s, int n) { return isSet(s.CastleStageBuilt[n - 1]); }
bool rival1Out(const GameState& s) { return !isSet(s.Rival1.Active); }

constexpr int kCounts[19] = {0, 3, 3, 1, 4, 2, 2, 2, 5, 4, 3, 1, 3, 1, 3, 3, 3, 1, 1};

}  // namespace

int objectiveCount(int level) { return level >= 1 && level <= 18 ? kCounts[level] : 0; }

bool objectiveHolds(const GameState& s, int level, int k) {
  if (k < 1 || k > objectiveCount(level)) return false;
  const float m = s.Morale;
  switch (level * 10 + k) {
    case 11: return s.CountyBlessings[0] == 1 && isSet(s.RuinsQuiet);
    case 12: return s.Wood >= 6000 && s.Stone >= 4000;
    case 13: return allEventsCleared(s);
    case 21: return s.TipFlags[0] == 0 && s.TipFlags[1] == 0;
    case 22: return allEventsCleared(s);
    case 23: return s.Crops >= 6500 && s.Meat >= 1200;
    case 31: return !isSet(s.MapEventFlags[0]) && s.VillageState[1] < 100;
    case 41: return s.RivalRelation[0] == 100 && s.RivalRelation[1] == 100;
    case 42: return s.Crops >= 8500 && s.Meat >= 3000;
    case 43: return s.BowStock >= 500 && s.ClubStock >= 300 && s.SwordStock >= 200 && s.ChainMailStock >= 200;
    case 44: return s.ScienceLevel >= 4;
    case 51: return raised(s, Archer) >= 200 && raised(s, SwordMan) >= 300 && raised(s, Helebarder) >= 420 && raised(s, Cavalry) >= 250;
    case 52: return s.Diplomacy >= 75;
    case 61: return stage(s, 3);
    case 62: return rival1Out(s);
    case 71: return s.TipFlags[0] == 0 && s.TipFlags[1] == 0;
    case 72: return rival1Out(s);
    case 81: return stage(s, 3);
    case 82: return s.Crops >= 5500 && s.Meat >= 3000;
    case 83: return raised(s, TwoHand) >= 300 && raised(s, Cavalry) >= 600;
    case 84: return s.ScienceLevel >= 6;
    case 85: return m >= 55.0f;
    case 91: return rival1Out(s);
    case 92: return s.RebelCounters[1] >= 1000;
    case 93: return s.ScienceLevel >= 10;
    case 94: return m >= 75.0f;
    case 101: return stage(s, 4);
    case 102: return raised(s, HCavalry) >= 600 && raised(s, Templar) >= 300 && raised(s, Warlord) != 0;
    case 103: return s.Leadership >= 65;
    case 111: return rival1Out(s);
    case 121: return stage(s, 5);
    case 122: return s.Diplomacy >= 80;
    case 123: return !isSet(s.MapEventFlags[0]) && !isSet(s.MapEventFlags[1]);
    case 131: return rival1Out(s) && allEventsCleared(s);
    case 141: return stage(s, 2) || stage(s, 3);
    case 142: return s.Happiness >= 80 && s.Health >= 80;
    case 143: return raised(s, Archer) >= 300 && raised(s, SwordMan) >= 100;
    case 151: return raised(s, Templar) >= 200 && raised(s, Champion) >= 300;
    case 152: return m >= 80.0f;
    case 153: return allEventsCleared(s);
    case 161: return stage(s, 4) || stage(s, 5);
    case 162: return m >= 90.0f;
    case 163: return s.Leadership >= 75;
    case 171: return !isSet(s.MapEventFlags[0]) && !isSet(s.MapEventFlags[1]);
    case 181: return s.TutorialStep == 30;
    default: return false;
  }
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
