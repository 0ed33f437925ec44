#include "rivals/rival_lords.h"

#include "campaign/events.h"
#include "campaign/message_log.h"
#include "campaign/rules.h"
#include "rivals/sieges.h"
#include "text_names.h"
#include "turn/turn.h"

namespace fief {

namespace {

RivalHandOver& handOver() {
  static RivalHandOver h;
  return h;
}
std::function<void(Rules&, const RivalBattle&)>& testStarter() {
  static std::function<void(Rules&, const RivalBattle&)> f;
  return f;
}

void startBattle(Rules& r, const RivalBattle& b) {
  if (auto& t = testStarter()) t(r, b);
  else if (auto& start = handOver().battle) start(r, b);
}

class RulesRivalEvents : public RivalEvents {
 public:
  explicit RulesRivalEvents(Rules& r) : r_(r) {}
  void message(int list, int entry) override { AddMessage(r_, list, entry); }
  void sound(const std::string& file) override {
    if (r_.SoundAvailable) r_.player().sound(kEventChannel, file);
  }
  void notice(int entry) override { r_.player().notice(r_.text(txt::campaign::entry(entry))); }
  void defeat() override {
    if (auto& d = handOver().defeat) d(r_);
  }
  void battle(const RivalBattle& b) override { startBattle(r_, b); }

 private:
  Rules& r_;
};

const bool kInstalled = [] {
  setRivalLordsTurn([](Rules& r) {
    RulesRivalEvents ev(r);
    RivalLordsTurn(r.s, r.rng, ev);
  });
  EventRule lay;
  lay.choice = true;
  for (int site = 1; site <= 2; ++site) {
    lay.accept = [site](Rules& r) { LaySiege(r, site); };
    registerEventKind(laySiegeEvent(site), lay);
  }
  return true;
}();

}  // namespace

void setRivalHandOver(RivalHandOver h) { handOver() = std::move(h); }
void setRivalBattleStarter(std::function<void(Rules&, const RivalBattle&)> f) { testStarter() = std::move(f); }

void FinishRivalBattle(Rules& r, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft) {
  RulesRivalEvents ev(r);
  ApplyRivalBattle(r.s, ev, b, playerWon, enemyLeft);
  r.player().show(Sight::Map);
}

void LaySiege(Rules& r, int site) {
  if (!DeclareSiege(r.s, site)) return;
  r.player().show(Sight::Map);
  // The player sees at once that the siege is laid and how long it will last.
  if (auto& laid = handOver().siegeLaid) laid(r, site);
}

void StormCastle(Rules& r, int site) {
  // A lord out of play keeps no garrison to fight: the siege is simply over.
  if (!RivalActive(r.s, site)) {
    SiegeCountdown(r.s, site) = kNone;
    return;
  }
  if (!testStarter() && !handOver().battle) {
    // No battle can be fought here: the army only makes ready.
    r.player().notice(r.text(txt::campaign::ArmyReadyToStorm));
    return;
  }
  // With the besieging camp gone from the site there is nobody to storm the walls.
  const RivalBattle b = StormBattle(r.s, site);
  if (b.camp != 0) startBattle(r, b);
}

void LiftSiegeOnMap(Rules& r, int site) {
  LiftSiege(r.s, site);
  r.player().show(Sight::SiegeLifted, site);
}

bool BattlefieldOffered(const GameState& s) { return !InterceptBattles(s, s.SelectedCamp).empty(); }

void MeetAtBattlefield(Rules& r) {
  for (const RivalBattle& b : InterceptBattles(r.s, r.s.SelectedCamp)) startBattle(r, b);
}

}  // namespace fief
