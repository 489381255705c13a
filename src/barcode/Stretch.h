#pragma once

#include <string>
#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// A module string spread over pixel columns, one character per pixel, with
// the marks turned into pixel offsets from the left edge.
struct TStretched {
  std::string Pixels;
  TTextMarks Marks;
  bool OutOfSecurityBox = false;  // Security asked and not even one pixel per module
};

// Without security the modules fill exactly `width` pixels and differ by at
// most one pixel: module i (1-based) covers ceil((i-1)W/L) to ceil(iW/L).
// With security every module gets the same k = W div L pixels and the rest
// of the width stays empty. A mark becomes the pixel at which its module
// starts; 0 stays 0.
TStretched StretchModules(std::string_view modules, const TTextMarks& marks, int width, bool security);

}  // namespace quorvel
