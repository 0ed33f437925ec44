// The army camp screen (disband, split, combine), the split and combine screens and the
// castle screen that marches the garrison out.
#include <algorithm>

#include "map/army_walk.h"
#include "military/armies.h"
#include "military/military_screens.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

namespace {
std::string armyName(Game& g, int camp) { return g.text(txt::campaign1::ArmyNames[camp]); }
std::string soldiersText(Game& g, long n) { return std::to_string(n) + " " + g.text(txt::campaign1::Soldiers); }

// Fourteen name / count rows in two columns, for the camp and castle screens.
void addCompositionGrid(Form& f, int left, int top, int width) {
  const int col = width / 2;
  for (int u = 0; u < kUnitCount; ++u) {
    const int x = left + (u / 7) * col, y = top + (u % 7) * 22;
    const std::string n = kUnitNames[u];
    f.add(label(n + "NameLbl", x, y, col - 70, 20)).FontSize = 10;
    f.add(label(n + "Lbl", x + col - 70, y, 56, 20)).Align = 2;
  }
}
void showComposition(Form& f, Game& g, const CampComp* c) {
  for (int u = 0; u < kUnitCount; ++u) {
    const std::string n = kUnitNames[u];
    f.ctl(n + "NameLbl").Caption = g.text(txt::campaign1::UnitNames[typeNumber(static_cast<Unit>(u))]);
    f.ctl(n + "Lbl").Caption = c ? std::to_string(c->get(u)) : "";
  }
}
}  // namespace

// ---- the army camp screen

class ArmyCampFrm : public Form {
 public:
  int camp = 1;

  explicit ArmyCampFrm(Game& g) : Form(g, "ArmyCampFrm") {
    Control& t = add(label("ArmyNameLbl", 24, 14, 432, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    add(label("RegrutedLbl", 24, 44, 432, 22)).Align = 1;
    addCompositionGrid(*this, 24, 72, 432);
    Control& help = add(label("Helper", 24, 230, 432, 40));
    help.FontSize = 10;
    add(button("DisbandBtn", 24, 274, 136, 36));
    add(button("SplitBtn", 172, 274, 136, 36));
    add(button("CombineBtn", 320, 274, 136, 36));
    add(button("Okanibtn2", 24, 316, 136, 36)).Visible = false;
    add(button("OkAniBtn", 172, 316, 136, 36));
    add(button("Noanibtn", 320, 316, 136, 36));
    onClick("DisbandBtn", [this] {
      // Disbanding is asked once more: the soldiers cannot be called back.
      g_.ShowText(ctl("Helper"), txt::campaign1::DisbandQuestion);
      ctl("Okanibtn2").Visible = true;
    });
    onClick("Okanibtn2", [this] {
      DisbandCamp(g_.s, camp);
      close();
      refreshArmyViews(g_);
    });
    onClick("SplitBtn", [this] {
      const int r = BeginSplitCheck();
      if (r > 0) {
        g_.ShowText(ctl("Helper"), txt::campaign1::entry(r));
        return;
      }
      close();
      OpenSplit(g_, camp);
    });
    onClick("CombineBtn", [this] {
      close();
      g_.form("ArmyCombineFrm").showModal();
    });
    onClick("OkAniBtn", [this] { close(); });
    onClick("Noanibtn", [this] { close(); });
  }

  void Form_Load() override {
    const GameState& s = g_.s;
    ctl("ArmyNameLbl").Caption = armyName(g_, camp);
    ctl("RegrutedLbl").Caption = soldiersText(g_, s.ArmyCampSoldiers[camp - 1]);
    showComposition(*this, g_, &s.CampComposition[camp - 1]);
    ctl("Helper").Caption.clear();
    ctl("Okanibtn2").Visible = false;
    g_.ShowText(ctl("DisbandBtn"), txt::captions::Disband);
    g_.ShowText(ctl("SplitBtn"), txt::captions::Split);
    g_.ShowText(ctl("CombineBtn"), txt::captions::Combine);
    g_.ShowText(ctl("Okanibtn2"), txt::captions::Yes);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
    g_.ShowText(ctl("Noanibtn"), txt::captions::Close);
    int others = 0;
    for (int k = 1; k <= 3; ++k) others += k != camp && campExists(s, k);
    ctl("CombineBtn").Enabled = others > 0;
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter) close();
  }

 private:
  int BeginSplitCheck() {
    const GameState& s = g_.s;
    return isSet(s.CampExists[0]) && isSet(s.CampExists[1]) && isSet(s.CampExists[2]) ? 28 : kDone;
  }
};
FIEF_REGISTER_FORM(ArmyCampFrm);

void OpenArmyCamp(Game& g, int camp) {
  if (!campExists(g.s, camp)) return;
  g.s.SelectedCamp = static_cast<uint8_t>(camp);
  auto& f = g.form<ArmyCampFrm>("ArmyCampFrm");
  f.camp = camp;
  f.showModal();
}

// ---- the split screen

class ArmySplitFrm : public Form {
 public:
  int camp = 1;
  bool confirmed = false;
  // Settling a split order that was pending while the camp chose its waypoint.
  bool settling = false;

  explicit ArmySplitFrm(Game& g) : Form(g, "ArmySplitFrm") {
    Control& t = add(label("TitleLbl", 24, 14, 592, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    add(listBox("ArmyLst", 24, 72, 190, 286));  // below the medallion of the top left corner
    Control& a = add(label("ArmyNameLbl", 360, 48, 120, 20));
    a.Align = 2;
    a.FontSize = 10;
    a.Title = true;
    Control& b = add(label("ArmyNameLbl2", 490, 48, 126, 20));
    b.Align = 2;
    b.FontSize = 10;
    b.Title = true;
    for (int u = 0; u < kUnitCount; ++u) {
      const std::string n = kUnitNames[u];
      const int y = 72 + u * 21;
      add(label(n + "NameLbl", 230, y, 150, 20)).FontSize = 10;
      add(label(n + "Lbl", 400, y, 80, 20)).Align = 2;
      add(label(n + "Lbl2", 530, y, 86, 20)).Align = 2;
    }
    add(label("TotalCaptionLbl", 230, 370, 150, 22));
    add(label("RegrutedLbl", 400, 370, 80, 22)).Align = 2;
    add(label("RegrutedLbl2", 530, 370, 86, 22)).Align = 2;
    ctl("RegrutedLbl").Title = ctl("RegrutedLbl2").Title = true;
    // The arrows point the way the soldiers go: back to the army that stays (left
    // column) or over to the army that leaves (right column).
    Control& down = add(button("DownAniBtn", 52, 366, 56, 34, "<"));
    down.Hold = true;
    Control& up = add(button("UpAniBtn", 130, 366, 56, 34, ">"));
    up.Hold = true;
    on("UpAniBtn", Ev::MouseDown, [this](const EventArgs&) { press(+1); });
    on("DownAniBtn", Ev::MouseDown, [this](const EventArgs&) { press(-1); });
    on("UpAniBtn", Ev::MouseUp, [this](const EventArgs&) { release(); });
    on("DownAniBtn", Ev::MouseUp, [this](const EventArgs&) { release(); });
    onClick("ArmyLst", [this] { show(); });
    Control& help = add(label("Helper", 24, 404, 592, 24));
    help.FontSize = 10;
    help.ForeColor = kWarningColour;
    add(button("OkAniBtn", 40, 434, 160, 36));
    add(button("MarchAniBtn", 240, 434, 160, 36));
    add(button("Noanibtn", 440, 434, 160, 36));
    onClick("OkAniBtn", [this] { confirm(); });
    onClick("MarchAniBtn", [this] { march(); });
    onClick("Noanibtn", [this] { cancel(); });
  }

  // Starts the split of a camp; kDone or the refusal's text entry. Settling a pending
  // order, the parts are those chosen before the camp was sent on its way.
  int begin(int k, bool settle) {
    camp = k;
    settling = settle;
    if (settle && pendingCamp_ == k) return ResumeSplit(g_.s, k, pendingLeaving_, split_);
    return BeginSplit(g_.s, k, split_);
  }

  void Form_Load() override {
    confirmed = false;
    g_.ShowText(ctl("TitleLbl"), txt::captions::SplitArmy);
    g_.ShowText(ctl("TotalCaptionLbl"), txt::campaign1::Soldiers);
    ctl("ArmyNameLbl").Caption = armyName(g_, camp);
    const int next = firstEmptyCamp(g_.s);
    ctl("ArmyNameLbl2").Caption = next ? armyName(g_, next) : "";
    Control& list = ctl("ArmyLst");
    list.Items.clear();
    for (int u = 0; u < kUnitCount; ++u)
      list.Items.push_back(g_.text(txt::campaign1::UnitNames[typeNumber(static_cast<Unit>(u))]));
    list.ListIndex = 1;
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
    g_.ShowText(ctl("MarchAniBtn"), txt::campaign::SplitAndMarch);
    g_.ShowText(ctl("Noanibtn"), txt::captions::Cancel);
    // The army that leaves may set off at once when the camp may walk now; settling the
    // order, it is already on its way.
    const GameState& s = g_.s;
    ctl("MarchAniBtn").Visible = !settling;
    ctl("MarchAniBtn").Enabled = s.CastleGarrisonCamp != camp && s.CampMovesLeft[camp - 1] > 0;
    ctl("Helper").Caption.clear();
    show();
  }

  void Form_Unload() override { release(); }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) cancel();
    else if (k == Key::Enter) confirm();
  }

  void tick(int dir) {
    if (held_ != 0) step(dir);
  }

 private:
  void press(int dir) {
    held_ = dir;
    step(dir);
    g_.timers.setInterval(dir > 0 ? "SplitUpTimer" : "SplitDownTimer", 30);
    g_.timers.enable(dir > 0 ? "SplitUpTimer" : "SplitDownTimer");
  }
  void release() {
    held_ = 0;
    g_.timers.disable("SplitUpTimer");
    g_.timers.disable("SplitDownTimer");
  }
  void step(int dir) {
    const int u = ctl("ArmyLst").ListIndex;
    if (u < 0 || u >= kUnitCount) return;
    if (SplitMove(g_.s, split_, static_cast<Unit>(u), dir > 0) != kDone) release();
    show();
  }
  void confirm() {
    // The part that leaves goes to the first empty camp.
    const int newCamp = firstEmptyCamp(g_.s);
    const int r = ConfirmSplit(g_.s, split_);
    if (r != kDone) {
      if (r > 0) g_.ShowText(ctl("Helper"), txt::campaign1::entry(r));
      return;
    }
    confirmed = true;
    pendingCamp_ = 0;
    if (settling) {
      // The army that leaves takes the road that was chosen for it.
      g_.s.SplitMode = 0;
      g_.s.SelectedCamp = static_cast<uint8_t>(newCamp);
    }
    release();
    close();
    refreshArmyViews(g_);
  }
  void cancel() {
    release();
    CancelSplit(g_.s);
    pendingCamp_ = 0;
    // A pending order given up: the waypoint click that opened the screen is spent.
    if (settling) g_.s.SplitMode = 2;
    close();
  }
  // Split and march: both parts must be armies; the camp is selected for walking with
  // the split still to be made when its waypoint is chosen.
  void march() {
    if (split_.stayTotal() < kLevyMinimum || g_.s.RecruitTotal < kLevyMinimum) {
      g_.ShowText(ctl("Helper"), txt::campaign1::entry(19));
      return;
    }
    const GameState& s = g_.s;
    if (s.CastleGarrisonCamp == camp || s.CampMovesLeft[camp - 1] == 0) return;
    pendingCamp_ = camp;
    // The part that leaves is kept with the order; until the split is made its soldiers
    // are still the camp's, so the levy counters are emptied and nothing counts them twice
    // (the mission's soldier objectives read the camps and an open levy).
    pendingLeaving_ = s.RecruitCounts;
    ResetTEMP(g_.s);
    release();
    close();
    SelectForWalking(g_, camp);
    g_.s.SplitMode = 1;
    g_.setHelperText(txt::campaign::ChooseSplitWaypoint);
  }
  void show() {
    for (int u = 0; u < kUnitCount; ++u) {
      const std::string n = kUnitNames[u];
      ctl(n + "NameLbl").Caption = g_.text(txt::campaign1::UnitNames[typeNumber(static_cast<Unit>(u))]);
      ctl(n + "NameLbl").ForeColor = u == ctl("ArmyLst").ListIndex ? kWarningColour : kDefaultColour;
      ctl(n + "Lbl").Caption = std::to_string(split_.stay.get(u));
      ctl(n + "Lbl2").Caption = std::to_string(g_.s.RecruitCounts.get(u));
    }
    ctl("RegrutedLbl").Caption = std::to_string(split_.stayTotal());
    ctl("RegrutedLbl2").Caption = std::to_string(g_.s.RecruitTotal);
  }

  Split split_;
  int held_ = 0;
  // The split order sent on its way: the camp and the part chosen to leave.
  int pendingCamp_ = 0;
  CampComp pendingLeaving_{};
};
FIEF_REGISTER_FORM(ArmySplitFrm);

namespace {
bool showSplit(Game& g, int camp, bool settle) {
  auto& f = g.form<ArmySplitFrm>("ArmySplitFrm");
  const int r = f.begin(camp, settle);
  if (r != kDone) {
    if (r > 0) g.setHelperText(txt::campaign1::entry(r));
    return false;
  }
  g.timers["SplitUpTimer"].Tick = [&f] { f.tick(+1); };
  g.timers["SplitDownTimer"].Tick = [&f] { f.tick(-1); };
  f.showModal();
  return f.confirmed;
}
}  // namespace

bool OpenSplit(Game& g, int camp) { return showSplit(g, camp, false); }

void SettlePendingSplit(Game& g) {
  // Refused (all three camps in use meanwhile): the order is given up and the click spent.
  if (!showSplit(g, g.s.SelectedCamp, true) && g.s.SplitMode == 1) g.s.SplitMode = 2;
}

// ---- the combine screen

class ArmyCombineFrm : public Form {
 public:
  explicit ArmyCombineFrm(Game& g) : Form(g, "ArmyCombineFrm") {
    Control& t = add(label("TitleLbl", 24, 14, 372, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    for (int k = 1; k <= 3; ++k) add(checkBox("ArmyOption" + std::to_string(k), 48, 60 + (k - 1) * 44, 324, 32));
    Control& help = add(label("Helper", 24, 200, 372, 48));
    help.FontSize = 10;
    help.ForeColor = kWarningColour;
    add(button("OkAniBtn", 40, 264, 150, 38));
    add(button("Noanibtn", 230, 264, 150, 38));
    onClick("OkAniBtn", [this] { confirm(); });
    onClick("Noanibtn", [this] { close(); });
    for (int k = 1; k <= 3; ++k) onClick("ArmyOption" + std::to_string(k), [this] { ctl("Helper").Caption.clear(); });
  }

  void Form_Load() override {
    const GameState& s = g_.s;
    g_.ShowText(ctl("TitleLbl"), txt::captions::CombineArmies);
    for (int k = 1; k <= 3; ++k) {
      Control& o = ctl("ArmyOption" + std::to_string(k));
      const bool exists = campExists(s, k);
      o.Caption = armyName(g_, k) + (exists ? " - " + soldiersText(g_, s.ArmyCampSoldiers[k - 1]) : "");
      o.Enabled = exists;
      o.Checked = exists && k == s.SelectedCamp;
    }
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
    g_.ShowText(ctl("Noanibtn"), txt::captions::Cancel);
    ctl("Helper").Caption.clear();
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) close();
    else if (k == Key::Enter) confirm();
  }

 private:
  void confirm() {
    bool chosen[3];
    for (int k = 1; k <= 3; ++k) chosen[k - 1] = ctl("ArmyOption" + std::to_string(k)).Checked;
    int target = 0;
    const int r = CombineCamps(g_.s, chosen, &target);
    if (r == kDone) {
      g_.s.SelectedCamp = static_cast<uint8_t>(target);
      close();
      refreshArmyViews(g_);
    } else if (r == kCountersOverflow) {
      g_.ShowText(ctl("Helper"), txt::campaign::CombinedCountsTooLarge);
    } else if (r > 0) {
      g_.ShowText(ctl("Helper"), txt::campaign1::entry(r));
    }
  }
};
FIEF_REGISTER_FORM(ArmyCombineFrm);

// ---- the castle screen

class CastleFrm : public Form {
 public:
  explicit CastleFrm(Game& g) : Form(g, "CastleFrm") {
    Control& t = add(label("TitleLbl", 24, 14, 432, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    add(label("GarrisonLbl", 24, 44, 432, 22)).Align = 1;
    addCompositionGrid(*this, 24, 72, 432);
    add(button("UngarisonBtn", 40, 300, 180, 40));
    add(button("OkAniBtn", 260, 300, 180, 40));
    onClick("UngarisonBtn", [this] {
      const int k = g_.s.CastleGarrisonCamp;
      close();
      MarchOutOfCastle(g_, k);
    });
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override {
    const GameState& s = g_.s;
    const int k = s.CastleGarrisonCamp;
    const bool garrison = k >= 1 && k <= 3 && campExists(s, k);
    g_.ShowText(ctl("TitleLbl"), txt::captions::Castle);
    ctl("GarrisonLbl").Caption =
        garrison ? g_.text(txt::campaign1::Garrison) + ": " + armyName(g_, k) + " - " + soldiersText(g_, s.ArmyCampSoldiers[k - 1])
                 : g_.text(txt::campaign1::Garrison) + ": -";
    showComposition(*this, g_, garrison ? &s.CampComposition[k - 1] : nullptr);
    g_.ShowText(ctl("UngarisonBtn"), txt::captions::MarchOut);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Close);
    ctl("UngarisonBtn").Enabled = garrison;
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter) close();
  }
};
FIEF_REGISTER_FORM(CastleFrm);

}  // namespace fief
