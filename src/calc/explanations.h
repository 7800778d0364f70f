// What the captions of the item frames and the character panels mean, in the plain words their
// tooltips show. The explanation of a result lives beside the rules that compute it: the fixed
// ones are given once to a new window, the ones that depend on the item as it is evaluated.
#pragma once

#include <string>
#include <string_view>

#include "data/constant_tables.h"
#include "data/reference_tables.h"
#include "ui/main_window.h"

namespace gw {

// Gives every caption and result label of the item frames, the character panels and the
// crafter's frame its fixed tooltip.
void ExplainCaptions(ui::MainWindow& window, const ConstantTables& constants);

// A gem's points: the item's strongest gem counts in full, the others at half.
inline constexpr std::string_view kGemPointsFull =
    "This gem's imbue points, counted in full: it is the item's strongest gem. The other gems "
    "count at half.";
inline constexpr std::string_view kGemPointsHalf =
    "This gem's imbue points, counted at half: only the item's strongest gem counts in full.";
// A crafted gem typed with an amount no gem level gives.
inline constexpr std::string_view kNoGemOfAmountExplained =
    "No crafted gem has the amount typed, so it has no points, price or name. Choose an amount "
    "from the list.";
inline constexpr std::string_view kGemCostExplained =
    "What this gem costs to make, in gold, silver and copper. A dropped item's gems were not "
    "made here and cost nothing.";
inline constexpr std::string_view kGemNameExplained =
    "The gem to make: the name of its level followed by that of its effect.";

// How an item's imbue points compare with its capacity, as the item evaluation found it.
struct FitFacts {
  enum class Kind { kDropped, kNoQuality, kNoLevel, kCompared, kUnknownCapacity };
  Kind kind = Kind::kDropped;
  int capacity = 0;             // kCompared
  int over = 0;                 // whole points over the capacity
  std::string_view level = {};  // the item level as typed
  std::string_view quality = {};
  int unknown_gem = 0;         // the first gem of an amount no crafted gem has, 1..4; 0: none
  bool score_unknown = false;  // the crafter level is beyond single precision
  // Compared with a capacity, known or not.
  bool compared() const { return kind == Kind::kCompared || kind == Kind::kUnknownCapacity; }
};

// The tooltips of an item's imbue points and of its overcharge.
std::string ExplainImbuePoints(const FitFacts& fit);
std::string ExplainOvercharge(const FitFacts& fit, const ConstantTables& constants);

}  // namespace gw
