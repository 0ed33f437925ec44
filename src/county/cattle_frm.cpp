// The pastures' view: the meat of all pastures and the yield of one.
#include "campaign/game.h"
#include "county/county_rules.h"
#include "state/arith.h"
#include "text_names.h"

namespace fief {

class CattleFrm : public Form {
 public:
  explicit CattleFrm(Game& g) : Form(g, "CattleFrm") {
    Control& t = add(label("TitleLbl", 24, 16, 432, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    const char* rows[4][2] = {{"ProductionCaptionLbl", "CattleLbl"}, {"PeopleCaptionLbl", "PeopleLbl"},
                              {"WolfsCaptionLbl", "WolfsLbl"},       {"YieldCaptionLbl", "Cattle2Lbl"}};
    for (int i = 0; i < 4; ++i) {
      add(label(rows[i][0], 40, 64 + i * 34, 240, 22));
      add(label(rows[i][1], 290, 64 + i * 34, 150, 22));
    }
    add(button("OkAniBtn", 170, 290, 140, 40));
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override {
    const GameState& s = g_.s;
    g_.ShowText(ctl("TitleLbl"), txt::captions::Cattle);
    g_.ShowText(ctl("ProductionCaptionLbl"), txt::campaign1::Production);
    g_.ShowText(ctl("PeopleCaptionLbl"), txt::campaign1::AtWork);
    g_.ShowText(ctl("WolfsCaptionLbl"), txt::campaign1::LostWolves);
    g_.ShowText(ctl("YieldCaptionLbl"), txt::campaign1::YieldPerPasture);
    ctl("OkAniBtn").Caption = g_.text(txt::captions::Ok);
    const long pastures = Fix(s.PasturePeople / 45.0);
    ctl("CattleLbl").Caption = "+" + std::to_string(pastures * s.MeatYield);
    ctl("PeopleLbl").Caption = std::to_string(s.PasturePeople);
    ctl("WolfsLbl").Caption = std::to_string(s.MeatLossToWolves);
    ctl("Cattle2Lbl").Caption = "+" + std::to_string(s.MeatYield);
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Enter || k == Key::Escape) close();
  }
};
FIEF_REGISTER_FORM(CattleFrm);

}  // namespace fief
