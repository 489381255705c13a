#include <gtest/gtest.h>

#include <QPainter>

#include "QrTestSupport.h"
#include "platform/TextCodec.h"
#include "qrcode/QrEncoder.h"
#include "qrcode/QrTextData.h"

namespace quorvel {
namespace {

// The modules scaled up with a quiet zone, as a scanner would see them.
QImage Scanned(const QImage& modules) {
  constexpr int kScale = 4, kQuiet = 4 * kScale;
  QImage image(modules.width() * kScale + 2 * kQuiet, modules.height() * kScale + 2 * kQuiet, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawImage(QRect(kQuiet, kQuiet, modules.width() * kScale, modules.height() * kScale), modules);
  return image;
}

// A component that encodes as the label's QR objects do.
struct TTextQRCode : TBarcode2D_QRCode {
  TTextQRCode() {
    SetAllowEscape(true);
    OnEncode = [](TBarcodeCore2D&, std::string& data, const std::string& text) { data = QrDataForText(text); };
  }
};

TEST(QrTextDataTest, ScannersReadEveryTextAsItWasTyped) {
  // Within ISO-8859-1, within Windows-1252 beyond it, beyond both, and
  // backslashes that must stay characters.
  const std::string texts[] = {"LOT 4711", "Grüße aus Köln", "Preis: 5 €", "Šiška – „gut“", "C:\\etiketten\\e[26]",
                               "€\\g", "Łódź", "İstanbul", "Ελλάδα", "Dvořák", "你好", "Łódź\\e[3] 😀"};
  for (const std::string& text : texts) {
    TTextQRCode qr;
    qr.SetBarcode(text);
    const QImage* modules = qr.ModuleImage();
    ASSERT_NE(modules, nullptr) << text;
    EXPECT_EQ(test::DecodeQr(Scanned(*modules)).Text, text);
  }
}

TEST(QrTextDataTest, TextsWithinLatin1KeepTheirBytesAndSymbol) {
  const std::string texts[] = {"https://example.org/item/1", "Größe 42 · ½ Preis", "a\\b\\\\c",
                               "\u0081\u008D\u008F\u0090\u009D"};
  for (const std::string& text : texts)
    EXPECT_EQ(EncodeQrSymbol(QrDataForText(text), {.AllowEscape = true}).Matrix,
              EncodeQrSymbol(Latin1FromUtf8(text)).Matrix)
        << text;
}

TEST(QrModuleImageTest, OnePixelPerModuleInEveryOrientation) {
  TBarcode2D_QRCode qr;
  qr.SetBarcode("https://quorvel.example/track/1");
  QImage upright = *qr.ModuleImage();
  EXPECT_EQ(upright.size(), QSize(25, 25));
  EXPECT_EQ(upright.format(), QImage::Format_Mono);
  struct TCase {
    TBarcodeOrientation Orientation;
    bool Mirrored;
    QImage Expected;
  };
  const TCase cases[] = {
      {TBarcodeOrientation::boRightLeft, false, upright.transformed(QTransform().rotate(180))},
      {TBarcodeOrientation::boBottomTop, false, upright.transformed(QTransform().rotate(-90))},
      {TBarcodeOrientation::boTopBottom, false, upright.transformed(QTransform().rotate(90))},
      {TBarcodeOrientation::boLeftRight, true, upright.mirrored(true, false)},
  };
  for (const TCase& c : cases) {
    qr.SetOrientation(c.Orientation);
    qr.SetMirrored(c.Mirrored);
    EXPECT_EQ(qr.ModuleImage()->convertToFormat(QImage::Format_RGB32), c.Expected.convertToFormat(QImage::Format_RGB32))
        << static_cast<int>(c.Orientation) << c.Mirrored;
  }
}

TEST(QrModuleImageTest, AnUnchangedSymbolIsTheSameImageAndATooLongTextNone) {
  TBarcode2D_QRCode qr;
  qr.SetBarcode("SAME");
  qint64 first = qr.ModuleImage()->cacheKey();
  qr.SetBarColor(clBlack);
  qr.SetModule(3);
  EXPECT_EQ(qr.ModuleImage()->cacheKey(), first);
  qr.SetBarcode("OTHER");
  EXPECT_NE(qr.ModuleImage()->cacheKey(), first);
  qr.SetMaxVersion(1);
  qr.SetBarcode(std::string(100, 'x'));
  EXPECT_EQ(qr.ModuleImage(), nullptr);
}

}  // namespace
}  // namespace quorvel
