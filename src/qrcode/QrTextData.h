#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The data a QR Code carries for a text (UTF-8), in the escape syntax of an
// encoder that allows escapes: the text's ISO-8859-1 bytes when it has no
// character beyond, which is what QR readers assume for byte data and what
// labels always carried; otherwise an ECI 26 designator followed by the
// text in UTF-8. Backslashes are doubled, so the text itself never reads as
// an escape.
std::string QrDataForText(std::string_view text);

}  // namespace quorvel
