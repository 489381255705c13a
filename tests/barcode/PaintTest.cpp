#include <gtest/gtest.h>

#include <QTransform>
#include <algorithm>
#include <memory>

#include "HandVectors.h"
#include "barcode/Ean.h"
#include "barcode/Stretch.h"
#include "platform/Bitmap.h"
#include "support/Decoder.h"

namespace quorvel {
namespace {

using enum TTypBarCode;
using enum TLastPaintError;

constexpr int kMargin = 40;  // white quiet zone around every painted rectangle

struct TSymbology {
  TTypBarCode Type;
  std::string Value;
  std::string Format;    // zxing-cpp's name; empty: no decoder reads it
  std::string Expected;  // decoded text, UTF-8
};

const TSymbology kLinear[] = {
    {bcEan13, "9771210107001", "EAN-13", "9771210107001"},
    {bcEan8, "12345670", "EAN-8", "12345670"},
    {bcJAN13, "4912345678904", "EAN-13", "4912345678904"},
    {bcJAN8, "49123456", "EAN-8", "49123456"},
    {bcISBN, "80-7226-102-9", "EAN-13", "9788072261024"},
    {bcCode128, "Quorvel-128", "Code128", "Quorvel-128"},
    {bcCode128, "20240611", "Code128", "20240611"},
    {bcEan128, "0112345678901231", "Code128", "0112345678901231"},
    {bcCode39Standard, "LABEL-39", "Code39", "LABEL-39"},
    {bcCode39Full, "Etikett 39", "Code39", "Etikett 39"},
    {bc25Interleaved, "123456", "ITF", "123456"},
    {bcCodabar, "A0123+-$/:68A", "Codabar", "A0123+-$/:681A"},
    {bcCode11, "123456", "", ""},
    {bc25Industrial, "120", "", ""},
};

test::TDecodeOptions DecodeOptionsFor(const TSymbology& s) {
  test::TDecodeOptions options;
  options.Formats = s.Format;
  options.Code39Extended = s.Type == bcCode39Full;
  options.ReturnCodabarStartEnd = s.Type == bcCodabar;
  return options;
}

// A white bitmap with the target rectangle at (kMargin, kMargin).
struct TTarget {
  TTarget(int width, int height)
      : Bitmap(width + 2 * kMargin, height + 2 * kMargin), Rect{kMargin, kMargin, kMargin + width, kMargin + height} {}
  TBitmap Bitmap;
  TRect Rect;
};

std::unique_ptr<TEan> MakeEan(TTypBarCode type, const std::string& value) {
  auto ean = std::make_unique<TEan>();
  ean->SetTypBarCode(type);
  ean->SetBarCode(value);
  return ean;
}

int ModuleCount(TEan& ean) { return static_cast<int>(ean.EncodeBarCode(ean.BarCode()).Modules.size()); }

bool IsBlack(TColor c) { return c == clBlack; }

// The symbol turned back upright, as a row of '1' (black) and '0' pixels
// through the middle of the bars, trimmed to the first and last bar.
std::string BarRow(const TBitmap& bitmap, int angle) {
  QImage upright = bitmap.Image().transformed(QTransform().rotate(angle));
  int y = kMargin + 3;  // near the top of the bars, above any text
  std::string row;
  for (int x = 0; x < upright.width(); ++x) row += upright.pixelColor(x, y) == QColor(Qt::black) ? '1' : '0';
  size_t first = row.find('1');
  return first == std::string::npos ? std::string() : row.substr(first, row.rfind('1') - first + 1);
}

// What the test expects a module string to look like stretched to w pixels:
// module i (1-based) takes the pixels from ceil((i-1)w/L) to ceil(iw/L).
std::string ExpectedBarRow(const std::string& modules, int w, bool security) {
  int length = static_cast<int>(modules.size());
  std::string row;
  for (int i = 1; i <= length; ++i) {
    int from = security ? (i - 1) * (w / length) : ((i - 1) * w + length - 1) / length;
    int to = security ? i * (w / length) : (i * w + length - 1) / length;
    row.append(to - from, modules[i - 1] == '1' || modules[i - 1] == '2' ? '1' : '0');
  }
  size_t first = row.find('1');
  return row.substr(first, row.rfind('1') - first + 1);
}

// Every offered linear symbology, turned by every right angle, with and
// without Security, in a box whose width is no multiple of the module count
// (modules of 3 and 4 pixels), reads back as its value.
TEST(PaintTest, EveryLinearSymbologyAtEveryAngleReadsBack) {
  for (const TSymbology& s : kLinear) {
    for (int angle : {0, 90, 180, 270}) {
      for (bool security : {false, true}) {
        SCOPED_TRACE(s.Value + " at " + std::to_string(angle) + (security ? " with Security" : ""));
        std::unique_ptr<TEan> ean = MakeEan(s.Type, s.Value);
        ean->SetAngle(angle);
        ean->SetSecurity(security);
        int modules = ModuleCount(*ean);
        int boxWidth = modules * 7 / 2 / 2 * 2;  // even: a centred box keeps all of it
        int boxHeight = std::max(140, boxWidth / 2);  // room for bars under the fitted text
        ASSERT_NE(boxWidth % modules, 0);
        bool upright = angle % 180 != 0;
        TTarget target(upright ? boxHeight : boxWidth, upright ? boxWidth : boxHeight);
        ean->PaintTo(target.Bitmap.Canvas(), target.Rect);
        EXPECT_EQ(ean->LastPaintError(), erOK);
        if (s.Format.empty()) {
          std::string hand = s.Type == bcCode11 ? test::kCode11Of123456 : test::kIndustrialOf120;
          EXPECT_EQ(BarRow(target.Bitmap, angle), ExpectedBarRow(hand, boxWidth, security));
          continue;
        }
        test::TDecoded decoded = test::DecodeOne(target.Bitmap.Image(), DecodeOptionsFor(s));
        EXPECT_EQ(decoded.Format, s.Format);
        EXPECT_EQ(decoded.Text, s.Expected);
      }
    }
  }
}

TEST(PaintTest, UnevenBoxGivesModulesOfTwoNeighbouringWidths) {
  std::unique_ptr<TEan> ean = MakeEan(bcCode39Standard, "LABEL");
  TTarget target(316, 100);  // 3.5 pixels for each of the 90 modules
  ean->PaintTo(target.Bitmap.Canvas(), target.Rect);
  const std::string& pixels = ean->PaintedModules();
  EXPECT_EQ(static_cast<int>(pixels.size()), target.Rect.Width());
  std::string modules = ean->EncodeBarCode("LABEL").Modules;
  EXPECT_EQ(pixels, StretchModules(modules, {}, target.Rect.Width(), false).Pixels);
  // A narrow bar element is 3 or 4 pixels, never anything else.
  std::string row = BarRow(target.Bitmap, 0);
  EXPECT_NE(row.find("0111000"), std::string::npos);
  EXPECT_NE(row.find("011110"), std::string::npos);
}

// The extent of black pixels in one column, or (-1, -1).
std::pair<int, int> BlackRows(const TBitmap& bitmap, int x) {
  int top = -1, bottom = -1;
  for (int y = 0; y < bitmap.Height(); ++y)
    if (IsBlack(bitmap.Pixel(x, y))) {
      if (top < 0) top = y;
      bottom = y;
    }
  return {top, bottom};
}

// The first pixel column of the box holding a module string character.
int ColumnOf(const TEan& ean, const TRect& box, char c) {
  return box.Left + static_cast<int>(ean.PaintedModules().find(c));
}

// Anti-aliased text leaves grey pixels; bars and spaces never do.
bool HasGrey(const TBitmap& bitmap, const TRect& area) {
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (bitmap.Pixel(x, y) != clWhite && bitmap.Pixel(x, y) != clBlack) return true;
  return false;
}

bool HasInk(const TBitmap& bitmap, const TRect& area) {
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (bitmap.Pixel(x, y) != clWhite) return true;
  return false;
}

TEST(PaintTest, Ean13WithSecurityInAWideBox) {
  TEan ean;
  ean.SetSecurity(true);
  TTarget target(206, 120);
  ean.PaintTo(target.Bitmap.Canvas(), target.Rect);
  ASSERT_EQ(ean.LastPaintError(), erOK);
  EXPECT_EQ(ean.PaintedModules().size(), 206u);  // k = 2: bars and blanks take all of it
  auto guard = BlackRows(target.Bitmap, ColumnOf(ean, target.Rect, '2'));
  auto data = BlackRows(target.Bitmap, ColumnOf(ean, target.Rect, '1'));
  EXPECT_EQ(guard, std::make_pair(target.Rect.Top, target.Rect.Bottom - 1));
  EXPECT_EQ(data.first, target.Rect.Top);
  EXPECT_LT(data.second, target.Rect.Bottom - 10);  // stops a text height above
  // The first digit sits in the blanks at the box's left edge.
  EXPECT_TRUE(HasInk(target.Bitmap, {target.Rect.Left, data.second + 1, target.Rect.Left + 16, target.Rect.Bottom}));
  EXPECT_FALSE(HasInk(target.Bitmap, {target.Rect.Left, target.Rect.Top, target.Rect.Left + 16, data.second}));
}

TEST(PaintTest, SecurityKeepsWholePixelsAndLeavesTheRestBlank) {
  TEan ean;
  ean.SetSecurity(true);
  TTarget target(205, 120);
  ean.PaintTo(target.Bitmap.Canvas(), target.Rect);
  EXPECT_EQ(ean.LastPaintError(), erOK);
  EXPECT_EQ(ean.PaintedModules().size(), 103u);  // k = 1
  EXPECT_FALSE(HasInk(target.Bitmap, {target.Rect.Left + 103, target.Rect.Top, target.Rect.Right, target.Rect.Bottom}));
}

TEST(PaintTest, SecurityMarksAreTheStartsOfTheirModules) {
  // With a width that is a whole multiple of the modules, Security and the
  // plain stretch must agree on where the text goes.
  TModuleString symbol{std::string(103, '1'), {12, 52, 59, 99, 0}};
  TStretched plain = StretchModules(symbol.Modules, symbol.Marks, 206, false);
  TStretched secure = StretchModules(symbol.Modules, symbol.Marks, 206, true);
  EXPECT_EQ(secure.Marks, plain.Marks);
  EXPECT_EQ(plain.Marks, (TTextMarks{22, 102, 116, 196, 0}));
  EXPECT_TRUE(StretchModules("1010", {}, 3, true).OutOfSecurityBox);
  EXPECT_EQ(StretchModules("1010", {}, 3, false).Pixels, "101");  // squeezed rows lose modules
}

TEST(PaintTest, TooSmallBoxIsHatchedOnScreenAndBlankOnPaper) {
  TEan ean;
  TTarget target(102, 100);
  ean.PaintTo(target.Bitmap.Canvas(), target.Rect);
  EXPECT_EQ(ean.LastPaintError(), erSmallPaintBox);
  int red = 0, other = 0;
  for (int y = 0; y < target.Bitmap.Height(); ++y)
    for (int x = 0; x < target.Bitmap.Width(); ++x) {
      TColor c = target.Bitmap.Pixel(x, y);
      red += c == RGB(255, 0, 0);
      other += c != RGB(255, 0, 0) && c != clWhite;
    }
  EXPECT_GT(red, 500);
  EXPECT_EQ(other, 0);  // a hatch of pure red lines, the gaps untouched

  QImage paper(200, 200, QImage::Format_RGB32);
  paper.fill(Qt::white);
  {
    QPainter painter(&paper);
    TCanvas printer(painter, 600, true);
    ean.PaintTo(printer, {40, 40, 142, 140});
    EXPECT_EQ(ean.LastPaintError(), erSmallPaintBox);
    ean.SetBarCode("97712101070A1");  // invalid as well: still nothing on paper
    ean.PaintTo(printer, {10, 10, 190, 190});
    EXPECT_EQ(ean.LastPaintError(), erCharOutOfSet);
  }
  for (int y = 0; y < paper.height(); ++y)
    for (int x = 0; x < paper.width(); ++x) ASSERT_EQ(paper.pixelColor(x, y), QColor(Qt::white));
}

TEST(PaintTest, InvalidValueIsHatchedOnABitmap) {
  std::unique_ptr<TEan> ean = MakeEan(bc25Interleaved, "12345");
  TTarget target(200, 80);
  ean->PaintTo(target.Bitmap.Canvas(), target.Rect);
  EXPECT_EQ(ean->LastPaintError(), erCountCharMustBeEven);
  EXPECT_EQ(target.Bitmap.Pixel(target.Rect.Left + 5, target.Rect.Top + 5) == RGB(255, 0, 0) ||
                HasInk(target.Bitmap, target.Rect),
            true);
  EXPECT_FALSE(HasInk(target.Bitmap, {0, 0, target.Bitmap.Width(), target.Rect.Top}));
}

TEST(PaintTest, GuardBarsFollowStartStopLinesAndShowLabels) {
  TEan ean;
  ean.SetStartStopLines(false);
  TTarget target(206, 120);
  ean.PaintTo(target.Bitmap.Canvas(), target.Rect);
  auto guard = BlackRows(target.Bitmap, ColumnOf(ean, target.Rect, '2'));
  auto data = BlackRows(target.Bitmap, ColumnOf(ean, target.Rect, '1'));
  EXPECT_EQ(guard, data);

  TEan bare;
  bare.SetShowLabels(false);
  TTarget plain(206, 120);
  bare.PaintTo(plain.Bitmap.Canvas(), plain.Rect);
  EXPECT_EQ(bare.PaintedModules().find(' '), std::string::npos);  // no blanks for a first digit
  for (size_t i = 0; i < bare.PaintedModules().size(); ++i) {
    char c = bare.PaintedModules()[i];
    auto rows = BlackRows(plain.Bitmap, plain.Rect.Left + static_cast<int>(i));
    if (c == '1' || c == '2')
      EXPECT_EQ(rows, std::make_pair(plain.Rect.Top, plain.Rect.Bottom - 1)) << i;
    else
      EXPECT_EQ(rows.first, -1) << i;
  }
  for (int y = 0; y < plain.Bitmap.Height(); ++y)
    for (int x = 0; x < plain.Bitmap.Width(); ++x) {
      TColor c = plain.Bitmap.Pixel(x, y);
      ASSERT_TRUE(c == clWhite || c == clBlack);  // no text
    }
}

TEST(PaintTest, AddOnDigitsAboveTheAddOnBars) {
  for (bool addUp : {true, false}) {
    SCOPED_TRACE(addUp);
    TEan ean;
    ean.SetBarCode("9771210107001 12");
    ean.SetEan13AddUp(addUp);
    TTarget target(133 * 2, 120);
    ean.PaintTo(target.Bitmap.Canvas(), target.Rect);
    ASSERT_EQ(ean.LastPaintError(), erOK);
    int addOnStart = ColumnOf(ean, target.Rect, 'X');
    auto mainBar = BlackRows(target.Bitmap, ColumnOf(ean, target.Rect, '1'));
    int addOnColumn = addOnStart + static_cast<int>(ean.PaintedModules().find('1', addOnStart - target.Rect.Left)) -
                      (addOnStart - target.Rect.Left);
    auto addOnBar = BlackRows(target.Bitmap, addOnColumn);
    TRect aboveAddOn{addOnStart, target.Rect.Top, target.Rect.Right, target.Rect.Top + 10};
    if (addUp) {
      EXPECT_GT(addOnBar.first, mainBar.first + 10);
      EXPECT_TRUE(HasGrey(target.Bitmap, aboveAddOn));
    } else {
      EXPECT_EQ(addOnBar.first, mainBar.first);
      EXPECT_FALSE(HasGrey(target.Bitmap, aboveAddOn));
    }
  }
}

TEST(PaintTest, QuarterTurnFillsATallTargetReadingUpward) {
  TEan ean;
  ean.SetAngle(90);
  TTarget target(100, 300);
  ean.PaintTo(target.Bitmap.Canvas(), target.Rect);
  ASSERT_EQ(ean.LastPaintError(), erOK);
  EXPECT_EQ(ean.PaintedModules().size(), 300u);  // the box is 300 wide and 100 high
  EXPECT_FALSE(HasInk(target.Bitmap, {0, 0, target.Bitmap.Width(), target.Rect.Top}));
  EXPECT_FALSE(HasInk(target.Bitmap, {0, target.Rect.Bottom, target.Bitmap.Width(), target.Bitmap.Height()}));
  EXPECT_FALSE(HasInk(target.Bitmap, {0, 0, target.Rect.Left, target.Bitmap.Height()}));
  EXPECT_FALSE(HasInk(target.Bitmap, {target.Rect.Right, 0, target.Bitmap.Width(), target.Bitmap.Height()}));
  // The text line is on the right; the first digit at the bottom of it.
  int left = target.Rect.Left, right = target.Rect.Right, bottom = target.Rect.Bottom;
  EXPECT_TRUE(HasInk(target.Bitmap, {right - 15, bottom - 20, right, bottom}));
  EXPECT_FALSE(HasInk(target.Bitmap, {left, bottom - 20, right - 30, bottom}));
  // The start guard is near the bottom: full-length bars reach the right edge there.
  EXPECT_TRUE(IsBlack(target.Bitmap.Pixel(right - 1, bottom - 1 - 8 * 300 / 103 - 1)));
  test::TDecoded decoded = test::DecodeOne(target.Bitmap.Image());
  EXPECT_EQ(decoded.Text, "9771210107001");
}

TEST(PaintTest, UpperCaptionMovesTheBarsDown) {
  TEan ean;
  TTarget target(206, 150);
  ean.Caption().SetText("");
  ean.PaintTo(target.Bitmap.Canvas(), target.Rect);
  int guardColumn = ColumnOf(ean, target.Rect, '2');
  EXPECT_EQ(BlackRows(target.Bitmap, guardColumn).first, target.Rect.Top);  // an empty caption takes no space

  TFont font = ean.Caption().Font();
  font.Size = 15;  // 20 pixels at 96 pixels per inch
  font.Color = clRed;
  ean.Caption().SetFont(font);
  ean.Caption().SetAutoSize(false);
  ean.Caption().SetText("Preis");
  TTarget captioned(206, 150);
  ean.PaintTo(captioned.Bitmap.Canvas(), captioned.Rect);
  EXPECT_EQ(BlackRows(captioned.Bitmap, guardColumn).first, captioned.Rect.Top + 25);  // round(1.2 * 20) + 1
  EXPECT_TRUE(HasInk(captioned.Bitmap, {captioned.Rect.Left, captioned.Rect.Top, captioned.Rect.Left + 60,
                                        captioned.Rect.Top + 20}));

  ean.CaptionBottom().SetFont(font);
  ean.CaptionBottom().SetAutoSize(false);
  ean.CaptionBottom().SetText("unten");
  TTarget both(206, 150);
  ean.PaintTo(both.Bitmap.Canvas(), both.Rect);
  EXPECT_EQ(BlackRows(both.Bitmap, guardColumn), std::make_pair(both.Rect.Top + 25, both.Rect.Bottom - 26));
}

TEST(PaintTest, BackgroundUnlessTransparentAndLinesAcross) {
  for (bool transparent : {false, true}) {
    TEan ean;
    ean.SetTransparent(transparent);
    ean.HorzLines().SetLinesCount(1);
    ean.HorzLines().SetColor(clBlue);
    TTarget target(206, 120);
    target.Bitmap.Canvas().Brush = {clLime, TBrushStyle::bsSolid};
    target.Bitmap.Canvas().FillRect({0, 0, target.Bitmap.Width(), target.Bitmap.Height()});
    ean.PaintTo(target.Bitmap.Canvas(), target.Rect);
    int gap = ColumnOf(ean, target.Rect, '0');
    EXPECT_EQ(target.Bitmap.Pixel(gap, target.Rect.Top + 20), transparent ? clLime : clWhite);
    int line = target.Rect.Top + 60;  // step (120) div 2
    for (int x = target.Rect.Left; x < target.Rect.Right; ++x) ASSERT_EQ(target.Bitmap.Pixel(x, line), clBlue) << x;
    EXPECT_NE(target.Bitmap.Pixel(target.Rect.Left + 50, line + 1), clBlue);
  }
}

TEST(PaintTest, PaintToReportsAndLeavesTheCanvasAsItWas) {
  TEan ean;
  std::vector<std::pair<TRect, std::string>> painted;
  ean.OnPaint = [&](TCustomEAN&, const TRect& rect, const std::string& value) { painted.push_back({rect, value}); };
  TTarget target(206, 120);
  TCanvas& canvas = target.Bitmap.Canvas();
  canvas.Pen = {clRed, 3, TPenStyle::psDash, TPenMode::pmXor};
  canvas.Brush = {clLime, TBrushStyle::bsCross};
  canvas.Font.Size = 33;
  TPen pen = canvas.Pen;
  TBrush brush = canvas.Brush;
  TFont font = canvas.Font;
  ean.PaintTo(canvas, target.Rect);
  EXPECT_EQ(canvas.Pen, pen);
  EXPECT_EQ(canvas.Brush, brush);
  EXPECT_EQ(canvas.Font, font);
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(painted[0].first, target.Rect);
  EXPECT_EQ(painted[0].second, "9771210107001");

  ean.SetBarCode("12");  // invalid, still reported
  ean.PaintTo(canvas, target.Rect);
  EXPECT_EQ(painted.size(), 2u);

  std::unique_ptr<TEan> empty = MakeEan(bcCode128, "");
  empty->OnPaint = ean.OnPaint;
  TTarget blank(100, 50);
  empty->PaintTo(blank.Bitmap.Canvas(), blank.Rect);
  EXPECT_EQ(painted.size(), 2u);
  EXPECT_FALSE(HasInk(blank.Bitmap, {0, 0, blank.Bitmap.Width(), blank.Bitmap.Height()}));
}

class TCapturingClipboard : public IClipboard {
 public:
  void SetBitmap(const TBitmap& bitmap) override { Image = bitmap.Image().copy(); }
  QImage Image;
};

TEST(PaintTest, ClipboardGetsTheControlPaintedAtItsSize) {
  std::unique_ptr<TEan> ean = MakeEan(bcCode128, "Quorvel");
  ean->SetBounds(0, 0, 300, 100);
  TCapturingClipboard clipboard;
  ean->CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.Image.size(), QSize(300, 100));
  // The symbol fills the bitmap edge to edge; give the decoder a quiet zone.
  QImage framed(400, 140, QImage::Format_RGB32);
  framed.fill(Qt::white);
  QPainter(&framed).drawImage(50, 20, clipboard.Image);
  EXPECT_EQ(test::DecodeOne(framed).Text, "Quorvel");
}

TEST(PaintTest, LabelMaskChangesOnlyTheText) {
  std::unique_ptr<TEan> masked = MakeEan(bcCode39Standard, "12345");
  masked->SetLabelMask("__X");
  std::unique_ptr<TEan> plain = MakeEan(bcCode39Standard, "12345");
  TTarget a(300, 100), b(300, 100);
  masked->PaintTo(a.Bitmap.Canvas(), a.Rect);
  plain->PaintTo(b.Bitmap.Canvas(), b.Rect);
  EXPECT_EQ(BarRow(a.Bitmap, 0), BarRow(b.Bitmap, 0));
  EXPECT_NE(a.Bitmap.Image(), b.Bitmap.Image());
  EXPECT_EQ(test::DecodeOne(a.Bitmap.Image()).Text, "12345");
}

}  // namespace
}  // namespace quorvel
