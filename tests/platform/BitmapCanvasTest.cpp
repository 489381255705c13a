#include <gtest/gtest.h>

#include <QRect>
#include <set>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "platform/Picture.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

// 4 pixels per millimetre, as the preview draws.
constexpr int kPreviewPpi = 102;

// The smallest rectangle holding every pixel that is not white.
QRect InkBounds(const TBitmap& bitmap) {
  QRect bounds;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) != clWhite) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST(BitmapTest, StartsWhiteAndRemembersItsResolution) {
  TBitmap bitmap(7, 5, 254);
  EXPECT_EQ(bitmap.Width(), 7);
  EXPECT_EQ(bitmap.Height(), 5);
  EXPECT_EQ(bitmap.Canvas().PixelsPerInch(), 254);
  EXPECT_FALSE(bitmap.Canvas().IsPrinter());
  EXPECT_TRUE(InkBounds(bitmap).isNull());
}

TEST(CanvasTest, FilledRectangleCoversExactlyItsPixels) {
  struct {
    TRect Rect;
  } cases[] = {{{40, 20, 120, 60}}, {{0, 0, 1, 1}}, {{5, 7, 6, 30}}, {{199, 99, 200, 100}}};
  for (const auto& c : cases) {
    TBitmap bitmap(200, 100, kPreviewPpi);
    bitmap.Canvas().Brush = {clBlack, TBrushStyle::bsSolid};
    bitmap.Canvas().FillRect(c.Rect);
    EXPECT_EQ(InkBounds(bitmap), QRect(c.Rect.Left, c.Rect.Top, c.Rect.Width(), c.Rect.Height()));
    int inked = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x) inked += bitmap.Pixel(x, y) == clBlack;
    EXPECT_EQ(inked, c.Rect.Width() * c.Rect.Height());
  }
}

TEST(CanvasTest, RectangleOutlineOfPenWidthOneIsOnePixelInsideTheCorners) {
  TBitmap bitmap(50, 50);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen = {clRed, 1};
  canvas.Brush = {clWhite, TBrushStyle::bsClear};
  canvas.Rectangle(10, 10, 20, 15);
  EXPECT_EQ(InkBounds(bitmap), QRect(10, 10, 10, 5));
  EXPECT_EQ(bitmap.Pixel(10, 10), clRed);
  EXPECT_EQ(bitmap.Pixel(19, 14), clRed);
  EXPECT_EQ(bitmap.Pixel(15, 12), clWhite);
}

TEST(CanvasTest, WidePenIsExactlyThatManyPixelsWide) {
  TBitmap bitmap(60, 60);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen = {clBlack, 3};
  canvas.MoveTo(10, 30);
  canvas.LineTo(50, 30);
  EXPECT_EQ(InkBounds(bitmap), QRect(10, 29, 40, 3));  // the end point is not drawn
}

TEST(CanvasTest, AHostilePenWidthCoversThePageWithoutOverflow) {
  TBitmap bitmap(20, 20);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen = {clBlack, INT32_MAX};
  canvas.Rectangle(5, 5, 10, 10);
  EXPECT_EQ(bitmap.Pixel(0, 0), clBlack);
  EXPECT_EQ(bitmap.Pixel(19, 19), clBlack);
  canvas.Pen = {clRed, INT32_MAX};
  canvas.MoveTo(0, 10);
  canvas.LineTo(19, 10);
  EXPECT_EQ(bitmap.Pixel(3, 0), clRed);
}

TEST(CanvasTest, PolygonOfARectangleFillsTheSamePixelsAsFillRect) {
  TBitmap bitmap(40, 40);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen.Style = TPenStyle::psClear;
  canvas.Brush = {clBlack, TBrushStyle::bsSolid};
  TPoint corners[] = {{5, 6}, {25, 6}, {25, 16}, {5, 16}};
  canvas.Polygon(corners);
  EXPECT_EQ(InkBounds(bitmap), QRect(5, 6, 20, 10));
}

TEST(CanvasTest, HatchPaintsOnlyItsLinesAndLeavesTheGapsUntouched) {
  TBitmap bitmap(64, 64);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush = {clBlue, TBrushStyle::bsSolid};
  canvas.FillRect({0, 0, 64, 64});
  canvas.Brush = {clRed, TBrushStyle::bsDiagCross};
  canvas.FillRect({8, 8, 56, 56});
  std::set<TColor> inside, outside;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) (QRect(8, 8, 48, 48).contains(x, y) ? inside : outside).insert(bitmap.Pixel(x, y));
  EXPECT_EQ(inside, (std::set<TColor>{clRed, clBlue}));
  EXPECT_EQ(outside, std::set<TColor>{clBlue});
}

TEST(CanvasTest, OpaqueTextFillsItsCellAndTransparentTextDoesNot) {
  for (auto mode : {TBackgroundMode::bmOpaque, TBackgroundMode::bmTransparent}) {
    TBitmap bitmap(200, 60, 96);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush = {clLime, TBrushStyle::bsSolid};
    canvas.SetBackgroundMode(mode);
    canvas.Font.Size = 12;
    canvas.TextOut(10, 10, "Ab");
    bool opaque = mode == TBackgroundMode::bmOpaque;
    EXPECT_EQ(bitmap.Pixel(10, 10) == clLime, opaque);
    EXPECT_EQ(bitmap.Pixel(10 + canvas.TextWidth("Ab") - 1, 10 + canvas.TextHeight("Ab") - 1) == clLime, opaque);
    EXPECT_NE(bitmap.Pixel(10 + canvas.TextWidth("Ab"), 10), clLime);
  }
}

// Height in pixels of the ink of one capital letter.
int CapitalHeight(int pixelsPerInch) {
  TBitmap bitmap(pixelsPerInch, pixelsPerInch, pixelsPerInch);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font.Size = 8;
  canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
  canvas.TextOut(10, 10, "H");
  return InkBounds(bitmap).height();
}

TEST(CanvasTest, PointSizesKeepTheirPhysicalSizeAtEveryResolution) {
  int at300 = CapitalHeight(300);
  int at600 = CapitalHeight(600);
  // A capital of Liberation Sans is 0.716 em: 8 points are 2.02 mm.
  EXPECT_NEAR(at300, 0.716 * 8 / 72 * 300, 2);
  EXPECT_NEAR(at600, 2 * at300, 2);
}

TEST(CanvasTest, TextTurnedBy900WritesUpwardFromItsStartPoint) {
  TBitmap bitmap(200, 300, 96);
  TCanvas& canvas = bitmap.Canvas();
  canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
  TLogFont font;
  font.Height = -20;
  font.Escapement = 900;
  int width = 0;
  {
    TTurnedFontScope turned(canvas, font);
    width = canvas.TextWidth("Quorvel labels");
    canvas.TextOut(50, 250, "Quorvel labels");
  }
  QRect ink = InkBounds(bitmap);
  EXPECT_GT(ink.height(), 3 * ink.width());
  EXPECT_LE(ink.bottom(), 250);
  EXPECT_GE(ink.top(), 250 - width - 1);
  EXPECT_GE(ink.left(), 50);
  EXPECT_LE(ink.right(), 50 + 25);
  // The turned font is gone after its scope: the canvas font (8 points) is back.
  EXPECT_LT(canvas.TextHeight("Q"), 15);
}

TEST(CanvasTest, StretchedCopyHasNoBlendedPixels) {
  TBitmap source(3, 3);
  source.Canvas().Brush = {clBlack, TBrushStyle::bsSolid};
  source.Canvas().FillRect({0, 0, 1, 1});
  source.Canvas().FillRect({2, 1, 3, 2});
  source.Canvas().FillRect({1, 2, 2, 3});
  TBitmap target(100, 100);
  target.Canvas().CopyStretched({3, 4, 3 + 41, 4 + 37}, source.Image());
  std::set<TColor> colours;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) colours.insert(target.Pixel(x, y));
  EXPECT_EQ(colours, (std::set<TColor>{clBlack, clWhite}));
  EXPECT_EQ(InkBounds(target).topLeft(), QPoint(3, 4));
  EXPECT_EQ(InkBounds(target).bottomRight(), QPoint(3 + 40, 4 + 36));
}

TEST(BitmapTest, WritesABmpFileUnderExactlyTheGivenNameThatReadsBack) {
  test::TTempDir dir;
  TBitmap bitmap(30, 20);
  bitmap.Canvas().Brush = {clRed, TBrushStyle::bsSolid};
  bitmap.Canvas().FillRect({0, 0, 10, 20});
  bitmap.SaveToFile(dir.Path("preview"));
  std::string bytes = test::ReadFile(dir.Path("preview"));
  ASSERT_EQ(bytes.substr(0, 2), "BM");
  test::WriteFile(dir.Path("copy.bmp"), bytes);
  TPicture picture;
  picture.LoadFromFile(dir.Path("copy.bmp"));
  ASSERT_EQ(picture.Width(), 30);
  EXPECT_EQ(picture.Image().pixelColor(9, 19), QColor(255, 0, 0));
  EXPECT_EQ(picture.Image().pixelColor(10, 0), QColor(255, 255, 255));
}

TEST(BitmapTest, SavingIntoAMissingFolderGivesAMessage) {
  TBitmap bitmap(3, 3);
  EXPECT_THROW(bitmap.SaveToFile("/nonexistent-folder/x.bmp"), EGraphicsError);
}

}  // namespace
}  // namespace quorvel
