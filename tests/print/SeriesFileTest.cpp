#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "print/SeriesFile.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using TValues = std::vector<std::string>;

TEST(SplitSeriesLineTest, CutsAtEverySemicolonAsTheHelpTextExplains) {
  struct {
    const char* Line;
    TValues Values;
  } cases[] = {
      {"4711;echt Kölnisch Wasser;", {"4711", "echt Kölnisch Wasser"}},
      {"4712;Seife neutral", {"4712", "Seife neutral"}},
      {"a;;c", {"a", "", "c"}},
      {"", {}},
      {";", {""}},
      {";;", {"", ""}},
      {" a ; b", {" a ", " b"}},
      {"x", {"x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitSeriesLine(c.Line), c.Values) << c.Line;
}

TEST(SplitSeriesLineTest, KeepsValuesBeyondThirty) {
  std::string line;
  for (int i = 1; i <= 40; ++i) line += std::to_string(i) + ";";
  TValues values = SplitSeriesLine(line);
  ASSERT_EQ(values.size(), 40u);
  EXPECT_EQ(values.back(), "40");
}

std::vector<std::string> ReadAll(const std::string& path) {
  TSeriesFileReader reader(path);
  std::vector<std::string> lines;
  std::string line;
  while (reader.NextLine(line)) lines.push_back(line);
  return lines;
}

TEST(SeriesFileReaderTest, ReadsEveryLineIncludingEmptyOnesWithEitherLineEnd) {
  test::TTempDir dir;
  struct {
    std::string Bytes;
    std::vector<std::string> Lines;
  } cases[] = {
      {"a;b\r\n\r\nc;d\r\n", {"a;b", "", "c;d"}},
      {"a;b\n\nc;d", {"a;b", "", "c;d"}},
      {"", {}},
      {"\n", {""}},
      {"K\xF6ln\n", {"Köln"}},                      // Windows-1252 becomes UTF-8
      {"K\xC3\xB6ln;\xE2\x82\xAC\n", {"Köln;€"}},  // UTF-8 stays
      {"\xEF\xBB\xBFplain\n", {"plain"}},                 // byte-order mark dropped
      {"ok \xC3\xB6\nbad \xF6\n", {"ok Ã¶", "bad ö"}},  // mixed: Windows-1252
  };
  for (const auto& c : cases) {
    std::string path = dir.Path("series.csv");
    test::WriteFile(path, c.Bytes);
    EXPECT_EQ(ReadAll(path), c.Lines) << c.Bytes;
  }
}

TEST(SeriesFileReaderTest, CopesWithBinaryGarbageAndRefusesLinesOverOneMebibyte) {
  test::TTempDir dir;
  std::string path = dir.Path("huge.csv");
  std::string garbage(1 << 20, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 7919) % 251);
  const std::string longest(1 << 20, 'x');
  test::WriteFile(path, longest + "\r\n" + garbage);
  std::vector<std::string> lines = ReadAll(path);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], longest);
  test::WriteFile(path, "A\n" + longest + "x\n");
  try {
    ReadAll(path);
    FAIL() << "a line over the limit was read";
  } catch (const EUserError& e) {
    EXPECT_NE(std::string(e.what()).find("in Zeile 2 mehr als 1048576 Zeichen"), std::string::npos) << e.what();
  }
}

TEST(SeriesFileReaderTest, AMissingFileGivesAMessage) {
  EXPECT_THROW(TSeriesFileReader("/nonexistent/series.csv"), EUserError);
}

}  // namespace
}  // namespace quorvel
