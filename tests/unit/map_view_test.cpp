// The campaign screen as a view: scrolling rules, the layouts of the display modes, the
// help lines and the tooltip box.
#include <gtest/gtest.h>

#include <functional>

#include "map/camp1_frm.h"
#include "map/help_line.h"
#include "map/map_pictures.h"
#include "map/map_scroll.h"
#include "map/map_view.h"
#include "rivals/sieges.h"
#include "test_support.h"

namespace fief {
namespace {

TEST(MapScroll, StepIsTheTruncatedTenfoldSpeed) {
  const std::pair<float, int> cases[] = {{0.5f, 5}, {1.0f, 10}, {1.5f, 15}, {2.0f, 20}, {0.99f, 9}};
  for (auto [speed, step] : cases) EXPECT_EQ(scrollStep(speed), step) << speed;
}

TEST(MapScroll, TickTestsTheLimitBeforeMoving) {
  struct Case {
    uint8_t dir;
    int left, top;
    float speed;
    TickResult result;
    int wantLeft, wantTop;
  };
  // Map 2400 x 1800 in a 1024 x 768 window: bottom limit 768 - 1800 - 15 = -1047,
  // right limit 1024 - 2400 = -1376.
  const Case cases[] = {
      {kScrollUp, 0, 140, 2.0f, TickResult::Moved, 0, 160},  // overshoots by less than a step
      {kScrollUp, 0, 160, 2.0f, TickResult::Stopped, 0, 160},
      {kScrollUp, 0, 150, 1.0f, TickResult::Stopped, 0, 150},
      {kScrollUp, 0, 149, 1.0f, TickResult::Moved, 0, 159},
      {kScrollDown, 0, -1046, 1.0f, TickResult::Moved, 0, -1056},
      {kScrollDown, 0, -1047, 1.0f, TickResult::Stopped, 0, -1047},
      {kScrollLeft, -1, 0, 0.5f, TickResult::Moved, 4, 0},
      {kScrollLeft, 0, 0, 0.5f, TickResult::Stopped, 0, 0},
      {kScrollRight, -1375, 0, 1.5f, TickResult::Moved, -1390, 0},
      {kScrollRight, -1376, 0, 1.5f, TickResult::Stopped, -1376, 0},
      {kScrollNone, 5, 5, 1.0f, TickResult::Idle, 5, 5},
  };
  for (const Case& c : cases) {
    MapView v{c.left, c.top, 2400, 1800, 1024, 768};
    EXPECT_EQ(scrollTick(v, c.dir, c.speed), c.result) << int(c.dir) << " " << c.left << "/" << c.top;
    EXPECT_EQ(v.Left, c.wantLeft);
    EXPECT_EQ(v.Top, c.wantTop);
  }
}

TEST(MapScroll, MarginsStartOnlyWithRoomLeft) {
  MapView v{399, 399, 2400, 1800, 1024, 768};
  EXPECT_TRUE(marginStarts(v, kScrollUp));
  EXPECT_TRUE(marginStarts(v, kScrollLeft));
  v.Top = v.Left = 400;
  EXPECT_FALSE(marginStarts(v, kScrollUp));
  EXPECT_FALSE(marginStarts(v, kScrollLeft));
  v.Top = -1047;
  v.Left = -1376;
  EXPECT_FALSE(marginStarts(v, kScrollDown));
  EXPECT_FALSE(marginStarts(v, kScrollRight));
  v.Top = -1046;
  v.Left = -1375;
  EXPECT_TRUE(marginStarts(v, kScrollDown));
  EXPECT_TRUE(marginStarts(v, kScrollRight));
}

TEST(MapScroll, SpeedStaysWithinHalfAndTwo) {
  EXPECT_EQ(fasterSpeed(2.0f), 2.0f);
  EXPECT_EQ(fasterSpeed(1.5f), 2.0f);
  EXPECT_EQ(slowerSpeed(0.5f), 0.5f);
  EXPECT_EQ(slowerSpeed(1.0f), 0.5f);
}

TEST(MapView, CastlePictureIsTheHighestStageBuilt) {
  const bool none[5] = {}, keep[5] = {true}, fort[5] = {true, true, true}, castle[5] = {false, false, false, false, true};
  EXPECT_EQ(castleStagePicture(none), "");
  EXPECT_EQ(castleStagePicture(keep), "keep");
  EXPECT_EQ(castleStagePicture(fort, "1"), "fort1");
  EXPECT_EQ(castleStagePicture(castle), "castle");
}

// A rival's castle flies his colours while he is in play, the county's once taken by storm
// and a white pennant when he never took the field; with no stage built it is a keep.
TEST(MapView, RivalCastleFliesTheColoursOfItsHolder) {
  struct Case { int rival; bool active; int stage; const char* picture; uint8_t stormed = 0; };
  const Case cases[] = {
      {1, true, -1, "keep1"},  {1, true, 2, "fort1"},   {2, true, 4, "castle2"}, {2, true, -1, "keep2"},
      {1, false, -1, "keep0"},  {1, false, 3, "stronghold0"}, {2, false, 1, "bailey0"},
      {1, false, 2, "fort", 1}, {2, false, -1, "keep", 2}, {2, false, 3, "stronghold0", 1},
  };
  for (const Case& c : cases) {
    GameState s;
    s.SpareByte = c.stormed;
    if (c.stage >= 0) (c.rival == 1 ? s.Rival1.Values[c.stage] : s.Rival2.Values[c.stage]) = 1;
    (c.rival == 1 ? s.Rival1.Active : s.Rival2.Active) = c.active ? kTrue : kFalse;
    (c.rival == 1 ? s.Rival2.Active : s.Rival1.Active) = c.active ? kFalse : kTrue;  // the other never decides
    EXPECT_EQ(rivalCastlePicture(s, c.rival), c.picture) << c.rival << " " << c.active << " " << c.stage;
  }
}

// The player's one flag follows what he takes: each step changes the holdings and names
// where the flag stands after the redraw (0 outpost, 1 great chapel, 2 obelisk, 3 dolmen).
TEST(MapView, PlayerFlagStandsOnWhatHeTookLast) {
  GameState s;
  s.OutpostState = 100;
  std::array<bool, 4> before{};
  int on = -1;
  struct Step { const char* what; std::function<void()> change; int flag; };
  const Step steps[] = {
      {"nothing held", [] {}, -1},
      {"walks to the dolmen", [&] { s.CountyBlessings[0] = 1; }, 3},
      {"a scout wins the great chapel", [&] { s.CountyBlessings[4] = 1; }, 1},
      {"takes the outpost", [&] { s.OutpostState = 200; }, 0},
      {"a redraw without change", [] {}, 0},
      {"a mission wins the obelisk", [&] { s.CountyBlessings[6] = 1; }, 2},
      {"a rival takes the obelisk", [&] { s.CountyBlessings[6] = 2; }, 0},
      {"the dolmen lost, outpost kept", [&] { s.CountyBlessings[0] = 3; }, 0},
      {"the obelisk and dolmen at once (a load)", [&] { s.CountyBlessings[6] = 1, s.CountyBlessings[0] = 1; }, 0},
      {"the great chapel held by a rival", [&] { s.CountyBlessings[4] = 2; }, 0},
  };
  for (const Step& st : steps) {
    st.change();
    EXPECT_EQ(playerFlagObject(s, before, on), st.flag) << st.what;
  }
}

// The campaign screen built for a display mode, on a started campaign.
struct CampScreen : test::GameFixture {
  Camp1Frm& open(int mode) {
    startCampaign();
    g.optim.DisplayMode = static_cast<uint8_t>(mode);
    auto& f = g.form<Camp1Frm>("Camp1Frm");
    shell.show(f);
    return f;
  }
};

// Unloading an open screen takes it off the shell's stack: the stack must never hold a
// destroyed form (the next screen opened would deactivate it).
TEST_F(CampScreen, UnloadingAnOpenScreenTakesItOffTheStack) {
  open(1);
  ASSERT_EQ(shell.openForms().size(), 1u);
  g.unload("Camp1Frm");
  EXPECT_TRUE(shell.openForms().empty());
  EXPECT_FALSE(g.formExists("Camp1Frm"));
  Camp1Frm& again = open(1);
  ASSERT_EQ(shell.openForms().size(), 1u);
  EXPECT_EQ(shell.openForms().front(), &again);
}

bool overlap(const Control& a, const Control& b) {
  return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
}

// A generous estimate of a text's width in the label's font (proportional faces run
// about half the font size per character).
int textWidth(const std::string& t, int font) { return static_cast<int>(t.size() * font * 0.55); }

TEST_F(CampScreen, EveryModeKeepsTheStripsOnScreenAndApart) {
  for (int mode = 0; mode <= 3; ++mode) {
    SCOPED_TRACE(mode);
    g.unload("Camp1Frm");
    Camp1Frm& f = open(mode);
    int w = 0, h = 0;
    g.optim.displaySize(w, h);
    ASSERT_EQ(f.Width, w);
    std::vector<const Control*> strip;
    for (const auto& c : f.controls()) {
      if (!c.Panel.empty() || c.Name == "MapSurface" || c.Name == "TooltipLbl") continue;
      EXPECT_GE(c.Left, 0) << c.Name;
      EXPECT_GE(c.Top, 0) << c.Name;
      EXPECT_LE(c.Left + c.Width, w) << c.Name;
      EXPECT_LE(c.Top + c.Height, h) << c.Name;
      if (c.Z == 21) strip.push_back(&c);
      // Every button of the strips says what it does, by its caption or its picture.
      if (c.Z == 21 && c.Kind == ControlKind::Button) EXPECT_FALSE(c.Caption.empty() && c.Picture.empty()) << c.Name;
    }
    // The end of turn's caption, line by line, fits beside the turn indicator at the
    // button's left end (a square of the button's height).
    const Control& end = f.ctl("EndTurnBtn");
    for (size_t a = 0, b; a <= end.Caption.size(); a = b + 1) {
      b = end.Caption.find('\n', a);
      if (b == std::string::npos) b = end.Caption.size();
      EXPECT_LE(textWidth(end.Caption.substr(a, b - a), end.FontSize), end.Width - end.Height - 8) << end.Caption;
    }
    for (size_t i = 0; i < strip.size(); ++i)
      for (size_t j = i + 1; j < strip.size(); ++j)
        EXPECT_FALSE(overlap(*strip[i], *strip[j])) << strip[i]->Name << " / " << strip[j]->Name;
  }
}

TEST_F(CampScreen, StatusTextsFitAt800x600) {
  Camp1Frm& f = open(0);
  // The longest texts the panel shows.
  g.s.Gold = 9999999;
  g.s.Crops = 9999999;
  g.s.Happiness = 100;
  g.s.Season = 1;
  g.s.BuildTurnsLeft = 8;
  g.s.BuildingUnderWay = 9;  // Stronghold
  g.s.BlacksmithOrder = 4;   // Two-handed sword
  f.refreshAll();
  f.ctl("TimeLbl").Caption = "23:59";
  f.ctl("WalkLbl").Caption = "3 / 3";
  f.ctl("MoralLbl").Caption = "100";
  for (const char* n : {"GoldLbl", "CropsLbl", "HappinessLbl", "CountyNameLbl", "SeassonLbl", "BuildLbl", "BlacksmithLbl",
                        "TimeLbl", "WalkLbl", "MoralLbl"}) {
    const Control& c = f.ctl(n);
    EXPECT_LE(textWidth(c.Caption, c.FontSize), c.Width) << n << ": " << c.Caption;
  }
  g.s.BuildTurnsLeft = kNone;
  f.refreshAll();
  EXPECT_LE(textWidth(f.ctl("BuildLbl").Caption, f.ctl("BuildLbl").FontSize), f.ctl("BuildLbl").Width);
  // Every help text fits the help line.
  const Control& help = f.ctl("Helper");
  for (const auto& c : f.controls()) {
    int t = 0, e = 0;
    if (helpLineEntry(c.Name, t, e))
      EXPECT_LE(textWidth(g.texts.text(t, e), help.FontSize), help.Width) << c.Name;
  }
}

TEST_F(CampScreen, HelpLinesNameExistingControlsAndTexts) {
  Camp1Frm& f = open(1);
  int found = 0;
  for (const auto& c : f.controls()) {
    int t = 0, e = 0;
    if (!helpLineEntry(c.Name, t, e)) continue;
    ++found;
    EXPECT_FALSE(g.texts.text(t, e).empty()) << c.Name;
  }
  EXPECT_GT(found, 100);
  int t = 0, e = 0;
  EXPECT_FALSE(helpLineEntry("NoSuchControl", t, e));
}

TEST_F(CampScreen, TooltipStaysOnScreen) {
  Camp1Frm& f = open(0);
  g.s.Advanced.Tooltips = kTrue;
  EventArgs a;
  a.x = 790;
  a.y = 590;
  showHelpLine(f, "ArmyCamp1Img", a);
  tooltipTick(g);
  const Control& tip = f.ctl("TooltipLbl");
  EXPECT_TRUE(tip.Visible);
  EXPECT_EQ(tip.Width, kTooltipWidth2);
  EXPECT_LE(tip.Left + tip.Width, f.Width);
  EXPECT_LE(tip.Top + tip.Height, f.Height);
  // In the open: under the pointer, 30 pixels down.
  a.x = 100;
  a.y = 200;
  showHelpLine(f, "GoldLbl", a);
  tooltipTick(g);
  EXPECT_EQ(tip.Left, 100);
  EXPECT_EQ(tip.Top, 230);
  EXPECT_EQ(tip.Width, kTooltipWidth1);
  f.clearHover();
  tooltipTick(g);
  EXPECT_FALSE(tip.Visible);
}

// A storm won: the castle on the map changes hands and no flag of the beaten lord stays.
TEST_F(CampScreen, AWonStormTakesTheRivalsColoursOffTheMap) {
  Camp1Frm& f = open(1);
  for (int site : {1, 2}) {
    g.s.Rival1.Active = g.s.Rival2.Active = kTrue;
    g.s.Rival1.Values = {};
    g.s.Rival2.Values = {};
    (site == 1 ? g.s.Rival1.Values[2] : g.s.Rival2.Values[2]) = 1;  // his fort
    g.s.CountyBlessings[4] = static_cast<uint8_t>(site + 1);      // and the great chapel
    f.refreshAll();
    const std::string castle = "RivalCastle" + std::to_string(site) + "Img";
    const std::string flag = "EFlagImg" + std::to_string(site);
    EXPECT_EQ(f.ctl(castle).Picture, "fort" + std::to_string(site));
    EXPECT_TRUE(f.ctl(flag).Visible);
    ApplyStorm(g.s, site, true);
    f.refreshAll();
    EXPECT_EQ(f.ctl(castle).Picture, "fort") << site << ": taken by storm, it flies the county's colours";
    EXPECT_FALSE(f.ctl(flag).Visible) << site;
  }
}

// Scrolled up, the backdrop shows between the top margin and the map: the pointer moving
// there, on the bare screen, stops the scrolling as the map and the strips do. The pointer
// leaving the window is no move over the screen and leaves it scrolling.
TEST_F(CampScreen, MovingOverTheBareScreenStopsScrolling) {
  Camp1Frm& f = open(1);  // 1024 x 768: top strip 64, top margin 64..72
  Control& map = f.ctl("MapSurface");
  map.Top = 100;
  Input& in = shell.input();
  in.setScreen(f.Width, f.Height);
  in.mouseMove(500, 68);
  ASSERT_EQ(f.scrollDirection, kScrollUp);
  const InputTarget bare = in.hit(500, 85);
  ASSERT_EQ(bare.form, &f);
  ASSERT_EQ(bare.control, nullptr);
  in.mouseMove(500, 85);
  EXPECT_EQ(f.scrollDirection, kScrollNone);
  in.mouseMove(500, 68);
  ASSERT_EQ(f.scrollDirection, kScrollUp);
  in.leave();
  EXPECT_EQ(f.scrollDirection, kScrollUp);
}

TEST_F(CampScreen, CampsStandAboveTheirMarkers) {
  Camp1Frm& f = open(1);
  g.s.CampExists = {kTrue, kTrue, kFalse};
  g.s.CampWaypoint = {2, 37, 0};
  g.s.CampMovesLeft = {2, 0, 0};
  g.s.SelectedCamp = 1;
  f.refreshAll();
  const Control& m = f.ctl("WalkTo37");
  const Control& camp = f.ctl("ArmyCamp2Img");
  EXPECT_EQ(camp.Left, m.Left);
  EXPECT_EQ(camp.Top, m.Top - 25);
  EXPECT_TRUE(camp.Visible);
  EXPECT_FALSE(f.ctl("ArmyCamp3Img").Visible);
  EXPECT_EQ(f.ctl("Trooper2Img").Top, camp.Top + 30);
  EXPECT_EQ(f.ctl("Camp1StatusImg").Picture, "CampStatusRes1");
  EXPECT_EQ(f.ctl("Camp2StatusImg").Picture, "CampStatusRes2");
  EXPECT_FALSE(f.ctl("Camp3StatusImg").Visible);
}

}  // namespace
}  // namespace fief
