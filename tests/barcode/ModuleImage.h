#pragma once

#include <string_view>

#include "support/GreyDecoder.h"

namespace quorvel::test {

// A module string drawn the plain way, for the independent decoder: every
// '1' or '2' module black, everything else white, a given number of pixels
// per module and a white quiet zone around the symbol.
inline TGreyImage ModuleImage(std::string_view modules, int pixelsPerModule = 3, int quietModules = 12,
                              int height = 80) {
  TGreyImage image((static_cast<int>(modules.size()) + 2 * quietModules) * pixelsPerModule, height);
  for (std::size_t i = 0; i < modules.size(); ++i) {
    if (modules[i] != '1' && modules[i] != '2') continue;
    int x = (quietModules + static_cast<int>(i)) * pixelsPerModule;
    image.FillBlack(x, 10, x + pixelsPerModule, height - 10);
  }
  return image;
}

}  // namespace quorvel::test
