// The event kinds the turn engine raises, with what accepting and refusing do.
#include "campaign/game.h"
#include "map/camp1_frm.h"
#include "rivals/rival_hooks.h"
#include "state/arith.h"
#include "turn/turn.h"
#include "turn/turn_screen.h"
#include "ui/dialogs.h"

namespace fief {

namespace {

// Every 16th turn: the King's marshal asks for provisions.
void kingsLevyAccepted(Game& g) {
  g.s.GarryMode = 3;
  g.form("GarryFrm").showModal();
}
void kingsLevyRefused(Game& g) {
  GameState& s = g.s;
  add(s.Happiness, -9);
  add(s.Morale, -15);
  add(s.Nobility, -12);
  add(s.Religion, -4);
}

// Every 24th turn: the crusade.
void crusadeAccepted(Game& g) {
  GameState& s = g.s;
  if (s.Gold < 3500) return;
  add(s.Gold, -3500);
  add(s.Leadership, 2);
  add(s.Diplomacy, 3);
  add(s.Religion, 5);
}
void crusadeRefused(Game& g) {
  GameState& s = g.s;
  add(s.Leadership, -6);
  add(s.Diplomacy, -13);
  add(s.Religion, -10);
}

// Every 19th turn: the burned abbey.
void abbeyAccepted(Game& g) {
  GameState& s = g.s;
  if (s.Gold < 2700) return;
  add(s.Gold, -2700);
  add(s.Religion, 9);
}
void abbeyRefused(Game& g) { add(g.s.Religion, -15); }

// Every 20th turn: the arms merchants' wares are seized, each stock by a fresh draw.
void merchantsRefused(Game& g) {
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
void levyRefused(Game& g) {
  GameState& s = g.s;
  add(s.Crops, 450);
  add(s.Meat, 13);
  add(s.Wood, 200);
  add(s.Stone, 200);
  add(s.Ore, 200);
}

// Every 35th turn (harder difficulties): Lord Osric's claim on village 1.
void claimAccepted(Game& g);
void claimRefused(Game& g) {
  GameState& s = g.s;
  s.VillageState[0] = 100;
  add(s.People, -Fix(s.People * 10.0 / 100.0));
  add(s.Happiness, -12);
  if (g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").refreshAll();
}
void claimAccepted(Game& g) {
  GameState& s = g.s;
  if (s.Gold < 3000) {
    claimRefused(g);
    return;
  }
  add(s.Gold, -3000);
}

// Every 47th turn (harder difficulties): the mercenaries' drill.
void drillAccepted(Game& g) {
  GameState& s = g.s;
  if (s.Gold < 2500) return;
  add(s.Gold, -2500);
  add(s.Morale, 10);
  add(s.Leadership, 3);
}

EventKind choice(std::function<void(Game&)> accept, std::function<void(Game&)> refuse) {
  EventKind k;
  k.choice = true;
  k.accept = std::move(accept);
  k.refuse = std::move(refuse);
  return k;
}

const bool kRegistered = [] {
  registerEventKind(1, choice(kingsLevyAccepted, kingsLevyRefused));
  registerEventKind(2, EventKind{});
  registerEventKind(3, EventKind{});
  registerEventKind(4, choice(crusadeAccepted, crusadeRefused));
  registerEventKind(5, choice(abbeyAccepted, abbeyRefused));
  registerEventKind(6, EventKind{});
  registerEventKind(7, choice(nullptr, merchantsRefused));
  registerEventKind(8, choice(nullptr, levyRefused));
  // The storm of a besieged castle (site 1 kind 14, site 2 kind 15); breaking off lifts
  // the siege. Sieges are laid by kinds 12 and 13.
  for (int site = 1; site <= 2; ++site) {
    registerEventKind(11 + site, choice([site](Game& g) { LaySiege(g, site); }, nullptr));
    registerEventKind(13 + site, choice([site](Game& g) { StormCastle(g, site); }, [site](Game& g) { LiftSiegeOnMap(g, site); }));
  }
  registerEventKind(20, choice(claimAccepted, claimRefused));
  registerEventKind(21, choice(drillAccepted, nullptr));
  return true;
}();

}  // namespace

}  // namespace fief
