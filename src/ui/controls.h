// The logical controls the two windows are built from, with exactly the event behaviour the
// program relies on: setting a list's choice runs its Click handler at once, nested, to its end.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace gw::ui {

using Handler = std::function<void()>;

// 0xRRGGBB.
using Color = uint32_t;
enum class Alignment { Left, Center, Right };

class Label : public Control {
 public:
  Label() : Control(ControlKind::Label) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // Look, fixed when the window is built.
  std::optional<Color> back_color;
  Alignment alignment = Alignment::Left;

  // The text colour the rules give a result (none: the desktop's), and what a screen reader
  // says of it: a name in place of "accessible name: caption" (empty: that one), and a
  // description ("at cap"). Colour never says anything the description does not.
  const std::optional<Color>& fore_color() const { return fore_color_; }
  const std::string& spoken_name() const { return spoken_name_; }
  const std::string& description() const { return description_; }
  void SetForeColor(std::optional<Color> color);
  void SetSpoken(std::string name, std::string description);

  // What the caption means, in plain words, shown when the pointer rests on it.
  const std::string& tool_tip() const { return tool_tip_; }
  void SetToolTip(std::string_view text);
  // A face of its own (empty: the desktop's), fixed when the window is built: column headings
  // over a fixed-pitch list.
  std::string font_family;
  double font_points = 0;

 private:
  std::string caption_;
  std::optional<Color> fore_color_;
  std::string spoken_name_, description_;
  std::string tool_tip_;
};

class TextBox : public Control {
 public:
  TextBox() : Control(ControlKind::TextBox) {}
  const std::string& Text() const { return text_; }
  // From code: no event, and the text counts as committed.
  void SetText(std::string text);
  // The user typed: no event until the typing is committed.
  void UserTyped(std::string text);
  // The user finished typing (the focus left the box, or Enter): runs Commit when the text
  // differs from the one last committed or set from code.
  void UserCommit();
  // Typing that has not been committed yet.
  bool HasUncommittedTyping() const { return text_ != committed_; }
  Handler Commit;
  // When set, the box takes only a whole number from 0 to `max_number` (or nothing): typing or
  // pasting anything else is refused and the text stays as it was. Text from code is not held to
  // it.
  std::optional<int> max_number;
  bool Accepts(std::string_view text) const;
  // How many digits `max_number` has; 0 without one.
  int MaxDigits() const;

 private:
  std::string text_;
  std::string committed_;
};

enum class ComboStyle { DropDownList, Editable };

class ComboBox : public Control {
 public:
  ComboBox() : Control(ControlKind::ComboBox) {}

  ComboStyle style = ComboStyle::DropDownList;
  // Runs whenever an entry is chosen, by the user or by SetListIndex.
  Handler Click;

  // Empties the list (and an editable box's text); nothing is chosen afterwards.
  void Clear();
  // Appends an entry; the choice does not change.
  void AddItem(std::string text);
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const;
  const std::vector<std::string>& items() const { return items_; }
  // Counts every change of the entries, so a view rebuilds its list only when it must.
  uint64_t list_version() const { return list_version_; }

  // The chosen entry's position; -1 when nothing is chosen or the user has only typed.
  int ListIndex() const { return list_index_; }
  // Chooses that entry and runs Click before returning, even when it was chosen already. A
  // position outside the list is an InvalidArgument error.
  void SetListIndex(int index);

  // The chosen entry's text; for the editable style, the edit text.
  std::string Text() const;
  // Editable style only: sets the edit text without running Click, and chooses the first entry
  // whose text is exactly equal (nothing when none is).
  void SetText(std::string text);
  // Editable style only, from code: the text as if typed (nothing chosen), and committed.
  void SetTypedText(std::string text);
  // Editable style only: the user typed; nothing is chosen and no handler runs.
  void UserTyped(std::string text);
  // Editable style only: the user finished typing (focus left, or Enter); runs Commit when the
  // text differs from the one last committed, chosen or set from code.
  void UserCommit();
  // Typing that changed the text, or turned a chosen entry into typed text, since the last
  // commit, choice or text from code.
  bool HasUncommittedTyping() const {
    return edit_text_ != committed_text_ || list_index_ != committed_index_;
  }
  Handler Commit;
  // Nothing chosen any more, the entries kept; no handler runs. For putting back a list that the
  // player never chose in.
  void Deselect();

 private:
  // What the next commit compares with becomes what the box holds now: every change made from
  // code, a choice or a commit settles, so only typing since then counts as uncommitted.
  void Settle();

  std::vector<std::string> items_;
  int list_index_ = -1;
  std::string edit_text_;
  std::string committed_text_;
  int committed_index_ = -1;
  uint64_t list_version_ = 0;
};

class OptionButton;

// The option buttons of one container; choosing one clears the others.
class OptionGroup {
 public:
  void Add(OptionButton& button) { buttons_.push_back(&button); }
  const std::vector<OptionButton*>& buttons() const { return buttons_; }

 private:
  std::vector<OptionButton*> buttons_;
};

class OptionButton : public Control {
 public:
  OptionButton() : Control(ControlKind::OptionButton) {}
  std::string caption;
  OptionGroup* group = nullptr;

  bool Value() const { return value_; }
  // Choosing clears the other buttons of the group; no event.
  void SetValue(bool value);
  // The user clicks it: it is chosen, and Click runs when that changed the choice.
  void UserClick();
  Handler Click;

 private:
  bool value_ = false;
};

class CheckBox : public Control {
 public:
  CheckBox() : Control(ControlKind::CheckBox) {}
  std::string caption;

  bool Value() const { return value_; }
  // From code: no event.
  void SetValue(bool value);
  // The user ticks or clears it; Click runs when the value changed.
  void UserSetValue(bool value);
  Handler Click;

 private:
  bool value_ = false;
};

class CommandButton : public Control {
 public:
  CommandButton() : Control(ControlKind::CommandButton) {}
  std::string caption;  // "&" marks the access key
  Handler Click;
  // What the button acts on, in plain words: shown when the pointer rests on it, and told to
  // assistive technology.
  std::string tool_tip;

  // A press by the user; a disabled button raises no Click.
  void Press();
};

class Frame : public Control {
 public:
  Frame() : Control(ControlKind::Frame) {}
  std::string caption;
};

// A clipping container; only its top edge moves.
class VScrollBar;

class PictureBox : public Control {
 public:
  PictureBox() : Control(ControlKind::PictureBox) {}
  // Width of the border on each side, in twips; the client area lies inside it.
  int border = 0;
  // The bar that scrolls what this viewport shows, so that the mouse wheel over it and the
  // keyboard focus inside it scroll too.
  VScrollBar* scroll_bar = nullptr;

  int Height() const { return rect().height; }
  // The inner (client) height.
  int ScaleHeight() const { return rect().height - 2 * border; }
  int Top() const { return top_.value_or(rect().top); }
  void SetTop(int top);

 private:
  std::optional<int> top_;
};

class VScrollBar : public Control {
 public:
  VScrollBar() : Control(ControlKind::VScrollBar) {}
  // After the value changed (click, key, release of the thumb).
  Handler Change;
  // While the thumb is dragged.
  Handler Scroll;

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  int SmallChange() const { return small_change_; }
  int LargeChange() const { return large_change_; }
  // A value outside the new range moves to its nearest end, without an event.
  void SetMax(int max);
  void SetSmallChange(int step);
  void SetLargeChange(int step);
  // Sets the value and runs Change when it differs; outside Min..Max is InvalidArgument.
  void SetValue(int value);
  // The user drags the thumb: the value follows and Scroll runs.
  void UserDrag(int value);
  // The user lets go of the thumb: Change runs for the value the drag reached.
  void UserRelease();

 private:
  int min_ = 0;
  int max_ = 32767;
  int value_ = 0;
  int small_change_ = 1;
  int large_change_ = 1;
};

// A warning on a tab: a small shape in a colour beside the caption, and the words a screen reader
// says for it. No shape: no warning.
struct TabMark {
  enum class Shape { None, Triangle, Cross, Ring };
  Shape shape = Shape::None;
  Color color = 0;
  std::string description;
  bool operator==(const TabMark&) const = default;
};

class TabContainer : public Control {
 public:
  TabContainer() : Control(ControlKind::TabContainer) {}
  const TabMark& Mark(int tab) const;
  // A tab that does not exist is InvalidArgument.
  void SetMark(int tab, TabMark mark);
  std::vector<std::string> captions;
  // The first `tabs_per_row` tabs form the row next to the pages, the rest the row above it.
  int tabs_per_row = 0;
  // Height of one row of tabs, and how much of the width the upper row may use (0: all), so
  // that controls can be placed beside it; in twips.
  int row_height = 300;
  int upper_row_width = 0;
  // Runs after the current tab changed, with the tab shown before.
  std::function<void(int16_t previous)> Click;

  int Tab() const { return tab_; }
  // Shows tab `tab` and runs Click when it differs from the current one; a tab that does not
  // exist is InvalidArgument.
  void SetTab(int tab);

 private:
  int tab_ = 0;
  std::vector<TabMark> marks_;  // by tab; missing: no mark
};

class ListBox : public Control {
 public:
  ListBox() : Control(ControlKind::ListBox) {}
  std::string font_family;  // empty: the desktop's face
  double font_points = 0;
  Color fore_color = 0;
  // Long entries wrap onto more lines rather than run past the edge.
  bool word_wrap = false;

  const std::vector<std::string>& items() const { return items_; }
  void AddItem(std::string text);
  // Empties the list; nothing is selected.
  void Clear();

  // The selected row, -1 for none. From code: no event.
  int ListIndex() const { return list_index_; }
  void SetListIndex(int index);
  // The player activated a row (a double-click, or Enter on the selected row): it is selected,
  // then DblClick runs.
  void Activate(int index);
  Handler DblClick;

 private:
  std::vector<std::string> items_;
  int list_index_ = -1;
};

// A menu bar entry or a menu's item; its container is the menu that holds it (nullptr for an
// entry on the bar).
class MenuItem : public Control {
 public:
  MenuItem() : Control(ControlKind::MenuItem) {}
  const std::string& Caption() const { return caption_; }
  // "&" marks the access key.
  void SetCaption(std::string caption);
  // Key sequences in the portable form "Ctrl+Shift+Z", the first one shown beside the caption.
  std::vector<std::string> shortcuts;
  Handler Click;
  // A checkable item shows a tick while checked; a press turns it over before Click runs.
  bool checkable = false;
  bool Checked() const { return checked_; }
  // From code: no event.
  void SetChecked(bool checked);

  void Press();

 private:
  std::string caption_;
  bool checked_ = false;
};

// Scrolls the panel that holds `control`, when a viewport with a scroll bar clips that panel, just
// far enough that the control shows whole (as the bar would; Change runs). Does nothing for a
// control outside such a panel or already in view.
void Reveal(const Control& control);

// The file dialogs: no visible part of their own. `chooser` shows the real open dialog and
// `save_chooser` the real save dialog (injected by the view, or by a test); each returns the
// chosen path, or nothing on cancel. The save dialog asks before a file is replaced.
class OpenFileDialog {
 public:
  std::function<std::optional<std::string>()> chooser;
  // Where the open dialog starts, when set; else where the plan's file is.
  std::string start_folder;
  // Set while the dialog is for one item of the item library rather than a whole plan; it then
  // names its files so.
  bool item_file = false;
  // Gets the path proposed (the current file, or empty).
  std::function<std::optional<std::string>(const std::string& proposed)> save_chooser;

  // Modal; true when a file was chosen, whose full path is then in FileName.
  bool ShowOpen();
  bool ShowSave(const std::string& proposed);
  const std::string& FileName() const { return file_name_; }

 private:
  std::string file_name_;
};

}  // namespace gw::ui
