#include "battle/battle_window_screen.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "military/units.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief::battle {

BattleSession*& currentSession() {
  static BattleSession* s = nullptr;
  return s;
}

}  // namespace fief::battle

namespace fief {

using namespace battle;

namespace {

constexpr const char* kStepTimer = "BattleStepTimer";
constexpr const char* kFadeTimer = "BattleFadeTimer";
constexpr int kRetreatConfirmMs = 2000;
constexpr int kDragPx = 4;  // a press that moves less than this is a click, not a drag
constexpr const char* kDeployHint =
    "Deploy your formations in the marked zone: drag them, or choose one and click where it should stand. "
    "Then Fight! (Enter)";

std::string formName(int i, const char* what) { return fmt::format("Form{}{}", i, what); }
std::string armyName(int a, const char* what) { return fmt::format("Army{}{}", a, what); }
std::string dotName(int i) { return fmt::format("OrderDot{}", i); }
std::string figName(int i, int k) { return fmt::format("Form{}Fig{}", i, k); }

// The army's colour darkened enough to be read on parchment.
uint32_t inkOf(uint32_t fileColour) {
  const int r = fileColour & 0xFF, g = (fileColour >> 8) & 0xFF, b = (fileColour >> 16) & 0xFF;
  auto dark = [](int c) { return static_cast<uint32_t>(c * 55 / 100); };
  return dark(r) << 16 | dark(g) << 8 | dark(b);
}

// The figures come in the four colours the campaign gives its armies; any other colour of
// the hand-over is drawn in the nearest of them.
const char* figureColour(uint32_t fileColour) {
  struct C {
    const char* name;
    int r, g, b;
  };
  static const C kColours[] = {{"green", 0, 255, 0}, {"red", 255, 0, 0}, {"blue", 0, 0, 255}, {"yellow", 255, 255, 0}};
  const int r = fileColour & 0xFF, g = (fileColour >> 8) & 0xFF, b = (fileColour >> 16) & 0xFF;
  const C* best = &kColours[0];
  int bestD = -1;
  for (const C& c : kColours) {
    const int d = (c.r - r) * (c.r - r) + (c.g - g) * (c.g - g) + (c.b - b) * (c.b - b);
    if (bestD < 0 || d < bestD) best = &c, bestD = d;
  }
  return best->name;
}

std::string lowerName(const char* s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string armyTitle(const ArmyState& a, int index) {
  return a.name.empty() ? fmt::format("Army {}", index + 1) : a.name;
}

// What each command does, for its tooltip.
struct Tip {
  const char* control;
  const char* text;
};
constexpr Tip kTips[] = {
    {"FightBtn", "Begin the battle with your formations where they stand (Enter)"},
    {"HoldBtn", "The chosen formation holds its ground and fights what comes within reach (H)"},
    {"FallBackBtn", "The chosen formation falls back toward your edge and holds there (B)"},
    {"RetreatBtn", "The whole army leaves the field: the battle is lost, the survivors kept (R twice)"},
    {"AllAttackBtn", "Every formation attacks the nearest foe (A)"},
    {"AllHoldBtn", "Every formation holds its ground (G)"},
    {"FinishBtn", "Fight the rest of the battle at once (Enter)"},
    {"SlowerBtn", "Slower (-)"},
    {"FasterBtn", "Faster (+)"},
    {"PauseBtn", "Pause or resume the battle; orders can be given while paused (P)"},
    {"ContinueBtn", "Hand the results to the campaign (Enter)"},
};

const char* kCommandButtons[] = {"FightBtn", "HoldBtn", "FallBackBtn", "RetreatBtn", "AllAttackBtn", "AllHoldBtn",
                                 "FinishBtn", "SlowerBtn", "FasterBtn",   "PauseBtn",   "ContinueBtn"};

}  // namespace

BattleFrm::BattleFrm(Game& g) : Form(g, "BattleFrm") {
  // The field under everything: presses on it order marches and deployments.
  Control& field = add(image("FieldImg", 0, 0, 100, 100));
  field.Z = 0;
  Control& zone = add(label("DeployZone", 0, 0, 100, 100));
  zone.Picture = "deploy_zone";
  zone.Inert = true;
  zone.Z = 0;
  add(panel("ArmyPanel", 0, 0, 100, 100)).Picture = "panel";
  for (int a = 0; a < kMaxFightArmies; ++a) {
    Control& n = add(label(armyName(a, "NameLbl"), 0, 0, 100, 20));
    n.Title = true;
    n.Panel = "ArmyPanel";
    add(label(armyName(a, "SoldiersLbl"), 0, 0, 100, 20)).Panel = "ArmyPanel";
    add(label(armyName(a, "MoraleLbl"), 0, 0, 100, 20)).Panel = "ArmyPanel";
    Control& bar = add(progressBar(armyName(a, "MoraleBar"), 0, 0, 100, 12));
    bar.Panel = "ArmyPanel";
    bar.Max = 100;
  }
  for (const char* b : kCommandButtons) add(button(b, 0, 0, 100, 30)).Panel = "ArmyPanel";
  ctl("FightBtn").Caption = "Fight!";
  ctl("HoldBtn").Caption = "Hold";
  ctl("FallBackBtn").Caption = "Fall back";
  ctl("RetreatBtn").Caption = "Retreat";
  ctl("AllAttackBtn").Caption = "All attack";
  ctl("AllHoldBtn").Caption = "All hold";
  ctl("SlowerBtn").Caption = "Slower";
  ctl("FasterBtn").Caption = "Faster";
  ctl("FinishBtn").Caption = "Finish now";
  ctl("ContinueBtn").Caption = "Return to the campaign";
  add(label("SpeedLbl", 0, 0, 100, 20)).Panel = "ArmyPanel";
  add(label("SelLbl", 0, 0, 100, 20)).Panel = "ArmyPanel";
  Control& ring = add(label("SelRing", 0, 0, 40, 40));
  ring.Picture = "battle_ring";
  ring.Inert = true;
  ring.Visible = false;
  ring.Z = 1;
  for (int i = 0; i < kFormationSlots; ++i) {
    // The block's figures, drawn only; over them the block's own box (no picture) takes
    // the pointer.
    for (int k = 0; k < kMaxFigures; ++k) {
      Control& fig = add(image(figName(i, k), 0, 0, 12, 12));
      fig.Inert = true;
      fig.Visible = false;
      fig.Z = 1;
    }
    Control& img = add(image(formName(i, "Img"), 0, 0, 40, 40));
    img.Visible = false;
    img.Z = 1;
    Control& lbl = add(label(formName(i, "Lbl"), 0, 0, 40, 16));
    lbl.Visible = false;
    lbl.Picture = "tooltip";
    lbl.Align = 1;
    lbl.Z = 2;
  }
  for (int i = 0; i < kOrderDots; ++i) {
    Control& d = add(image(dotName(i), 0, 0, 8, 8, "order_dot"));
    d.Inert = true;
    d.Visible = false;
    d.Z = 1;  // over the figures, under the counts
  }
  Control& mark = add(image("OrderMark", 0, 0, 24, 24));
  mark.Inert = true;
  mark.Visible = false;
  mark.Z = 2;
  Control& res = add(label("ResultLbl", 0, 0, 100, 60));
  res.Title = true;
  res.Align = 1;
  res.Picture = "tooltip";
  res.Z = 3;
  Control& sum = add(label("SummaryLbl", 0, 0, 100, 24));
  sum.Align = 1;
  sum.Picture = "tooltip";
  sum.Z = 3;
  Control& hint = add(label("HintLbl", 0, 0, 100, 22));
  hint.Picture = "tooltip";
  hint.Z = 3;
  hint.Inert = true;  // a tooltip never stands in the pointer's way
  hint.Visible = false;

  onClick("FightBtn", [this] { fight(); });
  onClick("HoldBtn", [this] { order(OrderKind::Hold); });
  onClick("FallBackBtn", [this] { order(OrderKind::FallBack); });
  onClick("RetreatBtn", [this] { order(OrderKind::Retreat); });
  onClick("AllAttackBtn", [this] { order(OrderKind::AllAttack); });
  onClick("AllHoldBtn", [this] { order(OrderKind::AllHold); });
  onClick("SlowerBtn", [this] { faster(-1); });
  onClick("FasterBtn", [this] { faster(1); });
  onClick("PauseBtn", [this] { togglePause(); });
  onClick("FinishBtn", [this] { finishNow(); });
  on("ContinueBtn", Ev::MouseDown, [this](const EventArgs&) { continuePressedAt_ = g_.shell.nowMs(); });
  onClick("ContinueBtn", [this] {
    if (continuePressedAt_ < 0 || tooSoonForTheWayBack(continuePressedAt_)) return;
    returnToCampaign();
  });
  // Tooltips (with the campaign's setting) on every command and on the panel's figures.
  auto onTip = [this](const std::string& control, std::string text) {
    on(control, Ev::MouseMove, [this, text](const EventArgs&) {
      if (session() && session()->hand.tooltips()) tip(text);
    });
  };
  for (const Tip& t : kTips) onTip(t.control, t.text);
  for (int a = 0; a < kMaxFightArmies; ++a) {
    for (const char* w : {"NameLbl", "SoldiersLbl"})
      onTip(armyName(a, w), "The army's soldiers still on the field, of those that went in");
    for (const char* w : {"MoraleLbl", "MoraleBar"})
      onTip(armyName(a, w),
            "Morale: losses lower it, monks and a living warlord steady it; below 15, after losing a fifth, the army flees");
  }
  onTip("SelLbl", "The chosen formation: click one of yours, or press N or its number");
  onTip("SpeedLbl", "The battle's speed and its step (at most 600 steps)");
  // Off the commands and the formations, the tooltip goes.
  on("ArmyPanel", Ev::MouseMove, [this](const EventArgs&) { tip({}); });
  on("FieldImg", Ev::MouseMove, [this](const EventArgs& a) {
    if (dragging_ >= 0) dragTo(a.x, a.y);
    else tip({});
  });
  on("FieldImg", Ev::MouseDown, [this](const EventArgs& a) { pressAt(a.x, a.y, a.button, -1); });
  on("FieldImg", Ev::MouseUp, [this](const EventArgs& a) { releaseAt(a.x, a.y); });
  for (int i = 0; i < kFormationSlots; ++i)
    for (const char* w : {"Img", "Lbl"}) {
      on(formName(i, w), Ev::MouseMove, [this, i](const EventArgs& a) {
        if (dragging_ >= 0) dragTo(a.x, a.y);
        else hover(i);
      });
      on(formName(i, w), Ev::MouseDown, [this, i](const EventArgs& a) { pressAt(a.x, a.y, a.button, i); });
      on(formName(i, w), Ev::MouseUp, [this](const EventArgs& a) { releaseAt(a.x, a.y); });
    }
}

void BattleFrm::layout() {
  g_.optim.displaySize(W_, H_);
  panelH_ = std::max(150, H_ * 21 / 100);
  const int fieldH = H_ - panelH_;
  fig_ = W_ >= 1200 ? 18 : W_ >= 1000 ? 15 : 13;

  Control& field = ctl("FieldImg");
  field.Left = 0, field.Top = 0, field.Width = W_, field.Height = fieldH;
  Control& p = ctl("ArmyPanel");
  p.Left = 0, p.Top = fieldH, p.Width = W_, p.Height = panelH_;
  // The armies' columns on the left, the chosen formation and the commands on the right.
  const int pad = 16, cmdW = std::max(330, W_ * 36 / 100);
  const BattleSession* s = session();
  const int armies = s ? std::clamp(static_cast<int>(s->battle->armies().size()), 1, kMaxFightArmies) : kMaxFightArmies;
  const int colW = (W_ - cmdW - 2 * pad) / armies;
  const int big = W_ >= 1200 ? 13 : 11, small = W_ >= 1200 ? 11 : 9;
  const int lineH = small * 2 + 4;
  for (int a = 0; a < kMaxFightArmies; ++a) {
    const int x = pad + a * colW;
    int y = pad - 4;
    Control& n = ctl(armyName(a, "NameLbl"));
    n.Left = x, n.Top = y, n.Width = colW - 10, n.Height = big * 2 + 6, n.FontSize = big;
    y += n.Height;
    Control& sl = ctl(armyName(a, "SoldiersLbl"));
    sl.Left = x, sl.Top = y, sl.Width = colW - 10, sl.Height = lineH, sl.FontSize = small;
    y += lineH;
    Control& m = ctl(armyName(a, "MoraleLbl"));
    m.Left = x, m.Top = y, m.Width = colW - 10, m.Height = lineH, m.FontSize = small;
    y += lineH;
    Control& bar = ctl(armyName(a, "MoraleBar"));
    bar.Left = x, bar.Top = y + 2, bar.Width = colW - 24, bar.Height = std::max(10, panelH_ / 14);
  }
  // Commands: the chosen formation, its orders and the army's, then the clock.
  const int bx = W_ - cmdW - pad + 6, gap = 5, bw = (cmdW - 6 - 2 * gap) / 3;
  const int bh = std::clamp(panelH_ / 6, 24, 36);
  int y = pad - 8;
  Control& sel = ctl("SelLbl");
  sel.Left = bx, sel.Top = y, sel.Width = cmdW - 6, sel.Height = small * 3 + 6, sel.FontSize = small;
  y += sel.Height + 2;
  auto row = [&](std::initializer_list<const char*> names) {
    int i = 0;
    for (const char* n : names) {
      Control& c = ctl(n);
      c.Left = bx + i * (bw + gap), c.Top = y, c.Width = bw, c.Height = bh, c.FontSize = small;
      ++i;
    }
    y += bh + 3;
  };
  row({"HoldBtn", "FallBackBtn", "RetreatBtn"});
  row({"AllAttackBtn", "AllHoldBtn", "FinishBtn"});
  Control& fightBtn = ctl("FightBtn");
  fightBtn.Left = ctl("FinishBtn").Left, fightBtn.Top = ctl("FinishBtn").Top;
  fightBtn.Width = bw, fightBtn.Height = bh, fightBtn.FontSize = small;
  const int finishTop = ctl("FinishBtn").Top;
  row({"SlowerBtn", "PauseBtn", "FasterBtn"});
  Control& speed = ctl("SpeedLbl");
  speed.Left = bx, speed.Top = y, speed.Width = cmdW - 6, speed.Height = std::min(lineH, panelH_ - y - 2);
  speed.FontSize = small, speed.Align = 1;
  Control& cont = ctl("ContinueBtn");
  cont.Left = bx + bw + gap, cont.Top = finishTop, cont.Width = 2 * bw + gap, cont.Height = bh, cont.FontSize = small;

  Control& zone = ctl("DeployZone");
  int zx0 = 0, zy0 = 0, zx1 = 0, zy1 = 0;
  toScreen(kFieldMargin, kFieldH - kDeployDepth, zx0, zy0);
  toScreen(kFieldW - kFieldMargin, kFieldH - kFieldMargin, zx1, zy1);
  zone.Left = zx0 - fig_, zone.Top = zy0 - fig_, zone.Width = zx1 - zx0 + 2 * fig_;
  zone.Height = std::min(fieldH - zone.Top, zy1 - zy0 + 2 * fig_);

  Control& res = ctl("ResultLbl");
  res.FontSize = W_ >= 1200 ? 34 : 26;
  res.Width = W_ / 2, res.Height = res.FontSize * 3 / 2 + 14;
  res.Left = (W_ - res.Width) / 2, res.Top = fieldH / 2 - res.Height;
  Control& sum = ctl("SummaryLbl");
  sum.FontSize = small + 1;
  sum.Width = W_ / 2, sum.Height = (small + 1) * 2 + 8;
  sum.Left = res.Left, sum.Top = res.Top + res.Height + 6;
  Control& hint = ctl("HintLbl");
  hint.FontSize = small;
  hint.Width = W_ * 2 / 3, hint.Height = small * 2 + 8;
  hint.Left = (W_ - hint.Width) / 2, hint.Top = fieldH - hint.Height - 6;
  for (int i = 0; i < kFormationSlots; ++i) {
    Control& lbl = ctl(formName(i, "Lbl"));
    lbl.Width = fig_ * 3 + 8, lbl.Height = small * 2 + 4, lbl.FontSize = small - 1;
  }
  for (int i = 0; i < kOrderDots; ++i) ctl(dotName(i)).Width = ctl(dotName(i)).Height = std::max(6, fig_ / 2);
  ctl("OrderMark").Width = ctl("OrderMark").Height = fig_ * 2;
}

void BattleFrm::toScreen(float fx, float fy, int& x, int& y) const {
  // The field maps onto the screen above the panel, inset so that every block with its
  // count stays whole on the screen.
  const int fieldH = H_ - panelH_;
  const int mx = fig_ * 3 + 6, top = fig_ * 2 + 4, bottom = fig_ * 2 + 30;
  x = mx + static_cast<int>(std::lround(fx / kFieldW * (W_ - 2 * mx)));
  y = top + static_cast<int>(std::lround(fy / kFieldH * (fieldH - top - bottom)));
}

void BattleFrm::toField(int x, int y, int& fx, int& fy) const {
  const int fieldH = H_ - panelH_;
  const int mx = fig_ * 3 + 6, top = fig_ * 2 + 4, bottom = fig_ * 2 + 30;
  fx = static_cast<int>(std::lround(static_cast<double>(x - mx) * kFieldW / std::max(1, W_ - 2 * mx)));
  fy = static_cast<int>(std::lround(static_cast<double>(y - top) * kFieldH / std::max(1, fieldH - top - bottom)));
}

std::string BattleFrm::unitLabel(int slot) const {
  // The game's own name of the unit type; the model's name when no texts were read.
  const std::string t = g_.text(txt::campaign1::UnitNames[typeNumber(kRosterUnits[slot])]);
  return t.empty() ? kUnitStats[slot].name : t;
}

void BattleFrm::Form_Load() {
  layout();
  BattleSession* s = session();
  endShown_ = false;
  continuePressedAt_ = -1;
  meleeHeard_ = arrowsHeard_ = false;
  selected_ = dragging_ = hovered_ = -1;
  retreatAskedAt_ = -1;
  TimerSet& t = g_.timers;
  if (!t.find(kStepTimer)) t.add(kStepTimer, false, kStepMs);
  if (!t.find(kFadeTimer)) t.add(kFadeTimer, false, 30);
  t.setNow(g_.shell.nowMs());
  if (!s) {
    // Nothing was handed over: an empty field and a word why.
    Background = "bg_BattleFrm";
    for (const char* c : kCommandButtons) ctl(c).Visible = false;
    for (const char* c : {"SpeedLbl", "SelLbl", "DeployZone"}) ctl(c).Visible = false;
    for (int a = 0; a < kMaxFightArmies; ++a)
      for (const char* w : {"NameLbl", "SoldiersLbl", "MoraleLbl", "MoraleBar"}) ctl(armyName(a, w)).Visible = false;
    ctl("ResultLbl").Caption = "No battle";
    ctl("SummaryLbl").Caption = "The campaign has handed no battle over.";
    Control& close = ctl("ContinueBtn");
    close.Caption = "Close";
    close.Visible = true;
    return;
  }
  Background = s->hand.mapPath;
  const auto& armies = s->battle->armies();
  hornHeard_.assign(armies.size(), false);
  for (int a = 0; a < kMaxFightArmies; ++a) {
    const bool there = a < static_cast<int>(armies.size());
    for (const char* w : {"NameLbl", "SoldiersLbl", "MoraleLbl", "MoraleBar"}) ctl(armyName(a, w)).Visible = there;
    if (!there) continue;
    Control& n = ctl(armyName(a, "NameLbl"));
    n.Caption = armyTitle(armies[a], a);
    n.ForeColor = inkOf(armies[a].colour);
  }
  ctl("ContinueBtn").Visible = false;
  ctl("ResultLbl").Visible = false;
  ctl("SummaryLbl").Visible = false;
  // The campaign's display settings: the volumes, the fade and the tooltips.
  g_.shell.setVolume(kMusicChannel, s->hand.musicAttenuation());
  for (const char* ch : {kEventChannel, kClickChannel, kScreenChannel})
    g_.shell.setVolume(ch, s->hand.soundAttenuation());
  if (g_.SoundAvailable && s->hand.in.Settings[kSetMusicVolume] > 0)
    g_.shell.playSound(kMusicChannel, "battlefield01.wav", true);
  if (s->hand.fade()) {
    int alpha = 255;
    g_.shell.setFade(alpha);
    t[kFadeTimer].Tick = [this, alpha]() mutable {
      alpha = std::max(0, alpha - 24);
      g_.shell.setFade(alpha);
      if (alpha == 0) g_.timers.disable(kFadeTimer);
    };
    t.enable(kFadeTimer);
  }
  t[kStepTimer].Tick = [this] { stepOnce(); };
  t.setInterval(kStepTimer, kStepMs / speed());
  paused_ = false;
  // A replay deploys as it was kept: it begins at once.
  deploying_ = s->battle->deploying() && !s->replaying;
  if (s->battle->over()) {
    showEnd();
  } else if (!deploying_) {
    t.enable(kStepTimer);
  } else {
    selectNext();
    tip(kDeployHint);
  }
  refresh();
}

void BattleFrm::Form_Unload() {
  g_.timers.disable(kStepTimer);
  g_.timers.disable(kFadeTimer);
  g_.shell.stopSound(kMusicChannel);
}

void BattleFrm::Form_KeyUp(Key k) {
  const BattleSession* s = session();
  const auto& forms = s ? s->battle->formations() : std::vector<Formation>{};
  switch (k) {
    case Key::Add: faster(1); break;
    case Key::Subtract: faster(-1); break;
    case Key::P: togglePause(); break;
    case Key::N: selectNext(); break;
    case Key::H: order(OrderKind::Hold); break;
    case Key::B: order(OrderKind::FallBack); break;
    case Key::A: order(OrderKind::AllAttack); break;
    case Key::G: order(OrderKind::AllHold); break;
    case Key::R:
      if (retreatAskedAt_ >= 0 && g_.shell.nowMs() - retreatAskedAt_ <= kRetreatConfirmMs) {
        retreatAskedAt_ = -1;
        order(OrderKind::Retreat);
      } else if (s && !endShown_) {
        retreatAskedAt_ = g_.shell.nowMs();
        tip("Press R again to retreat: the battle is lost, the survivors kept");
      }
      break;
    case Key::Enter:
    case Key::Escape:
      if (endShown_ || !s) {
        if (!tooSoonForTheWayBack(g_.shell.nowMs())) returnToCampaign();
      } else if (k == Key::Escape && selected_ >= 0) {
        select(-1);
      } else if (deploying_) {
        fight();
      } else {
        finishNow();
      }
      break;
    default:
      if (k >= Key::D1 && k <= Key::D9) {
        // The n-th formation of the player's army that still stands.
        int n = static_cast<int>(k) - static_cast<int>(Key::D1);
        for (size_t i = 0; i < forms.size(); ++i) {
          const Formation& f = forms[i];
          if (f.army != kPlayerArmy || f.count <= 0 || f.state == FormState::Gone) continue;
          if (n-- == 0) {
            select(static_cast<int>(i));
            break;
          }
        }
      }
      break;
  }
}

void BattleFrm::fight() {
  BattleSession* s = session();
  if (!s || !deploying_) return;
  deploying_ = false;
  g_.PlaySound(kClickChannel, "click01.wav");
  tip({});
  g_.timers.enable(kStepTimer);
  refresh();
}

void BattleFrm::stepOnce() {
  BattleSession* s = session();
  if (!s || paused_ || deploying_) return;
  s->battle->step();
  refresh();
  if (s->battle->over()) showEnd();
}

void BattleFrm::finishNow() {
  BattleSession* s = session();
  if (!s) return;
  g_.PlaySound(kClickChannel, "click01.wav");
  deploying_ = false;
  s->battle->finish();
  refresh();
  showEnd();
}

void BattleFrm::faster(int delta) {
  speed_ = std::clamp(speed_ + delta, 0, static_cast<int>(std::size(kSpeeds)) - 1);
  g_.timers.setInterval(kStepTimer, kStepMs / speed());
  g_.PlaySound(kClickChannel, "click01.wav");
  refresh();
}

void BattleFrm::togglePause() {
  if (!session() || endShown_ || deploying_) return;
  paused_ = !paused_;
  g_.PlaySound(kClickChannel, "click01.wav");
  refresh();
}

void BattleFrm::returnToCampaign() {
  BattleSession* s = session();
  if (s && !s->finishAndHandBack(g_.folders)) {
    g_.shell.messageBox("The battle's results could not be written: " + s->error);
  }
  g_.shell.endProgram();
}

void BattleFrm::select(int i) {
  const BattleSession* s = session();
  if (!s) return;
  const auto& forms = s->battle->formations();
  if (i >= 0 && (i >= static_cast<int>(forms.size()) || forms[i].army != kPlayerArmy || forms[i].count <= 0 ||
                 forms[i].state == FormState::Fleeing || forms[i].state == FormState::Gone))
    return;
  selected_ = i;
  refresh();
}

void BattleFrm::selectNext() {
  const BattleSession* s = session();
  if (!s) return;
  const auto& forms = s->battle->formations();
  const int n = static_cast<int>(forms.size());
  for (int k = 1; k <= n; ++k) {
    const int i = ((selected_ < 0 ? -1 : selected_) + k) % n;
    const Formation& f = forms[i];
    if (f.army == kPlayerArmy && f.count > 0 && f.state != FormState::Fleeing && f.state != FormState::Gone) {
      select(i);
      return;
    }
  }
}

void BattleFrm::order(OrderKind kind, int target, int x, int y) {
  BattleSession* s = session();
  if (!s || endShown_ || s->replaying) return;
  Order o;
  o.kind = kind;
  const bool wide = kind == OrderKind::AllAttack || kind == OrderKind::AllHold || kind == OrderKind::Retreat;
  if (!wide) {
    if (selected_ < 0) {
      tip("Choose one of your formations first: click on it, or press N");
      return;
    }
    o.formation = static_cast<int16_t>(selected_);
  }
  o.target = static_cast<int16_t>(target);
  o.x = static_cast<int16_t>(std::clamp(x, -32768, 32767));
  o.y = static_cast<int16_t>(std::clamp(y, -32768, 32767));
  const std::string why = s->give(o);
  if (!why.empty()) {
    std::string text = why;
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    tip(text);
    return;
  }
  g_.PlaySound(kClickChannel, "click01.wav");
  if (kind == OrderKind::Retreat) {
    g_.PlaySound(kEventChannel, "horn01.wav");
    selected_ = -1;
    if (s->battle->over()) {
      refresh();
      showEnd();
      return;
    }
  }
  refresh();
}

void BattleFrm::pressAt(int x, int y, MouseButton b, int formation) {
  const BattleSession* s = session();
  if (!s || endShown_) return;
  const auto& forms = s->battle->formations();
  if (formation >= static_cast<int>(forms.size())) formation = -1;
  const bool own = formation >= 0 && forms[formation].army == kPlayerArmy;
  int fx = 0, fy = 0;
  toField(x, y, fx, fy);
  if (b == MouseButton::Left) {
    if (own) {
      select(formation);
      if (deploying_ && selected_ == formation) dragging_ = formation, dragX_ = pressX_ = x, dragY_ = pressY_ = y;
    } else if (formation < 0 && selected_ >= 0 && deploying_) {
      order(OrderKind::Deploy, -1, fx, fy);
    } else if (formation < 0) {
      select(-1);
    } else {
      hover(formation);  // a foe: named in the hint
    }
    return;
  }
  // The right button orders the chosen formation: attack a foe, march to a point (or stand
  // there, in the deployment). A press that cannot apply does nothing.
  if (selected_ < 0 || own) return;
  if (formation >= 0) {
    if (!deploying_ && s->battle->foes(selected_, formation)) order(OrderKind::Attack, formation);
    return;
  }
  if (fx < 0 || fx > kFieldW || fy < 0 || fy > kFieldH) return;
  if (deploying_) {
    if (Battle::inDeployZone(static_cast<float>(fx), static_cast<float>(fy))) order(OrderKind::Deploy, -1, fx, fy);
  } else {
    order(OrderKind::Move, -1, fx, fy);
  }
}

void BattleFrm::dragTo(int x, int y) {
  dragX_ = x, dragY_ = y;
  refresh();  // the dragged block follows the pointer
}

void BattleFrm::releaseAt(int x, int y) {
  if (dragging_ < 0) return;
  const int f = dragging_;
  dragging_ = -1;
  if (std::abs(x - pressX_) + std::abs(y - pressY_) < kDragPx) {
    refresh();
    return;  // a click that chose the formation, not a drag
  }
  int fx = 0, fy = 0;
  toField(x, y, fx, fy);
  // Dropped outside the zone, the formation stands at the nearest point inside it.
  fx = std::clamp(fx, static_cast<int>(kFieldMargin), static_cast<int>(kFieldW - kFieldMargin));
  fy = std::clamp(fy, static_cast<int>(kFieldH - kDeployDepth), static_cast<int>(kFieldH - kFieldMargin));
  selected_ = f;
  order(OrderKind::Deploy, -1, fx, fy);
}

BlockBox BattleFrm::blockOf(int i) const {
  const Control& img = ctl(formName(i, "Img"));
  if (!img.Visible) return {};
  return {img.Left, img.Top, img.Left + img.Width, img.Top + img.Height};
}

void BattleFrm::placeBlocks() {
  // Each formation is a block of figures, one for every 25 soldiers (at most
  // kMaxFigures), five to a row. Blocks keep their spacing: a block that would touch one
  // placed before it takes the nearest free place around its own point.
  const BattleSession* s = session();
  const Battle& b = *s->battle;
  const auto& forms = b.formations();
  const int fieldH = H_ - panelH_;
  const int gapPx = 2;
  std::vector<BlockBox> placed;
  placed.reserve(forms.size());
  const bool moving = !deploying_ && !paused_ && !b.over();
  for (int i = 0; i < kFormationSlots; ++i) {
    Control& img = ctl(formName(i, "Img"));
    Control& lbl = ctl(formName(i, "Lbl"));
    if (i >= static_cast<int>(forms.size())) {
      img.Visible = lbl.Visible = false;
      continue;
    }
    const Formation& f = forms[i];
    const bool shown = f.count > 0 && f.state != FormState::Gone;
    img.Visible = lbl.Visible = shown;
    for (int k = 0; k < kMaxFigures; ++k) ctl(figName(i, k)).Visible = false;
    if (!shown) continue;
    const ArmyState& army = b.armies()[f.army];
    const int figures = std::clamp((f.count + 24) / 25, 1, kMaxFigures);
    const int cols = std::min(figures, 5), rows = (figures + cols - 1) / cols;
    img.Width = cols * fig_ + (rows > 1 ? fig_ / 2 : 0);
    img.Height = rows * fig_;
    // Facing: toward the foe it fights or makes for, else toward the enemy's side; away
    // from him when fleeing.
    bool right = f.army == 0 || f.army == 2;
    if (f.target >= 0 && f.target < static_cast<int>(forms.size()) && std::abs(forms[f.target].x - f.x) > 4)
      right = forms[f.target].x > f.x;
    if (f.state == FormState::Marching && std::abs(f.orderX - f.x) > 4) right = f.orderX > f.x;
    if (f.state == FormState::Fleeing) right = f.army == 2 ? false : f.army == 3 ? true : !right;
    // Fighting and shooting figures strike in turn, walking ones step in turn; in the
    // deployment and while paused they stand.
    const bool striking = moving && (f.state == FormState::Fighting || f.state == FormState::Shooting);
    const bool walking = moving && (f.state == FormState::Advancing || f.state == FormState::Marching ||
                                    f.state == FormState::Fleeing);
    const std::string type = lowerName(kUnitStats[f.slot].name);
    const char* colour = figureColour(army.colour);
    auto figure = [&](int k) {
      const int pose = striking ? ((b.steps() + k) % 2 ? 2 : 0) : walking ? (b.steps() + k) % 2 : 0;
      return fmt::format("fig_{}_{}_{}_{}", type, pose, colour, right ? 'r' : 'l');
    };
    int cx = 0, cy = 0;
    if (i == dragging_) cx = dragX_, cy = dragY_;
    else toScreen(f.x, f.y, cx, cy);
    const int w = img.Width, h = img.Height;
    const int left0 = std::clamp(cx - w / 2, 0, W_ - w), top0 = std::clamp(cy - h / 2, 0, fieldH - h);
    // The nearest free place, searched in widening squares.
    const int step = std::max(2, fig_ / 2);
    int bestL = left0, bestT = top0;
    bool found = false;
    for (int ring = 0; ring <= 40 && !found; ++ring) {
      int bestD = -1;
      for (int dy = -ring; dy <= ring; ++dy)
        for (int dx = -ring; dx <= ring; ++dx) {
          if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
          const int l = left0 + dx * step, t = top0 + dy * step;
          if (l < 0 || t < 0 || l + w > W_ || t + h > fieldH) continue;
          const BlockBox box{l - gapPx, t - gapPx, l + w + gapPx, t + h + gapPx};
          bool free = true;
          for (const BlockBox& o : placed)
            if (box.meets(o)) {
              free = false;
              break;
            }
          const int d = dx * dx + dy * dy;
          if (free && (bestD < 0 || d < bestD)) bestD = d, bestL = l, bestT = t;
        }
      found = bestD >= 0;
    }
    if (!found) {
      img.Visible = lbl.Visible = false;  // no room anywhere near: the panel still counts it
      continue;
    }
    img.Left = bestL, img.Top = bestT;
    placed.push_back({bestL, bestT, bestL + w, bestT + h});
    // The figures, each row after the first set half a figure aside: a crowd, not a grid.
    for (int k = 0; k < figures; ++k) {
      Control& fig = ctl(figName(i, k));
      const int row = k / cols, col = k % cols;
      fig.Left = bestL + col * fig_ + (row % 2 ? fig_ / 2 : 0);
      fig.Top = bestT + row * fig_;
      fig.Width = fig.Height = fig_;
      fig.Picture = figure(k);
      fig.Enabled = f.state != FormState::Fleeing;  // the fleeing are drawn faded
      fig.Visible = true;
    }
    lbl.Caption = std::to_string(f.count);
    lbl.ForeColor = inkOf(army.colour);
    lbl.Left = std::clamp(img.Left + (w - lbl.Width) / 2, 0, W_ - lbl.Width);
    lbl.Top = img.Top + h;
  }
}

void BattleFrm::showSelection() {
  const BattleSession* s = session();
  Control& ring = ctl("SelRing");
  Control& sel = ctl("SelLbl");
  const auto& forms = s->battle->formations();
  if (selected_ >= 0 && (forms[selected_].count <= 0 || forms[selected_].state == FormState::Fleeing ||
                         forms[selected_].state == FormState::Gone))
    selected_ = -1;  // fallen or fled: nothing left to lead
  const BlockBox box = selected_ >= 0 ? blockOf(selected_) : BlockBox{};
  ring.Visible = selected_ >= 0 && box.r > box.l;
  if (ring.Visible) {
    const int m = 4;
    ring.Left = box.l - m, ring.Top = box.t - m, ring.Width = box.r - box.l + 2 * m, ring.Height = box.b - box.t + 2 * m;
  }
  if (selected_ < 0) {
    sel.Caption = endShown_      ? ""
                  : s->replaying ? "A kept battle fought again: it takes no orders"
                  : deploying_   ? "Choose a formation to place it"
                                 : "No formation chosen (click one, or N)";
    return;
  }
  const Formation& f = forms[selected_];
  std::string orderText = "its own choice";
  if (f.ordered) {
    switch (f.order) {
      case OrderKind::Attack:
        orderText = "attack " + unitLabel(forms[f.orderTarget].slot) + " of " +
                    armyTitle(s->battle->armies()[forms[f.orderTarget].army], forms[f.orderTarget].army);
        break;
      case OrderKind::Move: orderText = "march"; break;
      case OrderKind::Hold: orderText = "hold"; break;
      case OrderKind::FallBack: orderText = "fall back"; break;
      default: break;
    }
  }
  sel.Caption = fmt::format("{}: {} soldiers, morale {}, {}. Order: {}", unitLabel(f.slot), f.count,
                            static_cast<int>(s->battle->armies()[f.army].morale),
                            deploying_ ? "deployed" : stateWord(f.state), orderText);
}

void BattleFrm::showOrder() {
  // The chosen formation's order: a marker on its target or at its point, and dots from
  // the formation to it; a hold is marked beside the block.
  const BattleSession* s = session();
  Control& mark = ctl("OrderMark");
  for (int i = 0; i < kOrderDots; ++i) ctl(dotName(i)).Visible = false;
  mark.Visible = false;
  if (selected_ < 0) return;
  const Formation& f = s->battle->formations()[selected_];
  if (!f.ordered) return;
  const BlockBox from = blockOf(selected_);
  const int fx = (from.l + from.r) / 2, fy = (from.t + from.b) / 2;
  int tx = 0, ty = 0;
  switch (f.order) {
    case OrderKind::Attack: {
      const BlockBox t = blockOf(f.orderTarget);
      if (t.r <= t.l) return;
      tx = (t.l + t.r) / 2, ty = t.t - mark.Height / 2 - 2;  // above the target, not over it
      mark.Picture = "order_attack";
      break;
    }
    case OrderKind::Move:
    case OrderKind::FallBack:
      toScreen(f.orderX, f.orderY, tx, ty);
      mark.Picture = f.order == OrderKind::Move ? "order_move" : "order_fallback";
      break;
    case OrderKind::Hold:
      tx = from.r + mark.Width / 2, ty = from.t;
      mark.Picture = "order_hold";
      break;
    default: return;
  }
  const int fieldH = H_ - panelH_;
  mark.Left = std::clamp(tx - mark.Width / 2, 0, W_ - mark.Width);
  mark.Top = std::clamp(ty - mark.Height / 2, 0, fieldH - mark.Height);
  mark.Visible = true;
  if (f.order == OrderKind::Hold) return;
  for (int i = 0; i < kOrderDots; ++i) {
    Control& d = ctl(dotName(i));
    const double t = (i + 1.0) / (kOrderDots + 1.0);
    d.Left = std::clamp(static_cast<int>(fx + (tx - fx) * t) - d.Width / 2, 0, W_ - d.Width);
    d.Top = std::clamp(static_cast<int>(fy + (ty - fy) * t) - d.Height / 2, 0, fieldH - d.Height);
    d.Visible = true;
  }
}

void BattleFrm::separateLabels() {
  // Formations that meet stand close, so their counts would be written over each other
  // and over the blocks they meet. Each count in turn takes the first free place of: below
  // its block, above it, to its right and left, then further below and above; a free place
  // touches no other count, no block and neither the shown result nor the hint line. A
  // count with no free place nearby is left out (the panel still counts its army, and
  // pointing at the formation names it).
  auto boxOf = [](const Control& c) { return BlockBox{c.Left, c.Top, c.Left + c.Width, c.Top + c.Height}; };
  std::vector<BlockBox> taken;
  for (const char* banner : {"ResultLbl", "SummaryLbl", "HintLbl", "OrderMark"})
    if (ctl(banner).Visible) taken.push_back(boxOf(ctl(banner)));
  for (int i = 0; i < kFormationSlots; ++i)
    if (const Control& img = ctl(formName(i, "Img")); img.Visible) taken.push_back(boxOf(img));
  const int fieldH = H_ - panelH_;
  for (int i = 0; i < kFormationSlots; ++i) {
    Control& lbl = ctl(formName(i, "Lbl"));
    if (!lbl.Visible) continue;
    const Control& img = ctl(formName(i, "Img"));
    const int w = lbl.Width, h = lbl.Height, below = img.Top + img.Height, above = img.Top - h;
    const int under = std::clamp(img.Left + (img.Width - w) / 2, 0, std::max(0, W_ - w));
    const int beside = img.Top + (img.Height - h) / 2;
    const std::pair<int, int> places[] = {{under, below},     {under, above},     {img.Left + img.Width + 1, beside},
                                          {img.Left - w - 1, beside}, {under, below + h}, {under, above - h},
                                          {under, below + 2 * h}, {under, above - 2 * h}};
    bool placed = false;
    for (auto [left, top] : places) {
      if (left < 0 || left + w > W_ || top < 0 || top + h > fieldH) continue;
      const BlockBox b{left, top, left + w, top + h};
      bool free = true;
      for (const BlockBox& o : taken) free = free && !b.meets(o);
      if (!free) continue;
      lbl.Left = left;
      lbl.Top = top;
      taken.push_back(b);
      placed = true;
      break;
    }
    lbl.Visible = placed;
  }
}

void BattleFrm::tip(const std::string& text) {
  // The hint line under the field: tooltips (when the campaign's setting has them) and what
  // the player must know whatever the setting (a refused order, how to deploy). Empty: gone.
  Control& hint = ctl("HintLbl");
  if (text.empty() && deploying_) {
    // In the deployment the way to deploy stays on view when no tooltip is.
    hovered_ = -1;
    if (hint.Visible && hint.Caption == kDeployHint) return;
    hint.Caption = kDeployHint;
    hint.Visible = true;
  } else if (text.empty()) {
    if (!hint.Visible) return;
    hint.Visible = false;
    hovered_ = -1;
  } else {
    hint.Caption = text;
    hint.Visible = true;
  }
  separateLabels();  // no count under the hint line
}

void BattleFrm::hover(int i) {
  BattleSession* s = session();
  if (!s || !s->hand.tooltips()) return;
  const auto& forms = s->battle->formations();
  if (i >= static_cast<int>(forms.size())) return;
  const Formation& f = forms[i];
  const bool own = f.army == kPlayerArmy;
  std::string what = fmt::format("{}, {} soldiers of {}: {}", unitLabel(f.slot), f.count,
                                 armyTitle(s->battle->armies()[f.army], f.army),
                                 deploying_ ? "deployed" : stateWord(f.state));
  if (!own && selected_ >= 0 && !deploying_ && s->battle->foes(selected_, i)) what += " (right click: attack)";
  tip(what);
  hovered_ = i;
}

void BattleFrm::refresh() {
  BattleSession* s = session();
  if (!s) return;
  const Battle& b = *s->battle;
  placeBlocks();
  showSelection();
  showOrder();
  if (hovered_ >= 0 && ctl("HintLbl").Visible) hover(hovered_);  // the named formation as it is now
  separateLabels();
  ctl("DeployZone").Visible = deploying_;
  bool melee = false, shooting = false;
  for (const Formation& f : b.formations()) {
    melee = melee || f.state == FormState::Fighting;
    shooting = shooting || (f.state == FormState::Shooting && kUnitStats[f.slot].role == Role::Ranged);
  }
  if (melee && !meleeHeard_) {
    meleeHeard_ = true;
    g_.PlaySound(kEventChannel, "clash01.wav");
  }
  if (shooting && !arrowsHeard_) {
    arrowsHeard_ = true;
    g_.PlaySound(kScreenChannel, "arrows01.wav");
  }
  const auto& armies = b.armies();
  if (hornHeard_.size() != armies.size()) hornHeard_.assign(armies.size(), false);
  for (int a = 0; a < static_cast<int>(armies.size()) && a < kMaxFightArmies; ++a) {
    const ArmyState& st = armies[a];
    if (st.routed && !hornHeard_[a]) {
      hornHeard_[a] = true;  // the horn sounds the army's flight
      if (!(a == kPlayerArmy && b.retreated())) g_.PlaySound(kEventChannel, "horn01.wav");
    }
    ctl(armyName(a, "SoldiersLbl")).Caption = fmt::format("Soldiers: {} of {}", st.count, st.start);
    ctl(armyName(a, "MoraleLbl")).Caption =
        st.routed ? fmt::format("Morale {} - fled", static_cast<int>(st.morale))
                  : fmt::format("Morale {}", static_cast<int>(st.morale));
    ctl(armyName(a, "MoraleBar")).Value = static_cast<int>(st.morale);
  }
  const bool leading = !endShown_ && !s->replaying;
  ctl("FightBtn").Visible = deploying_ && !endShown_;
  ctl("FinishBtn").Visible = !deploying_ && !endShown_;
  for (const char* c : {"HoldBtn", "FallBackBtn"}) {
    ctl(c).Visible = !endShown_;
    ctl(c).Enabled = leading && selected_ >= 0;
  }
  for (const char* c : {"RetreatBtn", "AllAttackBtn", "AllHoldBtn"}) {
    ctl(c).Visible = !endShown_;
    ctl(c).Enabled = leading;
  }
  for (const char* c : {"SlowerBtn", "FasterBtn", "PauseBtn"}) ctl(c).Visible = !endShown_;
  ctl("PauseBtn").Enabled = !deploying_;
  if (!endShown_)
    ctl("SpeedLbl").Caption = deploying_ ? "Deployment: the battle has not begun"
                              : paused_  ? fmt::format("Paused at step {}", b.steps())
                                         : fmt::format("Speed {}x  -  step {}", speed(), b.steps());
  ctl("PauseBtn").Caption = paused_ ? "Resume" : "Pause";
}

void BattleFrm::showEnd() {
  BattleSession* s = session();
  if (!s || endShown_) return;
  endShown_ = true;
  deploying_ = false;
  dragging_ = -1;
  endShownAt_ = g_.shell.nowMs();
  continuePressedAt_ = -1;
  g_.timers.disable(kStepTimer);
  const FightOut r = s->battle->result();
  Control& res = ctl("ResultLbl");
  res.Caption = r.won() ? "Victory" : s->battle->retreated() ? "Retreat" : "Defeat";
  res.ForeColor = r.won() ? kMetColour : kWarningColour;
  res.Visible = true;
  Control& sum = ctl("SummaryLbl");
  sum.Caption = fmt::format("Our dead: {}   Enemy dead: {}", r.OurDead, r.EnemyDead);
  sum.Visible = true;
  selected_ = -1;
  ctl("HintLbl").Visible = false;
  refresh();
  ctl("SpeedLbl").Caption = fmt::format("The battle is over after {} steps", s->battle->steps());
  ctl("ContinueBtn").Visible = true;
  separateLabels();  // no count under the result
  g_.shell.stopSound(kMusicChannel);
  g_.PlaySound(kEventChannel, r.won() ? "victory.wav" : "defeat.wav");
}

FIEF_REGISTER_FORM(BattleFrm);

}  // namespace fief
