#include <gtest/gtest.h>

#include <QPainter>
#include <set>

#include "QrTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/ImageControl.h"

namespace quorvel {
namespace {

using test::TCountingQRCode;
using test::TEventLog;
using enum TBarcodeOrientation;

TImageControl& Sized(TImageControl& image, int width, int height) {
  image.SetBounds(0, 0, width, height);
  return image;
}

TColor PixelAt(const TImageControl& image, int x, int y) {
  return FromQColor(image.Picture().Image().pixelColor(x, y));
}

// The picture with a white border, as a decoder wants to see it.
QImage WithMargin(const QImage& image, int margin) {
  QImage framed(image.width() + 2 * margin, image.height() + 2 * margin, QImage::Format_RGB32);
  framed.fill(Qt::white);
  QPainter painter(&framed);
  painter.drawImage(margin, margin, image);
  return framed;
}

std::set<TColor> Colours(const QImage& image) {
  std::set<TColor> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(FromQColor(image.pixelColor(x, y)));
  return colours;
}

TEST(QrImageTargetTest, NewComponentWithAnImageDrawsTheEmptyText) {
  TImageControl image;
  TBarcode2D_QRCode qr;
  qr.SetImage(&Sized(image, 50, 50));
  EXPECT_EQ(qr.QrState().Version, 1);
  EXPECT_EQ(qr.LastRect(), (TRect{0, 0, 21, 21}));
  EXPECT_EQ(image.Picture().Width(), 50);
  EXPECT_EQ(PixelAt(image, 0, 0), clBlack);
  EXPECT_EQ(PixelAt(image, 21, 0), clWhite);
}

// The calls the designer makes for a new QR object.
TEST(QrImageTargetTest, NewObjectGetsAStretchedSymbolOfTheControlsSize) {
  TImageControl image;
  Sized(image, 100, 100);
  TBarcode2D_QRCode qr;
  qr.SetBarcodeHeight(100);
  qr.SetBarcodeWidth(100);
  qr.SetStretch(true);
  qr.SetBarcode("Quorvel");
  qr.SetImage(&image);
  EXPECT_EQ(image.Picture().Width(), 100);
  EXPECT_EQ(image.Picture().Height(), 100);
  EXPECT_EQ(qr.LastRect(), (TRect{0, 0, 100, 100}));
  EXPECT_EQ(Colours(image.Picture().Image()), (std::set<TColor>{clBlack, clWhite}));
  EXPECT_EQ(test::DecodeQr(WithMargin(image.Picture().Image(), 20), false).Bytes, "Quorvel");
}

// The calls for an object loaded from a file, then a text changed in the grid.
TEST(QrImageTargetTest, LoadedObjectAndChangedText) {
  TImageControl image;
  Sized(image, 120, 90);
  TBarcode2D_QRCode qr;
  qr.SetBarcodeHeight(90);
  qr.SetBarcodeWidth(120);
  qr.SetStretch(true);
  qr.SetBarColor(0);
  qr.SetSpaceColor(16777215);
  qr.SetBarcode("");
  qr.SetBarcode("Artikel 4711");
  qr.SetImage(&image);
  EXPECT_EQ(test::DecodeQr(WithMargin(image.Picture().Image(), 20), false).Bytes, "Artikel 4711");

  image.Picture().Clear();
  qr.SetBarcodeHeight(90);
  qr.SetBarcodeWidth(120);
  qr.SetStretch(true);
  qr.SetBarcode("Artikel 4712");
  qr.SetImage(&image);
  EXPECT_EQ(image.Picture().Width(), 120);
  EXPECT_EQ(test::DecodeQr(WithMargin(image.Picture().Image(), 20), false).Bytes, "Artikel 4712");
}

TEST(QrImageTargetTest, StretchedSizeWaitsForStretch) {
  TImageControl image;
  Sized(image, 400, 200);
  TCountingQRCode qr;
  TEventLog log(qr);
  qr.SetImage(&image);
  int draws = log.Draws, erasures = qr.Erasures;
  qr.SetBarcodeWidth(300);
  EXPECT_EQ(log.Draws, draws);
  EXPECT_EQ(qr.Erasures, erasures);
  qr.SetStretch(true);
  EXPECT_EQ(qr.LastRect(), (TRect{0, 0, 300, 200}));
}

TEST(QrImageTargetTest, StretchedSizeFromTheImageLessTheMargin) {
  TImageControl image;
  Sized(image, 100, 80);
  TBarcode2D_QRCode qr;
  qr.SetStretch(true);
  qr.SetLeftMargin(10);
  qr.SetImage(&image);
  EXPECT_EQ(qr.LastRect(), (TRect{10, 0, 100, 80}));
  EXPECT_EQ(qr.LastRect().Width(), 90);
  qr.SetBarcodeWidth(-20);
  qr.SetTopMargin(5);
  qr.SetBarcodeHeight(-5);
  EXPECT_EQ(qr.LastRect(), (TRect{10, 5, 80, 75}));
  int width = 0, height = 0, stretchedWidth = 0, stretchedHeight = 0;
  EXPECT_EQ(qr.GetBarcodeSize(width, height, stretchedWidth, stretchedHeight), 0);
  EXPECT_EQ(width, 21);
  EXPECT_EQ(stretchedWidth, 70);
  EXPECT_EQ(stretchedHeight, 70);
}

TEST(QrImageTargetTest, VerticalStretchRunsAlongTheSymbolsAxes) {
  TImageControl image;
  Sized(image, 200, 200);
  TBarcode2D_QRCode qr;
  qr.SetStretch(true);
  qr.SetBarcodeWidth(80);
  qr.SetBarcodeHeight(50);
  qr.SetOrientation(boBottomTop);
  qr.SetLeftMargin(7);
  qr.SetTopMargin(9);
  qr.SetImage(&image);
  EXPECT_EQ(qr.LastRect(), (TRect{7, 9, 57, 89}));
  int width = 0, height = 0, stretchedWidth = 0, stretchedHeight = 0;
  qr.SetModule(2);
  qr.SetShowQuietZone(true);
  EXPECT_EQ(qr.GetBarcodeSize(width, height, stretchedWidth, stretchedHeight), 0);
  EXPECT_EQ(width, 58);
  EXPECT_EQ(height, 58);
  EXPECT_EQ(stretchedWidth, 50);
  EXPECT_EQ(stretchedHeight, 80);
}

// Where module (row, column) of the matrix lands on the target, for each
// orientation, relative to the drawn box of w x h unrotated pixels.
TPoint Target(TBarcodeOrientation orientation, int x, int y, int w, int h) {
  switch (orientation) {
    case boRightLeft: return {w - 1 - x, h - 1 - y};
    case boBottomTop: return {y, w - 1 - x};
    case boTopBottom: return {h - 1 - y, x};
    case boLeftRight: break;
  }
  return {x, y};
}

TEST(QrImageTargetTest, OrientationsAndMirroringMapEveryModule) {
  const int module = 3, left = 5, top = 8;
  for (TBarcodeOrientation orientation : {boLeftRight, boRightLeft, boTopBottom, boBottomTop}) {
    for (bool mirrored : {false, true}) {
      TImageControl image;
      Sized(image, 120, 120);
      TBarcode2D_QRCode qr;
      qr.SetBarcode("Drehung");
      qr.SetModule(module);
      qr.SetLeftMargin(left);
      qr.SetTopMargin(top);
      qr.SetOrientation(orientation);
      qr.SetMirrored(mirrored);
      qr.SetBarColor(clBlue);
      qr.SetImage(&image);
      const TMapMatrix& m = qr.WorkArea().Matrix;
      int n = m.Columns(), w = n * module;
      int wrong = 0;
      for (int y = 0; y < w; ++y) {
        for (int x = 0; x < w; ++x) {
          int column = x / module, row = y / module;
          bool dark = m.Dark(row, mirrored ? n - 1 - column : column);
          TPoint p = Target(orientation, x, y, w, w);
          wrong += PixelAt(image, left + p.X, top + p.Y) != (dark ? clBlue : clWhite);
        }
      }
      EXPECT_EQ(wrong, 0) << int(orientation) << " mirrored " << mirrored;
      EXPECT_EQ(qr.LastRect(), (TRect{left, top, left + w, top + w}));
      EXPECT_EQ(PixelAt(image, left - 1, top), clWhite);
      EXPECT_EQ(PixelAt(image, left + w, top + w), clWhite);
    }
  }
}

TEST(QrImageTargetTest, BottomTopPutsTheTopLeftModuleAtTheBottomLeft) {
  TImageControl image;
  Sized(image, 60, 60);
  TBarcode2D_QRCode qr;
  qr.SetBarcode("90");
  qr.SetOrientation(boBottomTop);
  qr.SetImage(&image);
  // Module (0, 0) and its finder's light ring, then the corners of the
  // finders that were at the bottom-left and top-right.
  EXPECT_EQ(PixelAt(image, 0, 20), clBlack);
  EXPECT_EQ(PixelAt(image, 1, 19), clWhite);
  EXPECT_EQ(PixelAt(image, 20, 20), clBlack);
  EXPECT_EQ(PixelAt(image, 19, 19), clWhite);
  EXPECT_EQ(PixelAt(image, 0, 0), clBlack);
  EXPECT_EQ(PixelAt(image, 1, 1), clWhite);
  EXPECT_EQ(test::DecodeQr(WithMargin(image.Picture().Image(), 10), false).Bytes, "90");
}

TEST(QrImageTargetTest, InversedSwapsTheColours) {
  TImageControl image;
  Sized(image, 80, 80);
  TBarcode2D_QRCode qr;
  qr.SetBarColor(clRed);
  qr.SetSpaceColor(clLime);
  qr.SetShowQuietZone(true);
  qr.SetInversed(true);
  qr.SetImage(&image);
  const TMapMatrix& m = qr.WorkArea().Matrix;
  EXPECT_EQ(PixelAt(image, 0, 0), clRed);      // quiet zone
  EXPECT_EQ(PixelAt(image, 4, 4), clLime);     // dark finder module
  EXPECT_EQ(PixelAt(image, 5, 5), clRed);      // light finder module
  EXPECT_EQ(PixelAt(image, 28, 28), clRed);    // quiet zone at the other corner
  EXPECT_EQ(PixelAt(image, 29, 29), clWhite);  // outside the symbol
  EXPECT_TRUE(m.Dark(0, 0));
}

TEST(QrImageTargetTest, QuietZonesOnlyWhenShown) {
  TImageControl image;
  Sized(image, 100, 100);
  TBarcode2D_QRCode qr;
  qr.SetLeadingQuietZone(10);
  qr.SetTopQuietZone(5);
  qr.SetModule(2);
  qr.SetImage(&image);
  EXPECT_EQ(qr.LastRect(), (TRect{0, 0, 42, 42}));
  qr.SetShowQuietZone(true);
  EXPECT_EQ(qr.LastRect(), (TRect{0, 0, 2 * (21 + 10 + 4), 2 * (21 + 5 + 4)}));
  EXPECT_EQ(PixelAt(image, 19, 9), clWhite);
  EXPECT_EQ(PixelAt(image, 20, 10), clBlack);
}

TEST(QrImageTargetTest, ChangesEraseTheLastDrawing) {
  TImageControl image;
  Sized(image, 100, 100);
  TBarcode2D_QRCode qr;
  qr.SetModule(4);
  qr.SetImage(&image);
  EXPECT_EQ(PixelAt(image, 80, 0), clBlack);  // the top-right finder
  qr.SetModule(1);
  EXPECT_EQ(Colours(image.Picture().Image().copy(30, 0, 70, 100)), (std::set<TColor>{clWhite}));
}

TEST(QrImageTargetTest, DrawingKeepsTheRestOfAnExistingPicture) {
  TImageControl image;
  Sized(image, 60, 60);
  QImage red(40, 30, QImage::Format_RGB32);
  red.fill(Qt::red);
  image.SetPicture(TPicture(red));
  TBarcode2D_QRCode qr;
  qr.SetLeftMargin(2);
  qr.SetImage(&image);
  EXPECT_EQ(image.Picture().Width(), 40);
  EXPECT_EQ(image.Picture().Height(), 30);
  EXPECT_EQ(PixelAt(image, 0, 0), clRed);
  EXPECT_EQ(PixelAt(image, 2, 0), clBlack);
  EXPECT_EQ(PixelAt(image, 39, 29), clRed);
}

TEST(QrImageTargetTest, ClearAreaFillsWhereTheSymbolWouldBe) {
  TImageControl image;
  Sized(image, 50, 50);
  TBarcode2D_QRCode qr;
  qr.SetSpaceColor(clLime);
  qr.SetTopMargin(3);
  qr.SetImage(&image);
  qr.ClearArea(true);
  EXPECT_EQ(Colours(image.Picture().Image().copy(0, 3, 21, 21)), (std::set<TColor>{clLime}));
  qr.ClearArea(false);
  EXPECT_EQ(Colours(image.Picture().Image().copy(0, 3, 21, 21)), (std::set<TColor>{clWhite}));
}

TEST(QrImageTargetTest, WithoutAnImageNothingIsDrawnButErrorsAreReported) {
  TBarcode2D_QRCode qr;
  TEventLog log(qr);
  EXPECT_FALSE(qr.Draw());
  qr.SetBarcode(std::string(7090, '1'));
  EXPECT_EQ(log.InvalidLength.size(), 1u);
  TImageControl empty;  // no size, no picture
  qr.SetImage(&empty);
  EXPECT_FALSE(qr.Draw());
  EXPECT_EQ(log.InvalidLength.size(), 3u);
  EXPECT_TRUE(empty.Picture().Empty());
}

TEST(QrImageTargetTest, ATextTooLongLeavesTheImageErasedOnEveryDraw) {
  TImageControl image;
  Sized(image, 60, 60);
  TBarcode2D_QRCode qr;
  TEventLog log(qr);
  qr.SetBarcode("vorher");
  qr.SetImage(&image);
  qr.SetMaxVersion(1);
  std::string tooLong(60, 'x');
  qr.SetBarcode(tooLong);
  ASSERT_EQ(log.InvalidLength.size(), 1u);
  EXPECT_EQ(log.InvalidLength[0], tooLong);
  EXPECT_FALSE(qr.Draw());
  EXPECT_EQ(log.InvalidLength.size(), 2u);
  EXPECT_EQ(Colours(image.Picture().Image()), (std::set<TColor>{clWhite}));
  EXPECT_EQ(qr.LastRect(), TRect{});
}

TEST(QrImageTargetTest, ForgetsAnImageThatGoesAway) {
  TBarcode2D_QRCode qr;
  {
    TImageControl image;
    qr.SetImage(&Sized(image, 40, 40));
    qr.ImageDestroyed(image);
  }
  EXPECT_EQ(qr.Image(), nullptr);
  EXPECT_EQ(qr.LastRect(), TRect{});
  EXPECT_FALSE(qr.Draw());
}

TEST(QrImageTargetTest, DestroyingTheComponentErasesItsDrawing) {
  TImageControl image;
  Sized(image, 40, 40);
  {
    TBarcode2D_QRCode qr;
    qr.SetImage(&image);
    EXPECT_EQ(PixelAt(image, 0, 0), clBlack);
  }
  EXPECT_EQ(Colours(image.Picture().Image()), (std::set<TColor>{clWhite}));
}

}  // namespace
}  // namespace quorvel
