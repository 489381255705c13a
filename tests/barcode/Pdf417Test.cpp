#include <gtest/gtest.h>

#include <climits>

#include "barcode/Pdf417.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

using Mode = xbPDF417Mode;
using Level = xbPDF417ErrorCorrection;

TPdf417Options Options(Mode mode, int cols = 2, int rows = 7, Level level = Level::xbPDF417AutoEC) {
  TPdf417Options options;
  options.Mode = mode;
  options.Cols = cols;
  options.Rows = rows;
  options.SecurityLevel = level;
  return options;
}

// The data codewords: after the length descriptor, before the pads.
std::vector<int> DataOf(const TPdf417Symbol& symbol) {
  std::vector<int> data(symbol.Codewords.begin() + 1, symbol.Codewords.begin() + symbol.Codewords.front());
  while (!data.empty() && data.back() == 900) data.pop_back();
  return data;
}

std::vector<int> DataCodewords(std::string_view value, Mode mode) {
  return DataOf(EncodePdf417Codewords(Utf8FromCp1252(value), Options(mode, 30)));
}

std::string ErrorOf(std::string_view value, const TPdf417Options& options) {
  try {
    EncodePdf417Codewords(Utf8FromCp1252(value), options);
  } catch (const EPdf417Error& error) {
    return error.what();
  }
  return "no error";
}

TEST(Pdf417CharacterTest, RefusesTheFirstByteItsModeDoesNotAccept) {
  struct {
    xbPDF417Mode Mode;
    std::string Value;
    std::string Message;
  } cases[] = {
      {Mode::xbPDF417Alphanumeric, "ab\xE4" "c\xF6", "Bad char in PDF417, position 3, char : ä"},
      {Mode::xbPDF417Alphanumeric, "A\x1F", "Bad char in PDF417, position 2, char : \x1F"},
      {Mode::xbPDF417Alphanumeric, "\x7F", "Bad char in PDF417, position 1, char : \x7F"},
      {Mode::xbPDF417BinaryHex, "4G", "Bad char in PDF417, position 2, char : G"},
      {Mode::xbPDF417BinaryHex, "12 3", "Bad char in PDF417, position 3, char :  "},
      {Mode::xbPDF417Numeric, "12a", "Bad char in PDF417, position 3, char : a"},
      {Mode::xbPDF417Numeric, "-1", "Bad char in PDF417, position 1, char : -"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf(c.Value, Options(c.Mode)), c.Message);
    EXPECT_THROW(Pdf417MinWidth(Utf8FromCp1252(c.Value), Options(c.Mode)), EPdf417Error) << c.Message;
  }
}

TEST(Pdf417CharacterTest, AcceptsEveryByteItsModeAllows) {
  std::string text = "\t\n\r", every;
  for (int b = 0x20; b <= 0x7E; ++b) text += char(b);
  for (int b = 0; b < 256; ++b) every += char(b);
  EXPECT_NO_THROW(EncodePdf417Codewords(text, Options(Mode::xbPDF417Alphanumeric, 10)));
  EXPECT_NO_THROW(EncodePdf417Codewords(Utf8FromCp1252(every), Options(Mode::xbPDF417Binary, 10)));
  EXPECT_NO_THROW(EncodePdf417Codewords(Utf8FromCp1252(every), Options(Mode::xbPDF417AutoCode, 10)));
  EXPECT_NO_THROW(EncodePdf417Codewords("0123456789abcdefABCDEF", Options(Mode::xbPDF417BinaryHex)));
}

// Values derived by hand from the sub-mode tables and their latch and shift
// rules; each case takes one road between sub-modes.
TEST(Pdf417TextCompactionTest, LatchesAndShiftsBetweenSubModes) {
  struct {
    std::string Value;
    std::vector<int> Codewords;
  } cases[] = {
      {"ABC", {1, 89}},                       // 0 1 | 2 pad
      {"a1", {810, 841}},                     // ll a | ml 1
      {"A!B", {29, 301}},                     // A ps | ! B
      {"A!?", {28, 760, 779}},                // A ml | pl ! | ? pad
      {"A!", {29, 329}},                      // the last byte has no next byte: shift
      {"Ab", {27, 59}},                       // A ll | b pad
      {"aBc", {810, 811, 89}},                // ll a | as B | c pad
      {"aBC", {810, 868, 32}},                // ll a | ml al | B C
      {"a!b", {810, 880, 59}},                // ll a | ps ! | b pad
      {"a!?", {810, 865, 325}},               // ll a | ml pl | ! ?
      {"1A", {841, 840}},                     // ml 1 | al A
      {"1a", {841, 810}},                     // ml 1 | ll a
      {"1!2", {841, 880, 89}},                // ml 1 | ps ! | 2 pad
      {"1!?", {841, 760, 779}},               // ml 1 | pl ! | ? pad
      {"A!?B", {28, 760, 779, 59}},           // ... | ? al | B pad
      {"A!?b", {28, 760, 779, 811}},          // ... | ? al | ll b
      {"A!?1", {28, 760, 779, 841}},          // ... | ? al | ml 1
      {"A!? ", {28, 760, 779, 809}},          // space leaves Punctuation for Alpha
      {"A,", {28, 419}},                      // ',' is Mixed before Punctuation
      {"1,", {841, 419}},                     // and stays in Mixed
      {"A\n", {29, 479}},                     // line feed is Punctuation only
      {"a b", {810, 781}},                    // space exists in Lower
      {"12\t", {841, 72}},                    // tab exists in Mixed
  };
  for (const auto& c : cases) EXPECT_EQ(DataCodewords(c.Value, Mode::xbPDF417Alphanumeric), c.Codewords) << c.Value;
}

TEST(Pdf417ByteCompactionTest, GroupsSixBytesIntoFiveBase900Digits) {
  const std::string sixOnes(6, '\xFF');  // 2^48 - 1 = 429 11 71 222 855 in base 900
  struct {
    std::string Value;
    std::vector<int> Codewords;
  } cases[] = {
      {std::string("\0\0\0\0\x03\x84", 6), {924, 0, 0, 0, 1, 0}},  // 900
      {sixOnes, {924, 429, 11, 71, 222, 855}},
      {sixOnes + "A", {901, 429, 11, 71, 222, 855, 65}},
      {sixOnes + sixOnes, {924, 429, 11, 71, 222, 855, 429, 11, 71, 222, 855}},
      {"A", {901, 65}},
      {std::string(1, '\0'), {901, 0}},
      {"\xE4\x80", {901, 228, 128}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DataCodewords(c.Value, Mode::xbPDF417Binary), c.Codewords);
    EXPECT_EQ(DataCodewords(c.Value, Mode::xbPDF417AutoCode), c.Codewords);
  }
}

TEST(Pdf417ByteCompactionTest, ReadsHexadecimalPairsAsBytes) {
  struct {
    std::string Hex;
    std::vector<int> Codewords;
  } cases[] = {
      {"41", {901, 65}},
      {"F", {901, 15}},
      {"ff", {901, 255}},
      {"abc", {901, 10, 188}},  // 0A BC
      {"000000000384", {924, 0, 0, 0, 1, 0}},
      {"FFFFFFFFFFFF41", {901, 429, 11, 71, 222, 855, 65}},
  };
  for (const auto& c : cases) EXPECT_EQ(DataCodewords(c.Hex, Mode::xbPDF417BinaryHex), c.Codewords) << c.Hex;
}

TEST(Pdf417NumericCompactionTest, PutsALeadingOneBeforeEachGroupOf44Digits) {
  const std::string group = "12345678901234567890123456789012345678901234";
  // Base-900 digits of 1 followed by the 44 digits (worked out with Python's big integers).
  const std::vector<int> groupDigits = {491, 81, 137, 450, 302, 67, 15, 174, 492, 862, 667, 475, 869, 12, 434};
  std::vector<int> full{902}, twoGroups{902};
  full.insert(full.end(), groupDigits.begin(), groupDigits.end());
  twoGroups.insert(twoGroups.end(), groupDigits.begin(), groupDigits.end());
  twoGroups.push_back(15);  // "5" with its leading 1
  struct {
    std::string Digits;
    std::vector<int> Codewords;
  } cases[] = {
      {"123", {902, 1, 223}},          // 1123 = 1 * 900 + 223
      {"000123", {902, 1, 211, 223}},  // 1000123: leading zeros survive
      {"0", {902, 10}},
      {group, full},
      {group + "5", twoGroups},
  };
  for (const auto& c : cases) EXPECT_EQ(DataCodewords(c.Digits, Mode::xbPDF417Numeric), c.Codewords) << c.Digits;
}

TEST(Pdf417CodewordTest, AnEmptyValueHasNoDataCodewordsInAnyMode) {
  for (Mode mode : {Mode::xbPDF417Alphanumeric, Mode::xbPDF417Binary, Mode::xbPDF417BinaryHex, Mode::xbPDF417Numeric,
                    Mode::xbPDF417AutoCode}) {
    TPdf417Symbol symbol = EncodePdf417Codewords("", Options(mode));
    EXPECT_TRUE(DataOf(symbol).empty());
    EXPECT_EQ(symbol.Columns, 2);
    EXPECT_EQ(symbol.Rows, 5);  // 1 + 8 codewords, padded to 10
  }
}

TEST(Pdf417CodewordTest, AbcHasTwoDataCodewordsAndEightErrorCorrectionCodewords) {
  TPdf417Symbol symbol = EncodePdf417Codewords("ABC", Options(Mode::xbPDF417Alphanumeric));
  EXPECT_EQ(symbol.ErrorLevel, 2);
  ASSERT_EQ(symbol.Codewords.size(), 12u);  // 3 + 8, padded to a multiple of 2 columns
  EXPECT_EQ(symbol.Codewords[0], 4);        // descriptor counts itself, the data and the pad
  EXPECT_EQ(std::vector<int>(symbol.Codewords.begin(), symbol.Codewords.begin() + 4), (std::vector<int>{4, 1, 89, 900}));
}

TEST(Pdf417CodewordTest, ChoosesTheErrorCorrectionLevelFromTheCodewordCount) {
  // Binary values of 6q + r bytes give 5q + r data codewords after the latch
  // and the descriptor, so n = 5q + r + 2.
  struct {
    std::size_t Bytes;
    int N;
    int Level;
  } cases[] = {{45, 40, 2}, {46, 41, 3}, {189, 160, 3}, {190, 161, 4}, {381, 320, 4}, {382, 321, 5}};
  for (const auto& c : cases) {
    TPdf417Symbol symbol = EncodePdf417Codewords(std::string(c.Bytes, 'x'), Options(Mode::xbPDF417Binary, 30));
    EXPECT_EQ(symbol.ErrorLevel, c.Level) << c.Bytes;
    EXPECT_EQ(symbol.Codewords.size() - symbol.Codewords[0], std::size_t(2) << c.Level) << c.Bytes;
    EXPECT_GE(symbol.Codewords[0], c.N);
  }
  for (int level = 0; level <= 8; ++level) {
    auto chosen = static_cast<Level>(static_cast<int>(Level::xbPDF417Error0) + level);
    TPdf417Symbol symbol = EncodePdf417Codewords("ABC", Options(Mode::xbPDF417Alphanumeric, 30, 0, chosen));
    EXPECT_EQ(symbol.ErrorLevel, level);
    EXPECT_EQ(symbol.Codewords.size() - symbol.Codewords[0], std::size_t(2) << level);
  }
}

TEST(Pdf417ShapeTest, ColumnsDecideUnlessOnlyRowsAreGiven) {
  const std::string longText(120, 'A');  // 61 codewords, level 3: 77
  struct {
    std::string Value;
    int Cols, RowsOption;
    int Rows, Columns;
  } cases[] = {
      {"ABC", 2, 7, 6, 2},        // the designer's settings: Rows has no effect
      {longText, 2, 7, 39, 2},    // 77 padded to 78
      {"ABC", 0, 7, 7, 2},        // 11 padded to 14
      {longText, 0, 7, 7, 11},
      {"ABC", 0, 0, 3, 20},       // 20 columns; at least three rows
      {"ABC", -3, -4, 3, 20},
      {"ABC", -1, 7, 7, 2},
      {"ABC", 10, 0, 3, 10},      // 11 codewords would fill only 2 rows
      {"ABC", 0, 1, 3, 4},        // a row count below 3 becomes 3
      {"ABC", 5, 90, 3, 5},
      {"ABC", 1, 0, 11, 1},
  };
  for (const auto& c : cases) {
    TPdf417Symbol symbol = EncodePdf417Codewords(c.Value, Options(Mode::xbPDF417Alphanumeric, c.Cols, c.RowsOption));
    EXPECT_EQ(symbol.Rows, c.Rows) << c.Cols << " " << c.RowsOption;
    EXPECT_EQ(symbol.Columns, c.Columns) << c.Cols << " " << c.RowsOption;
    EXPECT_EQ(symbol.Codewords.size(), std::size_t(c.Rows * c.Columns));
    EXPECT_TRUE(symbol.RowModules.empty());
  }
}

TEST(Pdf417ShapeTest, MinWidthNeedsOnlyTheColumnCount) {
  struct {
    int Cols, Rows;
    bool Truncated;
    int Width;
  } cases[] = {{2, 7, false, 103}, {2, 7, true, 69}, {0, 0, false, 409}, {0, 0, true, 375}, {0, 7, false, 103}};
  for (const auto& c : cases) {
    TPdf417Options options = Options(Mode::xbPDF417Alphanumeric, c.Cols, c.Rows);
    options.Truncated = c.Truncated;
    EXPECT_EQ(Pdf417MinWidth("ABC", options), c.Width);
  }
}

TEST(Pdf417RowIndicatorTest, DescribeRowsLevelAndColumnsInTurn) {
  // 50 letters: 26 codewords, level 1 adds 4, padded to 32 in 4 columns: 8 rows.
  TPdf417Symbol symbol = EncodePdf417Codewords(
      std::string(50, 'A'), Options(Mode::xbPDF417Alphanumeric, 4, 0, Level::xbPDF417Error1));
  ASSERT_EQ(symbol.Rows, 8);
  // (r - 1) div 3 = 2; 3e + (r - 1) mod 3 = 4; c - 1 = 3; 30 more every three rows.
  const TPdf417RowIndicators expected[] = {{2, 3}, {4, 2}, {3, 4}, {32, 33}, {34, 32}, {33, 34}, {62, 63}, {64, 62}};
  for (int row = 0; row < symbol.Rows; ++row) {
    TPdf417RowIndicators indicators = Pdf417RowIndicators(symbol, row);
    EXPECT_EQ(indicators.Left, expected[row].Left) << row;
    EXPECT_EQ(indicators.Right, expected[row].Right) << row;
  }
}

// Run this under AddressSanitizer too: the refusals must come before any
// table or codeword storage is touched.
TEST(Pdf417LimitTest, RefusesSymbolsBeyondTheStandardsLimits) {
  const std::string tooLong = "PDF417: Der Wert ist zu lang, ein Symbol fasst hö" "chstens 928 Codewörter";
  struct {
    std::string Value;
    TPdf417Options Options;
    std::string Message;
  } cases[] = {
      {"ABC", Options(Mode::xbPDF417Alphanumeric, 31), "PDF417: 31 Spalten sind zu viele, möglich sind 1 bis 30"},
      {"ABC", Options(Mode::xbPDF417Alphanumeric, INT_MAX),
       "PDF417: 2147483647 Spalten sind zu viele, möglich sind 1 bis 30"},
      {"ABC", Options(Mode::xbPDF417Alphanumeric, 0, 91), "PDF417: 91 Zeilen sind zu viele, möglich sind 3 bis 90"},
      {"ABC", Options(Mode::xbPDF417Alphanumeric, INT_MIN, INT_MAX),
       "PDF417: 2147483647 Zeilen sind zu viele, möglich sind 3 bis 90"},
      {std::string(400, 'A'), Options(Mode::xbPDF417Alphanumeric, 2),  // 234 codewords: 117 rows
       "PDF417: Der Wert ist zu lang für ein Symbol mit 2 Spalten, es hätte mehr als 90 Zeilen oder 928 Codewörter"},
      {std::string(400, 'A'), Options(Mode::xbPDF417Alphanumeric, 0, 3),  // 78 columns
       "PDF417: Der Wert ist zu lang für ein Symbol mit 3 Zeilen, es hätte mehr als 30 Spalten oder 928 Codewörter"},
      {std::string(1027, 'x'), Options(Mode::xbPDF417Binary, 30),  // 858 + 64 = 922, padded to 930
       "PDF417: Der Wert ist zu lang für ein Symbol mit 30 Spalten, es hätte mehr als 90 Zeilen oder 928 Codewörter"},
      {std::string(1034, 'x'), Options(Mode::xbPDF417Binary, 29), tooLong},  // n = 864: level 6, 992 codewords
      {std::string(2700, '7'), Options(Mode::xbPDF417Numeric, 29), tooLong},  // 923 + 128
      {std::string(10'000'000, 'A'), Options(Mode::xbPDF417Alphanumeric, 29), tooLong},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf(c.Value, c.Options), c.Message) << c.Value.size();
    EXPECT_THROW(Pdf417MinWidth(Utf8FromCp1252(c.Value), c.Options), EPdf417Error);
  }
}

TEST(Pdf417LimitTest, EncodesTheLargestSymbols) {
  // n = 863 at level 5: 927 codewords, padded to 928 in 29 columns and 32 rows.
  TPdf417Symbol largest = EncodePdf417Codewords(Utf8FromCp1252(std::string(1033, '\xA5')), Options(Mode::xbPDF417Binary, 29));
  EXPECT_EQ(largest.Codewords.size(), 928u);
  EXPECT_EQ(largest.Rows, 32);
  EXPECT_EQ(largest.Codewords[0], 864);
  // Level 8: 416 + 512 codewords in 16 columns and 58 rows.
  TPdf417Symbol strongest = EncodePdf417Codewords(std::string(489, 'x'),
                                                  Options(Mode::xbPDF417Binary, 16, 0, Level::xbPDF417Error8));
  EXPECT_EQ(strongest.Codewords.size(), 928u);
  EXPECT_EQ(strongest.Rows, 58);
  // 74 + 16 codewords in 90 rows of one column.
  TPdf417Symbol tallest = EncodePdf417Codewords(std::string(86, 'x'), Options(Mode::xbPDF417Binary, 1));
  EXPECT_EQ(tallest.Rows, 90);
}

}  // namespace
}  // namespace quorvel
