#include "turn/garrison.h"

#include "campaign/rules.h"
#include "state/arith.h"

namespace fief {

int32_t& goodStock(GameState& s, int good) {
  switch (good) {
    case 0: return s.Crops;
    case 1: return s.Meat;
    case 2: return s.Wood;
    case 3: return s.Stone;
    default: return s.Ore;
  }
}
int32_t goodStock(const GameState& s, int good) { return goodStock(const_cast<GameState&>(s), good); }

long long garrisonGold(int mode, const GoodsAmounts& amounts) {
  long long v = 0;
  for (int i = 0; i < kGarrisonGoods; ++i) v += static_cast<long long>(amounts[i]) * kGarrisonPrice[mode - 1][i];
  return v;
}

const StatChanges& provisionsSentChanges() {
  static const StatChanges c = {{Stat::Nobility, 5}, {Stat::Morale, 5}, {Stat::Religion, 2}, {Stat::Happiness, -3}};
  return c;
}
const StatChanges& provisionsRefusedChanges() {
  static const StatChanges c = {{Stat::Happiness, -12}, {Stat::Morale, -15}, {Stat::Nobility, -23}, {Stat::Religion, -4}};
  return c;
}

long long levyValue(const GoodsAmounts& amounts) { return garrisonGold(1, amounts); }

long long levyShortfall(const GoodsAmounts& amounts) {
  const long long v = levyValue(amounts);
  return v >= kLevyValue ? 0 : kLevyValue - v;
}

bool garrisonStepAllowed(const GameState& s, int mode, const GoodsAmounts& amounts, int good) {
  if (mode == 1) return garrisonGold(1, amounts) + static_cast<long long>(kGarrisonStep) * kGarrisonPrice[0][good] <= s.Gold;
  return amounts[good] + kGarrisonStep <= goodStock(s, good);
}

void TradeWithGarrison(Rules& r, int mode, const GoodsAmounts& amounts) {
  GameState& s = r.s;
  const long long money = garrisonGold(mode, amounts);
  for (int i = 0; i < kGarrisonGoods; ++i) add(goodStock(s, i), mode == 1 ? amounts[i] : -amounts[i]);
  add(s.Gold, mode == 1 ? -money : money);
}

bool SendProvisions(Rules& r, const GoodsAmounts& amounts) {
  if (levyShortfall(amounts) > 0) return false;
  GameState& s = r.s;
  for (int i = 0; i < kGarrisonGoods; ++i) add(goodStock(s, i), -amounts[i]);
  add(s.Gold, garrisonGold(3, amounts));
  applyChanges(s, provisionsSentChanges());
  return true;
}

void RefuseProvisions(Rules& r) { applyChanges(r.s, provisionsRefusedChanges()); }

}  // namespace fief
