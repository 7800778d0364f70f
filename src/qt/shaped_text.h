// Captions shaped once. Shaping a text (finding its glyphs and their advances) is the costly part
// of both measuring it and drawing it, and the window measures each caption to see whether it
// fits, then draws it, and shows the same few captions ("0", " 0g 0s 0c") on dozens of labels.
// Each text is shaped and laid out once per font, and both the measure and every drawing of it
// use that one layout. The drawing is the one QPainter::drawText(rect, flags, text) makes.
#pragma once

#include <QFont>
#include <QString>

class QPainter;
class QRect;

namespace gw::qt {

// The width of `text` in `font` as QFontMetrics::horizontalAdvance gives it (a text of one line).
int CaptionAdvance(const QFont& font, const QString& text);

// Draws `text` into `rect` with the painter's font and pen as QPainter::drawText(rect, flags,
// text) does. False, drawing nothing, for what needs more than one line laid out from the left:
// several lines, wrapping, justification, tabs, a mnemonic, right-to-left painting.
bool DrawCaption(QPainter& painter, const QRect& rect, int flags, const QString& text);

}  // namespace gw::qt
