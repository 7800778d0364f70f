#include "data/constant_tables.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace gw {
namespace {

TEST(ConstantTables, BonusesAndPenaltiesFromNothingChosenUp) {
  ConstantTables t;
  InitConst(t);
  EXPECT_EQ(t.ItemQualityBonus(-1), 0);
  EXPECT_EQ(t.ItemQualityBonus(1), 0);
  EXPECT_EQ(t.ItemQualityBonus(2), 6);
  EXPECT_EQ(t.ItemQualityBonus(6), 26);
  EXPECT_EQ(t.GemQualityBonus(-1), 0);
  EXPECT_EQ(t.GemQualityBonus(4), 5);
  EXPECT_EQ(t.GemQualityBonus(6), 11);
  EXPECT_EQ(t.OverchargePenalty(0), 0);
  EXPECT_EQ(t.OverchargePenalty(3), 30);
  EXPECT_EQ(t.OverchargePenalty(5), 70);
  // The penalty table ends one entry earlier than the quality tables.
  EXPECT_THROW(t.OverchargePenalty(6), RuntimeError);
  EXPECT_THROW(t.ItemQualityBonus(-2), RuntimeError);
  EXPECT_THROW(t.GemQualityBonus(7), RuntimeError);
}

}  // namespace
}  // namespace gw
