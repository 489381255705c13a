#pragma once

#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// EAN-13 of the first 13 characters (check digit included); characters 15
// to 19 become the add-on. A shorter value gives an empty module string.
TModuleString EncodeEan13(std::string_view value);

// EAN-8 of the first 8 characters; characters 10 to 14 become the add-on.
TModuleString EncodeEan8(std::string_view value);

// Appends the quiet gap, the add-on marker 'X' and a 2- or 5-digit add-on;
// sets AddOnStart to the marker. Other digit counts append only the marker
// and the add-on's start guard.
void AppendAddOn(TModuleString& symbol, std::string_view digits);

}  // namespace quorvel
