// The fields object and the cutter slots: binding people to places of work and the
// food yield of the fields.
#include "campaign/rules.h"
#include "county/county_rules.h"
#include "state/arith.h"

namespace fief {

int cropFieldPeople(const Rules& g) { return g.tables.Places[CropPlace].People; }
int pasturePeople(const Rules& g) { return g.tables.Places[PasturePlace].People; }

bool fieldKindOffered(int season, int kind) {
  switch (kind) {
    case kEmptyField: case kTaxField: return true;
    case kCropField: return season == 1;
    case kPastureField: return season == 2;
    default: return false;
  }
}

int selectedFieldIndex(const Rules& g) {
  int n = g.s.SelectedField;
  return (n >= 1 && n <= 10) ? n - 1 : -1;
}

FieldCounts fieldCounts(const Rules& g) {
  const GameState& s = g.s;
  FieldCounts n;
  n.crops = Fix(static_cast<double>(s.CropFieldPeople) / cropFieldPeople(g));
  n.pastures = Fix(static_cast<double>(s.PasturePeople) / pasturePeople(g));
  n.tax = s.TaxFieldCount;
  // Tax fields are not empty: they are taken off the empty count too.
  n.empty = 10 - n.crops - n.pastures - n.tax;
  if (n.empty < 0) n.empty = 0;
  return n;
}

namespace ClsFields {

void SetField(Rules& g, uint8_t kind) {
  const int i = selectedFieldIndex(g);
  if (i < 0 || kind > kTaxField) return;
  g.s.FieldKind[i] = kind;
  g.player().show(Sight::FieldKind, i);
}

void SetWorkers(Rules& g, uint8_t kind) {
  const int i = selectedFieldIndex(g);
  if (i < 0) return;
  GameState& s = g.s;
  const int c = cropFieldPeople(g), p = pasturePeople(g);
  const uint8_t from = s.FieldKind[i];
  if (from != kind && kind <= kTaxField) {
    // Leaving the current kind: its people become idle, a tax field stops counting.
    // A field struck to ruin releases its people too.
    if (from == kCropField) {
      add(s.CropFieldPeople, -c);
      add(s.IdlePeople, c);
    } else if (from == kPastureField) {
      add(s.PasturePeople, -p);
      add(s.IdlePeople, p);
    } else if (from == kTaxField && s.TaxFieldCount > 0) {
      add(s.TaxFieldCount, -1);
    }
    // Taking up the new kind.
    if (kind == kCropField) {
      add(s.CropFieldPeople, c);
      add(s.IdlePeople, -c);
    } else if (kind == kPastureField) {
      add(s.PasturePeople, p);
      add(s.IdlePeople, -p);
    } else if (kind == kTaxField) {
      add(s.TaxFieldCount, 1);
    }
  }
  g.player().show(Sight::FieldCounters);
}

void CalcFood(Rules& g) { CalcFood(g.s, g.tables); }

void CalcFood(GameState& s, const GameTables& tables) {
  const long S = s.ScienceLevel;
  const long C = tables.Places[CropPlace].Yield;
  const long M = tables.Places[PasturePlace].Yield;
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
    if (s.Season == 1 && kind == kCropField) add(s.Crops, s.CropYield);
    if (s.Season == 2 && kind == kPastureField) add(s.Meat, s.MeatYield);
  }
}

}  // namespace ClsFields

int turnsToHarvest(int season, int harvestSeason) {
  if (season < 1 || season > 4) season = 1;
  return (harvestSeason - season + 3) % 4 + 1;
}

FoodOutlook foodOutlook(const Rules& g) {
  // The food step of the coming end of turn on a copy of the state: the season moves on,
  // the harvest of the new season comes in, then a store that is empty is not eaten.
  // Research that completes at this end of turn comes first and brings food of its own.
  // What the player may still be asked (a tithe refused, a rebellion) is not foreseen.
  GameState next = g.s;
  next.Season = next.Season >= 4 ? 1 : next.Season + 1;
  if (next.ResearchCountdown == 0) {
    add(next.ScienceLevel, 1);
    add(next.Crops, wrap16(250LL * next.ScienceLevel));
    add(next.Meat, 13 * next.ScienceLevel);
  }
  ClsFields::CalcFood(next, g.tables);
  return {isSet(g.s.EatMeat) && next.Meat >= 1, isSet(g.s.EatCrops) && next.Crops >= 1};
}

bool fieldKindChoosable(const Rules& g, int kind) {
  const int i = selectedFieldIndex(g);
  return i >= 0 && g.s.FieldKind[i] != kRuinedField && fieldKindOffered(g.s.Season, kind);
}

bool ChooseFieldKind(Rules& g, int kind) {
  if (!fieldKindChoosable(g, kind)) return false;
  if (kind == kCropField && g.s.IdlePeople < cropFieldPeople(g)) return false;
  if (kind == kPastureField && g.s.IdlePeople < pasturePeople(g)) return false;
  ClsFields::SetWorkers(g, static_cast<uint8_t>(kind));
  ClsFields::SetField(g, static_cast<uint8_t>(kind));
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
int slotPeople(const Rules& g, Cutter c) { return g.tables.Places[placeOf(c)].People; }
int slotYield(const Rules& g, Cutter c) { return g.tables.Places[placeOf(c)].Yield; }

bool BindCutterSlot(Rules& g, Cutter c, int slot) {
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

bool ReleaseCutterSlot(Rules& g, Cutter c, int slot) {
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

}  // namespace fief
