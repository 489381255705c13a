#include <gtest/gtest.h>

#include <QRect>
#include <cmath>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/Bitmap.h"
#include "platform/Rounding.h"
#include "print/LabelRenderer.h"
#include "support/Decoder.h"

namespace quorvel {
namespace {

TLabelObject& Add(TLabelDocument& document, TObjectKind kind, int left, int top, int width, int height) {
  TLabelObject& o = document.Append(std::make_unique<TLabelObject>(kind));
  o.Left = left, o.Top = top, o.Width = width, o.Height = height;
  return o;
}

QRect Bounds(const TBitmap& bitmap, TColor colour) {
  QRect bounds;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) == colour) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST(LabelRendererTest, ABoxCoversItsScaledRectangle) {
  TLabelDocument document;
  TLabelObject& box = Add(document, TObjectKind::okBox, 100, 50, 200, 100);
  box.PenColor = clBlack;
  box.BrushColor = clRed;
  TBitmap target(200, 100);
  ausgabe_etikett(document, target.Canvas(), 0, 0, {4.0, 4.0});
  QRect expected(40, 20, 80, 40);
  EXPECT_EQ(Bounds(target, clBlack) | Bounds(target, clRed), expected);
  EXPECT_EQ(Bounds(target, clRed), expected.adjusted(1, 1, -1, -1));
}

TEST(LabelRendererTest, PenWidthsAreTenthsOfAMillimetreAtTheTargetsScale) {
  struct {
    double Scale;  // pixels per millimetre
    int Band;      // pixels of a 0.3 mm pen
  } cases[] = {{10.0, 3}, {20.0, 6}, {4.0, 1}, {1.0, 1}};
  for (const auto& c : cases) {
    TLabelDocument document;
    TLabelObject& box = Add(document, TObjectKind::okBox, 0, 0, 100, 100);
    box.PenWidth = 3;
    box.BrushColor = clWhite;
    TBitmap target(400, 400);
    ausgabe_etikett(document, target.Canvas(), 2.5, 5.0, {c.Scale, c.Scale});
    // The band is centred on the outline's first column.
    int first = RoundHalfEven(2.5 * c.Scale) - (c.Band - 1) / 2;
    int y = static_cast<int>(10 * c.Scale);
    EXPECT_EQ(target.Pixel(first - 1, y), clWhite) << c.Scale;
    EXPECT_EQ(target.Pixel(first, y), clBlack) << c.Scale;
    EXPECT_EQ(target.Pixel(first + c.Band - 1, y), clBlack) << c.Scale;
    EXPECT_EQ(target.Pixel(first + c.Band, y), clWhite) << c.Scale;
  }
}

TEST(LabelRendererTest, QrModulesCoverWholePixelsCentredInTheirBox) {
  struct {
    TRect Box;
    int Columns, Rows;
    TRect Expected;
  } cases[] = {
      {{0, 0, 100, 100}, 21, 21, {8, 8, 92, 92}},     // 4 pixels a module
      {{10, 20, 52, 62}, 21, 21, {10, 20, 52, 62}},   // exactly 2
      {{0, 0, 100, 50}, 21, 21, {8, 4, 92, 46}},      // each axis on its own
      {{5, 5, 20, 40}, 21, 21, {5, 12, 20, 33}},      // too narrow: stretched across
      {{0, 0, 43, 43}, 21, 21, {0, 0, 42, 42}},       // an odd pixel left over
  };
  for (const auto& c : cases) EXPECT_EQ(WholeModuleRect(c.Box, c.Columns, c.Rows), c.Expected);
}

TEST(LabelRendererTest, LineStartsRoundHalvesToEven) {
  struct {
    int Left;
    double Scale;
    int FirstX;
  } cases[] = {{15, 4.0, 6}, {25, 1.0, 2}, {35, 1.0, 4}};
  for (const auto& c : cases) {
    TLabelDocument document;
    Add(document, TObjectKind::okHLine, c.Left, 10, 100, 1);
    TBitmap target(200, 50);
    ausgabe_etikett(document, target.Canvas(), 0, 0, {c.Scale, c.Scale});
    EXPECT_EQ(Bounds(target, clBlack).left(), c.FirstX) << c.Left;
  }
}

// Hand-edited files may place objects at any int: far-off ones draw nothing
// and their device coordinates saturate instead of overflowing.
TEST(LabelRendererTest, ObjectsAtTheEndsOfTheNumberRangeDrawNothing) {
  for (TObjectKind kind : {TObjectKind::okHLine, TObjectKind::okVLine, TObjectKind::okText,
                           TObjectKind::okVerticalText, TObjectKind::okPicture}) {
    for (int far : {2'000'000'000, -2'000'000'000}) {
      TLabelDocument document;
      TLabelObject& o = Add(document, kind, far, far, 2'000'000'000, 2'000'000'000);
      o.Text = "x";
      TBitmap target(50, 50);
      ausgabe_etikett(document, target.Canvas(), 0, 0, {40.0, 40.0});
      EXPECT_TRUE(Bounds(target, clBlack).isEmpty()) << static_cast<int>(kind) << " at " << far;
    }
  }
}

TEST(LabelRendererTest, EqualBoxesKeepSlotOrderAndSmallBoxesStayOnTop) {
  TLabelDocument document;
  Add(document, TObjectKind::okBox, 10, 10, 20, 20).BrushColor = clBlue;    // small, slot 1
  Add(document, TObjectKind::okBox, 0, 0, 100, 100).BrushColor = clRed;     // large, slot 2
  Add(document, TObjectKind::okBox, 50, 50, 40, 10).BrushColor = clLime;   // area 400, slot 3
  Add(document, TObjectKind::okBox, 55, 50, 10, 40).BrushColor = clWhite;  // area 400, slot 4
  TBitmap target(100, 100);
  ausgabe_etikett(document, target.Canvas(), 0, 0, {10.0, 10.0});  // a pixel per design unit
  EXPECT_EQ(document.BoxOrder, (std::vector<int>{2, 1, 3, 4}));
  EXPECT_EQ(target.Pixel(20, 20), clBlue);
  EXPECT_EQ(target.Pixel(58, 55), clWhite);  // slot 4 drawn after slot 3
}

TEST(LabelRendererTest, DeletedObjectsAndEmptyTextsDrawNothing) {
  TLabelDocument document;
  Add(document, TObjectKind::okText, 0, 0, 0, 0).Text = "";
  Add(document, TObjectKind::okVerticalText, 50, 0, 0, 0).Text = "";
  TLabelObject& box = Add(document, TObjectKind::okBox, 0, 0, 50, 50);
  box.Deleted = true;
  TBitmap target(100, 100);
  ausgabe_etikett(document, target.Canvas(), 0, 0, {10.0, 10.0});
  EXPECT_TRUE(Bounds(target, clBlack).isNull());
  EXPECT_TRUE(document.BoxOrder.empty());
}

// Height of the ink of "H" printed at 8 points on a target of that resolution.
int TextInkHeight(int pixelsPerInch) {
  TLabelDocument document;
  TLabelObject& text = Add(document, TObjectKind::okText, 10, 10, 0, 0);
  text.Text = "H";
  text.FontSize = 8;
  TBitmap target(pixelsPerInch, pixelsPerInch, pixelsPerInch);
  ausgabe_etikett(document, target.Canvas(), 0, 0, {pixelsPerInch / 25.4, pixelsPerInch / 25.4});
  return Bounds(target, clBlack).height();
}

TEST(LabelRendererTest, TextKeepsItsPointSizeAtEveryResolution) {
  int at300 = TextInkHeight(300);
  EXPECT_NEAR(at300, 0.716 * 8 / 72 * 300, 2);
  EXPECT_NEAR(TextInkHeight(600), 2 * at300, 2);
}

TEST(LabelRendererTest, VerticalTextRunsUpwardFromBelowItsTop) {
  TLabelDocument document;
  TLabelObject& text = Add(document, TObjectKind::okVerticalText, 100, 100, 0, 0);
  text.Text = "senkrechter Text";
  text.FontSize = 10;
  text.Angle = 90;
  TBitmap target(400, 600, 254);
  ausgabe_etikett(document, target.Canvas(), 0, 0, {10.0, 10.0});
  QRect ink = Bounds(target, clBlack);
  ASSERT_FALSE(ink.isNull());
  EXPECT_GT(ink.height(), 4 * ink.width());
  EXPECT_GE(ink.left(), 100);
  EXPECT_GE(ink.top(), 100);
}

TEST(LabelRendererTest, BarcodesAndQrCodesAreDrawnOverBoxesAndScan) {
  TLabelDocument document;
  TLabelObject& barcode = Add(document, TObjectKind::okBarcode, 20, 20, 400, 150);
  barcode.Barcode().SetTypBarCode(TTypBarCode::bcCode128);
  barcode.Barcode().SetBarCode("QUORVEL-42");
  TLabelObject& qr = Add(document, TObjectKind::okQrCode, 450, 20, 200, 200);
  qr.QrText = "https://quorvel.example/label";
  qr.DrawQrSymbol();
  Add(document, TObjectKind::okBox, 0, 0, 700, 300).BrushColor = clWhite;  // appended last, drawn first
  TBitmap target(700, 300, 254);
  ausgabe_etikett(document, target.Canvas(), 0, 0, {10.0, 10.0});
  std::vector<test::TDecoded> found = test::Decode(target.Image());
  std::vector<std::string> texts;
  for (const auto& d : found) texts.push_back(d.Text);
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"QUORVEL-42", "https://quorvel.example/label"}));
}

}  // namespace
}  // namespace quorvel
