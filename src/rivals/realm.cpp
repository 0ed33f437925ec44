#include "rivals/realm.h"

#include "campaign/county_figures.h"
#include "state/arith.h"
#include "state/game_state.h"
#include "text_names.h"

namespace fief {

long long leaderStatus(int leadership, int nobility, int diplomacy, int religion) {
  const int16_t sum = wrap16(static_cast<long long>(leadership) + nobility + diplomacy + religion);
  return Fix(sum / 4.0);
}

std::string statusText(long long status) { return std::to_string(status) + "%"; }

LeaderSheet leaderSheet(const GameState& s, int lord) {
  LeaderSheet sh;
  auto fill = [&sh](float morale, int l, int n, int d, int r) {
    sh.known = true;
    sh.morale = Int(morale);
    sh.leadership = l;
    sh.nobility = n;
    sh.diplomacy = d;
    sh.religion = r;
    sh.status = leaderStatus(l, n, d, r);
  };
  if (lord == 2) {
    if (s.RivalRelation[0] == 100) fill(s.Rival1.Morale, s.Rival1.Leadership, s.Rival1.Nobility, s.Rival1.Diplomacy,
                                         s.Rival1.Religion);
  } else if (lord == 3) {
    if (s.RivalRelation[1] == 100) fill(s.Rival2.Morale, s.Rival2.Leadership, s.Rival2.Nobility, s.Rival2.Diplomacy,
                                         s.Rival2.Religion);
  } else {
    fill(s.Morale, s.Leadership, s.Nobility, s.Diplomacy, s.Religion);
  }
  return sh;
}

std::vector<RealmFigure> realmFigures(const GameState& s) {
  std::vector<RealmFigure> figures;
  for (const CountyFigure& f : kCountyFigures) figures.push_back({f.name, f.caption, f.now.get(s), f.last.get(s), true, f.percent});
  figures.push_back({"Tax", txt::captions::entry(14), s.TaxRate, 0, false, true});  // "Tax rate"
  return figures;
}

Workplaces workplaces(const GameState& s) {
  Workplaces w;
  w.woodSlots = s.WoodCutters;
  w.woodPeople = s.WoodCutterPeople;
  w.stoneSlots = s.StoneCutters;
  w.stonePeople = s.StoneCutterPeople;
  w.oreSlots = s.OreCutters;
  w.orePeople = s.OreCutterPeople;
  for (uint8_t k : s.FieldKind) {
    switch (k) {
      case kEmptyField: ++w.plainFields; break;
      case kCropField: ++w.cropFields; break;
      case kPastureField: ++w.cattleFields; break;
      case kRuinedField: ++w.ruinedFields; break;
      case kTaxField: ++w.taxFields; break;
      default: break;
    }
  }
  return w;
}

const std::array<Holding, 10> kHoldings = {{
    {91},
    {92},
    {93},
    {94},
    {95},
    {96},
    {97},
    {98},
    {99},
    {100},
}};

bool heldByPlayer(const GameState& s, int blessing) { return s.CountyBlessings[blessing] == 1; }

}  // namespace fief
