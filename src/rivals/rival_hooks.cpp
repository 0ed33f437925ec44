#include "rivals/rival_hooks.h"

#include "campaign/game.h"
#include "map/camp1_frm.h"
#include "rivals/sieges.h"
#include "turn/message_log.h"
#include "turn/turn.h"
#include "ui/dialogs.h"

namespace fief {

namespace {

std::function<void(Game&, const RivalBattle&)>& battleStarter() {
  static std::function<void(Game&, const RivalBattle&)> f;
  return f;
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
  }

 private:
  Game& g_;
};

const bool kInstalled = [] {
  setRivalLordsTurn([](Game& g) {
    GameRivalEvents ev(g);
    RivalLordsTurn(g.s, g.rng, ev);
  });
  return true;
}();

}  // namespace

void setRivalBattleStarter(std::function<void(Game&, const RivalBattle&)> f) { battleStarter() = std::move(f); }

void FinishRivalBattle(Game& g, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft) {
  GameRivalEvents ev(g);
  ApplyRivalBattle(g.s, ev, b, playerWon, enemyLeft);
}

void LaySiege(Game& g, int site) {
  if (DeclareSiege(g.s, site) && g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").refreshAll();
}

void StormCastle(Game& g, int site) {
  auto& start = battleStarter();
  if (!start) {
    // No battle module installed: the army only makes ready.
    ShowMessageBox(g, g.text(1, 118));
    return;
  }
  // With the besieging camp gone from the site there is nobody to storm the walls.
  const RivalBattle b = StormBattle(g.s, site);
  if (b.camp != 0) start(g, b);
}

void LiftSiegeOnMap(Game& g, int site) {
  LiftSiege(g.s, site);
  if (g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").refreshAll();
}

}  // namespace fief
