#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvel {

// Internal text is 8-bit Windows-1252. The five bytes that the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control
// characters of the same value, so every byte survives a round trip.

std::string Utf8FromCp1252(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8
// sequences become '?' too.
std::string Cp1252FromUtf8(std::string_view utf8);

QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);

// True when the bytes are well-formed UTF-8 and hold at least one non-ASCII
// character, i.e. reading them as Windows-1252 would garble them.
bool LooksLikeUtf8(std::string_view bytes);

// Text from a file as a message quotes it: control characters and the bytes
// the code page leaves undefined as \xNN, so that nothing invisible or
// terminating hides in the message, and cut after 60 characters with "…".
std::string EscapedForMessage(std::string_view cp1252);

}  // namespace quorvel
