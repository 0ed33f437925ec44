// The blacksmith's standing order: placing and cancelling it, and forging one batch at
// every end of turn until the wood or ore runs out.
#include <vector>

#include "campaign/message_log.h"
#include "campaign/rules.h"
#include "county/county_rules.h"
#include "state/arith.h"
#include "text_names.h"

namespace fief {

const char* const kItemWords[12] = {"",     "bow",  "club", "sword",     "helebard", "twohand",
                                    "mace", "pike", "cross", "chainmail", "plate",   "shield"};

int16_t& itemStock(GameState& s, int item) {
  switch (item) {
    case Bow: return s.BowStock;
    case Club: return s.ClubStock;
    case Sword: return s.SwordStock;
    case Helebard: return s.HelebardStock;
    case TwoHandSword: return s.TwoHandStock;
    case Mace: return s.MaceStock;
    case Pike: return s.PikeStock;
    case Cross: return s.CrossStock;
    case ChainMail: return s.ChainMailStock;
    case Plate: return s.PlateStock;
    default: return s.ShieldStock;
  }
}

std::string itemName(const Rules& g, int item) { return g.text(txt::campaign1::ItemNames[item]); }

std::string itemUsers(const Rules& g, int item) {
  // Unit types by their type number (Monk 1 .. Paladin 11); names are table 4, 59 + number.
  static const std::vector<std::vector<int>> kUsers = {
      {},          {2},        {3},     {4, 7, 11}, {5},          {6, 10},
      {8},         {9},        {1},     {5, 6, 7},  {4, 8, 9, 10, 11}, {4, 8, 9}};
  std::string out;
  if (item < 1 || item > 11) return out;
  for (int u : kUsers[item]) {
    if (!out.empty()) out += ", ";
    out += g.text(txt::campaign1::UnitNames[u]);
  }
  return out;
}

SmithResult PlaceSmithOrder(Rules& g) {
  GameState& s = g.s;
  const int item = s.BlacksmithSelection;
  if (item < 1 || item > 11) return SmithResult::NothingChosen;
  const ItemCost& c = g.tables.item(item);
  if (c.Wood > s.Wood || c.Ore > s.Ore) {
    s.BlacksmithOrder = 0;
    return SmithResult::TooExpensive;
  }
  s.BlacksmithOrder = static_cast<uint8_t>(item);
  g.player().show(Sight::County);
  return SmithResult::Ordered;
}

void CancelSmithOrder(Rules& g) {
  g.s.BlacksmithSelection = 0;
  g.s.BlacksmithOrder = 0;
  g.player().show(Sight::County);
}

void CompleteForging(Rules& g) {
  GameState& s = g.s;
  const int item = s.BlacksmithOrder;
  if (item < 1 || item > 11) return;
  const ItemCost& c = g.tables.item(item);
  // Only the costs the item has are checked: a sword needs no wood, so a county whose
  // wood went below zero earlier in the turn (rebel plunder) still forges its swords.
  const bool woodOk = c.Wood == 0 || s.Wood >= c.Wood;
  const bool oreOk = c.Ore == 0 || s.Ore >= c.Ore;
  if (woodOk && oreOk) {
    add(itemStock(s, item), c.Batch);
    add(s.Wood, -static_cast<long>(c.Wood));
    add(s.Ore, -static_cast<long>(c.Ore));
    return;
  }
  // The batch cannot be paid: the order lapses.
  s.BlacksmithSelection = 0;
  s.BlacksmithOrder = 0;
  g.player().show(Sight::County);
  g.player().show(Sight::SmithOrderLapsed);
  AddMessage(g, 1, txt::campaign::BlacksmithOrderLapsed);
}

}  // namespace fief
