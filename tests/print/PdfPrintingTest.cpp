#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <fstream>
#include <iterator>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/ImageControl.h"
#include "platform/PdfPrinter.h"
#include "platform/ScriptedDialogs.h"
#include "print/LabelPrinting.h"
#include "print/SeriesPrint.h"
#include "print/SheetSetup.h"
#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

// Prints through the PDF printer at 600 dpi, as a real page would be, and
// reads the pages back at 2 pixels per millimetre.
class PdfPrintingTest : public ::testing::Test {
 protected:
  PdfPrintingTest() {
    document.Layout = {"50", "40", "120", "100", "2", "2", "10", "20", "5", "7"};
    TLabelObject& box = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBox));
    box.Left = 0, box.Top = 0, box.Width = 500, box.Height = 400, box.BrushColor = clBlack;
  }

  TPdfPrinter& Printer(double widthMm = 120, double heightMm = 100) {
    printer = std::make_unique<TPdfPrinter>(dir.Path("out.pdf"), widthMm, heightMm, 600);
    printing = std::make_unique<TLabelPrinting>(document, *printer, dialogs);
    return *printer;
  }

  QImage Page(int page, int pixelsPerMm = 2) {
    std::string prefix = dir.Path("page" + std::to_string(page));
    QProcess::execute("pdftoppm", {"-r", QString::number(pixelsPerMm * 25.4), "-f", QString::number(page), "-l",
                                   QString::number(page), "-png", "-singlefile", QString::fromStdString(dir.Path("out.pdf")),
                                   QString::fromStdString(prefix)});
    return QImage(QString::fromStdString(prefix + ".png"));
  }

  static bool Black(const QImage& page, double xMm, double yMm) {
    return qGray(page.pixel(static_cast<int>(xMm * 2), static_cast<int>(yMm * 2))) < 128;
  }

  // The cells (row, column) of the 2 x 2 sheet that hold a copy.
  std::vector<std::pair<int, int>> Cells(const QImage& page) {
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < 2; ++column)
        if (Black(page, 7 + column * 70 + 25, 5 + row * 50 + 20)) cells.emplace_back(row, column);
    return cells;
  }

  test::TTempDir dir;
  TLabelDocument document;
  TScriptedDialogs dialogs;
  std::unique_ptr<TPdfPrinter> printer;
  std::unique_ptr<TLabelPrinting> printing;
};

using TCells = std::vector<std::pair<int, int>>;

TEST_F(PdfPrintingTest, CopiesLandOnTheirCellsInMillimetres) {
  Printer();
  printing->PrintCopies("5", {});
  ASSERT_EQ(printer->PagesWritten(), 2);
  QImage first = Page(1);
  EXPECT_EQ(Cells(first), (TCells{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
  EXPECT_EQ(Cells(Page(2)), (TCells{{0, 0}}));
  // The second column starts at 7 + 50 + 20 = 77 mm, the second row at 5 + 40 + 10 = 55 mm.
  EXPECT_TRUE(Black(first, 77.5, 55.5));
  EXPECT_FALSE(Black(first, 76.5, 55.5));
  EXPECT_FALSE(Black(first, 77.5, 54.5));
}

TEST_F(PdfPrintingTest, TheLastCellAsStartGivesOnePage) {
  Printer();
  printing->PrintCopies("1", {"2", "2"});
  EXPECT_EQ(printer->PagesWritten(), 1);
  EXPECT_EQ(Cells(Page(1)), (TCells{{1, 1}}));
}

TEST_F(PdfPrintingTest, PrintingOnceIgnoresMarginsAndStartCell) {
  Printer();
  printing->PrintLabel();
  QImage page = Page(1);
  EXPECT_TRUE(Black(page, 0.5, 0.5));
  EXPECT_TRUE(Black(page, 49.5, 39.5));
  EXPECT_FALSE(Black(page, 50.5, 20));
}

TEST_F(PdfPrintingTest, LandscapeScalesByTheTurnedPrintableSize) {
  document.Landscape = true;
  Printer();
  printing->PrintLabel();
  EXPECT_DOUBLE_EQ(printing->Scale().X, printer->PageWidth() / 100.0);
  EXPECT_DOUBLE_EQ(printing->Scale().Y, printer->PageHeight() / 120.0);
  QImage page = Page(1);
  EXPECT_EQ(page.width(), 200);  // 100 mm across in landscape
  EXPECT_TRUE(Black(page, 49.5, 39.5));
  EXPECT_FALSE(Black(page, 50.5, 20));
}

TEST_F(PdfPrintingTest, ASeriesPrintsEachLinesCodesOnTheNextCells) {
  document.Layout = {"40", "30", "120", "100", "3", "2", "0", "0", "0", "0"};
  document.Object(1).Deleted = true;
  TLabelObject& barcode = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
  barcode.Left = 40, barcode.Top = 20, barcode.Width = 320, barcode.Height = 120, barcode.Variable = 1;
  barcode.Barcode().SetTypBarCode(TTypBarCode::bcCode128);
  TLabelObject& qr = document.Append(std::make_unique<TLabelObject>(TObjectKind::okQrCode));
  qr.Left = 120, qr.Top = 150, qr.Width = 140, qr.Height = 140, qr.Variable = 2;
  test::WriteFile(dir.Path("series.csv"), "CODE-1;first\r\nCODE-2;second\r\n");
  document.SeriesFileName = dir.Path("series.csv");
  Printer();
  PrintSeries(*printing, {.EachCount = "2"});
  QImage page = Page(1, 10);
  std::vector<std::string> cells;
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 3; ++column) {
      QImage cell = page.copy(column * 400, row * 300, 400, 300);
      std::string texts;
      for (const auto& decoded : test::Decode(cell)) texts += decoded.Text + "|";
      cells.push_back(texts);
    }
  auto either = [](const std::string& a, const std::string& b) { return a + "|" + b + "|"; };
  EXPECT_TRUE(cells[0] == either("CODE-1", "first") || cells[0] == either("first", "CODE-1")) << cells[0];
  EXPECT_TRUE(cells[2] == either("CODE-2", "second") || cells[2] == either("second", "CODE-2")) << cells[2];
  EXPECT_TRUE(cells[3] == either("CODE-2", "second") || cells[3] == either("second", "CODE-2")) << cells[3];
  EXPECT_EQ(cells[4], "");
}

TEST_F(PdfPrintingTest, APictureNamedByEverySeriesLineIsEmbeddedOnceUntilItsFileChanges) {
  document.Object(1).Deleted = true;
  TLabelObject& picture = document.Append(std::make_unique<TLabelObject>(TObjectKind::okPicture));
  picture.Left = 20, picture.Top = 20, picture.Width = 200, picture.Height = 100, picture.Variable = 1;
  QImage logo(8, 4, QImage::Format_RGB32);
  logo.fill(qRgb(200, 30, 30));
  std::string path = dir.Path("logo.bmp");
  ASSERT_TRUE(logo.save(QString::fromStdString(path), "BMP"));
  test::WriteFile(dir.Path("series.csv"), path + "\n" + path + "\n" + path + "\n" + path + "\n" + path + "\n");
  document.SeriesFileName = dir.Path("series.csv");
  auto embeddedImages = [&] {
    Printer();
    PrintSeries(*printing, {});
    std::ifstream in(dir.Path("out.pdf"), std::ios::binary);
    std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int count = 0;
    for (std::size_t at = pdf.find("/Subtype /Image"); at != std::string::npos; at = pdf.find("/Subtype /Image", at + 1))
      ++count;
    return count;
  };
  EXPECT_EQ(embeddedImages(), 1);
  ASSERT_EQ(printer->PagesWritten(), 2);

  // A picture file that changes between two runs is read anew.
  logo = QImage(9, 4, QImage::Format_RGB32);
  logo.fill(qRgb(30, 30, 200));
  ASSERT_TRUE(logo.save(QString::fromStdString(path), "BMP"));
  EXPECT_EQ(embeddedImages(), 1);
  EXPECT_EQ(picture.Image().Picture().Width(), 9);
}

TEST_F(PdfPrintingTest, TheCalibrationSheetDrawsItsTwoLines) {
  document.Layout.SheetWidth = "200";
  document.Layout.SheetHeight = "280";
  Printer(200, 280);
  PrintCalibrationSheet(*printing);
  QImage page = Page(1);
  EXPECT_TRUE(Black(page, 100, 30));   // the vertical line at 100 mm, to the page's end
  EXPECT_TRUE(Black(page, 100, 279));
  EXPECT_TRUE(Black(page, 30, 150));   // the horizontal line at 150 mm
  EXPECT_TRUE(Black(page, 199, 150));
  EXPECT_FALSE(Black(page, 60, 100));
}

}  // namespace
}  // namespace quorvel
