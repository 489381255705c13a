#include <gtest/gtest.h>

#include <random>

#include "HandVectors.h"
#include "barcode/BarCodeEncoder.h"
#include "barcode/BarCodeInfo.h"
#include "barcode/CheckDigits.h"
#include "barcode/Code11Encoder.h"
#include "barcode/CodabarEncoder.h"
#include "barcode/Code39Encoder.h"
#include "barcode/EanEncoder.h"

namespace quorvel {
namespace {

using enum TTypBarCode;

TModuleString Encode(TTypBarCode type, const std::string& value, bool showLabels = true, bool autoCheck = true) {
  TEncodedBarCode encoded = EncodeBarCode(type, value, {showLabels, autoCheck});
  EXPECT_TRUE(encoded.Validation.Valid()) << value;
  return encoded.Symbol;
}

struct TShape {
  TTypBarCode Type;
  std::string Value;
  bool ShowLabels;
  bool AutoCheckDigit;
  size_t Modules;
  TTextMarks Marks;
};

TEST(EncoderTest, ModuleCountsAndTextMarks) {
  const TShape cases[] = {
      {bcEan13, "9771210107001", true, true, 103, {12, 52, 59, 99, 0}},
      {bcEan13, "9771210107001", false, true, 95, {4, 44, 51, 91, 0}},
      {bcEan13, "9771210107001 12", false, true, 125, {4, 44, 51, 91, 105}},
      {bcEan13, "9771210107001 12", true, true, 133, {12, 52, 59, 99, 113}},
      {bcEan13, "9771210107001 12345", false, true, 152, {4, 44, 51, 91, 105}},
      {bcJAN13, "4912345678904", true, true, 103, {12, 52, 59, 99, 0}},
      {bcISBN, "80-7226-102-9", true, true, 103, {12, 52, 59, 99, 0}},
      {bcEan8, "12345670", true, true, 67, {4, 30, 37, 63, 0}},
      {bcEan8, "12345670 12", true, true, 97, {4, 30, 37, 63, 77}},
      {bcJAN8, "49123456", true, true, 67, {4, 30, 37, 63, 0}},
      {bcCode128, "1234", true, true, 57, {12, 43, 0, 0, 0}},
      {bcCode128, "1234", true, false, 46, {12, 32, 0, 0, 0}},
      {bcCode128, "123", true, true, 68, {12, 54, 0, 0, 0}},
      {bcEan128, "0112345678901231", true, true, 134, {12, 120, 0, 0, 0}},
      {bcEan128, "EAN 128", true, true, 123, {12, 109, 0, 0, 0}},
      {bcCode39Standard, "LABEL", true, true, 90, {14, 77, 0, 0, 0}},
      {bcCode39Full, "a", true, true, 51, {14, 38, 0, 0, 0}},
      {bcCodabar, "A0123+-$/:68A", true, true, 144, {12, 133, 0, 0, 0}},
      {bcCodabar, "A0123+-$/:68A", true, false, 134, {12, 123, 0, 0, 0}},
      {bcCodabar, "0123", true, false, 11 + 4 * 10 + 10, {12, 50, 0, 0, 0}},
      {bcCode11, "123456", true, true, 79, {9, 71, 0, 0, 0}},
      {bc25Interleaved, "123456", true, true, 70, {15, 55, 0, 0, 0}},
      {bc25Industrial, "123456", true, true, 87, {9, 79, 0, 0, 0}},
  };
  for (const TShape& c : cases) {
    SCOPED_TRACE(c.Value);
    TModuleString symbol = Encode(c.Type, c.Value, c.ShowLabels, c.AutoCheckDigit);
    EXPECT_EQ(symbol.Modules.size(), c.Modules);
    EXPECT_EQ(symbol.Marks, c.Marks);
  }
}

TEST(EncoderTest, Ean13LayoutWithBlanksAndGuards) {
  std::string m = Encode(bcEan13, "9771210107001").Modules;
  EXPECT_EQ(m.substr(0, 8), std::string(8, ' '));
  EXPECT_EQ(m.substr(8, 3), "202");
  EXPECT_EQ(m.substr(53, 5), "02020");
  EXPECT_EQ(m.substr(100, 3), "202");
  EXPECT_EQ(m.find_first_of("2", 11), 54u);  // no guard bar among the left digits
}

// Number sets of ISO/IEC 15420, written out from the published tables.
constexpr const char* kSetA[] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                 "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr const char* kSetB[] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                 "0111001", "0000101", "0010001", "0001001", "0010111"};

TEST(EncoderTest, FirstDigitZeroPutsTheLeftHalfInSetA) {
  std::string m = Encode(bcEan13, "0012345678905", false).Modules;
  std::string expected;
  for (int d : {0, 1, 2, 3, 4, 5}) expected += kSetA[d];
  EXPECT_EQ(m.substr(3, 42), expected);
}

TEST(EncoderTest, AddOnParities) {
  std::string two = Encode(bcEan13, "9771210107001 12", false).Modules.substr(95);
  EXPECT_EQ(two, std::string("000000000X1011") + kSetA[1] + "01" + kSetA[2]);  // 12 mod 4 = 0: AA
  // 12345: s = 3(1+3+5) + 9(2+4) = 81, parity 1: BABAA
  std::string five = Encode(bcEan13, "9771210107001 12345", false).Modules.substr(95);
  EXPECT_EQ(five, std::string("000000000X1011") + kSetB[1] + "01" + kSetA[2] + "01" + kSetB[3] + "01" + kSetA[4] +
                      "01" + kSetA[5]);
}

TEST(EncoderTest, IsbnIsTheEan13OfItsConversion) {
  EXPECT_EQ(Encode(bcISBN, "80-7226-102-9").Modules, Encode(bcEan13, "9788072261024").Modules);
  EXPECT_EQ(Encode(bcISBN, "80-7226-102-9 12").Modules, Encode(bcEan13, "9788072261024 12").Modules);
  EXPECT_EQ(HumanReadableText(bcISBN, "80-7226-102-9"), "9788072261024");
  EXPECT_EQ(HumanReadableText(bcCode39Full, "a"), "a");
}

TEST(EncoderTest, StaleEanCheckDigitIsNeverEncoded) {
  EXPECT_EQ(Encode(bcEan13, "9771210107009").Modules, Encode(bcEan13, "9771210107001").Modules);
  EXPECT_EQ(Encode(bcEan8, "12345679").Modules, Encode(bcEan8, "12345670").Modules);
}

TEST(EncoderTest, Code128ChoosesOneCodeSet) {
  const std::string startB = "22020020000", startC = "22020022200", stop = "2200022202022";
  EXPECT_EQ(Encode(bcCode128, "1234").Modules.substr(0, 11), startC);
  EXPECT_EQ(Encode(bcCode128, "12A4").Modules.substr(0, 11), startB);
  EXPECT_EQ(Encode(bcCode128, "12345").Modules.substr(0, 11), startB);
  EXPECT_EQ(Encode(bcCode128, "1234").Modules.substr(44), stop);
  // 1234 with check 82: values 12, 34, 82 as written in ISO/IEC 15417.
  EXPECT_EQ(Encode(bcCode128, "1234").Modules.substr(11, 33), "10110011100" "10001011000" "10010011110");
  // 123 in set B: values 17, 18, 19, check (104 + 17 + 36 + 57) mod 103 = 8.
  EXPECT_EQ(Encode(bcCode128, "123").Modules.substr(11, 44),
            "10011100110" "11001110010" "11001011100" "10001100100");
  // EAN-128: FNC1 (102) first; 0112345678901231: 105 + 1*102 + 2*1 + 3*12 + ...
  EXPECT_EQ(Encode(bcEan128, "0112345678901231").Modules.substr(11, 11), "11110101110");
}

TEST(EncoderTest, Code39CarriesStarsInsideAndFullAsciiOnlyItsSequences) {
  const std::string star = "100101101101", plus = "100101001001", letterA = "110101001011";
  std::string m = Encode(bcCode39Standard, "LA*BEL").Modules;
  EXPECT_EQ(m.substr(13 + 2 * 13, 12), star);
  EXPECT_EQ(Code39FullAsciiSequence("a[! 0Z"), "+A%K/A 0Z");
  EXPECT_EQ(Code39FullAsciiSequence("/:;@`{~\x80"), "/O/Z%F%V%W%P%S%T");
  EXPECT_EQ(Code39FullAsciiSequence("-.$%*+"), "-./D/E/J/K");
  std::string full = Encode(bcCode39Full, "a").Modules;
  EXPECT_EQ(full, "2002022022020" + plus + "0" + letterA + "0" + "200202202202");
}

TEST(EncoderTest, CodabarStartStopAndCheckCharacter) {
  EXPECT_EQ(CodabarCheckChar("A0123+-$/:68A"), '1');  // s = 113
  const std::string startA = "20220020020", stopA = "2022002002";
  std::string own = Encode(bcCodabar, "A0123+-$/:68A").Modules;
  EXPECT_EQ(own.substr(0, 11), startA);
  EXPECT_EQ(own.substr(own.size() - 10), stopA);
  // The check character '1' stands just before the stop.
  EXPECT_EQ(own.substr(own.size() - 20, 10), "101011001" "0");
  std::string plain = Encode(bcCodabar, "0123", true, false).Modules;
  EXPECT_EQ(plain.substr(0, 11), startA);
  EXPECT_EQ(plain.substr(plain.size() - 10), stopA);
  // B and D as the value's own start and stop, written as guard bars.
  std::string bd = Encode(bcCodabar, "B12D", true, false).Modules;
  EXPECT_EQ(bd.substr(0, 11), "20020020220");
  EXPECT_EQ(bd.substr(bd.size() - 10), "2020022002");
}

TEST(EncoderTest, Code11WeightsCountFromTheRightWithoutRestart) {
  EXPECT_EQ(Code11CheckChar("123456"), '1');   // s = 56
  EXPECT_EQ(Code11CheckChar("1234561"), '1');  // s = 78
  EXPECT_EQ(Code11CheckChar("12345678901"), '3');  // first character weighs 11: s = 256
  EXPECT_EQ(Code11CheckChar("123456789013"), '8');  // s = 305
  EXPECT_EQ(Code11CheckChar("9"), '9');
  EXPECT_EQ(Code11CheckChar("-"), '-');  // 10 is written '-'
}

// Code 11 and 2 of 5 industrial have no decoder here: their symbols are
// checked against the published character tables, written out by hand.
TEST(EncoderTest, Code11MatchesThePublishedTable) {
  EXPECT_EQ(EncodeCode11("123456").Modules, test::kCode11Of123456);
  std::string dash = EncodeCode11("0-9").Modules;  // C: 3*0 + 2*10 + 9 = 29 -> 7; K: 4*0 + 3*10 + 2*9 + 7 = 55 -> 0
  EXPECT_EQ(dash, "2022002" "0" "101011" "0" "101101" "0" "110101" "0" "1010011" "0" "101011" "0" "2022002");
}

TEST(EncoderTest, Industrial2of5MatchesThePublishedTable) {
  EXPECT_EQ(Encode(bc25Industrial, "120").Modules, test::kIndustrialOf120);
}

TEST(EncoderTest, Interleaved2of5PairsBarsWithSpaces) {
  // 1 = WNNNW as bars, 2 = NWNNW as spaces.
  std::string m = Encode(bc25Interleaved, "12").Modules;
  EXPECT_EQ(m, std::string(10, ' ') + "1010" + "11" "0" "1" "00" "1" "0" "1" "0" "11" "00" + "1101" +
                   std::string(10, ' '));
  EXPECT_EQ(m.find('2'), std::string::npos);
}

TEST(EncoderTest, InvalidValuesGiveNoModules) {
  TEncodedBarCode encoded = EncodeBarCode(bc25Interleaved, "12345", {});
  EXPECT_EQ(encoded.Validation.Error, TLastPaintError::erCountCharMustBeEven);
  EXPECT_TRUE(encoded.Symbol.Modules.empty());
  EXPECT_EQ(encoded.Symbol.Marks, TTextMarks{});
  EXPECT_TRUE(EncodeBarCode(bcPDF417, "Quorvel", {}).Symbol.Modules.empty());
}

// Arbitrary bytes, mostly from the symbology's own set: a valid value
// always encodes, an invalid one never does, and completion keeps every
// value encodable or refused without ever reading past it.
TEST(EncoderTest, AnyValueIsEncodedOrRefusedCleanly) {
  std::mt19937 random(417);
  for (TTypBarCode type : OfferedBarCodes()) {
    if (type == bcPDF417) continue;
    std::string chars = GetBarCodeInfo(type).Chars + " -A\xE4";
    for (int n = 0; n < 2000; ++n) {
      std::string value(random() % 24, ' ');
      for (char& c : value) c = random() % 8 == 0 ? static_cast<char>(random() % 256) : chars[random() % chars.size()];
      for (const std::string& candidate : {value, CompleteCheckDigit(type, value)}) {
        TEncodedBarCode encoded = EncodeBarCode(type, candidate, {});
        ASSERT_EQ(encoded.Validation.Valid(), !encoded.Symbol.Modules.empty()) << candidate;
        ASSERT_EQ(encoded.Symbol.Modules.find_first_not_of("012 X"), std::string::npos);
      }
    }
  }
}

TEST(LabelMaskTest, OverlaysTheTextWhereTheMaskHasCharacters) {
  EXPECT_EQ(ApplyLabelMask("12345", "__X"), "12X45");
  EXPECT_EQ(ApplyLabelMask("12345", "ABCDEFGH"), "ABCDE");
  EXPECT_EQ(ApplyLabelMask("12345", ""), "12345");
  EXPECT_EQ(ApplyLabelMask("", "XYZ"), "");
}

}  // namespace
}  // namespace quorvel
