// A small modal window that asks the player to pick one entry of a list: a question above a
// drop-down list, "OK" and "Cancel".
#pragma once

#include <string>

#include "ui/window.h"

namespace gw::ui {

class ChoiceWindow : public Window {
 public:
  ChoiceWindow(std::string caption, std::string question);

  Label lblQuestion;
  ComboBox cboChoice;
  CommandButton cmdOK, cmdCancel;
};

}  // namespace gw::ui
