// The PDF417 encoder: codewords and minimum width under every mode, error
// level, column count and truncation; the full symbol either builds or
// fails with EPdf417Error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "barcode/Pdf417.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  quorvel::TPdf417Options options;
  options.Mode = static_cast<quorvel::xbPDF417Mode>(data[0] % 5);
  options.SecurityLevel = static_cast<quorvel::xbPDF417ErrorCorrection>((data[0] / 5) % 10);
  options.Truncated = data[0] >= 128;
  options.Cols = data[1] % 34;       // 0 and 31..33 are out of range on purpose
  options.Rows = data[2] % 96;       // 0: automatic; above 90 out of range
  const std::string_view value(reinterpret_cast<const char*>(data + 3), size - 3);

  try {
    const quorvel::TPdf417Symbol symbol = quorvel::EncodePdf417Codewords(value, options);
    if (symbol.Rows < 0 || symbol.Columns < 0) __builtin_trap();
  } catch (const quorvel::EPdf417Error&) {
  }
  try {
    quorvel::Pdf417MinWidth(value, options);
  } catch (const quorvel::EPdf417Error&) {
  }
  try {
    quorvel::EncodePdf417(value, options);
  } catch (const quorvel::EPdf417Error&) {
  }
  return 0;
}
