#pragma once

#include <QImage>
#include <string>

namespace quorvel {

// The largest picture we decode: 256 MiB of 32-bit pixels.
constexpr long long kMaxPicturePixels = 256LL * 1024 * 1024 / 4;

// Decodes a JPEG file (greyscale, RGB, CMYK and Adobe-inverted CMYK) into an
// RGB image. A missing, corrupt, truncated or oversized file throws
// EPictureError; libjpeg never ends the program.
QImage ReadJpegFile(const std::string& path);

}  // namespace quorvel
