// The crop fields' view: the harvest of all crop fields and the yield of one.
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "state/arith.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class CropsFrm : public DialogFrm {
 public:
  explicit CropsFrm(Game& g) : DialogFrm(g, "CropsFrm", txt::captions::CropFields) {
    const char* rows[6][2] = {{"ProductionCaptionLbl", "CropsLbl"}, {"PeopleCaptionLbl", "PeopleLbl"},
                              {"FieldCaptionLbl", "FieldLbl"},      {"BirdsCaptionLbl", "BirdsLbl"},
                              {"YieldCaptionLbl", "Crops2Lbl"},     {"HarvestCaptionLbl", "HarvestLbl"}};
    for (int i = 0; i < 6; ++i) {
      add(label(rows[i][0], 40, 60 + i * 34, 240, 22));
      add(label(rows[i][1], 290, 60 + i * 34, 170, 22));
    }
    addOk(290);
    captions({{"ProductionCaptionLbl", txt::campaign1::Production},
              {"PeopleCaptionLbl", txt::campaign1::AtWork},
              {"FieldCaptionLbl", txt::campaign::GrownPerField},  // before the birds take their share
              {"BirdsCaptionLbl", txt::campaign1::LostBirds},
              {"YieldCaptionLbl", txt::campaign1::YieldPerField}});
  }

  void Dialog_Load() override {
    const GameState& s = g_.s;
    // A crop field's yield before the birds, the birds' share, then the yield per field
    // that the harvest brings (as the cattle screen's yield per pasture).
    const long fields = Fix(s.CropFieldPeople / 100.0);
    ctl("CropsLbl").Caption = "+" + std::to_string(fields * s.CropYield);
    ctl("PeopleLbl").Caption = std::to_string(s.CropFieldPeople);
    ctl("FieldLbl").Caption = std::to_string(20L * s.ScienceLevel + g_.tables.Places[CropPlace].Yield);
    ctl("BirdsLbl").Caption = std::to_string(s.CropLossToBirds);
    ctl("Crops2Lbl").Caption = "+" + std::to_string(s.CropYield);
    // The crop fields bring their harvest at the end of turn that opens the spring.
    g_.ShowText(ctl("HarvestCaptionLbl"), txt::campaign::NextHarvestSpring);
    ctl("HarvestLbl").Caption = harvestWhen(g_, turnsToHarvest(s.Season, 1));
  }
};
FIEF_REGISTER_FORM(CropsFrm);

}  // namespace fief
