#include "barcode/Code128Encoder.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "barcode/BarCodeInfo.h"
#include "barcode/ElementPatterns.h"

namespace quorvel {
namespace {

// Bar and space widths of the symbol characters 0 to 105.
constexpr std::array<std::string_view, 106> kCode128 = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};
constexpr std::string_view kStop = "2331112";
constexpr int kStartB = 104;
constexpr int kStartC = 105;
constexpr int kFnc1 = 102;

bool AllDigits(std::string_view value) {
  return std::ranges::all_of(value, [](char c) { return c >= '0' && c <= '9'; });
}

// The symbol character value of each byte in code set B; -1 for bytes it
// does not hold. Made once from the symbology's character list.
const std::array<int, 256>& CodeSetBValues() {
  static const std::array<int, 256> values = [] {
    std::array<int, 256> table;
    table.fill(-1);
    const std::string& chars = GetBarCodeInfo(TTypBarCode::bcCode128).Chars;
    for (size_t position = chars.size(); position-- > 0;)  // the first position wins, as with find
      table[static_cast<unsigned char>(chars[position])] = static_cast<int>(position);
    return table;
  }();
  return values;
}

// The symbol character values of the data, in the code set chosen, with
// room for the FNC1 and check characters.
std::vector<int> DataValues(std::string_view value, bool codeSetC) {
  std::vector<int> values;
  values.reserve(value.size() + 2);
  if (codeSetC) {
    for (size_t i = 0; i + 1 < value.size(); i += 2) values.push_back((value[i] - '0') * 10 + (value[i + 1] - '0'));
  } else {
    const std::array<int, 256>& table = CodeSetBValues();
    for (char c : value)
      if (int v = table[static_cast<unsigned char>(c)]; v >= 0) values.push_back(v);
  }
  return values;
}

}  // namespace

TModuleString EncodeCode128(std::string_view value, bool ean128, bool autoCheckDigit) {
  bool codeSetC = value.size() % 2 == 0 && AllDigits(value);
  int start = codeSetC ? kStartC : kStartB;
  std::vector<int> values = DataValues(value, codeSetC);
  if (ean128) values.insert(values.begin(), kFnc1);
  if (autoCheckDigit) {
    // Kept modulo 103 as it grows: long values would overflow the sum.
    int sum = start;
    for (size_t i = 0; i < values.size(); ++i) sum = (sum + static_cast<int>((i + 1) % 103) * values[i]) % 103;
    values.push_back(sum);
  }

  // Every character is 11 modules wide: the symbol is sized once and written in place.
  constexpr int kCharacterWidth = 11;
  TModuleString symbol;
  std::string& modules = symbol.Modules;
  modules.resize(kCharacterWidth * (values.size() + 1) + PatternWidth(kStop));
  char* out = WriteElements(modules.data(), kCode128[start], '2');
  symbol.Marks.LeftStart = static_cast<int>(out - modules.data()) + 1;
  for (int v : values) out = WriteElements(out, kCode128[v], '1');
  symbol.Marks.LeftEnd = static_cast<int>(out - modules.data()) - 1;
  WriteElements(out, kStop, '2');
  return symbol;
}

}  // namespace quorvel
