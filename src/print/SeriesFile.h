#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextLineReader.h"

namespace quorvel {

// Cuts a series line at every ';'. The text after the last ';' is one more
// value only when it is not empty; an empty line holds no value. Every value
// is kept, so variables above 30 work too.
std::vector<std::string> SplitSeriesLine(std::string_view line);

// Which lines of a series file print and how often: the series page's
// fields as numbers.
struct TSeriesRange {
  int FirstLine = 1;       // "Start bei Etikett "
  int LastLine = 9999;     // "Ende bei Etikett "
  int EachCount = 1;       // "jedes Etikett" ... "mal drucken"
  int QuantityColumn = 0;  // the value that gives a line's copies; 0: none
};

// The copies of one line: the quantity column's value when there is one and
// it is a number (rounded, halves to even), else the each-count.
int SeriesCopies(const std::vector<std::string>& values, int quantityColumn, int eachCount);

// Gives the next line, without its line break; false at the end.
using TLineSource = std::function<bool(std::string& line)>;
// Told each line in the range: its number (from 1), its values and copies;
// returns whether to go on.
using TSeriesLineVisit = std::function<bool(int lineNumber, const std::vector<std::string>& values, int copies)>;

// Reads every line of the source, as a series print does, and visits those
// in the range. Returns false when a visit stopped the walk.
bool ForEachSeriesLine(const TLineSource& next, const TSeriesRange& range, const TSeriesLineVisit& visit);

// A series line may hold many values, but not a whole file: longer lines
// are refused with a message naming the line. The file itself may be as
// long as a run needs.
inline constexpr TTextLimits kSeriesFileLimits{UINT64_MAX, 1 << 20};

// Reads a series file line by line, whatever its size, as UTF-8 text
// (see TTextLineReader). Throws EUserError when the file cannot be opened,
// is no regular file, or holds a line over the limit.
class TSeriesFileReader : public TTextLineReader {
 public:
  explicit TSeriesFileReader(const std::string& path) : TTextLineReader(path, kSeriesFileLimits) {}

  // The reader as a line source.
  TLineSource Lines() {
    return [this](std::string& line) { return NextLine(line); };
  }
};

}  // namespace quorvel
