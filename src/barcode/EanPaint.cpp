// Painting of TCustomEAN: linear symbols and PDF417 rows into a box, with
// text, captions and lines, turned by the control's angle.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "barcode/BarCodeEncoder.h"
#include "barcode/BarRuns.h"
#include "barcode/Ean.h"
#include "barcode/ModuleRows.h"
#include "barcode/Pdf417.h"
#include "barcode/RotatedCanvas.h"
#include "barcode/Stretch.h"
#include "platform/Bitmap.h"
#include "platform/Rounding.h"

namespace quorvel {
namespace {

// Gives the canvas back its pen, brush, font and background mode.
class TCanvasStateScope {
 public:
  explicit TCanvasStateScope(TCanvas& canvas)
      : canvas_(canvas), pen_(canvas.Pen), brush_(canvas.Brush), font_(canvas.Font), mode_(canvas.BackgroundMode()) {}
  ~TCanvasStateScope() {
    canvas_.Pen = pen_;
    canvas_.Brush = brush_;
    canvas_.Font = font_;
    canvas_.SetBackgroundMode(mode_);
  }
  TCanvasStateScope(const TCanvasStateScope&) = delete;
  TCanvasStateScope& operator=(const TCanvasStateScope&) = delete;

 private:
  TCanvas& canvas_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TBackgroundMode mode_;
};

// Characters [from, from + count) of a text, 1-based and clipped to it.
std::string Chars(const std::string& text, size_t from, size_t count) {
  return from <= text.size() ? text.substr(from - 1, count) : std::string();
}

enum class TTextLayout { tlEan13, tlEan8, tlWhole };

TTextLayout TextLayout(TTypBarCode type) {
  switch (type) {
    case TTypBarCode::bcEan13:
    case TTypBarCode::bcJAN13:
    case TTypBarCode::bcISBN: return TTextLayout::tlEan13;
    case TTypBarCode::bcEan8:
    case TTypBarCode::bcJAN8: return TTextLayout::tlEan8;
    default: return TTextLayout::tlWhole;
  }
}

// The part of the text whose width the font is fitted to.
std::string FontSample(TTextLayout layout, const std::string& text) {
  switch (layout) {
    case TTextLayout::tlEan13: return Chars(text, 2, 6);
    case TTextLayout::tlEan8: return Chars(text, 1, 4);
    default: return text;
  }
}

// Shrinks or grows the canvas font so that its sample takes 90 % of a width.
void FitFont(TCanvas& canvas, const std::string& sample, int width) {
  int sampleWidth = canvas.TextWidth(sample);
  if (sampleWidth > 0) canvas.Font.Size = static_cast<int>(0.9 * canvas.Font.Size * width / sampleWidth);
}

}  // namespace

void TCustomEAN::PaintTo(TCanvas& canvas, const TRect& rect) {
  if (barCode_.empty()) return;
  {
    TCanvasStateScope state(canvas);
    TRect box = FitBox(rect, angle_);
    TRotatedCanvas target(canvas, {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2}, angle_);
    if (typBarCode_ == TTypBarCode::bcPDF417) {
      PaintPdf417(target, box);
    } else {
      PaintLinear(target, box);
    }
  }
  if (OnPaint) OnPaint(*this, rect, barCode_);
}

void TCustomEAN::CopyToClipboard(IClipboard& clipboard) {
  TBitmap bitmap(std::max(1, Width()), std::max(1, Height()));
  PaintTo(bitmap.Canvas(), {0, 0, Width(), Height()});
  clipboard.SetBitmap(bitmap);
}

void TCustomEAN::PaintLinear(TRotatedCanvas& target, TRect box) {
  TCanvas& canvas = target.Canvas();
  lastPaintError_ = TLastPaintError::erOK;
  TModuleString symbol = EncodeBarCode(barCode_);
  std::string text = HumanReadableText(typBarCode_, barCode_);
  if (static_cast<int>(symbol.Modules.size()) > box.Width()) {
    symbol = {};
    lastPaintError_ = TLastPaintError::erSmallPaintBox;
  }
  TStretched stretched = StretchModules(symbol.Modules, symbol.Marks, box.Width(), security_);
  if (stretched.OutOfSecurityBox) {
    lastPaintError_ = TLastPaintError::erOutOfSecurityBox;
    return;
  }
  if (stretched.Pixels.empty()) {
    // Invalid or too big for the box: marked on screen, blank on paper.
    if (!canvas.IsPrinter()) {
      canvas.Brush = kInvalidSymbolHatch;
      target.FillRect(box);
    }
    return;
  }
  canvas.Brush = {backgroundColor_, TBrushStyle::bsSolid};
  if (!transparent_) target.FillRect(box);
  paintedModules_ = stretched.Pixels;
  PaintCaption(target, caption_, true, box);
  PaintCaption(target, captionBottom_, false, box);

  canvas.Font = font_;
  canvas.Brush = {linesColor_, TBrushStyle::bsSolid};
  TTextLayout layout = TextLayout(typBarCode_);
  if (fontAutoSize_) FitFont(canvas, FontSample(layout, text), stretched.Marks.LeftEnd - stretched.Marks.LeftStart);
  int textHeight = canvas.TextHeight(text);
  PaintBars(target, box, stretched.Pixels, textHeight);
  if (showLabels_) PaintLabels(target, box, ApplyLabelMask(text, labelMask_), stretched.Marks, textHeight);
  if (horzLines_.LinesCount() > 0) PaintHorzLines(canvas, box);
  lastPaintError_ = TLastPaintError::erOK;
}

void TCustomEAN::PaintCaption(TRotatedCanvas& target, const TBarcodeCaption& caption, bool upper, TRect& box) {
  const std::string& text = caption.Text();
  if (!caption.Visible() || text.empty()) return;
  TCanvas& canvas = target.Canvas();
  int fieldWidth = static_cast<int>(paintedModules_.size());
  canvas.Font = caption.Font();
  if (caption.AutoSize()) FitFont(canvas, text, fieldWidth);
  int textWidth = canvas.TextWidth(text);
  int x = box.Left;
  if (caption.Alignment() == TAlignment::taRightJustify) x = box.Left + fieldWidth - textWidth;
  if (caption.Alignment() == TAlignment::taCenter) x = box.Left + (fieldWidth - textWidth) / 2;

  TTurnedFontScope turned = target.TurnFont();
  int lineHeight = RoundHalfEven(1.2 * canvas.PixelsForPoints(std::abs(canvas.Font.Size)));
  if (upper) {
    target.TextOut(x, box.Top, text);
    box.Top += lineHeight + 1;
  } else {
    target.TextOut(x, box.Bottom - lineHeight, text);
    box.Bottom -= lineHeight + 1;
  }
}

void TCustomEAN::PaintBars(TRotatedCanvas& target, const TRect& box, const std::string& pixels, int textHeight) {
  std::vector<TRect> bars;
  ForEachBarRun(pixels, [&](int first, int end, char last, bool afterAddOn) {
    // Add-on bars make room for their digits above them; guard bars reach
    // down through the text line.
    int top = afterAddOn && ean13AddUp_ ? box.Top + textHeight : box.Top;
    int bottom = box.Bottom;
    if (!(last == '2' && startStopLines_) && showLabels_) bottom -= textHeight;
    bars.push_back({box.Left + first, top, box.Left + end, bottom});
  });
  target.FillRects(bars);
}

void TCustomEAN::PaintLabels(TRotatedCanvas& target, const TRect& box, const std::string& label,
                             const TTextMarks& marks, int textHeight) {
  TCanvas& canvas = target.Canvas();
  TTurnedFontScope turned = target.TurnFont();
  canvas.Brush.Style = TBrushStyle::bsClear;
  int y = box.Bottom - textHeight;
  auto centred = [&](const std::string& field, int start, int end) {
    target.TextOut(box.Left + start + (end - start - canvas.TextWidth(field)) / 2, y, field);
  };
  std::string addOn;
  switch (TextLayout(typBarCode_)) {
    case TTextLayout::tlEan13:
      target.TextOut(box.Left, y, Chars(label, 1, 1));
      centred(Chars(label, 2, 6), marks.LeftStart, marks.LeftEnd);
      centred(Chars(label, 8, 6), marks.RightStart, marks.RightEnd);
      addOn = Chars(label, 15, 5);
      break;
    case TTextLayout::tlEan8:
      centred(Chars(label, 1, 4), marks.LeftStart, marks.LeftEnd);
      centred(Chars(label, 5, 4), marks.RightStart, marks.RightEnd);
      addOn = Chars(label, 10, 5);
      break;
    case TTextLayout::tlWhole:
      centred(label, marks.LeftStart, marks.LeftEnd);
      return;
  }
  target.TextOut(box.Left + marks.AddOnStart, ean13AddUp_ ? box.Top : y, addOn);
}

void TCustomEAN::PaintHorzLines(TCanvas& canvas, const TRect& box) {
  // Not turned with the rest: the lines always run across the box.
  TPen pen = canvas.Pen;
  canvas.Pen = horzLines_.Pen();
  int step = box.Height() / (horzLines_.LinesCount() + 1);
  for (int k = 1; k <= horzLines_.LinesCount(); ++k) {
    canvas.MoveTo(box.Left, box.Top + k * step);
    canvas.LineTo(box.Right, box.Top + k * step);
  }
  canvas.Pen = pen;
}

void TCustomEAN::PaintPdf417(TRotatedCanvas& target, const TRect& box) {
  lastPaintError_ = TLastPaintError::erOK;
  TPdf417Symbol symbol = EncodePdf417(barCode_, pdf417_.Options());
  const std::vector<std::string>& rows = symbol.RowModules;
  if (!rows.empty() && static_cast<int>(rows.front().size()) > box.Width())
    lastPaintError_ = TLastPaintError::erSmallPaintBox;
  if (lastPaintError_ != TLastPaintError::erOK && !pdf417_.PaintIfSmall()) return;

  TCanvas& canvas = target.Canvas();
  canvas.Pen = {linesColor_, 1, TPenStyle::psSolid, TPenMode::pmCopy};
  canvas.Brush = {linesColor_, TBrushStyle::bsSolid};
  PaintModuleRows(target, box, rows, security_);
}

}  // namespace quorvel
