// The event screen GarryFrm: goods weighed against gold with press-and-hold amount
// buttons. Mode 1 buys goods from the garrison's stores, mode 2 sells goods to it (both
// opened from the garrison on the map, ModeBtn switches between them), mode 3 sends the
// King's marshal the provisions he asked for (opened by accepting event kind 1).
#include "campaign/game.h"
#include "state/arith.h"
#include "turn/turn.h"
#include "ui/form.h"

namespace fief {

namespace {

constexpr int kGoods = 5;  // crops, meat, wood, stone, ore
constexpr int kGoodCaption[kGoods] = {5, 6, 2, 3, 4};  // status words of captions.loc
// Gold per unit by mode: what the garrison asks (1), what it pays (2), what the crown
// pays for provisions (3).
constexpr int kPrice[3][kGoods] = {{2, 6, 3, 4, 5}, {1, 3, 1, 2, 2}, {1, 2, 1, 1, 1}};
// The value of the provisions (at the garrison's prices) that satisfies the marshal.
constexpr long long kLevyValue = 2000;
constexpr int kStep = 10;

int32_t& stock(GameState& s, int good) {
  switch (good) {
    case 0: return s.Crops;
    case 1: return s.Meat;
    case 2: return s.Wood;
    case 3: return s.Stone;
    default: return s.Ore;
  }
}
int32_t stock(const GameState& s, int good) { return stock(const_cast<GameState&>(s), good); }

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
    for (int i = 1; i <= kGoods; ++i) {
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
    // A refusal of the confirmation, below the goods and beside the price.
    add(label("HintLbl", 28, 330, 262, 24)).FontSize = 10;
    add(button("ModeBtn", 40, 360, 120, 40));
    add(button("OkAniBtn", 280, 360, 120, 40, "OK"));
    add(button("Noanibtn", 416, 360, 120, 40, "Cancel"));
    onClick("ModeBtn", [this] { switchMode(); });
    onClick("OkAniBtn", [this] { confirm(); });
    onClick("Noanibtn", [this] { refuse(); });
  }

  void Form_Load() override {
    mode_ = g_.s.GarryMode >= 1 && g_.s.GarryMode <= 3 ? g_.s.GarryMode : 1;
    amount_.fill(0);
    for (int i = 1; i <= kGoods; ++i) g_.ShowText(ctl("GoodLbl" + std::to_string(i)), kGoodCaption[i - 1], 3);
    g_.ShowText(ctl("TitleLbl"), 90, 3);
    g_.ShowText(ctl("OkAniBtn"), 22, 3);
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

 private:
  // The gold the amounts cost (mode 1) or bring (modes 2, 3).
  long long gold() const {
    long long v = 0;
    for (int i = 0; i < kGoods; ++i) v += static_cast<long long>(amount_[i]) * kPrice[mode_ - 1][i];
    return v;
  }
  // The provisions' value at the garrison's prices.
  long long levyValue() const {
    long long v = 0;
    for (int i = 0; i < kGoods; ++i) v += static_cast<long long>(amount_[i]) * kPrice[0][i];
    return v;
  }

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
    GameState& s = g_.s;
    int& a = amount_[good];
    if (dir < 0) {
      if (a < kStep) return;
      a -= kStep;
    } else {
      // Buying is limited by the gold, selling and sending by the stock.
      if (mode_ == 1 && gold() + static_cast<long long>(kStep) * kPrice[0][good] > s.Gold) return;
      if (mode_ != 1 && a + kStep > stock(s, good)) return;
      a += kStep;
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
    GameState& s = g_.s;
    if (mode_ == 3 && levyValue() < kLevyValue) {
      g_.ShowText(ctl("HintLbl"), 17, 4);
      return;
    }
    const long long money = gold();
    for (int i = 0; i < kGoods; ++i) fief::add(stock(s, i), mode_ == 1 ? amount_[i] : -amount_[i]);
    if (mode_ == 1) fief::add(s.Gold, -money);
    else if (mode_ == 2) fief::add(s.Gold, money);
    else {
      fief::add(s.Gold, money);
      fief::add(s.Nobility, 5);
      fief::add(s.Morale, 5);
      fief::add(s.Religion, 2);
      fief::add(s.Happiness, -3);
    }
    close();
  }

  void refuse() {
    if (mode_ == 3) {
      GameState& s = g_.s;
      fief::add(s.Happiness, -12);
      fief::add(s.Morale, -15);
      fief::add(s.Nobility, -23);
      fief::add(s.Religion, -4);
    }
    close();
  }

  void display() {
    const GameState& s = g_.s;
    for (int i = 1; i <= kGoods; ++i) {
      ctl("StockLbl" + std::to_string(i)).Caption = std::to_string(stock(s, i - 1));
      ctl("AmountLbl" + std::to_string(i)).Caption = std::to_string(amount_[i - 1]);
    }
    ctl("PriceLbl").Caption = (mode_ == 1 ? "- " : "+ ") + std::to_string(gold());
    ctl("ModeBtn").Visible = mode_ != 3;
    g_.ShowText(ctl("ModeBtn"), mode_ == 1 ? 128 : 135, 4);  // the other mode: sell / buy
    g_.ShowText(ctl("Noanibtn"), mode_ == 3 ? 28 : 23, 3);
    if (mode_ == 3) g_.ShowText(ctl("MsgLbl"), 106, 1);
    else ctl("MsgLbl").Caption.clear();
    ctl("HintLbl").Caption.clear();
  }

  int mode_ = 1;
  int held_ = -1;
  std::array<int, kGoods> amount_{};
};
FIEF_REGISTER_FORM(GarryFrm);

void GarryTradeTick(Game& g, int direction) {
  if (!g.formExists("GarryFrm")) return;
  auto& f = g.form<GarryFrm>("GarryFrm");
  if (f.Visible) f.tick(direction);
}

}  // namespace fief
