// The series reader: one line split into fields, and whole files read line by line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "platform/Errors.h"
#include "print/SeriesFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // No value may be lost: the values joined by ';' give the line back, but
  // for a separator that ends it.
  const auto fields = quorvel::SplitSeriesLine(text);
  std::string joined;
  for (std::size_t i = 0; i < fields.size(); ++i) joined += (i ? ";" : "") + fields[i];
  if (joined != text && joined + ";" != text) __builtin_trap();

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
