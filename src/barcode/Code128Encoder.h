#pragma once

#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// Code 128 of ISO/IEC 15417 in one code set for the whole symbol: C for an
// even number of digits, B otherwise. Every byte stands for the symbol
// character whose value is its 0-based position in the symbology's Chars,
// so the special bytes place function characters and set changes by hand.
// EAN-128 puts FNC1 first. The mod-103 check symbol is optional.
TModuleString EncodeCode128(std::string_view value, bool ean128, bool autoCheckDigit);

}  // namespace quorvel
