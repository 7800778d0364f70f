#include "calc/gem_price.h"

#include <cmath>

#include "common/convert.h"

namespace gw {

std::optional<float> GemPrice(const GemLevel& level, const GemAmount& amount) {
  std::optional<float> p = TryToSingle(static_cast<double>(level.UnitCount) * level.UnitPrice);
  if (p) p = TryToSingle(static_cast<double>(*p) + amount.CostUnitsA * 0.004);
  if (p) p = TryToSingle(static_cast<double>(*p) + amount.CostUnitsB * 0.006);
  return p;
}

std::string CoinText(float price) {
  // Each step in double precision from the single-precision price; the copper comes from the
  // price in silver less the whole silver, which is what makes 0.57 gold read "56s 99c".
  const double p = price;
  const double gold = std::floor(p);
  const double silver = std::floor((p - gold) * 100);
  const double whole_silver = gold * 100 + silver;
  const double copper = std::floor((p * 100 - whole_silver) * 100);
  return FormatNumber(gold, "#0") + "g " + FormatNumber(silver, "#0") + "s " +
         FormatNumber(copper, "#0") + "c";
}

}  // namespace gw
