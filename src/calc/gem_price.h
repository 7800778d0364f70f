// A gem's price in gold, in single precision rounded after each step, and its coin text; the
// sum of the coin texts an item's gems show.
#pragma once

#include <optional>
#include <span>
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

// The sum of the prices that coin texts show ("1g 50s 0c", or " 0g 0s 0c" with its leading
// blank), added coin by coin in copper, so that it is what a player adds up from the texts
// themselves; the same form, without a leading blank. The gold is added digit by digit, so no
// number of gold pieces overflows. Nothing when a text shows no price (kUnknownPrice): a sum that
// left it out would look like a price and be too low.
std::optional<std::string> SumOfCoinTexts(std::span<const std::string> texts);

}  // namespace gw
