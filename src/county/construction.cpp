// Construction: ordering, cancelling and finishing the building under way, and the
// villages and windmills bought on the map.
#include "campaign/message_log.h"
#include "campaign/rules.h"
#include "county/county_rules.h"
#include "state/arith.h"
#include "text_names.h"

namespace fief {

namespace {
Flag* builtFlag(GameState& s, int kind) {
  switch (kind) {
    case kBlacksmithBuilding: return &s.BlacksmithBuilt;
    case kBarracksBuilding: return &s.BarracksBuilt;
    case kStablesBuilding: return &s.StablesBuilt;
    case kMarketBuilding: return &s.MarketBuilt;
    case kThievesGuildBuilding: return &s.ThievesBuilt;
    default:
      return (kind >= kKeepBuilding && kind <= kCastleBuilding) ? &s.CastleStageBuilt[kind - kKeepBuilding] : nullptr;
  }
}
}  // namespace

bool buildingBuilt(const GameState& s, int kind) {
  Flag* f = builtFlag(const_cast<GameState&>(s), kind);
  return f && isSet(*f);
}

std::string buildingName(const Rules& g, int kind) {
  return g.text(txt::campaign1::BlacksmithName + (kind - kBlacksmithBuilding));
}

StatChanges buildingShortfall(const Rules& g, int kind) {
  if (kind < kBlacksmithBuilding || kind > kCastleBuilding) return {};
  const GameState& s = g.s;
  const BuildingRecord& b = g.tables.Buildings[kind];
  StatChanges missing;
  if (b.Gold > s.Gold) missing.push_back({Stat::Gold, static_cast<int>(b.Gold - s.Gold)});
  if (b.Wood > s.Wood) missing.push_back({Stat::Wood, static_cast<int>(b.Wood - s.Wood)});
  if (b.Stone > s.Stone) missing.push_back({Stat::Stone, static_cast<int>(b.Stone - s.Stone)});
  return missing;
}

OrderResult OrderBuilding(Rules& g, int kind) {
  GameState& s = g.s;
  if (s.BuildTurnsLeft != kNone) return OrderResult::AlreadyUnderWay;
  if (kind < kBlacksmithBuilding || kind > kCastleBuilding || buildingBuilt(s, kind)) return OrderResult::NothingChosen;
  const BuildingRecord& b = g.tables.Buildings[kind];
  if (!buildingShortfall(g, kind).empty()) return OrderResult::TooExpensive;
  s.BuildingUnderWay = static_cast<uint8_t>(kind);
  store(s.BuildTurnsLeft, b.Turns);
  add(s.Gold, -b.Gold);
  add(s.Wood, -b.Wood);
  add(s.Stone, -b.Stone);
  g.player().show(Sight::County);
  return OrderResult::Ordered;
}

bool CancelBuilding(Rules& g) {
  GameState& s = g.s;
  const int k = s.BuildingUnderWay;
  if (s.BuildTurnsLeft == kNone || k < kBlacksmithBuilding || k > kCastleBuilding) return false;
  const BuildingRecord& b = g.tables.Buildings[k];
  add(s.Gold, b.Gold);
  add(s.Wood, b.Wood);
  add(s.Stone, b.Stone);
  s.BuildTurnsLeft = kNone;
  s.BuildingUnderWay = kNoBuilding;
  g.player().show(Sight::County);
  return true;
}

void AdvanceConstruction(Rules& g) {
  GameState& s = g.s;
  const int k = s.BuildingUnderWay;
  if (k < kBlacksmithBuilding || k > kCastleBuilding) return;
  if (s.BuildTurnsLeft == 0) {
    *builtFlag(s, k) = kTrue;
    s.BuildingUnderWay = kNoBuilding;
    s.BuildTurnsLeft = kNone;
    AddMessage(g, 1, txt::campaign::BuildingCompleted, buildingName(g, k));  // dropped when the list is full
  } else if (s.BuildTurnsLeft != kNone) {
    --s.BuildTurnsLeft;
  }
  g.player().show(Sight::County);
}

void AdvanceVillagesAndWindmills(Rules& g) {
  GameState& s = g.s;
  auto advance = [&](std::array<uint8_t, 3>& states, Sight done, int list, int entry) {
    for (int i = 0; i < 3; ++i) {
      uint8_t& v = states[i];
      if (v >= 2 && v <= 6) {
        --v;
      } else if (v == 1) {
        v = i == 0 ? kNone : 100;
        g.player().show(done, i);
        AddMessage(g, list, entry);
      }
    }
  };
  advance(s.VillageState, Sight::VillageBought, 2, 71);
  advance(s.WindmillState, Sight::WindmillBuilt, 1, 73);
}

}  // namespace fief
