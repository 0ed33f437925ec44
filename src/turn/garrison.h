// Trading with the garrison (its event screen GarryFrm): goods weighed against gold.
// Mode 1 buys goods from the garrison's stores, mode 2 sells goods to it, mode 3 sends
// the King's marshal the provisions he asked for (event kind 1).
#pragma once

#include <array>
#include <cstdint>

#include "campaign/stat_changes.h"

namespace fief {

struct Rules;
struct GameState;

constexpr int kGarrisonGoods = 5;  // crops, meat, wood, stone, ore
using GoodsAmounts = std::array<int, kGarrisonGoods>;
// Gold per unit by mode: what the garrison asks (1), what it pays (2), what the crown
// pays for provisions (3).
constexpr int kGarrisonPrice[3][kGarrisonGoods] = {{2, 6, 3, 4, 5}, {1, 3, 1, 2, 2}, {1, 2, 1, 1, 1}};
// The value of the provisions (at the garrison's prices) that satisfies the marshal.
constexpr long long kLevyValue = 2000;
// The amount buttons move in steps of ten.
constexpr int kGarrisonStep = 10;

int32_t& goodStock(GameState& s, int good);
int32_t goodStock(const GameState& s, int good);
// The gold the amounts cost (mode 1) or bring (modes 2, 3).
long long garrisonGold(int mode, const GoodsAmounts& amounts);
// The amounts' value at the garrison's prices.
long long levyValue(const GoodsAmounts& amounts);
// How much value the amounts lack to satisfy the marshal (0 when they are enough).
long long levyShortfall(const GoodsAmounts& amounts);
// Whether one more step of a good may be added: buying is limited by the gold,
// selling and sending by the stock.
bool garrisonStepAllowed(const GameState& s, int mode, const GoodsAmounts& amounts, int good);

// What sending the provisions brings besides the crown's gold, and what refusing them on
// the provisions screen costs.
// (Functions, so that the event kinds registered while the program starts find them made.)
const StatChanges& provisionsSentChanges();
const StatChanges& provisionsRefusedChanges();

// Mode 1 or 2: the goods change hands for their gold.
void TradeWithGarrison(Rules& r, int mode, const GoodsAmounts& amounts);
// Mode 3: false (nothing happens) when the provisions are worth too little.
bool SendProvisions(Rules& r, const GoodsAmounts& amounts);
void RefuseProvisions(Rules& r);

}  // namespace fief
