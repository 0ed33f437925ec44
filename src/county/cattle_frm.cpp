// The pastures' view: the meat of all pastures and the yield of one.
#include "campaign/game.h"
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "state/arith.h"

namespace fief {

class CattleFrm : public Form {
 public:
  explicit CattleFrm(Game& g) : Form(g, "CattleFrm") {
    Control& t = add(label("TitleLbl", 24, 16, 432, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    const char* rows[5][2] = {{"ProductionCaptionLbl", "CattleLbl"}, {"PeopleCaptionLbl", "PeopleLbl"},
                              {"WolfsCaptionLbl", "WolfsLbl"},       {"YieldCaptionLbl", "Cattle2Lbl"},
                              {"HarvestCaptionLbl", "HarvestLbl"}};
    for (int i = 0; i < 5; ++i) {
      add(label(rows[i][0], 40, 64 + i * 34, 240, 22));
      add(label(rows[i][1], 290, 64 + i * 34, 170, 22));
    }
    add(button("OkAniBtn", 170, 290, 140, 40));
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override {
    const GameState& s = g_.s;
    g_.ShowText(ctl("TitleLbl"), 63, 3);
    g_.ShowText(ctl("ProductionCaptionLbl"), 11, 4);
    g_.ShowText(ctl("PeopleCaptionLbl"), 10, 4);
    g_.ShowText(ctl("WolfsCaptionLbl"), 13, 4);
    g_.ShowText(ctl("YieldCaptionLbl"), 15, 4);
    ctl("OkAniBtn").Caption = g_.text(3, 22);
    const long pastures = Fix(s.PasturePeople / 45.0);
    ctl("CattleLbl").Caption = "+" + std::to_string(pastures * s.MeatYield);
    ctl("PeopleLbl").Caption = std::to_string(s.PasturePeople);
    ctl("WolfsLbl").Caption = std::to_string(s.MeatLossToWolves);
    ctl("Cattle2Lbl").Caption = "+" + std::to_string(s.MeatYield);
    // The pastures bring their meat at the end of turn that opens the summer.
    g_.ShowText(ctl("HarvestCaptionLbl"), 119, 1);
    ctl("HarvestLbl").Caption = harvestWhen(g_, turnsToHarvest(s.Season, 2));
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Enter || k == Key::Escape) close();
  }
};
FIEF_REGISTER_FORM(CattleFrm);

}  // namespace fief
