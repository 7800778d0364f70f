#include "calc/gem_price.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/convert.h"

namespace gw {

namespace {

// The digits at the start of `text`, which are taken off it; nothing when there are none.
std::optional<std::string_view> TakeDigits(std::string_view& text) {
  size_t n = 0;
  while (n < text.size() && text[n] >= '0' && text[n] <= '9')
    ++n;
  if (n == 0) return std::nullopt;
  const std::string_view digits = text.substr(0, n);
  text.remove_prefix(n);
  return digits;
}

// One or two digits of silver or copper, 0..99; nothing for anything longer.
std::optional<int> TakeCoins(std::string_view& text) {
  const std::optional<std::string_view> digits = TakeDigits(text);
  if (!digits || digits->size() > 2) return std::nullopt;
  int n = 0;
  for (char d : *digits)
    n = n * 10 + (d - '0');
  return n;
}

bool Take(std::string_view& text, std::string_view word) {
  if (!text.starts_with(word)) return false;
  text.remove_prefix(word.size());
  return true;
}

// Two whole numbers written in decimal digits, added; the result has no leading zeros.
std::string AddDigits(std::string_view a, std::string_view b) {
  std::string sum;  // lowest digit first
  int carry = 0;
  for (size_t i = 0; i < a.size() || i < b.size() || carry != 0; ++i) {
    int d = carry;
    if (i < a.size()) d += a[a.size() - 1 - i] - '0';
    if (i < b.size()) d += b[b.size() - 1 - i] - '0';
    sum += static_cast<char>('0' + d % 10);
    carry = d / 10;
  }
  while (sum.size() > 1 && sum.back() == '0')
    sum.pop_back();
  std::reverse(sum.begin(), sum.end());
  return sum.empty() ? "0" : sum;
}

// The gold of a few prices, added. Up to 15 digits each they add as a number; a longer one (a
// single-precision price may have 39 digits of gold) is added digit by digit.
std::string AddGold(const std::vector<std::string_view>& golds, int carried) {
  const bool small =
      std::all_of(golds.begin(), golds.end(), [](std::string_view g) { return g.size() <= 15; });
  if (small) {
    uint64_t sum = static_cast<uint64_t>(carried);
    for (std::string_view g : golds) {
      uint64_t value = 0;
      for (const char c : g)
        value = value * 10 + static_cast<uint64_t>(c - '0');
      sum += value;
    }
    return std::to_string(sum);
  }
  std::string sum = std::to_string(carried);
  for (std::string_view g : golds)
    sum = AddDigits(sum, g);
  return sum;
}

}  // namespace

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

std::optional<std::string> SumOfCoinTexts(std::span<const std::string> texts) {
  std::vector<std::string_view> golds;
  int copper = 0;  // silver and copper, in copper
  for (std::string_view text : texts) {
    Take(text, " ");
    const std::optional<std::string_view> g = TakeDigits(text);
    if (!g || !Take(text, "g ")) return std::nullopt;
    const std::optional<int> s = TakeCoins(text);
    if (!s || !Take(text, "s ")) return std::nullopt;
    const std::optional<int> c = TakeCoins(text);
    if (!c || !Take(text, "c") || !text.empty()) return std::nullopt;
    copper += *s * 100 + *c;
    golds.push_back(*g);
  }
  const std::string gold = AddGold(golds, copper / 10000);
  copper %= 10000;
  return gold + "g " + std::to_string(copper / 100) + "s " + std::to_string(copper % 100) + "c";
}

}  // namespace gw
