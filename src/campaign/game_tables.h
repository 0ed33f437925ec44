// The game tables set up at campaign start and again by every load, from the
// difficulty: buildings, the five places of work, the blacksmith's item costs and the
// prices of the special units.
#pragma once

#include <array>
#include <cstdint>

namespace fief {

struct BuildingRecord { int16_t Turns, Gold, Wood, Stone; };
struct PlaceRecord { uint16_t Yield, People; };
struct ItemCost { uint16_t Batch, Wood, Ore; };

enum Place { WoodPlace, StonePlace, OrePlace, CropPlace, PasturePlace };

// Forged items by their number 1..11.
enum Item { NoItem, Bow, Club, Sword, Helebard, TwoHandSword, Mace, Pike, Cross, ChainMail, Plate, Shield };
// Stock slots in armoury order: Bow, LongBow, WarlordGear, EnginerGear, Club, Sword,
// Helebard, TwoHand, Mace, Pike, Cross, ChainMail, Plate, Shield.
constexpr int kStockCount = 14;
int stockSlotOfItem(int item);          // 1..11 -> 0..13
int scienceStepOfItem(int item);        // batch growth per science level

struct GameTables {
  std::array<BuildingRecord, 11> Buildings{};  // kinds 1..10
  std::array<PlaceRecord, 5> Places{};
  std::array<ItemCost, kStockCount> ItemCostTable{};  // by stock slot
  int16_t AssassinPrice = 4150, ScoutPrice = 2600, GuardPricePerLevel = 700;

  const ItemCost& item(int itemNo) const { return ItemCostTable[stockSlotOfItem(itemNo)]; }
  ItemCost& item(int itemNo) { return ItemCostTable[stockSlotOfItem(itemNo)]; }
};

// The tables for a difficulty, with the item batches grown for the science level.
GameTables makeGameTables(int difficulty, int scienceLevel);
// Grow every item batch by its step (the science level rose by one).
void growItemBatches(GameTables& t);

}  // namespace fief
