#include "ui/shopping_window.h"

namespace gw::ui {

ShoppingListWindow::ShoppingListWindow() : Window("frmShopping", "Shopping List", 7560, 5250) {
  Add(lstGems, "lstGems", nullptr, {120, 120, 7320, 4440}).accessible_name = "Gems to make";
  lstGems.font_family = "Lucida Console";
  lstGems.font_points = 9;
  Add(cmdCopy, "cmdCopy", nullptr, {4800, 4725, 1200, 375}).caption = "&Copy";
  Add(cmdClose, "cmdClose", nullptr, {6240, 4725, 1200, 375}).caption = "Close";
}

}  // namespace gw::ui
