#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Text inside the program is UTF-8 in std::string; it becomes a QString only
// at the user interface (QtText.h). Windows-1252 is a file encoding: label, series,
// settings and language files may hold it. The five bytes that the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control
// characters of the same value, so every byte survives a round trip.

// Marks a file as UTF-8 before its first line.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string Utf8FromCp1252(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8
// sequences become '?' too.
std::string Cp1252FromUtf8(std::string_view utf8);
// The Windows-1252 byte of a character, if the code page has it.
std::optional<char> Cp1252ByteOf(char32_t character);
// Whether every character of the text is in Windows-1252 (and the text is
// well-formed UTF-8).
bool FitsCp1252(std::string_view utf8);
// Whether every character is in ISO-8859-1; Latin1FromUtf8 then gives its
// bytes (characters beyond become '?').
bool FitsLatin1(std::string_view utf8);
std::string Latin1FromUtf8(std::string_view utf8);

// The characters of a UTF-8 text; a malformed byte becomes U+FFFD, so that
// positions still count every character a reader sees.
std::u32string CharactersOf(std::string_view utf8);
std::string Utf8Of(char32_t character);

// The text with each byte that is no part of a well-formed UTF-8 sequence
// replaced by '?'.
std::string Utf8Repaired(std::string_view bytes);
// Whether the bytes are well-formed UTF-8 (plain ASCII is).
bool IsUtf8(std::string_view bytes);

// Text from a file or the command line as a message quotes it: in single
// quotes, control characters and bytes that are no UTF-8 written as \xNN,
// and cut to 60 characters with "…" after it, so that no file can garble or
// flood a message.
std::string QuotedForMessage(std::string_view text);

}  // namespace quorvel
