// PDF417 symbols on a printer page: printed through the PDF printer at a
// printer's resolution, rasterised at that resolution and read back by
// zxing-cpp to the exact bytes, under every option the symbol has.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <cmath>

#include "barcode/Ean.h"
#include "barcode/Pdf417.h"
#include "document/LabelDocument.h"
#include "platform/PdfPrinter.h"
#include "platform/ScriptedDialogs.h"
#include "print/LabelPrinting.h"
#include "support/Decoder.h"
#include "support/TempDir.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

using Mode = xbPDF417Mode;
using Level = xbPDF417ErrorCorrection;

constexpr double kPixelsPerModule = 2.5;  // modules of 2 and 3 device pixels
constexpr int kModulesPerRow = 3;         // row height in module widths
constexpr int kMarginMm = 5;

struct TPrintCase {
  std::string Name;
  std::string Value;
  TPdf417Options Options;
  int Dpi = 300;
  int Angle = 0;
  bool Security = false;
  std::string Content{};  // the bytes a reader must get; empty: the value itself
};

void PrintTo(const TPrintCase& c, std::ostream* out) { *out << c.Name; }

TPdf417Options Options(Mode mode, int cols, int rows = 0, Level level = Level::xbPDF417AutoEC, bool truncated = false) {
  return {mode, rows, cols, level, truncated};
}

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += char(b);
  return bytes;
}

// The label holds one PDF417 object sized for the symbol, with a margin.
class Pdf417PrintTest : public ::testing::TestWithParam<TPrintCase> {
 protected:
  // Prints the case once ("Drucken") and reads the page at the printer's resolution.
  QImage PrintedPage(const TPrintCase& c) {
    TPdf417Symbol symbol = EncodePdf417(Utf8FromCp1252(c.Value), c.Options);
    double moduleMm = kPixelsPerModule * 25.4 / c.Dpi;
    int across = static_cast<int>(std::ceil(symbol.RowModules.front().size() * moduleMm * 10));
    int down = static_cast<int>(std::ceil(symbol.Rows * kModulesPerRow * moduleMm * 10));
    if (c.Angle % 180 != 0) std::swap(across, down);

    TLabelObject& o = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
    o.Left = 10 * kMarginMm, o.Top = 10 * kMarginMm, o.Width = across, o.Height = down;
    TEan& barcode = o.Barcode();
    barcode.SetTypBarCode(TTypBarCode::bcPDF417);
    barcode.PDF417().SetMode(c.Options.Mode);
    barcode.PDF417().SetCols(c.Options.Cols);
    barcode.PDF417().SetRows(c.Options.Rows);
    barcode.PDF417().SetSecurityLevel(c.Options.SecurityLevel);
    barcode.PDF417().SetTruncated(c.Options.Truncated);
    barcode.SetBarCode(Utf8FromCp1252(c.Value));
    barcode.SetAngle(c.Angle);
    barcode.SetSecurity(c.Security);

    int widthMm = across / 10 + 2 * kMarginMm + 1, heightMm = down / 10 + 2 * kMarginMm + 1;
    document.Layout = {std::to_string(widthMm), std::to_string(heightMm), std::to_string(widthMm),
                       std::to_string(heightMm), "1", "1", "0", "0", "0", "0"};
    std::string pdf = dir.Path("label.pdf"), prefix = dir.Path("page");
    {
      TPdfPrinter printer(pdf, widthMm, heightMm, c.Dpi);
      TLabelPrinting(document, printer, dialogs).PrintLabel();
      EXPECT_EQ(printer.PagesWritten(), 1);
    }
    EXPECT_EQ(barcode.LastPaintError(), TLastPaintError::erOK);
    QProcess::execute("pdftoppm", {"-r", QString::number(c.Dpi), "-png", "-singlefile", QString::fromStdString(pdf),
                                   QString::fromStdString(prefix)});
    return QImage(QString::fromStdString(prefix + ".png"));
  }

  test::TTempDir dir;
  TLabelDocument document;
  TScriptedDialogs dialogs;
};

TEST_P(Pdf417PrintTest, ZxingReadsThePrintedSymbol) {
  const TPrintCase& c = GetParam();
  QImage page = PrintedPage(c);
  ASSERT_FALSE(page.isNull()) << "pdftoppm wrote no page";
  test::TDecodeOptions options;
  options.Formats = "PDF417";
  test::TDecoded decoded = test::DecodeOne(page, options);
  EXPECT_EQ(decoded.Format, "PDF417");
  EXPECT_EQ(decoded.Bytes, c.Content.empty() ? c.Value : c.Content);
}

// Every resolution at every angle; then each option once, the resolutions
// and angles taken in turn, so that the matrix is covered without its product.
std::vector<TPrintCase> Cases() {
  const std::string label = "Charge A-17; Preis: 12,50 EUR (inkl. MwSt.) lager@quorvel";
  std::vector<TPrintCase> cases;
  for (int dpi : {203, 300, 600})
    for (int angle : {0, 90, 180, 270})
      cases.push_back({"Dpi" + std::to_string(dpi) + "Angle" + std::to_string(angle), label,
                       Options(Mode::xbPDF417Alphanumeric, 2), dpi, angle});

  std::vector<TPrintCase> options = {
      {"LevelAuto", label, Options(Mode::xbPDF417Alphanumeric, 5)},
      {"Cols1", "Artikel 4711", Options(Mode::xbPDF417Alphanumeric, 1)},
      {"Cols2Truncated", label, Options(Mode::xbPDF417Alphanumeric, 2, 0, Level::xbPDF417AutoEC, true)},
      {"Cols5", label, Options(Mode::xbPDF417Alphanumeric, 5)},
      {"Cols10Truncated", label, Options(Mode::xbPDF417Alphanumeric, 10, 0, Level::xbPDF417AutoEC, true)},
      {"Cols30", std::string(400, 'x') + AllBytes(), Options(Mode::xbPDF417Binary, 30)},
      {"Rows3", "Artikel 4711", Options(Mode::xbPDF417Alphanumeric, 0, 3)},
      {"Rows90", std::string(300, 'x'), Options(Mode::xbPDF417Binary, 0, 90)},
      {"Bytes", "Gr\xF6\xDF" "e XL; 24,95 \x80\x00\x01\xFF", Options(Mode::xbPDF417Binary, 4)},
      {"EveryByteAuto", AllBytes(), Options(Mode::xbPDF417AutoCode, 8)},
      {"Hex", "48656c6C6F2", Options(Mode::xbPDF417BinaryHex, 2), 300, 0, false, "\x04\x86\x56\xC6\xC6\xF2"},
      {"Numeric", std::string(44, '1') + "0815" + std::string(40, '0'), Options(Mode::xbPDF417Numeric, 3)},
      {"TextSubModes", "aB1;c D2!e\tF3#g\rh\n4$IJ kl 56 MN", Options(Mode::xbPDF417Alphanumeric, 4)},
      {"SecurityTruncated", label, Options(Mode::xbPDF417Alphanumeric, 3, 0, Level::xbPDF417AutoEC, true), 300, 0, true},
  };
  for (int level = 0; level <= 8; ++level)
    options.push_back({"Level" + std::to_string(level), label,
                       Options(Mode::xbPDF417Alphanumeric, 8, 0, static_cast<Level>(int(Level::xbPDF417Error0) + level))});
  const int dpis[] = {203, 300, 600};
  for (std::size_t i = 0; i < options.size(); ++i) {
    TPrintCase c = options[i];
    c.Dpi = dpis[i % 3];
    c.Angle = 90 * int(i % 4);
    c.Name += "Dpi" + std::to_string(c.Dpi) + "Angle" + std::to_string(c.Angle);
    cases.push_back(c);
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Pages, Pdf417PrintTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.Name; });

}  // namespace
}  // namespace quorvel
