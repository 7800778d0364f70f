#include "ui/controls.h"

#include <algorithm>
#include <utility>

#include "common/error.h"

namespace gw::ui {

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed();
}

void Label::SetForeColor(std::optional<Color> color) {
  if (color == fore_color_) return;
  fore_color_ = color;
  Changed();
}

void Label::SetSpoken(std::string name, std::string description) {
  if (name == spoken_name_ && description == description_) return;
  spoken_name_ = std::move(name);
  description_ = std::move(description);
  Changed();
}

void Label::SetToolTip(std::string_view text) {
  if (text == tool_tip_) return;  // most evaluations leave it as it is: no copy
  tool_tip_ = text;
  Changed();
}

int TextBox::MaxDigits() const {
  return max_number ? static_cast<int>(std::to_string(*max_number).size()) : 0;
}

bool TextBox::Accepts(std::string_view text) const {
  if (!max_number) return true;
  if (text.size() > static_cast<size_t>(MaxDigits()) ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  int value = 0;
  for (const char c : text)
    value = value * 10 + (c - '0');
  return value <= *max_number;
}

void TextBox::SetText(std::string text) {
  committed_ = text;
  if (text == text_) return;
  text_ = std::move(text);
  Changed();
}

void TextBox::UserTyped(std::string text) {
  if (text == text_) return;
  if (!Accepts(text)) {
    Changed();  // the view shows the text kept again
    return;
  }
  text_ = std::move(text);
  Changed();
}

void TextBox::UserCommit() {
  if (!HasUncommittedTyping()) return;
  committed_ = text_;
  if (Commit) Commit();
}

void ComboBox::Clear() {
  items_.clear();
  list_index_ = -1;
  edit_text_.clear();
  Settle();
  ++list_version_;
  Changed();
}

void ComboBox::AddItem(std::string text) {
  items_.push_back(std::move(text));
  ++list_version_;
  Changed();
}

const std::string& ComboBox::List(int index) const {
  if (index < 0 || index >= ListCount()) {
    throw RuntimeError(ErrorKind::InvalidArgument,
                       name() + ": entry " + std::to_string(index) + " does not exist");
  }
  return items_[static_cast<size_t>(index)];
}

void ComboBox::SetListIndex(int index) {
  if (index < 0 || index >= ListCount()) {
    throw RuntimeError(ErrorKind::InvalidArgument, name() + ": cannot choose entry " +
                                                       std::to_string(index) + " of " +
                                                       std::to_string(ListCount()));
  }
  list_index_ = index;
  if (style == ComboStyle::Editable) edit_text_ = items_[static_cast<size_t>(index)];
  Settle();
  Changed();
  if (Click) Click();
}

void ComboBox::Deselect() {
  if (list_index_ == -1) return;
  list_index_ = -1;
  Settle();
  Changed();
}

void ComboBox::Settle() {
  committed_text_ = edit_text_;
  committed_index_ = list_index_;
}

std::string ComboBox::Text() const {
  if (style == ComboStyle::Editable) return edit_text_;
  return list_index_ < 0 ? std::string() : items_[static_cast<size_t>(list_index_)];
}

void ComboBox::SetText(std::string text) {
  if (style != ComboStyle::Editable) {
    throw RuntimeError(ErrorKind::InvalidArgument, name() + ": the text of a list is read-only");
  }
  list_index_ = -1;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == text) {
      list_index_ = static_cast<int>(i);
      break;
    }
  }
  edit_text_ = std::move(text);
  Settle();
  Changed();
}

void ComboBox::UserTyped(std::string text) {
  if (style != ComboStyle::Editable) return;
  list_index_ = -1;
  edit_text_ = std::move(text);
  Changed();
}

void ComboBox::SetTypedText(std::string text) {
  if (style != ComboStyle::Editable) return;
  UserTyped(std::move(text));
  Settle();
}

void ComboBox::UserCommit() {
  if (style != ComboStyle::Editable || !HasUncommittedTyping()) return;
  Settle();
  if (Commit) Commit();
}

void OptionButton::SetValue(bool value) {
  if (value && group != nullptr) {
    for (OptionButton* other : group->buttons()) {
      if (other != this) other->SetValue(false);
    }
  }
  if (value_ == value) return;
  value_ = value;
  Changed();
}

void OptionButton::UserClick() {
  if (value_ || !enabled()) return;
  SetValue(true);
  if (Click) Click();
}

void CheckBox::SetValue(bool value) {
  if (value_ == value) return;
  value_ = value;
  Changed();
}

void CheckBox::UserSetValue(bool value) {
  if (value_ == value || !enabled()) return;
  SetValue(value);
  if (Click) Click();
}

void CommandButton::Press() {
  if (enabled() && Click) Click();
}

void PictureBox::SetTop(int top) {
  if (Top() == top) return;
  top_ = top;
  Changed();
}

void VScrollBar::SetMax(int max) {
  max_ = max;
  value_ = std::max(min_, std::min(value_, max_));
  Changed();
}

void VScrollBar::SetSmallChange(int step) {
  small_change_ = step;
  Changed();
}

void VScrollBar::SetLargeChange(int step) {
  large_change_ = step;
  Changed();
}

void VScrollBar::SetValue(int value) {
  if (value < min_ || value > max_) {
    throw RuntimeError(ErrorKind::InvalidArgument, name() + ": value " + std::to_string(value) +
                                                       " is outside " + std::to_string(min_) +
                                                       ".." + std::to_string(max_));
  }
  if (value == value_) return;
  value_ = value;
  Changed();
  if (Change) Change();
}

void VScrollBar::UserDrag(int value) {
  value_ = std::max(min_, std::min(value, max_));
  Changed();
  if (Scroll) Scroll();
}

void VScrollBar::UserRelease() {
  if (Change) Change();
}

void TabContainer::SetTab(int tab) {
  if (tab < 0 || tab >= static_cast<int>(captions.size())) {
    throw RuntimeError(ErrorKind::InvalidArgument,
                       name() + ": tab " + std::to_string(tab) + " does not exist");
  }
  if (tab == tab_) return;
  const int previous = tab_;
  tab_ = tab;
  Changed();
  if (Click) Click(static_cast<int16_t>(previous));
}

const TabMark& TabContainer::Mark(int tab) const {
  static const TabMark kNone;
  return tab >= 0 && tab < static_cast<int>(marks_.size()) ? marks_[static_cast<size_t>(tab)]
                                                           : kNone;
}

void TabContainer::SetMark(int tab, TabMark mark) {
  if (tab < 0 || tab >= static_cast<int>(captions.size())) {
    throw RuntimeError(ErrorKind::InvalidArgument,
                       name() + ": tab " + std::to_string(tab) + " does not exist");
  }
  if (Mark(tab) == mark) return;
  if (marks_.size() < captions.size()) marks_.resize(captions.size());
  marks_[static_cast<size_t>(tab)] = std::move(mark);
  Changed();
}

void ListBox::AddItem(std::string text) {
  items_.push_back(std::move(text));
  Changed();
}

void ListBox::Clear() {
  items_.clear();
  list_index_ = -1;
  Changed();
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == list_index_) return;
  list_index_ = index;
  Changed();
}

void ListBox::Activate(int index) {
  SetListIndex(index);
  if (list_index_ != -1 && DblClick) DblClick();
}

void MenuItem::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed();
}

void MenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
}

void MenuItem::Press() {
  if (!enabled()) return;
  if (checkable) SetChecked(!checked_);
  if (Click) Click();
}

void Reveal(const Control& control) {
  const Control* panel = control.container();
  if (panel == nullptr || panel->kind() != ControlKind::PictureBox) return;
  const Control* holder = panel->container();
  if (holder == nullptr || holder->kind() != ControlKind::PictureBox) return;
  const auto& viewport = static_cast<const PictureBox&>(*holder);
  VScrollBar* bar = viewport.scroll_bar;
  if (bar == nullptr) return;
  // In the panel's own coordinates, the viewport shows Value() .. Value() + ScaleHeight().
  // Just enough to show it: its top no higher than the viewport's, its bottom no lower (for a
  // control taller than the viewport, its top wins).
  const int top = control.rect().top;
  const int bottom = top + control.rect().height;
  const int value = std::clamp(bar->Value(), std::min(top, bottom - viewport.ScaleHeight()), top);
  bar->SetValue(std::clamp(value, bar->Min(), bar->Max()));
}

bool OpenFileDialog::ShowOpen() {
  if (!chooser) return false;
  std::optional<std::string> chosen = chooser();
  if (!chosen) return false;
  file_name_ = std::move(*chosen);
  return true;
}

bool OpenFileDialog::ShowSave(const std::string& proposed) {
  if (!save_chooser) return false;
  std::optional<std::string> chosen = save_chooser(proposed);
  if (!chosen) return false;
  file_name_ = std::move(*chosen);
  return true;
}

}  // namespace gw::ui
