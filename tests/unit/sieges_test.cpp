// Sieges of the rival castles: the duration by engineers, laying and lifting a siege, the
// storm's turn, battle and outcome, and the siege screen.
#include <gtest/gtest.h>

#include "map/army_walk.h"
#include "map/camp1_frm.h"
#include "rivals/rival_lords.h"
#include "rivals/sieges.h"
#include "test_support.h"
#include "text_names.h"
#include "turn/turn.h"
#include "ui/dialogs.h"

namespace fief {
namespace {

TEST(Sieges, DurationByEngineers) {
  const std::pair<int, int> cases[] = {{0, 6}, {10, 6}, {11, 4}, {20, 4}, {21, 3}, {30, 3}, {31, 2}, {300, 2}};
  for (auto [engineers, turns] : cases) EXPECT_EQ(SiegeDuration(engineers), turns) << engineers;
}

struct SiegeWorld : ::testing::Test {
  GameState s;
  SiegeWorld() {
    s.SiegeState1 = s.SiegeState2 = kNone;
    s.CampExists = {kTrue, kTrue, kTrue};
    s.CampWaypoint = {35, 20, 35};
    s.CampComposition[2].set(Enginer, 31);
    s.Rival1.Active = s.Rival2.Active = kTrue;
  }
};

TEST_F(SiegeWorld, DeclareWithTheFirstCampOnTheSite) {
  EXPECT_FALSE(DeclareSiege(s, 1)) << "no camp at waypoint 30";
  EXPECT_EQ(s.SiegeState1, kNone);
  // Camp 1 (no engineers) stands first on site 2: six turns, not camp 3's two.
  ASSERT_TRUE(DeclareSiege(s, 2));
  EXPECT_EQ(s.SiegeState2, 6);
  s.CampExists[0] = kFalse;
  ASSERT_TRUE(DeclareSiege(s, 2));
  EXPECT_EQ(s.SiegeState2, 2);
}

TEST_F(SiegeWorld, LiftingMovesEveryCampOnTheSiteBack) {
  s.SiegeState2 = 3;
  LiftSiege(s, 2);
  EXPECT_EQ(s.SiegeState2, kNone);
  EXPECT_EQ(s.CampWaypoint, (std::array<uint8_t, 3>{34, 20, 34}));
  // A camp that does not exist is not on the map, whatever waypoint it held last.
  s.SiegeState2 = 3;
  s.CampWaypoint = {35, 35, 35};
  s.CampExists = {kTrue, kFalse, kTrue};
  LiftSiege(s, 2);
  EXPECT_EQ(s.CampWaypoint, (std::array<uint8_t, 3>{34, 35, 34}));
}

TEST_F(SiegeWorld, StormBattleByTheCastleStage) {
  s.Rival2.Values[2] = kTrue;  // rival 2 has his fort
  s.Rival2.Morale = 42;
  const RivalBattle b2 = StormBattle(s, 2);
  EXPECT_EQ(b2.kind, RivalBattleKind::Storm);
  EXPECT_EQ(b2.map, "fort2");
  EXPECT_EQ(b2.camp, 1);
  EXPECT_EQ(b2.enemyId, 10);
  EXPECT_EQ(b2.enemyKind, 1);
  EXPECT_EQ(b2.battleKind, 1);
  EXPECT_FLOAT_EQ(b2.enemyMorale, 42);
  s.CampWaypoint[1] = 30;
  const RivalBattle b1 = StormBattle(s, 1);
  EXPECT_EQ(b1.map, "keep1") << "no stage built: the keep's map";
  EXPECT_EQ(b1.camp, 2);
  EXPECT_EQ(b1.enemyId, 7);
  EXPECT_EQ(b1.enemyKind, 0);
}

TEST_F(SiegeWorld, StormOutcome) {
  s.Rival1.Gold = 9001;
  s.Gold = 100;
  s.CountyBlessings = {2, 3, 0, 2, 0, 0, 2, 1, 0, 0};
  s.EnemyCamp[0].set(Archer, 50);
  s.EnemyCamp[1].set(Archer, 70);
  s.Rival1AttackState = 4;
  s.SiegeState1 = 0;
  GameState lost = s;
  ApplyStorm(lost, 1, false);
  EXPECT_EQ(lost.SiegeState1, kNone);
  EXPECT_TRUE(isSet(lost.Rival1.Active));
  EXPECT_FLOAT_EQ(lost.Rival1.Morale, s.Rival1.Morale + 10);
  ApplyStorm(s, 1, true);
  EXPECT_EQ(s.SiegeState1, kNone);
  EXPECT_FALSE(isSet(s.Rival1.Active));
  EXPECT_TRUE(isSet(s.Rival2.Active));
  EXPECT_EQ(s.CountyBlessings, (std::array<uint8_t, 10>{1, 3, 0, 1, 0, 0, 1, 1, 0, 0}));
  EXPECT_EQ(s.EnemyCamp[0].total() + s.EnemyCamp[1].total(), 0);
  EXPECT_EQ(s.Rival1AttackState, kNone);
  EXPECT_EQ(s.Gold, 100 + 4500);
}

// The siege on the campaign screen: lay it at the site, the storm three ends of turn
// after a two-turn siege was laid, and the siege screen.
struct SiegeOnMap : test::GameFixture {
  Camp1Frm* f = nullptr;
  std::vector<int> kinds;  // event kinds asked
  SiegeOnMap() {
    startCampaign(1);
    f = &g.form<Camp1Frm>("Camp1Frm");
    shell.show(*f);
    g.s.Rival1.Active = kTrue;
    g.s.CampWaypoint[0] = 30;
    g.s.CampComposition[0].set(Enginer, 31);
    // Accept every question, close every other screen.
    answer = [this](Form& form) {
      if (form.name() == "MsgFrm") kinds.push_back(dialogKind(g));
      for (const char* b : {"OkAniBtn", "Noanibtn", "CloseLbl"}) {
        Control* c = form.find(b);
        if (c && c->Visible && c->Enabled && form.fire(b, Ev::Click)) break;
      }
      if (form.Visible) form.close();
    };
  }
};

TEST_F(SiegeOnMap, LaidAtTheSiteThenStormedOnTurnTPlusThree) {
  f->refreshAll();
  ASSERT_TRUE(f->ctl("SiegeImg2").Visible) << "a camp stands at the site";
  EXPECT_FALSE(f->ctl("SiegeImg3").Visible);
  f->fire("SiegeImg2", Ev::Click);
  ASSERT_EQ(kinds, std::vector<int>{12});
  EXPECT_EQ(g.s.SiegeState1, 2);
  // The siege was laid in turn t; its storm is asked at the end of turn t + 3.
  std::vector<int> stormTurns;
  for (int i = 1; i <= 4; ++i) {
    kinds.clear();
    EndTurn(g);
    if (std::find(kinds.begin(), kinds.end(), 14) != kinds.end()) stormTurns.push_back(i);
  }
  EXPECT_EQ(stormTurns, std::vector<int>{3});
  EXPECT_EQ(g.s.SiegeState1, kNone);
}

// Laying siege shows at once that it is laid: the siege screen opens on the site with the
// turns to the storm. Refused, no siege and no siege screen.
TEST_F(SiegeOnMap, LayingSiegeShowsTheSiegeScreenWithItsTurns) {
  struct Case { int site; int engineers; bool accept; const char* shown; };
  const Case cases[] = {{1, 31, true, "2"}, {2, 10, true, "6"}, {1, 15, true, "4"}, {2, 31, false, ""}};
  for (const Case& c : cases) {
    g.s.SiegeState1 = g.s.SiegeState2 = kNone;
    g.s.Rival1.Active = g.s.Rival2.Active = kTrue;
    g.s.CampWaypoint[0] = static_cast<uint8_t>(SiegeWaypoint(c.site));
    g.s.CampComposition[0].set(Enginer, c.engineers);
    std::string shown, castle;
    int screens = 0;
    answer = [&](Form& form) {
      if (form.name() == "MsgFrm") {
        form.fire(c.accept ? "OkAniBtn" : "Noanibtn", Ev::Click);
        return;
      }
      ASSERT_EQ(form.name(), "SiegeFrm");
      ++screens;
      shown = form.ctl("CountdownLbl").Caption;
      castle = form.ctl("CastleLbl").Caption;
      form.fire("OkAniBtn", Ev::Click);
    };
    f->refreshAll();
    f->fire(c.site == 1 ? "SiegeImg2" : "SiegeImg3", Ev::Click);
    EXPECT_EQ(screens, c.accept ? 1 : 0) << c.site << " " << c.engineers;
    EXPECT_EQ(shown, c.shown) << c.site << " " << c.engineers;
    if (c.accept) EXPECT_EQ(castle, g.text(txt::levels::RivalLordNames[c.site]));
    EXPECT_EQ(SiegeCountdown(g.s, c.site), c.accept ? std::stoi(c.shown) : kNone);
  }
}

TEST_F(SiegeOnMap, AcceptedStormIsFoughtByTheCampOnTheSite) {
  test::RecordingPlayer player(g);
  g.s.Rival1.Values[4] = kTrue;  // his castle
  g.s.SiegeState1 = 0;
  AdvanceSieges(g);
  EXPECT_EQ(kinds, std::vector<int>{14});
  ASSERT_EQ(player.battles.size(), 1u);
  const RivalBattle& storm = player.battles[0].battle;
  EXPECT_EQ(storm.kind, RivalBattleKind::Storm);
  EXPECT_EQ(storm.map, "castle1");
  EXPECT_EQ(storm.camp, 1);
  // The storm won: rival 1 is out of the game.
  player.battles[0].fought(true, ArmyComp{});
  EXPECT_FALSE(isSet(g.s.Rival1.Active));
}

// A lord out of play is stormed no more: a won storm marks his castle once, and a siege
// that ends after his fall (or of a lord who never took the field) asks no storm, fights
// no battle and plunders nothing again.
TEST_F(SiegeOnMap, NoStormOfALordOutOfPlay) {
  test::RecordingPlayer player(g);
  const std::vector<test::RecordingPlayer::Battle>& storms = player.battles;
  struct Case { const char* what; bool stormedBefore; };
  for (const Case c : {Case{"stormed before", true}, Case{"never took the field", false}}) {
    SCOPED_TRACE(c.what);
    kinds.clear();
    player.battles.clear();
    g.s.Rival1.Active = kTrue;
    g.s.SpareByte = 0;
    g.s.Rival1.Gold = 9000;
    g.s.Gold = 100;
    if (c.stormedBefore) {
      ApplyStorm(g.s, 1, true);
      EXPECT_EQ(g.s.Gold, 100 + 4500);
      EXPECT_TRUE(CastleStormed(g.s, 1));
      EXPECT_FALSE(CastleStormed(g.s, 2));
    } else {
      g.s.Rival1.Active = kFalse;
    }
    const int32_t gold = g.s.Gold;
    // A storm won again changes nothing; no siege can be laid; a running one ends quietly.
    ApplyStorm(g.s, 1, true);
    EXPECT_EQ(g.s.Gold, gold);
    EXPECT_FALSE(DeclareSiege(g.s, 1));
    g.s.SiegeState1 = 0;
    AdvanceSieges(g);
    EXPECT_TRUE(kinds.empty());
    EXPECT_EQ(g.s.SiegeState1, kNone);
    g.s.SiegeState1 = 0;
    StormCastle(g, 1);  // an answer to a storm asked before his fall
    EXPECT_TRUE(storms.empty());
    EXPECT_EQ(g.s.SiegeState1, kNone);
    EXPECT_EQ(g.s.Gold, gold);
    EXPECT_EQ(CastleStormed(g.s, 1), c.stormedBefore);
  }
}

TEST_F(SiegeOnMap, SiegeScreenShowsTheArmyAndLifts) {
  g.s.SiegeState1 = 4;
  g.s.CampExists[1] = kTrue;
  g.s.CampWaypoint[1] = 30;
  int shown = 0;
  answer = [&](Form& form) {
    ASSERT_EQ(form.name(), "SiegeFrm");
    EXPECT_EQ(form.ctl("RegrutedLbl").Caption, std::to_string(g.s.ArmyCampSoldiers[0]));
    EXPECT_EQ(form.ctl("CountdownLbl").Caption, "4");
    EXPECT_EQ(form.ctl("SeasonLbl").Caption, g.texts.text(4, 85 + g.s.Season));
    ++shown;
    form.fire("Okanibtn3", Ev::Click);
  };
  f->refreshAll();
  f->fire("SiegeImg2", Ev::Click);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(g.s.SiegeState1, kNone);
  EXPECT_EQ(g.s.CampWaypoint[0], 29);
  EXPECT_EQ(g.s.CampWaypoint[1], 29);
  EXPECT_FALSE(f->ctl("SiegeImg2").Visible);
}

// A camp that walks onto a site brings up its siege camp (and a camp walking onto the
// dolmen its flag) as soon as the step ends, so the siege can be laid in the same turn.
TEST_F(SiegeOnMap, ArrivingShowsTheSiegeCampAndTheFlag) {
  struct Case { int from, to; const char* shown; };
  const Case cases[] = {{29, 30, "SiegeImg2"}, {36, 37, "FlagImg"}};
  for (const Case& c : cases) {
    g.s.CampWaypoint[0] = static_cast<uint8_t>(c.from);
    g.s.CampMovesLeft[0] = 2;
    g.s.CountyBlessings[0] = 0;
    f->refreshAll();
    ASSERT_FALSE(f->ctl(c.shown).Visible) << c.shown;
    SelectForWalking(g, 1);
    MoveOrderTo(g, c.to);
    ASSERT_TRUE(g.timers.enabled("ArmyTimer"));
    shell.wait(20000);
    ASSERT_FALSE(g.timers.enabled("ArmyTimer"));
    EXPECT_TRUE(f->ctl(c.shown).Visible) << c.shown;
  }
}

// March Out closes the screen and offers the besieging camp its waypoints, as the right
// button on its banner does; without moves left the help line says so. The siege runs on.
TEST_F(SiegeOnMap, MarchOutOffersTheBesiegersWaypoints) {
  struct Case { int moves; bool offered; std::string helper; };
  const Case cases[] = {{2, true, ""}, {0, false, g.texts.text(4, 25)}};
  for (const Case& c : cases) {
    g.s.SiegeState1 = 4;
    g.s.SelectedCamp = 0;
    g.s.CampMovesLeft[0] = static_cast<uint8_t>(c.moves);
    f->ctl("Helper").Caption.clear();
    hideWaypointMarkers(g);
    bool closed = false;
    answer = [&](Form& form) {
      ASSERT_EQ(form.name(), "SiegeFrm");
      form.fire("Okanibtn2", Ev::Click);
      closed = !form.Visible;
    };
    f->refreshAll();
    f->fire("SiegeImg2", Ev::Click);
    EXPECT_TRUE(closed) << c.moves;
    EXPECT_EQ(g.s.SelectedCamp, 1) << c.moves;
    EXPECT_EQ(f->ctl("WalkTo29").Visible, c.offered) << c.moves << ": the way back from the site";
    EXPECT_EQ(f->ctl("Helper").Caption, c.helper) << c.moves;
    EXPECT_EQ(g.s.SiegeState1, 4) << "the siege goes on";
  }
}

}  // namespace
}  // namespace fief
