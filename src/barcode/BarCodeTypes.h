#pragma once

#include <string>

namespace quorvel {

// Every symbology of the component, in its fixed ordinal order; the designer
// offers fourteen of them (see GetBarCodeInfo).
enum class TTypBarCode {
  bcEan8, bcEan13, bcCodabar, bcCode39Standard, bcCode39Full, bcCode93Standard, bcCode93Full,
  bcCode128, bcABCCodabar, bc25Datalogic, bc25Interleaved, bc25Matrix, bc25Industrial, bc25IATA,
  bc25Invert, bcITF, bcISBN, bcISSN, bcISMN, bcUPCA, bcUPCE0, bcUPCE1, bcUPCShipping, bcJAN8,
  bcJAN13, bcMSIPlessey, bcPostNet, bcOPC, bcEan128, bc25Coop, bcCode11, bcPZN, bcPDF417
};

constexpr int kBarCodeTypeCount = static_cast<int>(TTypBarCode::bcPDF417) + 1;

// Outcome of the last validation or paint.
enum class TLastPaintError {
  erOK, erMustBe, erErrorInBarCode, erCharOutOfSet, erSmallPaintBox, erOutOfSecurityBox,
  erBarcodeLengthInvalid, erFirstCharMustBeZero, erCharMustBeSpace, erCountCharMustBeEven, erEmptyCode
};

// Where the human-readable text goes: 1-based module positions, 0 when unset.
// After stretching they are pixel offsets from the box's left edge instead.
struct TTextMarks {
  int LeftStart = 0;
  int LeftEnd = 0;
  int RightStart = 0;
  int RightEnd = 0;
  int AddOnStart = 0;
  bool operator==(const TTextMarks&) const = default;
};

// One character per module: '1' bar, '0' space, '2' guard bar (runs down
// into the text line), ' ' blank reserved for a digit, 'X' the space that
// starts an EAN add-on.
struct TModuleString {
  std::string Modules;
  TTextMarks Marks;
};

}  // namespace quorvel
