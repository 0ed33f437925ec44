#include "campaign/game_tables.h"

namespace fief {

namespace {
constexpr int kItemSlot[12] = {-1, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr int kItemStep[12] = {0, 2, 2, 2, 2, 1, 1, 1, 0, 2, 1, 2};
}  // namespace

int stockSlotOfItem(int item) { return (item >= 1 && item <= 11) ? kItemSlot[item] : 0; }
int scienceStepOfItem(int item) { return (item >= 1 && item <= 11) ? kItemStep[item] : 0; }

GameTables makeGameTables(int difficulty, int scienceLevel) {
  GameTables t;
  t.Buildings = {{{0, 0, 0, 0},
                  {2, 5000, 800, 200},
                  {2, 5000, 800, 1000},
                  {1, 6000, 1500, 200},
                  {2, 5000, 1000, 750},
                  {1, 3000, 800, 500},
                  {3, 5000, 5000, 500},
                  {5, 7000, 8000, 1000},
                  {8, 10000, 4000, 6000},
                  {12, 12000, 11000, 18000},
                  {16, 20000, 7000, 9000}}};
  static constexpr uint16_t kYield[3][5] = {{255, 200, 310, 550, 120}, {155, 120, 210, 450, 75}, {100, 100, 180, 400, 55}};
  static constexpr uint16_t kPeople[5] = {260, 300, 185, 100, 45};
  int d = (difficulty >= 1 && difficulty <= 3) ? difficulty - 1 : 0;
  for (int p = 0; p < 5; ++p) t.Places[p] = {kYield[d][p], kPeople[p]};
  static constexpr uint16_t kBatch[14] = {30, 0, 0, 0, 40, 20, 30, 30, 10, 20, 1, 40, 35, 40};
  static constexpr uint16_t kWood[14] = {500, 0, 0, 0, 300, 0, 600, 0, 300, 1000, 0, 0, 0, 400};
  static constexpr uint16_t kOre[14] = {0, 0, 0, 0, 200, 500, 300, 700, 800, 50, 100, 700, 1000, 100};
  for (int i = 0; i < 14; ++i) t.ItemCostTable[i] = {kBatch[i], kWood[i], kOre[i]};
  for (int l = 0; l < scienceLevel; ++l) growItemBatches(t);
  return t;
}

void growItemBatches(GameTables& t) {
  for (int item = 1; item <= 11; ++item) t.item(item).Batch += scienceStepOfItem(item);
}

}  // namespace fief
