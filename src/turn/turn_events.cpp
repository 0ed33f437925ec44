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
void kingsLevyRefused(Rules& g) {
  GameState& s = g.s;
  add(s.Happiness, -9);
  add(s.Morale, -15);
  add(s.Nobility, -12);
  add(s.Religion, -4);
}

// Every 24th turn: the crusade.
void crusadeAccepted(Rules& g) {
  GameState& s = g.s;
  if (s.Gold < 3500) return;
  add(s.Gold, -3500);
  add(s.Leadership, 2);
  add(s.Diplomacy, 3);
  add(s.Religion, 5);
}
void crusadeRefused(Rules& g) {
  GameState& s = g.s;
  add(s.Leadership, -6);
  add(s.Diplomacy, -13);
  add(s.Religion, -10);
}

// Every 19th turn: the burned abbey.
void abbeyAccepted(Rules& g) {
  GameState& s = g.s;
  if (s.Gold < 2700) return;
  add(s.Gold, -2700);
  add(s.Religion, 9);
}
void abbeyRefused(Rules& g) {
  add(g.s.Religion, -15);
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
void levyRefused(Rules& g) {
  GameState& s = g.s;
  add(s.Crops, 450);
  add(s.Meat, 13);
  add(s.Wood, 200);
  add(s.Stone, 200);
  add(s.Ore, 200);
}

// Every 35th turn (harder difficulties): Lord Osric's claim on village 1.
void claimAccepted(Rules& g);
void claimRefused(Rules& g) {
  GameState& s = g.s;
  s.VillageState[0] = 100;
  add(s.People, -Fix(s.People * 10.0 / 100.0));
  add(s.Happiness, -12);
  g.player().show(Sight::Map);
}
void claimAccepted(Rules& g) {
  GameState& s = g.s;
  if (s.Gold < 3000) {
    claimRefused(g);
    return;
  }
  add(s.Gold, -3000);
}

// Every 47th turn (harder difficulties): the mercenaries' drill.
void drillAccepted(Rules& g) {
  GameState& s = g.s;
  if (s.Gold < 2500) return;
  add(s.Gold, -2500);
  add(s.Morale, 10);
  add(s.Leadership, 3);
}

EventRule choice(std::function<void(Rules&)> accept, std::function<void(Rules&)> refuse) {
  EventRule k;
  k.choice = true;
  k.accept = std::move(accept);
  k.refuse = std::move(refuse);
  return k;
}

// The turn's own event kinds: the fame, the rebellion and the comet are notices.
std::map<EventKind, EventRule> turnEventKinds() {
  return {{kKingsLevyEvent, choice(kingsLevyAccepted, kingsLevyRefused)},
          {kFameEvent, EventRule{}},
          {kRebellionEvent, EventRule{}},
          {kCrusadeEvent, choice(crusadeAccepted, crusadeRefused)},
          {kBurnedAbbeyEvent, choice(abbeyAccepted, abbeyRefused)},
          {kCometEvent, EventRule{}},
          {kArmsMerchantsEvent, choice(nullptr, merchantsRefused)},
          {kTenantsLevyEvent, choice(nullptr, levyRefused)},
          // The storm of a besieged castle; breaking off lifts the siege.
          {kStormCastle1Event, choice([](Rules& g) { StormCastle(g, 1); }, [](Rules& g) { LiftSiegeOnMap(g, 1); })},
          {kStormCastle2Event, choice([](Rules& g) { StormCastle(g, 2); }, [](Rules& g) { LiftSiegeOnMap(g, 2); })},
          {kOsricClaimEvent, choice(claimAccepted, claimRefused)},
          {kMercenaryDrillEvent, choice(drillAccepted, nullptr)}};
}

std::map<EventKind, EventRule>& kinds() {
  static std::map<EventKind, EventRule> k = turnEventKinds();
  return k;
}

}  // namespace

void registerEventKind(EventKind kind, EventRule k) { kinds()[kind] = std::move(k); }

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
