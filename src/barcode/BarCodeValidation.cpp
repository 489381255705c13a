#include "barcode/BarCodeValidation.h"

#include <algorithm>
#include <string>

#include "barcode/BarCodeInfo.h"
#include "barcode/CheckDigits.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

using enum TLastPaintError;

TValidation CharOutOfSet(size_t index, char c) {
  return {erCharOutOfSet, static_cast<int>(index) + 1, Utf8FromCp1252(std::string_view(&c, 1))};
}

// No symbology holds a character beyond Windows-1252; within it, each
// character is one byte, so the byte positions below are character positions.
TValidation CheckCodePage(std::string_view value) {
  std::u32string characters = CharactersOf(value);
  for (size_t i = 0; i < characters.size(); ++i)
    if (!Cp1252ByteOf(characters[i])) return {erCharOutOfSet, static_cast<int>(i) + 1, Utf8Of(characters[i])};
  return {};
}

TValidation CheckChars(std::string_view tested, const TBarCodeInfo& info) {
  for (size_t i = 0; i < tested.size(); ++i)
    if (!info.Accepts(tested[i])) return CharOutOfSet(i, tested[i]);
  return {};
}

// Characters [from, to) of a text, 1-based and clipped to it.
std::string_view Part(std::string_view text, size_t from, size_t to) {
  if (from > text.size()) return {};
  return text.substr(from - 1, std::min(to, text.size() + 1) - from);
}

struct TEanLayout {
  size_t CheckPosition;        // 13 or 8
  size_t Lengths[4];           // without check digit, plain, with 2- or 5-digit add-on
};

// EAN-13 and EAN-8 (and their JAN forms): the main digits with the check
// digit computed in place, a space, then an optional add-on.
TValidation ValidateEan(TTypBarCode type, std::string_view value, const TEanLayout& layout) {
  if (std::ranges::find(layout.Lengths, value.size()) == std::end(layout.Lengths)) return {erBarcodeLengthInvalid};
  std::string copy = CompleteCheckDigitOfBytes(layout.CheckPosition == 13 ? TTypBarCode::bcEan13 : TTypBarCode::bcEan8, value);
  size_t separator = layout.CheckPosition + 1;
  std::string tested = std::string(Part(copy, 1, separator)) + std::string(Part(copy, separator + 1, separator + 6));
  TValidation result = CheckChars(tested, GetBarCodeInfo(type));
  if (!result.Valid()) return result;
  if (value.size() > layout.CheckPosition && copy[separator - 1] != ' ')
    return {erCharMustBeSpace, static_cast<int>(separator)};
  return {};
}

TValidation ValidateIsbn(std::string_view value) {
  std::string digits(value);
  std::erase(digits, '-');
  if (digits.size() > 10 && digits[10] != ' ') return {erCharMustBeSpace, 11};
  if (digits.size() != 10 && digits.size() != 13 && digits.size() != 16) return {erBarcodeLengthInvalid};
  // The tenth character, the ISBN check character, may be anything.
  std::string tested = std::string(Part(digits, 1, 10)) + std::string(Part(digits, 12, 17));
  return CheckChars(tested, GetBarCodeInfo(TTypBarCode::bcISBN));
}

// A, B, C and D are start and stop characters: either both ends of the
// value are such letters (the value brings its own start and stop) or none
// is; anywhere else they would end the symbol early when read.
TValidation ValidateCodabar(std::string_view value) {
  const std::string& chars = GetBarCodeInfo(TTypBarCode::bcCodabar).Chars;
  size_t last = value.size() - 1;
  bool ownStartStop = value.size() >= 2 && IsCodabarStartStop(value.front()) && IsCodabarStartStop(value.back());
  for (size_t i = 0; i < value.size(); ++i) {
    char c = value[i];
    bool atEnd = i == 0 || i == last;
    if (chars.find(c) == std::string::npos || (IsCodabarStartStop(c) && !(ownStartStop && atEnd)))
      return CharOutOfSet(i, c);
  }
  return {};
}

TValidation ValidateCp1252(TTypBarCode type, std::string_view value) {
  switch (type) {
    case TTypBarCode::bcEan8:
    case TTypBarCode::bcJAN8: return ValidateEan(type, value, {8, {7, 8, 11, 14}});
    case TTypBarCode::bcEan13:
    case TTypBarCode::bcJAN13: return ValidateEan(type, value, {13, {12, 13, 16, 19}});
    case TTypBarCode::bcISBN: return ValidateIsbn(value);
    case TTypBarCode::bc25Interleaved: {
      TValidation result = CheckChars(value, GetBarCodeInfo(type));
      if (result.Valid() && value.size() % 2 != 0) return {erCountCharMustBeEven};
      return result;
    }
    case TTypBarCode::bcCodabar: return ValidateCodabar(value);
    case TTypBarCode::bcPDF417: return {};
    default: return CheckChars(value, GetBarCodeInfo(type));
  }
}

}  // namespace

bool IsCodabarStartStop(char c) { return c >= 'A' && c <= 'D'; }

TValidation ValidateBarCode(TTypBarCode type, std::string_view value) {
  if (value.empty()) return {erEmptyCode};
  if (TValidation outside = CheckCodePage(value); !outside.Valid()) return outside;
  return ValidateCp1252(type, Cp1252FromUtf8(value));
}

}  // namespace quorvel
