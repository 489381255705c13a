#pragma once

#include <array>
#include <optional>
#include <string>

namespace quorvel {

// The language file keeps the start window's language buttons from one run
// to the next: one line per button (German, French, English, Portuguese),
// "1" for the chosen one and "0" for the others, lines ended by CR LF.
inline constexpr char LanguageFileName[] = "data1.ini";
constexpr int LanguageButtonCount = 4;

using TLanguageLines = std::array<std::string, LanguageButtonCount>;
using TLanguageButtons = std::array<bool, LanguageButtonCount>;

// The first four lines without their line ends (CR LF or LF), a missing
// line as an empty text; nothing when there is no such file or it cannot be
// read.
std::optional<TLanguageLines> ReadLanguageFile(const std::string& path);

// Replaces the file; false when it cannot be written.
bool WriteLanguageFile(const std::string& path, const TLanguageButtons& chosen);

}  // namespace quorvel
