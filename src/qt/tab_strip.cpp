#include "qt/tab_strip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPolygonF>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <algorithm>

#include "qt/shaped_text.h"

namespace gw::qt {

TabButton::TabButton(TabStrip* strip, int index, const QString& caption)
    : QAbstractButton(strip), strip_(strip), index_(index) {
  setText(caption);
  setCheckable(true);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QAbstractButton::clicked, this, [this] { strip_->Choose(index_); });
}

int TabButton::NaturalWidth() const {
  return CaptionAdvance(font(), text()) + 2 * kPadding;
}

void TabButton::SetMark(Mark mark, const QColor& color, const QString& description) {
  if (accessibleDescription() != description) setAccessibleDescription(description);
  if (mark == mark_ && color == mark_color_) return;
  mark_ = mark;
  mark_color_ = color;
  update();
}

void TabButton::paintEvent(QPaintEvent*) {
  // The style draws the tab's shape; the caption is drawn here, centred with a small padding,
  // because the styles' own tab margins are too wide for eight tabs beside the buttons.
  QStylePainter painter(this);
  QStyleOptionTab option;
  option.initFrom(this);
  option.shape = QTabBar::RoundedNorth;
  option.position = QStyleOptionTab::Middle;
  if (isChecked()) option.state |= QStyle::State_Selected;
  painter.drawControl(QStyle::CE_TabBarTabShape, option);
  painter.drawItemText(rect(), Qt::AlignCenter | Qt::TextSingleLine, palette(), isEnabled(), text(),
                       QPalette::WindowText);
  if (mark_ != Mark::None) {
    // A small shape in the top left corner, within the padding the caption leaves free.
    const QRectF corner(1.5, 2.5, kPadding - 1, kPadding - 1);
    painter.setRenderHint(QPainter::Antialiasing);
    // On the grey the warning colours are chosen against, whatever the desktop's tabs are.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0xE0, 0xE0));
    painter.drawRoundedRect(corner.adjusted(-1, -1, 1, 1), 1.5, 1.5);
    painter.setPen(QPen(mark_color_, 1.5));
    painter.setBrush(mark_ == Mark::Triangle ? QBrush(mark_color_) : Qt::NoBrush);
    switch (mark_) {
      case Mark::Triangle:
        painter.drawPolygon(QPolygonF({QPointF(corner.center().x(), corner.top()),
                                       corner.bottomRight(), corner.bottomLeft()}));
        break;
      case Mark::Cross:
        painter.drawLine(corner.topLeft(), corner.bottomRight());
        painter.drawLine(corner.topRight(), corner.bottomLeft());
        break;
      case Mark::Ring:
        painter.drawEllipse(corner);
        break;
      case Mark::None:
        break;
    }
  }
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(3, 3, -3, -2);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

void TabButton::keyPressEvent(QKeyEvent* event) {
  const int last = strip_->count() - 1;
  switch (event->key()) {
    case Qt::Key_Left:
      strip_->Choose(std::max(index_ - 1, 0));
      break;
    case Qt::Key_Right:
      strip_->Choose(std::min(index_ + 1, last));
      break;
    case Qt::Key_Home:
      strip_->Choose(0);
      break;
    case Qt::Key_End:
      strip_->Choose(last);
      break;
    default:
      QAbstractButton::keyPressEvent(event);
  }
}

TabStrip::TabStrip(const std::vector<QString>& captions, int tabs_per_row, int row_height,
                   int upper_row_width, QWidget* parent)
    : QWidget(parent),
      tabs_per_row_(tabs_per_row),
      row_height_(row_height),
      upper_row_width_(upper_row_width) {
  for (size_t i = 0; i < captions.size(); ++i) {
    buttons_.push_back(new TabButton(this, static_cast<int>(i), captions[i]));
    auto* page = new QWidget(this);
    page->hide();
    pages_.push_back(page);
  }
  SetCurrent(0);
  qApp->installEventFilter(this);
}

namespace {

// +1 for the keys that choose the next tab, -1 for the previous one, 0 for any other key.
int TabStep(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  const bool shift = modifiers & Qt::ShiftModifier;
  if ((modifiers & ~Qt::ShiftModifier) != Qt::ControlModifier) return 0;
  switch (key.key()) {
    case Qt::Key_Tab:
      return shift ? -1 : 1;
    case Qt::Key_Backtab:
      return -1;
    case Qt::Key_PageDown:
      return shift ? 0 : 1;
    case Qt::Key_PageUp:
      return shift ? 0 : -1;
    default:
      return 0;
  }
}

}  // namespace

bool TabStrip::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || count() == 0) return false;
  const int step = TabStep(*static_cast<QKeyEvent*>(event));
  if (step == 0 || !isVisible()) return false;
  // Only for keys meant for this strip's window, and not while a list is open over it or a
  // modal window above it takes the keys.
  if (static_cast<QWidget*>(watched)->window() != window()) return false;
  if (QApplication::activePopupWidget() != nullptr) return false;
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && modal != window()) return false;
  Choose((current_ + step + count()) % count());
  return true;
}

void TabStrip::SetCurrent(int index) {
  const bool had_focus = buttons_[static_cast<size_t>(current_)]->hasFocus();
  for (int i = 0; i < count(); ++i) {
    TabButton* b = buttons_[static_cast<size_t>(i)];
    b->setChecked(i == index);
    // Only the current tab is a stop of the Tab key; the arrow keys move between tabs.
    b->setFocusPolicy(i == index ? Qt::TabFocus : Qt::NoFocus);
    pages_[static_cast<size_t>(i)]->setVisible(i == index);
  }
  current_ = index;
  if (had_focus) buttons_[static_cast<size_t>(index)]->setFocus();
}

void TabStrip::Choose(int index) {
  if (on_chosen) on_chosen(index);
}

void TabStrip::LayoutRow(int first, int last, int top, int width) {
  if (first > last) return;
  // Each tab gets its caption's width plus an equal share of what is left over; a row too
  // narrow for its captions shrinks every tab alike rather than run past its end.
  std::vector<int> natural;
  int total = 0;
  for (int i = first; i <= last; ++i) {
    natural.push_back(buttons_[static_cast<size_t>(i)]->NaturalWidth());
    total += natural.back();
  }
  const int tabs = last - first + 1;
  const int extra = (width - total) / tabs;
  int left = 0;
  for (int i = first; i <= last; ++i) {
    const int n = natural[static_cast<size_t>(i - first)];
    int w = extra >= 0 ? n + extra : n * width / total;
    if (i == last) w = width - left;
    buttons_[static_cast<size_t>(i)]->setGeometry(left, top, w, row_height_);
    left += w;
  }
}

void TabStrip::resizeEvent(QResizeEvent*) {
  const int lower_last = std::min(tabs_per_row_, count()) - 1;
  LayoutRow(0, lower_last, row_height_, width());
  LayoutRow(lower_last + 1, count() - 1, 0, std::min(upper_row_width_, width()));
  for (QWidget* page : pages_)
    page->setGeometry(0, strip_height(), width(), height() - strip_height());
}

void TabStrip::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.shape = QTabBar::RoundedNorth;
  frame.rect = QRect(0, strip_height() - 1, width(), height() - strip_height() + 1);
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace gw::qt
