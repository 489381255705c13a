#include "barcode/CodabarEncoder.h"

#include <array>
#include <string>

#include "barcode/BarCodeInfo.h"
#include "barcode/BarCodeValidation.h"
#include "barcode/ElementPatterns.h"

namespace quorvel {
namespace {

// 4 bars and 3 spaces each, in the order of the symbology's Chars
// "0123456789-$:/.+ABCD".
constexpr std::array<const char*, 20> kCodabar = {
    "NNNNNWW", "NNNNWWN", "NNNWNNW", "WWNNNNN", "NNWNNWN", "WNNNNWN", "NWNNNNW", "NWNNWNN", "NWWNNNN", "WNNWNNN",
    "NNNWWNN", "NNWWNNN", "WNNNWNW", "WNWNNNW", "WNWNWNN", "NNWNWNW", "NNWWNWN", "NWNWNNW", "NNNWNWW", "NNNWWWN",
};

const std::string& Chars() { return GetBarCodeInfo(TTypBarCode::bcCodabar).Chars; }

const char* Elements(char c) {
  size_t position = Chars().find(c);
  return position == std::string::npos ? "" : kCodabar[position];
}

}  // namespace

char CodabarCheckChar(std::string_view value) {
  size_t sum = 0;
  for (char c : value)
    if (size_t position = Chars().find(c); position != std::string::npos) sum += position;
  return Chars()[sum % 16];
}

TModuleString EncodeCodabar(std::string_view value, bool autoCheckDigit) {
  bool ownStartStop = value.size() >= 2 && IsCodabarStartStop(value.front()) && IsCodabarStartStop(value.back());
  char start = ownStartStop ? value.front() : 'A';
  char stop = ownStartStop ? value.back() : 'A';
  std::string data(ownStartStop ? value.substr(1, value.size() - 2) : value);
  if (autoCheckDigit) data += CodabarCheckChar(value);

  TModuleString symbol;
  std::string& modules = symbol.Modules;
  AppendWithGap(modules, Elements(start), '2');
  symbol.Marks.LeftStart = static_cast<int>(modules.size()) + 1;
  for (char c : data) AppendWithGap(modules, Elements(c), '1');
  symbol.Marks.LeftEnd = static_cast<int>(modules.size()) - 1;
  AppendElements(modules, Elements(stop), '2');
  return symbol;
}

}  // namespace quorvel
