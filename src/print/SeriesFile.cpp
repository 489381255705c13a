#include "print/SeriesFile.h"

#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"

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

int SeriesCopies(const std::vector<std::string>& values, int quantityColumn, int eachCount) {
  if (quantityColumn <= 0 || quantityColumn > static_cast<int>(values.size())) return eachCount;
  try {
    return RoundHalfEven(StrToFloat(values[quantityColumn - 1]));
  } catch (const EConvertError&) {
    return eachCount;
  }
}

bool ForEachSeriesLine(const TLineSource& next, const TSeriesRange& range, const TSeriesLineVisit& visit) {
  std::string line;
  // Every line counts, also one out of range or empty.
  for (int lineNumber = 1; next(line); ++lineNumber) {
    if (lineNumber < range.FirstLine || lineNumber > range.LastLine) continue;
    std::vector<std::string> values = SplitSeriesLine(line);
    if (!visit(lineNumber, values, SeriesCopies(values, range.QuantityColumn, range.EachCount))) return false;
  }
  return true;
}

}  // namespace quorvel
