#pragma once

#include <QImage>
#include <string>
#include <vector>

namespace quorvel::test {

// What the independent decoder (zxing-cpp) read from an image.
struct TDecoded {
  std::string Format;       // "EAN-13", "Code128", "QRCode", ...
  std::string Text;         // UTF-8 as zxing-cpp renders it
  std::string Bytes;        // the raw content bytes
  std::string SymbologyId;  // "]C1" and the like
  int SequenceIndex = -1;   // structured append
  int SequenceSize = -1;
  std::string EcLevel;
  // Where the decoder found the symbol: the bounding box of its corners in
  // image pixels (a scan line for linear symbols).
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TDecodeOptions {
  std::string Formats;       // e.g. "EAN-13|EAN-8"; empty: every format
  bool TryHarder = true;
  bool TryRotate = true;
  bool Code39Extended = false;
  bool ReturnCodabarStartEnd = false;
  bool EanAddOn = false;      // require and read a 2- or 5-digit add-on
  bool Pure = false;          // the image holds exactly one unrotated symbol
};

std::vector<TDecoded> Decode(const QImage& image, const TDecodeOptions& options = {});
// The one symbol decoded, or an empty Text with Format "none".
TDecoded DecodeOne(const QImage& image, const TDecodeOptions& options = {});

}  // namespace quorvel::test
