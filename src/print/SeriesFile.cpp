#include "print/SeriesFile.h"

#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

[[noreturn]] void ThrowReadError(const std::string& path) {
  throw EUserError("Die Datei " + path + Cp1252FromUtf8(" kann nicht gelesen werden"));
}

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

// Whether the whole file is UTF-8 that Windows-1252 would garble. Line
// breaks are ASCII, so no UTF-8 sequence spans two lines.
bool FileLooksLikeUtf8(std::istream& in) {
  bool sawNonAscii = false;
  std::string line;
  while (ReadLine(in, line)) {
    if (IsAscii(line)) continue;
    if (!LooksLikeUtf8(line)) return false;
    sawNonAscii = true;
  }
  return sawNonAscii;
}

}  // namespace

std::vector<std::string> SplitSeriesLine(std::string_view line) {
  std::vector<std::string> values;
  std::size_t start = 0;
  for (;;) {
    std::size_t separator = line.find(';', start);
    if (separator == std::string_view::npos) {
      if (start < line.size()) values.emplace_back(line.substr(start));
      break;
    }
    values.emplace_back(line.substr(start, separator - start));
    start = separator + 1;
  }
  return values;
}

int SeriesCopies(const std::vector<std::string>& values, int quantityColumn, int eachCount) {
  if (quantityColumn <= 0 || quantityColumn > static_cast<int>(values.size())) return eachCount;
  try {
    return RoundHalfEven(StrToFloat(values[quantityColumn - 1]));
  } catch (const EConvertError&) {
    return eachCount;
  }
}

bool ForEachSeriesLine(const TLineSource& next, const TSeriesRange& range, const TSeriesLineVisit& visit) {
  std::string line;
  // Every line counts, also one out of range or empty.
  for (int lineNumber = 1; next(line); ++lineNumber) {
    if (lineNumber < range.FirstLine || lineNumber > range.LastLine) continue;
    std::vector<std::string> values = SplitSeriesLine(line);
    if (!visit(lineNumber, values, SeriesCopies(values, range.QuantityColumn, range.EachCount))) return false;
  }
  return true;
}

TSeriesFileReader::TSeriesFileReader(const std::string& path) : path_(path) {
  in_.open(path, std::ios::binary);
  if (!in_) ThrowReadError(path);
  utf8_ = FileLooksLikeUtf8(in_);
  in_.clear();
  in_.seekg(0);
  char mark[3] = {};
  in_.read(mark, 3);
  if (in_.gcount() != 3 || std::string_view(mark, 3) != kByteOrderMark) {
    in_.clear();
    in_.seekg(0);
  } else {
    utf8_ = true;
  }
  if (!in_) ThrowReadError(path);
}

bool TSeriesFileReader::NextLine(std::string& line) {
  if (!ReadLine(in_, line)) {
    if (in_.bad()) ThrowReadError(path_);
    return false;
  }
  if (utf8_) line = Cp1252FromUtf8(line);
  return true;
}

}  // namespace quorvel
