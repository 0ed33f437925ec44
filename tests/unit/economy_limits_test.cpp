// The turn's formulas at the limits of the fields' widths: no product leaves its
// arithmetic (the sanitizer build of these tests reports any that would), and the turn
// keeps the county's values in range.
#include <gtest/gtest.h>

#include <limits>

#include "test_support.h"
#include "turn/turn.h"

namespace fief {
namespace {

struct EconomyLimits : test::GameFixture {
  EconomyLimits() { startCampaign(1); }
};

TEST_F(EconomyLimits, CastleIncomeOfTheLargestCounty) {
  struct Case {
    int stage;  // the highest castle stage built (1..5)
    long long gold;
  };
  constexpr int32_t kPeople = std::numeric_limits<int32_t>::max();
  for (const Case c : {Case{1, 42949672}, Case{2, 107374182}, Case{3, 128849018}, Case{4, 214748364},
                       Case{5, 171798691}}) {
    GameState& s = g.s;
    s.CastleStageBuilt.fill(kFalse);
    s.CastleStageBuilt[c.stage - 1] = kTrue;
    s.People = kPeople;
    s.Gold = 0;
    CastleIncome(s);
    EXPECT_EQ(s.Gold, c.gold) << "stage " << c.stage;
  }
}

// Whole turns with every stock, count and countdown at the edges of its width.
TEST_F(EconomyLimits, TurnsAtTheWidthsEdgesKeepTheValuesInRange) {
  constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max(), kMin32 = std::numeric_limits<int32_t>::min();
  constexpr int16_t kMax16 = std::numeric_limits<int16_t>::max(), kMin16 = std::numeric_limits<int16_t>::min();
  for (int32_t big : {kMax32, kMin32}) {
    for (int16_t small : {kMax16, kMin16}) {
      SCOPED_TRACE(std::to_string(big) + " " + std::to_string(small));
      startCampaign(1);
      GameState& s = g.s;
      for (int32_t* v : {&s.Gold, &s.Wood, &s.Stone, &s.Ore, &s.Crops, &s.Meat, &s.People, &s.IdlePeople,
                         &s.BuyBaseWood, &s.BuyBaseStone, &s.BuyBaseOre})
        *v = big;
      for (int16_t* v : {&s.Happiness, &s.Health, &s.Leadership, &s.Nobility, &s.Diplomacy, &s.Religion,
                         &s.CropYield, &s.MeatYield, &s.WoodCutters, &s.StoneCutters, &s.OreCutters,
                         &s.RebelForceA, &s.RebelForceB, &s.TournamentStake})
        *v = small;
      s.CastleStageBuilt.fill(kTrue);
      s.TaxRate = 255;
      s.SellPercent = s.BuyPercent = 255;
      s.ScienceLevel = 255;
      s.Morale = big > 0 ? 3.0e38f : -3.0e38f;
      s.RebelsActive = kTrue;
      for (int turn = 0; turn < 3; ++turn) {
        EndTurn(g);
        for (int32_t v : {s.Gold, s.Wood, s.Stone, s.Ore, s.Crops, s.Meat, s.People}) EXPECT_GE(v, 0);
        for (int16_t v : {s.Happiness, s.Health, s.Leadership, s.Nobility, s.Diplomacy, s.Religion}) {
          EXPECT_GE(v, 0);
          EXPECT_LE(v, 100);
        }
        EXPECT_GE(s.Morale, -100.0f);
        EXPECT_LE(s.Morale, 100.0f);
      }
    }
  }
}

}  // namespace
}  // namespace fief
