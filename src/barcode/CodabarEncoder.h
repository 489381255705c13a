#pragma once

#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// The mod-16 check character over every character of the value.
char CodabarCheckChar(std::string_view value);

// A value that begins and ends with one of A, B, C, D brings its own start
// and stop; any other value gets start and stop A. The check character
// (optional) goes just before the stop.
TModuleString EncodeCodabar(std::string_view value, bool autoCheckDigit);

}  // namespace quorvel
