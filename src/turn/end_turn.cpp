// The end-of-turn procedure in its fixed order, the rival lords' step, and the final
// clamping of the county values with the shortage warnings and the lay-off of workers.
#include <algorithm>

#include "campaign/county_figures.h"
#include "campaign/missions.h"
#include "campaign/rules.h"
#include "county/county.h"
#include "map/army_movement.h"
#include "rivals/rival_lords.h"
#include "state/arith.h"
#include "turn/turn.h"
#include "text_names.h"

namespace fief {

namespace {

template <typename T>
void clampTo(T& v, T lo, T hi) {
  if (v <= lo) v = lo;
  else if (v >= hi) v = hi;
}

void movesForCamps(Rules& g) {
  GameState& s = g.s;
  const uint8_t moves = movesForMorale(s.Morale);
  for (int k = 0; k < 3; ++k)
    if (isSet(s.CampExists[k])) s.CampMovesLeft[k] = moves;
}

void shortageWarnings(Rules& g) {
  const Shortages w = shortages(g.s);
  g.player().show(Sight::Shortages);
  using namespace txt::campaign;
  static constexpr TextId kText[kShortageKinds] = {FoodShort, FoodShort, CountyEmptying, PeopleUnhappy, SicknessSpreads};
  for (int i = 0; i < kShortageKinds; ++i)
    if (w[i]) AddMessage(g, 1, kText[i]);
}

}  // namespace

Shortages shortages(const GameState& s) {
  return {s.Crops >= 0 && s.Crops <= 1000, s.Meat >= 0 && s.Meat <= 300, s.People <= 300, s.Happiness <= 30,
          s.Health <= 30};
}

int Workforce(const Rules& g) {
  const GameState& s = g.s;
  return wrap16(static_cast<long long>(s.OreCutterPeople) + s.StoneCutterPeople + s.WoodCutterPeople + s.PasturePeople +
                s.CropFieldPeople);
}

void EndTurn(Rules& g) {
  GameState& s = g.s;
  // Cleared however the turn is left.
  struct Running {
    bool& flag;
    explicit Running(bool& f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
  } running(g.turnRunning);
  const uint32_t game = g.gamesLoaded;
  g.player().turnBegins();
  if (isSet(s.Advanced.DeleteMessagesOption)) ClearMessages(g);
  movesForCamps(g);
  keepLastSeason(s);
  IncomeAndProduction(g);
  PopulationDrift(g);
  CountyTurn(g);
  CompleteForging(g);
  AdvanceVillagesAndWindmills(g);
  AdvanceConstruction(g);
  store(s.IdlePeople, static_cast<long long>(s.People) - Workforce(g));
  ApplySeason(g);
  RivalTurn(g);
  // A defeat in the rivals' step lets the player replay the level from its first save while
  // this turn is still under way: the rest of the turn belongs to the game that was lost, and
  // nothing of it (limits, chronicle, record of play, objectives, the turn's animations) goes
  // into the replayed one. The player is still told that the turn is over.
  if (g.gamesLoaded != game) {
    s.TurnAnimationFlags = {};
    g.player().turnEnded();
    return;
  }
  ClampCountyValues(g);
  g.chronicle.record(s);
  g.play.turnEnded();
  // An objective that holds as the turn ends is met, whether or not the player looks at
  // the mission screen before a battle or a lean season undoes it.
  EvaluateObjectives(g);
  g.player().turnEnded();
}

void RivalTurn(Rules& g) {
  GameState& s = g.s;
  store(s.BuyBaseWood, g.rng.draw(500, 6000));
  store(s.BuyBaseStone, g.rng.draw(500, 4000));
  store(s.BuyBaseOre, g.rng.draw(500, 2000));
  RivalLordsTurn(g);
}

void ClampCountyValues(Rules& g) {
  GameState& s = g.s;
  for (int16_t* v : {&s.Leadership, &s.Nobility, &s.Diplomacy, &s.Religion}) clampTo<int16_t>(*v, 0, 100);
  clampTo(s.Morale, -100.0f, 100.0f);
  for (int32_t* v : {&s.Wood, &s.Stone, &s.Ore, &s.People}) *v = static_cast<int32_t>(keptStock(*v));
  s.Happiness = static_cast<int16_t>(keptPercent(s.Happiness));
  s.Health = static_cast<int16_t>(keptPercent(s.Health));
  for (int32_t* v : {&s.Crops, &s.Meat, &s.Gold}) *v = static_cast<int32_t>(keptStock(*v));
  shortageWarnings(g);
  LayOffWorkers(g);
}

void LayOffWorkers(Rules& g) {
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
      if (over() && (kind == kCropField || kind == kPastureField)) {
        s.SelectedField = static_cast<uint8_t>(f);
        ClsFields::SetWorkers(g, 0);
        ClsFields::SetField(g, kEmptyField);
      }
    }
    s.SelectedField = selected;
  }
  // The people count may have been floored at zero above: idle people follow from it.
  store(s.IdlePeople, static_cast<long long>(s.People) - Workforce(g));
}

}  // namespace fief
