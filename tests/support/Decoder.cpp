#include "support/Decoder.h"

#include <ZXing/ReadBarcode.h>

namespace quorvel::test {

std::vector<TDecoded> Decode(const QImage& image, const TDecodeOptions& options) {
  QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                        static_cast<int>(grey.bytesPerLine()));
  ZXing::DecodeHints hints;
  if (!options.Formats.empty()) hints.setFormats(ZXing::BarcodeFormatsFromString(options.Formats));
  hints.setTryHarder(options.TryHarder);
  hints.setTryRotate(options.TryRotate);
  hints.setTryCode39ExtendedMode(options.Code39Extended);
  hints.setReturnCodabarStartEnd(options.ReturnCodabarStartEnd);
  hints.setEanAddOnSymbol(options.EanAddOn ? ZXing::EanAddOnSymbol::Require : ZXing::EanAddOnSymbol::Ignore);
  hints.setIsPure(options.Pure);
  std::vector<TDecoded> decoded;
  for (const ZXing::Result& result : ZXing::ReadBarcodes(view, hints)) {
    if (!result.isValid()) continue;
    const ZXing::ByteArray& bytes = result.bytes();
    decoded.push_back({ZXing::ToString(result.format()), result.text(), std::string(bytes.begin(), bytes.end()),
                       result.symbologyIdentifier(), result.sequenceIndex(), result.sequenceSize(), result.ecLevel()});
  }
  return decoded;
}

TDecoded DecodeOne(const QImage& image, const TDecodeOptions& options) {
  std::vector<TDecoded> all = Decode(image, options);
  if (all.size() != 1) return {"none", {}, {}, {}, -1, -1, {}};
  return all.front();
}

}  // namespace quorvel::test
