#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "platform/TextRotOut.h"

namespace quorvel {
namespace {

// The smallest rectangle holding every pixel that is not the background.
TRect InkBounds(const TBitmap& bitmap, TColor background) {
  TRect ink{bitmap.Width(), bitmap.Height(), -1, -1};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) != background) {
        ink.Left = std::min(ink.Left, x);
        ink.Top = std::min(ink.Top, y);
        ink.Right = std::max(ink.Right, x + 1);
        ink.Bottom = std::max(ink.Bottom, y + 1);
      }
  return ink;
}

TEST(TextRotOutTest, QuarterTurnRunsUpwardsFromTheStartPoint) {
  TBitmap bitmap(300, 300);
  bitmap.Canvas().Font.Color = clBlack;
  TextRotOut(bitmap.Canvas(), 50, 250, 90, "DejaVu Sans", 30, {}, "Quorvel");
  TRect ink = InkBounds(bitmap, clWhite);
  // The unturned cell lies right of and below the start point; turned by
  // 90 degrees counter-clockwise it lies above and to the right.
  EXPECT_GE(ink.Left, 50);
  EXPECT_LE(ink.Right, 50 + 40);
  EXPECT_LE(ink.Bottom, 251);
  EXPECT_LT(ink.Top, 250 - 80);  // seven letters of 30 pixels reach far up
  EXPECT_GT(ink.Height(), ink.Width());
}

TEST(TextRotOutTest, NoTurnWritesRightwardsWithTheGivenCharacterHeight) {
  TBitmap small(400, 100);
  TBitmap large(400, 100);
  small.Canvas().Font.Color = clBlack;
  large.Canvas().Font.Color = clBlack;
  TextRotOut(small.Canvas(), 10, 10, 0, "DejaVu Sans", 20, {}, "HHHH");
  TextRotOut(large.Canvas(), 10, 10, 0, "DejaVu Sans", 40, {}, "HHHH");
  TRect a = InkBounds(small, clWhite);
  TRect b = InkBounds(large, clWhite);
  EXPECT_GE(a.Left, 10);
  EXPECT_GE(a.Top, 10);
  EXPECT_GT(a.Width(), a.Height());
  EXPECT_NEAR(b.Height(), 2 * a.Height(), 2);
}

TEST(TextRotOutTest, DrawsTransparentlyInTheFontColourAndNothingForEmptyText) {
  TBitmap bitmap(200, 200);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush = {clLime, TBrushStyle::bsSolid};
  canvas.FillRect({0, 0, 200, 200});
  canvas.Font.Color = clRed;
  TextRotOut(canvas, 20, 180, 90, "DejaVu Sans", 24, {}, "");
  EXPECT_EQ(InkBounds(bitmap, clLime).Right, -1);

  canvas.Brush = {clBlue, TBrushStyle::bsSolid};  // must not show: the background is transparent
  TextRotOut(canvas, 20, 180, 90, "DejaVu Sans", 24, TFontStyle::fsBold, "III");
  EXPECT_EQ(canvas.BackgroundMode(), TBackgroundMode::bmTransparent);
  bool sawRed = false;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      EXPECT_NE(bitmap.Pixel(x, y), clBlue);
      sawRed = sawRed || bitmap.Pixel(x, y) == clRed;
    }
  EXPECT_TRUE(sawRed);
  // The turned font lasts only for the call.
  EXPECT_EQ(canvas.TextHeight("I"), TBitmap(1, 1).Canvas().TextHeight("I"));
}

TEST(TextRotOutTest, WholeTurnsAreDroppedAndHostileHeightsStayInRange) {
  auto draw = [](int angle, int height) {
    TBitmap bitmap(120, 120);
    TextRotOut(bitmap.Canvas(), 40, 100, angle, "DejaVu Sans", height, {}, "Ab");
    return bitmap.Image();
  };
  QImage quarter = draw(90, 20);
  EXPECT_EQ(draw(450, 20), quarter);
  EXPECT_EQ(draw(-270, 20), quarter);
  EXPECT_EQ(draw(INT32_MAX - 7, 20), draw(INT32_MAX - 7 - 3600, 20));
  for (int height : {INT32_MIN, INT32_MAX}) EXPECT_NO_THROW(draw(INT32_MIN, height));
}

}  // namespace
}  // namespace quorvel
