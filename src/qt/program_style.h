// The program's style: the platform's own (Fusion wherever no desktop or QT_STYLE_OVERRIDE asks
// for another), with the arrow of every combo box a few pixels narrower. Over Fusion it draws the
// most costly shapes itself, in plain lines and fills of Fusion's shades: Fusion draws a group
// box's frame by scaling a picture of a rounded frame, and tabs, line edits and buttons as
// antialiased rounded rectangles with gradients, and with some two hundred widgets in the first
// picture that was most of the time the window took to paint. The look stays the same apart from
// the corners, which are cut by a pixel instead of rounded. Over Fusion every caption is drawn
// from a layout shaped once for its text (see shaped_text.h). Over any other style it draws as
// that style does.
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
  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                    bool enabled, const QString& text,
                    QPalette::ColorRole role = QPalette::NoRole) const override;
  // Combo boxes get an arrow a few pixels narrower and that much more room for their text.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;

 private:
  bool over_fusion_ = false;
};

}  // namespace gw::qt
