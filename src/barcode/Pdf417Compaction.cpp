#include "barcode/Pdf417Compaction.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace quorvel {
namespace {

enum ESubMode { smAlpha, smLower, smMixed, smPunctuation, smCount };

// The characters of each text sub-mode by value; '\0' marks a value that is a
// latch or shift, not a character.
constexpr std::array<std::string_view, smCount> kSubModeCharacters = {
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ ",
    "abcdefghijklmnopqrstuvwxyz ",
    std::string_view("0123456789&\r\t,:#-.$/+%*=^\0 ", 27),
    ";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'",
};

// Latch and shift values, named after the sub-mode they are sent in.
constexpr int kAlphaLatchLower = 27, kAlphaLatchMixed = 28, kAlphaShiftPunctuation = 29;
constexpr int kLowerShiftAlpha = 27, kLowerLatchMixed = 28, kLowerShiftPunctuation = 29;
constexpr int kMixedLatchPunctuation = 25, kMixedLatchLower = 27, kMixedLatchAlpha = 28, kMixedShiftPunctuation = 29;
constexpr int kPunctuationLatchAlpha = 29;
constexpr int kTextPad = 29;

// kSubModeValue[mode][byte]: the byte's value in the sub-mode, -1 if it has none.
constexpr auto kSubModeValue = [] {
  std::array<std::array<std::int8_t, 256>, smCount> table{};
  for (int mode = 0; mode < smCount; ++mode) {
    table[mode].fill(-1);
    std::string_view characters = kSubModeCharacters[mode];
    for (std::size_t value = 0; value < characters.size(); ++value)
      if (characters[value] != '\0') table[mode][static_cast<unsigned char>(characters[value])] = static_cast<std::int8_t>(value);
  }
  return table;
}();

int Value(ESubMode mode, int byte) { return byte < 0 ? -1 : kSubModeValue[mode][byte]; }
bool In(ESubMode mode, int byte) { return Value(mode, byte) >= 0; }

// Emits the values for one byte (next: the following byte, -1 after the
// last) and returns the sub-mode that is current afterwards.
ESubMode AppendTextByte(ESubMode mode, int byte, int next, std::vector<int>& values) {
  auto put = [&](std::initializer_list<int> switches, ESubMode valueIn, ESubMode after) {
    values.insert(values.end(), switches);
    values.push_back(Value(valueIn, byte));
    return after;
  };
  if (In(mode, byte)) return put({}, mode, mode);
  switch (mode) {
    case smAlpha:
      if (In(smMixed, byte)) return put({kAlphaLatchMixed}, smMixed, smMixed);
      if (In(smPunctuation, byte))
        return In(smPunctuation, next) ? put({kAlphaLatchMixed, kMixedLatchPunctuation}, smPunctuation, smPunctuation)
                                       : put({kAlphaShiftPunctuation}, smPunctuation, smAlpha);
      return put({kAlphaLatchLower}, smLower, smLower);
    case smLower:
      if (In(smAlpha, byte))
        return In(smAlpha, next) ? put({kLowerLatchMixed, kMixedLatchAlpha}, smAlpha, smAlpha)
                                 : put({kLowerShiftAlpha}, smAlpha, smLower);
      if (In(smMixed, byte)) return put({kLowerLatchMixed}, smMixed, smMixed);
      return In(smPunctuation, next) ? put({kLowerLatchMixed, kMixedLatchPunctuation}, smPunctuation, smPunctuation)
                                     : put({kLowerShiftPunctuation}, smPunctuation, smLower);
    case smMixed:
      if (In(smAlpha, byte)) return put({kMixedLatchAlpha}, smAlpha, smAlpha);
      if (In(smLower, byte)) return put({kMixedLatchLower}, smLower, smLower);
      return In(smPunctuation, next) ? put({kMixedLatchPunctuation}, smPunctuation, smPunctuation)
                                     : put({kMixedShiftPunctuation}, smPunctuation, smMixed);
    default:  // smPunctuation: every way out passes through Alpha
      if (In(smAlpha, byte)) return put({kPunctuationLatchAlpha}, smAlpha, smAlpha);
      if (In(smLower, byte)) return put({kPunctuationLatchAlpha, kAlphaLatchLower}, smLower, smLower);
      return put({kPunctuationLatchAlpha, kAlphaLatchMixed}, smMixed, smMixed);
  }
}

// Base-900 digits of a decimal number, most significant first, by repeated
// long division of its decimal digits.
void AppendBase900(std::vector<int> decimal, std::vector<int>& codewords) {
  std::vector<int> digits;
  while (!decimal.empty()) {
    std::vector<int> quotient;
    int remainder = 0;
    for (int digit : decimal) {
      remainder = remainder * 10 + digit;
      if (!quotient.empty() || remainder >= 900) quotient.push_back(remainder / 900);
      remainder %= 900;
    }
    digits.push_back(remainder);
    decimal = std::move(quotient);
  }
  codewords.insert(codewords.end(), digits.rbegin(), digits.rend());
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

constexpr int kLatchByte = 901, kLatchByteSix = 924, kLatchNumeric = 902;
constexpr std::size_t kByteGroup = 6, kByteGroupCodewords = 5, kNumericGroup = 44;

}  // namespace

void AppendPdf417Text(std::string_view text, std::vector<int>& codewords) {
  std::vector<int> values;
  ESubMode mode = smAlpha;
  for (std::size_t i = 0; i < text.size(); ++i) {
    int next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : -1;
    mode = AppendTextByte(mode, static_cast<unsigned char>(text[i]), next, values);
  }
  if (values.size() % 2 != 0) values.push_back(kTextPad);
  for (std::size_t i = 0; i < values.size(); i += 2) codewords.push_back(30 * values[i] + values[i + 1]);
}

void AppendPdf417Bytes(std::string_view bytes, std::vector<int>& codewords) {
  codewords.push_back(bytes.size() % kByteGroup == 0 ? kLatchByteSix : kLatchByte);
  std::size_t grouped = bytes.size() - bytes.size() % kByteGroup;
  for (std::size_t start = 0; start < grouped; start += kByteGroup) {
    std::uint64_t number = 0;
    for (std::size_t i = start; i < start + kByteGroup; ++i) number = (number << 8) | static_cast<unsigned char>(bytes[i]);
    std::array<int, kByteGroupCodewords> digits{};
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
      *digit = static_cast<int>(number % 900);
      number /= 900;
    }
    codewords.insert(codewords.end(), digits.begin(), digits.end());
  }
  for (std::size_t i = grouped; i < bytes.size(); ++i) codewords.push_back(static_cast<unsigned char>(bytes[i]));
}

void AppendPdf417Numeric(std::string_view digits, std::vector<int>& codewords) {
  codewords.push_back(kLatchNumeric);
  for (std::size_t start = 0; start < digits.size(); start += kNumericGroup) {
    std::vector<int> decimal{1};
    for (char digit : digits.substr(start, kNumericGroup)) decimal.push_back(digit - '0');
    AppendBase900(std::move(decimal), codewords);
  }
}

std::string Pdf417BytesFromHex(std::string_view hex) {
  std::string bytes;
  std::size_t i = 0;
  if (hex.size() % 2 != 0) bytes.push_back(static_cast<char>(HexDigit(hex[i++])));
  for (; i < hex.size(); i += 2) bytes.push_back(static_cast<char>(HexDigit(hex[i]) << 4 | HexDigit(hex[i + 1])));
  return bytes;
}

}  // namespace quorvel
