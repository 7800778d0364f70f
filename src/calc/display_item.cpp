#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "calc/calculator.h"
#include "common/convert.h"
#include "common/text.h"

namespace gw {

namespace {

constexpr float kImpossible = 99;
// The caption the label is created with. An item that is not compared with a capacity shows it
// again, so that no figure of an earlier evaluation (or an earlier item set) stays behind.
constexpr const char* kNoImbuePoints = "Imbue Points: 00.0 / 00";

}  // namespace

void Calculator::ShowFit(int iItem, Fit fit, int over, std::string_view level) {
  ui::Label& points = w_.lblImbPoint[iItem];
  ui::Label& overcharge = w_.lblOverc[iItem];
  if (fit == Fit::kFits || fit == Fit::kNotCompared) {  // most items: nothing to warn of
    points.SetForeColor(std::nullopt);
    points.SetSpoken({}, {});
    overcharge.SetForeColor(std::nullopt);
    overcharge.SetSpoken({}, {});
    w_.SSTab1.SetMark(iItem, {});
    return;
  }
  const std::string by = std::to_string(over) + (over == 1 ? " point" : " points");
  const bool unknown = fit == Fit::kUnknown;
  ui::TabMark mark;
  if (unknown) {
    mark = {ui::TabMark::Shape::Ring, ui::MainWindow::kWarningAmber,
            "capacity unknown: no capacity for item level " + std::string(level)};
  } else if (fit == Fit::kImpossible) {
    mark = {ui::TabMark::Shape::Cross, ui::MainWindow::kWarningRed,
            "impossible: over capacity by " + by};
  } else {
    mark = {ui::TabMark::Shape::Triangle, ui::MainWindow::kWarningAmber,
            "over capacity by " + by + ": can be made, with an overcharge"};
  }
  points.SetForeColor(unknown ? ui::MainWindow::kWarningAmber : ui::MainWindow::kWarningRed);
  points.SetSpoken({}, unknown ? "capacity unknown" : "over capacity by " + by);
  const bool impossible = fit == Fit::kImpossible;
  overcharge.SetForeColor(impossible ? std::optional(ui::MainWindow::kWarningRed) : std::nullopt);
  overcharge.SetSpoken({}, impossible ? "impossible" : "");
  w_.SSTab1.SetMark(iItem, std::move(mark));
}

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
  Fit fit = Fit::kNotCompared;
  int over = 0;  // whole points over the capacity
  if (w_.optCraft[k].Value() && quality != -1 && level != 0) {
    const std::string points = "Imbue Points: " + FormatNumber(sum, "#0.0") + " / ";
    if (level && *level >= 1 && *level <= kMaxItemLevel) {
      const uint8_t capacity = ref_.ImbuePointTable(*level, quality);
      w_.lblImbPoint[k].SetCaption(points + FormatNumber(capacity, "##"));
      overcharge = std::max(std::floor(sum - static_cast<float>(capacity)), 0.0f);
      over = static_cast<int>(overcharge);
      fit = overcharge == 0 ? Fit::kFits : overcharge > 5 ? Fit::kImpossible : Fit::kOver;
      if (overcharge > 5) overcharge = kImpossible;
    } else {
      // No capacity row for this level: the points are shown, the capacity is unknown.
      w_.lblImbPoint[k].SetCaption(points + "??");
      fit = Fit::kUnknown;
    }
  } else {
    w_.lblImbPoint[k].SetCaption(kNoImbuePoints);
  }
  ShowFit(k, fit, over, Trim(w_.txtItmlevel[k].Text()));

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
