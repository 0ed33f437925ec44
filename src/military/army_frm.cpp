// The recruiting screen: choose a unit type, raise and lower soldiers of it with the
// press-and-hold buttons, and confirm the levy into the first free camp or cancel it.
#include <algorithm>

#include "campaign/missions.h"
#include "military/battle_handover_screens.h"
#include "military/levy.h"
#include "military/military_screens.h"
#include "state/arith.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

namespace {
// The recruiting buttons, by type number 1..14.
const char* unitButton(int n) {
  static const char* const kButtons[15] = {
      "",            "MonkBtn",     "ArcherBtn",  "MacemanBtn", "SwordsmenBtn", "HelebarderBtn", "TwoHandBtn", "CavalryBtn",
      "HCavalryBtn", "ChampionBtn", "TemplarBtn", "PaladinBtn", "EnginerBtn",   "LongBowBtn",    "WarlordBtn"};
  return kButtons[n];
}
// The stock of the type's weapon (its first piece of gear) and of the three armours.
std::string weaponName(Game& g, const UnitType& t) {
  switch (t.gear.front()) {
    case Gear::Bow: return g.text(txt::campaign1::Bow);
    case Gear::Club: return g.text(txt::campaign1::Club);
    case Gear::Sword: return g.text(txt::campaign1::Sword);
    case Gear::Helebard: return g.text(txt::campaign1::Halberd);
    case Gear::TwoHand: return g.text(txt::campaign1::TwoHandedSword);
    case Gear::Mace: return g.text(txt::campaign1::Mace);
    case Gear::Pike: return g.text(txt::campaign1::Pike);
    case Gear::Cross: return g.text(txt::campaign1::Cross);
    default: return g.text(txt::campaign1::UnitNames[t.number]);  // the gear sets and long bows bear the type's name
  }
}
bool needs(const UnitType& t, Gear gear) {
  for (Gear x : t.gear)
    if (x == gear) return true;
  return false;
}
}  // namespace

class ArmyFrm : public Form {
 public:
  LevyPlace place = LevyPlace::Castle;

  explicit ArmyFrm(Game& g) : Form(g, "ArmyFrm") {
    Control& t = add(label("TitleLbl", 24, 14, 712, 30));
    t.Title = true;
    t.FontSize = 18;
    t.Align = 1;
    // Two columns of the fourteen kinds, below the medallion of the top left corner.
    for (int n = 1; n <= 14; ++n) {
      const int col = (n - 1) / 7, row = (n - 1) % 7;
      add(button(unitButton(n), 24 + col * 152, 74 + row * 42, 146, 36)).Picture = "sold" + std::to_string(n) + "res";
      onClick(unitButton(n), [this, n] { select(n); });
    }
    add(image("SoldierImg", 340, 56, 96, 96));
    Control& name = add(label("TypeNameLbl", 450, 56, 286, 28));
    name.Title = true;
    name.FontSize = 15;
    const char* stats[3] = {"Attack", "Defence", "Speed"};
    for (int i = 0; i < 3; ++i) {
      add(label(std::string(stats[i]) + "CaptionLbl", 450, 88 + i * 22, 110, 20)).FontSize = 10;
      add(label(std::string(stats[i]) + "Lbl", 560, 88 + i * 22, 80, 20)).FontSize = 10;
    }
    Control& desc = add(panel("DescPnl", 340, 160, 362, 96));
    desc.Picture = "";
    Control& d = add(label("DescLbl", 0, 0, 362, 96));
    d.Panel = "DescPnl";
    d.FontSize = 10;
    Control& cu = add(button("CUpAniBtn", 708, 160, 28, 28));
    cu.Picture = "scroll_up";
    Control& cd = add(button("CDownAniBtn", 708, 228, 28, 28));
    cd.Picture = "scroll_down";
    onClick("CUpAniBtn", [this] { scrollDescription(+10); });
    onClick("CDownAniBtn", [this] { scrollDescription(-10); });

    // The gear of the chosen type: pieces per soldier and the armoury's stock.
    add(label("GearCaptionLbl", 340, 266, 200, 20)).FontSize = 10;
    add(label("StockCaptionLbl", 600, 266, 136, 20)).FontSize = 10;
    const char* gear[4] = {"Weapon", "Shield", "ChainMail", "Plate"};
    for (int i = 0; i < 4; ++i) {
      const std::string n = gear[i];
      add(label(n + "NameLbl", 340, 290 + i * 22, 200, 20)).FontSize = 10;
      add(label(n + "NeedLbl", 540, 290 + i * 22, 40, 20)).Align = 1;
      add(label(n + "StockLbl", 600, 290 + i * 22, 80, 20)).Align = 2;
    }

    // The levy.
    add(label("CountCaptionLbl", 24, 378, 200, 22)).FontSize = 11;
    Control& down = add(button("DownAniBtn", 230, 372, 34, 34));
    down.Picture = "scroll_down";
    down.Hold = true;
    // The count of the chosen type; a number typed here raises or lowers it to that.
    add(textBox("TypeCountTxt", 268, 374, 64, 30));
    on("TypeCountTxt", Ev::Change, [this](const EventArgs&) { typed(); });
    Control& up = add(button("UpAniBtn", 336, 372, 34, 34));
    up.Picture = "scroll_up";
    up.Hold = true;
    on("UpAniBtn", Ev::MouseDown, [this](const EventArgs&) { press(+1); });
    on("DownAniBtn", Ev::MouseDown, [this](const EventArgs&) { press(-1); });
    on("UpAniBtn", Ev::MouseUp, [this](const EventArgs&) { release(); });
    on("DownAniBtn", Ev::MouseUp, [this](const EventArgs&) { release(); });
    add(label("RegrutedCaptionLbl", 400, 378, 150, 22)).FontSize = 11;
    Control& total = add(label("RegrutedLbl", 550, 378, 80, 22));
    total.Align = 2;
    total.Title = true;
    add(label("ArmyNameLbl", 24, 418, 300, 24)).Title = true;
    add(progressBar("ProgressBar", 400, 420, 250, 20)).Max = kLevyMinimum;
    add(label("ProgressLbl", 656, 418, 80, 24)).Align = 2;

    // The whole levy, type by type.
    add(label("LevyLbl", 24, 448, 712, 40)).FontSize = 10;
    Control& help = add(label("Helper", 24, 492, 712, 40));
    help.FontSize = 10;
    help.ForeColor = kWarningColour;
    add(button("OkAniBtn", 24, 542, 160, 40));
    add(button("ArmouryBtn", 300, 542, 160, 40));
    add(button("Noanibtn", 576, 542, 160, 40));
    onClick("OkAniBtn", [this] { confirm(); });
    onClick("Noanibtn", [this] { cancel(); });
    onClick("ArmouryBtn", [this] {
      g_.PlaySound(kScreenChannel, "armoury01.wav");
      g_.form("ArmouryFrm").showModal();
      showType();
    });
  }

  void Form_Load() override {
    GameState& s = g_.s;
    levy_ = OpenLevy(s, place);
    s.RecruitType = 0;
    ResetTEMP(s);
    // The title says where the army will be raised: at the castle or at the outpost.
    ctl("TitleLbl").Caption = g_.text(txt::captions::RecruitSoldiers) + " - " +
                              g_.text(place == LevyPlace::Outpost ? txt::campaign1::Outpost : txt::campaign1::Castle);
    for (int n = 1; n <= 14; ++n) ctl(unitButton(n)).Caption = g_.text(txt::campaign1::UnitNames[n]);
    g_.ShowText(ctl("AttackCaptionLbl"), txt::campaign1::Attack);
    g_.ShowText(ctl("DefenceCaptionLbl"), txt::campaign1::Defence);
    g_.ShowText(ctl("SpeedCaptionLbl"), txt::campaign1::Speed);
    g_.ShowText(ctl("GearCaptionLbl"), txt::campaign1::EquipmentPerSoldier);
    g_.ShowText(ctl("StockCaptionLbl"), txt::campaign1::InArmoury);
    g_.ShowText(ctl("ShieldNameLbl"), txt::campaign1::Shield);
    g_.ShowText(ctl("ChainMailNameLbl"), txt::campaign1::ChainMail);
    g_.ShowText(ctl("PlateNameLbl"), txt::campaign1::PlateArmour);
    g_.ShowText(ctl("RegrutedCaptionLbl"), txt::campaign1::Soldiers);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
    g_.ShowText(ctl("Noanibtn"), txt::captions::Cancel);
    g_.ShowText(ctl("ArmouryBtn"), txt::captions::Armoury);
    g_.ShowText(ctl("ArmyNameLbl"), txt::campaign1::entry(levyArmyNameEntry(s)));
    canConfirm_ = levyCanConfirm(s);
    ctl("OkAniBtn").Enabled = canConfirm_;
    ctl("Helper").Caption.clear();
    showType();
    showLevy();
  }

  void Form_Unload() override { release(); }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) cancel();
    // Enter confirms even below a hundred soldiers, where the refusal then says why.
    else if (k == Key::Enter && ctl("OkAniBtn").Enabled) confirm();
  }

  // One tick of SoldiersUpTimer / SoldiersDownTimer.
  void tick(int dir) {
    if (held_ == 0) return;
    step(dir);
  }

 private:
  void select(int n) {
    const int r = SelectRecruitType(g_.s, n);
    if (r > 0) g_.ShowText(ctl("Helper"), txt::campaign1::entry(r));
    else ctl("Helper").Caption.clear();
    showType();
  }

  void press(int dir) {
    held_ = dir;
    step(dir);
    if (held_ != 0) g_.timers.enable(dir > 0 ? "SoldiersUpTimer" : "SoldiersDownTimer");
  }
  void release() {
    held_ = 0;
    g_.timers.disable("SoldiersUpTimer");
    g_.timers.disable("SoldiersDownTimer");
  }

  void step(int dir) {
    const int r = dir > 0 ? RaiseSoldier(g_.s) : LowerSoldier(g_.s);
    if (r > 0) {
      g_.ShowText(ctl("Helper"), txt::campaign1::entry(r));
      release();
    } else if (r == kDone) {
      ctl("Helper").Caption.clear();
    }
    showType();
    showLevy();
  }

  void typed() {
    const std::string& text = ctl("TypeCountTxt").Caption;
    int want = 0;
    for (char c : text) {
      if (c < '0' || c > '9') continue;
      want = std::min(want * 10 + (c - '0'), kArmyMaximum);
    }
    const int r = RecruitToCount(g_.s, want);
    if (r > 0) g_.ShowText(ctl("Helper"), txt::campaign1::entry(r));
    else ctl("Helper").Caption.clear();
    // The box keeps what was typed unless the levy could not follow it.
    const std::string typedText = text;
    showType();
    showLevy();
    if (r == kDone) ctl("TypeCountTxt").Caption = typedText;
  }

  void confirm() {
    int camp = 0;
    const long raised = g_.s.RecruitTotal;
    const int r = ConfirmLevy(g_.s, levy_, &camp);
    if (r != kDone) {
      if (r > 0) g_.ShowText(ctl("Helper"), txt::campaign1::entry(r));
      return;
    }
    g_.play.levyRaised(raised);
    EvaluateObjectives(g_);
    release();
    close();
    refreshArmyViews(g_);
  }

  void cancel() {
    release();
    CancelLevy(g_.s, levy_);
    close();
    refreshArmyViews(g_);
  }

  void scrollDescription(int by) {
    Control& d = ctl("DescLbl");
    if (by < 0 && d.Top <= -600) return;
    d.Top = std::min(0, d.Top + by);
  }

  void showType() {
    const GameState& s = g_.s;
    const int n = s.RecruitType;
    const bool any = n >= 1 && n <= 14;
    for (const char* l : {"TypeNameLbl", "AttackLbl", "DefenceLbl", "SpeedLbl", "DescLbl", "WeaponNameLbl",
                          "TypeCountTxt", "CountCaptionLbl"})
      ctl(l).Caption.clear();
    ctl("TypeCountTxt").Enabled = any;
    ctl("DescLbl").Top = 0;
    ctl("SoldierImg").Picture = any ? "sold" + std::to_string(n) + "res" : "";
    // The chosen type's button is inked in red.
    for (int i = 1; i <= 14; ++i) ctl(unitButton(i)).ForeColor = i == n ? kWarningColour : kDefaultColour;
    const char* gear[4] = {"Weapon", "Shield", "ChainMail", "Plate"};
    if (!any) {
      for (const char* k : gear) {
        ctl(std::string(k) + "NeedLbl").Caption.clear();
        ctl(std::string(k) + "StockLbl").Caption.clear();
      }
      return;
    }
    const UnitType& t = unitType(n);
    ctl("TypeNameLbl").Caption = g_.text(txt::campaign1::UnitNames[n]);
    ctl("AttackLbl").Caption = t.attack;
    ctl("DefenceLbl").Caption = std::to_string(t.defence);
    ctl("SpeedLbl").Caption = std::to_string(t.speed);
    ctl("DescLbl").Caption = g_.text(txt::campaign::UnitDescriptions[n]);
    ctl("WeaponNameLbl").Caption = weaponName(g_, t);
    const Gear kinds[4] = {t.gear.front(), Gear::Shield, Gear::ChainMail, Gear::Plate};
    for (int i = 0; i < 4; ++i) {
      ctl(std::string(gear[i]) + "NeedLbl").Caption = i == 0 || needs(t, kinds[i]) ? "1" : "0";
      ctl(std::string(gear[i]) + "StockLbl").Caption = std::to_string(gearStock(s, kinds[i]));
    }
    ctl("CountCaptionLbl").Caption = g_.text(txt::campaign1::UnitNames[n]);
    ctl("TypeCountTxt").Caption = std::to_string(s.RecruitCounts.get(t.unit));
  }

  void showLevy() {
    const GameState& s = g_.s;
    ctl("RegrutedLbl").Caption = std::to_string(s.RecruitTotal);
    std::string levy;
    for (int n = 1; n <= 14; ++n) {
      const int count = s.RecruitCounts.get(unitType(n).unit);
      if (count <= 0) continue;
      if (!levy.empty()) levy += ", ";
      levy += g_.text(txt::campaign1::UnitNames[n]) + " " + std::to_string(count);
    }
    ctl("LevyLbl").Caption = levy;
    // Below a hundred soldiers the bar shows how far the levy has come; from a hundred
    // the confirm button takes its place.
    const bool enough = s.RecruitTotal >= kLevyMinimum;
    Control& bar = ctl("ProgressBar");
    bar.Value = std::clamp<int>(s.RecruitTotal, 0, kLevyMinimum);
    bar.Visible = !enough;
    Control& of = ctl("ProgressLbl");
    of.Caption = std::to_string(bar.Value) + " / " + std::to_string(kLevyMinimum);
    of.Visible = !enough;
    ctl("OkAniBtn").Visible = enough;
  }

  Levy levy_;
  bool canConfirm_ = false;
  int held_ = 0;
};
FIEF_REGISTER_FORM(ArmyFrm);

void OpenRecruiting(Game& g, LevyPlace place) {
  // Nothing is recruited while an army walks, a battle is fought or waits to be, or the
  // turn ends: the levy would be confirmed into camps that are about to change.
  if (g.timedActionRunning() || battleRunning(g) || g.battlesWaiting > 0) return;
  g.PlaySound(kScreenChannel, "army01.wav");
  if (!isSet(g.s.BarracksBuilt)) {
    g.setHelperText(txt::campaign1::NeededBuildingMissing);
    return;
  }
  auto& f = g.form<ArmyFrm>("ArmyFrm");
  f.place = place;
  // The press-and-hold buttons repeat on the timer screen's timers.
  g.timers["SoldiersUpTimer"].Tick = [&f] { f.tick(+1); };
  g.timers["SoldiersDownTimer"].Tick = [&f] { f.tick(-1); };
  f.showModal();
}

}  // namespace fief
