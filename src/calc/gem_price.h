// A gem's price in gold, in single precision rounded after each step, and its coin text.
#pragma once

#include <optional>
#include <string>

#include "data/reference_tables.h"

namespace gw {

// UnitCount x UnitPrice, plus 0.004 gold per CostUnitsA and 0.006 per CostUnitsB, rounded to
// single precision after each step. Nothing when the price is beyond single precision, which
// only data files with absurd prices can cause.
std::optional<float> GemPrice(const GemLevel& level, const GemAmount& amount);

// "1g 50s 0c". The coins are whole numbers held in double precision, so no price a table can give
// overflows them.
std::string CoinText(float price);

// What a price beyond single precision shows.
inline constexpr const char* kUnknownPrice = "??g ??s ??c";

}  // namespace gw
