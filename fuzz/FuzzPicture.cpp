// The JPEG and BMP readers; the first byte chooses which one reads the rest.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "platform/Errors.h"
#include "platform/JpegReader.h"
#include "platform/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool jpeg = data[0] & 1;
  const std::string path = quorvel::fuzz::WriteInputFile(data + 1, size - 1, jpeg ? ".jpg" : ".bmp");
  try {
    const QImage image = jpeg ? quorvel::ReadJpegFile(path) : quorvel::ReadBmpFile(path);
    if (static_cast<long long>(image.width()) * image.height() > quorvel::kMaxPicturePixels) __builtin_trap();
  } catch (const quorvel::EUserError&) {
  }
  return 0;
}
