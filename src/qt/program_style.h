// The program's style: Fusion, in whose metrics the twip layout was fitted, with its most costly
// shapes drawn in plain lines and fills of the same shades. Fusion draws a group box's frame by
// scaling a picture of a rounded frame, and the tabs and line edits as antialiased rounded
// rectangles with gradients; with some two hundred widgets in the first picture that was most of
// the time the window took to paint. The shades are Fusion's, laid over whatever lies below, so
// the look stays the same apart from the corners, which are cut by a pixel instead of rounded.
#pragma once

#include <QProxyStyle>

namespace gw::qt {

class ProgramStyle : public QProxyStyle {
 public:
  ProgramStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  // Every caption a widget draws through the style, from a layout shaped once for its text.
  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                    bool enabled, const QString& text,
                    QPalette::ColorRole role = QPalette::NoRole) const override;
  // Combo boxes get an arrow a few pixels narrower and that much more room for their text.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;
};

}  // namespace gw::qt
