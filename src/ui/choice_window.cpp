#include "ui/choice_window.h"

#include <utility>

namespace gw::ui {

ChoiceWindow::ChoiceWindow(std::string caption, std::string question)
    : Window("frmChoice", std::move(caption), 4800, 1800) {
  Add(lblQuestion, "lblQuestion", nullptr, {240, 240, 4320, 255}).SetCaption(question);
  Add(cboChoice, "cboChoice", nullptr, {240, 600, 4320, 315}).accessible_name = question;
  Add(cmdOK, "cmdOK", nullptr, {2040, 1200, 1200, 375}).caption = "OK";
  Add(cmdCancel, "cmdCancel", nullptr, {3360, 1200, 1200, 375}).caption = "Cancel";
}

}  // namespace gw::ui
