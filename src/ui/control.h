// The base of every logical control: its name as the program knows it, its container, its
// place in twips, and the hook through which a view learns that it changed.
#pragma once

#include <cstdint>
#include <string>

namespace gw::ui {

// Left, top, width and height in twips (1/1440 inch; 15 twips to a pixel at 96 dpi), relative
// to the container's top-left corner or to the window's client area.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class ControlKind {
  Label,
  TextBox,
  ComboBox,
  OptionButton,
  CheckBox,
  CommandButton,
  Frame,
  PictureBox,
  VScrollBar,
  TabContainer,
  ListBox,
  MenuItem,
};

// Whoever renders a control implements this; the model calls it after every change of state
// that the control shows.
class ViewHook {
 public:
  virtual ~ViewHook() = default;
  virtual void ModelChanged() = 0;
};

class Control {
 public:
  explicit Control(ControlKind kind) : kind_(kind) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind kind() const { return kind_; }
  // "cboType(5)", "lblHitsVal".
  const std::string& name() const { return name_; }
  // The frame, picture box, tab container or menu that holds it; nullptr for the window itself.
  Control* container() const { return container_; }
  // The tab page of its container when that is a tab container, otherwise -1.
  int page() const { return page_; }
  const Rect& rect() const { return rect_; }

  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // What a screen reader calls the control, made from the caption beside it ("Gem 2 effect");
  // empty where the control's own caption says it.
  std::string accessible_name;

  ViewHook* view() const { return view_; }
  void SetView(ViewHook* view) { view_ = view; }

  // Called once by the window that owns the control.
  void Place(std::string name, Control* container, Rect rect, int page = -1);

 protected:
  void Changed() {
    if (view_ != nullptr) view_->ModelChanged();
  }

 private:
  ControlKind kind_;
  std::string name_;
  Control* container_ = nullptr;
  int page_ = -1;
  Rect rect_;
  bool enabled_ = true;
  ViewHook* view_ = nullptr;
};

}  // namespace gw::ui
