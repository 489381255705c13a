#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quorvel {

inline constexpr int kPdf417CodewordValues = 929;
inline constexpr int kPdf417Clusters = 3;  // clusters 0, 3 and 6, used by rows 0, 1, 2 modulo 3

// The bar patterns of the 929 codeword values in the three clusters of
// ISO/IEC 15438. A pattern is 17 modules wide and always starts with a bar, so
// only modules 2 to 17 are kept, module 2 in the most significant bit.
struct TPdf417PatternTable {
  std::array<std::array<std::uint16_t, kPdf417CodewordValues>, kPdf417Clusters> Modules{};
};

// The standard's pattern table, compiled from the text file
// Pdf417Patterns.txt (format below); a build without a sound table fails.
const TPdf417PatternTable& Pdf417ClusterPatterns();

inline constexpr int kPdf417PatternModules = 17;

// All 17 modules of a codeword's pattern in a cluster (0 to 2 for clusters
// 0, 3, 6) as '1' (bar) and '0' (space), ready to be copied into a row.
std::string_view Pdf417PatternModules(int cluster, int codeword);

// ---------------------------------------------------------------------------
// Text format of the pattern table, as the standard prints it:
//
//   # comment lines start with '#'; empty lines are ignored
//   <value> <cluster 0> <cluster 3> <cluster 6>
//
// One line per codeword value, 0 to 928 in order, 929 lines. Each cluster
// field is the pattern's 8 element widths as 8 digits, bar first, alternating
// bar and space (b1 s1 b2 s2 b3 s3 b4 s4), each 1 to 6, adding up to 17
// modules. Fields are separated by spaces or tabs. A pattern belongs to its
// cluster c by (b1 - b2 + b3 - b4 + 9) mod 9 = c and occurs once in it.
// ---------------------------------------------------------------------------

struct TPdf417PatternText {
  TPdf417PatternTable Table;
  int Values = 0;                // value lines read
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

// The 8 element widths of a field, or all 0 if they are not 8 digits from
// 1 to 6 that add up to 17.
constexpr std::array<int, 8> Widths(std::string_view field) {
  std::array<int, 8> widths{};
  if (field.size() != widths.size()) return {};
  int total = 0;
  for (std::size_t element = 0; element < widths.size(); ++element) {
    if (field[element] < '1' || field[element] > '6') return {};
    widths[element] = field[element] - '0';
    total += widths[element];
  }
  return total == 17 ? widths : std::array<int, 8>{};
}

// The cluster number (b1 - b2 + b3 - b4 + 9) mod 9 over the bar widths.
constexpr int ClusterOf(const std::array<int, 8>& widths) {
  return (widths[0] - widths[2] + widths[4] - widths[6] + 9) % 9;
}

// Modules 2 to 17 of the pattern with these widths (module 1 is always a bar).
constexpr std::uint16_t ModulesFromWidths(const std::array<int, 8>& widths) {
  std::uint32_t modules = 0;
  for (std::size_t element = 0; element < widths.size(); ++element)
    for (int m = 0; m < widths[element]; ++m) modules = (modules << 1) | (element % 2 == 0 ? 1u : 0u);
  return static_cast<std::uint16_t>(modules & 0xFFFFu);
}

// Which of the 2^16 module patterns a cluster already holds.
struct TSeenPatterns {
  std::array<std::uint64_t, 1024> Bits{};
  // False if the pattern was seen before.
  constexpr bool Insert(std::uint16_t modules) {
    std::uint64_t bit = std::uint64_t{1} << (modules % 64);
    if (Bits[modules / 64] & bit) return false;
    Bits[modules / 64] |= bit;
    return true;
  }
};

}  // namespace pdf417_text

// Reads the text format above; usable at compile time, so a malformed or
// incomplete table stops the build. On a problem, ErrorLine and Problem say
// where and what.
constexpr TPdf417PatternText ParsePdf417PatternText(std::string_view text) {
  using namespace pdf417_text;
  TPdf417PatternText result;
  auto fail = [&result](int line, const char* problem) {
    result.ErrorLine = line;
    result.Problem = problem;
    return result;
  };
  std::array<TSeenPatterns, kPdf417Clusters> seen{};
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
      std::array<int, 8> widths = Widths(fields.Field[cluster + 1]);
      if (widths[0] == 0) return fail(lineNumber, "a pattern must be 8 digits 1 to 6 adding up to 17");
      if (ClusterOf(widths) != 3 * cluster) return fail(lineNumber, "a pattern does not belong to the cluster of its column");
      std::uint16_t modules = ModulesFromWidths(widths);
      if (!seen[cluster].Insert(modules)) return fail(lineNumber, "a pattern repeats an earlier one of its cluster");
      result.Table.Modules[cluster][result.Values] = modules;
    }
    ++result.Values;
  }
  if (result.Values != kPdf417CodewordValues) return fail(lineNumber + 1, "fewer than 929 value lines");
  return result;
}

}  // namespace quorvel
