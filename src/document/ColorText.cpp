#include "document/ColorText.h"

namespace quorvel {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

// The byte written as the two digits at `first` of the text.
int PairValue(std::string_view text, std::size_t first) {
  auto digit = [&](std::size_t i) { return i < text.size() ? DigitValue(text[i]) : 0; };
  return digit(first) * 16 + digit(first + 1);
}

}  // namespace

std::string set_farbe(TColor color) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (int part : {RedOf(color), GreenOf(color), BlueOf(color)}) {
    text += kDigits[part >> 4];
    text += kDigits[part & 0xF];
  }
  return text;
}

TColor back_farbe(std::string_view text) { return RGB(PairValue(text, 0), PairValue(text, 2), PairValue(text, 4)); }

}  // namespace quorvel
