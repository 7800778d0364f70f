// Text between the model (bytes as read from files or typed) and Qt.
#pragma once

#include <QString>
#include <string>

namespace gw::qt {

// UTF-8 where the bytes are valid UTF-8, otherwise Latin-1, so single-byte data files and item
// names typed into the program both show as written.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

}  // namespace gw::qt
