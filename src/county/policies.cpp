// Taxes, the Church's demands, research and the tournament: the rules behind their
// screens.
#include <algorithm>

#include "campaign/message_log.h"
#include "campaign/rules.h"
#include "county/county_rules.h"
#include "state/arith.h"
#include "text_names.h"

namespace fief {

void TaxUp(Rules& g) {
  if (g.s.TaxRate < 100) g.s.TaxRate = static_cast<uint8_t>(std::min(100, g.s.TaxRate + 10));
}
void TaxDown(Rules& g) {
  if (g.s.TaxRate > 0) g.s.TaxRate = static_cast<uint8_t>(std::max(0, g.s.TaxRate - 10));
}
long expectedTaxGold(const GameState& s) { return static_cast<long>(Int(static_cast<double>(s.TaxRate) * s.People / 200)); }
bool goldIncomeFlows(const GameState& s) { return s.Crops >= 1 && s.Meat >= 1; }
long taxHappinessLoss(const GameState& s) { return static_cast<long>(Int(s.TaxRate / 4.0)); }

bool PayTithe(Rules& g) {
  GameState& s = g.s;
  if (s.Gold < s.ChurchTithe) return false;
  add(s.Gold, -static_cast<long>(s.ChurchTithe));
  add(s.Religion, 3);
  add(s.Nobility, 1);
  AddMessage(g, 1, txt::campaign::TithePaid);
  return true;
}

void RefuseTithe(Rules& g) {
  GameState& s = g.s;
  add(s.Happiness, -10);
  add(s.Religion, -4);
  add(s.Nobility, -1);
  add(s.Crops, -300);
  add(s.Meat, -10);
  AddMessage(g, 1, txt::campaign::TitheRefused);
}

void AgreeStake(Rules& g) {
  GameState& s = g.s;
  add(s.Happiness, -22);
  add(s.Religion, 2);
  add(s.Nobility, 1);
  AddMessage(g, 1, txt::campaign::HereticBurned);
}

void RefuseStake(Rules& g) {
  GameState& s = g.s;
  add(s.Happiness, 12);
  add(s.Religion, -3);
  add(s.Nobility, -1);
  AddMessage(g, 1, txt::campaign::HereticSpared);
}

ResearchCost researchCost(const GameState& s, long L) {
  if (s.CountyBlessings[5] == 1)
    return {300 * L - static_cast<long>(Fix(6000.0 * L / 100)), 70 * L - static_cast<long>(Fix(2450.0 * L / 100))};
  return {300 * L, 70 * L};
}

ResearchResult StartResearch(Rules& g) {
  GameState& s = g.s;
  if (s.ResearchCountdown != kNone) return ResearchResult::AlreadyRunning;
  const ResearchCost c = researchCost(s, s.ResearchLevelShown);
  if (s.Gold < c.gold || s.Ore < c.ore) return ResearchResult::TooExpensive;
  store(s.ResearchCountdown, Int(s.ResearchLevelShown / 3.0));
  add(s.Gold, -c.gold);
  add(s.Ore, -c.ore);
  return ResearchResult::Started;
}

bool CancelResearch(Rules& g) {
  GameState& s = g.s;
  if (s.ResearchCountdown == kNone) return false;
  const ResearchCost c = researchCost(s, s.ResearchLevelShown);
  s.ResearchCountdown = kNone;
  add(s.Gold, c.gold);
  add(s.Ore, c.ore);
  return true;
}

int RaiseStake(const GameState& s, int stake) {
  if (static_cast<long>(s.Gold) - kTournamentCost > stake && stake + 100 <= kMaxStake) return stake + 100;
  return stake;
}
int LowerStake(int stake) { return stake > 0 ? stake - 100 : stake; }

bool HoldTournament(Rules& g, int stake) {
  GameState& s = g.s;
  if (stake < 0 || stake > kMaxStake || s.Gold < static_cast<long>(stake) + kTournamentCost) return false;
  add(s.Gold, -(static_cast<long>(stake) + kTournamentCost));
  add(s.Diplomacy, 3);
  s.TournamentHeld = kTrue;
  store(s.TournamentStake, stake);
  return true;
}

void DeclineTournament(Rules& g) {
  GameState& s = g.s;
  add(s.Diplomacy, -2);
  s.TournamentHeld = kFalse;
  s.TournamentStake = 0;
  AddMessage(g, 1, txt::campaign::TournamentDeclined);
}

}  // namespace fief

namespace fief {

void AskTithe(Rules& g) {
  TitheQuestion q{g.s.ChurchTithe, [&g] { return PayTithe(g); }, [&g] { RefuseTithe(g); }};
  g.player().tithe(q);
}

void AskStake(Rules& g) {
  StakeQuestion q{[&g] { AgreeStake(g); }, [&g] { RefuseStake(g); }};
  g.player().stake(q);
}

void AskTournament(Rules& g) {
  TournamentQuestion q{[&g](int stake) { return HoldTournament(g, stake); }, [&g] { DeclineTournament(g); }};
  g.player().tournament(q);
}

}  // namespace fief
