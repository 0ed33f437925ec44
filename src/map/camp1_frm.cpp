#include "map/camp1_frm.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "campaign/game.h"
#include "campaign/save_games.h"
#include "campaign/program_start.h"
#include "ui/dialogs.h"

namespace fief {

namespace {
std::vector<Camp1Frm::Binder>& binders() {
  static std::vector<Camp1Frm::Binder> b;
  return b;
}

// The controls that lie on the map, in map coordinates (placed from the level map).
const char* const kMapObjects[] = {
    "CastleImg", "WoodCutterImg1", "StoneCutterImg1", "OreCutterImg1", "DolmenImg1", "ADolmenImg1", "CrossImg1",
    "ChapelImg1", "GChapelImg1", "HutImg1", "ObeliskImg1", "StatueImg1", "TavernImg1", "HBattlefieldImg1",
    "RuinsImg1", "CaveImg1", "ChestImg1", "ChestImg2", "ChestImg3", "GarryImg", "SiegeImg", "SiegeImg2", "SiegeImg3",
    "BattlefieldImg1", "VillageImg1", "VillageImg2", "VillageImg3", "Village1Pic", "Village2Pic", "WindmillImg1",
    "WindmillImg2", "WindmillImg3", "OutpostImg1", "AlliesArmyImg1", "AlliesArmyImg2", "FieldBattleImg1",
    "FieldBattleImg2", "FieldBattleImg3", "RebelionArmyImg1", "RebelionArmyImg2", "RebelionArmyImg3",
    "RivalCastle1Img", "RivalCastle2Img", "EnemyCamp1Img", "EnemyCamp2Img", "EnemyCamp3Img", "EnemyCamp4Img",
    "EnemyCamp5Img", "PlagueImg", "FlagImg", "EFlagImg1", "EFlagImg2"};
}  // namespace

FIEF_REGISTER_FORM(Camp1Frm);

void Camp1Frm::addBinder(Binder b) { binders().push_back(std::move(b)); }

std::string numberText(long long v) { return std::to_string(v); }

Camp1Frm::Camp1Frm(Game& g) : Form(g, "Camp1Frm") {
  g.optim.displaySize(Width, Height);
  declareControls();
  placeFromLevelMap();
  // F6 / F7: quick save and quick load, unless a timed action is running.
  keyActions[Key::F6] = [this] {
    if (g_.timedActionRunning()) return;
    std::string err;
    if (!WriteSave(g_, "QuickSave", err)) ShowMessageBox(g_, err);
    else ShowMessageBox(g_, g_.text(1, 126));
  };
  keyActions[Key::F7] = [this] {
    if (g_.timedActionRunning()) return;
    std::string err;
    if (!ReadSave(g_, "QuickSave", err)) {
      ShowMessageBox(g_, err);
      return;
    }
    ShowMessageBox(g_, g_.text(1, g_.s.LevelBeforeLoad == g_.s.CurrentLevel ? 130 : 131));
  };
  keyActions[Key::Escape] = [this] {
    g_.s.MsgKind = 105;
    g_.form("MainScreenExit").showModal();
  };
  onClick("Image1", [this] { g_.form("TipsFrm").showModal(); });
  for (auto& b : binders()) b(*this);
}

void Camp1Frm::declareControls() {
  const int W = Width, H = Height;
  // The map first, so that the strips lie over it.
  Control& map = add(image("MapSurface", HomeLeft, HomeTop, MapWidth, MapHeight, "map_s1"));
  map.Z = 0;
  for (int i = 1; i <= 10; ++i) add(image("FieldImg" + std::to_string(i), 0, 0, 64, 48, "field_0_1")).Panel = "MapSurface";
  for (int i = 1; i <= 4; ++i) {
    Control& c = add(image("Field" + std::to_string(i) + "Pic", 0, 0, 28, 28));
    c.Panel = "MapSurface";
    c.Visible = false;
    c.Z = 5;
  }
  for (const char* n : kMapObjects) add(image(n, 0, 0, 48, 48)).Panel = "MapSurface";
  for (int i = 1; i <= 3; ++i) {
    std::string k = std::to_string(i);
    Control& camp = add(image("ArmyCamp" + k + "Img", 0, 0, 40, 48, "banner" + k));
    camp.Panel = "MapSurface";
    camp.Visible = false;
    camp.Z = 6;
    Control& st = add(image("Camp" + k + "StatusImg", 0, 0, 20, 20, "CampStatusRes1"));
    st.Panel = "MapSurface";
    st.Visible = false;
    st.Z = 7;
    Control& tr = add(image("Trooper" + k + "Img", 0, 0, 24, 24, "trooper"));
    tr.Panel = "MapSurface";
    tr.Visible = false;
    tr.Z = 7;
  }
  Control& walker = add(image("WalkingImg", 0, 0, 40, 48));
  walker.Panel = "MapSurface";
  walker.Visible = false;
  walker.Z = 8;
  for (int n = 1; n <= 54; ++n) {
    if (n > 42 && n < 50) continue;
    Control& c = add(image("WalkTo" + std::to_string(n), 0, 0, 24, 24, "waypoint"));
    c.Panel = "MapSurface";
    c.Visible = false;
    c.Z = 9;
  }

  // The top menu strip with the sub-screen buttons.
  add(image("MenuTop", 0, 0, W, TopStrip, "menu_top")).Z = 20;
  const char* const menu[] = {"ArmyBtn", "BlacksmithBtn", "BuildBtn", "DiploBtn", "PeopleBtn", "RealmBtn", "ScienceBtn",
                              "TaxBtn", "WeatherBtn", "SpecialBtn", "MessagessBtn", "PreviewBtn", "Image1", "MenuBtn"};
  int x = 8;
  for (const char* n : menu) {
    Control& b = add(button(n, x, 8, 48, 48));
    b.Picture = std::string("btn_") + n;
    b.Z = 21;
    x += 52;
  }
  Control& end = add(button("EndTurnBtn", W - 124, 8, 116, 48, "End Turn"));
  end.Picture = "btn_EndTurnBtn";
  end.Z = 21;
  add(image("ScoutStatusImg", W - 200, 14, 32, 32, "sold15res")).Z = 21;
  add(image("AssassinStatusImg", W - 164, 14, 32, 32, "sold17res")).Z = 21;

  // The bottom strip: the status panel and the help lines.
  add(image("MenuBottom", 0, H - BottomStrip, W, BottomStrip, "menu_bottom")).Z = 20;
  const int y0 = H - BottomStrip + 8;
  struct St { const char* name; const char* icon; };
  const St status[] = {{"GoldLbl", "icon_gold"},   {"WoodLbl", "icon_wood"},   {"StoneLbl", "icon_stone"},
                       {"OreLbl", "icon_ore"},     {"CropsLbl", "icon_crops"}, {"CattleLbl", "icon_meat"},
                       {"PeopleLbl", "icon_people"}, {"HappinessLbl", "icon_happiness"}, {"HealthLbl", "icon_health"}};
  const int colW = (W - 16) / 9;
  for (int i = 0; i < 9; ++i) {
    Control& ic = add(image(std::string(status[i].name) + "Icon", 8 + i * colW, y0, 20, 20, status[i].icon));
    ic.Z = 21;
    Control& l = add(label(status[i].name, 30 + i * colW, y0, colW - 24, 20));
    l.Z = 21;
    l.FontSize = 11;
  }
  const int y1 = y0 + 24;
  auto line = [&](const char* n, int lx, int w) -> Control& {
    Control& c = add(label(n, lx, y1, w, 18));
    c.Z = 21;
    c.FontSize = 10;
    return c;
  };
  line("CountyNameLbl", 8, 150).Title = true;
  line("SeassonLbl", 160, 110);
  line("BuildLbl", 272, 170);
  line("BlacksmithLbl", 444, 110);
  line("ProduceWeaponLbl", 556, 90);
  line("TimeLbl", W - 60, 52).Align = 2;
  for (int i = 0; i < 4; ++i) {
    static const char* const f[] = {"EmptyFieldLbl", "CropFieldLbl", "PastureFieldLbl", "TaxFieldLbl"};
    line(f[i], W - 250 + i * 46, 42).Align = 1;
  }
  Control& help = add(label("Helper", 8, y1 + 22, W / 2 - 16, 18));
  help.Z = 21;
  help.FontSize = 10;
  Control& help3 = add(label("Helper3", W / 2, y1 + 22, W / 2 - 120, 18));
  help3.Z = 21;
  help3.FontSize = 10;
  Control& walk = add(label("WalkLbl", W - 112, y1 + 22, 50, 18));
  walk.Z = 21;
  walk.FontSize = 10;
  Control& moral = add(label("MoralLbl", W - 58, y1 + 22, 50, 18));
  moral.Z = 21;
  moral.FontSize = 10;

  // The margins along the window edges start scrolling when the mouse is over them.
  add(image("TopMargin", 0, TopStrip, W, 8)).Z = 19;
  add(image("BottomMargin", 0, H - BottomStrip - 8, W, 8)).Z = 19;
  add(image("LeftMargin", 0, TopStrip, 8, H - TopStrip - BottomStrip)).Z = 19;
  add(image("RightMargin", W - 8, TopStrip, 8, H - TopStrip - BottomStrip)).Z = 19;

  Control& tip = add(label("TooltipLbl", 0, 0, 220, 22));
  tip.Visible = false;
  tip.Z = 30;
  tip.FontSize = 10;
}

void Camp1Frm::placeFromLevelMap() {
  std::ifstream f(g_.path("level15/map.json"));
  if (!f) return;
  nlohmann::json m = nlohmann::json::parse(f, nullptr, false);
  if (m.is_discarded()) return;
  if (m.contains("size")) {
    MapWidth = m["size"][0];
    MapHeight = m["size"][1];
  }
  if (m.contains("home")) {
    HomeLeft = m["home"][0];
    HomeTop = m["home"][1];
  }
  Control& map = ctl("MapSurface");
  map.Left = HomeLeft;
  map.Top = HomeTop;
  map.Width = MapWidth;
  map.Height = MapHeight;
  if (m.contains("waypoints"))
    for (auto& [n, p] : m["waypoints"].items())
      if (Control* c = find("WalkTo" + n)) {
        c->Left = p[0].get<int>() - c->Width / 2;
        c->Top = p[1].get<int>() - c->Height / 2;
      }
  if (m.contains("controls"))
    for (auto& [n, spec] : m["controls"].items())
      if (Control* c = find(n); c && spec.contains("rect")) {
        c->Left = spec["rect"][0];
        c->Top = spec["rect"][1];
        c->Width = spec["rect"][2];
        c->Height = spec["rect"][3];
        if (spec.contains("picture")) c->Picture = spec["picture"];
      }
}

void Camp1Frm::Form_Load() {
  loadAdvancedSettings(g_);
  refreshAll();
}

void Camp1Frm::Form_Activate() { refreshStatus(); }

void Camp1Frm::Form_KeyDown(Key) {}

void Camp1Frm::Form_KeyUp(Key k) {
  auto it = keyActions.find(k);
  if (it != keyActions.end()) {
    auto action = it->second;
    action();
  }
}

void Camp1Frm::refreshStatus() {
  const GameState& s = g_.s;
  ctl("GoldLbl").Caption = numberText(s.Gold);
  ctl("WoodLbl").Caption = numberText(s.Wood);
  ctl("StoneLbl").Caption = numberText(s.Stone);
  ctl("OreLbl").Caption = numberText(s.Ore);
  ctl("CropsLbl").Caption = numberText(s.Crops);
  ctl("CattleLbl").Caption = numberText(s.Meat);
  ctl("PeopleLbl").Caption = numberText(s.People);
  ctl("HappinessLbl").Caption = numberText(s.Happiness) + " %";
  ctl("HealthLbl").Caption = numberText(s.Health) + " %";
}

void Camp1Frm::refreshAll() {
  refreshStatus();
  for (auto& r : refreshers) r();
}

}  // namespace fief
