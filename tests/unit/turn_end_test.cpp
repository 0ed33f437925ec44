// The end of turn as a whole: its order, the clamping and lay-off, the agents' and
// sieges' countdowns, the fade, the command, and random turns keeping the invariants.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "campaign/events.h"
#include "county/county.h"
#include "military/agents.h"
#include "rivals/sieges.h"
#include "test_support.h"
#include "text_names.h"
#include "turn/garrison.h"
#include "turn/turn.h"
#include "turn/turn_screen.h"
#include "ui/dialogs.h"

namespace fief {
namespace {

struct TurnEndTest : test::GameFixture {
  TurnEndTest() { startCampaign(1); }
  std::vector<int> entries(int list) {
    std::vector<int> e;
    for (int i = 0; i < g.log.count(list); ++i) e.push_back(g.log.rows[list - 1][i].entry);
    return e;
  }
  // A county where no periodic dialog, shortage or plague happens this turn.
  void quietCounty() {
    GameState& s = g.s;
    s.TurnCounter = 2;  // the next turn is 3
    s.Season = 2;
    s.Gold = 20000; s.Wood = 5000; s.Stone = 5000; s.Ore = 5000; s.Crops = 20000; s.Meat = 5000;
    s.People = 4000; s.Happiness = 60; s.Health = 70; s.Morale = 50;
    s.Diplomacy = 70; s.Leadership = 30; s.Nobility = 20; s.Religion = 50;
  }
};

TEST_F(TurnEndTest, LayOffOrderStopsWhenTheWorkforceFits) {
  GameState& s = g.s;
  for (int slot : {1, 2, 5}) {
    s.IdlePeople = 10000;
    ASSERT_TRUE(BindCutterSlot(g, WoodCutter, slot));
  }
  s.IdlePeople = 10000;
  ASSERT_TRUE(BindCutterSlot(g, StoneCutter, 3));
  s.FieldKind.fill(0);
  s.FieldKind[1] = 1;
  s.CropFieldPeople = 100;
  // workforce 3 * 260 + 300 + 100 = 1180; with 700 people wood slots 5 and 2 go (660 left)
  s.People = 700;
  LayOffWorkers(g);
  EXPECT_EQ(s.WoodCutterSlots, (std::array<uint8_t, 5>{1, 0, 0, 0, 0}));
  EXPECT_EQ(s.StoneCutterSlots, (std::array<uint8_t, 5>{0, 0, 1, 0, 0}));
  EXPECT_EQ(s.FieldKind[1], 1);
  EXPECT_EQ(Workforce(g), 660);
  EXPECT_EQ(s.IdlePeople, 40);
  // Nobody left: every place is emptied, the tax field stays, and the field the player
  // had selected is still the selected one.
  s.FieldKind[4] = 4;
  s.SelectedField = 5;
  s.People = 0;
  LayOffWorkers(g);
  EXPECT_EQ(Workforce(g), 0);
  EXPECT_EQ(s.FieldKind[1], 0);
  EXPECT_EQ(s.FieldKind[4], 4);
  EXPECT_EQ(s.IdlePeople, 0);
  EXPECT_EQ(s.SelectedField, 5);
}

TEST_F(TurnEndTest, ClampAndShortageWarnings) {
  GameState& s = g.s;
  s.Leadership = -3; s.Nobility = 130; s.Diplomacy = 0; s.Religion = 100;
  s.Morale = -130.5f;
  s.Wood = -1; s.Stone = -2; s.Ore = 5; s.People = 250; s.Gold = -7; s.Crops = 1000; s.Meat = 301;
  s.Happiness = 140; s.Health = -20;
  ClampCountyValues(g);
  EXPECT_EQ(s.Leadership, 0);
  EXPECT_EQ(s.Nobility, 100);
  EXPECT_FLOAT_EQ(s.Morale, -100);
  EXPECT_EQ(s.Wood, 0);
  EXPECT_EQ(s.Gold, 0);
  EXPECT_EQ(s.Happiness, 100);
  EXPECT_EQ(s.Health, 0);
  EXPECT_EQ(entries(1), (std::vector<int>{77, 80, 79}));  // crops, people, health
}

TEST_F(TurnEndTest, ShortageColoursOnTheCampaignScreen) {
  Form& camp = g.form("Camp1Frm");
  g.s.Crops = 10; g.s.Meat = 5000; g.s.People = 5000; g.s.Happiness = 50; g.s.Health = 50;
  ClampCountyValues(g);
  EXPECT_EQ(camp.ctl("CropsLbl").ForeColor, kWarningColour);
  EXPECT_EQ(camp.ctl("CattleLbl").ForeColor, kDefaultColour);
  g.s.Crops = 5000;
  ClampCountyValues(g);
  EXPECT_EQ(camp.ctl("CropsLbl").ForeColor, kDefaultColour);
}

TEST_F(TurnEndTest, ObjectMissionRoll) {
  struct Case { int target; double r; int blessing; int entry; int flag; };
  const Case cases[] = {{1, 0.29, -1, 86, 2}, {1, 0.30, 6, 85, 1}, {2, 0.99, 0, 85, 1}, {3, 0.5, 4, 85, 1}};
  for (const auto& c : cases) {
    GameState& s = g.s;
    s.CountyBlessings.fill(0);
    ClearMessages(g);
    s.ObjectMissionTarget = static_cast<uint8_t>(c.target);
    s.ObjectMissionCountdown = 1;
    AdvanceObjectMission(g);  // 1 -> 0: resolved only at the next turn
    EXPECT_EQ(s.ObjectMissionCountdown, 0);
    EXPECT_TRUE(entries(2).empty());
    g.rng.queue({c.r});
    AdvanceObjectMission(g);
    EXPECT_EQ(s.ObjectMissionCountdown, kNone);
    EXPECT_EQ(s.ObjectMissionTarget, 0);
    EXPECT_EQ(entries(2), std::vector<int>{c.entry});
    EXPECT_EQ(s.TurnAnimationFlags[1], c.flag);
    for (int b = 0; b < 10; ++b) EXPECT_EQ(s.CountyBlessings[b], b == c.blessing ? 1 : 0);
  }
}

TEST_F(TurnEndTest, AssassinSkillAndMissions) {
  GameState& s = g.s;
  auto& v = s.GuardScreenValue;
  EXPECT_EQ(v[AssassinSkill], 1);
  EXPECT_EQ(v[AssassinCountdown], kNone);
  s.TurnCounter = 16;
  AdvanceAssassins(g);
  EXPECT_EQ(v[AssassinSkill], 2);
  s.TurnCounter = 17;
  struct Case { int rival, mission, skill, guard; double r; bool success; };
  const Case cases[] = {{1, 1, 5, 5, 0, false}, {1, 1, 5, 4, 0, true},   {1, 2, 1, 0, 0.40, true},
                        {2, 2, 1, 0, 0.49, false}, {2, 2, 1, 0, 0.50, true}};
  for (const auto& c : cases) {
    s.Rival1 = {}; s.Rival2 = {};
    s.Rival1.Leadership = s.Rival2.Leadership = 40;
    s.Rival1.Morale = s.Rival2.Morale = 60;
    s.Rival1.DevelopmentLevel = s.Rival2.DevelopmentLevel = static_cast<uint8_t>(c.guard);
    v = {static_cast<uint8_t>(c.skill), 0, static_cast<uint8_t>(c.rival), static_cast<uint8_t>(c.mission)};
    ClearMessages(g);
    if (c.mission == 2) g.rng.queue({c.r});
    AdvanceAssassins(g);
    auto& r = c.rival == 1 ? s.Rival1.Leadership : s.Rival2.Leadership;
    float m = c.rival == 1 ? s.Rival1.Morale : s.Rival2.Morale;
    EXPECT_EQ(r, c.success && c.mission == 1 ? 0 : 40);
    EXPECT_FLOAT_EQ(m, c.success && c.mission == 2 ? 35 : 60);
    EXPECT_EQ(entries(2), std::vector<int>{c.success ? 83 : 84});
    EXPECT_EQ(s.TurnAnimationFlags[0], c.success ? 1 : 2);
    EXPECT_EQ(v[AssassinCountdown], kNone);
    EXPECT_EQ(v[AssassinMission], 0);
  }
}

TEST_F(TurnEndTest, SiegeStormAndLifting) {
  GameState& s = g.s;
  s.Rival1.Active = s.Rival2.Active = kTrue;  // only a lord in play is stormed
  s.SiegeState1 = 1;
  s.SiegeState2 = 0;
  s.Rival1.Active = s.Rival2.Active = kTrue;
  s.CampExists = {kTrue, kTrue, kFalse};
  s.CampWaypoint = {35, 35, 35};
  std::vector<int> kinds;
  answer = [&](Form& f) {
    if (f.name() == "MsgFrm") kinds.push_back(dialogKind(g));
    f.fire(f.name() == "MsgFrm" && dialogKind(g) == 15 ? "Noanibtn" : "OkAniBtn", Ev::Click);
  };
  AdvanceSieges(g);
  EXPECT_EQ(kinds, std::vector<int>{15});
  EXPECT_EQ(s.SiegeState1, 0);
  EXPECT_EQ(s.SiegeState2, kNone);
  // Refusing lifts the siege: the camps on the site fall back; camp 3 is not on the map.
  EXPECT_EQ(s.CampWaypoint, (std::array<uint8_t, 3>{34, 34, 35}));
  AdvanceSieges(g);
  // Accepting the storm with no camp left at the site: nobody storms the walls.
  EXPECT_EQ(kinds, (std::vector<int>{15, 14}));
  EXPECT_EQ(s.SiegeState1, kNone);
}

TEST_F(TurnEndTest, EventConsequences) {
  struct Case { int kind; bool accept; int gold; int goldAfter; };
  const Case cases[] = {{4, true, 3500, 0},  {4, true, 3499, 3499}, {5, true, 2700, 0}, {20, true, 3000, 0},
                        {21, true, 2500, 0}, {21, true, 2499, 2499}, {1, false, 100, 100}, {8, false, 0, 0},
                        {5, false, 2700, 2700}};
  for (const auto& c : cases) {
    startCampaign(1);
    GameState& s = g.s;
    s.Gold = c.gold;
    const GameState before = s;
    answer = [&](Form& f) { f.fire(c.accept ? "OkAniBtn" : "Noanibtn", Ev::Click); };
    ShowEvent(g, EventKind(c.kind), 106);
    EXPECT_EQ(dialogKind(g), kNoticeEvent);
    EXPECT_EQ(s.Gold, c.goldAfter) << c.kind;
    const bool paid = c.goldAfter != c.gold;
    switch (c.kind) {
      case 4: EXPECT_EQ(s.Religion, before.Religion + (paid ? 5 : 0)); break;
      case 5:
        EXPECT_EQ(s.Religion, before.Religion + (c.accept ? 9 : -15));
        // Turning the monks away is told among the county's news; paying them is not.
        EXPECT_EQ(entries(1), c.accept ? std::vector<int>{} : std::vector<int>{103});
        break;
      case 20: EXPECT_EQ(s.VillageState[0], kNone); break;
      case 21:
        EXPECT_EQ(s.Leadership, before.Leadership + (paid ? 3 : 0));
        EXPECT_FLOAT_EQ(s.Morale, before.Morale + (paid ? 10 : 0));
        break;
      case 1:
        EXPECT_EQ(s.Happiness, before.Happiness - 9);
        EXPECT_EQ(s.Nobility, before.Nobility - 12);
        EXPECT_FLOAT_EQ(s.Morale, before.Morale - 15);
        break;
      case 8: EXPECT_EQ(s.Crops, before.Crops + 450); EXPECT_EQ(s.Ore, before.Ore + 200); break;
    }
  }
  // Refusing Lord Osric (or lacking the gold) loses village 1, a tenth of the people and 12 happiness.
  startCampaign(1);
  g.s.Gold = 2999; g.s.People = 3000; g.s.Happiness = 50;
  answer = [&](Form& f) { f.fire("OkAniBtn", Ev::Click); };
  ShowEvent(g, kOsricClaimEvent, 123);
  EXPECT_EQ(g.s.VillageState[0], 100);
  EXPECT_EQ(g.s.People, 2700);
  EXPECT_EQ(g.s.Happiness, 38);
  EXPECT_EQ(g.s.Gold, 2999);
}

// The event dialog shows what each answer changes, and those are exactly the changes the
// answer makes (with gold enough to pay): the figures cannot drift from the rules.
TEST_F(TurnEndTest, EventDialogShowsWhatEachAnswerChanges) {
  struct Case { EventKind kind; bool accept; int entry; std::string shown; };
  const Case cases[] = {
      {kCrusadeEvent, true, 111, "Accept: Gold -3500, Leadership +2, Diplomacy +3, Religion +5"},
      {kCrusadeEvent, false, 111, "Refuse: Leadership -6, Diplomacy -13, Religion -10"},
      {kBurnedAbbeyEvent, true, 112, "Accept: Gold -2700, Religion +9"},
      {kBurnedAbbeyEvent, false, 112, "Refuse: Religion -15"},
      {kTenantsLevyEvent, false, 115, "Refuse: Crops +450, Meat +13, Wood +200, Stone +200, Ore +200"},
      {kMercenaryDrillEvent, true, 124, "Accept: Gold -2500, Morale +10, Leadership +3"},
  };
  auto figures = [](const GameState& s) {
    return std::vector<double>{double(s.Gold),     double(s.Wood),       double(s.Stone),    double(s.Ore),
                               double(s.Crops),    double(s.Meat),       double(s.People),   double(s.Happiness),
                               double(s.Morale),   double(s.Leadership), double(s.Nobility), double(s.Diplomacy),
                               double(s.Religion)};
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    startCampaign(1);
    GameState& s = g.s;
    s.Gold = 10000;
    s.Leadership = s.Diplomacy = s.Religion = 50;
    const GameState before = s;
    std::string shown;
    answer = [&](Form& f) {
      shown = f.ctl("EffectsLbl").Caption;
      f.fire(c.accept ? "OkAniBtn" : "Noanibtn", Ev::Click);
    };
    ShowEvent(g, c.kind, c.entry);
    EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
    const EventRule* rule = eventRule(c.kind);
    ASSERT_NE(rule, nullptr);
    GameState expected = before;
    applyChanges(expected, c.accept ? rule->acceptChanges : rule->refuseChanges);
    EXPECT_EQ(figures(s), figures(expected));
  }
}

TEST_F(TurnEndTest, MerchantsRefusedFillTheArmoury) {
  g.s.BowStock = 0; g.s.ShieldStock = 0; g.s.MaceStock = 0;
  g.rng.queue({0.5, 0, 0, 0, 0.99, 0, 0, 0.5});
  answer = [&](Form& f) { f.fire("Noanibtn", Ev::Click); };
  ShowEvent(g, kArmsMerchantsEvent, 114);
  EXPECT_EQ(g.s.BowStock, 25);
  EXPECT_EQ(g.s.MaceStock, 14);
  EXPECT_EQ(g.s.ShieldStock, 100);
}

TEST_F(TurnEndTest, KingsLevySentThroughTheEventScreen) {
  GameState& s = g.s;
  s.Crops = 5000; s.Gold = 0; s.Nobility = 10;
  int clicks = 0;
  answer = [&](Form& f) {
    if (f.name() == "MsgFrm") { f.fire("OkAniBtn", Ev::Click); return; }
    ASSERT_EQ(f.name(), "GarryFrm");
    if (clicks++ < 100) {  // 100 x 10 crops = 1000 crops, worth 2000 gold: enough
      f.fire("UpBtn1", Ev::MouseDown);
      f.fire("UpBtn1", Ev::MouseUp);
    } else {
      f.fire("OkAniBtn", Ev::Click);
    }
  };
  ShowEvent(g, kKingsLevyEvent, 106);
  EXPECT_EQ(s.Crops, 4000);
  EXPECT_EQ(s.Gold, 1000);  // the crown pays 1 gold a unit
  EXPECT_EQ(s.Nobility, 15);
}

// The marshal's screen shows what the goods chosen are worth against the 2000 he asks, a
// confirmation below it says the shortfall and changes nothing, and a store eaten below
// nothing mid-turn shows as empty.
TEST_F(TurnEndTest, KingsLevyShowsItsWorthAndShortfall) {
  GameState& s = g.s;
  s.Crops = 5000; s.Meat = -40; s.Gold = 0;
  const GameState before = s;
  int clicks = 0;
  std::vector<std::string> values, hints;
  answer = [&](Form& f) {
    if (f.name() == "MsgFrm") { f.fire("OkAniBtn", Ev::Click); return; }
    ASSERT_EQ(f.name(), "GarryFrm");
    EXPECT_EQ(f.ctl("StockLbl2").Caption, "0");
    if (clicks++ < 65) {  // 65 x 10 crops at 2 gold: worth 1300
      f.fire("UpBtn1", Ev::MouseDown);
      f.fire("UpBtn1", Ev::MouseUp);
    } else if (clicks == 67) {
      f.fire("Noanibtn", Ev::Click);
    } else {
      f.fire("OkAniBtn", Ev::Click);
      values.push_back(f.ctl("ValueLbl").Caption);
      hints.push_back(f.ctl("HintLbl").Caption);
    }
  };
  ShowEvent(g, kKingsLevyEvent, 106);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0], g.text(txt::campaign::ProvisionsWorth) + ": 1300 / 2000");
  EXPECT_NE(hints[0].find(g.text(txt::campaign::ShortBy) + " 700."), std::string::npos) << hints[0];
  EXPECT_EQ(s.Crops, before.Crops);  // refused after the shortfall: nothing was sent
  EXPECT_EQ(s.Nobility, before.Nobility - 23);
}

TEST(Garrison, LevyShortfall) {
  struct Case { GoodsAmounts amounts; long long shortfall; };
  const Case cases[] = {
      {{0, 0, 0, 0, 0}, 2000},
      {{1000, 0, 0, 0, 0}, 0},      // crops at 2: exactly enough
      {{990, 0, 0, 0, 0}, 20},
      {{0, 100, 100, 100, 100}, 200},  // 600 + 300 + 400 + 500
      {{0, 400, 0, 0, 0}, 0},       // more than enough is no shortfall
  };
  for (const Case& c : cases) EXPECT_EQ(levyShortfall(c.amounts), c.shortfall) << c.amounts[0] << "," << c.amounts[1];
}

TEST_F(TurnEndTest, GarrisonHeldButtonStepsPerTick) {
  g.s.Gold = 100;
  setGarryMode(g, 1);
  Form& f = g.form("GarryFrm");
  answer = [&](Form& top) {
    top.fire("UpBtn3", Ev::MouseDown);  // wood at 3 gold: 10 now, then 10 per tick
    shell.wait(95);                      // three ticks of 30 ms
    top.fire("UpBtn3", Ev::MouseUp);
    shell.wait(200);                     // released: no more steps
    EXPECT_EQ(top.ctl("AmountLbl3").Caption, "30");  // 40 would cost 120 > 100 gold
    top.fire("OkAniBtn", Ev::Click);
  };
  const int wood = g.s.Wood;
  f.showModal();
  EXPECT_EQ(g.s.Wood, wood + 30);
  EXPECT_EQ(g.s.Gold, 10);
}

TEST_F(TurnEndTest, MessageScreenCountsAndScrolling) {
  for (int i = 0; i < 5; ++i) AddMessage(g, 1, 64 + i);
  AddMessage(g, 2, 70);
  Form& f = g.form("MessagesFrm");
  answer = [&](Form& top) {
    EXPECT_EQ(top.ctl("CountLbl").Caption, "( 5 )");
    EXPECT_EQ(top.ctl("CountLbl2").Caption, "( 1 )");
    EXPECT_TRUE(top.ctl("MsgLbl1").Visible);
    EXPECT_FALSE(top.ctl("MsgLbl4").Visible);
    EXPECT_FALSE(top.ctl("Msg2Lbl2").Visible);
    for (int i = 0; i < 9; ++i) top.fire("CUpAniBtn", Ev::Click);  // stops at the count
    EXPECT_FALSE(top.ctl("MsgLbl4").Visible);
    EXPECT_TRUE(top.ctl("MsgLbl5").Visible);
    for (int i = 0; i < 9; ++i) top.fire("CDownAniBtn", Ev::Click);  // stops at 1
    EXPECT_TRUE(top.ctl("MsgLbl1").Visible);
    top.fire("CDownAniBtn2", Ev::Click);
    EXPECT_TRUE(top.ctl("Msg2Lbl1").Visible);
    top.ctl("MsgOption").Checked = true;
    top.fire("MsgOption", Ev::Click);
    top.fire("OkAniBtn", Ev::Click);
  };
  f.showModal();
  EXPECT_EQ(g.s.ShowMessagesAfterTurn, kTrue);
}

// A list holds eight rows: a ninth message of it is dropped without a sound or a hint,
// while the other list still takes its own; with message sounds off logging is silent.
TEST_F(TurnEndTest, AFullListDropsTheMessageWithoutASoundOrAHint) {
  g.SoundAvailable = true;
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(AddMessage(g, 1, 64 + i));
  shell.takeSounds();
  Control& helper = g.form("Camp1Frm").ctl("Helper");
  g.setHelper("an old hint");
  EXPECT_FALSE(AddMessage(g, 1, 72));
  EXPECT_EQ(g.log.MessageCount, 8);
  EXPECT_EQ(entries(1), (std::vector<int>{64, 65, 66, 67, 68, 69, 70, 71}));
  EXPECT_TRUE(shell.takeSounds().empty());
  EXPECT_EQ(helper.Caption, "an old hint");

  EXPECT_TRUE(AddMessage(g, 2, 70));
  EXPECT_EQ(g.log.MessageCount2, 1);
  EXPECT_EQ(helper.Caption, g.texts.text(1, 99));
  const auto sounds = shell.takeSounds();
  ASSERT_EQ(sounds.size(), 1u);
  EXPECT_EQ(sounds[0].second, "message.wav");

  g.s.Advanced.MessageSoundOff = kTrue;
  EXPECT_TRUE(AddMessage(g, 2, 71));
  EXPECT_EQ(entries(2), (std::vector<int>{70, 71}));
  EXPECT_TRUE(shell.takeSounds().empty());
}

// The arrows point the way the rows move: the down arrow (below) shows later rows, the
// up arrow (above) earlier ones, in both lists.
TEST_F(TurnEndTest, MessageScreenArrowsPointTheWayTheRowsMove) {
  for (int i = 0; i < 6; ++i) {
    AddMessage(g, 1, 64 + i);
    AddMessage(g, 2, 70);
  }
  answer = [&](Form& top) {
    for (const std::string list : {"", "2"}) {
      auto firstShown = [&] {
        for (int i = 1; i <= 8; ++i)
          if (top.ctl((list.empty() ? "MsgLbl" : "Msg2Lbl") + std::to_string(i)).Visible) return i;
        return 0;
      };
      auto arrow = [&](const char* picture) -> Control& {
        for (const char* b : {"CUpAniBtn", "CDownAniBtn"})
          if (top.ctl(b + list).Picture == picture) return top.ctl(b + list);
        ADD_FAILURE() << "no " << picture << " button in list '" << list << "'";
        return top.ctl("CUpAniBtn" + list);
      };
      Control& down = arrow("scroll_down");
      Control& up = arrow("scroll_up");
      EXPECT_GT(down.Top, up.Top) << list;
      EXPECT_EQ(firstShown(), 1) << list;
      top.fire(down.Name, Ev::Click);
      top.fire(down.Name, Ev::Click);
      EXPECT_EQ(firstShown(), 3) << list;
      top.fire(up.Name, Ev::Click);
      EXPECT_EQ(firstShown(), 2) << list;
    }
    top.fire("OkAniBtn", Ev::Click);
  };
  g.form("MessagesFrm").showModal();
}

TEST(TurnFade, ScheduleRisesAndFalls) {
  for (double step : {1.2, 3.0}) {
    const auto up = FadeSchedule(step, false);
    const auto both = FadeSchedule(step, true);
    ASSERT_FALSE(up.empty());
    EXPECT_EQ(up.back(), 255);
    EXPECT_EQ(both.back(), 0);
    EXPECT_EQ(both.size(), 2 * up.size());
    for (size_t i = 1; i < up.size(); ++i) EXPECT_GT(up[i], up[i - 1]);
  }
  // Rounded each frame, a step of 1.2 moves the level by one; 3.0 by three.
  EXPECT_EQ(FadeSchedule(1.2, false).size(), 255u);
  EXPECT_EQ(FadeSchedule(3.0, false).size(), 85u);
}

TEST_F(TurnEndTest, CommandWithAndWithoutFade) {
  for (bool fadeOff : {true, false}) {
    startCampaign(1);
    quietCounty();
    g.optim.Words[1] = fadeOff ? 1 : 0;
    g.form("Camp1Frm").show();
    g.s.Advanced.AutoSaveOption = kFalse;
    std::vector<std::string> opened;
    answer = [&](Form& f) {
      opened.push_back(f.name());
      f.close();
    };
    EndTurnCommand(g);
    EXPECT_EQ(g.s.TurnCounter, 3) << fadeOff;
    EXPECT_EQ(g.s.FadeMode, 0);
    EXPECT_TRUE(opened.empty());  // the fade screen closes itself
    EXPECT_EQ(g.formExists("EndTurnFrm"), !fadeOff);
    EXPECT_EQ(shell.fade(), 0);
    EXPECT_TRUE(g.timers.enabled("EndTurnTimer"));
    shell.wait(100);
    EXPECT_FALSE(g.timers.enabled("EndTurnTimer"));
    EXPECT_EQ(g.form("Camp1Frm").ctl("TurnImg").Picture, "hourglass");
    g.unload("EndTurnFrm");
  }
}

// The help line after the command: with the fade it tells of the turn's messages (the
// turn runs after the fade has begun); without it the command clears it last.
TEST_F(TurnEndTest, HelpLineAfterTheCommand) {
  for (bool fadeOff : {false, true}) {
    startCampaign(1);
    quietCounty();
    g.s.Crops = 500;  // a shortage is logged
    g.optim.Words[1] = fadeOff ? 1 : 0;
    g.s.Advanced.AutoSaveOption = kFalse;
    g.form("Camp1Frm").show();
    g.setHelper("an old hint");
    EndTurnCommand(g);
    EXPECT_GT(g.log.MessageCount, 0) << fadeOff;
    EXPECT_EQ(g.form("Camp1Frm").ctl("Helper").Caption, fadeOff ? std::string() : g.texts.text(1, 99)) << fadeOff;
    g.unload("EndTurnFrm");
  }
}

// A dialog of the battle hand-over closing over the fade screen activates it again: the
// fade and the hand-over still run once, and the hand-over timer closes the screen.
TEST_F(TurnEndTest, BattleFadeHandsOverOnce) {
  int handOvers = 0;
  g.s.Advanced.AutoCalcOption = kTrue;
  int pumps = 0;
  answer = [&](Form& f) {
    if (++pumps > 20) f.close();
    else if (f.name() == "MsgFrm") f.fire("OkAniBtn", Ev::Click);
    else shell.wait(100);
  };
  FadeToBattle(g, [&](Game& game) {
    if (++handOvers < 3) ShowMessageBox(game, "The battle program starts.");
  });
  EXPECT_EQ(handOvers, 1);
  EXPECT_EQ(g.s.FadeMode, 0);
  EXPECT_FALSE(g.timers.enabled("BattleFadeTimer"));
  EXPECT_LT(pumps, 20);
}

TEST_F(TurnEndTest, AutoSaveAndItsFailure) {
  quietCounty();
  g.optim.Words[1] = 1;
  g.s.Advanced.AutoSaveOption = kTrue;
  EndTurnCommand(g);
  EXPECT_TRUE(std::filesystem::exists(g.path("Save Game/AutoSave.s15")));
  // A save that cannot be written is reported and the turn goes on.
  std::filesystem::remove_all(g.path("Save Game"));
  std::ofstream(g.path("Save Game")) << "not a folder";
  std::vector<std::string> boxes;
  answer = [&](Form& f) {
    boxes.push_back(f.ctl("MsgLbl").Caption);
    f.close();
  };
  const int turn = g.s.TurnCounter;
  EndTurnCommand(g);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(g.s.TurnCounter, turn + 1);
}

TEST_F(TurnEndTest, MessagesAfterTheTurnAndDeletion) {
  quietCounty();
  g.optim.Words[1] = 1;
  g.s.Advanced.DeleteMessagesOption = kTrue;
  g.s.ShowMessagesAfterTurn = kTrue;
  for (int i = 0; i < 8; ++i) AddMessage(g, 1, 64);
  std::vector<std::string> opened;
  answer = [&](Form& f) {
    opened.push_back(f.name());
    f.close();
  };
  EndTurnCommand(g);
  EXPECT_EQ(opened, std::vector<std::string>{"MessagesFrm"});
  EXPECT_EQ(g.log.MessageCount, 0);  // cleared at the start; a quiet turn logs nothing
}

TEST_F(TurnEndTest, QuietTurnStepByStep) {
  quietCounty();
  GameState& s = g.s;
  s.CampExists = {kTrue, kFalse, kTrue};
  s.CampMovesLeft = {0, 0, 0};
  s.Morale = 75;
  s.TaxRate = 20;
  // drift: +245 -245 and +60 (happiness 60 -> 56 after tax); market bases: 6250, 4250, 2250
  g.rng.queue({0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
  EndTurn(g);
  EXPECT_EQ(g.rng.queued(), 0u);
  EXPECT_EQ(s.CampMovesLeft, (std::array<uint8_t, 3>{3, 0, 3}));
  EXPECT_EQ(s.LastGold, 20000);
  EXPECT_EQ(s.LastPeople, 4000);
  EXPECT_EQ(s.Season, 3);
  EXPECT_EQ(s.TurnCounter, 3);
  EXPECT_EQ(s.BuyBaseWood, 6250);
  EXPECT_EQ(s.BuyBaseStone, 4250);
  EXPECT_EQ(s.BuyBaseOre, 2250);
  EXPECT_EQ(s.IdlePeople, s.People - Workforce(g));
  EXPECT_TRUE(entries(1).empty());
}

// Every camp on the map gets its moves for the new turn from the soldiers' morale as the
// turn begins: 3 from 75, 2 from 50, else 1; a camp that does not exist gets none.
TEST_F(TurnEndTest, CampMovesComeFromMoraleAsTheTurnBegins) {
  const std::pair<float, uint8_t> cases[] = {{49.9f, 1}, {50.0f, 2}, {74.9f, 2}, {75.0f, 3}, {100.0f, 3}};
  GameState& s = g.s;
  for (auto [morale, moves] : cases) {
    SCOPED_TRACE(morale);
    quietCounty();
    s.CampExists = {kFalse, kTrue, kFalse};
    s.CampMovesLeft = {0, 0, 0};
    s.Morale = morale;
    EndTurn(g);
    EXPECT_EQ(s.CampMovesLeft, (std::array<uint8_t, 3>{0, moves, 0}));
  }
}

// Random turns with random orders between them: the county values stay in range and
// the workforce never exceeds the people.
TEST_F(TurnEndTest, RandomTurnsKeepTheInvariants) {
  std::mt19937 rnd(20240611);
  auto pick = [&](int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); };
  answer = [&](Form& f) {
    static const char* const buttons[] = {"OkAniBtn", "Noanibtn", "TaxOkAniBtn", "TaxNoAniBtn", "StakeOkAniBtn",
                                          "StakeNoAniBtn", "CloseLbl"};
    for (int tries = 0; tries < 3; ++tries) {
      const char* b = buttons[pick(7)];
      Control* c = f.find(b);
      if (c && c->Visible && c->Enabled && f.fire(b, Ev::Click) && !f.Visible) return;
    }
    if (f.Visible) f.close();
  };
  for (int game = 0; game < 3; ++game) {
    startCampaign(1 + game, 100 + game);
    GameState& s = g.s;
    for (int turn = 0; turn < 1000; ++turn) {
      for (int action = pick(4); action > 0; --action) {
        switch (pick(7)) {
          case 0: case 1: {
            s.SelectedField = static_cast<uint8_t>(1 + pick(10));
            const int kind = s.FieldKind[s.SelectedField - 1];
            if (kind == 3 || kind == 4) break;  // ruined fields wait for spring; tax fields stay
            const int want = pick(5) == 0 ? 4 : pick(3);
            const int need = want == 1 ? 100 : want == 2 ? 45 : 0;
            if (s.IdlePeople < need) break;
            ClsFields::SetWorkers(g, static_cast<uint8_t>(want));
            ClsFields::SetField(g, static_cast<uint8_t>(want));
            break;
          }
          case 2: case 3: {
            const Cutter c = static_cast<Cutter>(pick(3));
            const int slot = 1 + pick(5);
            if (!ReleaseCutterSlot(g, c, slot)) BindCutterSlot(g, c, slot);
            break;
          }
          case 4: s.TaxRate = static_cast<uint8_t>(10 * pick(11)); break;
          case 5: s.EatMeat = toFlag(pick(2)); s.EatCrops = toFlag(pick(2)); break;
          case 6:
            s.ResearchCountdown = pick(3) == 0 ? 0 : kNone;
            s.BlacksmithOrder = static_cast<uint8_t>(pick(12));
            s.ObjectMissionCountdown = pick(4) == 0 ? 0 : kNone;
            s.ObjectMissionTarget = static_cast<uint8_t>(pick(3));
            break;
        }
      }
      EndTurn(g);
      ASSERT_GE(s.Gold, 0);
      for (int32_t v : {s.Wood, s.Stone, s.Ore, s.Crops, s.Meat, s.People}) ASSERT_GE(v, 0) << turn;
      for (int16_t v : {s.Happiness, s.Health, s.Leadership, s.Nobility, s.Diplomacy, s.Religion}) {
        ASSERT_GE(v, 0) << turn;
        ASSERT_LE(v, 100) << turn;
      }
      ASSERT_GE(s.Morale, -100);
      ASSERT_LE(s.Morale, 100);
      ASSERT_LE(Workforce(g), s.People) << turn;
      ASSERT_GE(s.IdlePeople, 0) << turn;
      ASSERT_GE(s.Season, 1);
      ASSERT_LE(s.Season, 4);
      ASSERT_GE(s.TurnCounter, 2);
      ASSERT_LE(s.TurnCounter, 200);
    }
  }
}

}  // namespace
}  // namespace fief
