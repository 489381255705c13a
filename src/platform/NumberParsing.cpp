#include "platform/NumberParsing.h"

#include <QLocale>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/Errors.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

[[noreturn]] void ThrowNotInteger(std::string_view text) {
  throw EConvertError(QuotedForMessage(text) + " ist kein gültiger Integerwert");
}

[[noreturn]] void ThrowNotFloat(std::string_view text) {
  throw EConvertError(QuotedForMessage(text) + " ist kein gültiger Gleitkommawert");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape sign? digits [sep digits] [e sign? digits] and returns the
// text with '.' as separator, or an empty string when the shape is wrong.
std::string NormalisedFloat(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) out += text[i++], ++digits;
  if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
    out += '.';
    ++i;
    while (i < text.size() && IsDigit(text[i])) out += text[i++], ++digits;
  }
  if (digits == 0) return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    out += text[i++];
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    std::size_t exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) out += text[i++], ++exponentDigits;
    if (exponentDigits == 0) return {};
  }
  return i == text.size() ? out : std::string();
}

}  // namespace

int StrToInt(std::string_view text) {
  std::string_view body = TrimBlanks(text);
  bool plus = !body.empty() && body.front() == '+';
  if (plus) body.remove_prefix(1);
  if (body.empty() || !(IsDigit(body.front()) || (!plus && body.front() == '-'))) ThrowNotInteger(text);
  int value = 0;
  auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (error != std::errc() || end != body.data() + body.size()) ThrowNotInteger(text);
  return value;
}

double StrToFloat(std::string_view text) {
  std::string normalised = NormalisedFloat(TrimBlanks(text));
  if (normalised.empty()) ThrowNotFloat(text);
  double value = 0;
  const char* first = normalised.data();
  if (*first == '+') ++first;
  auto [end, error] = std::from_chars(first, normalised.data() + normalised.size(), value);
  if (error != std::errc() || end != normalised.data() + normalised.size() || !std::isfinite(value))
    ThrowNotFloat(text);
  return value;
}

char UserDecimalSeparator() {
  QString point = QLocale::system().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

std::string FloatToStr(double value) {
  // to_chars and from_chars ignore the C locale, which Qt sets from the user's.
  char buffer[64];
  std::string text;
  for (int precision = 1; precision <= 15; ++precision) {
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    text.assign(buffer, result.ptr);
    double readBack = 0;
    std::from_chars(text.data(), text.data() + text.size(), readBack);
    if (readBack == value) break;
  }
  for (char& c : text)
    if (c == '.') c = UserDecimalSeparator();
  return text;
}

}  // namespace quorvel

namespace quorvel {

std::string FormatFixed(double value, int decimals) {
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  for (char& c : text)
    if (c == '.') c = UserDecimalSeparator();
  return text;
}

}  // namespace quorvel
