#include "map/camp1_frm.h"

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <nlohmann/json.hpp>

#include "campaign/county_figures.h"
#include "campaign/save_games.h"
#include "map/army_walk.h"
#include "map/camp1_bindings.h"
#include "map/level_map.h"
#include "text_names.h"
#include "turn/turn.h"
#include "ui/dialogs.h"
#include "ui/game.h"
#include "ui/menu_frm.h"
#include "ui/program_start.h"

namespace fief {

namespace {
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

// A county figure's label on the status panel ("GoldLbl"; its icon is "GoldLblIcon"). The
// meat is the herd's, "CattleLbl", the name the help lines and the scripts know it by.
std::string statusLabel(const CountyFigure& f) {
  return f.figure == Figure::Meat ? "CattleLbl" : std::string(f.name) + "Lbl";
}
}  // namespace

FIEF_REGISTER_FORM(Camp1Frm);

std::string numberText(long long v) { return std::to_string(v); }

CampLayout campLayout(int width, int height) {
  CampLayout l;
  if (width <= 800 || height <= 600) {
    // 800 x 600: smaller buttons so that the whole strip fits.
    l.TopStrip = 56;
    l.ButtonSize = 40;
    l.ButtonStep = 44;
  }
  return l;
}

Camp1Frm::Camp1Frm(Game& g) : Form(g, "Camp1Frm") {
  g.optim.displaySize(Width, Height);
  layout = campLayout(Width, Height);
  TopStrip = layout.TopStrip;
  BottomStrip = layout.BottomStrip;
  declareControls();
  placeFromLevelMap();
  // F6 / F7: quick save and quick load, unless a timed action is running.
  keyActions[Key::F6] = [this] {
    if (g_.timedActionRunning()) return;
    std::string err;
    if (!WriteSave(g_, "QuickSave", err)) ShowMessageBox(g_, err);
    else ShowMessageBox(g_, g_.text(txt::campaign::GameSaved));
  };
  keyActions[Key::F7] = [this] {
    if (g_.timedActionRunning()) return;
    std::string err;
    if (!ReadSave(g_, "QuickSave", err)) {
      ShowMessageBox(g_, err);
      return;
    }
    const bool sameLevel = g_.s.LevelBeforeLoad == g_.s.CurrentLevel;
    ShowMessageBox(g_, g_.text(sameLevel ? txt::campaign::GameLoaded : txt::campaign::GameLoadedOtherLevel));
  };
  keyActions[Key::Escape] = [this] {
    // Not left while a battle or a walk is under way (as F6 and F7 wait).
    if (g_.timedActionRunning()) return;
    showExitQuestion(g_, kExitQuestion);
  };
  keyActions[Key::F1] = [this] { g_.form("KeysFrm").showModal(); };
  keyActions[Key::F11] = [this] { g_.form("AboutMapFrm").showModal(); };
  onClick("Image1", [this] { g_.form("TipsFrm").showModal(); });
  onClick("MenuBtn", [this] {
    clearHover();
    g_.form("MenuFrm").showModal();
  });
  bindCampaignScreen(*this);
  installHelpLines();
  subscribeViews();
}

// The campaign screen's own views, after the binders': where a sight concerns several
// subsystems (a game loaded), theirs have run when the whole screen is redrawn.
void Camp1Frm::subscribeViews() {
  Views& v = g_.views;
  v.subscribe(View::Status, this, [this] { refreshStatus(); });
  v.subscribe(View::Everything, this, [this] { refreshAll(); });
  v.subscribe(View::Tooltip, this, [this] {
    clearHover();
    ctl("TooltipLbl").Visible = false;
  });
  v.onSight(Sight::Shortages, this, [this](int) { colourShortages(); });
  v.onSight(Sight::Map, this, [this](int) { refreshAll(); });
  v.onSight(Sight::GameLoaded, this, [this](int) {
    forgetPointerState();
    refreshAll();
    // The warnings are those of the game loaded, not of the one left.
    colourShortages();
  });
}

void Camp1Frm::chain(const std::string& control, Ev ev, Handler h) {
  Handler before = handlerOf(control, ev);
  if (!before) {
    on(control, ev, std::move(h));
    return;
  }
  on(control, ev, [h = std::move(h), before = std::move(before)](const EventArgs& a) {
    h(a);
    before(a);
  });
}

void Camp1Frm::clearHover() {
  HoverText.clear();
  HoverControl.clear();
  HoverStyle = 1;
}

void Camp1Frm::clearFieldSelection() {
  for (int i = 1; i <= 4; ++i) ctl("Field" + std::to_string(i) + "Pic").Visible = false;
}

void Camp1Frm::screenRect(const Control& c, int& x, int& y) const {
  x = c.Left;
  y = c.Top;
  std::string p = c.Panel;
  while (!p.empty()) {
    const Control& pc = ctl(p);
    x += pc.Left;
    y += pc.Top;
    p = pc.Panel;
  }
}

void Camp1Frm::Form_Click() {
  clearHover();
  clearFieldSelection();
}

void Camp1Frm::declareControls() {
  const int W = Width, H = Height;
  const CampLayout& L = layout;
  // The map first, so that the strips lie over it.
  Control& map = add(image("MapSurface", HomeLeft, HomeTop, MapWidth, MapHeight, "map_s1"));
  map.Z = 0;
  for (int i = 1; i <= 10; ++i) add(image("FieldImg" + std::to_string(i), 0, 0, 64, 48, "field_0_1")).Panel = "MapSurface";
  for (int i = 1; i <= 4; ++i) {
    static const char* const pics[] = {"fieldbtn_empty", "fieldbtn_crop", "fieldbtn_pasture", "fieldbtn_tax"};
    Control& c = add(image("Field" + std::to_string(i) + "Pic", 0, 0, 40, 40, pics[i - 1]));
    c.Panel = "MapSurface";
    c.Visible = false;
    c.Z = 5;
  }
  for (const char* n : kMapObjects) add(image(n, 0, 0, 48, 48)).Panel = "MapSurface";
  for (int i = 1; i <= 3; ++i) {
    std::string k = std::to_string(i);
    Control& camp = add(image("ArmyCamp" + k + "Img", 0, 0, 48, 64, "banner" + k));
    camp.Panel = "MapSurface";
    camp.Visible = false;
    camp.Z = 6;
    Control& st = add(image("Camp" + k + "StatusImg", 0, 0, 24, 24, "CampStatusRes1"));
    st.Panel = "MapSurface";
    st.Visible = false;
    st.Z = 7;
    Control& tr = add(image("Trooper" + k + "Img", 0, 0, 32, 32, "troops_allied"));
    tr.Panel = "MapSurface";
    tr.Visible = false;
    tr.Z = 7;
    // The figure stands over the banner's lower half: a click there is the banner's.
    tr.Inert = true;
  }
  Control& walker = add(image("WalkingImg", 0, 0, 48, 48));
  walker.Panel = "MapSurface";
  walker.Visible = false;
  walker.Z = 8;
  for (int n = 1; n <= 54; ++n) {
    if (n > 42 && n < 50) continue;
    Control& c = add(image("WalkTo" + std::to_string(n), 0, 0, 24, 24, "waypoint"));
    c.Panel = "MapSurface";
    c.Visible = false;
    c.Z = 9;
    // The halo that marks the waypoint as offered, under the camps' banners; the pointer
    // passes through it to the marker or the map.
    Control& ring = add(image(offerRingName(n), 0, 0, 48, 48, "waypoint_offer"));
    ring.Panel = "MapSurface";
    ring.Visible = false;
    ring.Inert = true;
    ring.Z = 4;
  }

  // The top menu strip with the sub-screen buttons, the special units' status and the
  // end of turn at the right.
  add(image("MenuTop", 0, 0, W, L.TopStrip, "menu_top")).Z = 20;
  const char* const menu[] = {"ArmyBtn", "BlacksmithBtn", "BuildBtn", "DiploBtn", "PeopleBtn", "RealmBtn", "ScienceBtn",
                              "TaxBtn", "WeatherBtn", "SpecialBtn", "MessagessBtn", "PreviewBtn", "Image1", "MenuBtn"};
  const int by = (L.TopStrip - L.ButtonSize) / 2;
  int x = 8;
  for (const char* n : menu) {
    Control& b = add(button(n, x, by, L.ButtonSize, L.ButtonSize));
    b.Picture = std::string("btn_") + n;
    b.Z = 21;
    x += L.ButtonStep;
  }
  const int icon = L.ButtonSize - 8;
  x += 4;
  add(image("ScoutStatusImg", x, by + 4, icon, icon, "sold15res")).Z = 21;
  x += icon + 4;
  add(image("AssassinStatusImg", x, by + 4, icon, icon, "sold17res")).Z = 21;
  x += icon + 8;
  // The turn indicator (the turn engine's TurnImg) sits on the button's left end; the
  // caption takes the rest, on one line where there is room, else on two short lines at
  // the right end (800 x 600), clear of the indicator.
  const bool roomy = W - 8 - x >= 130;
  Control& end = add(button("EndTurnBtn", x, by, W - 8 - x, L.ButtonSize, roomy ? "End Turn" : "End\nTurn"));
  end.Z = 21;
  if (!roomy) {
    end.Align = 2;
    end.FontSize = 10;
  }

  // The bottom strip: the status figures, the county line, and the two help lines,
  // inside the parchment band of the strip's picture (10 pixels of wood and a gold rule
  // around it). Every figure has its icon beside it and a help line (the tooltip).
  const int top = H - L.BottomStrip;
  add(image("MenuBottom", 0, top, W, L.BottomStrip, "menu_bottom")).Z = 20;
  const int y0 = top + 13, y1 = top + 32, y2 = top + 49, y3 = top + 66, x0 = 16;
  const int colW = (W - 2 * x0) / static_cast<int>(kFigureCount);
  for (int i = 0; i < static_cast<int>(kFigureCount); ++i) {
    const CountyFigure& f = kCountyFigures[static_cast<size_t>(i)];
    Control& ic = add(image(statusLabel(f) + "Icon", x0 + i * colW, y0, 18, 18, f.icon));
    ic.Z = 21;
    Control& l = add(label(statusLabel(f), x0 + 22 + i * colW, y0, colW - 26, 18));
    l.Z = 21;
    l.FontSize = 11;
  }
  // The county line: positions scale with the width (designed for 800).
  auto sx = [&](int v) { return v * W / 800; };
  auto line = [&](const char* n, int lx, int w, int y, int font = 10) -> Control& {
    Control& c = add(label(n, lx, y, w, 17));
    c.Z = 21;
    c.FontSize = font;
    return c;
  };
  auto statusIcon = [&](const std::string& n, int lx, int y, const char* pic) {
    add(image(n, lx, y + 1, 15, 15, pic)).Z = 21;
  };
  line("CountyNameLbl", x0, sx(108), y1).Title = true;
  line("SeassonLbl", sx(126), sx(60), y1);
  statusIcon("BuildIcon", sx(190), y1, "icon_build");
  line("BuildLbl", sx(190) + 18, sx(160) - 18, y1, 9);
  statusIcon("BlacksmithIcon", sx(356), y1, "icon_forge");
  line("BlacksmithLbl", sx(356) + 18, sx(92) - 18, y1, 9);
  line("ProduceWeaponLbl", sx(450), sx(64), y1, 9);
  for (int i = 0; i < 4; ++i) {
    static const char* const f[] = {"EmptyField", "CropField", "PastureField", "TaxField"};
    static const char* const pic[] = {"fieldbtn_empty", "fieldbtn_crop", "fieldbtn_pasture", "fieldbtn_tax"};
    statusIcon(std::string(f[i]) + "Icon", sx(522 + i * 46), y1, pic[i]);
    line((std::string(f[i]) + "Lbl").c_str(), sx(522 + i * 46) + 17, sx(46) - 19, y1).Align = 0;
  }
  statusIcon("TimeIcon", W - x0 - sx(56), y1, "icon_clock");
  line("TimeLbl", W - x0 - sx(56) + 17, sx(56) - 17, y1).Align = 2;
  line("Helper", x0, W - 2 * x0 - 150, y2);
  statusIcon("WalkIcon", W - x0 - 146, y2, "icon_moves");
  line("WalkLbl", W - x0 - 128, 56, y2).Align = 0;
  statusIcon("MoralIcon", W - x0 - 68, y2, "icon_morale");
  line("MoralLbl", W - x0 - 50, 50, y2).Align = 0;
  line("Helper3", x0, W - 2 * x0, y3, 9);

  // The margins along the window edges start scrolling when the mouse is over them.
  add(image("TopMargin", 0, L.TopStrip, W, L.Margin)).Z = 19;
  add(image("BottomMargin", 0, top - L.Margin, W, L.Margin)).Z = 19;
  add(image("LeftMargin", 0, L.TopStrip, L.Margin, top - L.TopStrip)).Z = 19;
  add(image("RightMargin", W - L.Margin, L.TopStrip, L.Margin, top - L.TopStrip)).Z = 19;

  Control& tip = add(label("TooltipLbl", 0, 0, 240, 22));
  tip.Visible = false;
  tip.Z = 30;
  tip.FontSize = 10;
  tip.Picture = "tooltip";
  tip.Inert = true;  // it follows the pointer and never takes its clicks
}

void Camp1Frm::placeFromLevelMap() {
  const std::string path = g_.path("level15/map.json");
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return;  // the declared places stand
  LevelMap m;
  std::string err;
  if (!readLevelMap(path, m, err)) {
    g_.shell.messageBox("The level map could not be read (" + err + "); the map keeps its first layout.");
    return;
  }
  if (m.Size) std::tie(MapWidth, MapHeight) = *m.Size;
  if (m.Home) std::tie(HomeLeft, HomeTop) = homeView(*m.Home, MapWidth, MapHeight, Width, Height);
  Control& map = ctl("MapSurface");
  map.Left = HomeLeft;
  map.Top = HomeTop;
  map.Width = MapWidth;
  map.Height = MapHeight;
  for (const auto& [n, p] : m.Waypoints)
    for (const std::string& name : {"WalkTo" + std::to_string(n), offerRingName(n)})
      if (Control* c = find(name)) {
        c->Left = p.first - c->Width / 2;
        c->Top = p.second - c->Height / 2;
      }
  for (const auto& [n, r] : m.Controls)
    if (Control* c = find(n)) {
      c->Left = r.Left;
      c->Top = r.Top;
      c->Width = r.Width;
      c->Height = r.Height;
      if (r.Picture) c->Picture = *r.Picture;
    }
}

void Camp1Frm::Form_Load() {
  loadAdvancedSettings(g_);
  // The stored volumes reach the sound channels for the whole run.
  applyVolumes(g_);
  refreshAll();
  // The clock (hours and minutes) shows at once, not at the next of its half-minute ticks
  // (a load makes the screen anew); the clock's own timer keeps its times.
  const std::string now = g_.shell.timeOfDay();
  if (now.size() > 3) ctl("TimeLbl").Caption = now.substr(0, now.size() - 3);
  // The shortage warnings are those of the county on view, also when the game was loaded
  // before this screen first opened (the title menu's Continue).
  g_.player().show(Sight::Shortages);
}

void Camp1Frm::Form_Activate() {
  refreshStatus();
  for (auto& u : uncoverers) u();
}

void Camp1Frm::Form_Deactivate() {
  for (auto& c : coverers) c();
}

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
  g_.ShowText(ctl("CountyNameLbl"), txt::levels::CountyName);
  if (s.Season >= 1 && s.Season <= 4) g_.ShowText(ctl("SeassonLbl"), txt::campaign1::Spring + (s.Season - 1));
  if (s.BuildTurnsLeft == kNone || s.BuildingUnderWay < kBlacksmithBuilding || s.BuildingUnderWay > kCastleBuilding)
    g_.ShowText(ctl("BuildLbl"), txt::campaign1::NothingUnderConstruction);
  else
    ctl("BuildLbl").Caption = g_.text(txt::campaign1::BlacksmithName + (s.BuildingUnderWay - kBlacksmithBuilding)) + ": " + numberText(s.BuildTurnsLeft);
  if (s.BlacksmithOrder >= 1 && s.BlacksmithOrder <= 11) {
    g_.ShowText(ctl("BlacksmithLbl"), txt::campaign1::ItemNames[s.BlacksmithOrder]);
  } else {
    ctl("BlacksmithLbl").Caption.clear();
    ctl("ProduceWeaponLbl").Caption.clear();
  }
  // The county as the turn keeps it: a dialog of the end of turn may have the panel
  // redrawn while a value strays beyond its bounds, before the turn clamps it.
  for (const CountyFigure& f : kCountyFigures) {
    const long long v = f.now.get(s);
    ctl(statusLabel(f)).Caption = f.percent ? numberText(keptPercent(v)) + " %" : numberText(keptStock(v));
  }
  syncStatusIcons();
}

void Camp1Frm::forgetPointerState() {
  clearHover();
  clearFieldSelection();
  g_.s.SplitMode = 0;
  for (auto& c : controls())
    if (c.Name.rfind("WalkTo", 0) == 0) c.Visible = false;
  for (const char* l : {"Helper", "Helper3", "WalkLbl", "MoralLbl"}) ctl(l).Caption.clear();
  HelpCamp = 0;
  ctl("TooltipLbl").Visible = false;
  syncStatusIcons();
}

void Camp1Frm::refreshAll() {
  refreshStatus();
  g_.invalidate(View::County, View::Map);
  syncStatusIcons();
}

void Camp1Frm::colourShortages() {
  static const char* const kLabels[kShortageKinds] = {"CropsLbl", "CattleLbl", "PeopleLbl", "HappinessLbl",
                                                      "HealthLbl"};
  const Shortages w = shortages(g_.s);
  for (int i = 0; i < kShortageKinds; ++i) ctl(kLabels[i]).ForeColor = w[i] ? kWarningColour : kDefaultColour;
}

void Camp1Frm::syncStatusIcons() {
  // An icon shows while its figure does (no order at the forge, no army looked at).
  static const char* const pairs[][2] = {
      {"BuildIcon", "BuildLbl"}, {"BlacksmithIcon", "BlacksmithLbl"}, {"WalkIcon", "WalkLbl"}, {"MoralIcon", "MoralLbl"}};
  for (const auto& p : pairs) ctl(p[0]).Visible = !ctl(p[1]).Caption.empty();
}

}  // namespace fief
