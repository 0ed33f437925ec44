// The player as the screens ask him: every question of the rules opens its dialog, every
// sight goes to the handlers the subsystems registered for it, which redraw what they
// show of it from the state.
#include "county/county_screens.h"
#include "map/map_view.h"
#include "military/battle_handover_screens.h"
#include "rivals/rival_screens.h"
#include "text_names.h"
#include "turn/turn.h"
#include "turn/turn_screen.h"
#include "ui/dialogs.h"
#include "ui/game.h"

namespace fief {

namespace {

class ScreenDecisions : public Decisions {
 public:
  explicit ScreenDecisions(Game& g) : g_(g) {}

  // Each question is asked over the status panel as the turn stands at that moment (the
  // gold the tithe is paid from, the season begun), not as it stood before the turn.
  void event(EventQuestion& q) override {
    refreshPanel();
    showEventQuestion(g_, q);
  }
  void tithe(TitheQuestion& q) override {
    refreshPanel();
    showTitheQuestion(g_, q);
  }
  void stake(StakeQuestion& q) override {
    refreshPanel();
    showStakeQuestion(g_, q);
  }
  void tournament(TournamentQuestion& q) override {
    refreshPanel();
    showTournamentQuestion(g_, q);
  }
  void provisions(ProvisionsQuestion& q) override {
    refreshPanel();
    showProvisionsQuestion(g_, q);
  }
  void rivalBattle(RivalBattleQuestion& q) override { FightRivalBattle(g_, q); }

  void notice(const std::string& text) override { ShowMessageBox(g_, text); }
  // The help line points to the message screen.
  void messageLogged(int, int) override { g_.setHelperText(txt::campaign::NewMessageHelp); }
  void sound(const char* channel, const std::string& file) override { g_.PlaySound(channel, file); }

  // Each subsystem registered what its screens redraw for a sight (Game::views).
  void show(Sight what, int index) override { g_.views.show(what, index); }

  // The lost game opens the mission screen.
  void defeat() override { g_.form("TipsFrm").showModal(); }
  // The siege screen with its turns to the storm.
  void siegeLaid(int site) override { OpenSiegeScreen(g_, site); }

  void turnBegins() override {
    g_.setHelper(std::string());
    // Every camp has its moves again: its marker shows the camp ready.
    for (int k = 0; k < 3; ++k)
      if (isSet(g_.s.CampExists[k]))
        if (Control* c = campControl(g_, "Camp" + std::to_string(k + 1) + "StatusImg")) c->Picture = "CampStatusRes1";
  }

  void turnEnded() override {
    const GameState& s = g_.s;
    // The whole campaign screen, not only its status panel: the turn's animations open
    // over it next, and the map behind them shows the new season with the panel.
    refreshCampaignScreen();
    if (g_.SoundAvailable && s.Season >= 1 && s.Season <= 4) {
      static const char* const kFauna[4] = {"fauna01.wav", "fauna02.wav", "fauna03.wav", "fauna04.wav"};
      g_.PlaySound(kFaunaChannel, kFauna[s.Season - 1]);
    }
    if (s.TurnAnimationFlags[0] || s.TurnAnimationFlags[1] || s.TurnAnimationFlags[2]) openIfBuilt(g_, "MovieFrm");
    g_.shell.setPointer(Pointer::Normal);
  }

 private:
  void refreshPanel() { g_.invalidate(View::Status); }
  void refreshCampaignScreen() { g_.invalidate(View::Everything); }

  Game& g_;
};

}  // namespace

std::unique_ptr<Decisions> makeScreenDecisions(Game& g) { return std::make_unique<ScreenDecisions>(g); }

}  // namespace fief
