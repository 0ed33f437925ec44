// How the rules talk to the player: questions with answers and things to show, asked
// at the point of the turn where they come up. The screens implement it with their
// dialogs; NullDecisions answers for a game without screens (tests, benchmarks, the
// rival lords, the battle program).
//
// A question hands the player its answers as functions. The player takes one by
// calling it; an answer that returns false was refused by the rules (the gold does not
// suffice) and the player must choose again. Nothing is applied until an answer is
// taken, so the order of the turn and of its random draws stays the rules' own.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "state/game_state.h"
#include "state/kinds.h"

namespace fief {

struct RivalBattle;  // rivals/rival_turn.h

// An event dialog: kind `kind`, text entry `entry` of the campaign texts. A choice
// offers accept and refuse; a notice only acknowledges (accept).
struct EventQuestion {
  EventKind kind = kNoticeEvent;
  int entry = 0;
  bool choice = false;
  std::function<void()> accept;
  std::function<void()> refuse;
};

// The tithe the Church demands (every sixth turn).
struct TitheQuestion {
  long tithe = 0;
  std::function<bool()> pay;     // false: not enough gold
  std::function<void()> refuse;
};

// The Church asks to burn a heretic (every eighth turn).
struct StakeQuestion {
  std::function<void()> agree;
  std::function<void()> refuse;
};

// The tournament (every eleventh turn): hold it with a stake, or decline.
struct TournamentQuestion {
  std::function<bool(int stake)> hold;  // false: not enough gold for stake and cost
  std::function<void()> decline;
};

// The King's marshal asks for provisions: amounts of crops, meat, wood, stone and ore.
struct ProvisionsQuestion {
  std::function<bool(const std::array<int, 5>& amounts)> send;  // false: too little
  std::function<void()> refuse;
};

// A battle a rival lord brings: his raid on the village, his host at the castle gate, the
// storm of his castle, his army met from the battlefield. The player fights it, at once or
// once the end of turn is over, and gives its outcome (won, the rival's survivors); or
// the battle is not fought (no army to fight it, the battle program failed). The answers
// hold their own copy of the battle: they may be taken after the question is gone.
struct RivalBattleQuestion {
  const RivalBattle& battle;
  std::function<void(bool playerWon, const ArmyComp& enemyLeft)> fought;
  std::function<void()> notFought;
};

// What changed in the county that a screen may show at once (each screen reads the
// state to draw it). `index` says which field, site, village or windmill.
enum class Sight {
  FieldKind,         // field index (0..9) changed its kind
  FieldCounters,     // the people on the fields changed
  County,            // fields, building under way, blacksmith's order, castle
  SmithOrderLapsed,  // the blacksmith's order could not be paid and was dropped
  Shortages,         // the county values were clamped: shortages may have changed
  Plague,            // the plague began or ended (PlagueActive)
  RebelsRise,        // the rebel army appeared
  RebelsFollowed,    // the rebel army is marked for the player (troopers shown)
  SiegeLifted,       // siege site index (1, 2) was given up
  Map,               // the map's objects changed (a village lost, ...)
  VillageBought,     // village index (0..2) came into the county
  WindmillBuilt,     // windmill index (0..2) stands
  GameLoaded,        // a saved game replaced the state: everything on view is stale
};

class Decisions {
 public:
  virtual ~Decisions() = default;

  // ---- questions
  virtual void event(EventQuestion& q) = 0;
  virtual void tithe(TitheQuestion& q) = 0;
  virtual void stake(StakeQuestion& q) = 0;
  virtual void tournament(TournamentQuestion& q) = 0;
  virtual void provisions(ProvisionsQuestion& q) = 0;
  virtual void rivalBattle(RivalBattleQuestion& q) = 0;

  // ---- notices
  // A plain notice with one button.
  virtual void notice(const std::string& text) = 0;
  // A message was logged to list 1 or 2 (the screens point the player to it).
  virtual void messageLogged(int list, int entry) = 0;
  virtual void sound(const char* channel, const std::string& file) = 0;
  virtual void show(Sight what, int index = 0) = 0;
  // The player has lost the game (PlayerInGame is already False).
  virtual void defeat() = 0;
  // The camp has laid siege to site 1 or 2: the player sees how long it will last.
  virtual void siegeLaid(int site) = 0;
  // The end of turn begins and is over (the screens prepare and refresh themselves).
  virtual void turnBegins() = 0;
  virtual void turnEnded() = 0;
};

// No screen at all. Every question gets the answer of a player who says no: events are
// refused (a notice is acknowledged), the tithe is refused, the heretic is spared, the
// tournament is declined, no provisions are sent, a rival's battle is not fought. Notices
// and sights do nothing.
class NullDecisions : public Decisions {
 public:
  void event(EventQuestion& q) override { q.choice ? q.refuse() : q.accept(); }
  void tithe(TitheQuestion& q) override { q.refuse(); }
  void stake(StakeQuestion& q) override { q.refuse(); }
  void tournament(TournamentQuestion& q) override { q.decline(); }
  void provisions(ProvisionsQuestion& q) override { q.refuse(); }
  void rivalBattle(RivalBattleQuestion& q) override { q.notFought(); }
  void notice(const std::string&) override {}
  void messageLogged(int, int) override {}
  void sound(const char*, const std::string&) override {}
  void show(Sight, int) override {}
  void defeat() override {}
  void siegeLaid(int) override {}
  void turnBegins() override {}
  void turnEnded() override {}
};

}  // namespace fief
