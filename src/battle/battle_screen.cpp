#include "battle/battle_screen.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "campaign/game.h"
#include "military/units.h"

namespace fief::battle {

BattleSession*& currentSession() {
  static BattleSession* s = nullptr;
  return s;
}

bool BattleSession::finishAndHandBack(const Folders& where) {
  if (handedBack) return true;
  battle->finish();
  std::string err;
  if (!handBack(where, battle->result(), err)) {
    error = err;
    return false;
  }
  handedBack = true;
  return true;
}

}  // namespace fief::battle

namespace fief {

using namespace battle;

namespace {

constexpr const char* kStepTimer = "BattleStepTimer";
constexpr const char* kFadeTimer = "BattleFadeTimer";

std::string formName(int i, const char* what) { return fmt::format("Form{}{}", i, what); }
std::string armyName(int a, const char* what) { return fmt::format("Army{}{}", a, what); }

// The army's colour darkened enough to be read on parchment.
uint32_t inkOf(uint32_t fileColour) {
  const int r = fileColour & 0xFF, g = (fileColour >> 8) & 0xFF, b = (fileColour >> 16) & 0xFF;
  auto dark = [](int c) { return static_cast<uint32_t>(c * 55 / 100); };
  return dark(r) << 16 | dark(g) << 8 | dark(b);
}

const char* stateWord(FormState s) {
  switch (s) {
    case FormState::Advancing: return "advancing";
    case FormState::Fighting: return "fighting";
    case FormState::Shooting: return "shooting";
    case FormState::Holding: return "holding";
    case FormState::Fleeing: return "fleeing";
    case FormState::Gone: return "gone";
  }
  return "";
}

std::string armyTitle(const ArmyState& a, int index) {
  return a.name.empty() ? fmt::format("Army {}", index + 1) : a.name;
}

}  // namespace

BattleFrm::BattleFrm(Game& g) : Form(g, "BattleFrm") {
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
  for (const char* b : {"SlowerBtn", "FasterBtn", "PauseBtn", "FinishBtn", "ContinueBtn"})
    add(button(b, 0, 0, 100, 30)).Panel = "ArmyPanel";
  ctl("SlowerBtn").Caption = "Slower";
  ctl("FasterBtn").Caption = "Faster";
  ctl("FinishBtn").Caption = "Finish now";
  ctl("ContinueBtn").Caption = "Return to the campaign";
  add(label("SpeedLbl", 0, 0, 100, 20)).Panel = "ArmyPanel";
  for (int i = 0; i < kFormationSlots; ++i) {
    Control& img = add(image(formName(i, "Img"), 0, 0, 40, 40));
    img.Visible = false;
    img.Z = 1;
    Control& lbl = add(label(formName(i, "Lbl"), 0, 0, 40, 16));
    lbl.Visible = false;
    lbl.Picture = "tooltip";
    lbl.Align = 1;
    lbl.Z = 2;
  }
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
  hint.Visible = false;

  onClick("SlowerBtn", [this] { faster(-1); });
  onClick("FasterBtn", [this] { faster(1); });
  onClick("PauseBtn", [this] { togglePause(); });
  onClick("FinishBtn", [this] { finishNow(); });
  on("ContinueBtn", Ev::MouseDown, [this](const EventArgs&) { continuePressedAt_ = g_.shell.nowMs(); });
  onClick("ContinueBtn", [this] {
    if (continuePressedAt_ < 0 || tooSoonForTheWayBack(continuePressedAt_)) return;
    returnToCampaign();
  });
  for (int i = 0; i < kFormationSlots; ++i) {
    on(formName(i, "Img"), Ev::MouseMove, [this, i](const EventArgs&) { hover(i); });
    on(formName(i, "Lbl"), Ev::MouseMove, [this, i](const EventArgs&) { hover(i); });
  }
}

void BattleFrm::layout() {
  g_.optim.displaySize(W_, H_);
  panelH_ = std::max(130, H_ * 21 / 100);
  const int fieldH = H_ - panelH_;
  unit_ = std::clamp(W_ / 28, 26, 48);

  Control& p = ctl("ArmyPanel");
  p.Left = 0, p.Top = fieldH, p.Width = W_, p.Height = panelH_;
  // Four army columns on the left, the commands on the right.
  const int pad = 22, cmdW = std::max(200, W_ / 5);
  const int colW = (W_ - cmdW - 2 * pad) / kMaxFightArmies;
  const int big = W_ >= 1200 ? 13 : 11, small = W_ >= 1200 ? 11 : 9;
  const int lineH = small * 2 + 4;
  for (int a = 0; a < kMaxFightArmies; ++a) {
    const int x = pad + a * colW;
    int y = pad - 4;
    Control& n = ctl(armyName(a, "NameLbl"));
    n.Left = x, n.Top = y, n.Width = colW - 10, n.Height = big * 2 + 6, n.FontSize = big;
    y += n.Height;
    Control& s = ctl(armyName(a, "SoldiersLbl"));
    s.Left = x, s.Top = y, s.Width = colW - 10, s.Height = lineH, s.FontSize = small;
    y += lineH;
    Control& m = ctl(armyName(a, "MoraleLbl"));
    m.Left = x, m.Top = y, m.Width = colW - 10, m.Height = lineH, m.FontSize = small;
    y += lineH;
    Control& bar = ctl(armyName(a, "MoraleBar"));
    bar.Left = x, bar.Top = y + 2, bar.Width = colW - 24, bar.Height = std::max(10, panelH_ / 12);
  }
  const int bx = W_ - cmdW - pad + 6, bw = (cmdW - 6) / 2 - 3;
  const int bh = std::clamp(panelH_ / 5, 26, 38);
  int y = pad - 6;
  Control& slower = ctl("SlowerBtn");
  slower.Left = bx, slower.Top = y, slower.Width = bw, slower.Height = bh, slower.FontSize = small;
  Control& faster = ctl("FasterBtn");
  faster.Left = bx + bw + 6, faster.Top = y, faster.Width = bw, faster.Height = bh, faster.FontSize = small;
  y += bh + 2;
  Control& speed = ctl("SpeedLbl");
  speed.Left = bx, speed.Top = y, speed.Width = 2 * bw + 6, speed.Height = lineH, speed.FontSize = small, speed.Align = 1;
  y += lineH;
  Control& pause = ctl("PauseBtn");
  pause.Left = bx, pause.Top = y, pause.Width = bw, pause.Height = bh, pause.FontSize = small;
  Control& finish = ctl("FinishBtn");
  finish.Left = bx + bw + 6, finish.Top = y, finish.Width = bw, finish.Height = bh, finish.FontSize = small;
  Control& cont = ctl("ContinueBtn");
  cont.Left = bx, cont.Top = y, cont.Width = 2 * bw + 6, cont.Height = bh, cont.FontSize = small;

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
  hint.Width = W_ / 2, hint.Height = small * 2 + 8;
  hint.Left = (W_ - hint.Width) / 2, hint.Top = fieldH - hint.Height - 6;
  for (int i = 0; i < kFormationSlots; ++i) {
    Control& img = ctl(formName(i, "Img"));
    img.Width = img.Height = unit_;
    Control& lbl = ctl(formName(i, "Lbl"));
    lbl.Width = unit_ + 16, lbl.Height = small * 2 + 4, lbl.FontSize = small - 1;
  }
}

void BattleFrm::Form_Load() {
  layout();
  BattleSession* s = session();
  endShown_ = false;
  continuePressedAt_ = -1;
  meleeHeard_ = false;
  TimerSet& t = g_.timers;
  if (!t.find(kStepTimer)) t.add(kStepTimer, false, kStepMs);
  if (!t.find(kFadeTimer)) t.add(kFadeTimer, false, 30);
  t.setNow(g_.shell.nowMs());
  if (!s) {
    // Nothing was handed over: an empty field and a word why.
    Background = "bg_BattleFrm";
    for (const char* c : {"SlowerBtn", "FasterBtn", "PauseBtn", "FinishBtn", "SpeedLbl"}) ctl(c).Visible = false;
    for (int a = 0; a < kMaxFightArmies; ++a)
      for (const char* w : {"NameLbl", "SoldiersLbl", "MoraleLbl", "MoraleBar"}) ctl(armyName(a, w)).Visible = false;
    ctl("ResultLbl").Caption = "No battle";
    ctl("SummaryLbl").Caption = "The campaign has handed no battle over.";
    ctl("ContinueBtn").Caption = "Close";
    return;
  }
  Background = s->hand.mapPath;
  const auto& armies = s->battle->armies();
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
  if (s->battle->over()) showEnd();
  else t.enable(kStepTimer);
  refresh();
}

void BattleFrm::Form_Unload() {
  g_.timers.disable(kStepTimer);
  g_.timers.disable(kFadeTimer);
  g_.shell.stopSound(kMusicChannel);
}

void BattleFrm::Form_KeyUp(Key k) {
  switch (k) {
    case Key::Add: faster(1); break;
    case Key::Subtract: faster(-1); break;
    case Key::P: togglePause(); break;
    case Key::Enter:
    case Key::Escape:
      if (endShown_ || !session()) {
        if (!tooSoonForTheWayBack(g_.shell.nowMs())) returnToCampaign();
      } else {
        finishNow();
      }
      break;
    default: break;
  }
}

void BattleFrm::stepOnce() {
  BattleSession* s = session();
  if (!s || paused_) return;
  s->battle->step();
  refresh();
  if (s->battle->over()) showEnd();
}

void BattleFrm::finishNow() {
  BattleSession* s = session();
  if (!s) return;
  g_.PlaySound(kClickChannel, "click01.wav");
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
  if (!session() || endShown_) return;
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

void BattleFrm::place(int i, const Formation& f) {
  Control& img = ctl(formName(i, "Img"));
  Control& lbl = ctl(formName(i, "Lbl"));
  const bool shown = f.count > 0 && f.state != FormState::Gone;
  img.Visible = lbl.Visible = shown;
  if (!shown) return;
  // The field maps onto the screen above the panel, inset so that every formation with
  // its label stays whole on the screen.
  const int fieldH = H_ - panelH_;
  const int mx = unit_ / 2 + 8, top = unit_ / 2 + 4, bottom = unit_ / 2 + lbl.Height + 4;
  const int cx = mx + static_cast<int>(std::lround(f.x / kFieldW * (W_ - 2 * mx)));
  const int cy = top + static_cast<int>(std::lround(f.y / kFieldH * (fieldH - top - bottom)));
  img.Picture = fmt::format("sold{}res", typeNumber(kRosterUnits[f.slot]));
  img.Left = std::clamp(cx - unit_ / 2, 0, W_ - unit_);
  img.Top = std::clamp(cy - unit_ / 2, 0, fieldH - unit_ - lbl.Height);
  img.Enabled = f.state != FormState::Fleeing;  // the fleeing are drawn faded
  lbl.Left = std::clamp(img.Left - 8, 0, W_ - lbl.Width);
  lbl.Top = img.Top + unit_;
  lbl.Caption = std::to_string(f.count);
  lbl.ForeColor = inkOf(session()->battle->armies()[f.army].colour);
}

void BattleFrm::separateLabels() {
  // Formations that meet stand on the same spot, so their counts would be written over
  // each other and over the pictures of the formations they meet. Each label in turn takes
  // the first free place of: below its picture, above it, to its right and left, then
  // further below and above; a free place touches no other count, no formation's picture
  // and neither the shown result nor the hint line. A label with no free place nearby is
  // left out (the panel still counts its army, and pointing at the formation names it).
  struct Box {
    int l, t, r, b;
    bool meets(const Box& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
  };
  auto boxOf = [](const Control& c) { return Box{c.Left, c.Top, c.Left + c.Width, c.Top + c.Height}; };
  std::vector<Box> taken;
  for (const char* banner : {"ResultLbl", "SummaryLbl", "HintLbl"})
    if (ctl(banner).Visible) taken.push_back(boxOf(ctl(banner)));
  for (int i = 0; i < kFormationSlots; ++i)
    if (const Control& img = ctl(formName(i, "Img")); img.Visible) taken.push_back(boxOf(img));
  const int fieldH = H_ - panelH_;
  for (int i = 0; i < kFormationSlots; ++i) {
    Control& lbl = ctl(formName(i, "Lbl"));
    if (!lbl.Visible) continue;
    const Control& img = ctl(formName(i, "Img"));
    const int w = lbl.Width, h = lbl.Height, below = img.Top + unit_, above = img.Top - h;
    const int under = std::clamp(img.Left - 8, 0, std::max(0, W_ - w)), beside = img.Top + (unit_ - h) / 2;
    const std::pair<int, int> places[] = {{under, below},     {under, above},     {img.Left + unit_ + 1, beside},
                                          {img.Left - w - 1, beside}, {under, below + h}, {under, above - h},
                                          {under, below + 2 * h}, {under, above - 2 * h}};
    bool placed = false;
    for (auto [left, top] : places) {
      if (left < 0 || left + w > W_ || top < 0 || top + h > fieldH) continue;
      const Box b{left, top, left + w, top + h};
      bool free = true;
      for (const Box& o : taken) free = free && !b.meets(o);
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

void BattleFrm::hover(int i) {
  BattleSession* s = session();
  if (!s || !s->hand.tooltips()) return;
  const auto& forms = s->battle->formations();
  if (i >= static_cast<int>(forms.size())) return;
  hovered_ = i;
  const Formation& f = forms[i];
  Control& hint = ctl("HintLbl");
  hint.Caption = fmt::format("{} {} of {}: {}", f.count, kUnitStats[f.slot].name,
                             armyTitle(s->battle->armies()[f.army], f.army), stateWord(f.state));
  hint.Visible = true;
  separateLabels();  // no count under the hint line
}

void BattleFrm::refresh() {
  BattleSession* s = session();
  if (!s) return;
  const Battle& b = *s->battle;
  const auto& forms = b.formations();
  for (int i = 0; i < kFormationSlots; ++i) {
    if (i < static_cast<int>(forms.size())) place(i, forms[i]);
    else ctl(formName(i, "Img")).Visible = ctl(formName(i, "Lbl")).Visible = false;
  }
  if (hovered_ >= 0 && ctl("HintLbl").Visible) hover(hovered_);  // the named formation as it is now
  separateLabels();
  bool melee = false;
  for (const Formation& f : forms) melee = melee || f.state == FormState::Fighting;
  if (melee && !meleeHeard_) {
    meleeHeard_ = true;
    g_.PlaySound(kEventChannel, "siege01.wav");
  }
  const auto& armies = b.armies();
  for (int a = 0; a < static_cast<int>(armies.size()) && a < kMaxFightArmies; ++a) {
    const ArmyState& st = armies[a];
    ctl(armyName(a, "SoldiersLbl")).Caption = fmt::format("Soldiers: {} of {}", st.count, st.start);
    ctl(armyName(a, "MoraleLbl")).Caption =
        st.routed ? fmt::format("Morale {} - fled", static_cast<int>(st.morale))
                  : fmt::format("Morale {}", static_cast<int>(st.morale));
    ctl(armyName(a, "MoraleBar")).Value = static_cast<int>(st.morale);
  }
  ctl("SpeedLbl").Caption = paused_ ? "Paused" : fmt::format("Speed {}x  -  step {}", speed(), b.steps());
  ctl("PauseBtn").Caption = paused_ ? "Resume" : "Pause";
}

void BattleFrm::showEnd() {
  BattleSession* s = session();
  if (!s || endShown_) return;
  endShown_ = true;
  endShownAt_ = g_.shell.nowMs();
  continuePressedAt_ = -1;
  g_.timers.disable(kStepTimer);
  const FightOut r = s->battle->result();
  Control& res = ctl("ResultLbl");
  res.Caption = r.won() ? "Victory" : "Defeat";
  res.ForeColor = r.won() ? kMetColour : kWarningColour;
  res.Visible = true;
  Control& sum = ctl("SummaryLbl");
  sum.Caption = fmt::format("Our dead: {}   Enemy dead: {}", r.OurDead, r.EnemyDead);
  sum.Visible = true;
  for (const char* c : {"SlowerBtn", "FasterBtn", "PauseBtn", "FinishBtn", "HintLbl"}) ctl(c).Visible = false;
  ctl("SpeedLbl").Caption = fmt::format("The battle is over after {} steps", s->battle->steps());
  ctl("ContinueBtn").Visible = true;
  separateLabels();  // no count under the result
  g_.shell.stopSound(kMusicChannel);
  g_.PlaySound(kEventChannel, r.won() ? "victory.wav" : "defeat.wav");
}

FIEF_REGISTER_FORM(BattleFrm);

}  // namespace fief
