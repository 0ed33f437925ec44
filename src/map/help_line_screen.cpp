#include "map/help_line.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "map/camp1_frm.h"
#include "state/arith.h"
#include "text_names.h"
#include "ui/game.h"
#include "ui/input.h"

namespace fief {

extern const char* const kHelpLinesJson;  // data/screens/help_lines.json, embedded by the build

namespace {

const nlohmann::json& helpLines() {
  static const nlohmann::json j = nlohmann::json::parse(kHelpLinesJson, nullptr, false);
  return j;
}

// The shrines and monuments with a holder code (CountyBlessings index by control).
int blessingOf(const std::string& c) {
  static const char* const names[10] = {"DolmenImg1", "ADolmenImg1", "CrossImg1", "ChapelImg1", "GChapelImg1",
                                        "HutImg1",    "ObeliskImg1", "StatueImg1", "TavernImg1", "HBattlefieldImg1"};
  for (int i = 0; i < 10; ++i)
    if (c == names[i]) return i;
  return -1;
}

// "ArmyCamp2Img" -> 2 (0 for any other control).
int campOf(const std::string& c) {
  if (c.size() == 12 && c.rfind("ArmyCamp", 0) == 0 && c.compare(9, 3, "Img") == 0 && c[8] >= '1' && c[8] <= '3')
    return c[8] - '0';
  return 0;
}

int fieldOf(const std::string& c) {
  if (c.rfind("FieldImg", 0) != 0) return 0;
  int n = std::atoi(c.c_str() + 8);
  return n >= 1 && n <= 10 ? n : 0;
}

std::string campLine(Game& g, int k) {
  return g.text(txt::campaign1::ArmyNames[k]) + " - " + numberText(g.s.ArmyCampSoldiers[k - 1]) + " " +
         g.text(txt::campaign1::Soldiers);
}

}  // namespace

void refreshCampHelp(Camp1Frm& f) {
  const int k = f.HelpCamp;
  if (k < 1 || k > 3) return;
  Game& g = f.game();
  const GameState& s = g.s;
  Control& line = f.ctl("Helper3");
  // The second line is the army's while it starts with the army's name.
  const std::string name = g.text(txt::campaign1::ArmyNames[k]);
  const bool lineIsCamp = line.Caption.rfind(name + " - ", 0) == 0;
  if (!isSet(s.CampExists[k - 1])) {
    if (lineIsCamp) line.Caption.clear();
    f.ctl("WalkLbl").Caption.clear();
    f.ctl("MoralLbl").Caption.clear();
    f.HelpCamp = 0;
  } else {
    if (lineIsCamp) line.Caption = campLine(g, k);
    f.ctl("WalkLbl").Caption = numberText(s.CampMovesLeft[k - 1]) + " / 3";
    f.ctl("MoralLbl").Caption = numberText(Int(s.Morale));
  }
  f.syncStatusIcons();
}

bool helpLineEntry(const std::string& control, int& table, int& entry) {
  const auto& j = helpLines();
  if (j.is_discarded()) return false;
  auto it = j.find("Camp1Frm." + control);
  // A status figure's icon says what its figure says ("GoldLblIcon" as "GoldLbl",
  // "BuildIcon" as "BuildLbl").
  const std::string icon = "Icon";
  if (it == j.end() && control.size() > icon.size() && control.compare(control.size() - icon.size(), icon.size(), icon) == 0) {
    const std::string base = control.substr(0, control.size() - icon.size());
    it = j.find("Camp1Frm." + base);
    if (it == j.end()) it = j.find("Camp1Frm." + base + "Lbl");
  }
  if (it == j.end() || !it->is_array() || it->size() != 2) return false;
  table = (*it)[0].get<int>();
  entry = (*it)[1].get<int>();
  return true;
}

void showHelpLine(Camp1Frm& f, const std::string& control, const EventArgs& a) {
  Game& g = f.game();
  const GameState& s = g.s;
  int table = 0, entry = 0;
  std::string text = helpLineEntry(control, table, entry) ? g.text(TextId{table, entry}) : std::string();
  std::string second;

  if (int k = campOf(control)) {
    // The army's name and size below, its moves and morale beside the help line.
    second = campLine(g, k);
    f.HelpCamp = k;
    f.ctl("WalkLbl").Caption = numberText(s.CampMovesLeft[k - 1]) + " / 3";
    f.ctl("MoralLbl").Caption = numberText(Int(s.Morale));
  } else if (int b = blessingOf(control); b >= 0) {
    const uint8_t holder = s.CountyBlessings[b];
    if (holder == 1) second = g.text(txt::missions::OwnBanner);
    else if (holder == 2 || holder == 3) second = g.text(txt::missions::RivalBanner);
  } else if (int n = fieldOf(control)) {
    const int kind = s.FieldKind[n - 1];
    if (kind <= kTaxField) second = g.text(txt::campaign1::FieldKindNames[kind]);
  }
  f.ctl("Helper").Caption = text;
  f.ctl("Helper3").Caption = second;
  f.syncStatusIcons();

  // The hover state for the tooltip.
  f.HoverText = text;
  f.HoverControl = control;
  f.HoverStyle = text.size() > static_cast<size_t>(kShortTooltip) ? 2 : 1;
  if (a.x >= 0 && a.y >= 0) {
    f.PointerX = a.x;
    f.PointerY = a.y;
  } else if (const Control* c = f.find(control)) {
    int x = 0, y = 0;
    f.screenRect(*c, x, y);
    f.PointerX = std::clamp(x + c->Width / 2, 0, f.Width);
    f.PointerY = std::clamp(y + c->Height / 2, 0, f.Height);
  }
}

void tooltipTick(Game& g) {
  if (!g.formExists("Camp1Frm")) return;
  auto& f = g.form<Camp1Frm>("Camp1Frm");
  Control& tip = f.ctl("TooltipLbl");
  // A dialog over the campaign screen ends the hover: the tooltip neither shows through
  // from behind it nor comes back, parked, when it closes.
  auto open = g.shell.openForms();
  if (open.empty() || open.back() != &f) {
    // The help line of the control the dialog was opened from goes with the hover, or it
    // would still name that button when the dialog closes over another place; a line the
    // rules wrote since (the new-message hint) stays.
    if (!f.HoverText.empty() && f.ctl("Helper").Caption == f.HoverText) {
      f.ctl("Helper").Caption.clear();
      f.ctl("Helper3").Caption.clear();
      f.syncStatusIcons();
    }
    f.clearHover();
  }
  // A control that went away under the pointer (a field kind button once chosen) takes
  // its tooltip with it; the pointer's next move over what lies there shows that one's.
  if (const Control* c = f.find(f.HoverControl); c && (!c->Visible || panelHidden(f, *c))) f.clearHover();
  if (f.HoverText.empty()) {
    tip.Visible = false;
    return;
  }
  tip.Caption = f.HoverText;
  tip.Width = std::min(f.HoverStyle == 2 ? kTooltipWidth2 : kTooltipWidth1, f.Width - 8);
  tip.Height = kTooltipHeight;
  // Under the pointer, kept inside the screen and off the status panel, whose figures it
  // would hide: above the pointer near the panel, above the panel over it.
  tip.Left = std::clamp(f.PointerX, 4, f.Width - tip.Width - 4);
  const int panel = f.Height - f.BottomStrip;
  if (f.PointerY >= panel) tip.Top = std::max(4, panel - tip.Height - 4);
  else if (f.PointerY + 30 + tip.Height > panel - 4) tip.Top = std::max(4, f.PointerY - 30 - tip.Height);
  else tip.Top = f.PointerY + 30;
  tip.Visible = true;
}

void Camp1Frm::installHelpLines() {
  if (Timer* t = g_.timers.find("TooltipsTimer")) t->Tick = [this] { tooltipTick(g_); };
  std::vector<std::string> names;
  for (const auto& c : controls())
    if (c.Name != "TooltipLbl") names.push_back(c.Name);
  // The bare screen (and the pointer leaving the window) has no help line: moving there
  // ends the hover.
  names.push_back(name());
  for (const auto& n : names)
    chain(n, Ev::MouseMove, [this, n](const EventArgs& a) { showHelpLine(*this, n, a); });
}

}  // namespace fief
