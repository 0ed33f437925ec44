// Screenshots of the diplomacy, realm, leader and special-units screens and of every
// turn animation in the states a player meets them in (a rival's sheet revealed by a
// spy, the trade panel, the chronicle after 20 turns ...), at 800x600 and 1280x1024, as
// build/screenshots/<name>_<w>x<h>.png. Fails on any drawing problem of these screens
// (missing picture, text that does not fit, a control outside its screen or panel).
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "screenshot_support.h"
#include "sdl_game_dir.h"
#include "turn/turn.h"
#include "ui/game.h"
#include "ui/platform/sdl_shell.h"
#include "ui/program_start.h"

namespace fs = std::filesystem;
using namespace fief;
using test::Mode;

namespace {

class RealmScreens : public test::ScreenshotFixture {
 protected:
  void shoot(SdlShell& sh, Form& f, const std::string& name) {
    for (auto& p : test::shootFrame(sh, f, name, outDir)) ADD_FAILURE() << p;
  }

};

TEST_P(RealmScreens, InTheirStates) {
  const Mode m = GetParam();
  test::SdlGameDir dir(m.displayMode);
  SdlShell sh(SdlShell::Options{"Fiefdom", true});
  Game g(sh, dir.path.string());
  std::string err;
  g.optim.DisplayMode = m.displayMode;
  ASSERT_TRUE(sh.attach(g, err)) << err;
  ASSERT_TRUE(g.texts.load(g.dir, err)) << err;
  g.ScaleForms = sh.logicalDpi() == 96;
  setupTimers(g);
  g.s.Difficulty = 1;
  g.rng.seed(11);
  InitialState(g);
  Form& camp = g.form("Camp1Frm");
  sh.show(camp);

  // Twenty turns of a county at work: the chronicle has something to draw.
  GameState& s = g.s;
  std::function<void(Form&)> none = [](Form&) {};
  sh.onModal = none;
  s.TaxRate = 30;
  for (int t = 0; t < 20; ++t) {
    s.Happiness = static_cast<int16_t>(std::max<int>(s.Happiness, 40));
    s.Health = static_cast<int16_t>(std::max<int>(s.Health, 40));
    EndTurn(g);
  }
  ASSERT_EQ(g.chronicle.entries.size(), 21u);
  s.Rival1.Active = kTrue;
  s.RivalRelation = {100, 1};
  s.Rival1.Leadership = 44;
  s.Rival1.Nobility = 31;
  s.Rival1.Diplomacy = 52;
  s.Rival1.Religion = 60;
  s.Rival1.Morale = 57.5f;
  s.CountyRelation = {100, 1, 3, 0, 0, 2, 0, 0, 0, 1};
  s.CountyBlessings[0] = 1;
  s.CountyBlessings[6] = 1;
  s.ObjectMissionCountdown = 2;
  s.ObjectMissionTarget = 2;
  s.Gold = 40000;

  // Opens a screen and runs `inside` on it; a dialog it opens in turn is photographed
  // as <screen>_<dialog>.
  auto modal = [&](const std::string& form, std::function<void(Form&)> inside) {
    bool first = true;
    sh.onModal = [&](Form& f) {
      if (!first) return shoot(sh, f, form + "_" + f.name());
      first = false;
      inside(f);
    };
    sh.showModal(g.form(form));
    sh.onModal = none;
  };

  modal("RealmFrm", [&](Form& f) { shoot(sh, f, "RealmFrm_chronicle"); });
  s.LeaderShown = 2;
  modal("LeaderFrm", [&](Form& f) { shoot(sh, f, "LeaderFrm_rival_spy"); });
  s.LeaderShown = 3;
  modal("LeaderFrm", [&](Form& f) { shoot(sh, f, "LeaderFrm_rival_unknown"); });
  s.LeaderShown = 1;
  modal("LeaderFrm", [&](Form& f) { shoot(sh, f, "LeaderFrm_player"); });

  modal("DiploFrm", [&](Form& f) {
    f.fire("AmbasadorBtn", Ev::Click);
    shoot(sh, f, "DiploFrm_counties");
    f.ctl("RivalsLst").ListIndex = 0;
    f.fire("RivalsLst", Ev::Click);
    f.fire("SpieBtn", Ev::Click);
    shoot(sh, f, "DiploFrm_rivals");
    f.fire("WarBtn", Ev::Click);  // the question is photographed as DiploFrm_MsgFrm
    f.fire("TradeBtn", Ev::Click);
    f.ctl("SellLst").ListIndex = 2;
    f.fire("SellLst", Ev::Click);
    f.fire("UpAniBtn", Ev::Click);
    f.fire("UpAniBtn2", Ev::Click);
    shoot(sh, f, "DiploFrm_trade");
  });

  modal("GuardFrm", [&](Form& f) {
    shoot(sh, f, "GuardFrm_scout");
    f.fire("AssassinBtn", Ev::Click);
    f.ctl("AssassinLst").ListIndex = 3;
    f.fire("AssassinLst", Ev::Click);
    shoot(sh, f, "GuardFrm_assassin");
    f.fire("GuardBtn", Ev::Click);
    shoot(sh, f, "GuardFrm_guard");
  });

  // Every animation with its texts.
  s.Advanced.AnimatedSprites = kTrue;
  const struct { int entry, value; const char* name; } anims[] = {{0, 1, "assassin_ok"}, {0, 2, "assassin_failed"},
                                                                  {1, 1, "scout_ok"},    {1, 2, "scout_failed"},
                                                                  {2, 1, "death"}};
  for (const auto& a : anims) {
    s.TurnAnimationFlags.fill(0);
    s.TurnAnimationFlags[a.entry] = static_cast<uint8_t>(a.value);
    modal("MovieFrm", [&](Form& f) {
      EXPECT_EQ(f.ctl("WeatherAnim").Picture, std::string("anim/") + a.name + ".rz");
      shoot(sh, f, std::string("MovieFrm_") + a.name);
      f.Form_KeyUp(Key::Escape);  // nothing else queued: the screen closes
      EXPECT_FALSE(f.Visible);
    });
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, RealmScreens, ::testing::Values(Mode{0, 800, 600}, Mode{3, 1280, 1024}),
                         [](const auto& info) { return std::to_string(info.param.w) + "x" + std::to_string(info.param.h); });

}  // namespace
