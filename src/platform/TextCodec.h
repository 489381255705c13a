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

// Text from a file or the command line as a message quotes it: in single
// quotes, bytes that are no printable character written as \xNN, and cut
// to 60 characters with "…" after it, so that no file can garble or flood
// a message.
std::string QuotedForMessage(std::string_view cp1252);

}  // namespace quorvel
