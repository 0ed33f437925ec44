// The first values of every field of the game state for the difficulty: the state part
// of the campaign start.
#include "campaign/initial_state.h"

#include "campaign/county_figures.h"
#include "campaign/rules.h"
#include "state/arith.h"

namespace fief {

void InitialState(Rules& g) {
  GameState& s = g.s;
  const uint8_t d = s.Difficulty;
  GameState fresh;
  fresh.Difficulty = d;
  fresh.Advanced = s.Advanced;
  s = fresh;

  s.BuildingPrerequisites = kTrue;
  s.CurrentLevel = 15;
  s.PlayerInGame = kTrue;
  s.TurnCounter = 1;
  s.Season = 1;

  // Morale and the drawn stocks, in the order Gold, Wood, Stone, Ore, Crops, Meat,
  // People, Happiness, Health.
  s.Morale = d == 1 ? 50.0f : d == 2 ? 25.0f : 10.0f;
  auto scaled = [&](long long v, int d3Divisor) -> long long {
    if (d == 1) return 2 * v;
    if (d == 2) return v;
    return d3Divisor == 1 ? v : roundEven(static_cast<double>(v) / d3Divisor);
  };
  s.Gold = static_cast<int32_t>(scaled(g.rng.draw(3000, 1000), 2));
  s.Wood = static_cast<int32_t>(scaled(g.rng.draw(1000, 500), 2));
  s.Stone = static_cast<int32_t>(scaled(g.rng.draw(500, 100), 2));
  s.Ore = static_cast<int32_t>(scaled(g.rng.draw(500, 100), 4));
  s.Crops = static_cast<int32_t>(scaled(g.rng.draw(5000, 4000), 1));
  s.Meat = static_cast<int32_t>(scaled(g.rng.draw(300, 100), 2));
  {
    long long p = g.rng.draw(3000, 2000);
    s.People = static_cast<int32_t>(d == 3 ? roundEven(static_cast<double>(p) / 2) : p);
  }
  s.Happiness = static_cast<int16_t>(g.rng.draw(60, 40));
  s.Health = static_cast<int16_t>(g.rng.draw(60, 40));
  s.TaxRate = 10;

  const int16_t k = d == 1 ? 50 : d == 2 ? 30 : 10;
  s.BowStock = s.ClubStock = s.SwordStock = s.PlateStock = k;
  s.LongBowStock = d == 1 ? 300 : d == 2 ? 150 : 50;
  s.CrossStock = d == 1 ? 5 : d == 2 ? 2 : 1;
  s.ShieldStock = d == 1 ? 60 : d == 2 ? 30 : 10;
  s.Leadership = d == 3 ? 5 : 25;
  s.Nobility = 1;
  s.Diplomacy = d == 3 ? 25 : 50;
  s.Religion = d == 1 ? 70 : d == 2 ? 55 : 50;
  s.TradeDiplomacyThreshold = d == 1 ? 60 : d == 2 ? 80 : 95;

  keepLastSeason(s);
  s.IdlePeople = s.People;

  s.ChurchTithe = 500;
  s.ScienceLevel = 1;
  s.ResearchCountdown = kNone;
  s.GuardLevel = 1;
  s.GuardTrainingCountdown = kNone;
  s.ObjectMissionCountdown = kNone;
  s.GuardScreenValue = {1, kNone, 0, 0};
  s.BuildTurnsLeft = kNone;
  s.EatMeat = s.EatCrops = kTrue;
  s.SellGood = s.BuyGood = 1;
  s.VillageState = {kNone, 100, 100};
  s.WindmillState = {kNone, 100, 100};
  s.OutpostState = 100;
  s.CountyBlessings[7] = 1;
  s.RuinsQuiet = kTrue;
  s.DiploMark = kNone;

  // The player's army: camp 1 in front of the castle.
  s.CampExists = {kTrue, kFalse, kFalse};
  s.CampWaypoint = {2, 0, 0};
  s.SelectedCamp = 1;
  s.CampMovesLeft = {2, 0, 0};
  CampComp& c = s.CampComposition[0];
  const int counts[kUnitCount] = {2, 200, 100, 100, 100, 100, 50, 50, 10, 10, 10, 100, 0, 5};
  for (int u = 0; u < kUnitCount; ++u) c.set(u, counts[u]);
  s.ArmyCampSoldiers = {static_cast<int16_t>(c.total()), 0, 0};

  s.SiegeState1 = s.Rival1AttackState = s.Rival2AttackState = s.SiegeState2 = kNone;

  // The opposing armies preset for the level's battles (counters by composition order).
  for (auto& slot : s.OpponentArmySlots) slot.clear();
  auto preset = [&](int slot, std::initializer_list<std::pair<int, int>> counters) {
    for (auto [counter, n] : counters) s.OpponentArmySlots[slot].set(counter - 1, n);
  };
  preset(1, {{2, 740}, {3, 200}, {4, 103}, {5, 200}, {6, 120}, {7, 1}, {9, 1}, {14, 5}});
  preset(2, {{2, 236}, {3, 203}, {4, 456}, {5, 543}, {6, 520}, {7, 1}, {14, 1}});
  preset(3, {{2, 452}, {3, 650}, {4, 120}, {5, 233}, {6, 451}, {7, 1}, {14, 2}});
  {
    long long a = g.rng.draw(300, 100), b = g.rng.draw(300, 100), cc = g.rng.draw(300, 100);
    preset(4, {{1, 1}, {2, static_cast<int>(a)}, {3, static_cast<int>(b)}, {4, static_cast<int>(cc)}});
  }
  {
    long long a = g.rng.draw(800, 300), b = g.rng.draw(800, 300), cc = g.rng.draw(800, 300);
    preset(5, {{1, 3}, {2, static_cast<int>(a)}, {3, static_cast<int>(b)}, {4, static_cast<int>(cc)}});
  }

  // The rival lords, out of play on this level.
  s.Rival1.Gold = 5000;
  s.Rival1.Morale = 50.0f;
  s.Rival1.Happiness = 60;
  s.Rival1.People = 2000;
  s.Rival1.Active = kFalse;
  s.Rival2.Gold = 2000;
  s.Rival2.TaxRate = 50;
  s.Rival2.Morale = 60.0f;
  s.Rival2.Happiness = 74;
  s.Rival2.People = 4100;
  s.Rival2.Active = kFalse;
  s.MapEventFlags = {kTrue, kTrue, kTrue};
  s.TipFlags = {kTrue, 0};

  s.SaveExtension = ".s15";
  s.SaveFilePattern = "*" + s.SaveExtension;
  s.ScrollSpeed = 1.0f;
  s.HomeWaypoint = 2;
  g.tables = makeGameTables(d, s.ScienceLevel);
  g.chronicle.restart(s);
  g.play.restart();
}

}  // namespace fief
