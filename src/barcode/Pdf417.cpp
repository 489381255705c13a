#include "barcode/Pdf417.h"

#include <algorithm>
#include <stdexcept>

#include "barcode/Pdf417Compaction.h"
#include "barcode/Pdf417Patterns.h"
#include "barcode/Pdf417ReedSolomon.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

// Limits of ISO/IEC 15438; the row indicators cannot describe a larger symbol.
constexpr int kMinRows = 3, kMaxRows = 90, kMaxColumns = 30, kMaxCodewords = 928;
constexpr int kDefaultColumns = 20;
// No compaction packs three bytes of a value into one codeword, so a longer
// value can never fit; refusing it early spares compacting megabytes.
constexpr std::size_t kMaxValueBytes = 3 * kMaxCodewords;
constexpr int kPad = 900;

constexpr std::string_view kStartPattern = "11111111010101000";
constexpr std::string_view kStopPattern = "111111101000101001";
constexpr std::string_view kTruncatedStop = "1";
constexpr int kRowFrame = 69, kTruncatedRowFrame = 35;  // start, indicators and stop modules

[[noreturn]] void Refuse(const std::string& message) { throw EPdf417Error(message); }

bool Accepts(xbPDF417Mode mode, unsigned char byte) {
  switch (mode) {
    case xbPDF417Mode::xbPDF417Alphanumeric:
      return byte == '\t' || byte == '\n' || byte == '\r' || (byte >= 0x20 && byte <= 0x7E);
    case xbPDF417Mode::xbPDF417BinaryHex:
      return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'F') || (byte >= 'a' && byte <= 'f');
    case xbPDF417Mode::xbPDF417Numeric:
      return byte >= '0' && byte <= '9';
    default:
      return true;
  }
}

// The value's bytes: every character in Windows-1252 and in the mode's set,
// else refused at its character position.
std::string ValueBytes(std::string_view value, xbPDF417Mode mode) {
  std::u32string characters = CharactersOf(value);
  for (std::size_t i = 0; i < characters.size(); ++i) {
    std::optional<char> byte = Cp1252ByteOf(characters[i]);
    if (!byte || !Accepts(mode, static_cast<unsigned char>(*byte)))
      throw EPdf417Error("Bad char in PDF417, position " + std::to_string(i + 1) + ", char : " + Utf8Of(characters[i]));
  }
  return Cp1252FromUtf8(value);
}

// The length descriptor's place, then the compacted value. An empty value has
// no data codewords at all, not even a mode latch.
std::vector<int> DataCodewords(std::string_view value, xbPDF417Mode mode) {
  std::vector<int> codewords{0};
  if (value.empty()) return codewords;
  switch (mode) {
    case xbPDF417Mode::xbPDF417Alphanumeric:
      AppendPdf417Text(value, codewords);
      break;
    case xbPDF417Mode::xbPDF417BinaryHex:
      AppendPdf417Bytes(Pdf417BytesFromHex(value), codewords);
      break;
    case xbPDF417Mode::xbPDF417Numeric:
      AppendPdf417Numeric(value, codewords);
      break;
    default:
      AppendPdf417Bytes(value, codewords);
      break;
  }
  return codewords;
}

// The error correction level for n codewords (descriptor and data).
int ErrorLevel(int n, xbPDF417ErrorCorrection securityLevel) {
  int chosen = static_cast<int>(securityLevel) - static_cast<int>(xbPDF417ErrorCorrection::xbPDF417Error0);
  if (chosen >= 0 && chosen <= kPdf417MaxErrorLevel) return chosen;
  if (n <= 40) return 2;
  if (n <= 160) return 3;
  if (n <= 320) return 4;
  if (n <= 863) return 5;
  return 6;
}

struct TShape {
  int Rows = 0;
  int Columns = 0;
};

int RoundUp(int count, int multiple) { return (count + multiple - 1) / multiple * multiple; }

// Rows and columns for count codewords (at most 928). Fewer than three rows
// would not scan, so small symbols get more pad rows instead.
TShape Shape(int count, const TPdf417Options& options) {
  int columns = options.Cols <= 0 && options.Rows <= 0 ? kDefaultColumns : options.Cols;
  if (columns > 0) {
    if (columns > kMaxColumns)
      Refuse("PDF417: " + std::to_string(columns) + " Spalten sind zu viele, möglich sind 1 bis 30");
    int total = std::max(RoundUp(count, columns), kMinRows * columns);
    if (total > kMaxCodewords || total / columns > kMaxRows)
      Refuse("PDF417: Der Wert ist zu lang für ein Symbol mit " + std::to_string(columns) +
             " Spalten, es hätte mehr als 90 Zeilen oder 928 Codewörter");
    return {total / columns, columns};
  }
  if (options.Rows > kMaxRows)
    Refuse("PDF417: " + std::to_string(options.Rows) + " Zeilen sind zu viele, möglich sind 3 bis 90");
  int rows = std::max(options.Rows, kMinRows);
  int total = RoundUp(count, rows);
  if (total > kMaxCodewords || total / rows > kMaxColumns)
    Refuse("PDF417: Der Wert ist zu lang für ein Symbol mit " + std::to_string(rows) +
           " Zeilen, es hätte mehr als 30 Spalten oder 928 Codewörter");
  return {rows, total / rows};
}

// Everything that decides the symbol's size: the data codewords, the error
// correction level and the shape.
struct TPlan {
  std::vector<int> Codewords;
  int Level = 0;
  TShape Shape;
};

TPlan Plan(std::string_view text, const TPdf417Options& options) {
  const std::string value = ValueBytes(text, options.Mode);
  constexpr const char* tooLong = "PDF417: Der Wert ist zu lang, ein Symbol fasst höchstens 928 Codewörter";
  if (value.size() > kMaxValueBytes) Refuse(tooLong);
  TPlan plan;
  plan.Codewords = DataCodewords(value, options.Mode);
  int n = static_cast<int>(plan.Codewords.size());
  plan.Level = ErrorLevel(n, options.SecurityLevel);
  int k = Pdf417ErrorCodewordCount(plan.Level);
  if (n + k > kMaxCodewords) Refuse(tooLong);
  plan.Shape = Shape(n + k, options);
  return plan;
}

bool IsConsistent(const TPdf417Symbol& symbol) {
  if (symbol.Rows < 1 || symbol.Rows > kMaxRows || symbol.Columns < 1 || symbol.Columns > kMaxColumns) return false;
  if (symbol.ErrorLevel < 0 || symbol.ErrorLevel > kPdf417MaxErrorLevel) return false;
  if (symbol.Codewords.size() != static_cast<std::size_t>(symbol.Rows) * symbol.Columns) return false;
  return std::all_of(symbol.Codewords.begin(), symbol.Codewords.end(),
                     [](int codeword) { return codeword >= 0 && codeword < kPdf417CodewordValues; });
}

}  // namespace

TPdf417Symbol EncodePdf417Codewords(std::string_view value, const TPdf417Options& options) {
  TPlan plan = Plan(value, options);
  int k = Pdf417ErrorCodewordCount(plan.Level);
  std::vector<int>& codewords = plan.Codewords;
  codewords.resize(plan.Shape.Rows * plan.Shape.Columns - k, kPad);
  codewords[0] = static_cast<int>(codewords.size());
  std::vector<int> correction = Pdf417ErrorCorrectionCodewords(codewords, plan.Level);
  codewords.insert(codewords.end(), correction.begin(), correction.end());

  TPdf417Symbol symbol;
  symbol.Codewords = std::move(codewords);
  symbol.Rows = plan.Shape.Rows;
  symbol.Columns = plan.Shape.Columns;
  symbol.ErrorLevel = plan.Level;
  return symbol;
}

TPdf417Symbol EncodePdf417(std::string_view value, const TPdf417Options& options) {
  TPdf417Symbol symbol = EncodePdf417Codewords(value, options);
  symbol.RowModules = Pdf417RowModules(symbol, options.Truncated);
  return symbol;
}

int Pdf417MinWidth(std::string_view value, const TPdf417Options& options) {
  return kPdf417PatternModules * Plan(value, options).Shape.Columns + (options.Truncated ? kTruncatedRowFrame : kRowFrame);
}

TPdf417RowIndicators Pdf417RowIndicators(const TPdf417Symbol& symbol, int row) {
  int q = 30 * (row / 3);
  int rowsInfo = q + (symbol.Rows - 1) / 3;
  int levelInfo = q + 3 * symbol.ErrorLevel + (symbol.Rows - 1) % 3;
  int columnsInfo = q + symbol.Columns - 1;
  switch (row % 3) {
    case 0:
      return {rowsInfo, columnsInfo};
    case 1:
      return {levelInfo, rowsInfo};
    default:
      return {columnsInfo, levelInfo};
  }
}

std::vector<std::string> Pdf417RowModules(const TPdf417Symbol& symbol, bool truncated) {
  if (!IsConsistent(symbol)) throw std::invalid_argument("PDF417 symbol with inconsistent shape or codewords");
  std::size_t width = kPdf417PatternModules * symbol.Columns + (truncated ? kTruncatedRowFrame : kRowFrame);
  std::vector<std::string> rows(symbol.Rows);
  for (int row = 0; row < symbol.Rows; ++row) {
    std::string& modules = rows[row];
    modules.reserve(width);
    int cluster = row % kPdf417Clusters;
    auto append = [&modules, cluster](int codeword) { modules += Pdf417PatternModules(cluster, codeword); };
    TPdf417RowIndicators indicators = Pdf417RowIndicators(symbol, row);
    modules += kStartPattern;
    append(indicators.Left);
    for (int column = 0; column < symbol.Columns; ++column) append(symbol.Codewords[row * symbol.Columns + column]);
    if (truncated) {
      modules += kTruncatedStop;
    } else {
      append(indicators.Right);
      modules += kStopPattern;
    }
  }
  return rows;
}

}  // namespace quorvel
