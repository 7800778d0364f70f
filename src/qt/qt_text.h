// Text between the model (bytes as read from files or typed) and Qt.
#pragma once

#include <QString>
#include <string>

namespace gw::qt {

// The text as ShownText (common/text.h) decodes it.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// A tooltip that shows `text` as it stands: Qt guesses whether a tooltip is markup, and a name
// from a file ("<b>") must not be taken for it. Line breaks are kept; long lines wrap.
QString PlainToolTip(const QString& text);

}  // namespace gw::qt
