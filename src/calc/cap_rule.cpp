#include "calc/cap_rule.h"

#include <algorithm>

#include "common/convert.h"
#include "ui/main_window.h"

namespace gw {

bool IsCapText(std::string_view text) {
  return text.size() <= static_cast<size_t>(ui::MainWindow::kCapDigits) &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int CapOf(std::string_view text) {
  if (!IsCapText(text)) return 0;
  int cap = 0;
  for (const char c : text)
    cap = cap * 10 + (c - '0');
  return cap;
}

TotalAgainstCap ReadAgainstCap(std::string_view row, double total, int cap, bool distance) {
  TotalAgainstCap shown;
  if (cap <= 0) {  // most rows: the total, or nothing to show and "no cap" to say
    if (distance) {
      shown.spoken_name = std::string(row) + ", no cap";
    } else {
      shown.caption = NumberToText(total);
    }
    return shown;
  }
  const std::string total_text = NumberToText(total);
  shown.caption = distance ? NumberToText(cap - total) : total_text;
  std::string state;
  if (total == cap) {
    shown.fore_color = ui::MainWindow::kAtCapGreen;
    shown.description = state = "at cap";
  } else if (total > cap) {
    const std::string over = NumberToText(total - cap);
    shown.fore_color = ui::MainWindow::kOverCapRed;
    shown.description = "over cap by " + over;
    state = "over by " + over;
  } else {
    state = NumberToText(cap - total) + " to go";
  }
  shown.spoken_name =
      std::string(row) + " " + total_text + ", cap " + std::to_string(cap) + ", " + state;
  return shown;
}

}  // namespace gw
