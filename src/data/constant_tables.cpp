#include "data/constant_tables.h"

#include <array>

namespace gw {

void InitConst(ConstantTables& tables) {
  static constexpr std::array<int16_t, 8> kItemQuality = {0, 0, 0, 6, 8, 10, 18, 26};
  static constexpr std::array<int16_t, 8> kGemQuality = {0, 0, 0, 1, 2, 5, 8, 11};
  static constexpr std::array<int16_t, 7> kPenalty = {0, 0, 10, 20, 30, 50, 70};
  for (int i = -1; i <= 6; ++i)
    tables.ItemQualityBonus(i) = kItemQuality[i + 1];
  for (int i = -1; i <= 6; ++i)
    tables.GemQualityBonus(i) = kGemQuality[i + 1];
  for (int i = -1; i <= 5; ++i)
    tables.OverchargePenalty(i) = kPenalty[i + 1];
}

}  // namespace gw
