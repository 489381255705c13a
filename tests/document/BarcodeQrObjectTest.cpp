#include <gtest/gtest.h>

#include <QPainter>

#include "LabelFileSupport.h"
#include "barcode/Ean.h"
#include "platform/Bitmap.h"
#include "platform/ImageControl.h"
#include "qrcode/Barcode2D_QRCode.h"
#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using test::Add;
using test::CrLf;
using test::kDefaultHeader;

// The image on a white field, so that a decoder finds its quiet zone.
QImage OnWhiteField(const QImage& image, int margin = 40) {
  QImage field(image.width() + 2 * margin, image.height() + 2 * margin, QImage::Format_RGB32);
  field.fill(Qt::white);
  QPainter painter(&field);
  painter.drawImage(margin, margin, image);
  return field;
}

// What the element shows, painted at its own size.
QImage Shown(TLabelObject& object) {
  TBitmap bitmap(object.Element().Width(), object.Element().Height());
  object.Element().Paint(bitmap.Canvas());
  return bitmap.Image();
}

class BarcodeQrObjectTest : public ::testing::Test {
 protected:
  std::string Saved(TLabelDocument& document) {
    save_label(document, path_);
    return test::ReadFile(path_);
  }
  std::unique_ptr<TLabelDocument> Loaded(const std::string& text) {
    test::WriteFile(path_, text);
    auto document = std::make_unique<TLabelDocument>();
    EXPECT_EQ(test::LoadMessage(*document, path_), "");
    return document;
  }

  test::TTempDir dir_;
  std::string path_ = dir_.Path("codes.lab");
};

TEST_F(BarcodeQrObjectTest, ANewBarcodeIsTheDesignersTEan) {
  TLabelDocument document;
  TLabelObject& bar = Add(document, TObjectKind::okBarcode);
  TEan& ean = bar.Barcode();
  EXPECT_EQ(&bar.Element(), static_cast<TControl*>(&ean));
  EXPECT_EQ(ean.BoundsRect(), (TRect{0, 0, 300, 100}));
  EXPECT_TRUE(ean.DisableEditor());
  EXPECT_EQ(ean.PDF417().Rows(), 7);
  EXPECT_EQ(ean.PDF417().Cols(), 2);
  EXPECT_EQ(ean.Hint, "bar01");
  test::TDecoded decoded = test::DecodeOne(OnWhiteField(Shown(bar)));
  EXPECT_EQ(decoded.Format, "EAN-13");
  EXPECT_EQ(decoded.Text, "9771210107001");
  EXPECT_EQ(Saved(document), CrLf({kDefaultHeader, "6;1;0;0;0;300;100;9771210107001;Ean13;1;1;0;"}));
}

TEST_F(BarcodeQrObjectTest, TheHochkantFieldIsOneOnlyForNinetyDegrees) {
  for (const auto& [angle, field] : {std::pair{90, "1"}, std::pair{0, "0"}, std::pair{180, "0"}, std::pair{270, "0"}}) {
    TLabelDocument document;
    Add(document, TObjectKind::okBarcode).Barcode().SetAngle(angle);
    EXPECT_EQ(Saved(document), CrLf({kDefaultHeader, std::string("6;1;0;0;0;300;100;9771210107001;Ean13;1;1;") + field + ";"}));
  }
  std::unique_ptr<TLabelDocument> loaded = Loaded(CrLf({kDefaultHeader, "6;1;0;0;0;100;300;9771210107001;Ean13;1;1;1;"}));
  EXPECT_EQ(loaded->Object(1).Barcode().Angle(), 90);
}

TEST_F(BarcodeQrObjectTest, TheSymbologyIsSetBeforeTheValue) {
  std::unique_ptr<TLabelDocument> document =
      Loaded(CrLf({kDefaultHeader, "6;4;2;10;20;400;120;ABC;Code128;0;0;0;", "6;5;0;0;0;300;100;4006381333931;;1;1;0;",
                   "6;6;0;0;0;300;100;4006381333931;code128;1;1;0;"}));
  TEan& code128 = document->Object(1).Barcode();
  EXPECT_EQ(code128.TypBarCode(), TTypBarCode::bcCode128);
  EXPECT_EQ(code128.BarCode(), "ABC");
  EXPECT_FALSE(code128.AutoCheckDigit());
  EXPECT_FALSE(code128.ShowLabels());
  EXPECT_EQ(code128.BoundsRect(), (TRect{10, 20, 410, 140}));
  EXPECT_EQ(document->Object(1).Number, 4);
  EXPECT_EQ(document->Object(1).Variable, 2);
  // An empty or unknown name (matching is case-sensitive) leaves EAN-13.
  EXPECT_EQ(document->Object(2).Barcode().TypBarCode(), TTypBarCode::bcEan13);
  EXPECT_EQ(document->Object(3).Barcode().TypBarCode(), TTypBarCode::bcEan13);
  EXPECT_EQ(document->Object(3).Barcode().BarCode(), "4006381333931");
}

TEST_F(BarcodeQrObjectTest, EveryOfferedSymbologyComesBack) {
  TLabelDocument document;
  for (TTypBarCode symbology : OfferedBarCodes()) {
    TLabelObject& bar = Add(document, TObjectKind::okBarcode);
    bar.Barcode().SetTypBarCode(symbology);
    bar.Barcode().SetBarCode(GetBarCodeInfo(symbology).Example);
    bar.Barcode().SetShowLabels(bar.Number % 2 == 0);
    bar.Barcode().SetAutoCheckDigit(bar.Number % 3 != 0);
    bar.Barcode().SetAngle(bar.Number % 4 == 0 ? 90 : 0);
    bar.Left = bar.Number * 3;
    bar.UpdateElement(1.0);
  }
  std::string saved = Saved(document);
  std::unique_ptr<TLabelDocument> loaded = Loaded(saved);
  ASSERT_EQ(loaded->ObjectCount(), 14);
  for (int slot = 1; slot <= 14; ++slot) {
    const TEan& a = document.Object(slot).Barcode();
    const TEan& b = loaded->Object(slot).Barcode();
    SCOPED_TRACE(GetBarCodeInfo(a.TypBarCode()).DesignerName);
    EXPECT_EQ(b.TypBarCode(), a.TypBarCode());
    EXPECT_EQ(b.BarCode(), a.BarCode());
    EXPECT_EQ(b.ShowLabels(), a.ShowLabels());
    EXPECT_EQ(b.AutoCheckDigit(), a.AutoCheckDigit());
    EXPECT_EQ(b.Angle(), a.Angle());
    EXPECT_EQ(b.BoundsRect(), a.BoundsRect());
  }
  EXPECT_EQ(Saved(*loaded), saved);
}

TEST_F(BarcodeQrObjectTest, AQrObjectShowsTheSymbolItsEncoderDrew) {
  TLabelDocument document;
  TLabelObject& qr = Add(document, TObjectKind::okQrCode);
  qr.DrawQrSymbol();
  EXPECT_EQ(qr.QrEncoder().Image(), &qr.Image());
  EXPECT_TRUE(qr.Image().Stretch());
  EXPECT_EQ(qr.Image().Picture().Width(), 100);
  test::TDecoded decoded = test::DecodeOne(OnWhiteField(Shown(qr)));
  EXPECT_EQ(decoded.Format, "QRCode");
  EXPECT_EQ(decoded.Text, qr.QrText);
  EXPECT_EQ(Saved(document), CrLf({kDefaultHeader, "8;1;0;0;0;100;100;" + qr.QrText + ";"}));
}

TEST_F(BarcodeQrObjectTest, ALoadedQrObjectIsDrawnAtItsSizeFromItsText) {
  std::string file = CrLf({kDefaultHeader, "8;3;4;50;60;200;150;Etikett 4711 \xC4\xD6\xDC;"});  // Windows-1252
  std::unique_ptr<TLabelDocument> document = Loaded(file);
  TLabelObject& qr = document->Object(1);
  EXPECT_EQ(qr.QrText, "Etikett 4711 ÄÖÜ");
  EXPECT_EQ(qr.Element().BoundsRect(), (TRect{50, 60, 250, 210}));
  EXPECT_EQ(qr.Image().Picture().Width(), 200);
  EXPECT_EQ(qr.Image().Picture().Height(), 150);
  EXPECT_EQ(qr.QrEncoder().BarcodeWidth(), 200);
  EXPECT_EQ(qr.QrEncoder().Barcode(), qr.QrText);
  test::TDecoded decoded = test::DecodeOne(OnWhiteField(Shown(qr)));
  EXPECT_EQ(decoded.Bytes, "Etikett 4711 \xC4\xD6\xDC");  // the symbol holds the ISO-8859-1 bytes
  EXPECT_EQ(Saved(*document), file);
}

TEST_F(BarcodeQrObjectTest, BarcodeValuesAndQrTextsThatWouldSplitTheLineAreRefused) {
  TLabelDocument document;
  Add(document, TObjectKind::okBarcode).Barcode().SetTypBarCode(TTypBarCode::bcCode128);
  document.Object(1).Barcode().SetBarCode("A;B");
  EXPECT_THROW(save_label(document, path_), EUserError);
  document.Object(1).Barcode().SetBarCode("AB");
  Add(document, TObjectKind::okQrCode).QrText = "Zeile 1\nZeile 2";
  try {
    save_label(document, path_);
    ADD_FAILURE() << "saved";
  } catch (const EUserError& error) {
    EXPECT_NE(std::string(error.what()).find("Das Feld \"QR-Code\" von qr01"), std::string::npos) << error.what();
  }
}

TEST_F(BarcodeQrObjectTest, HostileCodesLoadWithoutFault) {
  const std::string kLong(65000, '7');
  std::unique_ptr<TLabelDocument> document = Loaded(CrLf({
      kDefaultHeader,
      "8;1;0;0;0;2147483647;2147483647;riesig;",
      "8;1;0;0;0;-5;0;leer;",
      "8;1;0;0;0;100;100;" + kLong + ";",
      "6;1;0;0;0;300;100;" + kLong + ";PDF417;1;1;0;",
      "6;1;0;0;0;-300;2147483647;" + kLong + ";Code128;1;1;1;",
  }));
  ASSERT_EQ(document->ObjectCount(), 5);
  EXPECT_LE(document->Object(1).Image().Picture().Width(), 4000);
  EXPECT_TRUE(document->Object(2).Image().Picture().Empty());
  for (int slot : {1, 3, 4, 5}) {
    TBitmap bitmap(50, 50);
    EXPECT_NO_THROW(document->Object(slot).Element().Paint(bitmap.Canvas())) << slot;
  }
  EXPECT_FALSE(document->Object(4).Barcode().PaintErrorMessage().empty());  // too long for PDF417
}

}  // namespace
}  // namespace quorvel
