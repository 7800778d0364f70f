// Text between the model (bytes as read from files or typed) and Qt.
#pragma once

#include <QString>
#include <string>

namespace gw::qt {

// The text as ShownText (common/text.h) decodes it.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

}  // namespace gw::qt
