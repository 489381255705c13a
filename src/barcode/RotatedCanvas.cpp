#include "barcode/RotatedCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quorvel {
namespace {

int QuarterTurns(int angle) { return ((angle / 90) % 4 + 4) % 4; }

}  // namespace

TRect FitBox(const TRect& rect, int angle) {
  int cx = (rect.Left + rect.Right) / 2;
  int cy = (rect.Top + rect.Bottom) / 2;
  bool upright = QuarterTurns(angle) % 2 == 1;
  int w = upright ? rect.Height() : rect.Width();
  int h = upright ? rect.Width() : rect.Height();
  return {cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
}

TRotatedCanvas::TRotatedCanvas(TCanvas& canvas, TPoint centre, int angle)
    : canvas_(canvas), centre_(centre), quarterTurns_(QuarterTurns(angle)) {}

TPoint TRotatedCanvas::Rotate(TPoint p) const {
  int dx = p.X - centre_.X;
  int dy = p.Y - centre_.Y;
  // x' = cx + cos A dx + sin A dy, y' = cy - sin A dx + cos A dy
  switch (quarterTurns_) {
    case 1: return {centre_.X + dy, centre_.Y - dx};
    case 2: return {centre_.X - dx, centre_.Y - dy};
    case 3: return {centre_.X - dy, centre_.Y + dx};
    default: return p;
  }
}

void TRotatedCanvas::FillRect(const TRect& rect) { FillRects({&rect, 1}); }

void TRotatedCanvas::FillRects(std::span<const TRect> rects) {
  std::vector<TRect> turned;
  turned.reserve(rects.size());
  for (const TRect& rect : rects) {
    // An upside-down rectangle (bars under a text taller than the box) is
    // empty; turned it would paint outside the box.
    if (rect.Width() <= 0 || rect.Height() <= 0) continue;
    // Quarter turns keep a rectangle upright: a plain fill, no outline.
    TPoint a = Rotate({rect.Left, rect.Top});
    TPoint b = Rotate({rect.Right, rect.Bottom});
    turned.push_back({std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)});
  }
  canvas_.FillRects(turned);
}

TTurnedFontScope TRotatedCanvas::TurnFont() {
  const TFont& font = canvas_.Font;
  TLogFont turned;
  turned.Height = -canvas_.PixelsForPoints(std::abs(font.Size));
  turned.Escapement = quarterTurns_ * 900;
  turned.Weight = font.Style.Has(TFontStyle::fsBold) ? 700 : 400;
  turned.Italic = font.Style.Has(TFontStyle::fsItalic);
  turned.Underline = font.Style.Has(TFontStyle::fsUnderline);
  turned.StrikeOut = font.Style.Has(TFontStyle::fsStrikeOut);
  turned.FaceName = font.Name;
  return TTurnedFontScope(canvas_, turned);
}

void TRotatedCanvas::TextOut(int x, int y, const std::string& text) {
  TPoint at = Rotate({x, y});
  TBackgroundMode mode = canvas_.BackgroundMode();
  canvas_.SetBackgroundMode(TBackgroundMode::bmTransparent);
  canvas_.TextOut(at.X, at.Y, text);
  canvas_.SetBackgroundMode(mode);
}

}  // namespace quorvel
