#include "SyntheticPdf417Patterns.h"

#include <array>
#include <string>

namespace quorvel::test {
namespace {

// Calls visit(widths) for every 8-element width sequence of 1 to 6 modules
// adding up to 17, in lexicographic order.
template <typename Visit>
void ForEachSoundPattern(std::array<int, 8>& widths, int element, int used, Visit&& visit) {
  if (element == 8) {
    if (used == 17) visit(widths);
    return;
  }
  for (int width = 1; width <= 6 && used + width <= 17; ++width) {
    widths[element] = width;
    ForEachSoundPattern(widths, element + 1, used + width, visit);
  }
}

TPdf417PatternTable Build() {
  TPdf417PatternTable table;
  std::array<int, kPdf417Clusters> filled{};
  std::array<int, 8> widths{};
  ForEachSoundPattern(widths, 0, 0, [&](const std::array<int, 8>& w) {
    int cluster = (w[0] - w[2] + w[4] - w[6] + 9) % 9;
    if (cluster % 3 != 0 || filled[cluster / 3] == kPdf417CodewordValues) return;
    std::string digits;
    for (int width : w) digits += char('0' + width);
    table.Modules[cluster / 3][filled[cluster / 3]++] = static_cast<std::uint16_t>(pdf417_text::ModulesFromWidths(digits));
  });
  return table;
}

}  // namespace

const TPdf417PatternTable& SyntheticPdf417Patterns() {
  static const TPdf417PatternTable table = Build();
  return table;
}

std::map<std::uint16_t, int> PatternValues(const TPdf417PatternTable& table, int cluster) {
  std::map<std::uint16_t, int> values;
  for (int value = 0; value < kPdf417CodewordValues; ++value) values[table.Modules[cluster][value]] = value;
  return values;
}

}  // namespace quorvel::test
