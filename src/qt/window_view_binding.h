// A logical control's link to the widget that shows it; shared by the two halves of the
// renderer (window_view.cpp and control_widgets.cpp), and by nothing else.
#pragma once

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <cstdint>
#include <limits>

#include "qt/window_view.h"

namespace gw::qt {

struct WindowView::Binding : ui::ViewHook {
  WindowView* view = nullptr;
  ui::Control* control = nullptr;
  QWidget* widget = nullptr;  // the control's own widget
  QWidget* inner = nullptr;   // where the controls it holds go
  TabStrip* tabs = nullptr;
  QMenu* menu = nullptr;
  QAction* action = nullptr;
  uint64_t list_version = std::numeric_limits<uint64_t>::max();
  bool dirty = false;
  // True while an editable combo box commits what was typed into it (focus leaving it, Enter):
  // Qt then selects an equal entry and reports it as activated, but typing is no choice.
  bool committing_typed_text = false;

  void ModelChanged() override {
    if (dirty || (widget == nullptr && action == nullptr)) return;  // unbuilt: read when built
    dirty = true;
    view->dirty_.push_back(this);
  }
};

// The control as what its kind says it is.
template <class C>
C& As(ui::Control* control) {
  return *static_cast<C*>(control);
}

}  // namespace gw::qt
