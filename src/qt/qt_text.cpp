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

}  // namespace gw::qt
