#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/calculator.h"
#include "calc/effect_list.h"
#include "common/convert.h"
#include "common/error.h"

namespace gw {

namespace {

// The 53 value labels in panel order: stats, resists, hits, power, focus, skills.
constexpr int kStatFirst = 0;
constexpr int kResistFirst = 8;
constexpr int kHits = 17;
constexpr int kPower = 18;
constexpr int kFocusFirst = 19;
constexpr int kSkillFirst = 27;

// Where a gem of a type and effect is counted; -1 for "Unused".
int TargetLabel(int type, int effect) {
  switch (type) {
    case ui::kStat:
      return kStatFirst + effect;
    case ui::kResist:
      return kResistFirst + effect;
    case ui::kHits:
      return kHits;
    case ui::kPower:
      return kPower;
    case ui::kFocus:
      return kFocusFirst + effect;
    case ui::kSkill:
      return kSkillFirst + effect;
    default:
      return -1;
  }
}

// The value a caption holds after `sum` is written into it as text and read back: the sum
// rounded to the 15 significant digits the text keeps. Whole sums keep every digit.
double AsCaptionValue(double sum) {
  if (sum == std::trunc(sum) && std::fabs(sum) < 1e15) return sum;
  return ParseNumber(NumberToText(sum));
}

}  // namespace

double Calculator::AmountValue(int slot, std::string_view text) {
  ReadAmount& read = amounts_read_[static_cast<size_t>(slot)];
  if (!read.read || read.text != text) {
    read.value = ParseNumber(text);
    read.text = text;
    read.read = true;
  }
  return read.value;
}

const std::string& Calculator::TotalText(size_t label, double total) {
  TotalShown& shown = totals_shown_[label];
  // Bit for bit: the same value always has the same text.
  if (!shown.shown || std::bit_cast<uint64_t>(shown.total) != std::bit_cast<uint64_t>(total)) {
    shown.text = NumberToText(total);
    shown.total = total;
    shown.shown = true;
  }
  return shown.text;
}

void Calculator::DisplayTotal() {
  // Every label starts from "0"; the running sums are kept as the values their captions would
  // read back, so the result is exactly that of adding caption by caption.
  std::array<double, kValueLabels> total{};
  for (int k = 0; k < ui::kGemSlotCount; ++k) {
    const int type = w_.cboType[k].ListIndex();
    if (type == -1) continue;
    const int effect = w_.cboEffect[k].ListIndex();
    if (effect == -1) continue;
    const int label = TargetLabel(type, effect);
    if (label == -1) continue;
    const ui::ComboBox& amount_box = w_.cboAmount[k];
    const double amount = AmountValue(k, amount_box.TextView());
    if (amount_box.ListIndex() == -1) {
      // A typed amount counts unless it reads as 0 or rounds to -1; one beyond the 16-bit range
      // counts with its value.
      if (amount == 0) continue;
      const double rounded = std::nearbyint(amount);
      if (rounded == -1) continue;
    }
    // The effect lists hold exactly one entry per panel row, so this only guards the invariant.
    if (effect >= EffectCount(type)) {
      throw RuntimeError(
          ErrorKind::IndexOutOfRange,
          w_.cboEffect[k].name() + ": effect " + std::to_string(effect) + " has no value label");
    }
    total[static_cast<size_t>(label)] = AsCaptionValue(total[static_cast<size_t>(label)] + amount);
  }

  auto show = [&](ui::Label& label, int index) {
    const std::string& text =
        TotalText(static_cast<size_t>(index), total[static_cast<size_t>(index)]);
    if (label.Caption() != text) label.SetCaption(text);
  };
  for (int i = 0; i < 8; ++i)
    show(w_.lblStatVal[i], kStatFirst + i);
  for (int i = 0; i < 9; ++i)
    show(w_.lblResVal[i], kResistFirst + i);
  show(w_.lblHitsVal, kHits);
  show(w_.lblPowVal, kPower);
  for (int i = 0; i < 8; ++i)
    show(w_.lblFocusVal[i], kFocusFirst + i);
  for (int i = 0; i < 26; ++i)
    show(w_.lblSkillVal[i], kSkillFirst + i);
}

}  // namespace gw
