// The blacksmith: choose one of the eleven items and give the standing order that
// forges a batch of it at every end of turn.
#include "county/county_rules.h"
#include "map/camp1_frm.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

namespace {
const char* const kItemButtons[12] = {"",         "BowBtn",  "ClubBtn",  "SwordBtn",     "HelebardBtn", "TwoHandBtn",
                                      "MaceBtn",  "PikeBtn", "CrossBtn", "ChainMailBtn", "PlateBtn",    "ShieldBtn"};
const char* const kStockLabels[12] = {"",         "BowLbl",  "ClubLbl",  "SwordLbl",     "HelebardLbl", "TwoHandLbl",
                                      "MaceLbl",  "PikeLbl", "CrossLbl", "ChainMailLbl", "PlateLbl",    "ShieldLbl"};
}  // namespace

class BlacksmithFrm : public DialogFrm {
 public:
  explicit BlacksmithFrm(Game& g) : DialogFrm(g, "BlacksmithFrm", txt::captions::Blacksmith, CloseKeys::Escape) {
    for (int i = 1; i <= 11; ++i) {
      // The column starts below the medallion of the top left corner.
      add(button(kItemButtons[i], 24, 78 + (i - 1) * 34, 150, 30));
      onClick(kItemButtons[i], [this, i] { select(i); });
    }
    add(image("ItemImg", 200, 56, 96, 96));
    add(image("AnimImg", 310, 56, 160, 160));
    add(label("ItemNameLbl", 490, 56, 190, 26)).Title = true;
    add(label("WoodCostCaptionLbl", 490, 90, 110, 22));
    add(label("WoodCostLbl", 600, 90, 80, 22));
    add(label("OreCostCaptionLbl", 490, 116, 110, 22));
    add(label("OreCostLbl", 600, 116, 80, 22));
    add(label("BatchCaptionLbl", 490, 142, 110, 22));
    add(label("BatchLbl", 600, 142, 80, 22));
    add(label("SeasonLbl", 490, 168, 190, 22)).FontSize = 10;
    add(label("UsedByCaptionLbl", 200, 230, 120, 22));
    add(label("UsedByLbl", 320, 230, 360, 44)).FontSize = 10;
    add(label("OrderLbl", 200, 290, 250, 22));
    add(label("OrderBatchLbl", 460, 290, 90, 22));
    // Cancelling the standing order sits beside it, away from the buttons that close the screen.
    add(button("CancelAniBtn", 560, 284, 120, 34));
    add(checkBox("ArmouryOption", 200, 326, 220, 24));
    add(panel("ArmouryPnl", 200, 356, 480, 76)).Visible = false;
    // Three columns of four rows, each wide enough for the longest name and its stock.
    for (int i = 1; i <= 11; ++i) {
      Control& l = add(label(std::string("Arm") + kStockLabels[i], ((i - 1) / 4) * 160, ((i - 1) % 4) * 19, 158, 18));
      l.Panel = "ArmouryPnl";
      l.FontSize = 9;
    }
    add(label("Helper", 24, 440, 652, 20)).FontSize = 10;
    addOk(468, 40, 130);
    add(button("ArmouryBtn", 275, 468, 150, 40));
    add(button("Noanibtn", 510, 468, 130, 40));
    onClick("OkAniBtn", [this] { order(); });
    onClick("CancelAniBtn", [this] {
      CancelSmithOrder(g_);
      showOrder();
      ctl("BatchLbl").Caption.clear();
      for (int i = 1; i <= 11; ++i) ctl(kItemButtons[i]).Enabled = true;
    });
    onClick("Noanibtn", [this] {
      g_.s.BlacksmithSelection = 0;
      close();
    });
    onClick("ArmouryBtn", [this] {
      g_.PlaySound(kScreenChannel, "armoury01.wav");
      g_.form("ArmouryFrm").showModal();
    });
    onClick("ArmouryOption", [this] { ctl("ArmouryPnl").Visible = ctl("ArmouryOption").Checked; });
    captions({{"WoodCostCaptionLbl", txt::campaign1::WoodCost},
              {"OreCostCaptionLbl", txt::campaign1::OreCost},
              {"BatchCaptionLbl", txt::campaign1::Batch},
              {"UsedByCaptionLbl", txt::campaign1::UsedBy},
              {"ArmouryOption", txt::captions::Armoury},
              {"CancelAniBtn", txt::captions::Cancel},
              {"Noanibtn", txt::captions::Close},
              {"ArmouryBtn", txt::captions::Armoury}});
  }

  void Dialog_Load() override {
    ctl("Helper").Caption.clear();
    for (int i = 1; i <= 11; ++i) ctl(kItemButtons[i]).Caption = itemName(g_, i);
    const int sel = g_.s.BlacksmithSelection ? g_.s.BlacksmithSelection : g_.s.BlacksmithOrder;
    if (sel >= 1 && sel <= 11) select(sel);
    else clearItem();
    showOrder();
  }

  void Form_Activate() override { showStocks(); }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) {
      g_.s.BlacksmithSelection = 0;
      close();
    }
  }

 private:
  void select(int item) {
    g_.s.BlacksmithSelection = static_cast<uint8_t>(item);
    const ItemCost& c = g_.tables.item(item);
    ctl("ItemNameLbl").Caption = itemName(g_, item);
    ctl("WoodCostLbl").Caption = std::to_string(c.Wood);
    ctl("OreCostLbl").Caption = std::to_string(c.Ore);
    ctl("BatchLbl").Caption = std::to_string(c.Batch);
    ctl("UsedByLbl").Caption = itemUsers(g_, item);
    ctl("ItemImg").Picture = std::string(kItemWords[item]) + "res";
    ctl("AnimImg").Picture = std::string("anim/") + kItemWords[item] + ".rz";
    g_.ShowText(ctl("SeasonLbl"), txt::campaign1::ForgedEachSeason);
    ctl("Helper").Caption.clear();
  }
  void clearItem() {
    for (const char* l : {"ItemNameLbl", "WoodCostLbl", "OreCostLbl", "BatchLbl", "UsedByLbl", "SeasonLbl"})
      ctl(l).Caption.clear();
    ctl("ItemImg").Picture.clear();
    ctl("AnimImg").Picture.clear();
  }
  void showOrder() {
    const int o = g_.s.BlacksmithOrder;
    if (o >= 1 && o <= 11) {
      ctl("OrderLbl").Caption = itemName(g_, o);
      ctl("OrderBatchLbl").Caption = "+" + std::to_string(g_.tables.item(o).Batch);
      ctl("CancelAniBtn").Visible = true;
    } else {
      ctl("CancelAniBtn").Visible = false;
      g_.ShowText(ctl("OrderLbl"), txt::campaign1::NoStandingOrder);
      ctl("OrderBatchLbl").Caption.clear();
    }
  }
  void showStocks() {
    for (int i = 1; i <= 11; ++i)
      ctl(std::string("Arm") + kStockLabels[i]).Caption = itemName(g_, i) + ": " + std::to_string(itemStock(g_.s, i));
  }
  void order() {
    switch (PlaceSmithOrder(g_)) {
      case SmithResult::Ordered:
        showOrder();
        close();
        break;
      case SmithResult::NothingChosen: g_.ShowText(ctl("Helper"), txt::campaign1::NothingChosen); break;
      case SmithResult::TooExpensive:
        g_.ShowText(ctl("Helper"), txt::campaign1::NotEnoughGoods);
        showOrder();
        break;
    }
  }
};
FIEF_REGISTER_FORM(BlacksmithFrm);

}  // namespace fief
