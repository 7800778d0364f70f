#include "qt/shaped_text.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <vector>

namespace gw::qt {

namespace {

// One text in one font, shaped and laid out as a single line from the left.
class ShapedText {
 public:
  ShapedText(const QString& text, const QFont& font) : layout_(text, font) {
    layout_.setCacheEnabled(true);  // keep the glyphs after the layout, for every drawing
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);  // the drawing places the line itself
    layout_.setTextOption(option);
    layout_.beginLayout();
    QTextLine line = layout_.createLine();
    line.setLineWidth(0x01000000);  // no wrapping
    line.setPosition(QPointF(0, 0));
    layout_.endLayout();
    advance_ = line.horizontalAdvance();
    natural_width_ = line.naturalTextWidth();
    height_ = line.ascent() + line.descent();
  }

  qreal advance() const { return advance_; }
  qreal natural_width() const { return natural_width_; }
  qreal height() const { return height_; }
  void Draw(QPainter& painter, const QPointF& at) const { layout_.draw(&painter, at); }

 private:
  QTextLayout layout_;
  qreal advance_ = 0;
  qreal natural_width_ = 0;
  qreal height_ = 0;
};

struct FontTexts {
  QFont font;
  QHash<QString, std::shared_ptr<const ShapedText>> texts;
};

// Captions come and go as the figures change; past this many a font's texts start afresh.
constexpr qsizetype kMaxTextsPerFont = 4096;

std::vector<FontTexts>& Fonts() {
  static std::vector<FontTexts> fonts;
  return fonts;
}

// The layouts hold font engines, which must go while the application that made them still is.
void ForgetAll() {
  Fonts().clear();
}

const ShapedText& Shaped(const QFont& font, const QString& text) {
  static const bool forgotten_at_exit = (qAddPostRoutine(&ForgetAll), true);
  Q_UNUSED(forgotten_at_exit);
  std::vector<FontTexts>& fonts = Fonts();
  auto found = std::find_if(fonts.begin(), fonts.end(),
                            [&](const FontTexts& entry) { return entry.font == font; });
  if (found == fonts.end()) {
    fonts.push_back({font, {}});
    found = fonts.end() - 1;
  }
  auto& texts = found->texts;
  auto shaped = texts.constFind(text);
  if (shaped != texts.constEnd()) return **shaped;
  if (texts.size() >= kMaxTextsPerFont) texts.clear();
  return **texts.insert(text, std::make_shared<const ShapedText>(text, font));
}

// A text that one line laid out from the left shows as QPainter::drawText would.
bool OneSimpleLine(const QString& text, int flags) {
  // Labels ask for tabs to be expanded by default; a text without a tab needs nothing of it.
  constexpr int kMoreThanOneLine =
      Qt::TextWordWrap | Qt::TextWrapAnywhere | Qt::TextJustificationForced | Qt::AlignJustify;
  if (flags & kMoreThanOneLine) return false;
  const bool mnemonics = flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic);
  for (const QChar c : text) {
    if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator || (mnemonics && c == u'&')) {
      return false;
    }
  }
  return true;
}

}  // namespace

int CaptionAdvance(const QFont& font, const QString& text) {
  const qsizetype end = text.indexOf(u'\n');
  if (end >= 0) return CaptionAdvance(font, text.left(end));
  if (text.isEmpty()) return 0;
  return qRound(Shaped(font, text).advance());
}

bool DrawCaption(QPainter& painter, const QRect& rect, int flags, const QString& text) {
  if (!OneSimpleLine(text, flags) || painter.layoutDirection() != Qt::LeftToRight) return false;
  if (text.isEmpty()) return true;
  const ShapedText& shaped = Shaped(painter.font(), text);
  qreal top = rect.y();
  if (flags & Qt::AlignBottom) {
    top += rect.height() - shaped.height();
  } else if (flags & Qt::AlignVCenter) {
    top += (rect.height() - shaped.height()) / 2;
  }
  // The text's box decides the clipping; its advance, trailing blanks included, the position.
  qreal box_left = rect.x(), left = rect.x();
  if (flags & Qt::AlignRight) {
    box_left += rect.width() - shaped.natural_width();
    left += rect.width() - shaped.advance();
  } else if (flags & Qt::AlignHCenter) {
    box_left += (rect.width() - shaped.natural_width()) / 2;
    left += (rect.width() - shaped.advance()) / 2;
  }
  const QRectF box(box_left, top, shaped.natural_width(), shaped.height());
  const bool clip = !(flags & Qt::TextDontClip) && !QRectF(rect).contains(box);
  if (clip) {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
  }
  shaped.Draw(painter, QPointF(left, top));
  if (clip) painter.restore();
  return true;
}

}  // namespace gw::qt
