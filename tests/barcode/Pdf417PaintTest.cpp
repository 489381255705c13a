#include <gtest/gtest.h>

#include "barcode/Ean.h"
#include "barcode/ModuleRows.h"
#include "barcode/Pdf417.h"
#include "platform/Bitmap.h"
#include "support/Decoder.h"

namespace quorvel {
namespace {

using enum TLastPaintError;

bool IsBlack(const TBitmap& bitmap, int x, int y) { return bitmap.Pixel(x, y) == clBlack; }

TEST(ModuleRowsTest, RowsShareTheHeightEqually) {
  // Seven rows in 100 pixels end at ceil(100 r / 7): 15, 29, 43, 58, 72, 86, 100.
  std::vector<std::string> rows;
  for (int r = 0; r < 7; ++r) rows.push_back(r % 2 == 0 ? "11" : "01");
  TBitmap bitmap(20, 120);
  bitmap.Canvas().Brush = {clBlack, TBrushStyle::bsSolid};
  TRotatedCanvas upright(bitmap.Canvas(), {0, 0}, 0);
  PaintModuleRows(upright, {5, 10, 15, 110}, rows, false);
  std::vector<int> ends;
  for (int y = 10; y < 110; ++y)
    if (IsBlack(bitmap, 5, y) != IsBlack(bitmap, 5, y + 1)) ends.push_back(y + 1 - 10);
  EXPECT_EQ(ends, (std::vector<int>{15, 29, 43, 58, 72, 86, 100}));
  EXPECT_FALSE(IsBlack(bitmap, 5, 9));
  EXPECT_TRUE(IsBlack(bitmap, 14, 109));  // the right half of every row
  EXPECT_FALSE(IsBlack(bitmap, 15, 50));
}

TEST(ModuleRowsTest, SecurityAppliesPerRowAndSqueezedRowsStillPaint) {
  std::vector<std::string> rows = {"101010101010"};
  TBitmap secure(20, 20), squeezed(20, 20);
  for (TBitmap* b : {&secure, &squeezed}) b->Canvas().Brush = {clBlack, TBrushStyle::bsSolid};
  TRotatedCanvas secureTarget(secure.Canvas(), {0, 0}, 0), squeezedTarget(squeezed.Canvas(), {0, 0}, 0);
  PaintModuleRows(secureTarget, {0, 0, 10, 10}, rows, true);
  PaintModuleRows(squeezedTarget, {0, 0, 10, 10}, rows, false);
  int secureInk = 0, squeezedInk = 0;
  for (int x = 0; x < 20; ++x) {
    secureInk += IsBlack(secure, x, 5);
    squeezedInk += IsBlack(squeezed, x, 5);
  }
  EXPECT_EQ(secureInk, 0);  // not one pixel per module: the row is left out
  EXPECT_GT(squeezedInk, 0);
  EXPECT_FALSE(IsBlack(squeezed, 10, 5));
}

// Turned like a linear barcode: the symbol stays inside its rectangle, whose
// long side holds the rows at 90 and 270 degrees, and reads at every angle.
TEST(Pdf417PaintTest, PaintedSymbolTurnsInsideItsRectangleAndReadsBack) {
  const TRect wide{40, 40, 40 + 3 * 103, 40 + 120}, tall{40, 40, 40 + 120, 40 + 3 * 103};
  for (bool security : {false, true}) {
    for (int angle : {0, 90, 180, 270, -90}) {
      SCOPED_TRACE(std::to_string(angle) + (security ? " secure" : ""));
      TEan ean;
      ean.SetTypBarCode(TTypBarCode::bcPDF417);
      ean.PDF417().SetCols(2);
      ean.SetBarCode("Quorvel PDF417 Etikett");
      ean.SetAngle(angle);
      ean.SetSecurity(security);
      const TRect& rect = angle % 180 == 0 ? wide : tall;
      TBitmap bitmap(rect.Right + 40, rect.Bottom + 40);
      ean.PaintTo(bitmap.Canvas(), rect);
      EXPECT_EQ(ean.LastPaintError(), erOK);
      int inkOutside = 0;
      for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
          inkOutside += IsBlack(bitmap, x, y) && !(x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom);
      EXPECT_EQ(inkOutside, 0);
      test::TDecodeOptions options;
      options.Formats = "PDF417";
      EXPECT_EQ(test::DecodeOne(bitmap.Image(), options).Text, "Quorvel PDF417 Etikett");
    }
  }
}

TEST(Pdf417PaintTest, TooNarrowBoxFollowsPaintIfSmall) {
  for (bool paintIfSmall : {true, false}) {
    TEan ean;
    ean.SetTypBarCode(TTypBarCode::bcPDF417);
    ean.PDF417().SetPaintIfSmall(paintIfSmall);
    TBitmap bitmap(100, 100);
    ean.PaintTo(bitmap.Canvas(), {0, 0, 50, 100});
    EXPECT_EQ(ean.LastPaintError(), erSmallPaintBox);
    bool ink = false;
    for (int x = 0; x < 100; ++x) ink |= IsBlack(bitmap, x, 50);
    EXPECT_EQ(ink, paintIfSmall);
    EXPECT_NE(bitmap.Pixel(10, 50), RGB(255, 0, 0));  // never hatched
  }
}

// A paint event must never see an exception: the failed paint draws
// nothing, the message is kept and announced once per value.
TEST(PaintErrorTest, OwnPaintKeepsTheErrorAndReportsItOnce) {
  TEan ean;
  ean.SetBounds(0, 0, 200, 80);
  std::vector<std::string> reported;
  ean.OnPaintError = [&](TEan&, const std::string& message) { reported.push_back(message); };
  ean.SetTypBarCode(TTypBarCode::bcPDF417);
  ean.SetBarCode("Grüße");  // not text a PDF417 text compaction can hold

  TBitmap bitmap(200, 80);
  ASSERT_NO_THROW(ean.Paint(bitmap.Canvas()));
  ASSERT_NO_THROW(ean.Paint(bitmap.Canvas()));
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_FALSE(reported[0].empty());
  EXPECT_EQ(ean.PaintErrorMessage(), reported[0]);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(bitmap.Pixel(x, y), clWhite);

  // The renderer's PaintTo still hands the error to its caller.
  EXPECT_THROW(ean.PaintTo(bitmap.Canvas(), {0, 0, 200, 80}), std::exception);

  ean.SetBarCode("ä");  // another value: told again
  ean.Paint(bitmap.Canvas());
  EXPECT_EQ(reported.size(), 2u);

  ean.SetTypBarCode(TTypBarCode::bcEan13);  // a paint that succeeds clears it
  ean.Paint(bitmap.Canvas());
  EXPECT_TRUE(ean.PaintErrorMessage().empty());
  EXPECT_EQ(ean.LastPaintError(), erOK);
  ean.SetTypBarCode(TTypBarCode::bcPDF417);
  ean.SetBarCode("ä");
  ean.Paint(bitmap.Canvas());
  EXPECT_EQ(reported.size(), 3u);
}

}  // namespace
}  // namespace quorvel
