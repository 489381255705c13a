#include "support/GreyDecoder.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>

namespace quorvel::test {

std::vector<TDecoded> Decode(const TGreyView& image, const TDecodeOptions& options) {
  ZXing::ImageView view(image.Data, image.Width, image.Height, ZXing::ImageFormat::Lum, image.Stride);
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
    TDecoded d{ZXing::ToString(result.format()), result.text(), std::string(bytes.begin(), bytes.end()),
               result.symbologyIdentifier(), result.sequenceIndex(), result.sequenceSize(), result.ecLevel()};
    const auto& corners = result.position();
    auto xs = std::minmax({corners[0].x, corners[1].x, corners[2].x, corners[3].x});
    auto ys = std::minmax({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
    d.Left = xs.first, d.Right = xs.second, d.Top = ys.first, d.Bottom = ys.second;
    decoded.push_back(std::move(d));
  }
  return decoded;
}

TDecoded DecodeOne(const TGreyView& image, const TDecodeOptions& options) {
  std::vector<TDecoded> all = Decode(image, options);
  if (all.size() != 1) return {"none", {}, {}, {}, -1, -1, {}};
  return all.front();
}

}  // namespace quorvel::test
