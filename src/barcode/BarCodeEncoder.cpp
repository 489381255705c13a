#include "barcode/BarCodeEncoder.h"

#include "barcode/CheckDigits.h"
#include "barcode/CodabarEncoder.h"
#include "barcode/Code11Encoder.h"
#include "barcode/Code128Encoder.h"
#include "barcode/Code39Encoder.h"
#include "barcode/EanEncoder.h"
#include "barcode/TwoOfFiveEncoder.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr int kFirstDigitBlanks = 8;

// Room left of the bars for the first digit of an EAN-13 text.
void PrependFirstDigitBlanks(TModuleString& symbol) {
  symbol.Modules.insert(0, kFirstDigitBlanks, ' ');
  for (int* mark : {&symbol.Marks.LeftStart, &symbol.Marks.LeftEnd, &symbol.Marks.RightStart,
                    &symbol.Marks.RightEnd, &symbol.Marks.AddOnStart})
    if (*mark != 0) *mark += kFirstDigitBlanks;
}

TModuleString EncodeValid(TTypBarCode type, std::string_view value, const TEncodeOptions& options) {
  using enum TTypBarCode;
  switch (type) {
    case bcEan13:
    case bcJAN13:
    case bcISBN: {
      // Encode the check digit that validation computed, never a stale one.
      std::string ean = type == bcEan13   ? CompleteCheckDigitOfBytes(bcEan13, value)
                        : type == bcJAN13 ? JanConversion(value)
                                          : IsbnConversion(value);
      TModuleString symbol = EncodeEan13(ean);
      if (options.ShowLabels) PrependFirstDigitBlanks(symbol);
      return symbol;
    }
    case bcEan8:
    case bcJAN8: return EncodeEan8(CompleteCheckDigitOfBytes(bcEan8, value));
    case bcCode128: return EncodeCode128(value, false, options.AutoCheckDigit);
    case bcEan128: return EncodeCode128(value, true, options.AutoCheckDigit);
    case bcCode39Standard: return EncodeCode39(value);
    case bcCode39Full: return EncodeCode39FullAscii(value);
    case bc25Interleaved: return EncodeInterleaved2of5(value);
    case bc25Industrial: return EncodeIndustrial2of5(value);
    case bcCodabar: return EncodeCodabar(value, options.AutoCheckDigit);
    case bcCode11: return EncodeCode11(value);
    default: return {};  // PDF417 is painted from its rows; others are never valid
  }
}

}  // namespace

TEncodedBarCode EncodeBarCode(TTypBarCode type, std::string_view value, const TEncodeOptions& options) {
  TEncodedBarCode result;
  result.Validation = ValidateBarCode(type, value);
  if (result.Validation.Valid()) result.Symbol = EncodeValid(type, Cp1252FromUtf8(value), options);
  return result;
}

std::string HumanReadableText(TTypBarCode type, std::string_view value) {
  return type == TTypBarCode::bcISBN ? IsbnConversion(value) : std::string(value);
}

std::string ApplyLabelMask(std::string_view text, std::string_view mask) {
  std::u32string label = CharactersOf(text);
  std::u32string masks = CharactersOf(mask);
  for (size_t i = 0; i < label.size() && i < masks.size(); ++i)
    if (masks[i] != U'_') label[i] = masks[i];
  std::string utf8;
  for (char32_t c : label) utf8 += Utf8Of(c);
  return utf8;
}

}  // namespace quorvel
