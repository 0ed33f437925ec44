// The tax screen: the rate in steps of 10, with the gold it brings and the happiness
// it costs at the next end of turn.
#include "county/county_rules.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class TaxFrm : public DialogFrm {
 public:
  explicit TaxFrm(Game& g) : DialogFrm(g, "TaxFrm", txt::captions::TaxTitle) {
    add(button("TaxDown", 60, 70, 40, 40, "-"));
    add(label("TaxLbl", 120, 78, 160, 26)).Align = 1;
    add(button("TaxUp", 300, 70, 40, 40, "+"));
    add(label("GoldCaptionLbl", 40, 130, 200, 22));
    add(label("GoldLbl", 250, 130, 120, 22));
    add(label("HappinessCaptionLbl", 40, 160, 200, 22));
    add(label("HappinessLbl", 250, 160, 120, 22));
    // The expected income needs food in the stores: said in red when it will not come.
    Control& none = add(label("NoIncomeLbl", 40, 190, 320, 36));
    none.FontSize = 10;
    none.ForeColor = kWarningColour;
    addOk(236);
    onClick("TaxDown", [this] {
      TaxDown(g_);
      refresh();
    });
    onClick("TaxUp", [this] {
      TaxUp(g_);
      refresh();
    });
    onClick("OkAniBtn", [this] { close(); });
    captions({{"GoldCaptionLbl", txt::campaign1::ExpectedIncome},
              {"HappinessCaptionLbl", txt::captions::Happiness}});
  }

  void Dialog_Load() override {
    refresh();
  }

 private:
  void refresh() {
    ctl("TaxLbl").Caption = std::to_string(g_.s.TaxRate) + " %";
    ctl("GoldLbl").Caption = "+" + std::to_string(expectedTaxGold(g_.s));
    ctl("HappinessLbl").Caption = "- " + std::to_string(taxHappinessLoss(g_.s));
    if (goldIncomeFlows(g_.s)) ctl("NoIncomeLbl").Caption.clear();
    else g_.ShowText(ctl("NoIncomeLbl"), txt::campaign::NoIncomeWithoutFood);
  }
};
FIEF_REGISTER_FORM(TaxFrm);

}  // namespace fief
