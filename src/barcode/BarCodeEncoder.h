#pragma once

#include <string>
#include <string_view>

#include "barcode/BarCodeTypes.h"
#include "barcode/BarCodeValidation.h"

namespace quorvel {

struct TEncodeOptions {
  bool ShowLabels = true;      // EAN-13 kinds reserve 8 blank modules for the first digit
  bool AutoCheckDigit = true;  // Codabar, Code 128 and EAN-128 only
};

struct TEncodedBarCode {
  TValidation Validation;
  TModuleString Symbol;  // empty (marks 0) unless the value is valid
};

// Validates the value and turns it into modules and text marks. PDF417 is
// valid here and gives an empty module string: it is painted from its rows.
TEncodedBarCode EncodeBarCode(TTypBarCode type, std::string_view value, const TEncodeOptions& options);

// The text printed with the bars before the mask: the value, or for ISBN
// the EAN-13 value it is encoded as.
std::string HumanReadableText(TTypBarCode type, std::string_view value);

// Every mask character other than '_' replaces the text's character at the
// same position; positions beyond the mask or the text stay as they are.
std::string ApplyLabelMask(std::string_view text, std::string_view mask);

}  // namespace quorvel
