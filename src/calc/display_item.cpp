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

void Calculator::ShowFit(int iItem, const FitFacts& fit) {
  using Kind = FitFacts::Kind;
  ui::Label& points = w_.lblImbPoint[iItem];
  ui::Label& overcharge = w_.lblOverc[iItem];
  points.SetToolTip(ExplainImbuePoints(fit));
  overcharge.SetToolTip(ExplainOvercharge(fit, const_));
  const bool unknown = fit.kind == Kind::kUnknownCapacity || fit.unknown_gem != 0;
  if (!unknown && fit.over == 0) {  // most items: nothing to warn of
    points.SetForeColor(std::nullopt);
    points.SetSpoken({}, {});
    overcharge.SetForeColor(std::nullopt);
    overcharge.SetSpoken({}, {});
    w_.SSTab1.SetMark(iItem, {});
    return;
  }
  const std::string by = std::to_string(fit.over) + (fit.over == 1 ? " point" : " points");
  const bool impossible = fit.over > 5;
  ui::TabMark mark;
  std::string said;
  if (fit.unknown_gem != 0) {
    said = "imbue points unknown";
    mark = {
        ui::TabMark::Shape::Ring, ui::MainWindow::kWarningAmber,
        said + ": no crafted gem of the amount typed in Gem " + std::to_string(fit.unknown_gem)};
  } else if (unknown) {
    said = "capacity unknown";
    mark = {ui::TabMark::Shape::Ring, ui::MainWindow::kWarningAmber,
            said + ": no capacity for item level " + std::string(fit.level)};
  } else if (impossible) {
    said = "over capacity by " + by;
    mark = {ui::TabMark::Shape::Cross, ui::MainWindow::kWarningRed, "impossible: " + said};
  } else {
    said = "over capacity by " + by;
    mark = {ui::TabMark::Shape::Triangle, ui::MainWindow::kWarningAmber,
            said + ": can be made, with an overcharge"};
  }
  // An item not compared with a capacity shows no points to colour; its tab still warns.
  points.SetForeColor(!fit.compared() ? std::nullopt
                      : unknown       ? std::optional(ui::MainWindow::kWarningAmber)
                                      : std::optional(ui::MainWindow::kWarningRed));
  points.SetSpoken({}, fit.compared() ? std::move(said) : std::string());
  overcharge.SetForeColor(impossible ? std::optional(ui::MainWindow::kWarningRed) : std::nullopt);
  overcharge.SetSpoken({}, impossible ? "impossible" : "");
  w_.SSTab1.SetMark(iItem, std::move(mark));
}

void Calculator::DisplayItem(int iItem) {
  const int k = iItem;
  using Kind = FitFacts::Kind;
  FitFacts fit;

  // The first gem holding the highest value counts in full, the other three at half. A gem of an
  // amount no crafted gem has has no points, and the item's sum is unknown.
  std::array<float, ui::kGemsPerItem> value{};
  std::array<bool, ui::kGemsPerItem> unknown{};
  float best = -99;
  int full = 0;
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    const int slot = ui::GemSlot(k, g);
    if (NoGemOfAmount(slot)) {
      unknown[g] = true;
      if (fit.unknown_gem == 0) fit.unknown_gem = g + 1;
      continue;
    }
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
    ui::Label& label = w_.lblGemPoint[ui::GemSlot(k, g)];
    if (unknown[g]) {
      label.SetCaption("??");
      label.SetToolTip(kNoGemOfAmountExplained);
      continue;
    }
    const float points = g == full ? value[g] : value[g] / 2;
    label.SetCaption(NumberToText(points));
    label.SetToolTip(g == full ? kGemPointsFull : kGemPointsHalf);
    sum += points;
  }

  const int quality = w_.cboItmQual[k].ListIndex();
  // The item level as the capacity lookup reads it; nothing when the text does not fit 16 bits.
  const std::optional<int16_t> level = TryToInt16(ParseNumber(w_.txtItmlevel[k].Text()));
  fit.level = Trim(w_.txtItmlevel[k].Text());
  const std::string quality_text = w_.cboItmQual[k].Text();
  fit.quality = quality_text;
  fit.kind = !w_.optCraft[k].Value()                           ? Kind::kDropped
             : quality == -1                                   ? Kind::kNoQuality
             : level == 0                                      ? Kind::kNoLevel
             : level && *level >= 1 && *level <= kMaxItemLevel ? Kind::kCompared
                                                               : Kind::kUnknownCapacity;
  const bool known_sum = fit.unknown_gem == 0;
  float overcharge = 0;
  if (!fit.compared()) {
    w_.lblImbPoint[k].SetCaption(kNoImbuePoints);
  } else {
    // Without a capacity row for the level, or a gem's points, what is known is shown.
    if (fit.kind == Kind::kCompared) fit.capacity = ref_.ImbuePointTable(*level, quality);
    w_.lblImbPoint[k].SetCaption(
        "Imbue Points: " + (known_sum ? FormatNumber(sum, "#0.0") : "??") + " / " +
        (fit.kind == Kind::kCompared ? FormatNumber(fit.capacity, "##") : "??"));
    if (fit.kind == Kind::kCompared && known_sum) {
      overcharge = std::max(std::floor(sum - static_cast<float>(fit.capacity)), 0.0f);
      fit.over = static_cast<int>(overcharge);
      if (overcharge > 5) overcharge = kImpossible;
    }
  }

  if (fit.compared() && !known_sum) {
    w_.lblOverc[k].SetCaption("Overcharge: ??");
  } else if (overcharge == kImpossible) {
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
    fit.score_unknown = !score;
    w_.lblOverc[k].SetCaption("Overcharge: " + (score ? FormatNumber(*score, "###.#") : "??"));
  }
  ShowFit(k, fit);

  DisplayTotal();
}

}  // namespace gw
