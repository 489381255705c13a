#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Whether every character of a Windows-1252 text is one of ISO-8859-1, the
// character set QR readers assume for byte data. Windows-1252 puts its own
// characters (€, Š, “ ...) where ISO-8859-1 has control characters; the
// five bytes it leaves undefined stay those controls.
bool IsLatin1Text(std::string_view cp1252);

// The data a QR Code carries for a Windows-1252 text, in the escape syntax
// of an encoder that allows escapes: the text's own bytes when it is
// ISO-8859-1, otherwise an ECI 26 designator followed by the text in UTF-8.
// Backslashes are doubled, so the text itself never reads as an escape.
std::string QrDataForText(std::string_view cp1252);

}  // namespace quorvel
