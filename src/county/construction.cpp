// Construction: ordering, cancelling and finishing the building under way, and the
// villages and windmills bought on the map.
#include "campaign/game.h"
#include "county/county_rules.h"
#include "map/camp1_frm.h"
#include "state/arith.h"
#include "turn/message_log.h"

namespace fief {

namespace {
Flag* builtFlag(GameState& s, int kind) {
  switch (kind) {
    case 1: return &s.BlacksmithBuilt;
    case 2: return &s.BarracksBuilt;
    case 3: return &s.StablesBuilt;
    case 4: return &s.MarketBuilt;
    case 5: return &s.ThievesBuilt;
    default: return (kind >= 6 && kind <= 10) ? &s.CastleStageBuilt[kind - 6] : nullptr;
  }
}
}  // namespace

bool buildingBuilt(const GameState& s, int kind) {
  Flag* f = builtFlag(const_cast<GameState&>(s), kind);
  return f && isSet(*f);
}

std::string buildingName(const Game& g, int kind) { return g.text(4, 73 + kind); }

std::string castlePicture(const GameState& s) {
  static const char* const kStages[5] = {"keep", "bailey", "fort", "stronghold", "castle"};
  for (int i = 4; i >= 0; --i)
    if (isSet(s.CastleStageBuilt[i])) return kStages[i];
  return "castle_site";
}

OrderResult OrderBuilding(Game& g, int kind) {
  GameState& s = g.s;
  if (s.BuildTurnsLeft != kNone) return OrderResult::AlreadyUnderWay;
  if (kind < 1 || kind > 10 || buildingBuilt(s, kind)) return OrderResult::NothingChosen;
  const BuildingRecord& b = g.tables.Buildings[kind];
  if (b.Gold > s.Gold || b.Wood > s.Wood || b.Stone > s.Stone) return OrderResult::TooExpensive;
  s.BuildingUnderWay = static_cast<uint8_t>(kind);
  store(s.BuildTurnsLeft, b.Turns);
  add(s.Gold, -b.Gold);
  add(s.Wood, -b.Wood);
  add(s.Stone, -b.Stone);
  RefreshCountyViews(g);
  return OrderResult::Ordered;
}

bool CancelBuilding(Game& g) {
  GameState& s = g.s;
  const int k = s.BuildingUnderWay;
  if (s.BuildTurnsLeft == kNone || k < 1 || k > 10) return false;
  const BuildingRecord& b = g.tables.Buildings[k];
  add(s.Gold, b.Gold);
  add(s.Wood, b.Wood);
  add(s.Stone, b.Stone);
  s.BuildTurnsLeft = kNone;
  s.BuildingUnderWay = 0;
  RefreshCountyViews(g);
  return true;
}

void AdvanceConstruction(Game& g) {
  GameState& s = g.s;
  const int k = s.BuildingUnderWay;
  if (k < 1 || k > 10) return;
  if (s.BuildTurnsLeft == 0) {
    *builtFlag(s, k) = kTrue;
    s.BuildingUnderWay = 0;
    s.BuildTurnsLeft = kNone;
    AddMessage(g, 1, 72);  // dropped when the list is full
  } else if (s.BuildTurnsLeft != kNone) {
    --s.BuildTurnsLeft;
  }
  RefreshCountyViews(g);
}

void AdvanceVillagesAndWindmills(Game& g) {
  GameState& s = g.s;
  Camp1Frm* f = g.formExists("Camp1Frm") ? &g.form<Camp1Frm>("Camp1Frm") : nullptr;
  auto advance = [&](std::array<uint8_t, 3>& states, const char* ctl, const char* picture, int list, int entry) {
    for (int i = 0; i < 3; ++i) {
      uint8_t& v = states[i];
      if (v >= 2 && v <= 6) {
        --v;
      } else if (v == 1) {
        v = i == 0 ? kNone : 100;
        if (f)
          if (Control* c = f->find(ctl + std::to_string(i + 1))) c->Picture = picture;
        AddMessage(g, list, entry);
      }
    }
  };
  advance(s.VillageState, "VillageImg", "obj_village", 2, 71);
  advance(s.WindmillState, "WindmillImg", "obj_windmill", 1, 73);
}

}  // namespace fief
