#pragma once

#include <string>
#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// Code 39 of ISO/IEC 16388 without check character; '*' inside the value is
// encoded like any other character.
TModuleString EncodeCode39(std::string_view value);

// The Code 39 characters that stand for each byte in full ASCII mode
// (0x20..0x7E, and 0x80 for DEL).
std::string Code39FullAsciiSequence(std::string_view value);

// Full ASCII: only the sequences of the value, between start and stop.
TModuleString EncodeCode39FullAscii(std::string_view value);

}  // namespace quorvel
