// The fixed numbers of the overcharge score. Index -1 stands for "nothing chosen".
#pragma once

#include <cstdint>

#include "data/bounded_table.h"

namespace gw {

struct ConstantTables {
  Table<int16_t, -1, 6> ItemQualityBonus{"ItemQualityBonus"};    // by item quality choice
  Table<int16_t, -1, 6> GemQualityBonus{"GemQualityBonus"};      // by gem quality choice
  Table<int16_t, -1, 5> OverchargePenalty{"OverchargePenalty"};  // by overcharge level
};

void InitConst(ConstantTables& tables);

}  // namespace gw
