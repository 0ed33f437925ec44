// The build screen: choose a building, order it (paid in full at once) or cancel the
// one under way (refunded in full).
#include "turn/building_opens.h"
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

namespace {
const char* const kBuildButtons[11] = {"",        "BlacksmithBtn", "BaracksBtn", "StablesBtn", "MarketBtn", "ThievesBtn",
                                       "KeepBtn", "BailyBtn",      "FortBtn",    "BunkerBtn",  "CastleBtn"};
}

class BuildFrm : public DialogFrm {
 public:
  int selected = 0;  // the building chosen on the screen

  explicit BuildFrm(Game& g) : DialogFrm(g, "BuildFrm", txt::captions::Build, CloseKeys::Escape) {
    for (int k = 1; k <= 10; ++k) {
      const int col = (k - 1) / 5, row = (k - 1) % 5;
      // The buttons start below the medallion of the top left corner.
      add(button(kBuildButtons[k], 32 + col * 200, 80 + row * 52, 176, 44));
      // A built building's tick sits inside the right end of its own button, clear of
      // the centred name and of the next column.
      Control& tick = add(image("OkImage" + std::to_string(k), 32 + col * 200 + 176 - 30, 90 + row * 52, 24, 24, "OkImage"));
      tick.Visible = false;
      tick.Z = 1;
      onClick(kBuildButtons[k], [this, k] { SelectBuilding(k); });
      // The pointer over a building shows its costs before it is chosen.
      on(kBuildButtons[k], Ev::MouseMove, [this, k](const EventArgs&) { preview(k); });
    }

    add(label("BuildingLbl", 436, 60, 168, 48)).Title = true;  // two lines for long names
    add(label("GoldCaptionLbl", 436, 124, 90, 22));
    add(label("GoldLbl", 526, 124, 80, 22));
    add(label("WoodCaptionLbl", 436, 152, 90, 22));
    add(label("WoodLbl", 526, 152, 80, 22));
    add(label("StoneCaptionLbl", 436, 180, 90, 22));
    add(label("StoneLbl", 526, 180, 80, 22));
    add(label("TurnsCaptionLbl", 436, 208, 90, 22));
    add(label("TurnsLbl", 526, 208, 80, 22));
    // What the building shown opens to the county, one line each.
    add(label("OpensLbl", 436, 240, 180, 96)).FontSize = 10;
    add(label("Helper", 24, 340, 592, 20)).FontSize = 10;
    addOk(400, 100, 130);
    add(button("CancelAniBtn", 255, 400, 130, 40));
    add(button("Noanibtn", 410, 400, 130, 40));
    onClick("OkAniBtn", [this] { order(); });
    onClick("CancelAniBtn", [this] {
      CancelBuilding(g_);
      done();
    });
    onClick("Noanibtn", [this] { close(); });
    // Anywhere else the figures return to the building chosen.
    std::vector<std::string> others{name()};
    for (const auto& c : controls())
      if (c.Kind != ControlKind::Button || c.Name == "OkAniBtn" || c.Name == "CancelAniBtn" || c.Name == "Noanibtn")
        others.push_back(c.Name);
    for (const auto& n : others) on(n, Ev::MouseMove, [this](const EventArgs&) { preview(0); });
    captions({{"GoldCaptionLbl", txt::captions::Gold},
              {"WoodCaptionLbl", txt::captions::Wood},
              {"StoneCaptionLbl", txt::captions::Stone},
              {"TurnsCaptionLbl", txt::campaign1::TurnsLeft},
              {"Noanibtn", txt::captions::Close}});
  }

  void Dialog_Load() override {
    selected = 0;
    ctl("CancelAniBtn").Caption = g_.text(txt::captions::Cancel);
    ctl("Helper").Caption.clear();
    const GameState& s = g_.s;
    const bool underWay = s.BuildTurnsLeft != kNone;
    for (int k = 1; k <= 10; ++k) {
      Control& b = ctl(kBuildButtons[k]);
      b.Caption = buildingName(g_, k);
      const bool built = buildingBuilt(s, k);
      b.Enabled = !built && !underWay;
      ctl("OkImage" + std::to_string(k)).Visible = built;
    }
    ctl("CancelAniBtn").Visible = underWay;
    if (underWay && s.BuildingUnderWay >= kBlacksmithBuilding && s.BuildingUnderWay <= kCastleBuilding) {
      showBuilding(s.BuildingUnderWay, s.BuildTurnsLeft);
    } else {
      showNothing();
    }
  }

  // Shows the building under the pointer (0: back to the one chosen, or none).
  void preview(int kind) {
    if (g_.s.BuildTurnsLeft != kNone) return;
    const int k = kind ? kind : selected;
    if (k >= kBlacksmithBuilding && k <= kCastleBuilding) {
      showBuilding(k, g_.tables.Buildings[k].Turns);
    } else {
      showNothing();
    }
  }

  void SelectBuilding(int kind) {
    if (g_.s.BuildTurnsLeft != kNone) return;
    selected = kind;
    showBuilding(kind, g_.tables.Buildings[kind].Turns);
    ctl("Helper").Caption.clear();
  }

 private:
  void showBuilding(int kind, int turns) {
    const BuildingRecord& b = g_.tables.Buildings[kind];
    ctl("BuildingLbl").Caption = buildingName(g_, kind);
    ctl("GoldLbl").Caption = std::to_string(b.Gold);
    ctl("WoodLbl").Caption = std::to_string(b.Wood);
    ctl("StoneLbl").Caption = std::to_string(b.Stone);
    ctl("TurnsLbl").Caption = std::to_string(turns) + " -- ";
    std::string opens;
    for (const auto& l : buildingOpens(g_, kind)) opens += (opens.empty() ? "" : "\n") + l;
    ctl("OpensLbl").Caption = opens;
  }
  void showNothing() {
    g_.ShowText(ctl("BuildingLbl"), txt::campaign1::NothingUnderConstruction);
    for (const char* l : {"GoldLbl", "WoodLbl", "StoneLbl", "TurnsLbl", "OpensLbl"}) ctl(l).Caption.clear();
  }
  void order() {
    switch (OrderBuilding(g_, selected)) {
      case OrderResult::Ordered:
      case OrderResult::AlreadyUnderWay: done(); break;
      case OrderResult::NothingChosen: g_.ShowText(ctl("Helper"), txt::campaign1::NothingChosen); break;
      case OrderResult::TooExpensive: {
        // The refusal names what is short and by how much.
        std::string text = g_.text(txt::campaign1::NotEnoughGoods) + " " + g_.text(txt::campaign::ShortBy);
        const StatChanges missing = buildingShortfall(g_, selected);
        for (size_t i = 0; i < missing.size(); ++i)
          text += (i ? ", " : " ") + g_.text(statName(missing[i].stat)) + " " + std::to_string(missing[i].amount);
        ctl("Helper").Caption = text + ".";
        break;
      }
    }
  }
  void done() {
    close();
    g_.invalidate(View::County, View::Status);
  }
};
FIEF_REGISTER_FORM(BuildFrm);

}  // namespace fief
