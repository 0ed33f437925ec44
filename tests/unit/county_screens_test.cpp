// The county's screens and the dialogs they share: captions that match what the
// buttons do, and the field kind buttons that follow the season.
#include <map>

#include "county/county_rules.h"
#include "map/camp1_frm.h"
#include "test_support.h"
#include "ui/dialogs.h"

namespace fief {
namespace {

struct ScreensTest : test::GameFixture {
  ScreensTest() { startCampaign(1); }
};

// A decision of the event dialog is taken with Accept / Refuse, as its text says; a
// notice is closed with OK.
TEST_F(ScreensTest, EventDialogCaptionsMatchTheDecision) {
  struct Case { int kind, entry; int ok, no; bool noVisible; };
  const Case cases[] = {{4, 111, 27, 28, true}, {20, 123, 27, 28, true}, {2, 107, 22, 24, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    g.s.Gold = 100000;
    std::string ok, no;
    bool noVisible = false;
    answer = [&](Form& f) {
      ok = f.ctl("OkAniBtn").Caption;
      no = f.ctl("Noanibtn").Caption;
      noVisible = f.ctl("Noanibtn").Visible;
      f.fire("OkAniBtn", Ev::Click);
    };
    ShowEvent(g, EventKind(c.kind), c.entry);
    EXPECT_FALSE(ok.empty());
    EXPECT_EQ(ok, g.texts.text(3, c.ok));
    EXPECT_EQ(noVisible, c.noVisible);
    if (c.noVisible) EXPECT_EQ(no, g.texts.text(3, c.no));
  }
}

// A kind the season does not offer, or any kind for a ruined field, is refused by the
// rule itself, whatever buttons happen to be on the screen.
TEST_F(ScreensTest, FieldKindsOnlyAsTheSeasonAndTheFieldAllow) {
  g.s.SelectedField = 3;
  g.s.IdlePeople = 1000;
  g.s.Season = 2;
  EXPECT_FALSE(ChooseFieldKind(g, 1));
  EXPECT_EQ(g.s.FieldKind[2], 0);
  EXPECT_EQ(g.s.IdlePeople, 1000);
  g.s.FieldKind[2] = 3;
  for (int kind : {0, 2, 4}) EXPECT_FALSE(ChooseFieldKind(g, kind)) << kind;
  EXPECT_EQ(g.s.FieldKind[2], 3);
  EXPECT_EQ(g.s.TaxFieldCount, 0);
  g.s.FieldKind[2] = 0;
  EXPECT_TRUE(ChooseFieldKind(g, 2));
  EXPECT_EQ(g.s.PasturePeople, 45);
}

// The yield per field that the crops screen names is the one the harvest brings (after
// the birds), as on the cattle screen.
TEST_F(ScreensTest, CropsScreenNamesTheHarvestedYieldPerField) {
  g.s.ScienceLevel = 1;
  ClsFields::CalcFood(g);
  std::map<std::string, std::string> shown;
  answer = [&](Form& f) {
    for (const auto& c : f.controls()) shown[c.Name] = c.Caption;
    f.fire("OkAniBtn", Ev::Click);
  };
  g.form("CropsFrm").showModal();
  EXPECT_EQ(shown["Crops2Lbl"], "+" + std::to_string(g.s.CropYield));
  EXPECT_EQ(shown["YieldCaptionLbl"], g.texts.text(4, 14));
  EXPECT_NE(shown["FieldCaptionLbl"], shown["YieldCaptionLbl"]);
  g.form("CattleFrm").showModal();
  EXPECT_EQ(shown["Cattle2Lbl"], "+" + std::to_string(g.s.MeatYield));
  EXPECT_EQ(shown["YieldCaptionLbl"], g.texts.text(4, 15));
}

// The food screens say when the harvest comes in, and the people screen shows what the
// coming end of turn does with a ration chosen from an empty store.
TEST_F(ScreensTest, FoodScreensShowWhatTheTurnWillDo) {
  std::map<std::string, std::string> shown;
  std::map<std::string, bool> ticked, enabled;
  answer = [&](Form& f) {
    for (const auto& c : f.controls()) {
      shown[c.Name] = c.Caption;
      ticked[c.Name] = c.Checked;
      enabled[c.Name] = c.Enabled;
    }
    f.fire("OkAniBtn", Ev::Click);
  };
  struct Case { int season; const char* crops; const char* cattle; };
  const Case harvest[] = {{4, "this end of turn", "2 turns from now"}, {1, "4 turns from now", "this end of turn"}};
  for (const Case& c : harvest) {
    g.s.Season = c.season;
    g.form("CropsFrm").showModal();
    EXPECT_EQ(shown["HarvestLbl"], c.crops);
    g.form("CattleFrm").showModal();
    EXPECT_EQ(shown["HarvestLbl"], c.cattle);
  }

  struct Food { int season; uint8_t field; const char* ration; const char* happiness; };
  // No meat in store, meat chosen: greyed, and ticked only when the pasture's meat comes
  // in before the people eat.
  const Food food[] = {{3, 2, "0", "- 9"}, {1, 2, nullptr, "+5"}};
  for (const Food& c : food) {
    SCOPED_TRACE(c.season);
    g.s.Season = c.season;
    g.s.FieldKind.fill(0);
    g.s.FieldKind[0] = c.field;
    g.s.Meat = 0;
    g.s.EatMeat = kTrue;
    g.form("PeopleFrm").showModal();
    EXPECT_FALSE(enabled["MeatOption"]);
    EXPECT_EQ(ticked["MeatOption"], c.ration == nullptr);
    EXPECT_EQ(shown["MeatHappyLbl"], c.happiness);
    EXPECT_EQ(shown["MeatLbl"], c.ration ? c.ration : std::to_string(g.s.People / 12));
    EXPECT_TRUE(isSet(g.s.EatMeat));  // the screen only shows; the turn decides
  }
}

}  // namespace
}  // namespace fief
