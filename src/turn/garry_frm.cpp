// The event screen GarryFrm: goods weighed against gold with press-and-hold amount
// buttons. Modes 1 and 2 (buy, sell) are opened from the garrison on the map, ModeBtn
// switches between them; mode 3 answers the King's marshal (a ProvisionsQuestion).
// The trade itself is the garrison's rules (turn/garrison.h).
#include <algorithm>

#include "text_names.h"
#include "turn/garrison.h"
#include "turn/turn_screen.h"
#include "ui/form.h"
#include "ui/game.h"
#include "ui/view_fields.h"

namespace fief {

namespace {
constexpr TextId kGoodCaption[kGarrisonGoods] = {txt::captions::Crops, txt::captions::Meat, txt::captions::Wood,
                                                 txt::captions::Stone, txt::captions::Ore};
}  // namespace

class GarryFrm : public Form {
 public:
  explicit GarryFrm(Game& g) : Form(g, "GarryFrm") {
    Control& title = add(label("TitleLbl", 20, 14, 520, 32));
    title.Title = true;
    title.FontSize = 20;
    title.Align = 1;
    // The marshal's request, clear of the medallion in the top left corner.
    add(label("MsgLbl", 72, 50, 460, 74)).FontSize = 11;
    for (int i = 1; i <= kGarrisonGoods; ++i) {
      const std::string n = std::to_string(i);
      const int y = 128 + (i - 1) * 40;
      add(label("GoodLbl" + n, 40, y + 6, 150, 24));
      add(label("StockLbl" + n, 190, y + 6, 100, 24)).Align = 2;
      Control& down = add(button("DownBtn" + n, 310, y, 32, 32));
      down.Picture = "scroll_down";
      down.Hold = true;
      add(label("AmountLbl" + n, 350, y + 6, 80, 24)).Align = 1;
      Control& up = add(button("UpBtn" + n, 438, y, 32, 32));
      up.Picture = "scroll_up";
      up.Hold = true;
      for (int dir : {+1, -1}) {
        const std::string b = (dir > 0 ? "UpBtn" : "DownBtn") + n;
        on(b, Ev::MouseDown, [this, i, dir](const EventArgs&) { press(i - 1, dir); });
        on(b, Ev::MouseUp, [this](const EventArgs&) { release(); });
      }
    }
    add(label("PriceLbl", 300, 332, 170, 24)).Align = 1;
    // For the marshal: what the goods chosen are worth against what he asks.
    add(label("ValueLbl", 28, 332, 262, 24)).FontSize = 10;
    // A refusal of the confirmation, below the goods and the price.
    add(label("HintLbl", 28, 362, 504, 24)).FontSize = 10;
    add(button("ModeBtn", 40, 394, 120, 40));
    add(button("OkAniBtn", 280, 394, 120, 40, "OK"));
    add(button("Noanibtn", 416, 394, 120, 40, "Cancel"));
    onClick("ModeBtn", [this] { switchMode(); });
    onClick("OkAniBtn", [this] { confirm(); });
    onClick("Noanibtn", [this] { refuse(); });
  }

  void Form_Load() override {
    mode_ = openMode >= 1 && openMode <= 3 ? openMode : 1;
    amount_.fill(0);
    for (int i = 1; i <= kGarrisonGoods; ++i) g_.ShowText(ctl("GoodLbl" + std::to_string(i)), kGoodCaption[i - 1]);
    g_.ShowText(ctl("TitleLbl"), txt::captions::GarrisonStores);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
    display();
  }

  void Form_Unload() override { release(); }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) refuse();
    else if (k == Key::Enter) confirm();
  }

  // One step of the held button (a tick of TradeUpTimer / TradeDownTimer).
  void tick(int dir) {
    if (held_ >= 0) step(held_, dir);
  }

  int amount(int good) const { return amount_[good]; }

  // The marshal's question while mode 3 is open.
  ProvisionsQuestion* question = nullptr;
  // The mode it opens in (1..3), set by whoever opens it.
  uint8_t openMode = 1;

 private:
  long long gold() const { return garrisonGold(mode_, amount_); }

  void press(int good, int dir) {
    held_ = good;
    step(good, dir);
    g_.timers.enable(dir > 0 ? "TradeUpTimer" : "TradeDownTimer");
  }
  void release() {
    held_ = -1;
    g_.timers.disable("TradeUpTimer");
    g_.timers.disable("TradeDownTimer");
  }

  void step(int good, int dir) {
    int& a = amount_[good];
    if (dir < 0) {
      if (a < kGarrisonStep) return;
      a -= kGarrisonStep;
    } else {
      if (!garrisonStepAllowed(g_.s, mode_, amount_, good)) return;
      a += kGarrisonStep;
    }
    display();
  }

  void switchMode() {
    if (mode_ == 3) return;
    mode_ = mode_ == 1 ? 2 : 1;
    amount_.fill(0);
    display();
  }

  void confirm() {
    if (mode_ == 3) {
      // Opened without the marshal's question (GarryMode 3 set directly), the rules answer.
      if (!(question ? question->send(amount_) : SendProvisions(g_, amount_))) {
        // The refusal says by how much the goods fall short of what the marshal asks.
        ctl("HintLbl").Caption = g_.text(txt::campaign1::NotEnoughGoods) + " " + g_.text(txt::campaign::ShortBy) +
                                 " " + std::to_string(levyShortfall(amount_)) + ".";
        return;
      }
    } else {
      TradeWithGarrison(g_, mode_, amount_);
    }
    close();
  }

  void refuse() {
    if (mode_ == 3) question ? question->refuse() : RefuseProvisions(g_);
    close();
  }

  void display() {
    const GameState& s = g_.s;
    for (int i = 1; i <= kGarrisonGoods; ++i) {
      // Mid-turn the stores can stand below nothing (the people ate more than there was,
      // until the turn's clamping): nothing of it can be traded or sent.
      ctl("StockLbl" + std::to_string(i)).Caption = std::to_string(std::max(0, goodStock(s, i - 1)));
      ctl("AmountLbl" + std::to_string(i)).Caption = std::to_string(amount_[i - 1]);
    }
    ctl("PriceLbl").Caption = (mode_ == 1 ? "- " : "+ ") + std::to_string(gold());
    ctl("ModeBtn").Visible = mode_ != 3;
    g_.ShowText(ctl("ModeBtn"), mode_ == 1 ? txt::campaign1::Sell : txt::campaign1::Buy);  // the other mode: sell / buy
    g_.ShowText(ctl("Noanibtn"), mode_ == 3 ? txt::captions::Refuse : txt::captions::Cancel);
    if (mode_ == 3) {
      g_.ShowText(ctl("MsgLbl"), txt::campaign::KingsLevy);
      ctl("ValueLbl").Caption = g_.text(txt::campaign::ProvisionsWorth) + ": " + std::to_string(levyValue(amount_)) +
                                " / " + std::to_string(kLevyValue);
    } else {
      ctl("MsgLbl").Caption.clear();
      ctl("ValueLbl").Caption.clear();
    }
    ctl("HintLbl").Caption.clear();
  }

  int mode_ = 1;  // the mode on view
  int held_ = -1;
  GoodsAmounts amount_{};
};
FIEF_REGISTER_FORM(GarryFrm);

void showProvisionsQuestion(Game& g, ProvisionsQuestion& q) {
  auto& f = g.form<GarryFrm>("GarryFrm");
  f.openMode = 3;
  f.question = &q;
  f.showModal();
  f.question = nullptr;
}

void setGarryMode(Game& g, int mode) { g.form<GarryFrm>("GarryFrm").openMode = static_cast<uint8_t>(mode); }

namespace {
const bool kGarryModeField = [] {
  registerViewField("GarryMode", byteViewField(
                                     [](Game& g, bool create) -> uint8_t* {
                                       if (!create && !g.formExists("GarryFrm")) return nullptr;
                                       return &g.form<GarryFrm>("GarryFrm").openMode;
                                     },
                                     1));
  return true;
}();
}  // namespace

void GarryTradeTick(Game& g, int direction) {
  if (!g.formExists("GarryFrm")) return;
  auto& f = g.form<GarryFrm>("GarryFrm");
  if (f.Visible) f.tick(direction);
}

}  // namespace fief
