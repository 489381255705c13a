#pragma once

// The independent decoder (zxing-cpp) on plain grey pixels, without Qt, for
// the test programs of the encoder libraries.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::test {

// 8-bit grey pixels, row after row, white until drawn on.
struct TGreyImage {
  TGreyImage(int width, int height) : Width(width), Height(height), Pixels(std::size_t(width) * height, 255) {}
  // Blackens [left, right) x [top, bottom).
  void FillBlack(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) Pixels[std::size_t(y) * Width + x] = 0;
  }

  int Width;
  int Height;
  std::vector<std::uint8_t> Pixels;
};

// Grey pixels owned elsewhere, rows stride bytes apart.
struct TGreyView {
  const std::uint8_t* Data;
  int Width;
  int Height;
  int Stride;
};

// What the decoder read from an image.
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

std::vector<TDecoded> Decode(const TGreyView& image, const TDecodeOptions& options = {});
// The one symbol decoded, or an empty Text with Format "none".
TDecoded DecodeOne(const TGreyView& image, const TDecodeOptions& options = {});

inline TGreyView View(const TGreyImage& image) { return {image.Pixels.data(), image.Width, image.Height, image.Width}; }
inline TDecoded DecodeOne(const TGreyImage& image, const TDecodeOptions& options = {}) {
  return DecodeOne(View(image), options);
}

}  // namespace quorvel::test
