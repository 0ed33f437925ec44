// The event kinds the turn engine raises, with what accepting and refusing do.
#include <map>

#include "campaign/events.h"
#include "campaign/message_log.h"
#include "campaign/rules.h"
#include "rivals/diplomacy.h"
#include "rivals/rival_lords.h"
#include "state/arith.h"
#include "text_names.h"
#include "turn/garrison.h"
#include "turn/turn.h"

namespace fief {

namespace {

// Every 16th turn: the King's marshal asks for provisions.
void kingsLevyAccepted(Rules& g) {
  ProvisionsQuestion q{[&g](const std::array<int, 5>& amounts) { return SendProvisions(g, amounts); },
                       [&g] { RefuseProvisions(g); }};
  g.player().provisions(q);
}
const StatChanges& kingsLevyRefusedChanges() {
  static const StatChanges c = {
    {Stat::Happiness, -9}, {Stat::Morale, -15}, {Stat::Nobility, -12}, {Stat::Religion, -4}};
  return c;
}
void kingsLevyRefused(Rules& g) { applyChanges(g.s, kingsLevyRefusedChanges()); }

// Every 24th turn: the crusade.
const StatChanges& crusadeAcceptedChanges() {
  static const StatChanges c = {{Stat::Gold, -3500}, {Stat::Leadership, 2}, {Stat::Diplomacy, 3}, {Stat::Religion, 5}};
  return c;
}
const StatChanges& crusadeRefusedChanges() {
  static const StatChanges c = {{Stat::Leadership, -6}, {Stat::Diplomacy, -13}, {Stat::Religion, -10}};
  return c;
}
void crusadeAccepted(Rules& g) {
  if (g.s.Gold < 3500) return;
  applyChanges(g.s, crusadeAcceptedChanges());
}
void crusadeRefused(Rules& g) { applyChanges(g.s, crusadeRefusedChanges()); }

// Every 19th turn: the burned abbey.
const StatChanges& abbeyAcceptedChanges() {
  static const StatChanges c = {{Stat::Gold, -2700}, {Stat::Religion, 9}};
  return c;
}
const StatChanges& abbeyRefusedChanges() {
  static const StatChanges c = {{Stat::Religion, -15}};
  return c;
}
void abbeyAccepted(Rules& g) {
  if (g.s.Gold < 2700) return;
  applyChanges(g.s, abbeyAcceptedChanges());
}
void abbeyRefused(Rules& g) {
  applyChanges(g.s, abbeyRefusedChanges());
  AddMessage(g, 1, txt::campaign::AbbeyRefused);  // the monks turned away: the player reads it among the turn's news
}

// Every 20th turn: the arms merchants' wares are seized, each stock by a fresh draw.
void merchantsRefused(Rules& g) {
  GameState& s = g.s;
  add(s.BowStock, g.rng.draw(30, 10));
  add(s.ClubStock, g.rng.draw(70, 10));
  add(s.SwordStock, g.rng.draw(30, 10));
  add(s.HelebardStock, g.rng.draw(30, 10));
  add(s.MaceStock, g.rng.draw(10, 5));
  add(s.ChainMailStock, g.rng.draw(100, 30));
  add(s.PlateStock, g.rng.draw(60, 30));
  add(s.ShieldStock, g.rng.draw(100, 50));
}

// Every 13th turn: the abbot's tenants' levy is brought in.
const StatChanges& tenantsLevyRefusedChanges() {
  static const StatChanges c = {
    {Stat::Crops, 450}, {Stat::Meat, 13}, {Stat::Wood, 200}, {Stat::Stone, 200}, {Stat::Ore, 200}};
  return c;
}
void levyRefused(Rules& g) { applyChanges(g.s, tenantsLevyRefusedChanges()); }

// Every 35th turn (harder difficulties): Lord Osric's claim on village 1.
void claimAccepted(Rules& g);
const StatChanges& claimRefusedChanges() {
  static const StatChanges c = {{Stat::Happiness, -12}};
  return c;
}
const StatChanges& claimAcceptedChanges() {
  static const StatChanges c = {{Stat::Gold, -3000}};
  return c;
}
void claimRefused(Rules& g) {
  GameState& s = g.s;
  s.VillageState[0] = 100;
  add(s.People, -Fix(s.People * 10.0 / 100.0));
  applyChanges(s, claimRefusedChanges());
  g.player().show(Sight::Map);
}
void claimAccepted(Rules& g) {
  GameState& s = g.s;
  if (s.Gold < 3000) {
    claimRefused(g);
    return;
  }
  applyChanges(s, claimAcceptedChanges());
}

// Every 47th turn (harder difficulties): the mercenaries' drill.
const StatChanges& drillAcceptedChanges() {
  static const StatChanges c = {{Stat::Gold, -2500}, {Stat::Morale, 10}, {Stat::Leadership, 3}};
  return c;
}
void drillAccepted(Rules& g) {
  if (g.s.Gold < 2500) return;
  applyChanges(g.s, drillAcceptedChanges());
}

EventRule choice(std::function<void(Rules&)> accept, std::function<void(Rules&)> refuse, StatChanges acceptChanges = {},
                 StatChanges refuseChanges = {}) {
  EventRule k;
  k.choice = true;
  k.accept = std::move(accept);
  k.refuse = std::move(refuse);
  k.acceptChanges = std::move(acceptChanges);
  k.refuseChanges = std::move(refuseChanges);
  return k;
}

// The turn's own event kinds: the fame, the rebellion and the comet are notices.
std::map<EventKind, EventRule> turnEventKinds() {
  // The marshal's own figures: what sending the provisions brings besides the crown's gold.
  return {{kKingsLevyEvent, choice(kingsLevyAccepted, kingsLevyRefused, provisionsSentChanges(), kingsLevyRefusedChanges())},
          {kFameEvent, EventRule{}},
          {kRebellionEvent, EventRule{}},
          {kCrusadeEvent, choice(crusadeAccepted, crusadeRefused, crusadeAcceptedChanges(), crusadeRefusedChanges())},
          {kBurnedAbbeyEvent, choice(abbeyAccepted, abbeyRefused, abbeyAcceptedChanges(), abbeyRefusedChanges())},
          {kCometEvent, EventRule{}},
          {kArmsMerchantsEvent, choice(nullptr, merchantsRefused)},
          {kTenantsLevyEvent, choice(nullptr, levyRefused, {}, tenantsLevyRefusedChanges())},
          // Laying siege to a rival's castle with the camp on its site.
          {laySiegeEvent(1), choice([](Rules& g) { LaySiege(g, 1); }, nullptr)},
          {laySiegeEvent(2), choice([](Rules& g) { LaySiege(g, 2); }, nullptr)},
          // The storm of a besieged castle; breaking off lifts the siege.
          {kStormCastle1Event, choice([](Rules& g) { StormCastle(g, 1); }, [](Rules& g) { LiftSiegeOnMap(g, 1); })},
          {kStormCastle2Event, choice([](Rules& g) { StormCastle(g, 2); }, [](Rules& g) { LiftSiegeOnMap(g, 2); })},
          // The war on a rival the player declared, to be confirmed; a rival's thanks for a gift.
          {warOnRivalEvent(1), choice([](Rules& g) { ConfirmWar(g, 1); }, [](Rules& g) { WithdrawWar(g.s, 1); })},
          {warOnRivalEvent(2), choice([](Rules& g) { ConfirmWar(g, 2); }, [](Rules& g) { WithdrawWar(g.s, 2); })},
          {kGiftThanksEvent, EventRule{}},
          {kOsricClaimEvent, choice(claimAccepted, claimRefused, claimAcceptedChanges(), claimRefusedChanges())},
          {kMercenaryDrillEvent, choice(drillAccepted, nullptr, drillAcceptedChanges())}};
}

}  // namespace

void registerTurnEventKinds() {
  for (auto& [kind, rule] : turnEventKinds()) registerEventKind(kind, std::move(rule));
}

}  // namespace fief
