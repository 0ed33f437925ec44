// The realm overview: the county's figures this season beside last season, the lords,
// the armies, the workplaces, the special units and the holdings, with shortcuts to the
// screens that change them; below, the chronicle of the campaign in five small charts.
#include "campaign/chronicle_charts.h"
#include "map/camp1_frm.h"
#include "military/agents.h"
#include "military/military_screens.h"
#include "rivals/diplomacy.h"
#include "rivals/realm.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

namespace {
constexpr int kRow = 20;
constexpr int kTop = 108;  // first row under the headings
// The holdings' labels, in the order of CountyBlessings (kHoldings).
const char* const kHoldingLabels[10] = {"DolmenLbl", "ADolmenLbl", "CrossLbl",   "ChapelLbl", "GChapelLbl",
                                        "HutLbl",    "ObeliskLbl", "StatueLbl", "TavernLbl", "HBattlefieldLbl"};

Control heading(const std::string& name, int l, int t, int w) {
  Control c = label(name, l, t, w, 22);
  c.Title = true;
  return c;
}
Control small(Control c, int size = 11) {
  c.FontSize = size;
  return c;
}
}  // namespace

class RealmFrm : public Form {
 public:
  explicit RealmFrm(Game& g) : Form(g, "RealmFrm") {
    Control& t = add(label("TitleLbl", 100, 16, 560, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    add(small(label("CountyLbl", 100, 46, 560, 22))).Align = 1;

    // County figures: this season and last season.
    add(heading("FiguresLbl", 28, 84, 96));
    add(small(label("NowCaptionLbl", 112, 86, 62, 20), 9)).Align = 2;
    add(small(label("LastCaptionLbl", 174, 86, 62, 20), 9)).Align = 2;
    const auto figures = realmFigures(g.s);
    for (size_t i = 0; i < figures.size(); ++i) {
      const int y = kTop + static_cast<int>(i) * kRow;
      const std::string name = figures[i].name;
      add(small(label(name + "CaptionLbl", 28, y, 84, kRow)));
      add(small(label(name + "Lbl", 112, y, 62, kRow))).Align = 2;
      add(small(label("Last" + name + "Lbl", 174, y, 62, kRow))).Align = 2;
    }

    // Workplaces and special units.
    add(heading("WorkplacesLbl", 250, 84, 172));
    const char* work[6] = {"WoodCutterLbl", "StoneCutterLbl", "OreCutterLbl", "PlainFieldLbl", "CattleFieldLbl",
                           "CropsFieldLbl"};
    for (int i = 0; i < 6; ++i) {
      const int y = kTop + i * kRow;
      add(small(label(std::string(work[i]).substr(0, std::string(work[i]).size() - 3) + "CaptionLbl", 272, y, 100, kRow)));
      add(small(label(work[i], 372, y, 50, kRow))).Align = 2;
    }
    add(image("Image5", 250, kTop + 4 * kRow, 20, 20, "icon_meat"));
    add(image("Image8", 250, kTop + 5 * kRow, 20, 20, "icon_crops"));
    add(heading("SpecialLbl", 250, 232, 172));
    const char* units[3][2] = {{"Image1", "ScoutLbl"}, {"Image6", "AssassinLbl"}, {"Image9", "GuardLbl"}};
    const char* portraits[3] = {"sold15res", "sold17res", "sold16res"};
    for (int i = 0; i < 3; ++i) {
      const int y = 256 + i * 24;
      add(image(units[i][0], 250, y, 22, 22, portraits[i]));
      add(small(label(units[i][1], 276, y, 146, 22)));
      onClick(units[i][0], [this] {
        g_.PlaySound(kScreenChannel, "specialunits01.wav");
        g_.form("GuardFrm").showModal();
        refresh();
      });
    }
    onClick("Image5", [this] {
      g_.PlaySound(kScreenChannel, "cattle01.wav");
      g_.form("CattleFrm").showModal();
    });
    onClick("Image8", [this] {
      g_.PlaySound(kScreenChannel, "crops01.wav");
      g_.form("CropsFrm").showModal();
    });

    // Holdings: a "1" beside each one the county holds.
    add(heading("HoldingsLbl", 436, 84, 134));
    for (size_t i = 0; i < kHoldings.size(); ++i) {
      const int y = kTop + static_cast<int>(i) * kRow;
      const std::string l = kHoldingLabels[i];
      add(small(label(l.substr(0, l.size() - 3) + "NameLbl", 436, y, 114, kRow)));
      add(small(label(l, 550, y, 20, kRow))).Align = 2;
    }

    // The lords (the player's status beside his name) and the armies.
    add(heading("LordsLbl", 584, 84, 148));
    for (int i = 0; i < 3; ++i) {
      Control& c = add(small(label("Label" + std::to_string(i + 2), 584, kTop + i * 34, 148, 34), 10));
      const int lord = i + 1;
      onClick(c.Name, [this, lord] {
        g_.s.LeaderShown = static_cast<uint8_t>(lord);
        g_.form("LeaderFrm").showModal();
      });
    }
    add(heading("ArmiesLbl", 584, 216, 148));
    for (int k = 1; k <= 3; ++k) {
      const int y = 240 + (k - 1) * kRow;
      const std::string n = std::to_string(k);
      add(small(label("ArmyNameLbl" + n, 584, y, 94, kRow)));
      add(small(label("ArmyLbl" + n, 678, y, 54, kRow))).Align = 2;
      onClick("ArmyLbl" + n, [this, k] { openCamp(k); });
      onClick("ArmyNameLbl" + n, [this, k] { openCamp(k); });
    }

    // The chronicle.
    add(heading("ChronicleLbl", 28, 338, 300));
    add(small(label("TurnsLbl", 432, 340, 300, 20), 10)).Align = 2;
    addChronicleCharts(*this, 28, 362, 143);

    add(button("OkAniBtn", 315, 506, 130, 36));
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::Realm);
    g_.ShowText(ctl("FiguresLbl"), txt::levels::CountyName);  // the county's name
    g_.ShowText(ctl("NowCaptionLbl"), txt::campaign1::ThisSeason);
    g_.ShowText(ctl("LastCaptionLbl"), txt::campaign1::LastSeason);
    for (const RealmFigure& f : realmFigures(g_.s)) g_.ShowText(ctl(std::string(f.name) + "CaptionLbl"), f.caption);
    g_.ShowText(ctl("WorkplacesLbl"), txt::campaign1::Workplaces);
    g_.ShowText(ctl("WoodCutterCaptionLbl"), txt::captions::WoodCutters);
    g_.ShowText(ctl("StoneCutterCaptionLbl"), txt::captions::Quarry);
    g_.ShowText(ctl("OreCutterCaptionLbl"), txt::captions::OreMine);
    g_.ShowText(ctl("PlainFieldCaptionLbl"), txt::campaign1::EmptyField);
    g_.ShowText(ctl("CattleFieldCaptionLbl"), txt::campaign1::Pasture);
    g_.ShowText(ctl("CropsFieldCaptionLbl"), txt::campaign1::CropField);
    g_.ShowText(ctl("SpecialLbl"), txt::captions::SpecialUnits);
    g_.ShowText(ctl("HoldingsLbl"), txt::campaign1::Holdings);
    for (size_t i = 0; i < kHoldings.size(); ++i) {
      const std::string l = kHoldingLabels[i];
      g_.ShowText(ctl(l.substr(0, l.size() - 3) + "NameLbl"), txt::campaign1::entry(kHoldings[i].nameEntry));
    }
    g_.ShowText(ctl("LordsLbl"), txt::levels::Lords);
    g_.ShowText(ctl("ArmiesLbl"), txt::campaign1::Soldiers);
    g_.ShowText(ctl("ChronicleLbl"), txt::levels::Chronicle);
    showChronicleTitles(g_, *this);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
  }

  void Form_Activate() override { refresh(); }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter) close();
  }

  // Everything the screen shows, from the state as it stands.
  void refresh() {
    const GameState& s = g_.s;
    // The level and its title.
    ctl("CountyLbl").Caption = g_.text(txt::campaign1::Level) + " " + std::to_string(s.CurrentLevel) + " - " +
                               g_.text(txt::levels::LevelTitles[s.CurrentLevel]);
    for (const RealmFigure& f : realmFigures(s)) {
      const std::string l = std::string(f.name) + "Lbl";
      const std::string unit = f.percent ? "%" : "";
      ctl(l).Caption = numberText(f.now) + unit;
      ctl("Last" + l).Caption = f.hasLast ? numberText(f.last) + unit : "";
      // A figure that fell since last season is marked.
      ctl(l).ForeColor = f.hasLast && f.now < f.last ? kWarningColour : kDefaultColour;
    }
    const Workplaces w = workplaces(s);
    auto cutter = [](int slots, int people) { return std::to_string(slots) + " / " + std::to_string(people); };
    ctl("WoodCutterLbl").Caption = cutter(w.woodSlots, w.woodPeople);
    ctl("StoneCutterLbl").Caption = cutter(w.stoneSlots, w.stonePeople);
    ctl("OreCutterLbl").Caption = cutter(w.oreSlots, w.orePeople);
    ctl("PlainFieldLbl").Caption = std::to_string(w.plainFields);
    ctl("CattleFieldLbl").Caption = std::to_string(w.cattleFields);
    ctl("CropsFieldLbl").Caption = std::to_string(w.cropFields);

    auto service = [&](Service v, int nameEntry) {
      std::string t = g_.text(txt::campaign1::entry(nameEntry)) + ": ";
      if (serviceRunning(s, v)) t += g_.text(txt::campaign1::TurnsLeft) + " " + std::to_string(serviceCountdown(g_.s, v) + 1);
      else t += g_.text(txt::levels::Ready);
      return t;
    };
    ctl("ScoutLbl").Caption = service(Service::Scout, 116);
    ctl("AssassinLbl").Caption = service(Service::Assassin, 117);
    ctl("GuardLbl").Caption = g_.text(txt::campaign1::GuardLevel) + " " + std::to_string(s.GuardLevel) +
                              (serviceRunning(s, Service::Guard) ? " (+1)" : "");

    for (size_t i = 0; i < kHoldings.size(); ++i) ctl(kHoldingLabels[i]).Caption = heldByPlayer(s, static_cast<int>(i)) ? "1" : "";

    // The player, then each rival still in the game.
    const LeaderSheet me = leaderSheet(s, 1);
    ctl("Label2").Caption = g_.text(txt::levels::LordName) + " - " + statusText(me.status);
    for (int r = 1; r <= 2; ++r) {
      Control& c = ctl("Label" + std::to_string(r + 2));
      c.Visible = rivalActive(s, r);
      c.Caption = g_.text(txt::levels::RivalLordNames[r]);
    }
    for (int k = 1; k <= 3; ++k) {
      const std::string n = std::to_string(k);
      const bool exists = isSet(s.CampExists[k - 1]);
      ctl("ArmyNameLbl" + n).Visible = ctl("ArmyLbl" + n).Visible = exists;
      g_.ShowText(ctl("ArmyNameLbl" + n), txt::campaign1::ArmyNames[k]);
      ctl("ArmyLbl" + n).Caption = numberText(s.ArmyCampSoldiers[k - 1]);
    }
    showChronicle();
  }

 private:
  void showChronicle() {
    const auto& e = g_.chronicle.entries;
    if (!e.empty())
      ctl("TurnsLbl").Caption = g_.text(txt::levels::Turn) + " " + std::to_string(e.front().turn) + " - " + std::to_string(e.back().turn);
    showChronicleCharts(g_, *this);
  }

  void openCamp(int k) {
    if (!isSet(g_.s.CampExists[k - 1])) return;
    // The map's waypoint markers go, as for any choice of a camp from a screen.
    if (g_.formExists("Camp1Frm"))
      for (auto& c : g_.form("Camp1Frm").controls())
        if (c.Name.rfind("WalkTo", 0) == 0) c.Visible = false;
    close();
    OpenArmyCamp(g_, k);
  }
};
FIEF_REGISTER_FORM(RealmFrm);

}  // namespace fief
