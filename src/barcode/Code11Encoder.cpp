#include "barcode/Code11Encoder.h"

#include <array>

#include "barcode/ElementPatterns.h"

namespace quorvel {
namespace {

constexpr std::string_view kChars = "0123456789-";

// 3 bars and 2 spaces each, in the order of kChars.
constexpr std::array<const char*, 11> kCode11 = {"NNNNW", "WNNNW", "NWNNW", "WWNNN", "NNWNW", "WNWNN",
                                                 "NWWNN", "NNNWW", "WNNWN", "WNNNN", "NNWNN"};
constexpr const char* kStartStop = "NNWWN";

int Value(char c) { return static_cast<int>(kChars.find(c)); }

}  // namespace

char Code11CheckChar(std::string_view value) {
  int sum = 0;
  int weight = static_cast<int>(value.size());
  for (char c : value) sum += weight-- * Value(c);
  return kChars[sum % 11];
}

TModuleString EncodeCode11(std::string_view value) {
  std::string data(value);
  data += Code11CheckChar(data);
  data += Code11CheckChar(data);

  TModuleString symbol;
  std::string& modules = symbol.Modules;
  AppendWithGap(modules, kStartStop, '2');
  symbol.Marks.LeftStart = static_cast<int>(modules.size()) + 1;
  for (char c : data) AppendWithGap(modules, kCode11[Value(c)], '1');
  symbol.Marks.LeftEnd = static_cast<int>(modules.size()) - 1;
  AppendElements(modules, kStartStop, '2');
  return symbol;
}

}  // namespace quorvel
