#pragma once

#include <string>
#include <string_view>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// Check digits of the EAN family. A character's digit value is its code
// minus that of '0'; the result is always a digit, even for other bytes.
char Ean13CheckDigit(std::string_view firstTwelve);
char Ean8CheckDigit(std::string_view firstSeven);
// ISBN-10 check character ('0'..'9' or 'X') of the first nine digits among
// characters 1 to 12, dashes dropped.
char Isbn10CheckChar(std::string_view value);

// The value the EAN-13 encoder draws for a JAN-13 value: dashes removed and
// the check digit recomputed.
std::string JanConversion(std::string_view value);
// The EAN-13 value of an ISBN: "978", the digits without dashes, the EAN-13
// check digit in place of the ISBN one; an add-on moves along.
std::string IsbnConversion(std::string_view value);

// What setting a value (UTF-8) stores: check digits completed or corrected
// for the EAN family, JAN values forced to start with 49; others unchanged.
// Positions count characters.
std::string CompleteCheckDigit(TTypBarCode type, std::string_view value);
// The same on a value's Windows-1252 bytes, as the encoders take them.
std::string CompleteCheckDigitOfBytes(TTypBarCode type, std::string_view cp1252);

}  // namespace quorvel
