// The tournament, offered every eleventh turn: set a stake, hold it or decline.
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class TournamentFrm : public DialogFrm {
 public:
  int stake = 0;
  TournamentQuestion* question = nullptr;  // the question being answered

  explicit TournamentFrm(Game& g) : DialogFrm(g, "TournamentFrm", txt::captions::Tournament, CloseKeys::None) {
    add(label("CostCaptionLbl", 40, 70, 200, 22));
    add(label("CostLbl", 250, 70, 180, 22));
    add(label("StakeCaptionLbl", 40, 110, 200, 22));
    add(label("StakeLbl", 250, 110, 100, 22));
    add(button("UpAniBtn", 360, 100, 40, 40, "+"));
    add(button("DownAniBtn", 410, 100, 40, 40, "-"));
    add(label("GoldLbl", 250, 150, 180, 22));
    add(label("Helper", 24, 250, 432, 20)).FontSize = 10;
    addOk(290, 80, 140, txt::captions::Accept);
    add(button("Noanibtn", 260, 290, 140, 40));
    onClick("UpAniBtn", [this] {
      stake = RaiseStake(g_.s, stake);
      show();
    });
    onClick("DownAniBtn", [this] {
      stake = LowerStake(stake);
      show();
    });
    onClick("OkAniBtn", [this] {
      // Opened without a question (a screen test), the rules answer directly.
      if (!(question ? question->hold(stake) : HoldTournament(g_, stake))) {
        g_.ShowText(ctl("Helper"), txt::campaign1::NotEnoughGoods);
        return;
      }
      done();
    });
    onClick("Noanibtn", [this] {
      question ? question->decline() : DeclineTournament(g_);
      done();
    });
    captions({{"CostCaptionLbl", txt::campaign1::Price},
              {"StakeCaptionLbl", txt::campaign1::Stake},
              {"Noanibtn", txt::captions::Refuse}});
  }

  void Dialog_Load() override {
    stake = 0;
    ctl("CostLbl").Caption = std::to_string(kTournamentCost);
    ctl("Helper").Caption.clear();
    show();
  }

 private:
  void show() {
    ctl("StakeLbl").Caption = std::to_string(stake);
    ctl("GoldLbl").Caption = g_.text(txt::captions::Gold) + ": " + std::to_string(g_.s.Gold);
  }
  void done() {
    close();
    g_.invalidate(View::Status);
  }
};
FIEF_REGISTER_FORM(TournamentFrm);

void showTournamentQuestion(Game& g, TournamentQuestion& q) {
  auto& f = g.form<TournamentFrm>("TournamentFrm");
  f.question = &q;
  f.showModal();
  f.question = nullptr;
}

void OpenTournament(Game& g) { AskTournament(g); }

}  // namespace fief
