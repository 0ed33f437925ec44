// The armoury: the stocks of the eleven forged items.
#include "county/county_rules.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

namespace {
const char* const kStockLabels[12] = {"",         "BowLbl",  "ClubLbl",  "SwordLbl",     "HelebardLbl", "TwoHandLbl",
                                      "MaceLbl",  "PikeLbl", "CrossLbl", "ChainMailLbl", "PlateLbl",    "ShieldLbl"};
}  // namespace

class ArmouryFrm : public DialogFrm {
 public:
  explicit ArmouryFrm(Game& g) : DialogFrm(g, "ArmouryFrm", txt::captions::Armoury) {
    for (int i = 1; i <= 11; ++i) {
      add(label(std::string(kStockLabels[i]) + "Caption", 60, 50 + (i - 1) * 26, 220, 22));
      add(label(kStockLabels[i], 290, 50 + (i - 1) * 26, 120, 22));
    }
    addOk(342);
  }
  void Dialog_Load() override {
    for (int i = 1; i <= 11; ++i) {
      ctl(std::string(kStockLabels[i]) + "Caption").Caption = itemName(g_, i);
      ctl(kStockLabels[i]).Caption = std::to_string(itemStock(g_.s, i));
    }
  }
};
FIEF_REGISTER_FORM(ArmouryFrm);

}  // namespace fief
