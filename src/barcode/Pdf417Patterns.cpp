#include "barcode/Pdf417Patterns.h"

#include <set>

namespace quorvel {
namespace {

// Pdf417Patterns.txt, wrapped into a string literal by the build.
constexpr std::string_view kPatternText =
#include "Pdf417PatternText.inc"
    ;

constexpr TPdf417PatternText kPatterns = ParsePdf417PatternText(kPatternText);

// A malformed table stops the build: the compiler names the line and the
// problem as the arguments of this template.
struct TProblemText {
  char Text[96]{};
};

constexpr TProblemText ProblemText(const char* problem) {
  TProblemText text;
  for (int i = 0; problem != nullptr && problem[i] != '\0' && i + 1 < int(sizeof text.Text); ++i) text.Text[i] = problem[i];
  return text;
}

template <int Line, TProblemText Problem>
struct Pdf417PatternsTxtIsMalformedAtLine {
  static_assert(Line == 0, "Pdf417Patterns.txt is malformed: the line and the problem are named above");
};
template struct Pdf417PatternsTxtIsMalformedAtLine<kPatterns.ErrorLine, ProblemText(kPatterns.Problem)>;

constexpr int kModules = 17;

// Element widths of a pattern, bar first; as many elements as it has.
std::vector<int> ElementWidths(std::uint16_t modules) {
  std::string bars = Pdf417PatternModules(modules);
  std::vector<int> widths;
  for (std::size_t m = 0; m < bars.size(); ++m) {
    if (m == 0 || bars[m] != bars[m - 1]) widths.push_back(0);
    ++widths.back();
  }
  return widths;
}

std::string PatternProblem(const std::vector<int>& widths, int cluster) {
  if (widths.size() != 8) return "has " + std::to_string(widths.size()) + " elements instead of 4 bars and 4 spaces";
  for (int width : widths)
    if (width > 6) return "has an element of " + std::to_string(width) + " modules";
  int number = (widths[0] - widths[2] + widths[4] - widths[6] + 9) % 9;
  if (number != cluster) return "belongs to cluster " + std::to_string(number);
  return {};
}

}  // namespace

const TPdf417PatternTable* Pdf417ClusterPatterns() {
  return kPatterns.Values == kPdf417CodewordValues ? &kPatterns.Table : nullptr;
}

std::string Pdf417PatternModules(std::uint16_t modules) {
  std::string bars(kModules, '1');
  for (int m = 1; m < kModules; ++m) bars[m] = (modules >> (kModules - 1 - m)) & 1 ? '1' : '0';
  return bars;
}

std::string Pdf417PatternWidths(std::uint16_t modules) {
  std::string digits;
  for (int width : ElementWidths(modules)) digits += std::to_string(width);
  return digits;
}

std::vector<std::string> Pdf417PatternTableProblems(const TPdf417PatternTable& table) {
  std::vector<std::string> problems;
  for (int index = 0; index < kPdf417Clusters; ++index) {
    int cluster = 3 * index;
    std::set<std::uint16_t> seen;
    for (int value = 0; value < kPdf417CodewordValues; ++value) {
      std::uint16_t modules = table.Modules[index][value];
      std::string where = "cluster " + std::to_string(cluster) + ", value " + std::to_string(value) + " (" +
                          Pdf417PatternWidths(modules) + "): ";
      std::string problem = PatternProblem(ElementWidths(modules), cluster);
      if (!problem.empty()) problems.push_back(where + problem);
      if (!seen.insert(modules).second) problems.push_back(where + "repeats an earlier pattern");
    }
  }
  return problems;
}

}  // namespace quorvel
