// The armoury: the stocks of the eleven forged items.
#include "campaign/game.h"
#include "county/county_rules.h"
#include "text_names.h"

namespace fief {

namespace {
const char* const kStockLabels[12] = {"",         "BowLbl",  "ClubLbl",  "SwordLbl",     "HelebardLbl", "TwoHandLbl",
                                      "MaceLbl",  "PikeLbl", "CrossLbl", "ChainMailLbl", "PlateLbl",    "ShieldLbl"};
}  // namespace

class ArmouryFrm : public Form {
 public:
  explicit ArmouryFrm(Game& g) : Form(g, "ArmouryFrm") {
    Control& t = add(label("TitleLbl", 24, 16, 432, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    for (int i = 1; i <= 11; ++i) {
      add(label(std::string(kStockLabels[i]) + "Caption", 60, 50 + (i - 1) * 26, 220, 22));
      add(label(kStockLabels[i], 290, 50 + (i - 1) * 26, 120, 22));
    }
    add(button("OkAniBtn", 170, 342, 140, 40));
    onClick("OkAniBtn", [this] { close(); });
  }
  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::Armoury);
    ctl("OkAniBtn").Caption = g_.text(txt::captions::Ok);
    for (int i = 1; i <= 11; ++i) {
      ctl(std::string(kStockLabels[i]) + "Caption").Caption = itemName(g_, i);
      ctl(kStockLabels[i]).Caption = std::to_string(itemStock(g_.s, i));
    }
  }
  void Form_KeyUp(Key k) override {
    if (k == Key::Enter || k == Key::Escape) close();
  }
};
FIEF_REGISTER_FORM(ArmouryFrm);

}  // namespace fief
