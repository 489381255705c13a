// Every symbology that zxing-cpp reads, drawn plainly from our module
// strings, must decode to the value it was given.
#include <gtest/gtest.h>

#include "ModuleImage.h"
#include "barcode/BarCodeEncoder.h"
#include "support/GreyDecoder.h"

namespace quorvel {
namespace {

using enum TTypBarCode;

struct TDecodeCase {
  TTypBarCode Type;
  std::string Value;
  std::string Format;
  std::string Expected;  // UTF-8, as zxing-cpp renders it
  test::TDecodeOptions Options = {};
  bool AutoCheckDigit = true;
};

test::TDecodeOptions Formats(std::string formats) {
  test::TDecodeOptions options;
  options.Formats = std::move(formats);
  return options;
}

test::TDecodeOptions WithAddOn() {
  test::TDecodeOptions options = Formats("EAN-13|EAN-8");
  options.EanAddOn = true;
  return options;
}

test::TDecodeOptions FullAscii() {
  test::TDecodeOptions options = Formats("Code39");
  options.Code39Extended = true;
  return options;
}

test::TDecodeOptions CodabarWithStartStop() {
  test::TDecodeOptions options = Formats("Codabar");
  options.ReturnCodabarStartEnd = true;
  return options;
}

std::string AllPrintableAscii() {
  std::string text;
  for (char c = 0x20; c <= 0x7E; ++c) text += c;
  return text;
}

std::string AllDigitPairs() {
  std::string text;
  for (int i = 0; i < 100; ++i) text += std::to_string(i / 10) + std::to_string(i % 10);
  return text;
}

TEST(DecodeTest, ModuleStringsDecodeToTheirValues) {
  const TDecodeCase cases[] = {
      {bcEan13, "9771210107001", "EAN-13", "9771210107001", Formats("EAN-13")},
      {bcEan13, "0012345678905", "EAN-13", "0012345678905", Formats("EAN-13")},
      {bcEan13, "5901234123457", "EAN-13", "5901234123457", Formats("EAN-13")},
      {bcEan13, "9771210107001 12", "EAN-13", "9771210107001 12", WithAddOn()},
      {bcEan13, "9771210107001 12345", "EAN-13", "9771210107001 12345", WithAddOn()},
      {bcEan8, "12345670", "EAN-8", "12345670", Formats("EAN-8")},
      {bcEan8, "12345670 07", "EAN-8", "12345670 07", WithAddOn()},
      {bcJAN13, "4912345678904", "EAN-13", "4912345678904", Formats("EAN-13")},
      {bcJAN8, "49123456", "EAN-8", "49123456", Formats("EAN-8")},
      {bcISBN, "80-7226-102-9", "EAN-13", "9788072261024", Formats("EAN-13")},
      {bcISBN, "3-16-148410-X", "EAN-13", "9783161484100", Formats("EAN-13")},
      {bcISBN, "80-7226-102-9 51234", "EAN-13", "9788072261024 51234", WithAddOn()},
      {bcCode128, "1234", "Code128", "1234", Formats("Code128")},                      // set C
      {bcCode128, AllDigitPairs(), "Code128", AllDigitPairs(), Formats("Code128")},    // every set C value
      {bcCode128, "123", "Code128", "123", Formats("Code128")},                        // set B
      {bcCode128, "12A4", "Code128", "12A4", Formats("Code128")},
      {bcCode128, AllPrintableAscii(), "Code128", AllPrintableAscii(), Formats("Code128")},
      {bcCode128, "ABý,B", "Code128", "AB1234", Formats("Code128")},  // CODE C placed by hand
      {bcCode128, "xšy", "Code128", "x\x7Fy", Formats("Code128")},     // DEL
      {bcEan128, "0112345678901231", "Code128", "0112345678901231", Formats("Code128")},
      {bcEan128, "EAN 128", "Code128", "EAN 128", Formats("Code128")},
      {bcCode39Standard, "LABEL", "Code39", "LABEL", Formats("Code39")},
      {bcCode39Standard, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", "Code39",
       "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", Formats("Code39")},
      {bcCode39Full, "a", "Code39", "a", FullAscii()},
      {bcCode39Full, "LABEL", "Code39", "LABEL", FullAscii()},
      {bcCode39Full, AllPrintableAscii(), "Code39", AllPrintableAscii(), FullAscii()},
      {bcCode39Full, "x€y", "Code39", "x\x7Fy", FullAscii()},
      {bc25Interleaved, "123456", "ITF", "123456", Formats("ITF")},
      {bc25Interleaved, "01234567890123456789", "ITF", "01234567890123456789", Formats("ITF")},
      {bcCodabar, "A0123+-$/:68A", "Codabar", "A0123+-$/:681A", CodabarWithStartStop()},
      {bcCodabar, "A0123+-$/:68A", "Codabar", "A0123+-$/:68A", CodabarWithStartStop(), false},
      {bcCodabar, "B40156D", "Codabar", "B401564D", CodabarWithStartStop()},  // 17+4+0+1+5+6+19 = 52 -> 4
      {bcCodabar, "0123456789-$:/.+", "Codabar", "A0123456789-$:/.+A", CodabarWithStartStop(), false},
      {bcCodabar, "31117013206375", "Codabar", "31117013206375", Formats("Codabar"), false},
  };
  for (const TDecodeCase& c : cases) {
    SCOPED_TRACE(c.Value);
    TEncodedBarCode encoded = EncodeBarCode(c.Type, c.Value, {true, c.AutoCheckDigit});
    ASSERT_TRUE(encoded.Validation.Valid());
    test::TDecoded decoded = test::DecodeOne(test::ModuleImage(encoded.Symbol.Modules), c.Options);
    EXPECT_EQ(decoded.Format, c.Format);
    EXPECT_EQ(decoded.Text, c.Expected);
  }
}

TEST(DecodeTest, Ean128IsReadAsGs1) {
  for (const char* value : {"0112345678901231", "EAN 128"}) {
    TEncodedBarCode encoded = EncodeBarCode(bcEan128, value, {});
    test::TDecoded decoded = test::DecodeOne(test::ModuleImage(encoded.Symbol.Modules), Formats("Code128"));
    EXPECT_EQ(decoded.SymbologyId, "]C1") << value;
  }
  TEncodedBarCode plain = EncodeBarCode(bcCode128, "0112345678901231", {});
  EXPECT_EQ(test::DecodeOne(test::ModuleImage(plain.Symbol.Modules), Formats("Code128")).SymbologyId, "]C0");
}

}  // namespace
}  // namespace quorvel
