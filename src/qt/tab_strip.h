// A tab container with its tabs in two rows: the first `tabs_per_row` tabs in the row next to
// the pages, the rest in the row above it, which may be narrower so that other widgets can sit
// beside it. Qt's own tab bar has only one row. Ctrl+Tab and Ctrl+PageDown choose the next tab,
// Ctrl+Shift+Tab and Ctrl+PageUp the previous one, round the end, wherever the keyboard focus is
// in the strip's window: as in every tabbed program, and before a list or text box takes them.
#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <functional>
#include <vector>

namespace gw::qt {

class TabStrip;

// One tab: a button drawn as a tab by the current style.
class TabButton : public QAbstractButton {
 public:
  TabButton(TabStrip* strip, int index, const QString& caption);
  int index() const { return index_; }
  // Space on each side of the caption, in pixels.
  static constexpr int kPadding = 6;
  // The width that shows the whole caption.
  int NaturalWidth() const;
  // A warning drawn in the corner beside the caption, which takes no room from it, and said as
  // the tab's accessible description.
  enum class Mark { None, Triangle, Cross, Ring };
  void SetMark(Mark mark, const QColor& color, const QString& description);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A click checks nothing itself: the strip marks the tab the window shows, so a click on the
  // current tab leaves it marked and one that changes nothing leaves every mark as it was.
  void nextCheckState() override {}

 private:
  TabStrip* strip_;
  int index_;
  Mark mark_ = Mark::None;
  QColor mark_color_;
};

class TabStrip : public QWidget {
 public:
  // `upper_row_width` in pixels: how much of the strip's width the row above may use.
  TabStrip(const std::vector<QString>& captions, int tabs_per_row, int row_height,
           int upper_row_width, QWidget* parent);

  int count() const { return static_cast<int>(buttons_.size()); }
  int current() const { return current_; }
  // Shows page `index` and marks its tab; no notification.
  void SetCurrent(int index);
  QWidget* page(int index) const { return pages_[static_cast<size_t>(index)]; }
  TabButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }
  // Height of the two rows of tabs; the pages begin below it.
  int strip_height() const { return 2 * row_height_; }

  // The player chose a tab (click or key); the owner decides whether it becomes current.
  std::function<void(int index)> on_chosen;

 protected:
  // Sees the key presses of the whole application, for the keys that switch tabs.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class TabButton;
  void Choose(int index);
  void LayoutRow(int first, int last, int top, int width);

  std::vector<TabButton*> buttons_;
  std::vector<QWidget*> pages_;
  int tabs_per_row_;
  int row_height_;
  int upper_row_width_;
  int current_ = 0;
};

}  // namespace gw::qt
