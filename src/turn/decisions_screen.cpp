// The player as the screens ask him: every question of the rules opens its dialog, every
// sight redraws the part of the campaign screen it concerns, from the state.
#include "county/county_screens.h"
#include "map/camp1_frm.h"
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

  void show(Sight what, int index) override {
    const GameState& s = g_.s;
    switch (what) {
      case Sight::FieldKind: refreshFieldPicture(g_, index); break;
      case Sight::FieldCounters: refreshFieldCounters(g_); break;
      case Sight::County: RefreshCountyViews(g_); break;
      case Sight::SmithOrderLapsed:
        if (g_.formExists("BlacksmithFrm")) {
          Form& f = g_.form("BlacksmithFrm");
          if (Control* l = f.find("OrderLbl")) l->Caption = g_.text(txt::campaign1::NoStandingOrder);
          if (Control* l = f.find("OrderBatchLbl")) l->Caption.clear();
        }
        break;
      case Sight::Shortages: colourShortages(); break;
      case Sight::Plague: showMapMarker(g_, "PlagueImg", isSet(s.PlagueActive)); break;
      case Sight::RebelsRise: showMapMarker(g_, "RebelionArmyImg1", isSet(s.RebelsActive)); break;
      case Sight::RebelsFollowed: armSelector(g_, "RebelionArmyImg1"); break;
      case Sight::SiegeLifted:
        showMapMarker(g_, index == 1 ? "SiegeImg2" : "SiegeImg3", false);
        refreshCampaignScreen();
        break;
      case Sight::Map: refreshCampaignScreen(); break;
      case Sight::VillageBought: setMapPicture("VillageImg", index, "obj_village"); break;
      case Sight::WindmillBuilt: setMapPicture("WindmillImg", index, "obj_windmill"); break;
      case Sight::GameLoaded:
        // A battle or a walk step of the game left is not the loaded game's.
        DropBattle(g_);
        g_.timers.disable("ArmyTimer");
        if (g_.formExists("Camp1Frm")) {
          if (Control* w = g_.form("Camp1Frm").find("WalkingImg")) w->Visible = false;
          auto& f = g_.form<Camp1Frm>("Camp1Frm");
          f.forgetPointerState();
          f.refreshAll();
          // The warnings are those of the game loaded, not of the one left.
          colourShortages();
        }
        break;
    }
  }

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
  void refreshPanel() {
    if (g_.formExists("Camp1Frm")) g_.form<Camp1Frm>("Camp1Frm").refreshStatus();
  }
  void refreshCampaignScreen() {
    if (g_.formExists("Camp1Frm")) g_.form<Camp1Frm>("Camp1Frm").refreshAll();
  }
  // The status labels of the shortages in the warning colour while they hold.
  void colourShortages() {
    if (!g_.formExists("Camp1Frm")) return;
    static const char* const kLabels[kShortageKinds] = {"CropsLbl", "CattleLbl", "PeopleLbl", "HappinessLbl",
                                                        "HealthLbl"};
    const Shortages w = shortages(g_.s);
    for (int i = 0; i < kShortageKinds; ++i)
      if (Control* c = campControl(g_, kLabels[i])) c->ForeColor = w[i] ? kWarningColour : kDefaultColour;
  }

  void setMapPicture(const std::string& control, int index, const char* picture) {
    if (Control* c = campControl(g_, control + std::to_string(index + 1))) c->Picture = picture;
  }

  Game& g_;
};

}  // namespace

std::unique_ptr<Decisions> makeScreenDecisions(Game& g) { return std::make_unique<ScreenDecisions>(g); }

}  // namespace fief
