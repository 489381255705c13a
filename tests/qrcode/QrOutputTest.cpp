#include <gtest/gtest.h>

#include <memory>

#include "QrTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Errors.h"
#include "platform/Printer.h"

namespace quorvel {
namespace {

using enum TBarcodeOrientation;

class TRecordingClipboard : public IClipboard {
 public:
  void SetBitmap(const TBitmap& bitmap) override { Bitmap = std::make_unique<TBitmap>(bitmap); }
  std::unique_ptr<TBitmap> Bitmap;
};

// A printer whose page is a bitmap of 80 x 60 mm at 300 pixels per inch.
class TBitmapPrinter : public IPrinter {
 public:
  std::vector<std::string> PrinterNames() override { return {"Bitmap"}; }
  int PrinterIndex() const override { return 0; }
  void SelectPrinter(int) override {}
  void ShowPrintDialog() override {}
  TPrinterOrientation Orientation() const override { return TPrinterOrientation::poPortrait; }
  void SetOrientation(TPrinterOrientation) override {}
  int PageWidth() override { return page_.Width(); }
  int PageHeight() override { return page_.Height(); }
  int PixelsPerInch() override { return 300; }
  bool Printing() const override { return printing_; }
  void BeginDoc() override { printing_ = true; }
  void NewPage() override {}
  void EndDoc() override { printing_ = false; }
  TCanvas& Canvas() override {
    if (!printing_) throw EPrinterError("Es läuft kein Druckauftrag");
    return page_.Canvas();
  }
  const TBitmap& Page() const { return page_; }

 private:
  TBitmap page_{945, 709, 300};
  bool printing_ = false;
};

// The smallest rectangle holding every pixel that is not white.
TRect InkBounds(const QImage& image) {
  TRect box{image.width(), image.height(), 0, 0};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == Qt::white) continue;
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x + 1);
      box.Bottom = std::max(box.Bottom, y + 1);
    }
  }
  return box;
}

TEST(QrOutputTest, DrawToPaintsAtTheOriginUnstretched) {
  TBarcode2D_QRCode qr;
  qr.SetBarcode("DrawTo");
  qr.SetStretch(true);
  qr.SetBarcodeWidth(500);
  TBitmap bitmap(200, 200);
  EXPECT_EQ(qr.DrawTo(bitmap.Canvas(), 30, 40, 4), 0);
  EXPECT_EQ(InkBounds(bitmap.Image()), (TRect{30, 40, 30 + 84, 40 + 84}));
  EXPECT_EQ(test::DecodeQr(bitmap.Image(), false).Bytes, "DrawTo");
}

TEST(QrOutputTest, DrawToTurnsByAnyQuarterAndDecodes) {
  TBarcode2D_QRCode qr;
  qr.SetBarcode("Winkel");
  qr.SetShowQuietZone(true);
  for (int angle : {0, 90, 180, 270}) {
    TBitmap bitmap(120, 120);
    int width = 0, height = 0;
    EXPECT_EQ(qr.GetDrawSize(bitmap.Canvas(), 3, angle, 0, 0, width, height), 0);
    EXPECT_EQ(width, 87);
    EXPECT_EQ(height, 87);
    EXPECT_EQ(qr.DrawTo(bitmap.Canvas(), 0, 0, 3, angle), 0);
    EXPECT_EQ(test::DecodeQr(bitmap.Image(), false).Bytes, "Winkel") << angle;
  }
}

// Away from quarter turns the modules are polygons; neighbours must meet.
TEST(QrOutputTest, DrawToAtAnyAngleStaysReadable) {
  TBarcode2D_QRCode qr;
  qr.SetBarcode("schief");
  qr.SetShowQuietZone(true);
  for (int angle : {10, 30, 45, 135, 300}) {
    TBitmap bitmap(300, 300);
    int width = 0, height = 0;
    EXPECT_EQ(qr.GetDrawSize(bitmap.Canvas(), 5, angle, 0, 0, width, height), 0);
    double radians = angle * M_PI / 180;
    EXPECT_NEAR(width, 145 * (std::abs(std::cos(radians)) + std::abs(std::sin(radians))), 2) << angle;
    EXPECT_EQ(qr.DrawTo(bitmap.Canvas(), 10, 10, 5, angle), 0);
    EXPECT_EQ(test::DecodeQr(bitmap.Image(), false).Bytes, "schief") << angle;
    TRect ink = InkBounds(bitmap.Image());
    EXPECT_GE(ink.Left, 9) << angle;
    EXPECT_GE(ink.Top, 9) << angle;
    EXPECT_LE(ink.Right, 11 + width) << angle;
    EXPECT_LE(ink.Bottom, 11 + height) << angle;
  }
}

TEST(QrOutputTest, CopyToClipboardPutsABitmapOfTheDrawSize) {
  TBarcode2D_QRCode qr;
  qr.SetBarcode("Zwischenablage");
  qr.SetShowQuietZone(true);
  TRecordingClipboard clipboard;
  EXPECT_EQ(qr.CopyToClipboard(clipboard, 2, 90), 0);
  ASSERT_TRUE(clipboard.Bitmap);
  EXPECT_EQ(clipboard.Bitmap->Width(), 2 * 29);
  EXPECT_EQ(test::DecodeQr(clipboard.Bitmap->Image(), false).Bytes, "Zwischenablage");
}

TEST(QrOutputTest, PrintTurnsMillimetresIntoPrinterPixels) {
  TBitmapPrinter printer;
  TBarcode2D_QRCode qr;
  qr.SetBarcode("Drucker");
  printer.BeginDoc();
  // 0.5 mm modules at 300 dpi are round(5.9) = 6 pixels; 10 mm from the left.
  EXPECT_EQ(qr.Print(printer, 10, 5, 0.5), 0);
  EXPECT_EQ(InkBounds(printer.Page().Image()), (TRect{118, 59, 118 + 21 * 6, 59 + 21 * 6}));
  EXPECT_EQ(test::DecodeQr(printer.Page().Image(), false).Bytes, "Drucker");
  double width = 0, height = 0;
  EXPECT_EQ(qr.GetPrintSize(printer, 0.5, 0, 0, -1, width, height), 0);
  EXPECT_DOUBLE_EQ(width, 126 * 25.4 / 300);
  // A width of 20 mm: round(300 x 20 / 21 / 25.4) = 11 pixels a module.
  EXPECT_EQ(qr.GetPrintSize(printer, 0.5, 20, 0, -1, width, height), 0);
  EXPECT_DOUBLE_EQ(width, 231 * 25.4 / 300);
  // A height counts when no width is given; the width wins over it.
  EXPECT_EQ(qr.GetPrintSize(printer, 0.5, 0, 20, -1, width, height), 0);
  EXPECT_DOUBLE_EQ(height, 231 * 25.4 / 300);
  // 10 mm wide: round(300 x 10 / 21 / 25.4) = 6 pixels a module.
  EXPECT_EQ(qr.GetPrintSize(printer, 0.5, 10, 20, -1, width, height), 0);
  EXPECT_DOUBLE_EQ(height, 21 * 6 * 25.4 / 300);
  // A size too small for one pixel a module still prints one.
  EXPECT_EQ(qr.GetPrintSize(printer, 0.01, 0, 0, -1, width, height), 0);
  EXPECT_DOUBLE_EQ(width, 21 * 25.4 / 300);
  printer.EndDoc();
}

TEST(QrOutputTest, PrintNeedsAnOpenJob) {
  TBitmapPrinter printer;
  TBarcode2D_QRCode qr;
  EXPECT_THROW(qr.Print(printer, 0, 0, 1), EPrinterError);
}

TEST(QrOutputTest, TextVariantsLeaveTheComponentsOwnWorkAreaAlone) {
  test::TCountingQRCode qr;
  qr.SetBarcode("eigener Text");
  int codewords = qr.CodewordBuilds;
  TBitmap bitmap(100, 100);
  EXPECT_EQ(qr.DrawTextTo(bitmap.Canvas(), "fremder Text", clBlue, clWhite, 5, 5, 2), 0);
  EXPECT_EQ(test::DecodeQr(bitmap.Image(), false).Bytes, "fremder Text");
  EXPECT_EQ(bitmap.Pixel(5, 5), clBlue);
  EXPECT_EQ(qr.WorkArea().Barcode, "eigener Text");
  EXPECT_EQ(qr.CodewordBuilds, codewords + 1);

  TRecordingClipboard clipboard;
  EXPECT_EQ(qr.CopyTextToClipboard(clipboard, "Ablage", clRed, clWhite, 3), 0);
  ASSERT_TRUE(clipboard.Bitmap);
  EXPECT_EQ(clipboard.Bitmap->Pixel(0, 0), clRed);
  int width = 0, height = 0;
  EXPECT_EQ(qr.GetTextDrawSize(bitmap.Canvas(), std::string(100, 'x'), 1, 0, 0, 0, width, height), 0);
  EXPECT_EQ(width, 37);  // version 5

  TBitmapPrinter printer;
  printer.BeginDoc();
  EXPECT_EQ(qr.PrintText(printer, "gedruckt", clBlack, clWhite, 2, 2, 0.4), 0);
  EXPECT_EQ(test::DecodeQr(printer.Page().Image(), false).Bytes, "gedruckt");
  double widthMm = 0, heightMm = 0;
  EXPECT_EQ(qr.GetTextPrintSize(printer, "gedruckt", 0.4, 0, 0, 90, widthMm, heightMm), 0);
  EXPECT_DOUBLE_EQ(widthMm, 21 * 5 * 25.4 / 300);
  EXPECT_EQ(qr.WorkArea().Barcode, "eigener Text");
}

TEST(QrOutputTest, FailuresAreReportedByEveryOperation) {
  TBarcode2D_QRCode qr;
  test::TEventLog log(qr);
  TBitmap bitmap(10, 10);
  std::string tooLong(3000, 'x');
  EXPECT_EQ(qr.DrawTextTo(bitmap.Canvas(), tooLong, clBlack, clWhite, 0, 0), -1);
  int width = 0, height = 0;
  EXPECT_EQ(qr.GetTextDrawSize(bitmap.Canvas(), tooLong, 1, 0, 0, 0, width, height), -1);
  TRecordingClipboard clipboard;
  EXPECT_EQ(qr.CopyTextToClipboard(clipboard, tooLong, clBlack, clWhite), -1);
  EXPECT_FALSE(clipboard.Bitmap);
  ASSERT_EQ(log.InvalidLength.size(), 3u);
  EXPECT_EQ(log.InvalidLength[0], tooLong);
}

}  // namespace
}  // namespace quorvel
