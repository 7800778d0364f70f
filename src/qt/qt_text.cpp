#include "qt/qt_text.h"

#include <QByteArray>
#include <QStringDecoder>

namespace gw::qt {

QString ToQString(const std::string& text) {
  const QByteArray bytes =
      QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8.decode(bytes);
  if (!utf8.hasError()) return decoded;
  return QString::fromLatin1(bytes);
}

std::string FromQString(const QString& text) {
  return text.toUtf8().toStdString();
}

}  // namespace gw::qt
