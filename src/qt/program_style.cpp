#include "qt/program_style.h"

#include <QFrame>
#include <QGroupBox>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOption>
#include <QTabBar>
#include <algorithm>

#include "qt/shaped_text.h"
#include "qt/tab_strip.h"

namespace gw::qt {

namespace {

// Fusion's shades. Small parts are drawn in black or white laid thinly over what lies below them.
// A group box is drawn in opaque shades of what lies below it instead: Qt hands a translucent
// fill of many rows (a tall frame, minus the widgets inside it) to its thread pool in pieces and
// waits for them, which cost more than the fill.
constexpr int kGroupBoxLine = 26;  // the darkening, as the alpha of black laid over the background
constexpr int kGroupBoxInnerLight = 7;
constexpr int kGroupBoxInnerDark = 6;
constexpr int kGroupBoxInside = 3;
constexpr QColor kTopShadow(0, 0, 0, 18);
constexpr QColor kInnerContrast(255, 255, 255, 30);
constexpr QColor kTabFrameShadow(0, 0, 0, 15);
constexpr int kGroupBoxTopMargin = 3;

QColor Outline(const QPalette& palette) {
  return palette.window().color().darker(140);
}

QColor HighlightedOutline(const QPalette& palette) {
  QColor color = palette.highlight().color().darker(125);
  if (color.value() > 160) color.setHsl(color.hue(), color.saturation(), 160);
  return color;
}

QColor ButtonColor(const QPalette& palette) {
  QColor button = palette.button().color();
  button = button.lighter(100 + std::max(1, (180 - qGray(button.rgb())) / 6));
  button.setHsv(button.hue(), button.saturation() * 3 / 4, button.value());
  return button;
}

QColor TabFrameColor(const QPalette& palette) {
  return ButtonColor(palette).lighter(104);
}

// `color` with black of `alpha` laid over it.
QColor Darkened(const QColor& color, int alpha) {
  auto channel = [alpha](int value) { return (value * (255 - alpha) + 127) / 255; };
  return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

// What shows behind a widget that draws no background of its own: the inside of a group box
// that holds it, the page colour on the pages of a tab strip (which paints it below its tabs),
// and the window's colour elsewhere.
QColor BackgroundBehind(const QWidget* widget, const QPalette& palette) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (qobject_cast<const QGroupBox*>(w) != nullptr) {
      return Darkened(BackgroundBehind(w->parentWidget(), palette), kGroupBoxInside);
    }
    if (dynamic_cast<const TabStrip*>(w) != nullptr) return TabFrameColor(palette);
  }
  return palette.window().color();
}

void HorizontalLine(QPainter& painter, int left, int right, int y, const QColor& color) {
  if (right >= left) painter.fillRect(QRect(left, y, right - left + 1, 1), color);
}

void VerticalLine(QPainter& painter, int x, int top, int bottom, const QColor& color) {
  if (bottom >= top) painter.fillRect(QRect(x, top, 1, bottom - top + 1), color);
}

// A one-pixel outline of `r` whose corner pixels are left out, which reads as slightly rounded.
void CutCornerOutline(QPainter& painter, const QRect& r, const QColor& color) {
  HorizontalLine(painter, r.left() + 1, r.right() - 1, r.top(), color);
  HorizontalLine(painter, r.left() + 1, r.right() - 1, r.bottom(), color);
  VerticalLine(painter, r.left(), r.top() + 1, r.bottom() - 1, color);
  VerticalLine(painter, r.right(), r.top() + 1, r.bottom() - 1, color);
}

// Fills `area` with a vertical gradient from `top` at `from_y` to `bottom` at `to_y`: one plain
// fill, without the rounded, antialiased path Fusion fills its gradients into.
void FillGradient(QPainter& painter, const QRect& area, qreal from_y, const QColor& top, qreal to_y,
                  const QColor& bottom) {
  if (area.isEmpty()) return;
  QLinearGradient gradient(0, from_y, 0, to_y);
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  painter.fillRect(area, gradient);
}

void DrawGroupBoxFrame(const QStyle& style, const QStyleOption& option, QPainter& painter,
                       const QWidget* widget) {
  // The frame begins below the title, as Fusion's does.
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  int top_margin = kGroupBoxTopMargin;
  if (box == nullptr || box->isCheckable() || !box->title().isEmpty()) {
    top_margin += std::max(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, widget),
                           option.fontMetrics.height());
  }
  // Fusion's picture of the frame leaves its first column and row clear.
  const QRect r = option.rect.adjusted(1, top_margin + 1, 0, 0);
  if (r.width() < 4 || r.height() < 4) return;
  const QColor behind = BackgroundBehind(widget ? widget->parentWidget() : nullptr, option.palette);
  const QColor light = Darkened(behind, kGroupBoxInnerLight);
  const QColor dark = Darkened(behind, kGroupBoxInnerDark);
  CutCornerOutline(painter, r, Darkened(behind, kGroupBoxLine));
  HorizontalLine(painter, r.left() + 1, r.right() - 1, r.top() + 1, light);
  VerticalLine(painter, r.left() + 1, r.top() + 2, r.bottom() - 1, light);
  HorizontalLine(painter, r.left() + 2, r.right() - 1, r.bottom() - 1, dark);
  VerticalLine(painter, r.right() - 1, r.top() + 2, r.bottom() - 2, dark);
  painter.fillRect(r.adjusted(2, 2, -2, -2), Darkened(behind, kGroupBoxInside));
}

void DrawLineEditPanel(const QStyleOption& option, QPainter& painter, bool framed) {
  const QRect& r = option.rect;
  if (!framed) {
    painter.fillRect(r, option.palette.base());
    return;
  }
  if (r.width() < 4 || r.height() < 4) return;
  painter.fillRect(r.adjusted(1, 1, -1, -1), option.palette.base());
  const bool focus = option.state & QStyle::State_HasFocus;
  const QColor outline = focus ? HighlightedOutline(option.palette) : Outline(option.palette);
  CutCornerOutline(painter, r, outline);
  if (focus) {
    QColor soft = outline;
    soft.setAlpha(40);
    CutCornerOutline(painter, r.adjusted(1, 1, -1, -1), soft);
  }
  HorizontalLine(painter, r.left() + 2, r.right() - 2, r.top() + 1, kTopShadow);
}

// A push button, and the button part of a combo box: lighter towards the top, a light line inside
// the outline. False for what Fusion draws otherwise (a flat or a default button).
bool DrawButtonPanel(const QStyleOption& option, QPainter& painter) {
  if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option)) {
    if (button->features & (QStyleOptionButton::Flat | QStyleOptionButton::DefaultButton)) {
      return false;
    }
  }
  const QRect& r = option.rect;
  if (r.width() < 4 || r.height() < 4) return true;
  const QStyle::State state = option.state;
  const bool enabled = state & QStyle::State_Enabled;
  const QColor button = ButtonColor(option.palette);
  const QRect inside = r.adjusted(1, 1, -1, -1);
  if (state & (QStyle::State_Sunken | QStyle::State_On)) {
    painter.fillRect(inside, button.darker(110));
  } else {
    const QColor shade = enabled && (state & QStyle::State_MouseOver) ? button : button.darker(104);
    FillGradient(painter, inside, r.top() - 0.5, shade.lighter(124), r.bottom() - 0.5,
                 shade.lighter(102));
  }
  QColor outline = Outline(option.palette);
  if ((state & QStyle::State_HasFocus) && (state & QStyle::State_KeyboardFocusChange)) {
    outline = HighlightedOutline(option.palette);
  } else if (!enabled) {
    outline = outline.lighter(115);
  }
  CutCornerOutline(painter, r, outline);
  CutCornerOutline(painter, r.adjusted(1, 1, -1, -1), kInnerContrast);
  return true;
}

// A frame of the Panel shape: `width` lines of the dark shade on the top and left, of the light
// one on the bottom and right (the other way round when raised), mitred at the corners.
void DrawShadePanel(const QStyleOptionFrame& frame, QPainter& painter) {
  const QRect& r = frame.rect;
  const int width = frame.lineWidth;
  const bool sunken = frame.state & QStyle::State_Sunken;
  const QColor dark = frame.palette.dark().color(), light = frame.palette.light().color();
  const QColor& top_left = sunken ? dark : light;
  const QColor& bottom_right = sunken ? light : dark;
  const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
  for (int i = 0; i < width; ++i) {
    HorizontalLine(painter, x, x + w - 2 - i, y + i, top_left);
    VerticalLine(painter, x + i, y + width - i, y + h - 2, top_left);
  }
  for (int i = 0; i < width; ++i) {
    HorizontalLine(painter, x + i, x + w - 1, y + h - 1 - i, bottom_right);
    VerticalLine(painter, x + w - 1 - i, y + i, y + h - width - 1, bottom_right);
  }
}

// A tab of a strip above its pages: the chosen one stands two pixels higher, lighter towards its
// top, and open towards its page. A tab's right edge is the next tab's left one, as in Fusion,
// whose tabs overlap their neighbours by a pixel.
void DrawTabShape(const QStyleOptionTab& tab, QPainter& painter) {
  const QRect& r = tab.rect;
  const QColor window = tab.palette.window().color();
  const QColor outline = Outline(tab.palette);
  if (tab.state & QStyle::State_Selected) {
    FillGradient(painter, QRect(r.left() + 1, r.top() + 1, r.width() - 1, r.height() - 3),
                 r.top() + 0.5, window.lighter(104), r.bottom() + 0.5, window);
    painter.fillRect(QRect(r.left() + 1, r.bottom() - 1, r.width() - 1, 2), window);
    HorizontalLine(painter, r.left() + 1, r.right() - 1, r.top(), outline);
    VerticalLine(painter, r.left(), r.top() + 1, r.bottom() - 2, outline);
    return;
  }
  const QRect shape(r.left(), r.top() + 2, r.width(), r.height() - 4);  // the page's line below
  if (shape.height() < 3) return;
  const QColor line = outline.lighter(110);
  // Plain down to the last rows, which darken towards the page.
  QLinearGradient fill(0, r.top() + 0.5, 0, r.bottom() + 0.5);
  fill.setColorAt(0, window.darker(108));
  fill.setColorAt(0.85, window.darker(108));
  fill.setColorAt(1, window.darker(116));
  painter.fillRect(shape.adjusted(1, 1, 0, 0), fill);
  HorizontalLine(painter, shape.left() + 1, shape.right(), shape.top(), line);
  VerticalLine(painter, shape.left(), shape.top() + 1, shape.bottom(), line);
  HorizontalLine(painter, shape.left() + 1, shape.right(), shape.top() + 1, kInnerContrast);
  VerticalLine(painter, shape.left() + 1, shape.top() + 2, shape.bottom() - 1, kInnerContrast);
}

void DrawTabFrame(const QStyleOption& option, QPainter& painter) {
  const QRect r = option.rect.adjusted(0, 0, 0, -1);  // the last row is the frame's shadow
  painter.fillRect(r, TabFrameColor(option.palette));
  const QColor outline = Outline(option.palette);
  HorizontalLine(painter, r.left(), r.right(), r.top(), outline);
  HorizontalLine(painter, r.left(), r.right(), r.bottom(), outline);
  VerticalLine(painter, r.left(), r.top() + 1, r.bottom() - 1, outline);
  VerticalLine(painter, r.right(), r.top() + 1, r.bottom() - 1, outline);
  HorizontalLine(painter, option.rect.left(), option.rect.right(), option.rect.bottom(),
                 kTabFrameShadow);
}

}  // namespace

ProgramStyle::ProgramStyle()
    : over_fusion_(baseStyle()->name().compare(u"fusion", Qt::CaseInsensitive) == 0) {}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  if (!over_fusion_) return QProxyStyle::drawPrimitive(element, option, painter, widget);
  switch (element) {
    case PE_FrameGroupBox:
      DrawGroupBoxFrame(*this, *option, *painter, widget);
      return;
    case PE_PanelLineEdit:
      if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        DrawLineEditPanel(*frame, *painter, frame->lineWidth > 0);
        return;
      }
      break;
    case PE_FrameLineEdit:
      DrawLineEditPanel(*option, *painter, true);
      return;
    case PE_PanelButtonCommand:
      if (DrawButtonPanel(*option, *painter)) return;
      break;
    case PE_FrameTabWidget:
      if (const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option)) {
        if (frame->shape == QTabBar::RoundedNorth) {
          DrawTabFrame(*frame, *painter);
          return;
        }
      }
      break;
    default:
      break;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  if (!over_fusion_) return QProxyStyle::drawControl(element, option, painter, widget);
  if (element == CE_ShapedFrame) {
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
      const bool shaded = frame->state & (State_Sunken | State_Raised);
      if (frame->frameShape == QFrame::Panel && shaded && frame->midLineWidth == 0) {
        DrawShadePanel(*frame, *painter);
        return;
      }
    }
  }
  if (element == CE_TabBarTabShape) {
    if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
      if (tab->shape == QTabBar::RoundedNorth) {
        DrawTabShape(*tab, *painter);
        return;
      }
    }
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void ProgramStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                const QPalette& palette, bool enabled, const QString& text,
                                QPalette::ColorRole role) const {
  if (!over_fusion_) {
    return QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
  }
  if (text.isEmpty()) return;
  const QPen pen = painter->pen();
  if (role != QPalette::NoRole) painter->setPen(QPen(palette.brush(role), pen.widthF()));
  const bool drawn = DrawCaption(*painter, rect, flags, text);
  painter->setPen(pen);
  if (!drawn) QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl sub, const QWidget* widget) const {
  constexpr int kNarrower = 4;
  QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
  if (control == CC_ComboBox && sub == SC_ComboBoxArrow) rect.setLeft(rect.left() + kNarrower);
  if (control == CC_ComboBox && sub == SC_ComboBoxEditField)
    rect.setRight(rect.right() + kNarrower);
  return rect;
}

}  // namespace gw::qt
