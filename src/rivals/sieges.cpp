#include "rivals/sieges.h"

#include "campaign/events.h"
#include "campaign/rules.h"
#include "state/arith.h"
#include "state/countdown.h"
#include "text_names.h"

namespace fief {

int SiegeWaypoint(int site) { return kSiegeWaypoint[site == 1 ? 0 : 1]; }

uint8_t& SiegeCountdown(GameState& s, int site) { return site == 1 ? s.SiegeState1 : s.SiegeState2; }
uint8_t SiegeCountdown(const GameState& s, int site) { return site == 1 ? s.SiegeState1 : s.SiegeState2; }

int SiegeDuration(int engineers) {
  if (engineers <= 10) return 6;
  if (engineers <= 20) return 4;
  if (engineers <= 30) return 3;
  return 2;
}

int BesiegingCamp(const GameState& s, int site) {
  for (int k = 0; k < 3; ++k)
    if (isSet(s.CampExists[k]) && s.CampWaypoint[k] == SiegeWaypoint(site)) return k + 1;
  return 0;
}

bool DeclareSiege(GameState& s, int site) {
  const int camp = BesiegingCamp(s, site);
  // No siege of a lord out of play: the map offers none, and an answer that comes after
  // his fall changes nothing.
  if (camp == 0 || !RivalActive(s, site)) return false;
  store(SiegeCountdown(s, site), SiegeDuration(s.CampComposition[camp - 1].get(Enginer)));
  return true;
}

void LiftSiege(GameState& s, int site) {
  SiegeCountdown(s, site) = kNone;
  const int w = SiegeWaypoint(site);
  for (int k = 0; k < 3; ++k)
    if (isSet(s.CampExists[k]) && s.CampWaypoint[k] == w) s.CampWaypoint[k] = static_cast<uint8_t>(w - 1);
}

std::string StormMap(const GameState& s, int site) {
  static const char* const kStages[5] = {"keep", "bailey", "fort", "stronghold", "castle"};
  const int stage = RivalCastleStage(s, site);
  return std::string(kStages[stage < 0 ? 0 : stage]) + std::to_string(site);
}

RivalBattle StormBattle(const GameState& s, int site) {
  RivalBattle b;
  b.kind = RivalBattleKind::Storm;
  b.rival = site;
  b.map = StormMap(s, site);
  b.site = s.BattleSite;
  b.camp = static_cast<uint8_t>(BesiegingCamp(s, site));
  b.enemyId = EnemyArmyId(RivalGarrisonCamp(site));
  // Rival lord 2's defenders are Norsemen with the smaller roster.
  b.enemyKind = site == 2 ? 1 : 0;
  b.battleKind = 1;
  b.enemyMorale = site == 1 ? s.Rival1.Morale : s.Rival2.Morale;
  return b;
}

// The castles taken by storm live in the saved record's spare byte: bit 0 rival lord 1's,
// bit 1 rival lord 2's. A lord out of play whose bit is clear never took the field.
bool CastleStormed(const GameState& s, int rival) { return (s.SpareByte >> (rival - 1)) & 1; }

void ApplyStorm(GameState& s, int site, bool playerWon) {
  SiegeCountdown(s, site) = kNone;
  const int rival = site;
  // A lord already out of play has no castle left to lose and no treasury to plunder.
  if (!RivalActive(s, rival)) return;
  if (!playerWon) {
    // The defenders held: the rival's people take heart.
    if (rival == 1) {
      add(s.Rival1.Morale, 10.0);
      add(s.Rival1.Happiness, 5);
    } else {
      add(s.Rival2.Morale, 10.0);
      add(s.Rival2.Happiness, 5);
    }
    return;
  }
  // The castle is the player's: the rival lord is out of the game, his armies scatter,
  // what he held passes to the player and half of his treasury is plunder.
  int32_t& gold = rival == 1 ? s.Rival1.Gold : s.Rival2.Gold;
  if (gold > 0) add(s.Gold, gold / 2);
  (rival == 1 ? s.Rival1.Active : s.Rival2.Active) = kFalse;
  s.SpareByte = static_cast<uint8_t>(s.SpareByte | (1 << (rival - 1)));
  s.EnemyCamp[RivalGarrisonCamp(rival)].clear();
  for (int a = 0; a < RivalFieldArmies(rival); ++a) {
    s.EnemyCamp[RivalArmyCamp(rival, a)].clear();
    RivalArmyStateByte(s, rival, a) = ArmyNone;
    RivalArmyStrength(s, rival, a) = 0;
  }
  RivalWarState(s, rival) = 0;
  RivalAttackState(s, rival) = kNone;
  RivalRaidEndTurn(s, rival) = 0;
  for (auto& h : s.CountyBlessings)
    if (h == rival + 1) h = 1;
}

void AdvanceSieges(Rules& g) {
  GameState& s = g.s;
  // A siege of a lord out of play (a loaded game; he was beaten meanwhile) ends with its
  // countdown: there is nobody to give battle.
  if (countDown(s.SiegeState1) && RivalActive(s, 1)) RaiseEvent(g, kStormCastle1Event, txt::campaign::GiveBattleQuestion);
  if (countDown(s.SiegeState2) && RivalActive(s, 2)) RaiseEvent(g, kStormCastle2Event, txt::campaign::GiveBattleQuestion);
}

}  // namespace fief
