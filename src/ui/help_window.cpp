#include "ui/help_window.h"

namespace gw::ui {

HelpWindow::HelpWindow() : Window("frmHelp", "Gemwright Workshop Help", 9600, 7200) {
  Add(lstHelp, "lstHelp", nullptr, {120, 120, 9360, 6360}).accessible_name = "Help";
  lstHelp.word_wrap = true;
  Add(cmdClose, "cmdClose", nullptr, {8280, 6660, 1200, 375}).caption = "Close";
}

}  // namespace gw::ui
