#pragma once

#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// 2 of 5 industrial: every element a bar, each followed by a narrow space.
TModuleString EncodeIndustrial2of5(std::string_view digits);

// Interleaved 2 of 5 (ITF) of an even number of digits, with ten blank
// modules of quiet zone on either side; no guard bars.
TModuleString EncodeInterleaved2of5(std::string_view digits);

}  // namespace quorvel
