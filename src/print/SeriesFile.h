#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextLineReader.h"

namespace quorvel {

// Cuts a series line at every ';'. The text after the last ';' is one more
// value only when it is not empty; an empty line holds no value. Every value
// is kept, so variables above 30 work too.
std::vector<std::string> SplitSeriesLine(std::string_view line);

// A series line may hold many values, but not a whole file: longer lines
// are refused with a message naming the line. The file itself may be as
// long as a run needs.
inline constexpr TTextLimits kSeriesFileLimits{UINT64_MAX, 1 << 20};

// Reads a series file line by line, whatever its size, in Windows-1252
// (see TTextLineReader). Throws EUserError when the file cannot be opened,
// is no regular file, or holds a line over the limit.
class TSeriesFileReader : public TTextLineReader {
 public:
  explicit TSeriesFileReader(const std::string& path) : TTextLineReader(path, kSeriesFileLimits) {}
};

}  // namespace quorvel
