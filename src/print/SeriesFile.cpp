#include "print/SeriesFile.h"

namespace quorvel {

std::vector<std::string> SplitSeriesLine(std::string_view line) {
  std::vector<std::string> values;
  std::size_t start = 0;
  for (;;) {
    std::size_t separator = line.find(';', start);
    if (separator == std::string_view::npos) {
      if (start < line.size()) values.emplace_back(line.substr(start));
      break;
    }
    values.emplace_back(line.substr(start, separator - start));
    start = separator + 1;
  }
  return values;
}

}  // namespace quorvel
