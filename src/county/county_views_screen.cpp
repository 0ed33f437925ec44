// The county's views on the campaign screen, drawn from the state: the fields and their
// counters, the field kind buttons, the building under way, the blacksmith's order and
// the castle.
#include <algorithm>
#include <vector>

#include "county/county_rules.h"
#include "county/county_screens.h"
#include "map/camp1_frm.h"
#include "map/map_pictures.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

void refreshFieldCounters(Camp1Frm& f) {
  const FieldCounts n = fieldCounts(f.game());
  f.ctl("EmptyFieldLbl").Caption = std::to_string(n.empty);
  f.ctl("CropFieldLbl").Caption = std::to_string(n.crops);
  f.ctl("PastureFieldLbl").Caption = std::to_string(n.pastures);
  f.ctl("TaxFieldLbl").Caption = std::to_string(n.tax);
}

void refreshFieldPicture(Camp1Frm& f, int i) {
  const GameState& s = f.game().s;
  if (Control* c = f.find("FieldImg" + std::to_string(i + 1))) c->Picture = fieldPicture(s.FieldKind[i], s.Season);
}

namespace ClsFields {

void ShowSmallFieldsBtns(Camp1Frm& campaign, bool show) {
  Game& g = campaign.game();
  Camp1Frm* f = &campaign;
  static const char* const kPics[4] = {"fieldbtn_empty", "fieldbtn_crop", "fieldbtn_pasture", "fieldbtn_tax"};
  static const int kKinds[4] = {0, 1, 2, 4};
  const int i = selectedFieldIndex(g);
  const Control* field = i >= 0 ? f->find("FieldImg" + std::to_string(i + 1)) : nullptr;
  std::vector<Control*> shown;
  for (int b = 0; b < 4; ++b) {
    Control& btn = f->ctl("Field" + std::to_string(b + 1) + "Pic");
    btn.Picture = kPics[b];
    btn.Visible = show && field && fieldKindOffered(g.s.Season, kKinds[b]);
    if (btn.Visible) shown.push_back(&btn);
  }
  if (shown.empty()) return;
  // A row beside the field (a row, so that the tooltip below the pointer covers none of
  // them), kept inside the part of the map on screen: above the status panel, and to
  // the left of the field where the right would leave the screen.
  const Control& map = f->ctl("MapSurface");
  const int visLeft = -map.Left + 4, visRight = f->Width - map.Left - 4;
  const int visTop = f->TopStrip - map.Top + 4, visBottom = f->Height - f->BottomStrip - map.Top - 4;
  const int bw = shown[0]->Width, bh = shown[0]->Height, rowW = static_cast<int>(shown.size()) * (bw + 2) - 2;
  int left = field->Left + field->Width + 4;
  if (left + rowW > visRight) left = field->Left - 4 - rowW;
  left = std::clamp(left, visLeft, std::max(visLeft, visRight - rowW));
  const int top = std::clamp(field->Top, visTop, std::max(visTop, visBottom - bh));
  for (size_t k = 0; k < shown.size(); ++k) {
    shown[k]->Left = left + static_cast<int>(k) * (bw + 2);
    shown[k]->Top = top;
  }
}

}  // namespace ClsFields

void RefreshCountyViews(Camp1Frm& campaign) {
  Game& g = campaign.game();
  Camp1Frm* f = &campaign;
  const GameState& s = g.s;
  for (int i = 0; i < 10; ++i)
    if (Control* c = f->find("FieldImg" + std::to_string(i + 1))) c->Picture = fieldPicture(s.FieldKind[i], s.Season);
  refreshFieldCounters(campaign);
  // Kind buttons left open over an end of turn offer only what the new season allows,
  // and none once frost has ruined their field.
  bool kindButtonsShown = false;
  for (int b = 1; b <= 4; ++b)
    if (const Control* c = f->find("Field" + std::to_string(b) + "Pic")) kindButtonsShown |= c->Visible;
  if (kindButtonsShown) {
    const int i = selectedFieldIndex(g);
    ClsFields::ShowSmallFieldsBtns(campaign, i >= 0 && s.FieldKind[i] != kRuinedField);
  }
  // The building under way.
  if (s.BuildingUnderWay >= kBlacksmithBuilding && s.BuildingUnderWay <= kCastleBuilding && s.BuildTurnsLeft != kNone)
    f->ctl("BuildLbl").Caption = buildingName(g, s.BuildingUnderWay) + ": " + std::to_string(s.BuildTurnsLeft);
  else
    f->ctl("BuildLbl").Caption = g.text(txt::campaign1::NothingUnderConstruction);
  // The blacksmith's standing order.
  if (s.BlacksmithOrder >= 1 && s.BlacksmithOrder <= 11) {
    f->ctl("BlacksmithLbl").Caption = itemName(g, s.BlacksmithOrder);
    f->ctl("ProduceWeaponLbl").Caption = "+" + std::to_string(g.tables.item(s.BlacksmithOrder).Batch);
  } else {
    f->ctl("BlacksmithLbl").Caption.clear();
    f->ctl("ProduceWeaponLbl").Caption.clear();
  }
  // The castle hill keeps the map view's picture until a stage stands.
  if (Control* c = f->find("CastleImg"); c && castlePicture(s) != "castle_site") {
    c->Picture = castlePicture(s);
    c->Visible = true;
  }
}

std::string harvestWhen(const Game& g, int turns) {
  return turns <= 1 ? g.text(txt::campaign::HarvestThisTurn) : std::to_string(turns) + " " + g.text(txt::campaign::HarvestTurnsFromNow);
}

}  // namespace fief
