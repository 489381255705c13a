#include "barcode/TwoOfFiveEncoder.h"

#include <array>
#include <string>

#include "barcode/ElementPatterns.h"

namespace quorvel {
namespace {

// The five elements of each digit, two of them wide.
constexpr std::array<std::string_view, 10> k2of5 = {"NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",
                                                    "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};

std::string_view Elements(char digit) { return k2of5[digit - '0']; }

constexpr int kQuietModules = 10;

}  // namespace

TModuleString EncodeIndustrial2of5(std::string_view digits) {
  TModuleString symbol;
  std::string& modules = symbol.Modules;
  modules = "22022020";  // bars wide, wide, narrow
  symbol.Marks.LeftStart = static_cast<int>(modules.size()) + 1;
  for (char digit : digits)
    for (char element : Elements(digit)) {
      modules.append(ElementWidth(element), '1');
      modules += '0';
    }
  symbol.Marks.LeftEnd = static_cast<int>(modules.size()) - 1;
  modules += "2202022";  // bars wide, narrow, wide
  return symbol;
}

TModuleString EncodeInterleaved2of5(std::string_view digits) {
  TModuleString symbol;
  std::string& modules = symbol.Modules;
  modules.assign(kQuietModules, ' ');
  modules += "1010";
  symbol.Marks.LeftStart = static_cast<int>(modules.size()) + 1;
  for (size_t i = 0; i + 1 < digits.size(); i += 2) {
    std::string_view bars = Elements(digits[i]);
    std::string_view spaces = Elements(digits[i + 1]);
    for (size_t j = 0; j < bars.size(); ++j) {
      modules.append(ElementWidth(bars[j]), '1');
      modules.append(ElementWidth(spaces[j]), '0');
    }
  }
  symbol.Marks.LeftEnd = static_cast<int>(modules.size()) - 1;
  modules += "1101";
  modules.append(kQuietModules, ' ');
  return symbol;
}

}  // namespace quorvel
