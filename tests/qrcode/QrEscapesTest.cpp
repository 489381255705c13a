#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "QrTestSupport.h"
#include "qrcode/QrEncoder.h"
#include "qrcode/QrEscapes.h"

namespace quorvel {
namespace {

using enum TQrMode;

struct TEscapeCase {
  std::string Text;
  int ErrorPosition;
  int EscBits = 0;
  int EscCharCount = 0;
  std::string Data = {};
};

TEST(QrEscapesTest, SyntaxBitsAndCharacters) {
  const std::vector<TEscapeCase> cases = {
      {"a\\gb", 0, 0, 3, "a\x1D" "b"},
      {"a\\\\b", 0, 0, 3, "a\\b"},
      {"ab\\d12", 0, 0, 5, "ab\x1D" "12"},
      {"ab\\q", 4},   // the character after the backslash
      {"abc\\", 4},   // a lone backslash at the end
      {"\\s[1,2,99]abc", 0, 20, 3, "abc"},
      {"\\s[ 16 , 16 , 255 ]", 0, 20, 0, ""},
      {"\\s[0,2,1]x", 2},
      {"\\s[1,17,1]x", 2},
      {"\\s[3,2,1]x", 2},  // a symbol cannot be number 3 of 2
      {"\\s[1,2]x", 2},
      {"x\\s[1,2,3]", 3},
      {"\\e[26]abc", 0, 12, 3, "abc"},
      {"\\e[ 127 ]x", 0, 12, 1, "x"},
      {"\\e[128]x", 0, 20, 1, "x"},
      {"\\e[16383]x", 0, 20, 1, "x"},
      {"\\e[16384]x", 0, 28, 1, "x"},
      {"\\e[999999]x", 0, 28, 1, "x"},
      {"\\e[1000000]x", 2},
      {"\\e[26x", 2},
      {"\\e[-1]x", 2},
      {"ab\\e[26]cd", 0, 12, 4, "abcd"},
      {"\\f0123", 0, 4, 4, "0123"},
      {"\\t0123", 0, 4, 4, "0123"},
      {"\\fX", 2},
      {"\\tX", 2},
      {"\\f[A]xyz", 0, 12, 3, "xyz"},
      {"\\f[ 37 ]x", 0, 12, 1, "x"},
      {"\\f[256]x", 2},
      {"\\dA123", 0, 12, 3, "123"},
      {"\\d12abc", 0, 12, 3, "abc"},
      {"\\d1x", 2},
      {"\\s[1,2,3]\\e[26]\\f01", 0, 20 + 12 + 4, 2, "01"},
      // After the leading escapes an FNC1 escape is the byte 29.
      {"\\d12\\fX", 0, 12, 2, "\x1D" "X"},
      // Before any data a later "\f" must still look like FNC1.
      {"\\e[3]\\e[4]\\fX", 12},
      {"\\e[3]\\e[4]\\f1", 0, 24, 2, "\x1D" "1"},
  };
  for (const TEscapeCase& c : cases) {
    TQrEscapedText escaped = ParseQrEscapes(c.Text);
    EXPECT_EQ(escaped.ErrorPosition, c.ErrorPosition) << c.Text;
    if (c.ErrorPosition != 0) continue;
    EXPECT_EQ(escaped.EscBits, c.EscBits) << c.Text;
    EXPECT_EQ(escaped.EscCharCount, c.EscCharCount) << c.Text;
    EXPECT_EQ(QrUnescapedData(escaped), c.Data) << c.Text;
  }
}

TEST(QrEscapesTest, SegmentsAroundTheEscapes) {
  TQrSegmentOptions options;
  TQrEscapedText escaped = ParseQrEscapes("\\s[2,3,17]\\e[26]abc\\e[1000]1234");
  TQrSegmentation s = SegmentEscapedText(escaped, 1, options);
  ASSERT_EQ(s.Segments.size(), 5u);
  EXPECT_EQ(s.Segments[0], (TQrSegment{qmStructuredAppend, 10, ((1 * 16 + 2) << 8) | 17}));
  EXPECT_EQ(s.Segments[1], (TQrSegment{qmEci, 6, 26}));
  EXPECT_EQ(s.Segments[2], (TQrSegment{qmByte, 3, 0}));
  EXPECT_EQ(s.Segments[3], (TQrSegment{qmEci, 8, 1000}));
  EXPECT_EQ(s.Segments[4], (TQrSegment{qmNumeric, 4, 0}));
  EXPECT_EQ(s.BitCount, 20 + 12 + (12 + 24) + 20 + 28);

  // Nothing left after the leading escapes: they stay, with an empty numeric segment.
  TQrSegmentation empty = SegmentEscapedText(ParseQrEscapes("\\e[26]"), 1, options);
  ASSERT_EQ(empty.Segments.size(), 2u);
  EXPECT_EQ(empty.Segments[1], (TQrSegment{qmNumeric, 0, 0}));
  EXPECT_EQ(empty.BitCount, 12 + 14);
}

TEST(QrEscapesTest, StructuredAppendAndEciAddTheirBits) {
  TQrOptions options;
  options.AllowEscape = true;
  int plain = EncodeQrSymbol("HELLO", options).State.BitCount;
  EXPECT_EQ(EncodeQrSymbol("\\s[1,2,0]HELLO", options).State.BitCount, plain + 20);
  TQrSymbol eci = EncodeQrSymbol("\\e[26]HELLO", options);
  EXPECT_EQ(eci.State.BitCount, plain + 12);
  EXPECT_EQ(eci.State.Items[2], (TQrBitItem{26, 8}));
  EXPECT_EQ(EncodeQrSymbol("ab\\qc", options).Result, 4);
  // Without AllowEscape a backslash is a byte like any other.
  options.AllowEscape = false;
  EXPECT_EQ(EncodeQrSymbol("ab\\qc", options).Result, 0);
}

TEST(QrEscapesTest, ChecksumIsTheParityOfTheDataBytes) {
  int error = -1;
  EXPECT_EQ(QrChecksum("ab", false, error), 'a' ^ 'b');
  EXPECT_EQ(error, 0);
  EXPECT_EQ(QrChecksum("\\s[1,2,0]\\e[26]a\\gb\\e[3]c", true, error), 'a' ^ 29 ^ 'b' ^ 'c');
  EXPECT_EQ(QrChecksum("a\\q", true, error), 0);
  EXPECT_EQ(error, 3);
}

// ---- decoded by zxing-cpp ----

test::TDecoded DrawAndDecode(const std::string& text) {
  TBarcode2D_QRCode qr;
  qr.SetAllowEscape(true);
  qr.SetBarcode(text);
  return test::DecodeQr(test::DrawWithQuietZone(qr, 3));
}

TEST(QrEscapesTest, Gs1DataDecodesWithItsSymbologyIdentifier) {
  test::TDecoded decoded = DrawAndDecode("\\f0104012345678901\\g10ABC123");
  EXPECT_EQ(decoded.SymbologyId, "]Q3");
  EXPECT_EQ(decoded.Bytes, "0104012345678901\x1D" "10ABC123");
}

TEST(QrEscapesTest, FnC1InSecondPositionDecodesWithItsIdentifier) {
  test::TDecoded decoded = DrawAndDecode("\\d37ABC");
  EXPECT_EQ(decoded.SymbologyId, "]Q5");
  EXPECT_EQ(decoded.Bytes.substr(decoded.Bytes.size() - 3), "ABC");
}

// zxing-cpp reads the ECI into the character set of the text that follows:
// ECI 7 is ISO 8859-5, where 0xD0 and 0xD1 are the Cyrillic "ab".
TEST(QrEscapesTest, EciDecodesIntoItsCharacterSet) {
  EXPECT_EQ(DrawAndDecode("\\e[7]\xD0\xD1").Text, "\xD0\xB0\xD0\xB1");
  EXPECT_EQ(DrawAndDecode("ab\\e[7]\xD0\xD1").Text, "ab\xD0\xB0\xD0\xB1");
  EXPECT_EQ(DrawAndDecode("\\e[26]Gr\xC3\xBC\xC3\x9F" "e").Text, "Gr\xC3\xBC\xC3\x9F" "e");
}

TEST(QrEscapesTest, StructuredAppendDecodesWithItsSequence) {
  TBarcode2D_QRCode qr;
  int error = 0;
  std::string message = "Quorvel in zwei Teilen";
  int parity = qr.Checksum(message, false, error);
  std::string parts[2] = {message.substr(0, 11), message.substr(11)};
  for (int i = 0; i < 2; ++i) {
    test::TDecoded decoded =
        DrawAndDecode("\\s[" + std::to_string(i + 1) + ",2," + std::to_string(parity) + "]" + parts[i]);
    EXPECT_EQ(decoded.SequenceIndex, i);
    EXPECT_EQ(decoded.SequenceSize, 2);
    EXPECT_EQ(decoded.Bytes, parts[i]);
  }
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// Any text, escapes allowed or not, either encodes to a symbol that reads
// back as its data or is refused with a position inside the text.
TEST(QrEscapesTest, RandomTextsEncodeOrAreRefusedCleanly) {
  static const std::string kAlphabet = "\\\\\\[]],, 0123456789sefdtgqAZaz";
  std::mt19937 random(815);
  std::uniform_int_distribution<int> length(0, 40), pick(0, static_cast<int>(kAlphabet.size()) - 1);
  int decoded = 0;
  for (int i = 0; i < 400; ++i) {
    std::string text(length(random), ' ');
    for (char& c : text) c = kAlphabet[pick(random)];
    TQrOptions options;
    options.AllowEscape = true;
    options.EncodePolicy = static_cast<TQRCode_EncodePolicy>(i % 3);
    TQrSymbol symbol = EncodeQrSymbol(text, options);
    if (symbol.Result != 0) {
      EXPECT_GE(symbol.Result, 1) << text;
      EXPECT_LE(symbol.Result, static_cast<int>(text.size())) << text;
      continue;
    }
    if (decoded++ >= 25) continue;
    TBarcode2D_QRCode qr;
    qr.SetAllowEscape(true);
    qr.SetEncodePolicy(options.EncodePolicy);
    qr.SetBarcode(text);
    test::TDecoded result = test::DecodeQr(test::DrawWithQuietZone(qr, 2));
    std::string data = QrUnescapedData(ParseQrEscapes(text));
    // zxing-cpp puts the AIM prefix of FNC1 in second position before the data.
    EXPECT_TRUE(result.Bytes.ends_with(data)) << text;
  }
  EXPECT_GT(decoded, 10);
}

}  // namespace
}  // namespace quorvel
