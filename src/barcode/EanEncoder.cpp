#include "barcode/EanEncoder.h"

#include <algorithm>
#include <array>
#include <string>

namespace quorvel {
namespace {

// Number set A (odd parity) of ISO/IEC 15420. Set C is its complement and
// set B the mirror image of set C, as the standard defines them.
constexpr std::array<std::string_view, 10> kSetA = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                                    "0110001", "0101111", "0111011", "0110111", "0001011"};

// Parity of the six left digits of EAN-13, chosen by the first digit.
constexpr std::array<std::string_view, 10> kFirstDigitParity = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                                                "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};

// Parity of a 5-digit add-on, chosen by its weighted sum mod 10.
constexpr std::array<std::string_view, 10> kFiveDigitParity = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                                               "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};

// Parity of a 2-digit add-on, chosen by its value mod 4.
constexpr std::array<std::string_view, 4> kTwoDigitParity = {"AA", "AB", "BA", "BB"};

int DigitValue(char c) { return std::clamp(c - '0', 0, 9); }

std::string DigitModules(char digit, char set) {
  std::string modules(kSetA[DigitValue(digit)]);
  if (set == 'A') return modules;
  for (char& m : modules) m = m == '1' ? '0' : '1';
  if (set == 'B') std::ranges::reverse(modules);
  return modules;
}

void AppendDigits(std::string& modules, std::string_view digits, std::string_view sets) {
  for (size_t i = 0; i < digits.size(); ++i) modules += DigitModules(digits[i], sets[i]);
}

int Length(const std::string& modules) { return static_cast<int>(modules.size()); }

// The two halves between guards; the marks frame the digits under them.
void AppendHalves(TModuleString& symbol, std::string_view left, std::string_view leftSets, std::string_view right) {
  std::string& modules = symbol.Modules;
  modules = "202";
  symbol.Marks.LeftStart = Length(modules) + 1;
  AppendDigits(modules, left, leftSets);
  symbol.Marks.LeftEnd = Length(modules) - 1;
  modules += "02020";
  symbol.Marks.RightStart = Length(modules) + 1;
  AppendDigits(modules, right, std::string(right.size(), 'C'));
  symbol.Marks.RightEnd = Length(modules) - 1;
  modules += "202";
}

std::string_view From(std::string_view value, size_t position) {
  return position <= value.size() ? value.substr(position - 1, 5) : std::string_view();
}

}  // namespace

TModuleString EncodeEan13(std::string_view value) {
  TModuleString symbol;
  if (value.size() < 13) return symbol;
  AppendHalves(symbol, value.substr(1, 6), kFirstDigitParity[DigitValue(value[0])], value.substr(7, 6));
  if (value.size() > 13) AppendAddOn(symbol, From(value, 15));
  return symbol;
}

TModuleString EncodeEan8(std::string_view value) {
  TModuleString symbol;
  if (value.size() < 8) return symbol;
  AppendHalves(symbol, value.substr(0, 4), "AAAA", value.substr(4, 4));
  if (value.size() > 8) AppendAddOn(symbol, From(value, 10));
  return symbol;
}

void AppendAddOn(TModuleString& symbol, std::string_view digits) {
  std::string& modules = symbol.Modules;
  modules.append(9, '0');
  symbol.Marks.AddOnStart = Length(modules) + 1;
  modules += "X1011";
  std::string_view sets;
  if (digits.size() == 2) {
    sets = kTwoDigitParity[(DigitValue(digits[0]) * 10 + DigitValue(digits[1])) % 4];
  } else if (digits.size() == 5) {
    int sum = 3 * (DigitValue(digits[0]) + DigitValue(digits[2]) + DigitValue(digits[4])) +
              9 * (DigitValue(digits[1]) + DigitValue(digits[3]));
    sets = kFiveDigitParity[sum % 10];
  } else {
    return;
  }
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0) modules += "01";
    modules += DigitModules(digits[i], sets[i]);
  }
}

}  // namespace quorvel
