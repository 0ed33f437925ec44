// The rivals' battles on the screens: a battle of the end of turn (a rival's raid or
// attack, the storm of his castle) waits until the turn is over (RivalBattleTimer), then
// goes to the battle module.
#include <algorithm>
#include <deque>

#include "military/armies.h"
#include "military/battle_handover_screens.h"
#include "military/fight_files.h"
#include "rivals/rival_lords.h"
#include "rivals/rival_screens.h"
#include "ui/game.h"

namespace fief {

namespace {

constexpr const char* kRivalBattleTimer = "RivalBattleTimer";

// A battle put to the player, with its answers.
struct AskedBattle {
  RivalBattle battle;
  std::function<void(bool playerWon, const ArmyComp& enemyLeft)> fought;
  std::function<void()> notFought;
};

// The battles that wait for the end of turn to be over, in their order.
struct WaitingBattles {
  std::deque<AskedBattle> queue;
};

std::deque<AskedBattle>& pending(Game& g) { return g.screenState<WaitingBattles>().queue; }

// The rival army's survivors, read from the results of the battle just confirmed: at
// most what went into battle; a results file without the enemy's army counts it as
// beaten when the player won and untouched when he lost.
ArmyComp enemySurvivors(Game& g, const ArmyComp& sent, bool won) {
  const FightOut& out = takenResults(g);
  if (out.Armies.size() < 2) return won ? ArmyComp{} : sent;
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

void startRivalBattle(Game& g, const AskedBattle& a) {
  GameState& s = g.s;
  const RivalBattle& b = a.battle;
  // A battle that waited while its rival was beaten (a storm won in the same end of turn)
  // or its army melted away has no foe left: it is not fought, and nothing is plundered.
  if (b.kind != RivalBattleKind::Storm && (!RivalActive(s, b.rival) || s.EnemyCamp[b.enemyId - 7].total() == 0)) {
    if (b.kind == RivalBattleKind::CastleDefence && RivalAttackState(s, b.rival) == 201) RivalAttackState(s, b.rival) = kNone;
    return;
  }
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
    a.notFought();
    return;
  }
  const ArmyComp sent = r.enemy;
  // A battle that fails once handed over (no program, no result, given up) ends as one
  // that could not be started.
  if (!StartBattle(
          g, r, [fought = a.fought, sent](Game& game, bool won) { fought(won, enemySurvivors(game, sent, won)); },
          [notFought = a.notFought](Game&) { notFought(); }))
    a.notFought();
}

void rivalBattleTick(Game& g) {
  auto& q = pending(g);
  // A game loaded meanwhile dropped the waiting battles (LoadGameState): they were the
  // left game's.
  if (g.battlesWaiting == 0) q.clear();
  if (q.empty()) {
    g.timers.disable(kRivalBattleTimer);
    return;
  }
  // One battle at a time: the next waits for the running one to be over, for the end of
  // turn (a notice of its later steps may hold it open), and for the turn's animations,
  // which come first.
  if (battleRunning(g) || g.s.FadeMode != kNoFade || g.turnRunning) return;
  if (g.formExists("MovieFrm") && g.form("MovieFrm").Visible) return;
  const AskedBattle a = q.front();
  q.pop_front();
  g.battlesWaiting = static_cast<int>(q.size());
  startRivalBattle(g, a);
}

void queueBattle(Game& g, AskedBattle a) {
  pending(g).push_back(std::move(a));
  g.battlesWaiting = static_cast<int>(pending(g).size());
  TimerSet& t = g.timers;
  if (!t.find(kRivalBattleTimer)) t.add(kRivalBattleTimer, false, 300);
  t[kRivalBattleTimer].Tick = [&g] { rivalBattleTick(g); };
  t.enable(kRivalBattleTimer);
}

}  // namespace

void FightRivalBattle(Game& g, RivalBattleQuestion& q) {
  // The turn's battles, its storms among them, wait for the end of turn to be over and
  // are fought one after the other: the turn's later questions stay in view (not behind
  // a battle's fade), no result lands between two of its steps, and two storms of one
  // turn are both fought.
  queueBattle(g, AskedBattle{q.battle, q.fought, q.notFought});
}

}  // namespace fief
