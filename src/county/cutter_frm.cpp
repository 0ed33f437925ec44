// The three cutter screens (wood, stone, ore): one implementation, three forms. Each
// slot binds its people when pressed while empty and releases them when pressed while
// working.
#include "county/county_rules.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class CutterScreen : public DialogFrm {
 public:
  CutterScreen(Game& g, const std::string& name, Cutter c, TextId title, const char* workingPicture)
      : DialogFrm(g, name, title), cutter_(c), working_(workingPicture) {
    for (int k = 1; k <= 5; ++k) {
      const std::string slot = "SlotImg" + std::to_string(k);
      add(image(slot, 40 + (k - 1) * 100, 70, 80, 80, "slot_empty"));
      on(slot, Ev::MouseDown, [this, k](const EventArgs&) { press(k); });
    }
    add(label("AvailableCaptionLbl", 40, 180, 240, 22));
    add(label("AvailableLbl", 290, 180, 200, 22));
    add(label("PeopleCaptionLbl", 40, 210, 240, 22));
    add(label("PeopleLbl", 290, 210, 200, 22));
    add(label("ProductionCaptionLbl", 40, 240, 240, 22));
    add(label("ProductionLbl", 290, 240, 200, 22));
    add(label("SlotPeopleCaptionLbl", 40, 270, 240, 22));
    add(label("SlotPeopleLbl", 290, 270, 200, 22));
    addOk(330);
    captions({{"AvailableCaptionLbl", txt::campaign1::AvailablePeople},
              {"PeopleCaptionLbl", txt::campaign1::AtWork},
              {"ProductionCaptionLbl", txt::campaign1::Production},
              {"SlotPeopleCaptionLbl", txt::campaign::SlotPeopleYield}});
  }

  void Dialog_Load() override {
    refresh();
  }

 private:
  void press(int k) {
    if (cutterSlots(g_.s, cutter_)[k - 1] == 0) BindCutterSlot(g_, cutter_, k);
    else ReleaseCutterSlot(g_, cutter_, k);
    g_.PlaySound(kClickChannel, "click01.wav");
    refresh();
  }
  void refresh() {
    GameState& s = g_.s;
    const uint8_t* slots = cutterSlots(s, cutter_);
    for (int k = 1; k <= 5; ++k) ctl("SlotImg" + std::to_string(k)).Picture = slots[k - 1] ? working_ : "slot_empty";
    ctl("AvailableLbl").Caption = std::to_string(s.IdlePeople);
    ctl("PeopleLbl").Caption = std::to_string(cutterPeople(s, cutter_));
    ctl("ProductionLbl").Caption = "+" + std::to_string(static_cast<long>(cutterCount(s, cutter_)) * slotYield(g_, cutter_));
    ctl("SlotPeopleLbl").Caption = std::to_string(slotPeople(g_, cutter_)) + " / +" + std::to_string(slotYield(g_, cutter_));
    g_.invalidate(View::Status);
  }

  Cutter cutter_;
  std::string working_;
};

class WoodFrm : public CutterScreen {
 public:
  explicit WoodFrm(Game& g) : CutterScreen(g, "WoodFrm", WoodCutter, txt::captions::WoodCutters, "slot_wood") {}
};
class Stonefrm : public CutterScreen {
 public:
  explicit Stonefrm(Game& g) : CutterScreen(g, "Stonefrm", StoneCutter, txt::captions::Quarry, "slot_stone") {}
};
class OreFrm : public CutterScreen {
 public:
  explicit OreFrm(Game& g) : CutterScreen(g, "OreFrm", OreCutter, txt::captions::OreMine, "slot_ore") {}
};
FIEF_REGISTER_FORM(WoodFrm);
FIEF_REGISTER_FORM(Stonefrm);
FIEF_REGISTER_FORM(OreFrm);

}  // namespace fief
