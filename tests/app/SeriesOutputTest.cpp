// The benchmark's series workload printed to PDF, read back and compared
// with what the program printed before its speed work: the same symbols
// must decode at the same places, and the texts' ink must stand where it
// stood. The reference was taken from the output of the earlier build; only
// the QR Codes' places were taken again when they came to be drawn from
// their modules in whole device pixels, centred in their box.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

const std::string kLabel = std::string(QUORVEL_TEST_DATA) + "/series-workload.lab";
const std::string kReference = std::string(QUORVEL_TEST_DATA) + "/series-workload-reference.txt";
constexpr int kLines = 48;  // two full sheets of 3 x 8

// A line as bench/compare.sh writes them: article, description, EAN-13, URL.
std::string SeriesLine(int i) {
  char digits[13];
  std::snprintf(digits, sizeof digits, "400%09d", i);
  int sum = 0;
  for (int k = 0; k < 12; ++k) sum += (digits[k] - '0') * (k % 2 == 0 ? 1 : 3);
  char line[128];
  std::snprintf(line, sizeof line, "ART%05d;Beschreibung %d;%s%d;https://example.org/item/%d", i, i, digits,
                (10 - sum % 10) % 10, i);
  return line;
}

std::string Box(int left, int top, int right, int bottom) {
  std::ostringstream out;
  out << left << ',' << top << '-' << right << ',' << bottom;
  return out.str();
}

// The bounding box of the dark pixels in a window of the cell, in cell pixels.
std::string InkBox(const QImage& cell, const QRect& window) {
  int left = window.right() + 1, top = window.bottom() + 1, right = -1, bottom = -1;
  for (int y = window.top(); y <= window.bottom(); ++y)
    for (int x = window.left(); x <= window.right(); ++x)
      if (qGray(cell.pixel(x, y)) < 128) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  return right < 0 ? "none" : Box(left, top, right, bottom);
}

// One line per 70 x 36 mm cell of a page read at 10 pixels per millimetre:
// each decoded symbol with where it was found, then the ink of the two texts.
std::vector<std::string> DescribeCells(const QImage& page) {
  std::vector<std::string> cells;
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 3; ++column) {
      QImage cell = page.copy(column * 700, row * 360, 700, 360);
      std::vector<std::string> parts;
      for (const test::TDecoded& d : test::Decode(cell))
        parts.push_back(d.Format + " " + d.Text + " at " + Box(d.Left, d.Top, d.Right, d.Bottom));
      std::sort(parts.begin(), parts.end());
      parts.push_back("first text ink " + InkBox(cell, {0, 0, 370, 78}));
      parts.push_back("second text ink " + InkBox(cell, {0, 78, 370, 62}));
      std::string line;
      for (const std::string& part : parts) line += (line.empty() ? "" : "; ") + part;
      cells.push_back(line);
    }
  return cells;
}

std::vector<std::string> DescribePdf(const std::string& pdf, int pages, const test::TTempDir& dir) {
  std::vector<std::string> lines;
  for (int page = 1; page <= pages; ++page) {
    std::string prefix = dir.Path("page" + std::to_string(page));
    QProcess::execute("pdftoppm", {"-r", "254", "-f", QString::number(page), "-l", QString::number(page), "-png",
                                   "-singlefile", QString::fromStdString(pdf), QString::fromStdString(prefix)});
    for (const std::string& cell : DescribeCells(QImage(QString::fromStdString(prefix + ".png"))))
      lines.push_back("page " + std::to_string(page) + ": " + cell);
  }
  return lines;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(SeriesOutputTest, SymbolsAndTextsStandWhereTheEarlierBuildPrintedThem) {
  test::TTempDir dir;
  {
    std::ofstream csv(dir.Path("series.csv"));
    for (int i = 1; i <= kLines; ++i) csv << SeriesLine(i) << '\n';
  }
  QProcess batch;
  batch.start(QUORVEL_BATCH_EXE, {QString::fromStdString(kLabel), "--pdf", QString::fromStdString(dir.Path("out.pdf")),
                                  "--series", QString::fromStdString(dir.Path("series.csv"))});
  ASSERT_TRUE(batch.waitForFinished(120000));
  ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();

  std::vector<std::string> reference = ReadLines(kReference);
  ASSERT_EQ(reference.size(), 48u) << kReference;
  std::vector<std::string> printed = DescribePdf(dir.Path("out.pdf"), 2, dir);
  ASSERT_EQ(printed.size(), reference.size());
  for (std::size_t i = 0; i < reference.size(); ++i) EXPECT_EQ(printed[i], reference[i]) << "cell " << i;
  // The reference itself names each line's values, so it cannot hold a blank sheet.
  EXPECT_NE(reference[47].find("QRCode https://example.org/item/48 at"), std::string::npos) << reference[47];
  EXPECT_NE(reference[47].find("EAN-13 4000000000488"), std::string::npos) << reference[47];
}

}  // namespace
}  // namespace quorvel
