#include "ui/control.h"

#include <utility>

namespace gw::ui {

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void Control::Place(std::string name, Control* container, Rect rect, int page) {
  name_ = std::move(name);
  container_ = container;
  rect_ = rect;
  page_ = page;
}

}  // namespace gw::ui
