#pragma once

#include <string>
#include <string_view>

#include "platform/Color.h"

namespace quorvel {

// Colour texts as files and the property grid show them: six upper-case
// hexadecimal digits, red first (RRGGBB).

// The colour's text; bits above the 24 colour bits are ignored.
std::string set_farbe(TColor color);

// The colour of a text. Never fails: digits are read case-insensitively, a
// character that is no hexadecimal digit and a missing one count as 0, and
// characters after the sixth are ignored.
TColor back_farbe(std::string_view text);

}  // namespace quorvel
