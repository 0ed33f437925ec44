// The end-of-turn procedure in its fixed order, the rival lords' step, and the final
// clamping of the county values with the shortage warnings and the lay-off of workers.
#include <algorithm>

#include "campaign/game.h"
#include "county/county.h"
#include "map/camp1_frm.h"
#include "state/arith.h"
#include "turn/turn.h"
#include "turn/turn_screen.h"
#include "ui/form.h"

namespace fief {

namespace {

std::function<void(Game&, int)>& rivalLordTurn() {
  static std::function<void(Game&, int)> f;
  return f;
}

template <typename T>
void clampTo(T& v, T lo, T hi) {
  if (v <= lo) v = lo;
  else if (v >= hi) v = hi;
}
template <typename T>
void floorAtZero(T& v) {
  if (v <= 0) v = 0;
}

void movesForCamps(Game& g) {
  GameState& s = g.s;
  const uint8_t moves = s.Morale >= 75 ? 3 : s.Morale >= 50 ? 2 : 1;
  const bool screen = g.formExists("Camp1Frm");
  for (int k = 0; k < 3; ++k) {
    if (!isSet(s.CampExists[k])) continue;
    s.CampMovesLeft[k] = moves;
    if (screen)
      if (Control* c = campControl(g, "Camp" + std::to_string(k + 1) + "StatusImg")) c->Picture = "CampStatusRes1";
  }
}

void copyLastFigures(GameState& s) {
  s.LastGold = s.Gold;
  s.LastWood = s.Wood;
  s.LastStone = s.Stone;
  s.LastOre = s.Ore;
  s.LastCrops = s.Crops;
  s.LastMeat = s.Meat;
  s.LastPeople = s.People;
  s.LastHappiness = s.Happiness;
  s.LastHealth = s.Health;
}

void shortageWarnings(Game& g) {
  const GameState& s = g.s;
  struct Warning { bool holds; const char* label; int entry; };
  const Warning w[] = {{s.Crops >= 0 && s.Crops <= 1000, "CropsLbl", 77},
                       {s.Meat >= 0 && s.Meat <= 300, "CattleLbl", 77},
                       {s.People <= 300, "PeopleLbl", 80},
                       {s.Happiness <= 30, "HappinessLbl", 78},
                       {s.Health <= 30, "HealthLbl", 79}};
  const bool screen = g.formExists("Camp1Frm");
  for (const auto& x : w) {
    if (screen)
      if (Control* c = g.form("Camp1Frm").find(x.label)) c->ForeColor = x.holds ? kWarningColour : kDefaultColour;
    if (x.holds) AddMessage(g, 1, x.entry);
  }
}

}  // namespace

int Workforce(const Game& g) {
  const GameState& s = g.s;
  return wrap16(static_cast<long long>(s.OreCutterPeople) + s.StoneCutterPeople + s.WoodCutterPeople + s.PasturePeople +
                s.CropFieldPeople);
}

void setRivalLordTurn(std::function<void(Game&, int)> f) { rivalLordTurn() = std::move(f); }

void EndTurn(Game& g) {
  GameState& s = g.s;
  g.setHelper(std::string());
  if (isSet(s.Advanced.DeleteMessagesOption)) ClearMessages(g);
  movesForCamps(g);
  copyLastFigures(s);
  IncomeAndProduction(g);
  PopulationDrift(g);
  CountyTurn(g);
  CompleteForging(g);
  AdvanceVillagesAndWindmills(g);
  AdvanceConstruction(g);
  store(s.IdlePeople, static_cast<long long>(s.People) - Workforce(g));
  ApplySeason(g);
  RivalTurn(g);
  ClampCountyValues(g);
  g.chronicle.record(s);
  if (g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").refreshStatus();
  if (g.SoundAvailable && s.Season >= 1 && s.Season <= 4) {
    static const char* const kFauna[4] = {"fauna01.wav", "fauna02.wav", "fauna03.wav", "fauna04.wav"};
    g.PlaySound(kFaunaChannel, kFauna[s.Season - 1]);
  }
  if (s.TurnAnimationFlags[0] || s.TurnAnimationFlags[1] || s.TurnAnimationFlags[2]) openIfBuilt(g, "MovieFrm");
  g.shell.setPointer(Pointer::Normal);
}

void RivalTurn(Game& g) {
  GameState& s = g.s;
  store(s.BuyBaseWood, g.rng.draw(500, 6000));
  store(s.BuyBaseStone, g.rng.draw(500, 4000));
  store(s.BuyBaseOre, g.rng.draw(500, 2000));
  auto& turn = rivalLordTurn();
  if (!turn) return;
  if (isSet(s.Rival1.Active)) turn(g, 1);
  if (isSet(s.Rival2.Active)) turn(g, 2);
}

void ClampCountyValues(Game& g) {
  GameState& s = g.s;
  for (int16_t* v : {&s.Leadership, &s.Nobility, &s.Diplomacy, &s.Religion}) clampTo<int16_t>(*v, 0, 100);
  clampTo(s.Morale, -100.0f, 100.0f);
  for (int32_t* v : {&s.Wood, &s.Stone, &s.Ore, &s.People}) floorAtZero(*v);
  clampTo<int16_t>(s.Happiness, 0, 100);
  clampTo<int16_t>(s.Health, 0, 100);
  for (int32_t* v : {&s.Crops, &s.Meat, &s.Gold}) floorAtZero(*v);
  shortageWarnings(g);
  LayOffWorkers(g);
}

void LayOffWorkers(Game& g) {
  GameState& s = g.s;
  auto over = [&] { return Workforce(g) > s.People; };
  if (over()) {
    const std::pair<Cutter, std::array<uint8_t, 5>*> cutters[] = {
        {WoodCutter, &s.WoodCutterSlots}, {StoneCutter, &s.StoneCutterSlots}, {OreCutter, &s.OreCutterSlots}};
    for (auto [cutter, slots] : cutters)
      for (int slot = 5; slot >= 1; --slot)
        if (over() && (*slots)[slot - 1] != 0) ReleaseCutterSlot(g, cutter, slot);
    // Fields bind people only as crop fields and pastures; tax fields stay. The field
    // the player had selected stays selected.
    const uint8_t selected = s.SelectedField;
    for (int f = 1; f <= 10; ++f) {
      const uint8_t kind = s.FieldKind[f - 1];
      if (over() && (kind == 1 || kind == 2)) {
        s.SelectedField = static_cast<uint8_t>(f);
        ClsFields::SetWorkers(g, 0);
        ClsFields::SetField(g, 0);
      }
    }
    s.SelectedField = selected;
  }
  // The people count may have been floored at zero above: idle people follow from it.
  store(s.IdlePeople, static_cast<long long>(s.People) - Workforce(g));
}

}  // namespace fief
