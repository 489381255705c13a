#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

inline constexpr int kPdf417CodewordValues = 929;
inline constexpr int kPdf417Clusters = 3;  // clusters 0, 3 and 6, used by rows 0, 1, 2 modulo 3

// The bar patterns of the 929 codeword values in the three clusters of
// ISO/IEC 15438. A pattern is 17 modules wide and always starts with a bar, so
// only modules 2 to 17 are kept, module 2 in the most significant bit.
struct TPdf417PatternTable {
  std::array<std::array<std::uint16_t, kPdf417CodewordValues>, kPdf417Clusters> Modules{};
};

// The standard's pattern table, or nullptr while this build has none. It is
// compiled from the text file Pdf417Patterns.txt (see the format below);
// without it every part of PDF417 except drawing the rows works.
const TPdf417PatternTable* Pdf417ClusterPatterns();

// Everything wrong with a pattern table: each pattern must hold 4 bars and 4
// spaces of 1 to 6 modules, belong to its cluster by (b1 - b2 + b3 - b4 + 9)
// mod 9 over its bar widths, and occur only once. Empty for a sound table.
std::vector<std::string> Pdf417PatternTableProblems(const TPdf417PatternTable& table);

// The 17-module pattern as '1' (bar) and '0' (space), and its 8 element widths.
std::string Pdf417PatternModules(std::uint16_t modules);
std::string Pdf417PatternWidths(std::uint16_t modules);

// ---------------------------------------------------------------------------
// Text format of the pattern table, as the standard prints it:
//
//   # comment lines start with '#'; empty lines are ignored
//   <value> <cluster 0> <cluster 3> <cluster 6>
//
// One line per codeword value, 0 to 928 in order, 929 lines. Each cluster
// field is the pattern's 8 element widths as 8 digits, bar first, alternating
// bar and space (b1 s1 b2 s2 b3 s3 b4 s4), adding up to 17 modules. Fields are
// separated by spaces or tabs. A text without any value line means "no table".
// ---------------------------------------------------------------------------

struct TPdf417PatternText {
  TPdf417PatternTable Table;
  int Values = 0;                // value lines read: 0 (no table) or 929
  int ErrorLine = 0;             // 1-based line of the first problem, 0 if none
  const char* Problem = nullptr;  // what is wrong on that line
};

namespace pdf417_text {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

constexpr std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

struct TFields {
  std::array<std::string_view, 4> Field;
  int Count = 0;  // fields found, counting one beyond the four when there are more
};

constexpr TFields SplitFields(std::string_view line) {
  TFields fields;
  while (!line.empty()) {
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    if (fields.Count == 4) {
      fields.Count = 5;
      break;
    }
    fields.Field[fields.Count++] = line.substr(0, end);
    line = Trimmed(line.substr(end));
  }
  return fields;
}

// The decimal value of a field of at most three digits, or -1.
constexpr int DecimalValue(std::string_view field) {
  if (field.empty() || field.size() > 3) return -1;
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Modules 2 to 17 of the pattern with these 8 widths, or -1 if they are not
// 8 digits from 1 to 9 that add up to 17.
constexpr int ModulesFromWidths(std::string_view widths) {
  if (widths.size() != 8) return -1;
  std::uint32_t modules = 0;
  int total = 0;
  for (std::size_t element = 0; element < widths.size(); ++element) {
    char digit = widths[element];
    if (digit < '1' || digit > '9') return -1;
    int width = digit - '0';
    total += width;
    if (total > 17) return -1;
    for (int m = 0; m < width; ++m) modules = (modules << 1) | (element % 2 == 0 ? 1u : 0u);
  }
  if (total != 17) return -1;
  return static_cast<int>(modules & 0xFFFFu);
}

}  // namespace pdf417_text

// Reads the text format above; usable at compile time, so a malformed table
// stops the build. On a problem, ErrorLine and Problem say where and what.
constexpr TPdf417PatternText ParsePdf417PatternText(std::string_view text) {
  using namespace pdf417_text;
  TPdf417PatternText result;
  auto fail = [&result](int line, const char* problem) {
    result.ErrorLine = line;
    result.Problem = problem;
    return result;
  };
  int lineNumber = 0;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    if (result.Values == kPdf417CodewordValues) return fail(lineNumber, "more than 929 value lines");
    TFields fields = SplitFields(line);
    if (fields.Count != 4) return fail(lineNumber, "a value line needs 4 fields: value, cluster 0, cluster 3, cluster 6");
    if (DecimalValue(fields.Field[0]) != result.Values) return fail(lineNumber, "values must run from 0 to 928 in order");
    for (int cluster = 0; cluster < kPdf417Clusters; ++cluster) {
      int modules = ModulesFromWidths(fields.Field[cluster + 1]);
      if (modules < 0) return fail(lineNumber, "a pattern must be 8 digits 1 to 9 adding up to 17");
      result.Table.Modules[cluster][result.Values] = static_cast<std::uint16_t>(modules);
    }
    ++result.Values;
  }
  if (result.Values != 0 && result.Values != kPdf417CodewordValues)
    return fail(lineNumber + 1, "fewer than 929 value lines");
  return result;
}

}  // namespace quorvel
