#pragma once

#include <string>
#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// The mod-11 check character of a value, weights counted from the right
// without restart ('-' has the value 10 and is the character for 10).
char Code11CheckChar(std::string_view value);

// Always with both check characters, C and K.
TModuleString EncodeCode11(std::string_view value);

}  // namespace quorvel
