// The diplomacy screen: the two rival lords and the ten neighbouring counties, the four
// missions with their prices, war declarations, and the trade panel that sets the two
// standing deals.
#include <algorithm>

#include "rivals/diplomacy.h"
#include "text_names.h"
#include "ui/dialogs.h"
#include "ui/game.h"

namespace fief {

namespace {
constexpr uint32_t kChosenInk = 0x8A2A0A;  // the active list's heading, the chosen mission
const char* const kGoodPictures[3] = {"slot_wood", "slot_stone", "slot_ore"};
// Each mission's button and picture, in the order of DiploMission.
const char* const kMissionButtons[kDiploMissions] = {"AmbasadorBtn", "EnvoyBtn", "SpieBtn", "GiftBtn"};
const char* const kMissionPictures[kDiploMissions] = {"diplo1res", "diplo2res", "diplo3res", "diplo4res"};

}  // namespace

class DiploFrm : public Form {
 public:
  DiploView view = DiploView::Counties;
  int rival = 1;   // 1..2
  int county = 1;  // 1..10
  int chosen = -1; // the chosen mission, -1 none

  explicit DiploFrm(Game& g) : Form(g, "DiploFrm") {
    Control& t = add(label("TitleLbl", 24, 16, 652, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    // The lords: the rivals above, the counties below; a heading makes its list active.
    add(label("Label4", 80, 56, 218, 22)).Title = true;
    add(listBox("RivalsLst", 28, 80, 270, 52));
    add(label("Label5", 28, 140, 270, 22)).Title = true;
    add(listBox("CountyLst", 28, 164, 270, 222));
    add(label("StatusLbl", 28, 390, 270, 40)).FontSize = 11;
    onClick("Label4", [this] { activate(DiploView::Rivals); });
    onClick("Label5", [this] { activate(DiploView::Counties); });
    on("RivalsLst", Ev::Click, [this](const EventArgs&) {
      if (ctl("RivalsLst").ListIndex >= 0) rival = ctl("RivalsLst").ListIndex + 1;
      activate(DiploView::Rivals);
    });
    on("CountyLst", Ev::Click, [this](const EventArgs&) {
      if (ctl("CountyLst").ListIndex >= 0) county = ctl("CountyLst").ListIndex + 1;
      activate(DiploView::Counties);
    });

    // The missions.
    add(panel("MissionPnl", 316, 80, 360, 330));
    for (int m = 0; m < kDiploMissions; ++m) {
      Control& b = add(button(kMissionButtons[m], m * 90, 0, 86, 40));
      b.Panel = "MissionPnl";
      b.FontSize = 11;
      onClick(kMissionButtons[m], [this, m] { chooseMission(m); });
    }
    for (Control c : {image("MissionImg", 0, 52, 128, 128), label("UnitNameLbl", 140, 52, 216, 26),
                      label("GoldCaptionLbl", 140, 82, 100, 22), label("GoldLbl", 244, 82, 110, 22),
                      label("LUMO_Label5", 140, 108, 216, 140), button("EnvoyAniBtn", 140, 270, 150, 40)}) {
      c.Panel = "MissionPnl";
      add(c);
    }
    ctl("UnitNameLbl").Title = true;
    ctl("LUMO_Label5").FontSize = 11;
    onClick("EnvoyAniBtn", [this] { send(); });

    // The trade panel.
    add(panel("TradePnl", 316, 80, 360, 330));
    for (int side = 0; side < 2; ++side) {
      const int x = side * 182;
      const std::string n = side == 0 ? "" : "2";
      for (Control c : {label(side == 0 ? "SellCaptionLbl" : "BuyCaptionLbl", x + 2, 0, 176, 22),
                        listBox(side == 0 ? "SellLst" : "BuyLst", x + 2, 24, 100, 72),
                        image(side == 0 ? "SellImg" : "BuyImg", x + 110, 24, 64, 64),
                        button("DownAniBtn" + n, x + 2, 98, 40, 32, "-"), label("TradeLbl" + n, x + 46, 98, 86, 32),
                        button("UpAniBtn" + n, x + 136, 98, 40, 32, "+"),
                        label(side == 0 ? "SellQtyCaptionLbl" : "BuyQtyCaptionLbl", x + 2, 140, 176, 20),
                        label(side == 0 ? "SellQtyLbl" : "BuyQtyLbl", x + 2, 160, 176, 22),
                        label(side == 0 ? "SellGoldCaptionLbl" : "BuyGoldCaptionLbl", x + 2, 186, 176, 20),
                        label(side == 0 ? "SellGoldLbl" : "BuyGoldLbl", x + 2, 206, 176, 22)}) {
        c.Panel = "TradePnl";
        if (c.Kind == ControlKind::Label && c.Name.find("Caption") != std::string::npos) c.FontSize = 10;
        add(c);
      }
      ctl((side == 0 ? "SellCaptionLbl" : "BuyCaptionLbl")).Title = true;
      ctl((side == 0 ? "SellCaptionLbl" : "BuyCaptionLbl")).FontSize = 12;
      ctl("TradeLbl" + n).Align = 1;
      const int dir[2] = {-1, +1};
      for (int d = 0; d < 2; ++d)
        onClick((d == 0 ? "DownAniBtn" : "UpAniBtn") + n, [this, side, step = dir[d]] {
          if (side == 0) StepSellPercent(g_.s, step);
          else StepBuyPercent(g_.s, step);
          showTrade();
        });
    }
    on("SellLst", Ev::Click, [this](const EventArgs&) {
      ChooseSellGood(g_.s, std::max(0, ctl("SellLst").ListIndex));
      showTrade();
    });
    on("BuyLst", Ev::Click, [this](const EventArgs&) {
      ChooseBuyGood(g_.s, std::max(0, ctl("BuyLst").ListIndex));
      showTrade();
    });
    Control& ts = add(label("TradeStatusLbl", 2, 240, 356, 44));
    ts.Panel = "TradePnl";
    ts.FontSize = 11;

    add(label("Helper", 28, 436, 648, 20)).FontSize = 10;
    add(button("WarBtn", 40, 462, 180, 38));
    add(button("TradeBtn", 260, 462, 180, 38));
    add(button("OkAniBtn", 480, 462, 180, 38));
    onClick("WarBtn", [this] { declareWar(); });
    onClick("TradeBtn", [this] { toggleTrade(); });
    onClick("OkAniBtn", [this] {
      chosen = -1;  // the gift switch and the other choices go with the screen
      close();
    });
  }

  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::Diplomacy);
    g_.ShowText(ctl("Label4"), txt::campaign1::RivalLords);
    g_.ShowText(ctl("Label5"), txt::campaign1::NeighbouringCounties);
    ctl("RivalsLst").Items = {g_.text(txt::levels::Rival1Name), g_.text(txt::levels::Rival2Name)};
    for (int m = 0; m < kDiploMissions; ++m) {
      const DiploMissionInfo& info = diploMission(static_cast<DiploMission>(m));
      g_.ShowText(ctl(kMissionButtons[m]), info.name);
    }
    g_.ShowText(ctl("GoldCaptionLbl"), txt::campaign1::Price);
    g_.ShowText(ctl("EnvoyAniBtn"), txt::levels::Send);
    g_.ShowText(ctl("WarBtn"), txt::captions::DeclareWar);
    g_.ShowText(ctl("TradeBtn"), txt::captions::Trade);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
    g_.ShowText(ctl("SellCaptionLbl"), txt::campaign1::Sell);
    g_.ShowText(ctl("BuyCaptionLbl"), txt::campaign1::Buy);
    g_.ShowText(ctl("SellQtyCaptionLbl"), txt::levels::GoesOutEachSeason);
    g_.ShowText(ctl("SellGoldCaptionLbl"), txt::levels::GoldEarned);
    g_.ShowText(ctl("BuyQtyCaptionLbl"), txt::levels::ComesInEachSeason);
    g_.ShowText(ctl("BuyGoldCaptionLbl"), txt::levels::GoldPaid);
    for (const char* l : {"SellLst", "BuyLst"}) ctl(l).Items = {g_.text(txt::captions::Wood), g_.text(txt::captions::Stone), g_.text(txt::captions::Ore)};
    ctl("Helper").Caption.clear();
    rival = 1;
    county = 1;
    chosen = -1;
    ctl("RivalsLst").ListIndex = -1;
    ctl("CountyLst").ListIndex = 0;
    ctl("TradePnl").Visible = false;
    showMission();
    activate(DiploView::Counties);
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) fire("OkAniBtn", Ev::Click);
  }

 private:
  // Makes a list the active one and shows the chosen lord's state.
  void activate(DiploView v) {
    view = v;
    ctl("Label4").ForeColor = v == DiploView::Rivals ? kChosenInk : kDefaultColour;
    ctl("Label5").ForeColor = v == DiploView::Counties ? kChosenInk : kDefaultColour;
    ctl("RivalsLst").ListIndex = v == DiploView::Rivals ? rival - 1 : -1;
    ctl("CountyLst").ListIndex = v == DiploView::Counties ? county - 1 : -1;
    ctl("WarBtn").Enabled = v == DiploView::Rivals;
    showLords();
  }

  void showLords() {
    const GameState& s = g_.s;
    // A won-over county carries its mark in the list.
    std::vector<std::string> counties;
    for (int k = 1; k <= 10; ++k) {
      std::string name = g_.text(txt::levels::CountyNames[k]);
      if (s.CountyRelation[k - 1] == kWonOver) name += " - " + g_.text(txt::campaign1::WonOver);
      counties.push_back(name);
    }
    ctl("CountyLst").Items = counties;
    std::string status;
    if (view == DiploView::Rivals) {
      for (int e : rivalStatusEntries(s, rival))
        status += (status.empty() ? "" : " - ") + g_.text(txt::campaign1::entry(e));
    } else {
      const uint8_t rel = s.CountyRelation[county - 1];
      if (rel == 0) status = g_.text(txt::levels::NoRelationsYet);
      else if (rel == kWonOver) status = g_.text(txt::campaign1::WonOver);
      else status = g_.text(txt::campaign1::Ambassador) + " - " + g_.text(txt::levels::GiftsReceived) + ": " + std::to_string(rel - 1);
    }
    ctl("StatusLbl").Caption = status;
  }

  void chooseMission(int m) {
    chosen = m;
    ctl("Helper").Caption.clear();
    showMission();
  }

  void showMission() {
    for (int m = 0; m < kDiploMissions; ++m)
      ctl(kMissionButtons[m]).ForeColor = m == chosen ? kChosenInk : kDefaultColour;
    const bool any = chosen >= 0;
    for (const char* c : {"MissionImg", "UnitNameLbl", "GoldCaptionLbl", "GoldLbl", "LUMO_Label5"}) ctl(c).Visible = any;
    if (!any) return;
    const DiploMissionInfo& info = diploMission(static_cast<DiploMission>(chosen));
    ctl("MissionImg").Picture = kMissionPictures[chosen];
    g_.ShowText(ctl("UnitNameLbl"), info.name);
    ctl("GoldLbl").Caption = std::to_string(info.price);
    g_.ShowText(ctl("LUMO_Label5"), info.help);
  }

  void send() {
    if (chosen < 0) {
      g_.ShowText(ctl("Helper"), txt::campaign1::NothingChosen);
      return;
    }
    const auto m = static_cast<DiploMission>(chosen);
    const MissionOutcome o = SendMission(g_.s, m, view, view == DiploView::Rivals ? rival : county);
    ctl("Helper").Caption.clear();
    switch (o) {
      case MissionOutcome::Done:
        g_.invalidate(View::Status);
        if (m == DiploMission::Gift) ShowEvent(g_, kGiftThanksEvent, txt::campaign::GiftReceived);
        break;
      case MissionOutcome::NotEnoughGold: g_.ShowText(ctl("Helper"), txt::campaign1::NotEnoughGoods); break;
      case MissionOutcome::Refused: g_.ShowText(ctl("Helper"), txt::campaign1::MissionRefused); break;
      case MissionOutcome::OutOfGame: g_.ShowText(ctl("Helper"), txt::campaign1::OutOfTheGame); break;
      case MissionOutcome::NoEffect: break;
    }
    showLords();
  }

  void declareWar() {
    if (view != DiploView::Rivals) return;
    switch (DeclareWar(g_.s, rival)) {
      case WarOutcome::OneWarAtATime: g_.ShowText(ctl("Helper"), txt::campaign1::OneWarAtATime); break;
      case WarOutcome::OutOfGame: g_.ShowText(ctl("Helper"), txt::campaign1::OutOfTheGame); break;
      case WarOutcome::Asked:
        ctl("Helper").Caption.clear();
        ShowEvent(g_, warOnRivalEvent(rival), txt::campaign::DeclareWarQuestion);
        break;
    }
    showLords();
  }

  void toggleTrade() {
    Control& p = ctl("TradePnl");
    p.Visible = !p.Visible;
    ctl("MissionPnl").Visible = !p.Visible;
    ctl("TradeBtn").ForeColor = p.Visible ? kChosenInk : kDefaultColour;
    if (p.Visible) {
      // The panel opens on the goods of the standing deals: looking never changes them.
      ctl("SellLst").ListIndex = std::clamp<int>(g_.s.SellGood, 1, 3) - 1;
      ctl("BuyLst").ListIndex = std::clamp<int>(g_.s.BuyGood, 1, 3) - 1;
      showTrade();
    }
  }

  void showTrade() {
    const GameState& s = g_.s;
    ctl("TradeLbl").Caption = std::to_string(s.SellPercent) + " %";
    ctl("TradeLbl2").Caption = std::to_string(s.BuyPercent) + " %";
    const int sell = std::clamp<int>(s.SellGood, 1, 3), buy = std::clamp<int>(s.BuyGood, 1, 3);
    ctl("SellImg").Picture = kGoodPictures[sell - 1];
    ctl("BuyImg").Picture = kGoodPictures[buy - 1];
    const TradeOffer out = exportOffer(s), in = importOffer(s);
    ctl("SellQtyLbl").Caption = std::to_string(out.quantity) + " " + g_.text(txt::captions::ResourceNames[sell]);
    ctl("SellGoldLbl").Caption = "+" + std::to_string(out.gold);
    ctl("BuyQtyLbl").Caption = std::to_string(in.quantity) + " " + g_.text(txt::captions::ResourceNames[buy]);
    ctl("BuyGoldLbl").Caption = "-" + std::to_string(in.gold);
    const bool runs = tradeRuns(s);
    g_.ShowText(ctl("TradeStatusLbl"), runs ? txt::levels::TradeRuns : txt::levels::TradeHalted);
    ctl("TradeStatusLbl").ForeColor = runs ? kDefaultColour : kWarningColour;
  }
};
FIEF_REGISTER_FORM(DiploFrm);

}  // namespace fief
