#include <gtest/gtest.h>

#include "SyntheticPdf417Patterns.h"
#include "barcode/Pdf417.h"
#include "barcode/Pdf417Patterns.h"

namespace quorvel {
namespace {

using test::PatternValues;
using test::SyntheticPdf417Patterns;

// The table in the text format, one line per value; the first value line is line 3.
std::vector<std::string> PatternLines(const TPdf417PatternTable& table) {
  std::vector<std::string> lines = {"# codeword patterns", ""};
  for (int value = 0; value < kPdf417CodewordValues; ++value) {
    std::string line = std::to_string(value);
    for (int cluster = 0; cluster < kPdf417Clusters; ++cluster)
      line += (cluster == 0 ? "\t" : "  ") + Pdf417PatternWidths(table.Modules[cluster][value]);
    lines.push_back(line + " \r");
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

static_assert(ParsePdf417PatternText("# no table yet\n\n").Values == 0);
static_assert(ParsePdf417PatternText("# no table yet\n\n").ErrorLine == 0);
static_assert(ParsePdf417PatternText("0 11111516 11114216 11111246\n").ErrorLine == 2);  // too few lines

TEST(Pdf417PatternTextTest, ReadsBackATableWrittenInTheTextFormat) {
  TPdf417PatternText parsed = ParsePdf417PatternText(Joined(PatternLines(SyntheticPdf417Patterns())));
  ASSERT_EQ(parsed.ErrorLine, 0) << parsed.Problem;
  EXPECT_EQ(parsed.Values, kPdf417CodewordValues);
  EXPECT_EQ(parsed.Table.Modules, SyntheticPdf417Patterns().Modules);
}

TEST(Pdf417PatternTextTest, NamesTheFirstMalformedLine) {
  struct {
    int Index;  // line to replace, 0-based; -1 appends, -2 drops the last line
    std::string Line;
    int ErrorLine;
    std::string Problem;
  } cases[] = {
      {12, "10 11111516 11114216", 13, "4 fields"},
      {12, "10 11111516 11114216 11111246 11111246", 13, "4 fields"},
      {12, "11 11111516 11114216 11111246", 13, "in order"},
      {12, "x 11111516 11114216 11111246", 13, "in order"},
      {12, "10 11111516 1111421 11111246", 13, "adding up to 17"},
      {12, "10 11111516 11114217 11111246", 13, "adding up to 17"},
      {12, "10 11111516 11104226 11111246", 13, "adding up to 17"},
      {12, "10 1111151a 11114216 11111246", 13, "adding up to 17"},
      {-1, "929 11111516 11114216 11111246", 932, "more than 929"},
      {-2, "", 931, "fewer than 929"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = PatternLines(SyntheticPdf417Patterns());
    if (c.Index == -1) lines.push_back(c.Line);
    else if (c.Index == -2) lines.pop_back();
    else lines[c.Index] = c.Line;
    TPdf417PatternText parsed = ParsePdf417PatternText(Joined(lines));
    EXPECT_EQ(parsed.ErrorLine, c.ErrorLine) << c.Line;
    ASSERT_NE(parsed.Problem, nullptr) << c.Line;
    EXPECT_NE(std::string(parsed.Problem).find(c.Problem), std::string::npos) << parsed.Problem;
  }
}

TEST(Pdf417PatternTableTest, ASoundTableHasNoProblems) {
  EXPECT_EQ(Pdf417PatternTableProblems(SyntheticPdf417Patterns()), std::vector<std::string>{});
}

TEST(Pdf417PatternTableTest, FindsEveryKindOfBrokenPattern) {
  auto modules = [](std::string_view widths) { return static_cast<std::uint16_t>(pdf417_text::ModulesFromWidths(widths)); };
  struct {
    int Cluster;
    int Value;
    std::uint16_t Modules;
    std::string Problem;
  } cases[] = {
      {0, 5, modules("71111141"), "cluster 0, value 5 (71111141): has an element of 7 modules"},
      {1, 0, modules("11111129"), "cluster 3, value 0 (11111129): has an element of 9 modules"},
      {2, 928, modules("11111516"), "cluster 6, value 928 (11111516): belongs to cluster 0"},
      {0, 7, 0xFFFF, "cluster 0, value 7 (17): has 1 elements"},
      {0, 8, 0xFFF0, "cluster 0, value 8 (134): has 2 elements"},
      {1, 3, 0x55FF, "cluster 3, value 3 (111111119): has 9 elements"},
  };
  for (const auto& c : cases) {
    TPdf417PatternTable table = SyntheticPdf417Patterns();
    table.Modules[c.Cluster][c.Value] = c.Modules;
    std::vector<std::string> problems = Pdf417PatternTableProblems(table);
    ASSERT_FALSE(problems.empty()) << c.Problem;
    EXPECT_EQ(problems.front().substr(0, c.Problem.size()), c.Problem);
  }
  TPdf417PatternTable repeated = SyntheticPdf417Patterns();
  repeated.Modules[2][400] = repeated.Modules[2][17];
  EXPECT_EQ(Pdf417PatternTableProblems(repeated),
            std::vector<std::string>{"cluster 6, value 400 (" + Pdf417PatternWidths(repeated.Modules[2][17]) +
                                     "): repeats an earlier pattern"});
}

// The standard's table, once this build has one.
TEST(Pdf417PatternTableTest, TheBuiltInTableIsSound) {
  const TPdf417PatternTable* table = Pdf417ClusterPatterns();
  if (table == nullptr) GTEST_SKIP() << "PDF417 cluster tables absent: Pdf417Patterns.txt holds no value lines";
  EXPECT_EQ(Pdf417PatternTableProblems(*table), std::vector<std::string>{});
}

TEST(Pdf417PatternTableTest, WithoutTheTableOnlyDrawingIsRefused) {
  if (Pdf417ClusterPatterns() != nullptr) GTEST_SKIP() << "PDF417 cluster tables present";
  TPdf417Options options;
  options.Cols = 2;
  try {
    EncodePdf417("ABC", options);
    FAIL() << "no error";
  } catch (const EPdf417Error& error) {
    EXPECT_STREQ(error.what(),
                 "PDF417: Die Strichmuster der Norm ISO/IEC 15438 fehlen in dieser Ausgabe, "
                 "das Symbol kann nicht gezeichnet werden");
  }
  EXPECT_THROW(EncodePdf417("\xE4", options), EPdf417Error);  // the value's own errors still come first
  EXPECT_EQ(Pdf417MinWidth("ABC", options), 103);
}

TEST(Pdf417PatternTableTest, WithTheTableTheEncoderDrawsEveryRow) {
  if (Pdf417ClusterPatterns() == nullptr) GTEST_SKIP() << "PDF417 cluster tables absent";
  TPdf417Options options;
  options.Cols = 2;
  TPdf417Symbol symbol = EncodePdf417("ABC", options);
  EXPECT_EQ(symbol.RowModules, Pdf417RowModules(symbol, false, *Pdf417ClusterPatterns()));
  EXPECT_EQ(symbol.RowModules.size(), 6u);
}

// Cuts a row into its patterns and reads each back through the cluster of its row.
std::vector<int> ReadRow(const std::string& row, int rowIndex, bool truncated, const TPdf417PatternTable& table) {
  std::map<std::uint16_t, int> values = PatternValues(table, rowIndex % 3);
  std::vector<int> read;
  std::size_t end = row.size() - (truncated ? 1 : 18);
  for (std::size_t start = 17; start + 17 <= end; start += 17) {
    std::string pattern = row.substr(start, 17);
    EXPECT_EQ(pattern.front(), '1');
    auto found = values.find(static_cast<std::uint16_t>(std::stoi(pattern.substr(1), nullptr, 2)));
    read.push_back(found == values.end() ? -1 : found->second);
  }
  return read;
}

TEST(Pdf417RowTest, RowsHoldStartIndicatorsCodewordsAndStopInTheirRowsCluster) {
  const TPdf417PatternTable& table = SyntheticPdf417Patterns();
  struct {
    std::string Value;
    int Cols;
  } cases[] = {
      {"Quorvel 417", 3},
      {std::string(966, 'x'), 30},   // 900 codewords in 30 columns
      {std::string(1033, 'x'), 29},  // 928 codewords
      {std::string(86, 'x'), 1},     // 90 rows
  };
  for (const auto& c : cases) {
    TPdf417Options options;
    options.Mode = xbPDF417Mode::xbPDF417Binary;
    options.Cols = c.Cols;
    TPdf417Symbol symbol = EncodePdf417Codewords(c.Value, options);
    for (bool truncated : {false, true}) {
      std::vector<std::string> rows = Pdf417RowModules(symbol, truncated, table);
      ASSERT_EQ(rows.size(), std::size_t(symbol.Rows));
      for (int r = 0; r < symbol.Rows; ++r) {
        const std::string& row = rows[r];
        ASSERT_EQ(row.size(), std::size_t(17 * c.Cols + (truncated ? 35 : 69)));
        EXPECT_EQ(row.substr(0, 17), "11111111010101000");
        TPdf417RowIndicators indicators = Pdf417RowIndicators(symbol, r);
        std::vector<int> expected{indicators.Left};
        auto first = symbol.Codewords.begin() + c.Cols * r;
        expected.insert(expected.end(), first, first + c.Cols);
        if (truncated) {
          EXPECT_EQ(row.back(), '1');
        } else {
          EXPECT_EQ(row.substr(row.size() - 18), "111111101000101001");
          expected.push_back(indicators.Right);
        }
        EXPECT_EQ(ReadRow(row, r, truncated, table), expected) << "row " << r;
      }
    }
  }
}

TEST(Pdf417RowTest, RefusesSymbolsWhoseShapeAndCodewordsDisagree) {
  TPdf417Options options;
  options.Cols = 2;
  TPdf417Symbol sound = EncodePdf417Codewords("ABC", options);
  auto broken = [&sound](auto change) {
    TPdf417Symbol symbol = sound;
    change(symbol);
    return symbol;
  };
  const TPdf417Symbol cases[] = {
      broken([](TPdf417Symbol& s) { s.Codewords[3] = 929; }),
      broken([](TPdf417Symbol& s) { s.Codewords[3] = -1; }),
      broken([](TPdf417Symbol& s) { s.Codewords.pop_back(); }),
      broken([](TPdf417Symbol& s) { s.Rows = 7; }),
      broken([](TPdf417Symbol& s) { s.Rows = 0; }),
      broken([](TPdf417Symbol& s) { s.ErrorLevel = 9; }),
  };
  for (const TPdf417Symbol& symbol : cases)
    EXPECT_THROW(Pdf417RowModules(symbol, false, SyntheticPdf417Patterns()), std::invalid_argument);
}

}  // namespace
}  // namespace quorvel
