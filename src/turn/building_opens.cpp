#include "turn/building_opens.h"

#include "campaign/rules.h"
#include "military/armies.h"
#include "military/units.h"
#include "state/kinds.h"
#include "text_names.h"
#include "turn/turn.h"

namespace fief {

namespace {

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

// The unit types whose only building besides the barracks is `building` (kNoBuilding:
// the types the barracks alone open).
std::string unitsNeeding(const Rules& g, int building) {
  std::vector<std::string> names;
  for (int n = 1; n <= 14; ++n)
    if (unitType(n).building == building) names.push_back(g.text(txt::campaign1::UnitNames[n]));
  return joined(names);
}

std::string line(const Rules& g, TextId caption, const std::string& value) { return g.text(caption) + ": " + value; }

}  // namespace

std::vector<std::string> buildingOpens(const Rules& g, int kind) {
  switch (kind) {
    case kBlacksmithBuilding: {
      // Every item of the blacksmith's table can be ordered once the blacksmith stands.
      std::vector<std::string> items;
      for (int item = 1; item <= 11; ++item) items.push_back(g.text(txt::campaign1::ItemNames[item]));
      return {line(g, txt::levels::BuildingForges, joined(items))};
    }
    case kBarracksBuilding: return {line(g, txt::levels::BuildingRaises, unitsNeeding(g, kNoBuilding))};
    case kThievesGuildBuilding:
      return {line(g, txt::levels::ThievesHaulTurns, std::to_string(kThievesHaulEvery)),
              line(g, txt::levels::ThievesBrokenUpTurns, std::to_string(kThievesBrokenUpEvery))};
    case kKeepBuilding:
    case kBaileyBuilding:
    case kFortBuilding:
    case kStrongholdBuilding:
    case kCastleBuilding: {
      const int stage = kind - kKeepBuilding;
      const CastleYield& y = kCastleYield[stage];
      std::vector<std::string> lines{
          line(g, txt::levels::StageShelters, std::to_string(kStageCapacity[stage])),
          line(g, txt::levels::StageGoldPerHundred, std::to_string(y.goldPercent))};
      if (y.nobility) lines.push_back(line(g, txt::levels::StageNobility, "+" + std::to_string(y.nobility)));
      return lines;
    }
    default: break;
  }
  if (kind < kBlacksmithBuilding || kind > kCastleBuilding) return {};
  // The stables and the market: the unit types that need the building, if any.
  const std::string units = unitsNeeding(g, kind);
  if (!units.empty()) return {line(g, txt::levels::BuildingRaises, units)};
  return {g.text(txt::levels::BuildingOpensNothing)};
}

}  // namespace fief
