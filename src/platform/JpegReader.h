#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <string>

namespace quorvel {

// The largest picture we decode: 256 MiB of 32-bit pixels.
constexpr long long kMaxPicturePixels = 256LL * 1024 * 1024 / 4;

// A picture file is read whole before it is decoded; a larger one could not
// decode within the pixel limit anyway.
constexpr std::uint64_t kMaxPictureFileBytes = 256ULL << 20;

// The bytes of a picture file. Throws EPictureError: " Die Datei <path>
// existiert nicht" when nothing is there, else naming the file and the
// reason (no regular file, unreadable, too large).
QByteArray ReadPictureBytes(const std::string& path);

// Decodes a JPEG file (greyscale, RGB, CMYK and Adobe-inverted CMYK) into an
// RGB image. A missing, corrupt, truncated or oversized file throws
// EPictureError; libjpeg never ends the program.
QImage ReadJpegFile(const std::string& path);

}  // namespace quorvel
