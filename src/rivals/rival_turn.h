// The rival lords' turn: for each rival in play, a reduced county economy and a fixed
// calendar of actions (castle stages, raids on the map's objects, army raisings, thieves,
// saboteurs, assassins, the village raid and the march on the player's castle), then the
// countdowns of their attacks. Pure rules over the game state: what the player must be
// told, and the battles the rivals start, go out through RivalEvents.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace fief {

class Rng;

// The battles a rival starts, handed to the battle module.
enum class RivalBattleKind : uint8_t {
  VillageRaid,     // the village's militia against the raiding army (battle site 8, "village1")
  CastleDefence,   // the camp at the castle gate against the rival's host (battle site 8, on
                   // the map of the county's castle stage, behind its walls)
  Storm,           // a besieging camp storms the rival's castle (site 1 rival 1, site 2 rival 2)
  Intercept,       // a camp meets a rival army on its way, from the battlefield ("field1")
};

struct RivalBattle {
  RivalBattleKind kind = RivalBattleKind::VillageRaid;
  int rival = 1;             // 1 or 2
  std::string map;           // battle map name ("village1")
  uint8_t site = 8;          // BattleSite
  uint8_t camp = 1;          // the player's camp 1..3; 4 is the village militia (BattleArmy)
  uint8_t enemyId = 0;       // enemy army identifier (6 + EnemyCamp number)
  uint8_t enemyKind = 0;     // 1: the defenders carry the reduced roster ("Viking army")
  uint8_t battleKind = 0;    // 1 for a storm, 2 for the defence of the county's castle
  float enemyMorale = 0.0f;  // the rival's Morale
};

// What the rivals' turn tells the player and hands over. The default does nothing, so the
// rules run on their own in tests and benchmarks.
class RivalEvents {
 public:
  virtual ~RivalEvents() = default;
  // A turn message of table 1 in list 1 or 2 (dropped when the list is full).
  virtual void message(int list, int entry) { (void)list; (void)entry; }
  virtual void sound(const std::string& file) { (void)file; }
  // A notice in the event dialog (table 1 entry).
  virtual void notice(int entry) { (void)entry; }
  // The player has lost (PlayerInGame is already False): show the game-over screen.
  virtual void defeat() {}
  // Start a battle; the battle module calls ApplyRivalBattle with its outcome.
  virtual void battle(const RivalBattle& b) { (void)b; }
};

// --- the procedure, in the order of the end of turn
// For rival 1 or 2 if its record is active: economy and calendar.
void RivalLordTurn(GameState& s, Rng& rng, RivalEvents& ev, int rival);
// After both rivals: the countdowns of their attacks on the castle and their people floor.
void RivalAttackCountdowns(GameState& s, RivalEvents& ev);
// Both rivals in their order, then the attack countdowns (the market bases are drawn
// before, by the end of turn).
void RivalLordsTurn(GameState& s, Rng& rng, RivalEvents& ev);

// The outcome of a rival battle, applied when the results are confirmed. enemyLeft are
// the rival army's survivors (composition order).
void ApplyRivalBattle(GameState& s, RivalEvents& ev, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft);

// A raid on the village begins (the calendar's, or the war the player declared): his first
// field army standing that is not marching on the castle sets out; the raid is fought by
// that army only.
void SendRaiders(GameState& s, int rival);

// The battles a camp of the player offers from the battlefield: one against every rival
// army raiding the village or marching on the castle.
std::vector<RivalBattle> InterceptBattles(const GameState& s, int camp);

// --- rules used on their own
int RivalTaxRate(int happiness);            // 0, 10, 50, 60 or 80
int AttackCountdown(int strength);          // 6, 4, 3 or 2 turns
int ArmyStrength(long soldiers);            // the strength byte of an army of that size
bool PlayerCampOn(const GameState& s, int waypoint);  // an existing camp of the player stands there
int PlayerCampOnGate(const GameState& s);   // the first camp (1..3) on waypoint 1, else 0

// A rival's field armies. Army A and B of rival 1 are EnemyCamp 2 and 3, rival 2 has
// one field army, EnemyCamp 5; EnemyCamp 1 and 4 are the garrisons of their castles.
int RivalArmyCamp(int rival, int army);     // EnemyCamp index 0..4, -1 when none
int RivalGarrisonCamp(int rival);           // 0 or 3
int RivalFieldArmies(int rival);            // 2 or 1
uint8_t EnemyArmyId(int camp);              // 7..11 for EnemyCamp index 0..4

// The per-rival values kept in the spare members of the rival records.
enum RivalArmyState : uint8_t { ArmyNone = 0, ArmyHome = 1, ArmyRaiding = 2, ArmyMarching = 3 };
uint8_t& RivalArmyStateByte(GameState& s, int rival, int army);
uint8_t RivalArmyStateByte(const GameState& s, int rival, int army);
int16_t& RivalArmyStrength(GameState& s, int rival, int army);
uint8_t& RivalRaidEndTurn(GameState& s, int rival);
int16_t& RivalFameShown(GameState& s, int rival);
uint8_t& RivalWarState(GameState& s, int rival);
uint8_t& RivalAttackState(GameState& s, int rival);
bool RivalActive(const GameState& s, int rival);
// The highest castle stage the rival has built, 0..4, or -1.
int RivalCastleStage(const GameState& s, int rival);
// The battle map of the county's own castle when a host attacks it: its highest stage
// built ("keep" .. "castle"; the keep when none stands).
std::string CastleDefenceMap(const GameState& s);

}  // namespace fief
