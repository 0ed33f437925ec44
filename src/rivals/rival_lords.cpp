#include "rivals/rival_lords.h"

#include "campaign/message_log.h"
#include "campaign/rules.h"
#include "rivals/sieges.h"
#include "text_names.h"

namespace fief {

namespace {

class RulesRivalEvents : public RivalEvents {
 public:
  explicit RulesRivalEvents(Rules& r) : r_(r) {}
  void message(int list, int entry) override { AddMessage(r_, list, entry); }
  void sound(const std::string& file) override {
    if (r_.SoundAvailable) r_.player().sound(kEventChannel, file);
  }
  void notice(int entry) override { r_.player().notice(r_.text(txt::campaign::entry(entry))); }
  void defeat() override { r_.player().defeat(); }
  void battle(const RivalBattle& b) override { AskRivalBattle(r_, b); }

 private:
  Rules& r_;
};

}  // namespace

void RivalLordsTurn(Rules& r) {
  RulesRivalEvents ev(r);
  RivalLordsTurn(r.s, r.rng, ev);
}

void AskRivalBattle(Rules& r, const RivalBattle& b) {
  RivalBattleQuestion q{b, [&r, b](bool won, const ArmyComp& left) { FinishRivalBattle(r, b, won, left); },
                        [&r, b] { RivalBattleNotFought(r, b); }};
  r.player().rivalBattle(q);
}

void FinishRivalBattle(Rules& r, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft) {
  RulesRivalEvents ev(r);
  ApplyRivalBattle(r.s, ev, b, playerWon, enemyLeft);
  r.player().show(Sight::Map);
}

void RivalBattleNotFought(Rules& r, const RivalBattle& b) {
  if (b.kind == RivalBattleKind::VillageRaid) {
    const ArmyComp raiders = r.s.EnemyCamp[b.enemyId - 7];
    FinishRivalBattle(r, b, false, raiders);
  } else if (b.kind == RivalBattleKind::CastleDefence) {
    RivalAttackState(r.s, b.rival) = 0;
  }
}

void LaySiege(Rules& r, int site) {
  if (!DeclareSiege(r.s, site)) return;
  r.player().show(Sight::Map);
  // The player sees at once that the siege is laid and how long it will last.
  r.player().siegeLaid(site);
}

void StormCastle(Rules& r, int site) {
  // A lord out of play keeps no garrison to fight: the siege is simply over.
  if (!RivalActive(r.s, site)) {
    SiegeCountdown(r.s, site) = kNone;
    return;
  }
  // With the besieging camp gone from the site there is nobody to storm the walls.
  const RivalBattle b = StormBattle(r.s, site);
  if (b.camp != 0) AskRivalBattle(r, b);
}

void LiftSiegeOnMap(Rules& r, int site) {
  LiftSiege(r.s, site);
  r.player().show(Sight::SiegeLifted, site);
}

bool BattlefieldOffered(const GameState& s) { return !InterceptBattles(s, s.SelectedCamp).empty(); }

void MeetAtBattlefield(Rules& r) {
  for (const RivalBattle& b : InterceptBattles(r.s, r.s.SelectedCamp)) AskRivalBattle(r, b);
}

}  // namespace fief
