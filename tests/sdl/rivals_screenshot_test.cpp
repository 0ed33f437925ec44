// Screenshots of the campaign map with the rival lords in play: their flags on the
// objects they hold, their armies (one raiding, one marching on the castle), their castles
// and a siege camp before each castle, at 800x600 and 1280x1024, saved as
// build/screenshots/Camp1Frm_rivals_<east|west>_<w>x<h>.png; and the siege screen with a
// running siege (SiegeFrm_running_<w>x<h>.png); then a castle taken by storm beside one whose
// lord is out of play (Camp1Frm_rival_stormed_<east|west>_<w>x<h>.png), and the message
// screen with the march and the scout's messages (MessagesFrm_rivals_<w>x<h>.png). Fails on
// the screen checks' problems (screen_checks.h).
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "campaign/files.h"
#include "campaign/message_log.h"
#include "map/camp1_frm.h"
#include "military/agents.h"
#include "rivals/rival_screens.h"
#include "rivals/rival_turn.h"
#include "rivals/sieges.h"
#include "screenshot_support.h"
#include "sdl_game_dir.h"
#include "text_names.h"
#include "ui/game.h"
#include "ui/platform/sdl_shell.h"
#include "ui/program_start.h"

namespace fs = std::filesystem;
using namespace fief;
using test::Mode;

namespace {

class RivalScreens : public test::ScreenshotFixture {
 protected:
  void shoot(SdlShell& sh, Form& check, const std::string& name) {
    for (auto& p : test::shootFrame(sh, check, name, outDir)) ADD_FAILURE() << p;
  }
  // Scrolls the map so that the map point (x, y) is in the middle of the view.
  static void centreOn(Camp1Frm& camp, int x, int y) {
    Control& map = camp.ctl("MapSurface");
    map.Left = std::clamp(camp.Width / 2 - x, camp.Width - map.Width, 0);
    map.Top = std::clamp(camp.Height / 2 - y, camp.Height - map.Height - 15, 150);
  }
};

TEST_P(RivalScreens, MapWithRivalsAndSieges) {
  const Mode m = GetParam();
  test::SdlGameDir dir(m.displayMode);
  SdlShell sh(SdlShell::Options{"Fiefdom", true});
  Game g(sh, dir.path.string());
  g.optim = defaultOptim();
  g.optim.DisplayMode = m.displayMode;
  std::string err;
  ASSERT_TRUE(writeFileAtomic((dir.path / "Optim.rz").string(), encodeOptim(g.optim), err)) << err;
  ASSERT_TRUE(sh.attach(g, err)) << err;
  ASSERT_TRUE(g.texts.load(g.dir, err)) << err;
  g.ScaleForms = sh.logicalDpi() == 96;
  setupTimers(g);
  g.s.Difficulty = 1;
  g.rng.seed(7);
  InitialState(g);

  GameState& s = g.s;
  s.Rival1.Active = s.Rival2.Active = kTrue;
  s.Rival1.Values[3] = kTrue;  // rival 1's stronghold
  s.Rival2.Values[1] = kTrue;  // rival 2's bailey
  s.CountyBlessings[0] = 3;    // the dolmen: rival 2
  s.CountyBlessings[4] = 2;    // the great chapel: rival 1
  s.CountyBlessings[6] = 1;    // the obelisk: the player's flag
  s.ChestState[0] = 1;         // a treasure chest lies in the west
  // Rival 1's army A raids the village (two turns to go), army B stands at home; rival 2's
  // host marches on the castle, five turns away.
  s.EnemyCamp[0].set(Archer, 300);
  s.EnemyCamp[1].set(Archer, 400);
  s.EnemyCamp[2].set(ClubMan, 250);
  s.EnemyCamp[3].set(Archer, 200);
  s.EnemyCamp[4].set(Archer, 700);
  s.Rival1WarState = 2;
  RivalArmyStateByte(s, 1, 0) = ArmyRaiding;
  RivalArmyStateByte(s, 1, 1) = ArmyHome;
  s.Rival2AttackState = 5;
  RivalArmyStateByte(s, 2, 0) = ArmyMarching;
  // Camp 1 besieges rival 1's castle, camp 2 stands before rival 2's.
  s.CampExists = {kTrue, kTrue, kFalse};
  s.CampWaypoint = {30, 35, 0};
  s.CampComposition[1].set(Archer, 400);
  s.ArmyCampSoldiers[1] = 400;
  s.SiegeState1 = 3;

  auto& camp = g.form<Camp1Frm>("Camp1Frm");
  sh.show(camp);
  camp.refreshAll();
  centreOn(camp, 2000, 620);
  shoot(sh, camp, "Camp1Frm_rivals_east");
  centreOn(camp, 420, 470);
  shoot(sh, camp, "Camp1Frm_rivals_west");
  EXPECT_TRUE(camp.ctl("EFlagImg1").Visible);
  EXPECT_TRUE(camp.ctl("EFlagImg2").Visible);
  EXPECT_TRUE(camp.ctl("FlagImg").Visible);
  EXPECT_TRUE(camp.ctl("ChestImg1").Visible);
  EXPECT_TRUE(camp.ctl("SiegeImg2").Visible);
  EXPECT_TRUE(camp.ctl("SiegeImg3").Visible);

  // The battlefield's question on the campaign screen, put away by Noanibtn2.
  s.SelectedCamp = 2;
  camp.fire("BattlefieldImg1", Ev::Click);
  EXPECT_TRUE(camp.ctl("BattlefieldPnl").Visible);
  shoot(sh, camp, "Camp1Frm_battlefield_question");
  camp.fire("Noanibtn2", Ev::Click);
  EXPECT_FALSE(camp.ctl("BattlefieldPnl").Visible);

  // The siege screen of the running siege, photographed when it opens.
  bool shown = false;
  sh.onModal = [&](Form& f) {
    if (f.name() != "SiegeFrm") return;
    shoot(sh, f, "SiegeFrm_running");
    shown = true;
    sh.close(f);
  };
  OpenSiegeScreen(g, 1);
  EXPECT_TRUE(shown);

  // Rival 1's castle taken by storm flies the county's colours; rival 2's, whose lord is
  // put out of play by hand here as this level's lords are from the start, a white pennant.
  ApplyStorm(s, 1, true);
  s.Rival2.Active = kFalse;
  camp.refreshAll();
  EXPECT_EQ(camp.ctl("RivalCastle1Img").Picture, "stronghold");
  EXPECT_EQ(camp.ctl("RivalCastle2Img").Picture, "bailey0");
  centreOn(camp, 2000, 620);
  shoot(sh, camp, "Camp1Frm_rival_stormed_east");
  centreOn(camp, 420, 470);
  shoot(sh, camp, "Camp1Frm_rival_stormed_west");

  // The longest messages of the rivals and the agents in the message screen's rows.
  AddMessage(g, 1, txt::campaign::RivalArmiesJoined);
  AddMessage(g, 2, kScoutCalledHomeMessage);
  bool listed = false;
  sh.onModal = [&](Form& f) {
    if (f.name() != "MessagesFrm") return;
    shoot(sh, f, "MessagesFrm_rivals");
    listed = true;
    sh.close(f);
  };
  g.form("MessagesFrm").showModal();
  EXPECT_TRUE(listed);
}

INSTANTIATE_TEST_SUITE_P(Modes, RivalScreens, ::testing::Values(Mode{0, 800, 600}, Mode{3, 1280, 1024}),
                         [](const auto& info) { return std::to_string(info.param.w) + "x" + std::to_string(info.param.h); });

}  // namespace
