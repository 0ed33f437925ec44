// The fields object and the cutter slots: binding people to places of work and the
// food yield of the fields.
#include <algorithm>
#include <vector>

#include "campaign/game.h"
#include "county/county_rules.h"
#include "map/camp1_frm.h"
#include "state/arith.h"

namespace fief {

int cropFieldPeople(const Game& g) { return g.tables.Places[CropPlace].People; }
int pasturePeople(const Game& g) { return g.tables.Places[PasturePlace].People; }

std::string fieldPicture(int kind, int season) {
  if (kind < 0 || kind > 4) kind = 0;
  if (season < 1 || season > 4) season = 1;
  return "field_" + std::to_string(kind) + "_" + std::to_string(season);
}

bool fieldKindOffered(int season, int kind) {
  switch (kind) {
    case 0: case 4: return true;
    case 1: return season == 1;
    case 2: return season == 2;
    default: return false;
  }
}

namespace {
Camp1Frm* campaignScreen(Game& g) {
  if (!g.formExists("Camp1Frm")) return nullptr;
  return &g.form<Camp1Frm>("Camp1Frm");
}

int selectedIndex(const Game& g) {
  int n = g.s.SelectedField;
  return (n >= 1 && n <= 10) ? n - 1 : -1;
}

void refreshFieldCounters(Game& g) {
  Camp1Frm* f = campaignScreen(g);
  if (!f) return;
  const GameState& s = g.s;
  const long crops = Fix(static_cast<double>(s.CropFieldPeople) / cropFieldPeople(g));
  const long pastures = Fix(static_cast<double>(s.PasturePeople) / pasturePeople(g));
  // Tax fields are not empty: they are taken off the empty count too.
  long empty = 10 - crops - pastures - s.TaxFieldCount;
  if (empty < 0) empty = 0;
  f->ctl("EmptyFieldLbl").Caption = std::to_string(empty);
  f->ctl("CropFieldLbl").Caption = std::to_string(crops);
  f->ctl("PastureFieldLbl").Caption = std::to_string(pastures);
  f->ctl("TaxFieldLbl").Caption = std::to_string(s.TaxFieldCount);
}
}  // namespace

namespace ClsFields {

void SetField(Game& g, uint8_t kind) {
  const int i = selectedIndex(g);
  if (i < 0 || kind > 4) return;
  g.s.FieldKind[i] = kind;
  if (Camp1Frm* f = campaignScreen(g))
    if (Control* c = f->find("FieldImg" + std::to_string(i + 1))) c->Picture = fieldPicture(kind, g.s.Season);
}

void SetWorkers(Game& g, uint8_t kind) {
  const int i = selectedIndex(g);
  if (i < 0) return;
  GameState& s = g.s;
  const int c = cropFieldPeople(g), p = pasturePeople(g);
  const uint8_t from = s.FieldKind[i];
  if (from != kind && kind <= 4) {
    // Leaving the current kind: its people become idle, a tax field stops counting.
    // A field struck to ruin releases its people too.
    if (from == 1) {
      add(s.CropFieldPeople, -c);
      add(s.IdlePeople, c);
    } else if (from == 2) {
      add(s.PasturePeople, -p);
      add(s.IdlePeople, p);
    } else if (from == 4 && s.TaxFieldCount > 0) {
      add(s.TaxFieldCount, -1);
    }
    // Taking up the new kind.
    if (kind == 1) {
      add(s.CropFieldPeople, c);
      add(s.IdlePeople, -c);
    } else if (kind == 2) {
      add(s.PasturePeople, p);
      add(s.IdlePeople, -p);
    } else if (kind == 4) {
      add(s.TaxFieldCount, 1);
    }
  }
  refreshFieldCounters(g);
}

void ShowSmallFieldsBtns(Game& g, bool show) {
  Camp1Frm* f = campaignScreen(g);
  if (!f) return;
  static const char* const kPics[4] = {"fieldbtn_empty", "fieldbtn_crop", "fieldbtn_pasture", "fieldbtn_tax"};
  static const int kKinds[4] = {0, 1, 2, 4};
  const int i = selectedIndex(g);
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

void CalcFood(Game& g) {
  GameState& s = g.s;
  const long S = s.ScienceLevel;
  const long C = g.tables.Places[CropPlace].Yield;
  const long M = g.tables.Places[PasturePlace].Yield;
  if (S < 2) {
    store(s.CropLossToBirds, Fix((5.0 * S + C) * 20 / 100));
    store(s.MeatLossToWolves, Fix((static_cast<double>(S) + M) * 20 / 100));
  } else if (S < 4) {
    store(s.CropLossToBirds, Fix((5.0 * S + C) * 10 / 100));
    store(s.MeatLossToWolves, Fix((static_cast<double>(S) + M) * 10 / 100));
  } else {
    store(s.CropLossToBirds, Fix((5.0 * S + C) * 5 / 100));
    s.MeatLossToWolves = 0;
  }
  store(s.CropYield, 20 * S - s.CropLossToBirds + C);
  store(s.MeatYield, 5 * S - s.MeatLossToWolves + M);
  if (s.VillageState[0] != kNone) {
    store(s.CropYield, Fix(s.CropYield * 55.0 / 100));
    store(s.MeatYield, Fix(s.MeatYield * 55.0 / 100));
  }
  if (s.WindmillState[0] != kNone) store(s.CropYield, Fix(s.CropYield * 20.0 / 100));
  for (uint8_t kind : s.FieldKind) {
    if (s.Season == 1 && kind == 1) add(s.Crops, s.CropYield);
    if (s.Season == 2 && kind == 2) add(s.Meat, s.MeatYield);
  }
}

}  // namespace ClsFields

bool fieldKindChoosable(const Game& g, int kind) {
  const int i = selectedIndex(g);
  return i >= 0 && g.s.FieldKind[i] != 3 && fieldKindOffered(g.s.Season, kind);
}

bool ChooseFieldKind(Game& g, int kind) {
  if (!fieldKindChoosable(g, kind)) return false;
  if (kind == 1 && g.s.IdlePeople < cropFieldPeople(g)) return false;
  if (kind == 2 && g.s.IdlePeople < pasturePeople(g)) return false;
  ClsFields::SetWorkers(g, static_cast<uint8_t>(kind));
  ClsFields::SetField(g, static_cast<uint8_t>(kind));
  ClsFields::ShowSmallFieldsBtns(g, false);
  return true;
}

// ---- cutter slots

uint8_t* cutterSlots(GameState& s, Cutter c) {
  return c == WoodCutter ? s.WoodCutterSlots.data() : c == StoneCutter ? s.StoneCutterSlots.data() : s.OreCutterSlots.data();
}
int16_t& cutterCount(GameState& s, Cutter c) {
  return c == WoodCutter ? s.WoodCutters : c == StoneCutter ? s.StoneCutters : s.OreCutters;
}
int16_t& cutterPeople(GameState& s, Cutter c) {
  return c == WoodCutter ? s.WoodCutterPeople : c == StoneCutter ? s.StoneCutterPeople : s.OreCutterPeople;
}
static Place placeOf(Cutter c) { return c == WoodCutter ? WoodPlace : c == StoneCutter ? StonePlace : OrePlace; }
int slotPeople(const Game& g, Cutter c) { return g.tables.Places[placeOf(c)].People; }
int slotYield(const Game& g, Cutter c) { return g.tables.Places[placeOf(c)].Yield; }

bool BindCutterSlot(Game& g, Cutter c, int slot) {
  if (slot < 1 || slot > 5) return false;
  GameState& s = g.s;
  uint8_t& st = cutterSlots(s, c)[slot - 1];
  const int people = slotPeople(g, c);
  if (st != 0 || s.IdlePeople < people) return false;
  st = 1;
  add(cutterPeople(s, c), people);
  add(cutterCount(s, c), 1);
  add(s.IdlePeople, -people);
  return true;
}

bool ReleaseCutterSlot(Game& g, Cutter c, int slot) {
  if (slot < 1 || slot > 5) return false;
  GameState& s = g.s;
  uint8_t& st = cutterSlots(s, c)[slot - 1];
  if (st == 0) return false;
  const int people = slotPeople(g, c);
  st = 0;
  add(cutterPeople(s, c), -people);
  add(cutterCount(s, c), -1);
  add(s.IdlePeople, people);
  return true;
}

// ---- the campaign screen's county views

void RefreshCountyViews(Game& g) {
  Camp1Frm* f = campaignScreen(g);
  if (!f) return;
  const GameState& s = g.s;
  for (int i = 0; i < 10; ++i)
    if (Control* c = f->find("FieldImg" + std::to_string(i + 1))) c->Picture = fieldPicture(s.FieldKind[i], s.Season);
  refreshFieldCounters(g);
  // Kind buttons left open over an end of turn offer only what the new season allows,
  // and none once frost has ruined their field.
  bool kindButtonsShown = false;
  for (int b = 1; b <= 4; ++b)
    if (const Control* c = f->find("Field" + std::to_string(b) + "Pic")) kindButtonsShown |= c->Visible;
  if (kindButtonsShown) {
    const int i = selectedIndex(g);
    ClsFields::ShowSmallFieldsBtns(g, i >= 0 && s.FieldKind[i] != 3);
  }
  // The building under way.
  if (s.BuildingUnderWay >= 1 && s.BuildingUnderWay <= 10 && s.BuildTurnsLeft != kNone)
    f->ctl("BuildLbl").Caption = buildingName(g, s.BuildingUnderWay) + ": " + std::to_string(s.BuildTurnsLeft);
  else
    f->ctl("BuildLbl").Caption = g.text(4, 5);
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

}  // namespace fief
