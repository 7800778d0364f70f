// The one place that decides what an item set keeps of a plan: the text about to be written is
// opened in one scratch copy of the window, exactly as File, "Open..." would open it, the plan is
// restored into another, and the two are compared control for control and caption for caption.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/constant_tables.h"
#include "data/reference_tables.h"
#include "plan/plan.h"

namespace gw {

// Something that would come back differently: where, what it is, and the two texts.
struct RoundTripDifference {
  int item = kTotals;  // an item, or one of these two
  static constexpr int kTotals = -1;
  static constexpr int kCharacter = -2;
  std::string what;
  std::string control;  // its name, "cboType(5)"
  std::string now;
  std::string after;
};

// Both copies start as a fresh window does, have every tab shown and so every item freshly
// evaluated; the character (the crafter level among it) is the plan's in one and the file's in
// the other. Where the player left an item or a gem slot as the
// program started it, nothing was planned, so its lists are not compared (an import chooses
// their first entries), and a slot marked "Unused" has no amount or effect to compare; every
// caption always is.
std::vector<RoundTripDifference> CompareRoundTrip(std::string_view text, const Plan& plan,
                                                  const ReferenceTables& tables,
                                                  const ConstantTables& constants);

// The first `shown` of them, one line each, and how many more.
std::string DescribeDifferences(const std::vector<RoundTripDifference>& differences,
                                size_t shown = 20);

}  // namespace gw
