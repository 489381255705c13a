#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Errors.h"

namespace quorvel {

enum class xbPDF417Mode { xbPDF417Alphanumeric, xbPDF417Binary, xbPDF417BinaryHex, xbPDF417Numeric, xbPDF417AutoCode };

enum class xbPDF417ErrorCorrection {
  xbPDF417AutoEC, xbPDF417Error0, xbPDF417Error1, xbPDF417Error2, xbPDF417Error3,
  xbPDF417Error4, xbPDF417Error5, xbPDF417Error6, xbPDF417Error7, xbPDF417Error8
};

// The encoder's inputs, as the barcode's PDF417 options hold them.
struct TPdf417Options {
  xbPDF417Mode Mode = xbPDF417Mode::xbPDF417Alphanumeric;
  int Rows = 0;   // 0: automatic
  int Cols = 10;
  xbPDF417ErrorCorrection SecurityLevel = xbPDF417ErrorCorrection::xbPDF417AutoEC;
  bool Truncated = false;
};

// A value the encoder refuses: a byte its mode does not accept, or a symbol
// beyond 90 rows, 30 columns or 928 codewords.
class EPdf417Error : public EUserError {
 public:
  using EUserError::EUserError;
};

struct TPdf417Symbol {
  std::vector<int> Codewords;          // descriptor, data, pads, then error correction
  std::vector<std::string> RowModules;  // one module string per row: '1' bar, '0' space
  int Rows = 0;
  int Columns = 0;                      // data columns
  int ErrorLevel = 0;
};

// Encodes a value into the rows of a PDF417 symbol. Throws EPdf417Error.
TPdf417Symbol EncodePdf417(std::string_view value, const TPdf417Options& options);

// Width in modules of one row for the value and options. Throws EPdf417Error.
int Pdf417MinWidth(std::string_view value, const TPdf417Options& options);

// The codewords and shape of the symbol, without its rows (RowModules stays
// empty). Throws EPdf417Error.
TPdf417Symbol EncodePdf417Codewords(std::string_view value, const TPdf417Options& options);

// Codeword values of the row indicators at both ends of a row (0-based).
struct TPdf417RowIndicators {
  int Left = 0;
  int Right = 0;
};
TPdf417RowIndicators Pdf417RowIndicators(const TPdf417Symbol& symbol, int row);

// The module strings of the rows of an encoded symbol. Throws
// std::invalid_argument if the symbol's shape and codewords do not agree.
std::vector<std::string> Pdf417RowModules(const TPdf417Symbol& symbol, bool truncated);

}  // namespace quorvel
