#include "barcode/Pdf417Patterns.h"

namespace quorvel {
namespace {

// Pdf417Patterns.txt, wrapped into a string literal by the build.
constexpr std::string_view kPatternText =
#include "Pdf417PatternText.inc"
    ;

constexpr TPdf417PatternText kPatterns = ParsePdf417PatternText(kPatternText);

// A missing, incomplete or malformed table stops the build: the compiler
// names the line and the problem as the arguments of this template.
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

// The patterns spelled out as module characters while compiling, so that a
// row is assembled by copying 17 characters per codeword.
using TModuleChars = std::array<std::array<std::array<char, kPdf417PatternModules>, kPdf417CodewordValues>, kPdf417Clusters>;

constexpr TModuleChars kModuleChars = [] {
  TModuleChars chars{};
  for (int cluster = 0; cluster < kPdf417Clusters; ++cluster)
    for (int value = 0; value < kPdf417CodewordValues; ++value) {
      std::uint16_t modules = kPatterns.Table.Modules[cluster][value];
      auto& pattern = chars[cluster][value];
      pattern[0] = '1';
      for (int m = 1; m < kPdf417PatternModules; ++m)
        pattern[m] = (modules >> (kPdf417PatternModules - 1 - m)) & 1 ? '1' : '0';
    }
  return chars;
}();

}  // namespace

const TPdf417PatternTable& Pdf417ClusterPatterns() { return kPatterns.Table; }

std::string_view Pdf417PatternModules(int cluster, int codeword) {
  const auto& pattern = kModuleChars[cluster][codeword];
  return {pattern.data(), pattern.size()};
}

}  // namespace quorvel
