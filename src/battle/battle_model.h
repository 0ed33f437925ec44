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

// Marching: on the way to a point the player named, neither striking nor shooting.
enum class FormState : uint8_t { Advancing, Fighting, Shooting, Holding, Fleeing, Gone, Marching };
const char* stateWord(FormState s);  // "advancing", "fighting" ...

// The player's orders. A formation follows its order until it is done (the point reached,
// the target fallen or fled) and then makes the model's own choices again; a hold lasts
// until the next order. Army-wide orders name no formation.
enum class OrderKind : uint8_t {
  Deploy,     // before the first step: stand at the point, inside the deployment zone
  Attack,     // strike (or shoot) the target formation and no other
  Move,       // march to the point
  Hold,       // stand; strike or shoot what comes within reach
  FallBack,   // march back toward the own edge, then hold there
  AllAttack,  // every formation of the army back to the model's choices: the nearest foe
  AllHold,    // every formation of the army holds
  Retreat,    // the army leaves the field: the battle is lost, the survivors kept
};
inline constexpr int kOrderKinds = 8;
const char* orderWord(OrderKind k);

// One order of the player, given before step `step` is fought. Points are whole field units.
struct Order {
  int32_t step = 0;
  int16_t formation = -1;  // index into Battle::formations(); -1 for the army-wide orders
  OrderKind kind = OrderKind::Hold;
  int16_t target = -1;     // Attack: the target formation
  int16_t x = 0, y = 0;    // Deploy, Move: the point
  bool operator==(const Order&) const = default;
};

// Orders are the player's: they command army 0, whose deployment zone is this deep along
// the bottom edge of the field.
inline constexpr int kPlayerArmy = 0;
inline constexpr float kDeployDepth = 240.0f;
inline constexpr float kFieldMargin = 10.0f;

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
  // The player's order it follows (none: the model's own choices).
  bool ordered = false;
  OrderKind order = OrderKind::Hold;
  int16_t orderTarget = -1;
  float orderX = 0, orderY = 0;
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
  // Fights every remaining step, giving each order of the list before the step it names
  // (the list in the order the orders were given, their steps never decreasing; orders
  // for steps already fought are passed over, refused ones change nothing).
  void finish(const std::vector<Order>& orders);
  // Orders to give later, each before the step it names (a replay): in the list's order,
  // their steps never decreasing; those for steps already fought are passed over.
  void schedule(std::vector<Order> orders);

  // Gives an order before the next step (its `step` is not looked at). Returns an empty
  // string when the order is taken, else why it cannot apply; a refused order changes
  // nothing, so a battle replays the same from its taken orders alone.
  std::string command(const Order& o);
  // Whether the battle has not begun (orders to deploy are taken).
  bool deploying() const { return steps_ == 0 && !over_; }
  // The deployment zone of the player's army.
  static bool inDeployZone(float x, float y);
  bool retreated() const { return retreated_; }
  // Whether formation b is an enemy of formation a.
  bool foes(int a, int b) const { return enemies(forms_[a].army, forms_[b].army); }
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
  void advance(Formation& f, const Formation& t, float stride);
  bool keepDistance(Formation& f, float stride);
  int nearestChaser(int f) const;
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
  bool retreated_ = false;  // the player's army has left the field
  std::vector<Order> scheduled_;
  size_t nextScheduled_ = 0;
  uint32_t battleId_ = 0;  // the hand-over's id, echoed in the results
};

// The seed of a hand-over: the same file fights the same battle.
uint64_t seedOf(const std::vector<uint8_t>& fightInBytes);

// Calculates a battle at once (with the player's orders, given at their steps).
FightOut resolveBattle(const FightIn& in, uint64_t seed);
FightOut resolveBattle(const FightIn& in, uint64_t seed, const std::vector<Order>& orders);

}  // namespace fief::battle
