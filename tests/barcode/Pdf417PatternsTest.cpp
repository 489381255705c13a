#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "barcode/Pdf417.h"
#include "barcode/Pdf417Patterns.h"

namespace quorvel {
namespace {

// The project's pattern file, line by line.
std::vector<std::string> PatternFileLines() {
  std::ifstream file(QUORVEL_PDF417_PATTERN_FILE);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

static_assert(ParsePdf417PatternText("# no table\n\n").ErrorLine == 3);
static_assert(ParsePdf417PatternText("0 31111136 51111125 21111155\n").ErrorLine == 2);  // too few lines

TEST(Pdf417PatternTextTest, TheProjectFileIsTheBuiltInTable) {
  TPdf417PatternText parsed = ParsePdf417PatternText(Joined(PatternFileLines()));
  ASSERT_EQ(parsed.ErrorLine, 0) << parsed.Problem;
  EXPECT_EQ(parsed.Values, kPdf417CodewordValues);
  EXPECT_EQ(parsed.Table.Modules, Pdf417ClusterPatterns().Modules);
}

// What the build reports when the file is damaged: the line and the problem.
TEST(Pdf417PatternTextTest, NamesTheFirstMalformedLine) {
  std::vector<std::string> sound = PatternFileLines();
  const int first = int(std::find_if(sound.begin(), sound.end(), [](const std::string& line) {
                          return !line.empty() && line.front() != '#';
                        }) - sound.begin());
  ASSERT_LT(first, int(sound.size()));
  const int value10 = first + 10;  // 0-based index of the line of value 10
  const std::string tail = " 51111125 21111155";
  struct {
    int Index;  // line to replace, 0-based; -1 appends, -2 drops the last line
    std::string Line;
    std::string Problem;
  } cases[] = {
      {value10, "10 31111136 51111125", "4 fields"},
      {value10, "10 31111136 51111125 21111155 21111155", "4 fields"},
      {value10, "11 31111136" + tail, "in order"},
      {value10, "x 31111136" + tail, "in order"},
      {value10, "10 3111113" + tail, "adding up to 17"},
      {value10, "10 31111137" + tail, "adding up to 17"},
      {value10, "10 30111146" + tail, "adding up to 17"},
      {value10, "10 3111113a" + tail, "adding up to 17"},
      {value10, "10 71111114" + tail, "1 to 6"},
      {value10, "10 21111146" + tail, "cluster of its column"},
      {value10, "10" + sound[first].substr(1), "repeats"},
      {-1, "929 31111136" + tail, "more than 929"},
      {-2, "", "fewer than 929"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = sound;
    if (c.Index == -1) lines.push_back(c.Line);
    else if (c.Index == -2) lines.pop_back();
    else lines[c.Index] = c.Line;
    TPdf417PatternText parsed = ParsePdf417PatternText(Joined(lines));
    // The appended line itself; for a dropped line, the end of the text.
    int expectedLine = c.Index >= 0 ? c.Index + 1 : int(lines.size()) + (c.Index == -1 ? 0 : 1);
    EXPECT_EQ(parsed.ErrorLine, expectedLine) << c.Line;
    ASSERT_NE(parsed.Problem, nullptr) << c.Line;
    EXPECT_NE(std::string(parsed.Problem).find(c.Problem), std::string::npos) << parsed.Problem;
  }
}

TEST(Pdf417PatternTextTest, EncodesTheRowsWithTheBuiltInTable) {
  TPdf417Options options;
  options.Cols = 2;
  TPdf417Symbol symbol = EncodePdf417("ABC", options);
  EXPECT_EQ(symbol.RowModules, Pdf417RowModules(symbol, false));
  EXPECT_EQ(symbol.RowModules.size(), 6u);
}

// The value of every pattern of a cluster.
std::map<std::uint16_t, int> PatternValues(int cluster) {
  std::map<std::uint16_t, int> values;
  for (int value = 0; value < kPdf417CodewordValues; ++value)
    values[Pdf417ClusterPatterns().Modules[cluster][value]] = value;
  return values;
}

// Cuts a row into its patterns and reads each back through the cluster of its row.
std::vector<int> ReadRow(const std::string& row, int rowIndex, bool truncated) {
  std::map<std::uint16_t, int> values = PatternValues(rowIndex % 3);
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
      std::vector<std::string> rows = Pdf417RowModules(symbol, truncated);
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
        EXPECT_EQ(ReadRow(row, r, truncated), expected) << "row " << r;
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
    EXPECT_THROW(Pdf417RowModules(symbol, false), std::invalid_argument);
}

}  // namespace
}  // namespace quorvel
