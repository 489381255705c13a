#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvel {

// Where the program's UTF-8 text meets Qt.
QString ToQString(std::string_view utf8);
std::string FromQString(const QString& text);
// File names are bytes on this system; at Qt's boundary they are converted
// as Qt converts them, so that any name the system holds opens.
QString ToQPath(std::string_view nativePath);
std::string FromQPath(const QString& path);

}  // namespace quorvel
