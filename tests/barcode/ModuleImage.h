#pragma once

#include <QImage>
#include <string_view>

namespace quorvel::test {

// A module string drawn the plain way, for the independent decoder: every
// '1' or '2' module black, everything else white, a given number of pixels
// per module and a white quiet zone around the symbol.
inline QImage ModuleImage(std::string_view modules, int pixelsPerModule = 3, int quietModules = 12,
                          int height = 80) {
  int width = (static_cast<int>(modules.size()) + 2 * quietModules) * pixelsPerModule;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (size_t i = 0; i < modules.size(); ++i) {
    if (modules[i] != '1' && modules[i] != '2') continue;
    int x = (quietModules + static_cast<int>(i)) * pixelsPerModule;
    for (int y = 10; y < height - 10; ++y)
      for (int dx = 0; dx < pixelsPerModule; ++dx) image.setPixel(x + dx, y, qRgb(0, 0, 0));
  }
  return image;
}

}  // namespace quorvel::test
