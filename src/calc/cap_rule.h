// A total read against the player's cap for it: what its label shows in either display mode, the
// colour at or over the cap, and what a screen reader says. Everything here is the rule; a view
// only paints and speaks what it decides.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/controls.h"

namespace gw {

// What a cap box holds: a whole number of up to four digits (0 to 9999), or nothing.
bool IsCapText(std::string_view text);
// The cap such a text sets; 0, an empty box or any other text is no cap.
int CapOf(std::string_view text);

struct TotalAgainstCap {
  std::string caption;                  // the total, or with a cap shown as distance: cap - total
  std::optional<ui::Color> fore_color;  // green at the cap, red over it
  std::string spoken_name;              // empty: the label's own name and caption
  std::string description;              // "at cap", "over cap by 13", or empty
};

// `row` names the total ("STR"); `cap` 0 is no cap. With `distance`, a capped row shows what is
// missing ("13"; "0" at the cap, "-4" over it) and a row without a cap shows nothing.
TotalAgainstCap ReadAgainstCap(std::string_view row, double total, int cap, bool distance);

}  // namespace gw
