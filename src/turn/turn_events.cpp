// The event kinds the turn engine raises, with what accepting and refusing do, and the
// registry of event kinds.
#include <map>

#include "campaign/rules.h"
#include "rivals/rival_lords.h"
#include "state/arith.h"
#include "turn/events.h"
#include "turn/garrison.h"
#include "turn/message_log.h"
#include "turn/turn.h"
#include "text_names.h"

namespace fief {

namespace {

// Every 16th turn: the King's marshal asks for provisions.
void kingsLevyAccepted(Rules& g) {
  ProvisionsQuestion q{[&g](const std::array<int, 5>& amounts) { return SendProvisions(g, amounts); },
                       [&g] { RefuseProvisions(g); }};
  g.player().provisions(q);
}
const StatChanges kKingsLevyRefused = {
    {Stat::Happiness, -9}, {Stat::Morale, -15}, {Stat::Nobility, -12}, {Stat::Religion, -4}};
void kingsLevyRefused(Rules& g) { applyChanges(g.s, kKingsLevyRefused); }

// Every 24th turn: the crusade.
const StatChanges kCrusadeAccepted = {{Stat::Gold, -3500}, {Stat::Leadership, 2}, {Stat::Diplomacy, 3}, {Stat::Religion, 5}};
const StatChanges kCrusadeRefused = {{Stat::Leadership, -6}, {Stat::Diplomacy, -13}, {Stat::Religion, -10}};
void crusadeAccepted(Rules& g) {
  if (g.s.Gold < 3500) return;
  applyChanges(g.s, kCrusadeAccepted);
}
void crusadeRefused(Rules& g) { applyChanges(g.s, kCrusadeRefused); }

// Every 19th turn: the burned abbey.
const StatChanges kAbbeyAccepted = {{Stat::Gold, -2700}, {Stat::Religion, 9}};
const StatChanges kAbbeyRefused = {{Stat::Religion, -15}};
void abbeyAccepted(Rules& g) {
  if (g.s.Gold < 2700) return;
  applyChanges(g.s, kAbbeyAccepted);
}
void abbeyRefused(Rules& g) {
  applyChanges(g.s, kAbbeyRefused);
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
const StatChanges kTenantsLevyRefused = {
    {Stat::Crops, 450}, {Stat::Meat, 13}, {Stat::Wood, 200}, {Stat::Stone, 200}, {Stat::Ore, 200}};
void levyRefused(Rules& g) { applyChanges(g.s, kTenantsLevyRefused); }

// Every 35th turn (harder difficulties): Lord Osric's claim on village 1.
void claimAccepted(Rules& g);
const StatChanges kClaimRefused = {{Stat::Happiness, -12}};
const StatChanges kClaimAccepted = {{Stat::Gold, -3000}};
void claimRefused(Rules& g) {
  GameState& s = g.s;
  s.VillageState[0] = 100;
  add(s.People, -Fix(s.People * 10.0 / 100.0));
  applyChanges(s, kClaimRefused);
  g.player().show(Sight::Map);
}
void claimAccepted(Rules& g) {
  GameState& s = g.s;
  if (s.Gold < 3000) {
    claimRefused(g);
    return;
  }
  applyChanges(s, kClaimAccepted);
}

// Every 47th turn (harder difficulties): the mercenaries' drill.
const StatChanges kDrillAccepted = {{Stat::Gold, -2500}, {Stat::Morale, 10}, {Stat::Leadership, 3}};
void drillAccepted(Rules& g) {
  if (g.s.Gold < 2500) return;
  applyChanges(g.s, kDrillAccepted);
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
  return {{kKingsLevyEvent, choice(kingsLevyAccepted, kingsLevyRefused, kProvisionsSent, kKingsLevyRefused)},
          {kFameEvent, EventRule{}},
          {kRebellionEvent, EventRule{}},
          {kCrusadeEvent, choice(crusadeAccepted, crusadeRefused, kCrusadeAccepted, kCrusadeRefused)},
          {kBurnedAbbeyEvent, choice(abbeyAccepted, abbeyRefused, kAbbeyAccepted, kAbbeyRefused)},
          {kCometEvent, EventRule{}},
          {kArmsMerchantsEvent, choice(nullptr, merchantsRefused)},
          {kTenantsLevyEvent, choice(nullptr, levyRefused, {}, kTenantsLevyRefused)},
          // The storm of a besieged castle; breaking off lifts the siege.
          {kStormCastle1Event, choice([](Rules& g) { StormCastle(g, 1); }, [](Rules& g) { LiftSiegeOnMap(g, 1); })},
          {kStormCastle2Event, choice([](Rules& g) { StormCastle(g, 2); }, [](Rules& g) { LiftSiegeOnMap(g, 2); })},
          {kOsricClaimEvent, choice(claimAccepted, claimRefused, kClaimAccepted, kClaimRefused)},
          {kMercenaryDrillEvent, choice(drillAccepted, nullptr, kDrillAccepted)}};
}

std::map<EventKind, EventRule>& kinds() {
  static std::map<EventKind, EventRule> k = turnEventKinds();
  return k;
}

}  // namespace

void registerEventKind(EventKind kind, EventRule k) { kinds()[kind] = std::move(k); }

void setEventNote(EventKind kind, std::function<std::vector<TextId>(const Rules&)> note) {
  kinds()[kind].note = std::move(note);
}

const EventRule* eventRule(EventKind kind) {
  auto it = kinds().find(kind);
  return it == kinds().end() ? nullptr : &it->second;
}

void RaiseEvent(Rules& r, EventKind kind, int entry) {
  const EventRule* k = eventRule(kind);
  EventQuestion q;
  q.kind = kind;
  q.entry = entry;
  q.choice = k && k->choice;
  // The kind is looked up again when the answer comes: a consequence may register kinds.
  q.accept = [&r, kind] {
    if (const EventRule* e = eventRule(kind); e && e->accept) e->accept(r);
  };
  q.refuse = [&r, kind] {
    if (const EventRule* e = eventRule(kind); e && e->refuse) e->refuse(r);
  };
  r.player().event(q);
}

}  // namespace fief
