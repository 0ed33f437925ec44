// The people screen: the county's people, their work and their food.
#include "county/county_rules.h"
#include "map/camp1_frm.h"
#include "state/arith.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class PeopleFrm : public DialogFrm {
 public:
  explicit PeopleFrm(Game& g) : DialogFrm(g, "PeopleFrm", txt::captions::PeopleTitle) {
    const char* rows[6][2] = {{"PeopleCaptionLbl", "PeopleLbl"},       {"HappinessCaptionLbl", "HappinessLbl"},
                              {"HealthCaptionLbl", "HealthLbl"},       {"RegrutedCaptionLbl", "RegrutedLbl"},
                              {"AvailableCaptionLbl", "AvailableLbl"}, {"PreviousCaptionLbl", "PreviousLbl"}};
    for (int i = 0; i < 6; ++i) {
      add(label(rows[i][0], 32, 56 + i * 30, 200, 22));
      add(label(rows[i][1], 236, 56 + i * 30, 90, 22));
    }
    add(label("FromTaxCaptionLbl", 32, 248, 200, 22));
    add(label("FromTaxLbl", 236, 248, 90, 22));
    // Each ration: its check box, then what the coming turn eats of it and what it does
    // to the people's happiness, each figure beside its caption.
    struct Ration { const char* option; const char* eaten; const char* happy; int top; };
    for (const Ration& r : {Ration{"MeatOption", "MeatLbl", "MeatHappyLbl", 56}, Ration{"CropsOption", "CropsLbl", "CropsHappyLbl", 130}}) {
      add(checkBox(r.option, 340, r.top, 200, 24));
      const std::string base = std::string(r.eaten).substr(0, std::string(r.eaten).size() - 3);
      add(label(base + "EatenCaptionLbl", 364, r.top + 26, 96, 20)).FontSize = 11;
      add(label(r.eaten, 460, r.top + 26, 80, 20)).FontSize = 11;
      add(label(base + "HappyCaptionLbl", 364, r.top + 46, 96, 20)).FontSize = 11;
      add(label(r.happy, 460, r.top + 46, 80, 20)).FontSize = 11;
    }
    add(label("FromFoodCaptionLbl", 340, 210, 120, 22));
    add(label("FromFoodLbl", 460, 210, 80, 22));
    addOk(350);
    onClick("MeatOption", [this] {
      g_.s.EatMeat = toFlag(ctl("MeatOption").Checked);
      refresh();
    });
    onClick("CropsOption", [this] {
      g_.s.EatCrops = toFlag(ctl("CropsOption").Checked);
      refresh();
    });
    captions({{"PeopleCaptionLbl", txt::captions::People},
              {"HappinessCaptionLbl", txt::captions::Happiness},
              {"HealthCaptionLbl", txt::captions::Health},
              {"RegrutedCaptionLbl", txt::campaign1::SoldiersCamps},
              {"AvailableCaptionLbl", txt::campaign1::IdlePeople},
              {"PreviousCaptionLbl", txt::campaign1::LastSeason},
              {"FromTaxCaptionLbl", txt::campaign1::FromTaxes},
              {"FromFoodCaptionLbl", txt::campaign1::FromFood},
              {"MeatEatenCaptionLbl", txt::campaign::Eaten},
              {"MeatHappyCaptionLbl", txt::captions::Happiness},
              {"CropsEatenCaptionLbl", txt::campaign::Eaten},
              {"CropsHappyCaptionLbl", txt::captions::Happiness},
              {"MeatOption", txt::campaign1::FeedMeat},
              {"CropsOption", txt::campaign1::FeedCrops}});
  }

  void Dialog_Load() override {
    refresh();
  }

 private:
  void refresh() {
    const GameState& s = g_.s;
    ctl("PeopleLbl").Caption = std::to_string(s.People);
    ctl("HappinessLbl").Caption = std::to_string(s.Happiness) + " %";
    ctl("HealthLbl").Caption = std::to_string(s.Health) + " %";
    long soldiers = 0;
    for (const CampComp& c : s.CampComposition) soldiers += c.total();
    ctl("RegrutedLbl").Caption = std::to_string(soldiers);
    ctl("AvailableLbl").Caption = std::to_string(s.IdlePeople);
    ctl("PreviousLbl").Caption = std::to_string(s.LastPeople);
    ctl("FromTaxLbl").Caption = "- " + std::to_string(Int(s.TaxRate / 4.0));
    Control& meat = ctl("MeatOption");
    Control& crops = ctl("CropsOption");
    meat.Enabled = s.Meat > 0;
    crops.Enabled = s.Crops > 0;
    // What the coming end of turn does: a ration chosen from an empty store (the option
    // is greyed then) is not eaten unless the turn's harvest fills the store first.
    const FoodOutlook outlook = foodOutlook(g_);
    const bool eatMeat = outlook.meat, eatCrops = outlook.crops;
    meat.Checked = eatMeat;
    crops.Checked = eatCrops;
    ctl("MeatLbl").Caption = eatMeat ? std::to_string(Fix(s.People / 12.0)) : "0";
    ctl("MeatHappyLbl").Caption = eatMeat ? "+5" : "- 9";
    ctl("CropsLbl").Caption = eatCrops ? std::to_string(Fix(s.People / 4.0)) : "0";
    ctl("CropsHappyLbl").Caption = eatCrops ? "+3" : "- 6";
    const int food = (eatMeat ? 5 : -9) + (eatCrops ? 3 : -6);
    ctl("FromFoodLbl").Caption = food >= 0 ? "+" + std::to_string(food) : "- " + std::to_string(-food);
  }
};
FIEF_REGISTER_FORM(PeopleFrm);

}  // namespace fief
