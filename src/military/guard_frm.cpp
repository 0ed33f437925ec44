// The special-units screen: choose the scout, the assassin or the guard's training, see
// its price and what it is doing, start it (paid at once) or call it off (refunded).
#include "military/agents.h"
#include "text_names.h"
#include "turn/turn.h"
#include "ui/game.h"

namespace fief {

namespace {
struct ServiceLook {
  Service service;
  const char* button;
  const char* portrait;
  int nameEntry;  // table 4
  int descEntry;  // table 1
};
const ServiceLook kLooks[3] = {{Service::Scout, "ScoutBtn", "sold15res", 116, 54},
                               {Service::Assassin, "AssassinBtn", "sold17res", 117, 53},
                               {Service::Guard, "GuardBtn", "sold16res", 118, 55}};
// The scouted areas: their names (table 4) and the holding each may win.
const TextId kAreaNames[3] = {txt::campaign1::NearLands, txt::campaign1::MiddleLands, txt::campaign1::FarLands};
const char* const kAreaPictures[3] = {"obj_obelisk", "obj_dolmen", "obj_gchapel"};
constexpr uint32_t kChosenInk = 0x8A2A0A;  // the chosen area's name
}  // namespace

class GuardFrm : public Form {
 public:
  Service chosen = Service::Scout;
  int area = 0;                 // 1..3
  int rival = 0, mission = 0;   // the assassin's target

  explicit GuardFrm(Game& g) : Form(g, "GuardFrm") {
    Control& t = add(label("TitleLbl", 24, 16, 592, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    for (int i = 0; i < 3; ++i) {
      Control& b = add(button(kLooks[i].button, 40, 84 + i * 54, 150, 46));
      b.Picture = kLooks[i].portrait;
      const Service v = kLooks[i].service;
      onClick(kLooks[i].button, [this, v] { choose(v); });
    }
    add(image("UnitImg", 204, 60, 96, 96));
    add(label("UnitNameLbl", 314, 58, 296, 26)).Title = true;
    add(label("DescLbl", 314, 86, 296, 110)).FontSize = 11;
    add(label("GoldCaptionLbl", 204, 204, 110, 22));
    add(label("GoldLbl", 314, 204, 120, 22));
    add(label("LevelCaptionLbl", 204, 228, 110, 22));
    add(label("LevelLbl", 314, 228, 120, 22));
    add(label("StatusLbl", 204, 252, 406, 22));

    // The scout's areas.
    add(panel("ScoutPnl", 200, 280, 412, 116));
    for (int i = 0; i < 3; ++i) {
      const std::string n = std::to_string(i + 2);
      Control& img = add(image("Image" + n, 32 + i * 136, 4, 72, 72, kAreaPictures[i]));
      img.Panel = "ScoutPnl";
      Control& l = add(label("AreaLbl" + std::to_string(i + 1), 4 + i * 136, 78, 132, 34));
      l.Panel = "ScoutPnl";
      l.FontSize = 10;
      l.Align = 1;
      const int a = i + 1;
      onClick("Image" + n, [this, a] { chooseArea(a); });
      onClick("AreaLbl" + std::to_string(a), [this, a] { chooseArea(a); });
      // Hovering an area tells how long the journey takes.
      on("Image" + n, Ev::MouseMove, [this, a](const EventArgs&) { g_.ShowText(ctl("Helper"), kAreaNames[a - 1]); });
    }

    // The assassin's targets: one list per rival lord.
    add(panel("AssassinPnl", 200, 280, 412, 116));
    for (int r = 1; r <= 2; ++r) {
      const std::string lst = r == 1 ? "AssassinLst" : "AssassinLst2";
      Control& cap = add(label("RivalLbl" + std::to_string(r), 4 + (r - 1) * 206, 2, 200, 20));
      cap.Panel = "AssassinPnl";
      cap.FontSize = 10;
      Control& l = add(listBox(lst, 4 + (r - 1) * 206, 24, 200, 88));
      l.Panel = "AssassinPnl";
      l.FontSize = 10;
      on(lst, Ev::Click, [this, r](const EventArgs&) { chooseTarget(r); });
    }

    add(label("Helper", 28, 404, 584, 20)).FontSize = 10;
    add(button("OkAniBtn", 30, 430, 180, 40));
    add(button("CancelAniBtn", 230, 430, 180, 40));
    add(button("Noanibtn", 430, 430, 180, 40));
    onClick("OkAniBtn", [this] { start(); });
    onClick("CancelAniBtn", [this] { callOff(); });
    onClick("Noanibtn", [this] { close(); });
  }

  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::SpecialUnits);
    for (const ServiceLook& l : kLooks) g_.ShowText(ctl(l.button), txt::campaign1::entry(l.nameEntry));
    g_.ShowText(ctl("GoldCaptionLbl"), txt::campaign1::Price);
    g_.ShowText(ctl("LevelCaptionLbl"), txt::campaign1::GuardLevel);
    for (int i = 0; i < 3; ++i) g_.ShowText(ctl("AreaLbl" + std::to_string(i + 1)), kAreaNames[i]);
    for (int r = 1; r <= 2; ++r) {
      g_.ShowText(ctl("RivalLbl" + std::to_string(r)), txt::levels::RivalLordNames[r]);
      Control& l = ctl(r == 1 ? "AssassinLst" : "AssassinLst2");
      l.Items = {g_.text(txt::campaign::PoisonWells), g_.text(txt::campaign::BurnStores), g_.text(txt::campaign::SpreadFear), g_.text(txt::campaign1::StrikeAtLord)};
      l.ListIndex = -1;
    }
    ctl("OkAniBtn").Caption = g_.text(txt::captions::Ok);
    ctl("CancelAniBtn").Caption = g_.text(txt::captions::Cancel);
    ctl("Noanibtn").Caption = g_.text(txt::captions::Close);
    ctl("Helper").Caption.clear();
    area = rival = mission = 0;
    choose(Service::Scout);
    ctl("Helper").Caption.clear();
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) close();
  }

  void choose(Service v) {
    chosen = v;
    const ServiceLook& l = kLooks[static_cast<int>(v) - 1];
    ctl("UnitImg").Picture = l.portrait;
    g_.ShowText(ctl("UnitNameLbl"), txt::campaign1::entry(l.nameEntry));
    g_.ShowText(ctl("DescLbl"), txt::campaign::entry(l.descEntry));
    ctl("Helper").Caption.clear();
    if (v == Service::Guard && serviceRunning(g_.s, Service::Guard)) g_.ShowText(ctl("Helper"), txt::campaign1::GuardAlreadyTraining);
    refresh();
  }

 private:
  void chooseArea(int a) {
    area = a;
    ctl("Helper").Caption.clear();
    refresh();
  }

  void chooseTarget(int r) {
    Control& l = ctl(r == 1 ? "AssassinLst" : "AssassinLst2");
    if (l.ListIndex < 0) return;
    // One target at a time: a row chosen in one list clears the other.
    ctl(r == 1 ? "AssassinLst2" : "AssassinLst").ListIndex = -1;
    rival = r;
    mission = assassinMissionOfRow(l.ListIndex);
    ctl("Helper").Caption.clear();
    refresh();
  }

  // Shows the chosen service: price, level, what it is doing, and its own panel.
  void refresh() {
    const GameState& s = g_.s;
    for (const ServiceLook& l : kLooks) ctl(l.button).ForeColor = l.service == chosen ? kChosenInk : kDefaultColour;
    ctl("GoldLbl").Caption = std::to_string(servicePrice(s, chosen));
    const bool guard = chosen == Service::Guard;
    ctl("LevelCaptionLbl").Visible = ctl("LevelLbl").Visible = guard;
    ctl("LevelLbl").Caption = std::to_string(s.GuardLevel);
    const bool running = serviceRunning(s, chosen);
    if (running) {
      // The countdown acts at the end of the turn after it reaches 0: one more turn.
      ctl("StatusLbl").Caption = g_.text(txt::campaign1::TurnsLeft) + ": " + std::to_string(serviceCountdown(g_.s, chosen) + 1);
    } else {
      g_.ShowText(ctl("StatusLbl"), txt::levels::Ready);
    }
    ctl("CancelAniBtn").Visible = running;
    ctl("ScoutPnl").Visible = chosen == Service::Scout;
    ctl("AssassinPnl").Visible = chosen == Service::Assassin;
    // The area on its way (or the one chosen) is marked.
    const int shown = chosen == Service::Scout && running ? s.ObjectMissionTarget : area;
    for (int a = 1; a <= 3; ++a) {
      Control& l = ctl("AreaLbl" + std::to_string(a));
      l.ForeColor = a == shown ? kChosenInk : kDefaultColour;
      l.Title = a == shown;
    }
  }

  void start() {
    GameState& s = g_.s;
    ServiceOutcome o = ServiceOutcome::NothingChosen;
    switch (chosen) {
      case Service::Scout: o = StartScout(s, area); break;
      case Service::Assassin: o = StartAssassin(s, rival, mission); break;
      case Service::Guard: o = TrainGuard(s); break;
    }
    switch (o) {
      case ServiceOutcome::Started:
        close();
        g_.invalidate(View::Everything);
        return;
      case ServiceOutcome::NotEnoughGold: g_.ShowText(ctl("Helper"), txt::campaign1::NotEnoughGoods); break;
      case ServiceOutcome::NothingChosen: g_.ShowText(ctl("Helper"), txt::campaign1::NothingChosen); break;
      case ServiceOutcome::OutOfGame: g_.ShowText(ctl("Helper"), txt::campaign1::OutOfTheGame); break;
      case ServiceOutcome::AlreadyRunning:
        if (chosen == Service::Guard) g_.ShowText(ctl("Helper"), txt::campaign1::GuardAlreadyTraining);
        break;
    }
    refresh();
  }

  void callOff() {
    if (!CancelService(g_.s, chosen)) return;
    refresh();
    g_.invalidate(View::Everything);
  }
};
FIEF_REGISTER_FORM(GuardFrm);

}  // namespace fief
