// The county's economy of one turn: income and production, the population drift, the
// county's own turn (season, bonuses, leader, periodic demands, research, food, health,
// missions, trade, rebellion, scheduled events, sieges) and the season's effects.
// Every formula uses the game's arithmetic: Int floors, Fix truncates, a store rounds
// ties to even and wraps to the field's width.
#include "campaign/events.h"
#include "campaign/reseed.h"
#include "campaign/rules.h"
#include "county/county.h"
#include "military/agents.h"
#include "rivals/rival_turn.h"
#include "rivals/sieges.h"
#include "state/arith.h"
#include "state/countdown.h"
#include "text_names.h"
#include "turn/turn.h"

namespace fief {

void LeaderInfluence(Rules& g) {
  GameState& s = g.s;
  auto happinessShare = [&](int percent) { return Fix(s.Happiness * percent / 100.0); };
  if (s.Leadership >= 20) {
    add(s.Morale, s.Leadership / 50.0);
    add(s.Happiness, happinessShare(5));
  } else {
    add(s.Morale, -(s.Leadership / 5.0));
    add(s.Happiness, -happinessShare(10));
  }
  if (s.Nobility >= 10) {
    add(s.Morale, s.Nobility / 50.0);
    add(s.Happiness, happinessShare(5));
    add(s.Leadership, 1);
  } else {
    add(s.Morale, -(s.Nobility / 5.0));
    add(s.Happiness, -happinessShare(10));
  }
  if (s.Religion >= 40) {
    add(s.Happiness, happinessShare(5));
    add(s.Diplomacy, 1);
    add(s.Leadership, 1);
  } else {
    add(s.Happiness, -happinessShare(10));
    add(s.Diplomacy, -3);
  }
  const int16_t sum = wrap16(static_cast<long long>(s.Leadership) + s.Nobility + s.Diplomacy + s.Religion);
  const long long status = Fix(sum / 4.0);
  if (status >= 50) {
    add(s.People, 15);
    add(s.Happiness, 2);
    add(s.Morale, 1);
    add(s.Nobility, 1);
    add(s.Diplomacy, 1);
    if (!isSet(s.LeaderStatusBonusShown)) {
      s.LeaderStatusBonusShown = kTrue;
      RaiseEvent(g, kFameEvent, txt::campaign::FameGrows);
    }
  } else {
    s.LeaderStatusBonusShown = kFalse;
  }
}

void StandingBonuses(GameState& s) {
  const auto& b = s.CountyBlessings;
  if (b[1] == 1) add(s.Morale, 3);
  if (b[3] == 1) add(s.Happiness, 1);
  if (b[4] == 1) add(s.Happiness, 2);
  if (b[8] == 1) {
    add(s.Morale, 4);
    // The tavern keeps every soldier of the three camps: the whole sum, never wrapped to
    // a 16-bit count (three large camps would otherwise pay the county instead).
    add(s.Gold, -(static_cast<long long>(s.ArmyCampSoldiers[0]) + s.ArmyCampSoldiers[1] + s.ArmyCampSoldiers[2]));
    add(s.Happiness, 2);
  }
  if (b[6] == 1) add(s.Health, 3);
  if (b[0] == 1) add(s.Morale, 1);
  if (b[9] == 1) {
    add(s.Ore, 100);
    add(s.Wood, 200);
  }
}

void DemandTithe(Rules& g) {
  GameState& s = g.s;
  long long t = Fix(s.People * 40.0 / 100.0);
  const auto& b = s.CountyBlessings;
  if (b[2] == 1) t -= Fix(t * 20.0 / 100.0);
  if (b[3] == 1) t -= Fix(t * 10.0 / 100.0);
  if (b[4] == 1) t -= Fix(t * 20.0 / 100.0);
  if (b[8] == 1) t += Fix(t * 20.0 / 100.0);
  store(s.ChurchTithe, t);
  AskTithe(g);
}

void CompleteResearch(Rules& g) {
  GameState& s = g.s;
  add(s.ScienceLevel, 1);
  const int L = s.ScienceLevel;
  add(s.People, 75 * L);
  add(s.Crops, wrap16(250LL * L));
  add(s.Meat, 13 * L);
  add(s.Happiness, 12);
  add(s.Health, 6);
  add(s.EnginerGearStock, L);
  growItemBatches(g.tables);
  if (L >= 10) add(s.WarlordGearStock, 1);
  AddMessage(g, 1, txt::campaign::ScienceLevelReached);
}

void TournamentResult(Rules& g) {
  GameState& s = g.s;
  if (!isSet(s.TournamentHeld)) return;
  ReseedFromClock(g);
  store(s.TournamentRoll, g.rng.draw(100, 100));
  AddMessage(g, 1, txt::campaign::TournamentHeld);
  if (s.TournamentRoll < 150) {
    AddMessage(g, 1, txt::campaign::TournamentLost);
    add(s.Nobility, -2);
  } else {
    AddMessage(g, 1, txt::campaign::TournamentWon);
    add(s.Gold, 3LL * s.TournamentStake);
    add(s.Nobility, 2);
  }
  add(s.Happiness, 20);
  add(s.Morale, 5);
  s.TournamentHeld = kFalse;
  s.TournamentStake = 0;
  s.TournamentRoll = 0;
}

void ThievesGuild(Rules& g) {
  GameState& s = g.s;
  if (every(s, kThievesHaulEvery) && isSet(s.ThievesBuilt)) {
    store(s.ThiefLootGold, g.rng.draw(100, 100));
    store(s.ThiefLootWood, g.rng.draw(100, 100));
    store(s.ThiefLootStone, g.rng.draw(100, 100));
    store(s.ThiefLootOre, g.rng.draw(100, 100));
    AddMessage(g, 1, txt::campaign::ThievesBroughtLoot);
  }
  if (every(s, kThievesBrokenUpEvery) && isSet(s.ThievesBuilt)) {
    s.ThievesBuilt = kFalse;
    AddMessage(g, 1, txt::campaign::ThievesGuildBrokenUp);
  }
}

void CastleIncome(GameState& s) {
  int stage = -1;  // the highest stage marked
  for (int i = 0; i < 5; ++i)
    if (isSet(s.CastleStageBuilt[i])) stage = i;
  if (stage < 0) return;
  const CastleYield& y = kCastleYield[stage];
  // In 64 bits (through a double): People times the percentage leaves 32 bits above about
  // 2 * 10^8 people.
  add(s.Gold, Int(static_cast<double>(s.People) * y.goldPercent / 100.0));
  if (y.nobility) add(s.Nobility, y.nobility);
}

void FeedPeople(Rules& g) {
  GameState& s = g.s;
  ClsFields::CalcFood(g);
  if (s.Meat < 1) s.EatMeat = kFalse;
  if (s.Crops < 1) s.EatCrops = kFalse;
  if (isSet(s.EatMeat)) {
    add(s.Meat, -Fix(s.People / 12.0));
    add(s.Happiness, 5);
    add(s.Health, 5);
  } else {
    add(s.Happiness, -9);
    add(s.Health, -9);
  }
  if (isSet(s.EatCrops)) {
    add(s.Crops, -Fix(s.People / 4.0));
    add(s.Happiness, 3);
    add(s.Health, 3);
  } else {
    add(s.Happiness, -6);
    add(s.Health, -6);
  }
}

void HealthAndPlague(Rules& g) {
  GameState& s = g.s;
  if (every(s, 45)) s.Health = 25;
  if (every(s, 58)) add(s.Health, 55);
  if (s.Health >= 31 && s.Health <= 50) {
    add(s.Happiness, -5);
    add(s.People, -Fix(s.People * 10.0 / 100.0));
  } else if (s.Health <= 20) {
    add(s.People, -Fix(s.People * 25.0 / 100.0));
    if (!isSet(s.PlagueActive)) {
      s.TurnAnimationFlags[2] = 1;
      s.PlagueActive = kTrue;
      g.player().show(Sight::Plague);
      AddMessage(g, 1, txt::campaign::Plague);
    }
  }
  if (s.Health <= 10) {
    add(s.People, -Fix(s.People * 35.0 / 100.0));
    add(s.Happiness, -12);
  } else if (s.Health > 50) {
    add(s.Happiness, 5);
    add(s.People, Fix(s.People * 5.0 / 100.0));
    const bool ended = isSet(s.PlagueActive);
    s.PlagueActive = kFalse;
    if (ended) g.player().show(Sight::Plague);
  }
}

void Trade(Rules& g) {
  GameState& s = g.s;
  if (s.Diplomacy >= s.TradeDiplomacyThreshold) {
    const double p = s.SellPercent;
    switch (s.SellGood) {
      case 1:
        add(s.Gold, Int(s.Wood * p / 235.0));
        add(s.Wood, -Int(s.Wood * p / 100.0));
        break;
      case 2:
        add(s.Gold, Int(s.Stone * p / 185.0));
        add(s.Stone, -Int(s.Stone * p / 100.0));
        break;
      case 3:
        add(s.Gold, Int(s.Ore * p / 125.0));
        add(s.Ore, -Int(s.Ore * p / 100.0));
        break;
      default: break;
    }
    const double q = s.BuyPercent;
    switch (s.BuyGood) {
      case 1:
        add(s.Gold, -Int(s.BuyBaseWood * q / 120.0));
        add(s.Wood, Int(s.BuyBaseWood * q / 100.0));
        break;
      case 2:
        add(s.Gold, -Int(s.BuyBaseStone * q / 90.0));
        add(s.Stone, Int(s.BuyBaseStone * q / 100.0));
        break;
      case 3:
        add(s.Gold, -Int(s.BuyBaseOre * q / 70.0));
        add(s.Ore, Int(s.BuyBaseOre * q / 100.0));
        break;
      default: break;
    }
    s.TradeLostShown = kFalse;
  } else if (!isSet(s.TradeLostShown)) {
    s.TradeLostShown = kTrue;
    s.SellGood = 1;
    s.BuyGood = 1;
    AddMessage(g, 1, txt::campaign::TradeEnded);
  }
}

void Rebellion(Rules& g) {
  GameState& s = g.s;
  if (s.Happiness < 20) {
    bool armyAtHome = false;
    for (uint8_t w : s.CampWaypoint)
      if (w == s.HomeWaypoint) armyAtHome = true;
    if (!armyAtHome) {
      if (!isSet(s.RebelsActive)) {
        s.RebelsActive = kTrue;
        g.player().show(Sight::RebelsRise);
        RaiseEvent(g, kRebellionEvent, txt::campaign::Rebellion);
        g.player().sound(kEventChannel, "mob01.wav");
      }
      // The rebels gather until their first troop reaches 500 (again after a battle
      // thinned it), each round by fresh draws.
      while (isSet(s.RebelsActive) && s.RebelForceA < 500) {
        add(s.RebelForceA, g.rng.draw(50, 10));
        add(s.RebelForceB, g.rng.draw(30, 10));
      }
      if (isSet(s.Advanced.ShowTroopers)) g.player().show(Sight::RebelsFollowed);
    } else {
      add(s.Happiness, 5);
    }
  }
  if (isSet(s.RebelsActive)) {
    const int16_t R = wrap16(static_cast<long long>(s.RebelForceA) + s.RebelForceB);
    add(s.Gold, -Int(R / 2.0));
    add(s.Crops, -Int(R / 2.0));
    add(s.Meat, -Int(R / 5.0));
    add(s.Wood, -Int(R / 2.0));
    add(s.Stone, -Int(R / 2.0));
    add(s.Ore, -Int(R / 2.0));
  }
}

void ScheduledEvents(Rules& g) {
  const GameState& s = g.s;
  using namespace txt::campaign;
  struct Scheduled { int every; EventKind kind; TextId text; bool hardOnly; };
  static constexpr Scheduled kEvents[] = {
      {16, kKingsLevyEvent, KingsLevy, false},         {24, kCrusadeEvent, Crusade, false},
      {19, kBurnedAbbeyEvent, BurnedAbbey, false},     {40, kCometEvent, Comet, false},
      {20, kArmsMerchantsEvent, ArmsMerchants, false}, {13, kTenantsLevyEvent, TenantsLevy, false},
      {35, kOsricClaimEvent, OsricClaim, true},        {47, kMercenaryDrillEvent, MercenaryDrill, true}};
  for (const auto& e : kEvents)
    if (s.TurnCounter % e.every == 0 && (!e.hardOnly || s.Difficulty > 1)) RaiseEvent(g, e.kind, e.text);
}

void IncomeAndProduction(Rules& g) {
  GameState& s = g.s;
  if (goldIncomeFlows(s))
    add(s.Gold, Int(s.TaxRate * static_cast<double>(s.People) / 200.0) + s.ThiefLootGold + 30LL * s.TaxFieldCount);
  const auto& P = g.tables.Places;
  add(s.Wood, s.ThiefLootWood + static_cast<long long>(wrap16(static_cast<long long>(s.WoodCutters) * P[WoodPlace].Yield)));
  add(s.Stone, s.ThiefLootStone + static_cast<long long>(wrap16(static_cast<long long>(s.StoneCutters) * P[StonePlace].Yield)));
  add(s.Ore, s.ThiefLootOre + static_cast<long long>(wrap16(static_cast<long long>(s.OreCutters) * P[OrePlace].Yield)));
  add(s.Happiness, -Int(s.TaxRate / 4.0));
}

void PopulationDrift(Rules& g) {
  GameState& s = g.s;
  ReseedFromClock(g);
  if (s.People < 5000) {
    add(s.People, g.rng.draw(30, 230));
    add(s.People, -g.rng.draw(30, 230));
  } else {
    add(s.People, g.rng.draw(5, 20));
    add(s.People, -g.rng.draw(150, 300));
  }
  if (s.Happiness < 25) add(s.People, -g.rng.draw(30, 60));
  else if (s.Happiness < 50) add(s.People, -g.rng.draw(20, 50));
  else if (s.Happiness < 75) add(s.People, g.rng.draw(20, 50));
  else add(s.People, g.rng.draw(30, 60));
}

void CountyTurn(Rules& g) {
  GameState& s = g.s;
  s.Season = s.Season >= 4 ? 1 : s.Season + 1;
  s.TurnCounter = s.TurnCounter >= 200 ? 2 : s.TurnCounter + 1;

  StandingBonuses(s);
  LeaderInfluence(g);
  if (every(s, 6)) DemandTithe(g);
  if (every(s, 8)) AskStake(g);
  if (countDown(s.ResearchCountdown)) CompleteResearch(g);
  if (countDown(s.GuardTrainingCountdown)) {
    add(s.GuardLevel, 1);
    add(s.Nobility, 2);
    AddMessage(g, 2, txt::campaign::GuardTrained);
  }
  TournamentResult(g);
  if (every(s, 11)) AskTournament(g);
  ThievesGuild(g);
  CastleIncome(s);
  FeedPeople(g);
  HealthAndPlague(g);
  AdvanceObjectMission(g);
  AdvanceAssassins(g);
  Trade(g);
  Rebellion(g);
  ScheduledEvents(g);
  AdvanceSieges(g);
}

void ApplySeason(Rules& g) {
  GameState& s = g.s;
  switch (s.Season) {
    case 1: {
      add(s.Happiness, 4);
      add(s.Health, 4);
      const uint8_t selected = s.SelectedField;
      for (int f = 1; f <= 10; ++f)
        if (s.FieldKind[f - 1] == kRuinedField) {
          s.SelectedField = static_cast<uint8_t>(f);
          ClsFields::SetWorkers(g, 0);
          ClsFields::SetField(g, kEmptyField);
        }
      s.SelectedField = selected;
      break;
    }
    case 2:
      add(s.Happiness, -2);
      add(s.Health, -2);
      break;
    case 3:
      add(s.Happiness, -4);
      add(s.Health, -4);
      Frost(g);
      break;
    case 4:
      add(s.Happiness, 2);
      add(s.Health, 2);
      break;
    default: break;
  }
}

void Frost(Rules& g) {
  GameState& s = g.s;
  if (s.Difficulty < 2) return;
  ReseedFromClock(g);
  store(s.FrostRoll, g.rng.draw(100, 50));
  static constexpr int kMedium[] = {1, 3, 4};
  static constexpr int kHard[] = {1, 3, 4, 7, 9};
  const bool hard = s.Difficulty >= 3;
  if (s.FrostRoll < (hard ? 110 : 130)) return;
  const int* fields = hard ? kHard : kMedium;
  const int n = hard ? 5 : 3;
  const uint8_t selected = s.SelectedField;
  bool ruined = false;
  for (int i = 0; i < n; ++i) {
    const int f = fields[i];
    const uint8_t kind = s.FieldKind[f - 1];
    if (kind == kEmptyField || kind == kRuinedField) continue;
    // Release the workers first (a change to ruin moves nobody), then ruin the field.
    s.SelectedField = static_cast<uint8_t>(f);
    ClsFields::SetWorkers(g, 0);
    ClsFields::SetField(g, kRuinedField);
    ruined = true;
  }
  s.SelectedField = selected;
  if (ruined) AddMessage(g, 1, txt::campaign::FrostRuinedFields);
}

}  // namespace fief
