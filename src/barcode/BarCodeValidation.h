#pragma once

#include <string>
#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// The outcome of checking a value against its symbology's rules.
// erCharOutOfSet sets ErrorPosition and ErrorChar, erCharMustBeSpace only
// ErrorPosition; every other outcome sets neither.
struct TValidation {
  TLastPaintError Error = TLastPaintError::erOK;
  int ErrorPosition = 0;  // 1-based, in characters of the text that was tested
  std::string ErrorChar;  // the character, UTF-8
  bool Valid() const { return Error == TLastPaintError::erOK; }
};

// The value is UTF-8. Never throws. PDF417 is not validated here (its encoder tests its bytes);
// symbologies the designer does not offer accept no value at all.
TValidation ValidateBarCode(TTypBarCode type, std::string_view value);

// Codabar's A, B, C and D: start and stop characters.
bool IsCodabarStartStop(char c);

}  // namespace quorvel
