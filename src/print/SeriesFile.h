#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A line of a series file holds at most this many values; later ones are
// dropped.
constexpr int kMaxSeriesValues = 30;

// Cuts a series line at every ';'. The text after the last ';' is one more
// value only when it is not empty; an empty line holds no value.
std::vector<std::string> SplitSeriesLine(std::string_view line);

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

 private:
  std::string path_;
  std::ifstream in_;
  bool utf8_ = false;
};

}  // namespace quorvel
