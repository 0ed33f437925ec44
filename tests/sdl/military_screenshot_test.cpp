// Screenshots of the military screens with something on them: the map with three
// armies, the markers offered to one and another in mid-step; a levy under way; a split
// under way; the combine and castle screens; the results of a won battle. Saved as
// build/screenshots/<name>_<w>x<h>.png; the screen checks' problems (missing pictures,
// text that does not fit, controls outside their screen) fail the test.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "campaign/files.h"
#include "map/army_walk.h"
#include "map/camp1_frm.h"
#include "military/battle_handover_screens.h"
#include "military/military_screens.h"
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

class MilitaryScreens : public test::ScreenshotFixture {
 protected:
  void shoot(SdlShell& sh, Form& check, const std::string& name) {
    for (auto& p : test::shootFrame(sh, check, name, outDir)) problems.push_back(p);
  }
  std::vector<std::string> problems;
};

void army(GameState& s, int k, uint8_t waypoint, std::initializer_list<std::pair<Unit, int>> units) {
  CampComp& c = s.CampComposition[k - 1];
  c.clear();
  for (auto [u, n] : units) c.set(u, n);
  s.ArmyCampSoldiers[k - 1] = static_cast<int16_t>(c.total());
  s.CampExists[k - 1] = kTrue;
  s.CampWaypoint[k - 1] = waypoint;
  s.CampMovesLeft[k - 1] = 2;
}

TEST_P(MilitaryScreens, WithArmies) {
  const Mode m = GetParam();
  test::SdlGameDir dir;
  SdlShell sh(SdlShell::Options{"Fiefdom", true});
  Game g(sh, dir.path.string());
  g.optim = defaultOptim();
  g.optim.DisplayMode = m.displayMode;
  g.optim.Words[1] = kTrue;  // no fade: the battle is handed over at once
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
  s.BarracksBuilt = s.StablesBuilt = kTrue;
  s.CastleStageBuilt[0] = s.CastleStageBuilt[1] = kTrue;
  s.Religion = 60;
  s.IdlePeople = 3000;
  s.BowStock = 400;
  s.SwordStock = s.ShieldStock = s.PlateStock = 120;
  army(s, 2, 4, {{Archer, 300}, {SwordMan, 120}, {Cavalry, 80}});
  army(s, 3, 6, {{ClubMan, 400}, {Helebarder, 150}, {Warlord, 1}});
  s.Advanced.NoMovesMarkerOption = kTrue;
  s.Advanced.ShowTroopers = kTrue;
  const GameState before = s;

  sh.onModal = [&](Form& f) {
    const std::string n = f.name();
    if (n == "ArmyFrm") {
      f.fire("SwordsmenBtn", Ev::Click);
      for (int i = 0; i < 40; ++i) f.fire("UpAniBtn", Ev::MouseDown);
      f.fire("UpAniBtn", Ev::MouseUp);
      f.fire("ArcherBtn", Ev::Click);
      for (int i = 0; i < 45; ++i) f.fire("UpAniBtn", Ev::MouseDown);
      f.fire("UpAniBtn", Ev::MouseUp);
      shoot(sh, f, "ArmyFrm_levy");
      f.fire("MonkBtn", Ev::Click);
      for (int i = 0; i < 30; ++i) f.fire("UpAniBtn", Ev::MouseDown);
      f.fire("UpAniBtn", Ev::MouseUp);
      shoot(sh, f, "ArmyFrm_full");
      f.fire("Noanibtn", Ev::Click);
    } else if (n == "ArmySplitFrm") {
      f.ctl("ArmyLst").ListIndex = 1;
      f.fire("ArmyLst", Ev::Click);
      for (int i = 0; i < 60; ++i) f.fire("UpAniBtn", Ev::MouseDown);
      f.fire("UpAniBtn", Ev::MouseUp);
      shoot(sh, f, "ArmySplitFrm_split");
      f.fire("OkAniBtn", Ev::Click);
      shoot(sh, f, "ArmySplitFrm_refused");
      f.fire("Noanibtn", Ev::Click);
    } else if (n == "ArmyCombineFrm") {
      shoot(sh, f, n + "_armies");
      // The longest refusal of the screen, in its help line.
      g.ShowText(f.ctl("Helper"), txt::campaign::CombinedCountsTooLarge);
      shoot(sh, f, n + "_refused");
      f.fire("Noanibtn", Ev::Click);
    } else {
      if (n == "ArmyCampFrm") f.fire("DisbandBtn", Ev::Click);
      shoot(sh, f, n + "_armies");
      if (n == "ResultsFrm") f.fire("OkAniBtn", Ev::Click);
    }
  };

  auto& camp = g.form<Camp1Frm>("Camp1Frm");
  sh.show(camp);
  camp.refreshAll();
  int w = 0, h = 0;
  sh.logicalSize(w, h);
  // The view centred on the three armies.
  Control& map = camp.ctl("MapSurface");
  map.Left = w / 2 - 760;
  map.Top = h / 2 - 1290;
  // Camp 1 offered its roads (castle gate included); then camp 3 half-way from 6 to 5.
  SelectForWalking(g, 1);
  shoot(sh, camp, "Camp1Frm_armies");
  SelectForWalking(g, 3);
  MoveOrderTo(g, 5);
  for (int i = 0; i < 20; ++i) g.timers["ArmyTimer"].Tick();
  EXPECT_TRUE(camp.ctl("WalkingImg").Visible);
  // The shell's own clock must not carry the walk on while the picture is taken.
  g.timers.disable("ArmyTimer");
  shoot(sh, camp, "Camp1Frm_step");
  g.timers.enable("ArmyTimer");
  while (g.timers.enabled("ArmyTimer")) g.timers["ArmyTimer"].Tick();
  EXPECT_EQ(s.CampWaypoint[2], 5);
  EXPECT_EQ(s.CampMovesLeft[2], 1);
  hideWaypointMarkers(g);

  // The troop figure stands over the lower half of its banner: the pointer there, in the
  // window, still selects the camp (right button) and opens it (left button).
  {
    const Control& banner = camp.ctl("ArmyCamp2Img");
    const Control& trooper = camp.ctl("Trooper2Img");
    ASSERT_TRUE(trooper.Visible);
    int bx = 0, by = 0, tx = 0, ty = 0;
    camp.screenRect(banner, bx, by);
    camp.screenRect(trooper, tx, ty);
    const int px = tx + 6, py = ty + 20;
    ASSERT_LT(py, by + banner.Height);
    ASSERT_GE(px, bx);
    sh.mouseDown(px, py, MouseButton::Right);
    sh.mouseUp(px, py, MouseButton::Right);
    EXPECT_EQ(s.SelectedCamp, 2);
    EXPECT_TRUE(camp.ctl("WalkTo3").Visible || camp.ctl("WalkTo5").Visible);
    std::string opened;
    auto modal = sh.onModal;
    sh.onModal = [&](Form& f) {
      opened = f.name();
      f.fire("Noanibtn", Ev::Click);
    };
    sh.mouseDown(px, py, MouseButton::Left);
    sh.mouseUp(px, py, MouseButton::Left);
    EXPECT_EQ(opened, "ArmyCampFrm");
    sh.onModal = modal;
    hideWaypointMarkers(g);
  }

  // The villages: Lord Osric's men in the first, the outlaw band in the burnt second;
  // then the band driven to the burnt mill while the village is rebuilt.
  {
    const Control& village = camp.ctl("VillageImg2");
    map.Left = w / 2 - (village.Left + 20);
    map.Top = h / 2 - (village.Top + 40);
    s.VillageState[0] = 100;
    camp.refreshAll();
    EXPECT_TRUE(camp.ctl("Village1Pic").Visible);
    EXPECT_TRUE(camp.ctl("Village2Pic").Visible);
    shoot(sh, camp, "Camp1Frm_villages");
    siteWon(s, 15);
    camp.refreshAll();
    EXPECT_EQ(camp.ctl("Village2Pic").Left, camp.ctl("WindmillImg2").Left + 16);
    shoot(sh, camp, "Camp1Frm_outlaws_mill");
    s.VillageState = before.VillageState;
    s.OutlawBand = before.OutlawBand;
    camp.refreshAll();
  }

  OpenRecruiting(g, LevyPlace::Castle);
  OpenArmyCamp(g, 2);
  // Splitting needs a free camp: the third army is put aside for it.
  s.CampExists[2] = kFalse;
  s.ArmyCampSoldiers[2] = 0;
  OpenSplit(g, 2);
  s.CampExists[2] = before.CampExists[2];
  s.ArmyCampSoldiers[2] = before.ArmyCampSoldiers[2];
  g.form("ArmyCombineFrm").showModal();
  s.CastleGarrisonCamp = 2;
  g.form("CastleFrm").showModal();
  s.CastleGarrisonCamp = 0;

  // A battle won at the first field: a stand-in battle program, its results and status.
  const fs::path prog = dir.path / "battledata.rz";
  std::ofstream(prog) << "#!/bin/sh\nexit 0\n";
  fs::permissions(prog, fs::perms::owner_all);
  ASSERT_TRUE(StartSiteBattle(g, 1, 2));
  FightOut out;
  out.BattleId = runningBattleId(g);  // the battle program echoes its hand-over's id
  out.Outcome = 1;
  out.OurDead = 112;
  out.EnemyDead = 731;
  FightResultArmy a;
  std::array<int16_t, kUnitCount> left{};
  left[Archer] = 250;
  left[SwordMan] = 90;
  left[Cavalry] = 48;
  a.Survivors = toRosterOrder(left);
  out.Armies = {a, FightResultArmy{}};
  ASSERT_TRUE(writeFightOut((dir.path / kFightOutFile).string(), out, err)) << err;
  ASSERT_TRUE(writeFightStatus((dir.path / kFightStatusFile).string(), kFightFinished, err)) << err;
  BattleTimerTick(g);
  EXPECT_FALSE(battleRunning(g));
  EXPECT_EQ(s.ArmyCampSoldiers[1], 388);

  for (const auto& p : problems) std::printf("PROBLEM: %s\n", p.c_str());
  EXPECT_TRUE(problems.empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, MilitaryScreens, ::testing::Values(Mode{0, 800, 600}, Mode{3, 1280, 1024}),
                         [](const auto& info) { return std::to_string(info.param.w) + "x" + std::to_string(info.param.h); });

}  // namespace
