#include "calc/explanations.h"

#include <array>

namespace gw {

namespace {

constexpr std::string_view kForReference = ", for your own reference: no figure reads it.";

void ExplainItem(ui::MainWindow& w, int k, const ConstantTables& constants) {
  const std::string table_levels =
      "the capacity table holds levels 1 to " + std::to_string(kMaxItemLevel) + ".";
  w.lblItmQual[k].SetToolTip(
      "The item's quality. With its level it gives the item's imbue-point capacity, and it adds "
      "a bonus to the overcharge score.");
  w.lblItmlevel[k].SetToolTip("The item's level, a whole number from 0 to " +
                              std::to_string(ui::MainWindow::kMaxTypedItemLevel) +
                              ". With its quality it gives the item's imbue-point capacity; " +
                              table_levels);
  w.lblItemName[k].SetToolTip("The item's name" + std::string(kForReference));
  w.lblAF[k].SetToolTip("The item's armour factor or damage per second" +
                        std::string(kForReference));
  w.lblSpeed[k].SetToolTip("The weapon's speed" + std::string(kForReference));
  w.lblBonus[k].SetToolTip("The item's bonus" + std::string(kForReference));
  w.lblUtility[k].SetToolTip(
      "Utility: this version does not compute it; the caption stays as it is.");
  w.lblTotal[k].SetToolTip("Total: this version does not compute it; the caption stays as it is.");
  w.lblItemCost[k].SetToolTip(
      "What this item's gems cost to make: the sum of its four gem costs, in gold, silver and "
      "copper. \"??\" when a gem has no price.");
  // A new item is crafted, with no quality chosen yet.
  const FitFacts start{.kind = FitFacts::Kind::kNoQuality};
  w.lblImbPoint[k].SetToolTip(ExplainImbuePoints(start));
  w.lblOverc[k].SetToolTip(ExplainOvercharge(start, constants));
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    const int slot = ui::GemSlot(k, g);
    w.lblGem[slot].SetToolTip(
        "Gem " + std::to_string(g + 1) +
        ": its type, amount, effect and quality. A crafted item's amount is one of the list's; a "
        "dropped item's may be any number typed.");
    w.lblGemPoint[slot].SetToolTip(kGemPointsHalf);
    w.lblGemCost[slot].SetToolTip(kGemCostExplained);
    w.lblGemName[slot].SetToolTip(kGemNameExplained);
  }
}

void ExplainPanels(ui::MainWindow& w) {
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    const ui::MainWindow::PanelControls<false> panel = w.Panel(p);
    for (size_t row = 0; row < ui::kPanels[p].rows.size(); ++row) {
      const std::string name(ui::kPanels[p].rows[row]);
      panel.captions[row].SetToolTip(
          name + ": the total, your cap in the box beside it, and your " + "priority in the list.");
      panel.values[row].SetToolTip(
          "The sum of every " + name +
          " gem's amount over all items (only the equipped ones while View, \"Count Equipped "
          "Items Only\" is checked). Under \"Distance to Cap\": your cap less that sum. Green "
          "at the cap, red over it.");
    }
  }
}

std::string PointsOver(int over) {
  return std::to_string(over) + (over == 1 ? " point" : " points");
}

}  // namespace

void ExplainCaptions(ui::MainWindow& w, const ConstantTables& constants) {
  for (int k = 0; k < ui::kItemCount; ++k)
    ExplainItem(w, k, constants);
  ExplainPanels(w);
  w.lblCLevel.SetToolTip(
      "The crafter's level: a tenth of it goes into every item's overcharge score.");
}

std::string ExplainImbuePoints(const FitFacts& fit) {
  using Kind = FitFacts::Kind;
  const std::string sum =
      "The sum of the gems' imbue points (the strongest in full, the others at half)";
  switch (fit.kind) {
    case Kind::kDropped:
      return sum + ". A dropped item is not compared with a capacity.";
    case Kind::kNoQuality:
      return sum + ". Choose the item's quality to compare it with the item's capacity.";
    case Kind::kNoLevel:
      return sum + ". Type the item's level to compare it with the item's capacity.";
    case Kind::kUnknownCapacity:
    case Kind::kCompared:
      if (fit.unknown_gem != 0) {
        return "Unknown: no crafted gem has the amount typed in Gem " +
               std::to_string(fit.unknown_gem) + ".";
      }
      if (fit.kind == Kind::kUnknownCapacity) {
        return "No capacity for level " + std::string(fit.level) +
               ": the capacity table holds levels 1 to " + std::to_string(kMaxItemLevel) + ".";
      }
      break;
  }
  return sum + ", against the capacity of a level " + std::string(fit.level) + " item of quality " +
         std::string(fit.quality) + ": " + std::to_string(fit.capacity) +
         ". Up to 5 points over can be made, with an overcharge; more is impossible.";
}

std::string ExplainOvercharge(const FitFacts& fit, const ConstantTables& constants) {
  using Kind = FitFacts::Kind;
  switch (fit.kind) {
    case Kind::kDropped:
    case Kind::kNoQuality:
    case Kind::kNoLevel:
      return "none: only a crafted item with a quality and a level is compared with a capacity.";
    case Kind::kUnknownCapacity:
    case Kind::kCompared:
      if (fit.unknown_gem != 0) return "Unknown while a gem's imbue points are.";
      if (fit.kind == Kind::kUnknownCapacity) {
        return "none is shown, yet the capacity of this level is unknown, and so is the "
               "overcharge.";
      }
      break;
  }
  if (fit.over == 0) return "none: the gems fit the item's capacity.";
  if (fit.over > 5) {
    return "Impossible: the gems are " + PointsOver(fit.over) +
           " over the capacity, and an item can be made at most 5 points over.";
  }
  std::string penalties;
  for (int level = 1; level <= 5; ++level)
    penalties += (level == 1 ? "" : ", ") + std::to_string(constants.OverchargePenalty(level));
  return std::string(fit.score_unknown ? "Unknown: the crafter level is too large. " : "") +
         "The overcharge score of an item " + PointsOver(fit.over) +
         " over its capacity: the crafter level over ten, plus the bonus of the item's quality and "
         "of each gem's quality, less the penalty for the points over (" +
         penalties + " for 1 to 5).";
}

}  // namespace gw
