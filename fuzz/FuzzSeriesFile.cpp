// The series reader: one line split into fields, and whole files read line by line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "platform/Errors.h"
#include "print/SeriesFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto fields = quorvel::SplitSeriesLine(text);
  if (fields.size() > static_cast<std::size_t>(quorvel::kMaxSeriesValues)) __builtin_trap();

  const std::string path = quorvel::fuzz::WriteInputFile(data, size, ".txt");
  try {
    quorvel::TSeriesFileReader reader(path);
    std::string line;
    std::size_t lines = 0;
    while (reader.NextLine(line)) {
      quorvel::SplitSeriesLine(line);
      // Every line holds at least its line end or is the last one.
      if (++lines > size + 1) __builtin_trap();
    }
  } catch (const quorvel::EUserError&) {
  }
  return 0;
}
