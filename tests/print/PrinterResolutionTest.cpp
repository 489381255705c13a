// What a label printer of 203, 300 or 600 dpi gets: the job is written as a
// PDF at that resolution, rasterised at the same resolution and
// thresholded to black and white, as the printer's driver would.
#include <gtest/gtest.h>

#include <QProcess>
#include <cmath>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/PdfPrinter.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextCodec.h"
#include "print/LabelPrinting.h"
#include "print/PrintCheck.h"
#include "qrcode/QrEncoder.h"
#include "qrcode/QrTables.h"
#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using enum TTypBarCode;

constexpr int kResolutions[] = {203, 300, 600};

test::TDecodeOptions Formats(std::string formats, bool code39Extended = false, bool codabarStartEnd = false) {
  test::TDecodeOptions options;
  options.Formats = std::move(formats);
  options.Code39Extended = code39Extended;
  options.ReturnCodabarStartEnd = codabarStartEnd;
  return options;
}

// One symbol of each offered symbology that zxing-cpp reads (it reads
// neither Code 11 nor 2 of 5 industrial).
struct TLinearCase {
  TTypBarCode Type;
  std::string Value;
  std::string Expected;
  test::TDecodeOptions Options;
};

const std::vector<TLinearCase>& LinearCases() {
  static const std::vector<TLinearCase> cases = {
      {bcEan13, "400638133393", "4006381333931", Formats("EAN-13")},
      {bcEan8, "1234567", "12345670", Formats("EAN-8")},
      {bcJAN13, "491234567890", "4912345678904", Formats("EAN-13")},
      {bcJAN8, "4912345", "49123456", Formats("EAN-8")},
      {bcISBN, "80-7226-102-9", "9788072261024", Formats("EAN-13")},
      {bcCode128, "SHIP-0012345678", "SHIP-0012345678", Formats("Code128")},
      {bcEan128, "0112345678901231", "0112345678901231", Formats("Code128")},
      {bcCode39Standard, "LOT-4711", "LOT-4711", Formats("Code39")},
      {bcCode39Full, "Lot-4711", "Lot-4711", Formats("Code39", true)},
      {bc25Interleaved, "12345678", "12345678", Formats("ITF")},
      {bcCodabar, "B40156D", "B401564D", Formats("Codabar", false, true)},
      {bcPDF417, "Lieferung 4711 / Palette 3", "Lieferung 4711 / Palette 3", Formats("PDF417")},
  };
  return cases;
}

// A text whose QR Code has exactly `modules` modules a side: versions grow
// by more than the two characters added at a time.
std::string QrTextOfSize(int modules) {
  TLabelObject qr(TObjectKind::okQrCode);
  std::string text = "Q";
  for (int i = 0; QrSymbolSize(qr.QrFitOf(text).State.Version) < modules; ++i) {
    text += static_cast<char>('A' + i * 11 % 26);
    text += static_cast<char>('a' + i * 5 % 26);
  }
  return text;
}

// A label filling the page, objects placed left to right in rows, each
// with room around it for a quiet zone.
class TPage {
 public:
  TPage(int dpi, int widthMm, int heightMm) : dpi_(dpi), pixelsPerMm_(dpi / 25.4), width_(widthMm), height_(heightMm) {
    std::string width = std::to_string(widthMm), height = std::to_string(heightMm);
    document_.Layout = {width, height, width, height, "1", "1", "0", "0", "0", "0"};
  }

  double PixelsPerMm() const { return pixelsPerMm_; }
  TLabelDocument& Document() { return document_; }

  // Design units whose pixels at this resolution reach `pixels`.
  int UnitsFor(double pixels) const { return static_cast<int>(std::ceil(pixels * 10 / pixelsPerMm_)); }

  TLabelObject& Add(TObjectKind kind, int width, int height) {
    constexpr int kGap = 60;  // 6 mm
    if (x_ + width > width_ * 10 - kGap) {
      x_ = kGap;
      y_ += rowHeight_ + kGap;
      rowHeight_ = 0;
    }
    TLabelObject& o = document_.Append(std::make_unique<TLabelObject>(kind));
    o.Left = x_, o.Top = y_, o.Width = width, o.Height = height;
    x_ += width + kGap;
    rowHeight_ = std::max(rowHeight_, height);
    EXPECT_LE(y_ + height, height_ * 10) << "the page is full";
    return o;
  }

  // Prints the label once and reads the page back, black and white.
  QImage Print(const test::TTempDir& dir) {
    pdf_ = dir.Path("page-" + std::to_string(dpi_) + ".pdf");
    TPdfPrinter printer(pdf_, width_, height_, dpi_);
    TScriptedDialogs dialogs;
    TLabelPrinting printing(document_, printer, dialogs);
    printing.PrintLabel();
    std::string prefix = dir.Path("page-" + std::to_string(dpi_));
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi_), "-gray", "-aa", "no", "-aaVector", "no", "-png",
                                   "-singlefile", QString::fromStdString(pdf_), QString::fromStdString(prefix)});
    QImage page = QImage(QString::fromStdString(prefix + ".png")).convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < page.height(); ++y) {
      uchar* line = page.scanLine(y);
      for (int x = 0; x < page.width(); ++x) line[x] = line[x] < 128 ? 0 : 255;
    }
    return page;
  }

  const std::string& PdfPath() const { return pdf_; }

  // The object's rectangle on the page with a margin, in pixels.
  QImage Crop(const QImage& page, const TLabelObject& o, double marginMm = 3) const {
    auto px = [&](double mm) { return static_cast<int>(std::lround(mm * pixelsPerMm_)); };
    return page.copy(px(o.Left / 10.0 - marginMm), px(o.Top / 10.0 - marginMm), px(o.Width / 10.0 + 2 * marginMm),
                     px(o.Height / 10.0 + 2 * marginMm));
  }

 private:
  int dpi_;
  double pixelsPerMm_;
  int width_, height_;
  TLabelDocument document_;
  std::string pdf_;
  int x_ = 60, y_ = 60, rowHeight_ = 0;
};

// Each symbol at the narrowest size the check lets print: its narrowest
// element is two device pixels; linear symbols get a box two and a half
// times their modules wide, so modules of two and three pixels mix.
TEST(PrinterResolutionTest, EverySymbologyAndQrSizeDecodesWithTwoPixelsPerModule) {
  test::TTempDir dir;
  for (int dpi : kResolutions) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    TPage page(dpi, 200, 285);
    struct TPlaced {
      const TLabelObject* Object;
      std::string Expected;
      test::TDecodeOptions Options;
    };
    std::vector<TPlaced> placed;
    for (const TLinearCase& c : LinearCases()) {
      TLabelObject sized(TObjectKind::okBarcode);
      TEan& scratch = sized.Barcode();
      scratch.SetTypBarCode(c.Type);
      scratch.SetBarCode(c.Value);
      int modules = c.Type == bcPDF417 ? scratch.PDF417MinWidth()
                                       : static_cast<int>(scratch.EncodeBarCode(scratch.BarCode()).Modules.size());
      TLabelObject& o = page.Add(TObjectKind::okBarcode, page.UnitsFor(2.5 * modules), 150);
      o.Barcode().SetTypBarCode(c.Type);
      o.Barcode().SetBarCode(c.Value);
      placed.push_back({&o, c.Expected, c.Options});
    }
    // Each size with room for modules of two pixels and a half; the largest
    // also with exactly two.
    for (double pixelsPerModule : {2.5, 2.0})
      for (int modules = pixelsPerModule == 2.0 ? 97 : 21; modules <= 97; modules += 12) {
        int size = page.UnitsFor(pixelsPerModule * modules);
        TLabelObject& o = page.Add(TObjectKind::okQrCode, size, size);
        o.QrText = QrTextOfSize(modules);
        o.DrawQrSymbol();
        placed.push_back({&o, o.QrText, Formats("QRCode")});
      }

    TPrintCheck check = CheckLabel(page.Document(), {page.PixelsPerMm(), page.PixelsPerMm()}, 1);
    EXPECT_TRUE(check.Empty()) << FindingsText(check, 10);
    QImage printed = page.Print(dir);
    for (const TPlaced& p : placed) {
      EXPECT_EQ(test::DecodeOne(page.Crop(printed, *p.Object), p.Options).Text, p.Expected)
          << p.Object->Name;
    }
  }
}

// Symbols that did not scan when QR Codes were printed from their design
// surface picture, and a euro sign that scanned as a control character.
TEST(PrinterResolutionTest, TheReportedQrCodesDecodeExactly) {
  struct TCase {
    int Dpi;
    std::string Text;
    int SizeMm;
    bool Image;  // modules of four pixels or more go in as a 1-bit image, smaller ones as rectangles
  };
  std::string text300, text500;
  for (int i = 0; i < 500; ++i) text500 += static_cast<char>(i % 3 == 0 ? '0' + i % 10 : 'a' + i * 7 % 26);
  text300 = text500.substr(0, 300);
  const TCase cases[] = {
      {300, text500, 14, false},
      {300, text300, 11, false},
      {600, text500, 12, false},
      {300, std::string("Preis: 12,50 € – Größe M"), 15, true},
  };
  test::TTempDir dir;
  for (const TCase& c : cases) {
    TPage page(c.Dpi, c.SizeMm + 12, c.SizeMm + 12);
    TLabelObject& qr = page.Add(TObjectKind::okQrCode, c.SizeMm * 10, c.SizeMm * 10);
    qr.QrText = c.Text;
    qr.DrawQrSymbol();
    EXPECT_EQ(test::DecodeOne(page.Crop(page.Print(dir), qr), Formats("QRCode")).Text, c.Text)
        << c.Dpi << " dpi, " << c.SizeMm << " mm";
    std::string pdf = test::ReadFile(page.PdfPath());
    EXPECT_EQ(pdf.find("/DCTDecode"), std::string::npos) << "a QR Code as JPEG";
    EXPECT_EQ(pdf.find("/BitsPerComponent 1") != std::string::npos, c.Image);
  }
}

// "Strichstärke" in tenths of a millimetre, measured across a line and a
// box border on the page.
TEST(PrinterResolutionTest, LinesAreAsThickAsDesigned) {
  test::TTempDir dir;
  for (int dpi : {300, 600}) {
    for (int tenths : {1, 3, 8}) {
      TPage page(dpi, 100, 40);
      TLabelObject& line = page.Add(TObjectKind::okHLine, 400, 1);
      line.PenWidth = tenths;
      TLabelObject& box = page.Add(TObjectKind::okBox, 400, 200);
      box.PenWidth = tenths;
      QImage printed = page.Print(dir);
      auto darkRun = [&](int x, int fromY, int toY) {
        int dark = 0;
        for (int y = fromY; y < toY; ++y) dark += qGray(printed.pixel(x, y)) < 128;
        return dark;
      };
      double ppm = page.PixelsPerMm();
      int x = static_cast<int>((line.Left + 200) / 10.0 * ppm);
      double expected = tenths / 10.0 * ppm;
      int lineY = static_cast<int>(line.Top / 10.0 * ppm);
      EXPECT_NEAR(darkRun(x, lineY - 30, lineY + 30), expected, 1.0) << dpi << " dpi, " << tenths;
      int boxTop = static_cast<int>(box.Top / 10.0 * ppm);
      int boxX = static_cast<int>((box.Left + 200) / 10.0 * ppm);
      EXPECT_NEAR(darkRun(boxX, boxTop - 30, boxTop + 30), expected, 1.0) << dpi << " dpi, box " << tenths;
    }
  }
}

}  // namespace
}  // namespace quorvel
