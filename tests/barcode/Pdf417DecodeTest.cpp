#include <gtest/gtest.h>

#include "barcode/Pdf417.h"
#include "support/GreyDecoder.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

using Mode = xbPDF417Mode;
using Level = xbPDF417ErrorCorrection;

constexpr int kModulePixels = 2, kRowPixels = 6, kQuietPixels = 20;

test::TGreyImage Draw(const std::vector<std::string>& rows) {
  test::TGreyImage image(int(rows.front().size()) * kModulePixels + 2 * kQuietPixels,
                         int(rows.size()) * kRowPixels + 2 * kQuietPixels);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t m = 0; m < rows[r].size(); ++m)
      if (rows[r][m] == '1') {
        int x = kQuietPixels + int(m) * kModulePixels, y = kQuietPixels + int(r) * kRowPixels;
        image.FillBlack(x, y, x + kModulePixels, y + kRowPixels);
      }
  return image;
}

struct TCase {
  std::string Name;
  std::string Value;
  xbPDF417Mode Mode = xbPDF417Mode::xbPDF417Alphanumeric;
  int Cols = 2;
  int Rows = 7;
  xbPDF417ErrorCorrection Level = xbPDF417ErrorCorrection::xbPDF417AutoEC;
  bool Truncated = false;
  std::string Content{};  // the bytes a reader must get; empty: the value itself
};

void PrintTo(const TCase& c, std::ostream* out) { *out << c.Name; }

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += char(b);
  return bytes;
}

std::string PrintableAscii() {
  std::string text = "\t\r\n";
  for (int b = 0x20; b <= 0x7E; ++b) text += char(b);
  return text;
}

std::vector<TCase> Cases() {
  std::vector<TCase> cases = {
      {"Abc", "ABC"},
      {"LowerAndMixed", "a1"},
      {"EveryTextCharacter", PrintableAscii(), Mode::xbPDF417Alphanumeric, 6},
      {"LabelText", "Quorvel Etikett Nr. 0815 / Charge A-17; Preis: 12,50 EUR (inkl. MwSt.) {ok} ~#1 @home"},
      {"RowsOnly", "Artikel 4711", Mode::xbPDF417Alphanumeric, 0, 7},
      {"TwentyColumns", "Artikel 4711", Mode::xbPDF417Alphanumeric, 0, 0},
      {"SixBytes", "\x01\x02\x03\xFD\xFE\xFF", Mode::xbPDF417Binary},
      {"SevenBytes", "\x01\x02\x03\xFD\xFE\xFF\x80", Mode::xbPDF417Binary},
      {"EveryByte", AllBytes(), Mode::xbPDF417AutoCode, 8},
      {"Hexadecimal", "48656c6C6F2", Mode::xbPDF417BinaryHex, 2, 7, Level::xbPDF417AutoEC, false, "\x04\x86\x56\xC6\xC6\xF2"},
      {"Numeric", "123", Mode::xbPDF417Numeric},
      {"NumericLeadingZeros", "000123", Mode::xbPDF417Numeric},
      {"NumericGroups", std::string(100, '9') + "0123456789", Mode::xbPDF417Numeric, 4},
      {"Truncated", "Artikel 4711", Mode::xbPDF417Alphanumeric, 3, 0, Level::xbPDF417AutoEC, true},
      {"Largest", std::string(1033, '\xA5'), Mode::xbPDF417Binary, 29},
      // Mixtures: text sub-modes crossed at every step, digits and text as bytes, numeric groups of 44.
      {"TextSubModes", "aB1;c D2!e\tF3#g\rh\n4$IJ kl 56 MN", Mode::xbPDF417Alphanumeric, 5},
      {"TextAndBytes", "Gr\xF6\xDF" "e XL; Preis 24,95 \x80; Lager 0815\x00\x01", Mode::xbPDF417Binary, 5},
      {"DigitsAsBytes", "0123456789012345678901234567890123456789", Mode::xbPDF417AutoCode, 5},
      {"Numeric44And45", std::string(44, '1') + std::string(45, '0'), Mode::xbPDF417Numeric, 5},
      {"TextTruncated", "Charge A-17; Preis: 12,50 EUR", Mode::xbPDF417Alphanumeric, 2, 0, Level::xbPDF417AutoEC, true},
      {"BytesTruncated", AllBytes(), Mode::xbPDF417Binary, 10, 0, Level::xbPDF417AutoEC, true},
      {"NumericTruncated", "40012345678905", Mode::xbPDF417Numeric, 1, 0, Level::xbPDF417AutoEC, true},
      // Shapes: columns 1 to 30, the fewest and the most rows.
      {"OneColumn", "Artikel 4711", Mode::xbPDF417Alphanumeric, 1},
      {"FiveColumns", "Artikel 4711", Mode::xbPDF417Alphanumeric, 5},
      {"TenColumns", "Artikel 4711", Mode::xbPDF417Alphanumeric, 10},
      {"ThirtyColumns", std::string(500, 'x'), Mode::xbPDF417Binary, 30},
      {"ThirtyColumnsTruncated", "Artikel 4711", Mode::xbPDF417Alphanumeric, 30, 0, Level::xbPDF417AutoEC, true},
      {"ThreeRows", "Artikel 4711", Mode::xbPDF417Alphanumeric, 0, 3},
      {"NinetyRows", std::string(300, 'x'), Mode::xbPDF417Binary, 0, 90},
      {"NinetyRowsTruncated", std::string(86, 'x'), Mode::xbPDF417Binary, 1, 0, Level::xbPDF417AutoEC, true},
  };
  // Every level, with and without the right row indicators.
  for (int level = 0; level <= 8; ++level)
    cases.push_back({"Level" + std::to_string(level), "Level " + std::to_string(level), Mode::xbPDF417Alphanumeric, 10, 0,
                     static_cast<Level>(int(Level::xbPDF417Error0) + level), level % 2 == 1});
  return cases;
}

class Pdf417DecodeTest : public ::testing::TestWithParam<TCase> {};

TEST_P(Pdf417DecodeTest, ZxingReadsWhatWeDraw) {
  const TCase& c = GetParam();
  TPdf417Options options;
  options.Mode = c.Mode;
  options.Cols = c.Cols;
  options.Rows = c.Rows;
  options.SecurityLevel = c.Level;
  options.Truncated = c.Truncated;
  TPdf417Symbol symbol = EncodePdf417(Utf8FromCp1252(c.Value), options);
  test::TDecodeOptions decode;
  decode.Formats = "PDF417";
  test::TDecoded decoded = test::DecodeOne(Draw(symbol.RowModules), decode);
  EXPECT_EQ(decoded.Format, "PDF417");
  EXPECT_EQ(decoded.Bytes, c.Content.empty() ? c.Value : c.Content);
  EXPECT_EQ(decoded.EcLevel, std::to_string(symbol.ErrorLevel));
}

INSTANTIATE_TEST_SUITE_P(Symbols, Pdf417DecodeTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.Name; });

}  // namespace
}  // namespace quorvel
