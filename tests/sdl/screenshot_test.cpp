// Screenshots of every screen through the real renderer (SDL's offscreen driver): each
// registered form is opened over a started campaign at 800x600 and 1280x1024 and saved
// as build/screenshots/<Form>_<w>x<h>.png. The test fails on a picture name that does
// not exist, on text that does not fit its control after word wrap, on text drawn over
// other text or under a dialog's medallion, and on a control that lies outside its
// screen or panel. Problems already reported to a screen's owner
// are listed in tests/sdl/known_issues.txt and only printed.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>

#include "campaign/files.h"
#include "campaign/message_log.h"
#include "campaign/save_games.h"
#include "county/county.h"
#include "military/levy.h"
#include "military/military_screens.h"
#include "screenshot_support.h"
#include "sdl_game_dir.h"
#include "turn/turn_screen.h"
#include "ui/dialogs.h"
#include "ui/game.h"
#include "ui/platform/sdl_shell.h"
#include "ui/program_start.h"

namespace fs = std::filesystem;
using namespace fief;
using test::Mode;

namespace {

class Screenshots : public test::ScreenshotFixture {
 protected:
  // Saves the current frame; the problems of `check` are collected under its name.
  void shoot(SdlShell& sh, Form& check, const std::string& name) {
    for (auto& p : test::shootFrame(sh, check, name, outDir)) problems.push_back(p);
  }

  std::vector<std::string> problems;
};

TEST_P(Screenshots, EveryScreen) {
  const Mode m = GetParam();
  test::SdlGameDir dir;
  SdlShell sh(SdlShell::Options{"Fiefdom", true});
  Game g(sh, dir.path.string());
  // The display settings of the folder ask for the mode (the loading screen reads them).
  g.optim = defaultOptim();
  g.optim.DisplayMode = m.displayMode;
  std::string err;
  ASSERT_TRUE(writeFileAtomic((dir.path / "Optim.rz").string(), encodeOptim(g.optim), err)) << err;
  ASSERT_TRUE(sh.attach(g, err)) << err;
  int w = 0, h = 0;
  sh.logicalSize(w, h);
  ASSERT_EQ(w, m.w);
  ASSERT_EQ(h, m.h);
  ASSERT_TRUE(g.texts.load(g.dir, err)) << err;
  g.ScaleForms = sh.logicalDpi() == 96;
  setupTimers(g);
  g.s.Difficulty = 1;
  g.rng.seed(7);
  InitialState(g);

  // A modal form opened while another one loads is photographed too.
  sh.onModal = [&](Form& f) { shoot(sh, f, f.name()); };

  Form& camp = g.form("Camp1Frm");
  sh.show(camp);
  shoot(sh, camp, "Camp1Frm");
  // The far end of the map: scrolled right and down as far as the map timer goes.
  Control& map = camp.ctl("MapSurface");
  const int homeLeft = map.Left, homeTop = map.Top;
  map.Left = w - map.Width;
  map.Top = h - map.Height - 15;
  shoot(sh, camp, "Camp1Frm_far");
  map.Left = homeLeft;
  map.Top = homeTop;

  // The animation screen shows only a queued animation.
  g.s.Advanced.AnimatedSprites = kTrue;
  g.s.TurnAnimationFlags[0] = 1;
  const std::set<std::string> skip = {"Camp1Frm", "TimerFrm"};
  for (const auto& name : registeredForms()) {
    if (skip.count(name)) continue;
    try {
      Form& f = g.form(name);
      sh.showModal(f);
    } catch (const ProgramEnded&) {
      sh.clearEnded();
    } catch (const std::exception& e) {
      problems.push_back(name + ": could not be opened: " + e.what());
    }
    // Whatever is still open above the campaign screen is closed for the next one.
    while (sh.openForms().size() > 1 || (!sh.openForms().empty() && sh.openForms().back() != &camp)) {
      Form* top = sh.openForms().back();
      if (top == &camp) break;
      sh.close(*top);
    }
    if (sh.openForms().empty()) sh.show(camp);
  }

  // Screens in the states that show the most text: the message log with rows in both
  // lists, and the marshal's levy with its story and the refusal of too small a levy.
  // The completion message comes from a building finished, with the building's name.
  AddMessage(g, 1, 68);
  g.s.BuildingUnderWay = 3;
  g.s.BuildTurnsLeft = 0;
  AdvanceConstruction(g);
  AddMessage(g, 1, 74);
  AddMessage(g, 2, 85);
  sh.onModal = [&](Form& f) { shoot(sh, f, "MessagesFrm_rows"); };
  sh.showModal(g.form("MessagesFrm"));
  setGarryMode(g, 3);
  sh.onModal = [&](Form& f) {
    f.fire("OkAniBtn", Ev::Click, {});
    shoot(sh, f, "GarryFrm_levy");
  };
  sh.showModal(g.form("GarryFrm"));
  // The build screen with built county buildings and castle stages: the ticks.
  g.s.BlacksmithBuilt = g.s.ThievesBuilt = kTrue;
  g.s.CastleStageBuilt[0] = g.s.CastleStageBuilt[1] = kTrue;
  sh.onModal = [&](Form& f) {
    shoot(sh, f, "BuildFrm_built");
    // What a building opens, under its costs: the longest line (the barracks' unit types)
    // and the most lines (the fort).
    f.fire("BaracksBtn", Ev::Click, {});
    shoot(sh, f, "BuildFrm_opens");
    f.fire("FortBtn", Ev::MouseMove, {});
    shoot(sh, f, "BuildFrm_opens_stage");
  };
  sh.showModal(g.form("BuildFrm"));
  // The load list longer than its box, newest first, a row chosen further down.
  for (int i = 1; i <= 12; ++i) {
    std::string err;
    EXPECT_TRUE(WriteSave(g, "Season " + std::to_string(i), err)) << err;
  }
  sh.onModal = [&](Form& f) {
    f.ctl("FileLst").ListIndex = 9;
    f.fire("FileLst", Ev::Click, {});
    shoot(sh, f, "LoadGameFrm_long");
  };
  sh.showModal(g.form("LoadGameFrm"));
  // An event's question with what each answer brings, and the question whether to give
  // battle with the strength of the force.
  g.s.BattleSite = 2;
  g.s.SelectedCamp = 1;
  for (auto [kind, entry, name] : {std::tuple{kCrusadeEvent, 111, "MsgFrm_crusade"},
                                   std::tuple{kGiveBattleEvent, 117, "MsgFrm_battle"}}) {
    sh.onModal = [&, name = std::string(name)](Form& f) {
      shoot(sh, f, name);
      f.fire("Noanibtn", Ev::Click, {});
    };
    ShowEvent(g, kind, entry);
  }
  // The blacksmith with a standing order and the armoury's stocks shown.
  g.s.BlacksmithOrder = 10;
  g.s.TwoHandStock = 1234;
  sh.onModal = [&](Form& f) {
    f.ctl("ArmouryOption").Checked = true;
    f.fire("ArmouryOption", Ev::Click, {});
    shoot(sh, f, "BlacksmithFrm_order");
  };
  sh.showModal(g.form("BlacksmithFrm"));
  // A levy of several types at the outpost, the last count typed.
  g.s.BarracksBuilt = g.s.StablesBuilt = kTrue;
  g.s.IdlePeople = 3000;
  sh.onModal = [&](Form& f) {
    for (auto [button, count] : {std::pair{"ArcherBtn", 40}, std::pair{"LongBowBtn", 120}, std::pair{"MacemanBtn", 50}}) {
      f.fire(button, Ev::Click, {});
      f.ctl("TypeCountTxt").Caption = std::to_string(count);
      f.fire("TypeCountTxt", Ev::Change, {});
    }
    shoot(sh, f, "ArmyFrm_levy");
    f.fire("Noanibtn", Ev::Click, {});
  };
  OpenRecruiting(g, LevyPlace::Outpost);

  // The people screen with meat chosen but none in store in autumn (no harvest before the
  // people eat), and the food screens in the winter before the crops come in.
  g.s.Meat = 0;
  g.s.EatMeat = kTrue;
  g.s.Season = 3;
  sh.onModal = [&](Form& f) { shoot(sh, f, "PeopleFrm_nomeat"); };
  sh.showModal(g.form("PeopleFrm"));
  g.s.Season = 4;
  sh.onModal = [&](Form& f) { shoot(sh, f, f.name() + "_winter"); };
  sh.showModal(g.form("CropsFrm"));
  sh.showModal(g.form("CattleFrm"));

  // The mission screen after a defeat, every objective met before it: only the replay and
  // the exit to the title are offered.
  g.s.AllObjectivesMet = kTrue;
  g.s.PlayerInGame = kFalse;
  sh.onModal = [&](Form& f) {
    EXPECT_FALSE(f.ctl("NextLbl").Visible);
    shoot(sh, f, "TipsFrm_defeat");
  };
  sh.showModal(g.form("TipsFrm"));
  g.s.PlayerInGame = kTrue;

  // Dialogs the in-game menu opens, stacked over it: the menu's frame and its buttons
  // must not show around them.
  for (const char* command : {"SaveGameLbl", "LoadGameLbl", "AboutLbl", "ExitLbl"}) {
    Form& menu = g.form("MenuFrm");
    sh.onModal = [&](Form& f) {
      if (&f == &menu) f.fire(command, Ev::Click, {});
      else shoot(sh, f, "MenuFrm_" + f.name());
    };
    sh.showModal(menu);
  }

  const int fresh = test::reportProblems(problems);
  EXPECT_EQ(fresh, 0) << "screens with problems at " << w << "x" << h << " (see the lines above and "
                      << outDir.string() << ")";
}

INSTANTIATE_TEST_SUITE_P(Modes, Screenshots, ::testing::Values(Mode{0, 800, 600}, Mode{3, 1280, 1024}),
                         [](const auto& info) { return std::to_string(info.param.w) + "x" + std::to_string(info.param.h); });

// The window adapts to the display settings, and every game key has its SDL key.
TEST(SdlShellTest, KeysOfTheGame) {
  struct Case {
    SDL_Keycode sdl;
    Key key;
  };
  const Case cases[] = {{SDLK_RETURN, Key::Enter}, {SDLK_KP_ENTER, Key::Enter}, {SDLK_ESCAPE, Key::Escape},
                        {SDLK_F3, Key::F3},         {SDLK_F11, Key::F11},        {SDLK_KP_PLUS, Key::Add},
                        {SDLK_KP_MINUS, Key::Subtract}, {SDLK_KP_DIVIDE, Key::Divide}, {SDLK_a, Key::A},
                        {SDLK_z, Key::Z},           {SDLK_1, Key::D1},           {SDLK_9, Key::D9},
                        {SDLK_LEFT, Key::Left},     {SDLK_0, Key::None},         {SDLK_TAB, Key::None}};
  for (auto& c : cases) EXPECT_EQ(keyFromSdl(c.sdl), c.key) << SDL_GetKeyName(c.sdl);
}

}  // namespace
