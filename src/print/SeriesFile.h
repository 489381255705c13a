#pragma once

#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// Reads a series file line by line, whatever its size, in Windows-1252.
// A file that is well-formed UTF-8 holding non-ASCII characters (as
// spreadsheets on this platform write them) is converted to Windows-1252;
// a byte-order mark is dropped. Lines end at LF or CR LF.
class TSeriesFileReader {
 public:
  // Throws EUserError when the file cannot be opened.
  explicit TSeriesFileReader(const std::string& path);

  // The next line, without its line break; false at the end of the file.
  // Throws EUserError on a read error.
  bool NextLine(std::string& line);
  // The reader as a line source.
  TLineSource Lines() {
    return [this](std::string& line) { return NextLine(line); };
  }

 private:
  std::string path_;
  std::ifstream in_;
  bool utf8_ = false;
};

}  // namespace quorvel
