// Views and sights: a screen subscribes its redraws, whoever changed the state invalidates
// the view, and only the screens that still exist redraw.
#include <gtest/gtest.h>

#include <string>

#include "map/camp1_frm.h"
#include "test_support.h"
#include "ui/views.h"

namespace fief {
namespace {

TEST(Views, RedrawsTheInvalidatedViewsInTheOrderTheySubscribed) {
  Views v;
  std::string seen;
  const int a = 0, b = 0;
  v.subscribe(View::Map, &a, [&] { seen += "a-map "; });
  v.subscribe(View::Status, &b, [&] { seen += "b-status "; });
  v.subscribe(View::Map, &b, [&] { seen += "b-map "; });
  v.onSight(Sight::FieldKind, &a, [&](int i) { seen += "a-field" + std::to_string(i) + " "; });
  v.redraw(View::Map);
  EXPECT_EQ(seen, "a-map b-map ");
  seen.clear();
  v.show(Sight::FieldKind, 7);
  v.show(Sight::Plague, 0);  // nobody shows it
  EXPECT_EQ(seen, "a-field7 ");
  // An owner forgotten draws no more; the others still do.
  seen.clear();
  v.forget(&a);
  v.redraw(View::Map);
  v.show(Sight::FieldKind, 1);
  EXPECT_EQ(seen, "b-map ");
}

// A redraw that builds a screen (which subscribes) or drops one (which is forgotten) does
// not disturb the redraws still to run.
TEST(Views, ARedrawMaySubscribeOrForget) {
  Views v;
  std::string seen;
  const int a = 0, b = 0, c = 0;
  v.subscribe(View::Everything, &a, [&] {
    seen += "a ";
    v.subscribe(View::Everything, &c, [&] { seen += "c "; });
    v.forget(&b);
  });
  v.subscribe(View::Everything, &b, [&] { seen += "b "; });
  v.redraw(View::Everything);
  EXPECT_EQ(seen, "a c ");
  seen.clear();
  v.forget(&a);
  v.redraw(View::Everything);
  EXPECT_EQ(seen, "c ");
}

struct CampaignViews : test::GameFixture {};

// The campaign screen redraws its status panel when it is invalidated, and a screen
// unloaded leaves no redraw behind (the next invalidation reaches the new screen only).
TEST_F(CampaignViews, TheCampaignScreenRedrawsWhatIsInvalidatedWhileItExists) {
  startCampaign();
  g.invalidate(View::Status, View::Everything);  // no campaign screen yet: nothing to redraw
  auto& f = g.form<Camp1Frm>("Camp1Frm");
  g.s.Gold = 1234;
  EXPECT_NE(f.ctl("GoldLbl").Caption, numberText(1234));
  g.invalidate(View::Status);
  EXPECT_EQ(f.ctl("GoldLbl").Caption, numberText(1234));

  g.unload("Camp1Frm");
  g.s.Gold = 77;
  g.invalidate(View::Status, View::County, View::Map, View::Everything);
  g.player().show(Sight::GameLoaded);
  auto& again = g.form<Camp1Frm>("Camp1Frm");
  g.s.Gold = 99;
  g.invalidate(View::Status);
  EXPECT_EQ(again.ctl("GoldLbl").Caption, numberText(99));
}

// The rules' sights reach the subsystems' handlers on the campaign screen.
TEST_F(CampaignViews, SightsReachTheHandlersTheSubsystemsRegistered) {
  startCampaign();
  auto& f = g.form<Camp1Frm>("Camp1Frm");
  g.s.PlagueActive = kTrue;
  g.player().show(Sight::Plague);
  EXPECT_TRUE(f.ctl("PlagueImg").Visible);
  g.s.FieldKind[2] = kTaxField;
  g.player().show(Sight::FieldKind, 2);
  EXPECT_EQ(f.ctl("FieldImg3").Picture, "field_4_" + std::to_string(g.s.Season));
  g.player().show(Sight::WindmillBuilt, 1);
  EXPECT_EQ(f.ctl("WindmillImg2").Picture, "obj_windmill");
}

}  // namespace
}  // namespace fief
