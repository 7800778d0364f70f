#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "calc/calculator.h"
#include "calc/cap_rule.h"
#include "common/convert.h"
#include "common/error.h"

namespace gw {

namespace {

// The value a caption holds after `sum` is written into it as text and read back: the sum
// rounded to the 15 significant digits the text keeps. Whole sums keep every digit.
double AsCaptionValue(double sum) {
  if (sum == std::trunc(sum) && std::fabs(sum) < 1e15) return sum;
  return ParseNumber(NumberToText(sum));
}

}  // namespace

void Calculator::DisplayTotal() {
  if (totals_deferred_) return;
  // Every label starts from "0"; the running sums are kept as the values their captions would
  // read back, so the result is exactly that of adding caption by caption. By gem type and row.
  std::array<std::array<double, ui::kMaxPanelRows>, ui::kGemTypes.size()> total{};
  const bool equipped_only = w_.mnuEquippedOnly.Checked();
  for (int k = 0; k < ui::kGemSlotCount; ++k) {
    if (equipped_only && !w_.chkEquip[ui::ItemOfSlot(k)].Value()) continue;
    const int type = w_.cboType[k].ListIndex();
    if (type == -1) continue;
    const ui::ComboBox& amount_box = w_.cboAmount[k];
    const double amount = ParseNumber(amount_box.Text());
    if (amount_box.ListIndex() == -1) {
      // A typed amount counts unless it reads as 0 or rounds to -1; one beyond the 16-bit range
      // counts with its value.
      if (amount == 0) continue;
      const double rounded = std::nearbyint(amount);
      if (rounded == -1) continue;
    }
    const int effect = w_.cboEffect[k].ListIndex();
    if (effect == -1 || type == ui::kUnused) continue;
    // The effect lists hold exactly one entry per panel row, so this only guards the invariant.
    if (effect >= ui::EffectCount(type)) {
      throw RuntimeError(
          ErrorKind::IndexOutOfRange,
          w_.cboEffect[k].name() + ": effect " + std::to_string(effect) + " has no value label");
    }
    double& sum = total[static_cast<size_t>(type)][static_cast<size_t>(effect)];
    sum = AsCaptionValue(sum + amount);
  }

  const bool distance = w_.optCap.Value();
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    const ui::Panel& panel = ui::kPanels[p];
    const ui::MainWindow::PanelControls<false> controls = w_.Panel(p);
    for (size_t row = 0; row < panel.rows.size(); ++row) {
      TotalAgainstCap shown =
          ReadAgainstCap(panel.rows[row], total[static_cast<size_t>(panel.type)][row],
                         CapOf(controls.texts[row].Text()), distance);
      ui::Label& value = controls.values[row];
      value.SetCaption(std::move(shown.caption));
      value.SetForeColor(shown.fore_color);
      value.SetSpoken(std::move(shown.spoken_name), std::move(shown.description));
    }
  }
}

}  // namespace gw
