#include <gtest/gtest.h>

#include "barcode/BarCodeValidation.h"
#include "barcode/CheckDigits.h"

namespace quorvel {
namespace {

using enum TTypBarCode;
using enum TLastPaintError;

TEST(CheckDigitTest, EanAndIsbnCheckCharacters) {
  EXPECT_EQ(Ean13CheckDigit("977121010700"), '1');
  EXPECT_EQ(Ean13CheckDigit("491234567890"), '4');
  EXPECT_EQ(Ean13CheckDigit("978807226102"), '4');
  EXPECT_EQ(Ean8CheckDigit("1234567"), '0');
  EXPECT_EQ(Ean8CheckDigit("4912345"), '6');
  EXPECT_EQ(Isbn10CheckChar("80-7226-102-"), '9');
  EXPECT_EQ(Isbn10CheckChar("0-8044-2957-"), 'X');  // r = 10
  char stray = Ean13CheckDigit("  ~~  ~~  ~~");
  EXPECT_TRUE(stray >= '0' && stray <= '9');
}

TEST(CheckDigitTest, ConversionsForTheEan13Encoder) {
  EXPECT_EQ(IsbnConversion("80-7226-102-9"), "9788072261024");
  EXPECT_EQ(IsbnConversion("80-7226-102-9 12"), "9788072261024 12");
  EXPECT_EQ(JanConversion("49-1234567890"), "4912345678904");
  EXPECT_EQ(JanConversion("4912345678900"), "4912345678904");
}

struct TCompletion {
  TTypBarCode Type;
  const char* Value;
  const char* Stored;
};

TEST(CheckDigitTest, CompletionStoresTheCheckDigit) {
  const TCompletion cases[] = {
      {bcEan13, "977121010700", "9771210107001"},
      {bcEan13, "9771210107009", "9771210107001"},
      {bcEan13, "9771210107009 12", "9771210107001 12"},
      {bcEan13, "97712101", "97712101"},
      {bcEan8, "1234567", "12345670"},
      {bcEan8, "12345678", "12345670"},
      {bcJAN8, "1234567", "49345674"},  // 49 replaces the first two digits; then 7 digits gain the check digit
      {bcJAN8, "49123456", "49123456"},
      {bcJAN13, "491234567890", "4912345678904"},
      {bcJAN13, "1212345678901", "4912345678904"},
      {bcISBN, "80-7226-102", "80-7226-102-9"},
      {bcISBN, "807226102", "807226102"},
      {bcCode39Standard, "LABEL", "LABEL"},
      {bcCodabar, "A0123+-$/:68A", "A0123+-$/:68A"},
  };
  for (const TCompletion& c : cases) {
    SCOPED_TRACE(c.Value);
    EXPECT_EQ(CompleteCheckDigit(c.Type, c.Value), c.Stored);
  }
}

struct TValidationCase {
  TTypBarCode Type;
  std::string Value;
  TLastPaintError Error;
  int Position;    // 0: not set
  std::string Char;  // UTF-8; empty: not set
};

template <std::size_t N>
void ExpectValidations(const TValidationCase (&cases)[N]) {
  for (const TValidationCase& c : cases) {
    SCOPED_TRACE(c.Value);
    TValidation v = ValidateBarCode(c.Type, c.Value);
    EXPECT_EQ(v.Error, c.Error);
    EXPECT_EQ(v.ErrorPosition, c.Position);
    EXPECT_EQ(v.ErrorChar, c.Char);
  }
}

TEST(ValidationTest, EveryRuleWithItsErrorAndPosition) {
  const TValidationCase cases[] = {
      {bcEan13, "", erEmptyCode, 0, ""},
      {bcCode11, "", erEmptyCode, 0, ""},
      {bcEan13, "9771210107001", erOK, 0, ""},
      {bcEan13, "977121010700", erOK, 0, ""},
      {bcEan13, "9771210107001 12", erOK, 0, ""},
      {bcEan13, "9771210107001 12345", erOK, 0, ""},
      {bcEan13, "9771210107001A12", erCharMustBeSpace, 14, ""},
      {bcEan13, "977121010700112", erBarcodeLengthInvalid, 0, ""},
      {bcEan13, "9771210107001512", erCharMustBeSpace, 14, ""},
      {bcEan13, "9771210107001 1A345", erCharOutOfSet, 15, "A"},
      {bcEan13, "9771210107001 12A", erBarcodeLengthInvalid, 0, ""},
      {bcEan13, "97712101070A1", erCharOutOfSet, 12, "A"},
      {bcEan13, "977121010700A", erOK, 0, ""},  // the check digit is computed in place
      {bcJAN13, "49123456789x4", erCharOutOfSet, 12, "x"},
      {bcEan8, "1234567", erOK, 0, ""},
      {bcEan8, "12345670 12", erOK, 0, ""},
      {bcEan8, "12345670-12", erCharMustBeSpace, 9, ""},
      {bcEan8, "123456", erBarcodeLengthInvalid, 0, ""},
      {bcEan8, "12345670 12345", erOK, 0, ""},
      {bcJAN8, "4912345B", erOK, 0, ""},
      {bcISBN, "80-7226-102-9", erOK, 0, ""},
      {bcISBN, "80-7226-102-X", erOK, 0, ""},
      {bcISBN, "80-7226-102-9 12", erOK, 0, ""},
      {bcISBN, "80-7226-102-9-12", erCharMustBeSpace, 11, ""},
      {bcISBN, "80-7226-102", erBarcodeLengthInvalid, 0, ""},
      {bcISBN, "8A-7226-102-9", erCharOutOfSet, 2, "A"},
      {bcISBN, "80-7226-102-9 1A", erCharOutOfSet, 11, "A"},
      {bc25Interleaved, "12345", erCountCharMustBeEven, 0, ""},
      {bc25Interleaved, "12A4", erCharOutOfSet, 3, "A"},
      {bc25Interleaved, "12A", erCharOutOfSet, 3, "A"},  // the character test comes first
      {bc25Interleaved, "123456", erOK, 0, ""},
      {bc25Industrial, "12345", erOK, 0, ""},
      {bcCode11, "12-34", erOK, 0, ""},
      {bcCode11, "12+34", erCharOutOfSet, 3, "+"},
      {bcCode39Standard, "LA*BEL", erOK, 0, ""},
      {bcCode39Standard, "label", erCharOutOfSet, 1, "l"},
      {bcCode39Full, "label~", erOK, 0, ""},
      {bcCode39Full, "ab\x7F", erCharOutOfSet, 3, "\x7F"},
      {bcCode39Full, "a\tb", erCharOutOfSet, 2, "\t"},
      {bcCode39Full, "€", erOK, 0, ""},
      {bcCode128, "Hello é", erOK, 0, ""},
      {bcCode128, "Grüß", erCharOutOfSet, 3, "ü"},
      // Beyond Windows-1252 no symbology goes; positions count characters, not bytes.
      {bcCode128, "Łódź", erCharOutOfSet, 1, "Ł"},
      {bcCode39Full, "€é你好", erCharOutOfSet, 3, "你"},
      {bcEan128, "Grüße \xFF", erCharOutOfSet, 7, "\uFFFD"},
      {bcPDF417, "Dvořák", erCharOutOfSet, 4, "ř"},
      {bcEan128, "EAN 128", erOK, 0, ""},
      {bcPDF417, "anything ä", erOK, 0, ""},
      {bcUPCA, "123", erCharOutOfSet, 1, "1"},
  };
  ExpectValidations(cases);
}

// A value that brings its own start and stop has letters at both ends and
// nowhere else; a value without them has no letters at all.
TEST(ValidationTest, CodabarStartAndStopLettersOnlyAtBothEnds) {
  const TValidationCase cases[] = {
      {bcCodabar, "A0123+-$/:68A", erOK, 0, ""},
      {bcCodabar, "B123D", erOK, 0, ""},
      {bcCodabar, "0123+-$/:68", erOK, 0, ""},
      {bcCodabar, "AB", erOK, 0, ""},
      {bcCodabar, "12A34", erCharOutOfSet, 3, "A"},
      {bcCodabar, "A1234", erCharOutOfSet, 1, "A"},
      {bcCodabar, "1234C", erCharOutOfSet, 5, "C"},
      {bcCodabar, "A12B34A", erCharOutOfSet, 4, "B"},
      {bcCodabar, "D", erCharOutOfSet, 1, "D"},
      {bcCodabar, "A12E4A", erCharOutOfSet, 4, "E"},
  };
  ExpectValidations(cases);
}

}  // namespace
}  // namespace quorvel
