#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "platform/PdfPrinter.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

struct TPdfInfo {
  int Pages = 0;
  double WidthPt = 0;
  double HeightPt = 0;
};

TPdfInfo Info(const std::string& pdf) {
  QString text = RunTool("pdfinfo", {QString::fromStdString(pdf)});
  TPdfInfo info;
  info.Pages = QRegularExpression("Pages:\\s+(\\d+)").match(text).captured(1).toInt();
  auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(text);
  info.WidthPt = size.captured(1).toDouble();
  info.HeightPt = size.captured(2).toDouble();
  return info;
}

// Page 1 of the PDF rasterised at the given resolution.
QImage Rasterise(const std::string& pdf, int dpi, const std::string& prefix) {
  RunTool("pdftoppm", {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-png", "-singlefile",
                       QString::fromStdString(pdf), QString::fromStdString(prefix)});
  return QImage(QString::fromStdString(prefix + ".png"));
}

TEST(PdfPrinterTest, WritesOnePagePerPageOfThePrintableSize) {
  test::TTempDir dir;
  std::string pdf = dir.Path("out.pdf");
  TPdfPrinter printer(pdf, 200.0, 287.0, 600);
  EXPECT_EQ(printer.PageWidth(), 4724);  // 200 mm at 600 dpi
  EXPECT_EQ(printer.PageHeight(), 6780);
  printer.BeginDoc();
  EXPECT_TRUE(printer.Printing());
  EXPECT_TRUE(printer.Canvas().IsPrinter());
  EXPECT_EQ(printer.Canvas().PixelsPerInch(), 600);
  printer.NewPage();
  printer.NewPage();
  printer.EndDoc();
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(printer.PagesWritten(), 3);

  TPdfInfo info = Info(pdf);
  EXPECT_EQ(info.Pages, 3);
  EXPECT_NEAR(info.WidthPt, 200.0 / 25.4 * 72, 0.5);
  EXPECT_NEAR(info.HeightPt, 287.0 / 25.4 * 72, 0.5);
}

TEST(PdfPrinterTest, DevicePixelsMapToTheRightPlaceOnThePage) {
  test::TTempDir dir;
  std::string pdf = dir.Path("scale.pdf");
  TPdfPrinter printer(pdf, 100.0, 50.0, 600);
  printer.BeginDoc();
  TCanvas& canvas = printer.Canvas();
  canvas.Brush = {clBlack, TBrushStyle::bsSolid};
  // 10 mm from the left and 5 mm from the top, 20 mm by 10 mm.
  canvas.FillRect({236, 118, 236 + 472, 118 + 236});
  printer.EndDoc();

  QImage page = Rasterise(pdf, 254, dir.Path("page"));  // 10 pixels per millimetre
  ASSERT_NEAR(page.width(), 1000, 1);
  ASSERT_NEAR(page.height(), 500, 1);
  auto black = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  EXPECT_TRUE(black(101, 51));
  EXPECT_TRUE(black(298, 148));
  EXPECT_FALSE(black(98, 60));
  EXPECT_FALSE(black(150, 47));
  EXPECT_FALSE(black(302, 100));
  EXPECT_FALSE(black(150, 152));
}

TEST(PdfPrinterTest, LandscapeTurnsThePageAndNoJobMeansNoCanvas) {
  test::TTempDir dir;
  TPdfPrinter printer(dir.Path("l.pdf"), 200.0, 100.0, 300);
  printer.SetOrientation(TPrinterOrientation::poLandscape);
  EXPECT_EQ(printer.PageWidth(), 1181);
  EXPECT_EQ(printer.PageHeight(), 2362);
  EXPECT_THROW(printer.Canvas(), EPrinterError);
  printer.BeginDoc();
  printer.EndDoc();
  printer.EndDoc();  // ending twice is harmless
  TPdfInfo info = Info(dir.Path("l.pdf"));
  EXPECT_NEAR(info.WidthPt, 100.0 / 25.4 * 72, 0.5);
  EXPECT_NEAR(info.HeightPt, 200.0 / 25.4 * 72, 0.5);
}

TEST(PdfPrinterTest, AnUnwritablePathRefusesToBegin) {
  TPdfPrinter printer("/nonexistent-folder/out.pdf", 100, 100, 300);
  EXPECT_THROW(printer.BeginDoc(), EPrinterError);
  EXPECT_FALSE(printer.Printing());
}

}  // namespace
}  // namespace quorvel
