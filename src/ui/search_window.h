// The item search window "frmItemSearch" as a logical model. Its type, effect and value arrays
// share their names with the main window's gem arrays but are its own four rows.
#pragma once

#include <array>

#include "ui/window.h"

namespace gw::ui {

class ItemSearchWindow : public Window {
 public:
  ItemSearchWindow();

  static constexpr int kRows = 4;
  static constexpr Color kResultBlue = 0x0000C0;
  // The largest amount a row's value box takes.
  static constexpr int kMaxValue = 9999;

  ComboBox cboItem;
  CommandButton cmdSearch, cmdClose;
  std::array<ComboBox, kRows> cboType, cboEffect;
  std::array<TextBox, kRows> txtValue;
  ListBox lstItems;
  // Captions: of the kind, over the rows' three columns, over the results and their columns, and
  // under them what the search found or could not read.
  Label lblKind, lblType, lblEffect, lblValue, lblFound, lblHeadings, lblStatus;
};

}  // namespace gw::ui
