// The game data tables read from the five data files at start-up and only read afterwards.
#pragma once

#include <cstdint>
#include <string>

#include "data/bounded_table.h"

namespace gw {

struct GemLevel {
  std::string LevelCode;  // kept, never read
  std::string LevelName;  // first word of a gem's name
  float UnitPrice = 0;    // gold per unit
  uint8_t UnitCount = 0;
};

struct GemAmount {
  uint8_t CostUnitsA = 0;  // 0.004 gold each
  uint8_t CostUnitsB = 0;  // 0.006 gold each
  uint8_t SpareValue = 0;  // kept, never read
  uint8_t Amount = 0;      // the gem's value at this level
};

struct GemEffect {
  std::string EffectName;     // the effect list's entry
  std::string ExtraTextA;     // kept, never read
  std::string ExtraTextB;     // kept, never read
  std::string GemNameSuffix;  // the gem's name after the level name
};

struct GemIdEntry {
  std::string GemId;
  uint8_t EffectIndex = 0;
};

struct GemIdRecord {
  std::string GemId;
  uint8_t GemType = 0;  // the section the identifier stood in
  uint8_t EffectIndex = 0;
};

inline constexpr int kMaxGemType = 6;
inline constexpr int kMaxEffectIndex = 25;
inline constexpr int kMaxItemLevel = 52;
inline constexpr int kMaxQuality = 6;
inline constexpr int kGemLevels = 10;
inline constexpr int kGemIds = 53;

struct ReferenceTables {
  // (item level 0..52, item quality 0..6): imbue points the item can hold.
  Table2D<uint8_t, 0, kMaxItemLevel, 0, kMaxQuality> ImbuePointTable{"ImbuePointTable"};
  // By gem level 1..10.
  Table<GemLevel, 1, kGemLevels> GemLevelTable{"GemLevelTable"};
  // (gem type 0..6, gem level 1..10).
  Table2D<GemAmount, 0, kMaxGemType, 1, kGemLevels> GemAmountTable{"GemAmountTable"};
  // (gem type 0..6, effect index 0..25).
  Table2D<GemEffect, 0, kMaxGemType, 0, kMaxEffectIndex> GemEffectTable{"GemEffectTable"};
  // (gem type 0..6, entry 0..25): the identifier file section by section.
  Table2D<GemIdEntry, 0, kMaxGemType, 0, kMaxEffectIndex> GemIdTable{"GemIdTable"};
  // 1..53: the identifier file in file order across all sections.
  Table<GemIdRecord, 1, kGemIds> GemIdList{"GemIdList"};
};

}  // namespace gw
