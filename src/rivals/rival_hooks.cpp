#include "rivals/rival_hooks.h"

#include <algorithm>
#include <deque>
#include <map>

#include "campaign/game.h"
#include "map/camp1_frm.h"
#include "military/armies.h"
#include "military/battle_screens.h"
#include "military/fight_files.h"
#include "rivals/sieges.h"
#include "turn/message_log.h"
#include "turn/turn.h"
#include "ui/dialogs.h"

namespace fief {

namespace {

constexpr const char* kRivalBattleTimer = "RivalBattleTimer";

std::function<void(Game&, const RivalBattle&)>& battleStarter() {
  static std::function<void(Game&, const RivalBattle&)> f;
  return f;
}

// The rivals' battles wait until the end of turn is over (its fade screen closed), then
// go to the battle module one after another.
std::deque<RivalBattle>& pending(Game& g) {
  static std::map<Game*, std::deque<RivalBattle>> queues;
  return queues[&g];
}

// The rival army's survivors, read from the results of the battle just confirmed: at
// most what went into battle; a results file without the enemy's army counts it as
// beaten when the player won and untouched when he lost.
ArmyComp enemySurvivors(Game& g, const ArmyComp& sent, bool won) {
  FightOut out;
  std::string err;
  if (!readFightOut(g.path(kFightOutFile), out, err) || out.Armies.size() < 2) return won ? ArmyComp{} : sent;
  const auto left = toCompositionOrder(out.Armies[1].Survivors);
  ArmyComp a;
  for (int u = 0; u < kUnitCount; ++u) a.set(u, std::clamp<long>(left[u], 0, sent.get(u)));
  return a;
}

int firstCamp(const GameState& s) {
  for (int k = 1; k <= 3; ++k)
    if (campExists(s, k)) return k;
  return 0;
}

// What a rival battle that cannot be fought leaves: the raiders plunder unopposed, a
// host at the gate attacks again at the next end of turn, a storm does not happen.
void notFought(Game& g, const RivalBattle& b) {
  if (b.kind == RivalBattleKind::VillageRaid) {
    const ArmyComp& raiders = g.s.EnemyCamp[b.enemyId - 7];
    FinishRivalBattle(g, b, false, raiders);
  } else if (b.kind == RivalBattleKind::CastleDefence) {
    RivalAttackState(g.s, b.rival) = 0;
  }
}

void startRivalBattle(Game& g, const RivalBattle& b) {
  GameState& s = g.s;
  BattleRequest r;
  r.mapName = b.map;
  r.kind = b.battleKind;
  r.enemyId = b.enemyId;
  r.enemyKind = b.enemyKind;
  r.enemyMorale = b.enemyMorale;
  r.enemy = s.EnemyCamp[b.enemyId - 7];
  r.camp = b.camp;
  if (b.kind == RivalBattleKind::VillageRaid) {
    // The village's militia fights beside the county's first army as its ally.
    r.camp = firstCamp(s);
    r.armies = 3;
    r.alliesMode = 1;
    r.others[0] = s.BattleArmy;
  }
  if (r.camp == 0 || !campExists(s, r.camp)) {
    notFought(g, b);
    return;
  }
  const ArmyComp sent = r.enemy;
  if (!StartBattle(g, r, [b, sent](Game& game, bool won) { FinishRivalBattle(game, b, won, enemySurvivors(game, sent, won)); }))
    notFought(g, b);
}

void rivalBattleTick(Game& g) {
  auto& q = pending(g);
  if (q.empty()) {
    g.timers.disable(kRivalBattleTimer);
    return;
  }
  // One battle at a time: the next waits for the running one to be over.
  if (battleRunning(g) || g.s.FadeMode != 0) return;
  const RivalBattle b = q.front();
  q.pop_front();
  startRivalBattle(g, b);
}

void queueBattle(Game& g, const RivalBattle& b) {
  pending(g).push_back(b);
  TimerSet& t = g.timers;
  if (!t.find(kRivalBattleTimer)) t.add(kRivalBattleTimer, false, 300);
  t[kRivalBattleTimer].Tick = [&g] { rivalBattleTick(g); };
  t.enable(kRivalBattleTimer);
}

class GameRivalEvents : public RivalEvents {
 public:
  explicit GameRivalEvents(Game& g) : g_(g) {}
  void message(int list, int entry) override { AddMessage(g_, list, entry); }
  void sound(const std::string& file) override {
    if (g_.SoundAvailable) g_.PlaySound(kEventChannel, file);
  }
  void notice(int entry) override { ShowMessageBox(g_, g_.text(1, entry)); }
  void defeat() override { g_.form("TipsFrm").showModal(); }
  void battle(const RivalBattle& b) override {
    if (auto& start = battleStarter()) start(g_, b);
    else queueBattle(g_, b);
  }

 private:
  Game& g_;
};

const bool kInstalled = [] {
  setRivalLordsTurn([](Game& g) {
    GameRivalEvents ev(g);
    RivalLordsTurn(g.s, g.rng, ev);
  });
  // The battlefield's question: meet the rival armies on their way.
  EventKind k;
  k.choice = true;
  k.accept = [](Game& g) {
    for (const RivalBattle& b : InterceptBattles(g.s, g.s.SelectedCamp)) {
      if (auto& start = battleStarter()) start(g, b);
      else queueBattle(g, b);
    }
  };
  registerEventKind(16, std::move(k));
  return true;
}();

}  // namespace

void setRivalBattleStarter(std::function<void(Game&, const RivalBattle&)> f) { battleStarter() = std::move(f); }

void FinishRivalBattle(Game& g, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft) {
  GameRivalEvents ev(g);
  ApplyRivalBattle(g.s, ev, b, playerWon, enemyLeft);
  if (g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").refreshAll();
}

void LaySiege(Game& g, int site) {
  if (DeclareSiege(g.s, site) && g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").refreshAll();
}

void StormCastle(Game& g, int site) {
  // With the besieging camp gone from the site there is nobody to storm the walls.
  const RivalBattle b = StormBattle(g.s, site);
  if (b.camp == 0) return;
  if (auto& start = battleStarter()) start(g, b);
  else startRivalBattle(g, b);
}

bool OfferBattlefield(Game& g) {
  if (InterceptBattles(g.s, g.s.SelectedCamp).empty()) return false;
  ShowEvent(g, 16, 117);
  return true;
}

void LiftSiegeOnMap(Game& g, int site) {
  LiftSiege(g.s, site);
  if (g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").refreshAll();
}

}  // namespace fief
