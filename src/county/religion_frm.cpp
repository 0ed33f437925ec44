// The Church's demands: the tithe (every sixth turn) and the burning of a heretic
// (every eighth turn). Opened by the end of turn with a decision to take; opened by the
// L key it only shows the tithe last demanded.
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class ReligionFrm : public DialogFrm {
 public:
  enum class Mode { TitheView, Tithe, Stake };
  Mode mode = Mode::TitheView;
  // The question being answered (Tithe and Stake modes).
  TitheQuestion* tithe = nullptr;
  StakeQuestion* stake = nullptr;

  explicit ReligionFrm(Game& g) : DialogFrm(g, "ReligionFrm", txt::captions::Religion, CloseKeys::Escape) {
    add(label("MsgLbl", 84, 52, 372, 120)).FontSize = 11;
    add(label("TitheCaptionLbl", 40, 184, 200, 22));
    add(label("TitheLbl", 250, 184, 180, 22));
    add(label("HappinessCaptionLbl", 40, 212, 200, 22));
    add(label("HappinessLbl", 250, 212, 180, 22));
    add(label("Helper", 24, 250, 432, 20)).FontSize = 10;
    add(button("TaxOkAniBtn", 80, 290, 140, 40));
    add(button("TaxNoAniBtn", 260, 290, 140, 40));
    add(button("StakeOkAniBtn", 80, 290, 140, 40));
    add(button("StakeNoAniBtn", 260, 290, 140, 40));
    addOk(290);
    onClick("TaxOkAniBtn", [this] {
      // Opened without a question (a screen test), the rules answer directly.
      if (!(tithe ? tithe->pay() : PayTithe(g_))) {
        g_.ShowText(ctl("Helper"), txt::campaign1::NotEnoughGoods);
        return;
      }
      decided("0");  // the tithe paid leaves the people's happiness as it is
    });
    onClick("TaxNoAniBtn", [this] {
      tithe ? tithe->refuse() : RefuseTithe(g_);
      decided("- 10");
    });
    onClick("StakeOkAniBtn", [this] {
      stake ? stake->agree() : AgreeStake(g_);
      decided("- 22");
    });
    onClick("StakeNoAniBtn", [this] {
      stake ? stake->refuse() : RefuseStake(g_);
      decided("+12");
    });
    captions({{"HappinessCaptionLbl", txt::captions::ReligionHappiness}});
  }

  void Dialog_Load() override {
    g_.ShowText(ctl("TitheCaptionLbl"), txt::captions::ChurchTithe);
    ctl("TaxOkAniBtn").Caption = g_.text(txt::captions::Accept);
    ctl("TaxNoAniBtn").Caption = g_.text(txt::captions::Refuse);
    ctl("StakeOkAniBtn").Caption = g_.text(txt::captions::Accept);
    ctl("StakeNoAniBtn").Caption = g_.text(txt::captions::Refuse);
    ctl("Helper").Caption.clear();
    const bool stake = mode == Mode::Stake;
    // Opened by the L key between turns the screen only shows the last tithe: no clerk
    // waits at the door, and no answer changes the people's happiness.
    const bool view = mode == Mode::TitheView;
    g_.ShowText(ctl("MsgLbl"), stake ? txt::campaign::StakeQuestion
                               : view ? txt::campaign::TitheLastDemanded
                                      : txt::campaign::TitheDemand);
    ctl("TitheCaptionLbl").Visible = ctl("TitheLbl").Visible = !stake;
    ctl("TitheLbl").Caption = std::to_string(g_.s.ChurchTithe);
    ctl("HappinessCaptionLbl").Visible = ctl("HappinessLbl").Visible = !view;
    ctl("HappinessLbl").Caption = stake ? "- 22" : "- 10";
    ctl("TaxOkAniBtn").Visible = ctl("TaxNoAniBtn").Visible = mode == Mode::Tithe;
    ctl("StakeOkAniBtn").Visible = ctl("StakeNoAniBtn").Visible = stake;
    ctl("OkAniBtn").Visible = mode == Mode::TitheView;
  }

 private:
  // A decision is taken once: its buttons go, the change it made is shown, OK closes.
  void decided(const std::string& change) {
    ctl("HappinessLbl").Caption = change;
    for (const char* b : {"TaxOkAniBtn", "TaxNoAniBtn", "StakeOkAniBtn", "StakeNoAniBtn"}) ctl(b).Visible = false;
    ctl("OkAniBtn").Visible = true;
    ctl("Helper").Caption.clear();
    g_.invalidate(View::Status);
  }
};
FIEF_REGISTER_FORM(ReligionFrm);

void showTitheQuestion(Game& g, TitheQuestion& q) {
  auto& f = g.form<ReligionFrm>("ReligionFrm");
  f.mode = ReligionFrm::Mode::Tithe;
  f.tithe = &q;
  f.showModal();
  f.tithe = nullptr;
}

void showStakeQuestion(Game& g, StakeQuestion& q) {
  auto& f = g.form<ReligionFrm>("ReligionFrm");
  f.mode = ReligionFrm::Mode::Stake;
  f.stake = &q;
  f.showModal();
  f.stake = nullptr;
}

void OpenReligion(Game& g, bool stakeMode) {
  if (stakeMode) AskStake(g);
  else AskTithe(g);
}

void OpenReligionView(Game& g) {
  auto& f = g.form<ReligionFrm>("ReligionFrm");
  f.mode = ReligionFrm::Mode::TitheView;
  f.showModal();
}

}  // namespace fief
