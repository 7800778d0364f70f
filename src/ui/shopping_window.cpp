#include "ui/shopping_window.h"

namespace gw::ui {

ShoppingListWindow::ShoppingListWindow() : Window("frmShopping", "Shopping List", 7560, 5250) {
  Add(lstGems, "lstGems", nullptr, {120, 120, 7320, 3840}).accessible_name = "Gems to make";
  lstGems.font_family = "Lucida Console";
  lstGems.font_points = 9;
  // Below the list, so that the total shows however long the list is.
  Add(lblTotal, "lblTotal", nullptr, {120, 4050, 7320, 255}).accessible_name = "Total cost";
  Add(lblNote, "lblNote", nullptr, {120, 4350, 7320, 255});
  Add(cmdCopy, "cmdCopy", nullptr, {4800, 4725, 1200, 375}).caption = "&Copy";
  Add(cmdClose, "cmdClose", nullptr, {6240, 4725, 1200, 375}).caption = "Close";
}

}  // namespace gw::ui
