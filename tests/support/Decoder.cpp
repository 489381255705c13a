#include "support/Decoder.h"

namespace quorvel::test {
namespace {

template <typename Read>
auto OnGrey(const QImage& image, Read read) {
  QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  return read(TGreyView{grey.constBits(), grey.width(), grey.height(), static_cast<int>(grey.bytesPerLine())});
}

}  // namespace

std::vector<TDecoded> Decode(const QImage& image, const TDecodeOptions& options) {
  return OnGrey(image, [&](const TGreyView& view) { return Decode(view, options); });
}

TDecoded DecodeOne(const QImage& image, const TDecodeOptions& options) {
  return OnGrey(image, [&](const TGreyView& view) { return DecodeOne(view, options); });
}

}  // namespace quorvel::test
