// The map's objects: the strength guesses of the ruins and the cave, the third line of
// a description, and a click on the campaign screen (sound, name, description, outpost).
#include <gtest/gtest.h>

#include "map/camp1_frm.h"
#include "map/map_objects.h"
#include "military/battle_handover.h"
#include "test_support.h"

namespace fief {
namespace {

TEST(MapObjects, ForceEstimateThresholds) {
  const std::pair<long, int> cases[] = {{0, 131},   {400, 131},  {401, 132},  {800, 132},
                                        {801, 133}, {1200, 133}, {1201, 134}, {30000, 134}};
  for (auto [soldiers, text] : cases) EXPECT_EQ(ForceEstimateText(soldiers), text) << soldiers;
}

TEST(MapObjects, ThirdLineOfRuinsCaveAndAllies) {
  GameState s;
  s.RuinsQuiet = kTrue;
  s.CaveQuiet = kFalse;
  s.OpponentArmySlots[5].set(Archer, 401);   // the ruins' force
  s.OpponentArmySlots[4].set(Archer, 1000);  // the cave's force
  s.OpponentArmySlots[4].set(Monk, 201);
  auto line = [&](const char* c) {
    std::vector<std::pair<int, int>> v;
    for (auto t : MapObjectThirdLine(s, c)) v.emplace_back(t.table, t.entry);
    return v;
  };
  using V = std::vector<std::pair<int, int>>;
  EXPECT_EQ(line("RuinsImg1"), (V{{4, 42}}));
  EXPECT_EQ(line("CaveImg1"), (V{{4, 41}, {4, 134}}));  // 1201 soldiers, Monks counted
  s.RuinsQuiet = kFalse;
  EXPECT_EQ(line("RuinsImg1"), (V{{4, 41}, {4, 132}}));
  EXPECT_EQ(line("AlliesArmyImg2"), (V{{4, 131}}));
  EXPECT_EQ(line("DolmenImg1"), V{});
  EXPECT_EQ(line("MapSurface"), V{});
}

TEST(MapObjects, KindsAndHolders) {
  ASSERT_NE(MapObjectOf("GChapelImg1"), nullptr);
  EXPECT_EQ(MapObjectOf("GChapelImg1")->blessing, 4);
  EXPECT_EQ(MapObjectOf("ChestImg3")->name, 103);
  EXPECT_EQ(MapObjectOf("SiegeImg3")->description, 48);
  EXPECT_EQ(MapObjectOf("ArmyCamp1Img"), nullptr);
  GameState s;
  s.CountyBlessings = {1, 2, 3, 4, 0, 200, 1, 1, 1, 1};
  EXPECT_EQ(HolderOf(s, 0), 1);
  EXPECT_EQ(HolderOf(s, 2), 3);
  EXPECT_EQ(HolderOf(s, 3), 0) << "codes other than 1..3 mean nobody";
  EXPECT_EQ(HolderOf(s, 5), 0);
  EXPECT_EQ(HolderOf(s, 10), 0);
}

struct MapObjectClicks : test::GameFixture {
  Camp1Frm* f = nullptr;
  MapObjectClicks() {
    startCampaign(1);
    g.SoundAvailable = true;
    f = &g.form<Camp1Frm>("Camp1Frm");
    shell.show(*f);
    shell.takeSounds();
  }
};

TEST_F(MapObjectClicks, ClickShowsNameAndDescription) {
  struct Case { const char* control; const char* sound; int name; int description; std::string third; };
  g.s.RuinsQuiet = kFalse;
  g.s.OpponentArmySlots[5].clear();
  g.s.OpponentArmySlots[5].set(Archer, 1200);
  g.s.CaveQuiet = kTrue;
  g.s.OutlawBand = kOutlawsGone;  // nobody holds a village or mill: a click only describes it
  // Every object of the map and what a click on it says (the garrison has its own test).
  const Case cases[] = {
      {"DolmenImg1", "dolmen01.wav", 91, 34, ""},
      {"ADolmenImg1", "dolmen01.wav", 92, 35, ""},
      {"CrossImg1", "cross01.wav", 93, 36, ""},
      {"ChapelImg1", "chapel01.wav", 94, 37, ""},
      {"GChapelImg1", "gchapel01.wav", 95, 38, ""},
      {"HutImg1", "hut01.wav", 96, 39, ""},
      {"ObeliskImg1", "obelisk01.wav", 97, 40, ""},
      {"StatueImg1", "statue01.wav", 98, 41, ""},
      {"TavernImg1", "tavern01.wav", 99, 42, ""},
      {"HBattlefieldImg1", "battlefield01.wav", 100, 43, ""},
      {"RuinsImg1", "ruins01.wav", 101, 44, " " + g.texts.text(4, 41) + " " + g.texts.text(4, 133)},
      {"CaveImg1", "cave01.wav", 102, 45, " " + g.texts.text(4, 42)},
      {"ChestImg1", "treasure01.wav", 103, 46, ""},
      {"ChestImg2", "treasure01.wav", 103, 46, ""},
      {"ChestImg3", "treasure01.wav", 103, 46, ""},
      {"SiegeImg", "siege01.wav", 105, 48, ""},
      {"SiegeImg2", "siege01.wav", 105, 48, ""},
      {"SiegeImg3", "siege01.wav", 105, 48, ""},
      {"BattlefieldImg1", "battlefield01.wav", 106, 49, ""},
      {"VillageImg1", "people01.wav", 85, 50, ""},
      {"VillageImg2", "people01.wav", 85, 50, ""},
      {"VillageImg3", "people01.wav", 85, 50, ""},
      {"WindmillImg1", "windmill01.wav", 107, 51, ""},
      {"WindmillImg2", "windmill01.wav", 107, 51, ""},
      {"WindmillImg3", "windmill01.wav", 107, 51, ""},
      {"OutpostImg1", "army01.wav", 108, 52, ""},
      {"AlliesArmyImg1", "siege01.wav", 130, 62, " " + g.texts.text(4, 131)},
      {"AlliesArmyImg2", "siege01.wav", 130, 62, " " + g.texts.text(4, 131)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    f->HoverText = "stale";
    ASSERT_TRUE(f->fire(c.control, Ev::Click));
    EXPECT_EQ(f->ctl("Helper").Caption, g.texts.text(4, c.name));
    EXPECT_EQ(f->ctl("Helper3").Caption, g.texts.text(1, c.description) + c.third);
    EXPECT_TRUE(f->HoverText.empty());
    const auto sounds = shell.takeSounds();
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.front().second, c.sound);
  }
}

// The garrison names and describes itself like every object, then opens its stores (the
// event screen in its buying mode).
TEST_F(MapObjectClicks, GarrisonDescribesItselfThenOpensItsStores) {
  std::string helper, helper3, opened;
  std::vector<std::pair<std::string, std::string>> sounds;
  answer = [&](Form& top) {
    opened = top.name();
    helper = f->ctl("Helper").Caption;
    helper3 = f->ctl("Helper3").Caption;
    sounds = shell.takeSounds();
    top.close();
  };
  f->fire("GarryImg", Ev::Click);
  EXPECT_EQ(opened, "GarryFrm");
  EXPECT_EQ(helper, g.texts.text(4, 104));
  EXPECT_EQ(helper3, g.texts.text(1, 47));
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.front().second, "trade01.wav");
}

// The first mill is the county's, the third village and mill nobody's: a click on them
// only describes them, even with a camp selected, while a held village or mill asks for
// battle (the three battle sites 14, 15 and 16).
TEST_F(MapObjectClicks, OnlyHeldVillagesAndMillsAskForBattle) {
  std::vector<std::string> opened;
  answer = [&](Form& top) {
    opened.push_back(top.name());
    top.close();
  };
  g.s.SelectedCamp = 1;
  g.s.VillageState[0] = 100;  // Lord Osric's men hold the first village
  struct Case { const char* control; uint8_t band; int site; };
  const Case cases[] = {
      {"VillageImg3", kOutlawsInVillage, 0}, {"WindmillImg1", kOutlawsAtMill, 0}, {"WindmillImg3", kOutlawsAtMill, 0},
      {"VillageImg1", kOutlawsGone, kVillageHoldersSite}, {"VillageImg2", kOutlawsInVillage, kOutlawVillageSite},
      {"WindmillImg2", kOutlawsAtMill, kOutlawMillSite}, {"VillageImg2", kOutlawsAtMill, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control + std::string(" band ") + std::to_string(c.band));
    opened.clear();
    g.s.OutlawBand = c.band;
    g.s.BattleSite = 0;
    f->fire(c.control, Ev::Click);
    EXPECT_EQ(g.s.BattleSite, c.site);
    EXPECT_EQ(opened, c.site ? std::vector<std::string>{"MsgFrm"} : std::vector<std::string>{});
  }
}

// A chest lying on the map opens and shuts its lid while the map's animations run; with
// them off, or with no chest on the map, the lid stays shut and no timer ticks.
TEST_F(MapObjectClicks, ChestLidsMoveWhileTheMapIsAnimated) {
  auto lids = [&] {
    std::string p;
    shell.wait(300);
    for (int i = 0; i < 8; ++i) {
      p += f->ctl("ChestImg2").Picture == "obj_chest_open" ? 'o' : '-';
      shell.wait(600);
    }
    return p;
  };
  struct Case { bool animation; int chest; bool ticking; };
  const Case cases[] = {{true, 1, true}, {false, 1, false}, {true, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.animation) + " " + std::to_string(c.chest));
    g.s.Advanced.MapAnimation = c.animation ? kTrue : kFalse;
    g.s.ChestState = {0, static_cast<uint8_t>(c.chest), 0};
    f->refreshAll();
    EXPECT_EQ(f->ctl("ChestImg2").Visible, c.chest == 1);
    EXPECT_EQ(g.timers.enabled("ChestLidTimer"), c.ticking);
    const std::string seen = lids();
    if (c.ticking) {
      EXPECT_NE(seen.find("o-"), std::string::npos) << seen;
      EXPECT_NE(seen.find("-o"), std::string::npos) << seen;
    } else {
      EXPECT_EQ(seen, "--------");
    }
  }
  // The option switched on from the menu starts the lids at once.
  g.s.ChestState = {1, 0, 0};
  g.s.Advanced.MapAnimation = kFalse;
  f->refreshAll();
  g.s.Advanced.MapAnimation = kTrue;
  g.invalidate(View::Animations);
  EXPECT_TRUE(g.timers.enabled("ChestLidTimer"));
}

TEST_F(MapObjectClicks, OutpostRecruitsOnlyWhenTakenWithBarracks) {
  g.s.OutpostState = 100;
  f->fire("OutpostImg1", Ev::Click);
  EXPECT_EQ(f->ctl("Helper").Caption, g.texts.text(4, 108)) << "not yet taken: only its description";
  g.s.OutpostState = kNone;
  g.s.BarracksBuilt = kFalse;
  f->fire("OutpostImg1", Ev::Click);
  EXPECT_EQ(f->ctl("Helper").Caption, g.texts.text(4, 23));
}

}  // namespace
}  // namespace fief
