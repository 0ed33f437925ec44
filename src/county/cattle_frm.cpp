// The pastures' view: the meat of all pastures and the yield of one.
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "state/arith.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class CattleFrm : public DialogFrm {
 public:
  explicit CattleFrm(Game& g) : DialogFrm(g, "CattleFrm", txt::captions::Cattle) {
    const char* rows[5][2] = {{"ProductionCaptionLbl", "CattleLbl"}, {"PeopleCaptionLbl", "PeopleLbl"},
                              {"WolfsCaptionLbl", "WolfsLbl"},       {"YieldCaptionLbl", "Cattle2Lbl"},
                              {"HarvestCaptionLbl", "HarvestLbl"}};
    for (int i = 0; i < 5; ++i) {
      add(label(rows[i][0], 40, 64 + i * 34, 240, 22));
      add(label(rows[i][1], 290, 64 + i * 34, 170, 22));
    }
    addOk(290);
    captions({{"ProductionCaptionLbl", txt::campaign1::Production},
              {"PeopleCaptionLbl", txt::campaign1::AtWork},
              {"WolfsCaptionLbl", txt::campaign1::LostWolves},
              {"YieldCaptionLbl", txt::campaign1::YieldPerPasture}});
  }

  void Dialog_Load() override {
    const GameState& s = g_.s;
    const long pastures = Fix(s.PasturePeople / 45.0);
    ctl("CattleLbl").Caption = "+" + std::to_string(pastures * s.MeatYield);
    ctl("PeopleLbl").Caption = std::to_string(s.PasturePeople);
    ctl("WolfsLbl").Caption = std::to_string(s.MeatLossToWolves);
    ctl("Cattle2Lbl").Caption = "+" + std::to_string(s.MeatYield);
    // The pastures bring their meat at the end of turn that opens the summer.
    g_.ShowText(ctl("HarvestCaptionLbl"), txt::campaign::NextHarvestSummer);
    ctl("HarvestLbl").Caption = harvestWhen(g_, turnsToHarvest(s.Season, 2));
  }
};
FIEF_REGISTER_FORM(CattleFrm);

}  // namespace fief
