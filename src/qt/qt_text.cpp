#include "qt/qt_text.h"

#include "common/text.h"

namespace gw::qt {

QString ToQString(const std::string& text) {
  const std::string shown = ShownText(text);
  return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

std::string FromQString(const QString& text) {
  return text.toUtf8().toStdString();
}

QString PlainToolTip(const QString& text) {
  if (text.isEmpty()) return {};
  return "<p style=\"white-space:pre-wrap\">" + text.toHtmlEscaped() + "</p>";
}

}  // namespace gw::qt
