#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "calc/calculator.h"
#include "common/convert.h"

namespace gw {

namespace {

constexpr float kImpossible = 99;
// The caption the label is created with. An item that is not compared with a capacity shows it
// again, so that no figure of an earlier evaluation (or an earlier item set) stays behind.
constexpr const char* kNoImbuePoints = "Imbue Points: 00.0 / 00";

}  // namespace

void Calculator::DisplayItem(int iItem) {
  const int k = iItem;

  // The first gem holding the highest value counts in full, the other three at half.
  std::array<float, ui::kGemsPerItem> value{};
  float best = -99;
  int full = 0;
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    const int slot = ui::GemSlot(k, g);
    const int type = w_.cboType[slot].ListIndex();
    const int amount = w_.cboAmount[slot].ListIndex();
    value[g] = (type == -1 || amount == -1) ? 0.0f : ref_.GemAmountTable(type, amount + 1).Amount;
    if (value[g] > best) {
      best = value[g];
      full = g;
    }
  }
  float sum = 0;
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    const float points = g == full ? value[g] : value[g] / 2;
    w_.lblGemPoint[ui::GemSlot(k, g)].SetCaption(NumberToText(points));
    sum += points;
  }

  const int quality = w_.cboItmQual[k].ListIndex();
  // The item level as the capacity lookup reads it; nothing when the text does not fit 16 bits.
  const std::optional<int16_t> level = TryToInt16(ParseNumber(w_.txtItmlevel[k].Text()));
  float overcharge = 0;
  if (w_.optCraft[k].Value() && quality != -1 && level != 0) {
    const std::string points = "Imbue Points: " + FormatNumber(sum, "#0.0") + " / ";
    if (level && *level >= 1 && *level <= kMaxItemLevel) {
      const uint8_t capacity = ref_.ImbuePointTable(*level, quality);
      w_.lblImbPoint[k].SetCaption(points + FormatNumber(capacity, "##"));
      overcharge = std::max(std::floor(sum - static_cast<float>(capacity)), 0.0f);
      if (overcharge > 5) overcharge = kImpossible;
    } else {
      // No capacity row for this level: the points are shown, the capacity is unknown.
      w_.lblImbPoint[k].SetCaption(points + "??");
    }
  } else {
    w_.lblImbPoint[k].SetCaption(kNoImbuePoints);
  }

  if (overcharge == kImpossible) {
    w_.lblOverc[k].SetCaption("Overcharge: IMPOS.");
  } else if (overcharge == 0) {
    w_.lblOverc[k].SetCaption("Overcharge: none");
  } else {
    // Crafter level / 10, plus the quality bonuses, less the penalty of the level; a crafter
    // level beyond single precision leaves the score unknown.
    std::optional<float> score = TryToSingle(ParseNumber(w_.txtCLevel.Text()) / 10);
    if (score) {
      *score += const_.ItemQualityBonus(w_.cboItmQual[k].ListIndex());
      for (int g = 0; g < ui::kGemsPerItem; ++g) {
        *score += const_.GemQualityBonus(w_.cboGemQual[ui::GemSlot(k, g)].ListIndex());
      }
      *score -= const_.OverchargePenalty(static_cast<int>(overcharge));
    }
    w_.lblOverc[k].SetCaption("Overcharge: " + (score ? FormatNumber(*score, "###.#") : "??"));
  }

  DisplayTotal();
}

}  // namespace gw
