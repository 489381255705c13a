#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Parsers for the numbers that users type into settings fields and that
// files hold. A text that does not convert throws EConvertError with the
// German message that quotes the text (QuotedForMessage).

// Optional blanks around, an optional sign, decimal digits, within 32 bits.
int StrToInt(std::string_view text);

// Optional blanks around, an optional sign, digits with at most one decimal
// separator, an optional exponent. Both ',' and '.' are accepted as the
// separator: users type their locale's one, while the sheet presets write a
// comma, and either must read back whatever the locale.
double StrToFloat(std::string_view text);

// The shortest text (up to 15 significant digits) that reads back as the
// value, with the user's decimal separator.
std::string FloatToStr(double value);

// A fixed-point text with the given number of decimals (halves to even),
// with the user's decimal separator: FormatFixed(2.5, 1) is "2,5" in German.
std::string FormatFixed(double value, int decimals);

// The decimal separator of the user's locale.
char UserDecimalSeparator();

}  // namespace quorvel
