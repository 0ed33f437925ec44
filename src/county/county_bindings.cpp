// The campaign screen's county commands: the field commands on the map, the cutters,
// the county's buttons and keys, and the refresher of the county's views.
#include "county/county_rules.h"
#include "county/county_screens.h"
#include "map/camp1_bindings.h"
#include "map/camp1_frm.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

namespace {

void openBlacksmith(Game& g) {
  if (!isSet(g.s.BlacksmithBuilt)) {
    g.setHelperText(txt::campaign1::NeededBuildingMissing);
    return;
  }
  g.PlaySound(kScreenChannel, "blacksmith01.wav");
  g.PlaySound(kClickChannel2, "fire01.wav");
  g.form("BlacksmithFrm").showModal();
}

}  // namespace

void bindCountyCommands(Camp1Frm& f) {
  Game& g = f.game();
  Camp1Frm* fp = &f;
  // Fields: a right-button press picks a field (ruined ones cannot be changed); a
  // left-button press on a crop field or pasture shows its yield.
  for (int n = 1; n <= 10; ++n) {
    f.on("FieldImg" + std::to_string(n), Ev::MouseDown, [&g, fp, n](const EventArgs& a) {
      const uint8_t kind = g.s.FieldKind[n - 1];
      if (a.button == MouseButton::Right) {
        if (kind == kRuinedField) return;
        g.PlaySound(kClickChannel, "rollover01.wav");
        g.s.SelectedField = static_cast<uint8_t>(n);
        ClsFields::ShowSmallFieldsBtns(*fp, true);
      } else if (kind == kCropField) {
        g.form("CropsFrm").showModal();
      } else if (kind == kPastureField) {
        g.form("CattleFrm").showModal();
      }
    });
  }
  struct KindBtn { const char* name; FieldKind kind; const char* sound; };
  static const KindBtn kBtns[4] = {{"Field1Pic", kEmptyField, "plain01.wav"},
                                   {"Field2Pic", kCropField, "crops01.wav"},
                                   {"Field3Pic", kPastureField, "cattle01.wav"},
                                   {"Field4Pic", kTaxField, "tax01.wav"}};
  for (const KindBtn& b : kBtns) {
    f.on(b.name, Ev::MouseDown, [&g, fp, b](const EventArgs&) {
      if (!fieldKindChoosable(g, b.kind)) {
        ClsFields::ShowSmallFieldsBtns(*fp, false);
        return;
      }
      g.PlaySound(kClickChannel, b.sound);
      if (!ChooseFieldKind(g, b.kind)) {
        g.setHelperText(txt::campaign1::NotEnoughIdlePeople);
      } else {
        ClsFields::ShowSmallFieldsBtns(*fp, false);
        g.setHelper("");
      }
    });
  }
  // The cutters.
  struct CutterImg { const char* name; const char* form; const char* sound; };
  static const CutterImg kCutters[3] = {{"WoodCutterImg1", "WoodFrm", "woodcutter01.wav"},
                                        {"StoneCutterImg1", "Stonefrm", "stonecutter01.wav"},
                                        {"OreCutterImg1", "OreFrm", "orecutter01.wav"}};
  for (const CutterImg& c : kCutters)
    f.onClick(c.name, [&g, c] {
      g.PlaySound(kScreenChannel, c.sound);
      g.form(c.form).showModal();
    });
  // The menu buttons and their keys.
  f.onClick("BuildBtn", [&g] { g.form("BuildFrm").showModal(); });
  f.onClick("BlacksmithBtn", [&g] { openBlacksmith(g); });
  f.onClick("PeopleBtn", [&g] {
    g.PlaySound(kScreenChannel, "people01.wav");
    g.form("PeopleFrm").showModal();
  });
  f.onClick("TaxBtn", [&g] {
    g.PlaySound(kScreenChannel, "tax01.wav");
    g.form("TaxFrm").showModal();
  });
  f.onClick("ScienceBtn", [&g] {
    g.PlaySound(kScreenChannel, "science01.wav");
    g.form("ScienceFrm").showModal();
  });
  f.onClick("WeatherBtn", [&g] { g.form("WeatherFrm").showModal(); });
  auto clickKey = [fp](Key k, const char* btn) {
    fp->keyActions[k] = [fp, btn] {
      if (fp->ctl(btn).Visible && fp->ctl(btn).Enabled) fp->fire(btn, Ev::Click);
    };
  };
  clickKey(Key::U, "BuildBtn");
  clickKey(Key::B, "BlacksmithBtn");
  clickKey(Key::P, "PeopleBtn");
  clickKey(Key::T, "TaxBtn");
  clickKey(Key::S, "ScienceBtn");
  clickKey(Key::W, "WeatherBtn");
  f.keyActions[Key::L] = [&g] { OpenReligionView(g); };
  f.keyActions[Key::Y] = [&g] { g.form("ArmouryFrm").showModal(); };
  // The county's views and what the county's rules report of them.
  g.views.subscribe(View::County, fp, [fp] { RefreshCountyViews(*fp); });
  g.views.onSight(Sight::County, fp, [&g](int) { g.invalidate(View::County); });
  g.views.onSight(Sight::FieldKind, fp, [fp](int i) { refreshFieldPicture(*fp, i); });
  g.views.onSight(Sight::FieldCounters, fp, [fp](int) { refreshFieldCounters(*fp); });
  g.views.onSight(Sight::SmithOrderLapsed, fp, [&g](int) {
    if (!g.formExists("BlacksmithFrm")) return;
    Form& smith = g.form("BlacksmithFrm");
    if (Control* l = smith.find("OrderLbl")) l->Caption = g.text(txt::campaign1::NoStandingOrder);
    if (Control* l = smith.find("OrderBatchLbl")) l->Caption.clear();
  });
}

}  // namespace fief
