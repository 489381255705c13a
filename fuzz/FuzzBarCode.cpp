// Validation and encoding of every offered symbology: the first byte chooses
// the symbology and the options, the rest is the value.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "barcode/BarCodeEncoder.h"
#include "barcode/BarCodeInfo.h"
#include "barcode/BarCodeValidation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto& offered = quorvel::OfferedBarCodes();
  const quorvel::TTypBarCode type = offered[(data[0] & 0x3F) % offered.size()];
  const quorvel::TEncodeOptions options{.ShowLabels = (data[0] & 0x40) != 0, .AutoCheckDigit = (data[0] & 0x80) != 0};
  const std::string_view value(reinterpret_cast<const char*>(data + 1), size - 1);

  const quorvel::TValidation validation = quorvel::ValidateBarCode(type, value);
  const quorvel::TEncodedBarCode encoded = quorvel::EncodeBarCode(type, value, options);
  if (!validation.Valid() && validation.ErrorPosition > static_cast<int>(value.size()) + 1) __builtin_trap();
  if (encoded.Validation.Valid()) quorvel::HumanReadableText(type, value);
  return 0;
}
