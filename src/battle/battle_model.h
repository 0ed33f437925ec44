// The battle model of the battle program: up to four armies in battle roster order fight
// on an open field (or at a castle's walls) step by step until one side stands alone.
// The same steps serve the watched battle (one step per tick of the window) and the
// calculated one (all steps at once), so both end in the same result for the same
// hand-over and seed. No screen and no platform here; docs/battle.md gives the rules.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "military/fight_files.h"

namespace fief::battle {

// What each unit type is in battle (by roster slot).
enum class Role : uint8_t { Melee, Ranged, Cavalry, Monk, Engineer, Warlord };

struct UnitStats {
  const char* name;
  Role role;
  float attack;     // melee blows (ranged units: their shots)
  float defence;    // lessens the blows taken
  float speed;      // field units per step
  float range;      // reach of shots; 0 for melee
  float toughness;  // blows it takes to fell one soldier
  float charge;     // attack on the first step of a fresh melee (cavalry)
};
extern const std::array<UnitStats, kRosterSize> kUnitStats;

// The field, in field units: army 0 deploys along the bottom edge, army 1 along the top,
// armies 2 and 3 along the left and the right edges.
inline constexpr float kFieldW = 1000.0f;
inline constexpr float kFieldH = 800.0f;
inline constexpr int kMaxSteps = 600;    // a battle still undecided then is judged
inline constexpr float kBreakMorale = 15.0f;
inline constexpr float kBreakLosses = 0.2f;  // an army breaks only after losing this share

enum class FormState : uint8_t { Advancing, Fighting, Shooting, Holding, Fleeing, Gone };

struct Formation {
  uint8_t army = 0;
  uint8_t slot = 0;  // roster slot = unit type
  int32_t start = 0, count = 0;
  float x = 0, y = 0;
  float wounds = 0;        // blows taken short of felling one more soldier
  float pending = 0;       // blows taken this step
  int16_t target = -1;     // formation index
  int16_t reload = 0;      // steps until an engine shoots again
  bool charged = false;    // has spent its charge on the current foe
  FormState state = FormState::Advancing;
  int32_t lostLastStep = 0;
};

struct ArmyState {
  std::string name;
  uint32_t colour = 0;
  uint8_t side = 0;
  uint8_t reduced = 0;
  float morale = 0, startMorale = 0;
  int32_t start = 0, count = 0;
  int32_t fighters = 0;  // soldiers other than engineers and monks
  bool routed = false;
  bool warlordFell = false;
  bool sallied = false;  // castle defenders: have left the walls to meet the foe
  float attackBonus = 1.0f;  // the county's science, for the player's side
};

// Battle kinds: 0 an open field; 1 the assault on a castle, where the armies of army 1's
// side stand behind walls; 2 the defence of the county's own castle, where army 0's side
// (the player's) stands behind them. Any other kind is fought as an open field.
inline constexpr uint8_t kKindField = 0;
inline constexpr uint8_t kKindCastle = 1;
inline constexpr uint8_t kKindCastleDefence = 2;

class Battle {
 public:
  // Builds the armies of a hand-over. The seed decides every chance of the battle.
  Battle(const FightIn& in, uint64_t seed);

  // One step: blows and shots, then losses, morale, breaking and movement. Returns false
  // once the battle is over (then it does nothing).
  bool step();
  // Fights every remaining step at once.
  void finish();
  bool over() const { return over_; }
  int steps() const { return steps_; }

  // The results for the campaign (valid once over(); judged at the current state before).
  FightOut result() const;
  // The side that won (or is ahead now), and whether it is the player's (army 0's).
  int winningSide() const;

  const std::vector<Formation>& formations() const { return forms_; }
  const std::vector<ArmyState>& armies() const { return armies_; }
  // The wall bonus of a castle assault (1 on an open field).
  float wallBonus() const { return wall_; }

 private:
  bool enemies(int a, int b) const;
  bool standing(int army) const;
  int standingSides(int* lastSide) const;
  int pickTarget(int f) const;
  void fight();
  void resolve();
  void move();
  float judge(int side) const;
  bool warlordAlive(int army) const;
  uint32_t nextRand();
  float rand01() { return (nextRand() >> 8) * (1.0f / 16777216.0f); }

  std::vector<ArmyState> armies_;
  std::vector<Formation> forms_;
  uint64_t rng_;
  uint8_t kind_ = 0;
  float wall_ = 1.0f;
  int wallSide_ = -1;                         // the side behind the walls of a castle
  std::array<int16_t, kMaxFightArmies> warlord_{-1, -1, -1, -1};  // formation of each army's warlord
  std::array<int16_t, kMaxFightArmies> monks_{-1, -1, -1, -1};    // ... and of its monks
  int steps_ = 0;
  bool over_ = false;
  uint32_t battleId_ = 0;  // the hand-over's id, echoed in the results
};

// The seed of a hand-over: the same file fights the same battle.
uint64_t seedOf(const std::vector<uint8_t>& fightInBytes);

// Calculates a battle at once.
FightOut resolveBattle(const FightIn& in, uint64_t seed);

}  // namespace fief::battle
