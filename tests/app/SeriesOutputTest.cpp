// The benchmark's series workload printed to PDF, read back and compared
// with what the program printed before its speed work: the same symbols
// must decode to exactly the same values at the same places, and the texts'
// ink must stand where it stood, both to 0.2 mm. The reference was taken
// from the output of the earlier build; only the QR Codes' places were taken
// again when they came to be drawn from their modules in whole device
// pixels, centred in their box.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// Positions agree to 0.2 mm: 2 pixels at the 10 pixels per millimetre read here.
constexpr int kTolerance = 2;

struct TBox {
  int Left = 0, Top = 0, Right = -1, Bottom = -1;  // Right < 0: no ink
};

bool Near(const TBox& a, const TBox& b) {
  return std::abs(a.Left - b.Left) <= kTolerance && std::abs(a.Top - b.Top) <= kTolerance &&
         std::abs(a.Right - b.Right) <= kTolerance && std::abs(a.Bottom - b.Bottom) <= kTolerance;
}

std::string Text(const TBox& box) {
  if (box.Right < 0) return "none";
  std::ostringstream out;
  out << box.Left << ',' << box.Top << '-' << box.Right << ',' << box.Bottom;
  return out.str();
}

TBox ParseBox(const std::string& text) {
  TBox box;
  if (text != "none" && std::sscanf(text.c_str(), "%d,%d-%d,%d", &box.Left, &box.Top, &box.Right, &box.Bottom) != 4)
    ADD_FAILURE() << "not a box: " << text;
  return box;
}

// One 70 x 36 mm cell: each decoded symbol (format and text) with where it
// was found, and the ink of the two texts.
struct TCell {
  std::vector<std::pair<std::string, TBox>> Symbols;  // sorted by format and text
  TBox FirstInk, SecondInk;
};

std::string Text(const TCell& cell) {
  std::string line;
  for (const auto& [symbol, box] : cell.Symbols) line += symbol + " at " + Text(box) + "; ";
  return line + "first text ink " + Text(cell.FirstInk) + "; second text ink " + Text(cell.SecondInk);
}

// A line of the reference: "page P: FORMAT TEXT at BOX; ...; first text ink BOX; second text ink BOX".
TCell ParseCell(std::string line) {
  TCell cell;
  line = line.substr(line.find(": ") + 2);
  std::vector<std::string> parts;
  for (std::size_t at; (at = line.find("; ")) != std::string::npos; line.erase(0, at + 2)) parts.push_back(line.substr(0, at));
  parts.push_back(line);
  for (const std::string& part : parts) {
    std::size_t at = part.rfind(" at ");
    if (part.rfind("first text ink ", 0) == 0) cell.FirstInk = ParseBox(part.substr(15));
    else if (part.rfind("second text ink ", 0) == 0) cell.SecondInk = ParseBox(part.substr(16));
    else if (at != std::string::npos) cell.Symbols.emplace_back(part.substr(0, at), ParseBox(part.substr(at + 4)));
    else ADD_FAILURE() << "not a cell part: " << part;
  }
  return cell;
}

// The bounding box of the dark pixels in a window of the cell, in cell pixels.
TBox InkBox(const QImage& cell, const QRect& window) {
  TBox box{window.right() + 1, window.bottom() + 1, -1, -1};
  for (int y = window.top(); y <= window.bottom(); ++y)
    for (int x = window.left(); x <= window.right(); ++x)
      if (qGray(cell.pixel(x, y)) < 128) {
        box.Left = std::min(box.Left, x), box.Right = std::max(box.Right, x);
        box.Top = std::min(box.Top, y), box.Bottom = std::max(box.Bottom, y);
      }
  return box;
}

// The cells of a page read at 10 pixels per millimetre, row by row.
std::vector<TCell> DescribeCells(const QImage& page) {
  std::vector<TCell> cells;
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 3; ++column) {
      QImage image = page.copy(column * 700, row * 360, 700, 360);
      TCell cell;
      for (const test::TDecoded& d : test::Decode(image))
        cell.Symbols.emplace_back(d.Format + " " + d.Text, TBox{d.Left, d.Top, d.Right, d.Bottom});
      std::sort(cell.Symbols.begin(), cell.Symbols.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
      cell.FirstInk = InkBox(image, {0, 0, 370, 78});
      cell.SecondInk = InkBox(image, {0, 78, 370, 62});
      cells.push_back(cell);
    }
  return cells;
}

std::vector<TCell> DescribePdf(const std::string& pdf, int pages, const test::TTempDir& dir) {
  std::vector<TCell> cells;
  for (int page = 1; page <= pages; ++page) {
    std::string prefix = dir.Path("page" + std::to_string(page));
    int status = QProcess::execute("pdftoppm", {"-r", "254", "-f", QString::number(page), "-l", QString::number(page),
                                                "-png", "-singlefile", QString::fromStdString(pdf),
                                                QString::fromStdString(prefix)});
    EXPECT_EQ(status, 0) << "pdftoppm on page " << page;
    QImage image(QString::fromStdString(prefix + ".png"));
    EXPECT_FALSE(image.isNull()) << "page " << page;
    if (image.isNull()) continue;
    for (const TCell& cell : DescribeCells(image)) cells.push_back(cell);
  }
  return cells;
}

std::vector<TCell> ReadReference(const std::string& path) {
  std::ifstream in(path);
  std::vector<TCell> cells;
  for (std::string line; std::getline(in, line);) cells.push_back(ParseCell(line));
  return cells;
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
  ASSERT_EQ(batch.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();

  std::vector<TCell> reference = ReadReference(kReference);
  ASSERT_EQ(reference.size(), 48u) << kReference;
  std::vector<TCell> printed = DescribePdf(dir.Path("out.pdf"), 2, dir);
  ASSERT_EQ(printed.size(), reference.size());
  for (std::size_t i = 0; i < reference.size(); ++i) {
    SCOPED_TRACE("cell " + std::to_string(i) + "\n  printed:   " + Text(printed[i]) + "\n  reference: " + Text(reference[i]));
    const TCell& a = printed[i];
    const TCell& b = reference[i];
    // Three symbols per cell, each with the line's values, exactly.
    EXPECT_EQ(a.Symbols.size(), 3u);
    ASSERT_EQ(a.Symbols.size(), b.Symbols.size());
    for (std::size_t k = 0; k < a.Symbols.size(); ++k) {
      EXPECT_EQ(a.Symbols[k].first, b.Symbols[k].first);
      EXPECT_TRUE(Near(a.Symbols[k].second, b.Symbols[k].second)) << a.Symbols[k].first;
    }
    EXPECT_TRUE(Near(a.FirstInk, b.FirstInk)) << "first text";
    EXPECT_TRUE(Near(a.SecondInk, b.SecondInk)) << "second text";
  }
  // The reference itself names each line's values, so it cannot hold a blank sheet.
  EXPECT_EQ(reference[47].Symbols.back().first, "QRCode https://example.org/item/48");
  EXPECT_EQ(reference[47].Symbols[1].first, "EAN-13 4000000000488");
}

}  // namespace
}  // namespace quorvel
