#include "barcode/CheckDigits.h"

#include <algorithm>

#include "platform/TextCodec.h"

namespace quorvel {
namespace {

int DigitValue(char c) { return static_cast<unsigned char>(c) - '0'; }

// Mathematical modulo, so that stray bytes still give a digit.
int Modulo(int value, int divisor) { return ((value % divisor) + divisor) % divisor; }

// Weights alternate between firstWeight and the other of 1 and 3.
char WeightedCheckDigit(std::string_view digits, int firstWeight) {
  int sum = 0;
  int weight = firstWeight;
  for (char c : digits) {
    sum += weight * DigitValue(c);
    weight = 4 - weight;
  }
  return static_cast<char>('0' + Modulo(10 - Modulo(sum, 10), 10));
}

std::string WithoutDashes(std::string_view value) {
  std::string result(value);
  std::erase(result, '-');
  return result;
}

// A space after a value one short of its check digit; then the check digit
// at its place when the value reaches it.
std::string CompleteAt(std::string value, size_t checkPosition, char (*checkDigit)(std::string_view)) {
  if (value.size() == checkPosition - 1) value += ' ';
  if (value.size() >= checkPosition)
    value[checkPosition - 1] = checkDigit(std::string_view(value).substr(0, checkPosition - 1));
  return value;
}

std::string JanPrefixed(std::string_view value) {
  return "49" + std::string(value.substr(std::min<size_t>(2, value.size()), 20));
}

}  // namespace

char Ean13CheckDigit(std::string_view firstTwelve) { return WeightedCheckDigit(firstTwelve.substr(0, 12), 1); }

char Ean8CheckDigit(std::string_view firstSeven) { return WeightedCheckDigit(firstSeven.substr(0, 7), 3); }

char Isbn10CheckChar(std::string_view value) {
  std::string digits = WithoutDashes(value.substr(0, 12)).substr(0, 9);
  int sum = 0;
  for (size_t i = 0; i < digits.size(); ++i) sum += static_cast<int>(i + 1) * DigitValue(digits[i]);
  int check = Modulo(sum, 11);
  return check == 10 ? 'X' : static_cast<char>('0' + check);
}

std::string JanConversion(std::string_view value) { return CompleteAt(WithoutDashes(value), 13, Ean13CheckDigit); }

std::string IsbnConversion(std::string_view value) { return CompleteAt("978" + WithoutDashes(value), 13, Ean13CheckDigit); }

std::string CompleteCheckDigitOfBytes(TTypBarCode type, std::string_view value) {
  switch (type) {
    case TTypBarCode::bcEan8: return CompleteAt(std::string(value), 8, Ean8CheckDigit);
    case TTypBarCode::bcJAN8: return CompleteAt(JanPrefixed(value), 8, Ean8CheckDigit);
    case TTypBarCode::bcEan13: return CompleteAt(std::string(value), 13, Ean13CheckDigit);
    case TTypBarCode::bcJAN13: return CompleteAt(JanPrefixed(value), 13, Ean13CheckDigit);
    case TTypBarCode::bcISBN: {
      std::string isbn(value);
      if (isbn.size() == 11) isbn += "- ";
      return CompleteAt(std::move(isbn), 13, Isbn10CheckChar);
    }
    default: return std::string(value);
  }
}

std::string CompleteCheckDigit(TTypBarCode type, std::string_view value) {
  // A value beyond the code page is invalid in every symbology: left as it is.
  if (!FitsCp1252(value)) return std::string(value);
  return Utf8FromCp1252(CompleteCheckDigitOfBytes(type, Cp1252FromUtf8(value)));
}

}  // namespace quorvel
