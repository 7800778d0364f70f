// The staging table of an item set import: what the file says of each of the nineteen items,
// before it is written into the window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/lists.h"

namespace gw {

struct ImportedGem {
  uint8_t GemType = 0;      // 0 "Unused" .. 6 "Skill"
  uint8_t AmountCode = 0;   // crafted item: amount list position (level - 1); dropped: the amount
  int16_t EffectIndex = 0;  // position in the type's effect list
  uint8_t GemQuality = 0;   // 0 "94%" .. 6 "100%"
};

struct ImportedItem {
  uint8_t ItemQuality = 0;  // 0 "94%" .. 6 "100%"
  uint8_t ItemLevel = 0;
  bool Equipped = false;
  bool PlayerMade = false;  // crafted
  float AfDps = 0;
  float Speed = 0;
  float Bonus = 0;
  std::string ItemName;
  std::array<ImportedGem, ui::kGemsPerItem> Gems;
};

using ImportedItemTable = std::array<ImportedItem, ui::kItemCount>;

// The line that last set the values the transfer checks against the window's lists, so that a
// value it must skip can be reported by its line (0: no line set it).
struct GemSourceLines {
  int amount_code = 0;
  int gem_id = 0;
};
using ImportSourceLines = std::array<std::array<GemSourceLines, ui::kGemsPerItem>, ui::kItemCount>;

}  // namespace gw
