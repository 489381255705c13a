#include "print/LabelRenderer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/Canvas.h"
#include "platform/ImageControl.h"
#include "platform/Rounding.h"
#include "platform/TextRotOut.h"
#include "qrcode/Barcode2D_QRCode.h"

namespace quorvel {
namespace {

// An object's rectangle in target pixels.
struct TTargetRect {
  int X1, Y1, X2, Y2;
};

class TLabelPainter {
 public:
  TLabelPainter(TCanvas& target, double originX, double originY, TScale scale)
      : target_(target), scale_(scale), x0_(RoundHalfEven(originX * scale.X)), y0_(RoundHalfEven(originY * scale.Y)) {}

  void Draw(TLabelObject& object) {
    switch (object.Kind()) {
      case TObjectKind::okBox: return DrawBox(object);
      case TObjectKind::okHLine: return DrawLine(object, true);
      case TObjectKind::okVLine: return DrawLine(object, false);
      case TObjectKind::okText: return DrawText(object);
      case TObjectKind::okVerticalText: return DrawVerticalText(object);
      case TObjectKind::okPicture: return DrawPicture(object);
      case TObjectKind::okQrCode: return DrawQrCode(object);
      case TObjectKind::okBarcode: return DrawBarcode(object);
    }
  }

 private:
  // Every kind but the box rounds each scaled term before adding it. Adding
  // whole numbers in double keeps that rounding; the sum is then held within
  // a range far beyond any page, so that objects at the ends of the number
  // range leave headroom for the canvas's own arithmetic.
  TTargetRect RoundedTerms(const TLabelObject& o) const {
    double x1 = x0_ + std::nearbyint(o.Left * scale_.X / 10);
    double y1 = y0_ + std::nearbyint(o.Top * scale_.Y / 10);
    double x2 = x1 + std::nearbyint(o.Width * scale_.X / 10);
    double y2 = y1 + std::nearbyint(o.Height * scale_.Y / 10);
    return {FarClamped(x1), FarClamped(y1), FarClamped(x2), FarClamped(y2)};
  }

  static int FarClamped(double pixel) {
    constexpr double kFar = 1 << 29;
    return static_cast<int>(std::clamp(pixel, -kFar, kFar));
  }

  // "Strichstärke" is in tenths of a millimetre, scaled across the stroke.
  void SetSolidPen(const TLabelObject& o, double pixelsPerMm) {
    target_.Pen = {o.PenColor, PenWidthPixels(o.PenWidth, pixelsPerMm), TPenStyle::psSolid, TPenMode::pmCopy};
  }

  // A box adds its terms unrounded and rounds only its corners.
  void DrawBox(const TLabelObject& o) {
    double x1 = x0_ + o.Left * scale_.X / 10;
    double y1 = y0_ + o.Top * scale_.Y / 10;
    double x2 = x1 + o.Width * scale_.X / 10;
    double y2 = y1 + o.Height * scale_.Y / 10;
    SetSolidPen(o, (scale_.X + scale_.Y) / 2);
    target_.Brush = {o.BrushColor, TBrushStyle::bsSolid};
    target_.Rectangle(RoundHalfEven(x1), RoundHalfEven(y1), RoundHalfEven(x2), RoundHalfEven(y2));
  }

  // The thickness is the pen width; the other extent plays no part.
  void DrawLine(const TLabelObject& o, bool horizontal) {
    TTargetRect r = RoundedTerms(o);
    SetSolidPen(o, horizontal ? scale_.Y : scale_.X);
    target_.MoveTo(r.X1, r.Y1);
    if (horizontal)
      target_.LineTo(r.X2, r.Y1);
    else
      target_.LineTo(r.X1, r.Y2);
  }

  // Fonts keep their point size at the target's resolution; no clipping,
  // no wrapping, no scaling to the object's box.
  void DrawText(const TLabelObject& o) {
    TTargetRect r = RoundedTerms(o);
    target_.Font = o.Font();
    target_.Brush = {o.BackColor, TBrushStyle::bsSolid};
    target_.SetBackgroundMode(TBackgroundMode::bmOpaque);
    target_.TextOut(r.X1, r.Y1, o.Text);
  }

  // The text runs from a start point 1.2 text widths below the top.
  void DrawVerticalText(const TLabelObject& o) {
    if (o.Text.empty()) return;
    TTargetRect r = RoundedTerms(o);
    target_.Font = o.Font();
    int dy = RoundHalfEven(target_.TextWidth(o.Text) * 1.2);
    int height = RoundHalfEven(static_cast<double>(o.FontSize * target_.PixelsPerInch()) / 72 * 1.1);
    TextRotOut(target_, r.X1, r.Y1 + dy, o.Angle, o.FontName, height, o.Font().Style, o.Text);
  }

  void DrawPicture(TLabelObject& o) {
    const TPicture& picture = o.Image().Picture();
    if (picture.Empty()) return;
    TTargetRect r = RoundedTerms(o);
    target_.StretchDraw({r.X1, r.Y1, r.X2, r.Y2}, picture.Image());
  }

  // Drawn from its modules at the target's resolution, not from the design
  // surface's picture. A text the symbol cannot hold prints nothing and is
  // marked elsewhere, as an invalid barcode is.
  void DrawQrCode(TLabelObject& o) {
    TTargetRect r = RoundedTerms(o);
    TRect box{r.X1, r.Y1, r.X2, r.Y2};
    if (const QImage* modules = o.QrEncoder().ModuleImage()) {
      target_.DrawModules(WholeModuleRect(box, modules->width(), modules->height()), *modules);
    } else if (!target_.IsPrinter()) {
      target_.Brush = kInvalidSymbolHatch;
      target_.FillRect(box);
    }
  }

  // A symbol's layout holds a value per pixel of its box. A box far larger
  // than any page is laid out at a bounded size and drawn magnified, so no
  // allocation grows with it and the page shows the same part of it.
  void DrawBarcode(TLabelObject& o) {
    TEan& barcode = o.Barcode();
    barcode.SetDisableEditor(true);
    double x1 = x0_ + o.Left * scale_.X / 10, y1 = y0_ + o.Top * scale_.Y / 10;
    double width = o.Width * scale_.X / 10, height = o.Height * scale_.Y / 10;
    double extent = std::max({std::abs(x1), std::abs(y1), std::abs(x1 + width), std::abs(y1 + height)});
    if (extent <= kMaxSymbolPixels) {
      TTargetRect r = RoundedTerms(o);
      barcode.PaintTo(target_, {r.X1, r.Y1, r.X2, r.Y2});
      return;
    }
    double shrink = kMaxSymbolPixels / extent;
    TCanvasMagnifyScope magnified(target_, 1 / shrink);
    int left = RoundHalfEven(x1 * shrink), top = RoundHalfEven(y1 * shrink);
    barcode.PaintTo(target_, {left, top, left + RoundHalfEven(width * shrink), top + RoundHalfEven(height * shrink)});
  }

  static constexpr double kMaxSymbolPixels = 1 << 16;

  TCanvas& target_;
  TScale scale_;
  int x0_;
  int y0_;
};

// The passes after the boxes, in drawing order; pictures and QR Codes share one.
constexpr std::pair<TObjectKind, TObjectKind> kPasses[] = {
    {TObjectKind::okHLine, TObjectKind::okHLine},
    {TObjectKind::okVLine, TObjectKind::okVLine},
    {TObjectKind::okText, TObjectKind::okText},
    {TObjectKind::okVerticalText, TObjectKind::okVerticalText},
    {TObjectKind::okPicture, TObjectKind::okQrCode},
    {TObjectKind::okBarcode, TObjectKind::okBarcode},
};

}  // namespace

int PenWidthPixels(int tenthsOfMm, double pixelsPerMm) { return std::max(1, RoundHalfEven(tenthsOfMm * pixelsPerMm / 10)); }

TRect WholeModuleRect(const TRect& box, int columns, int rows) {
  // One axis at a time: a symbol stretched to a box that is not square
  // keeps the shape it has on the design surface.
  auto fit = [](int start, int extent, int modules, int& first, int& end) {
    int perModule = modules > 0 ? extent / modules : 0;
    int used = perModule > 0 ? perModule * modules : extent;
    first = start + (extent - used) / 2;
    end = first + used;
  };
  TRect rect;
  fit(box.Left, box.Width(), columns, rect.Left, rect.Right);
  fit(box.Top, box.Height(), rows, rect.Top, rect.Bottom);
  return rect;
}

void sortiere_sortarry(TLabelDocument& document) {
  std::vector<int>& order = document.BoxOrder;
  auto area = [&](int slot) {
    const TLabelObject& o = document.Object(slot);
    return static_cast<double>(static_cast<int>(static_cast<unsigned>(o.Width) * static_cast<unsigned>(o.Height)));
  };
  for (std::size_t pass = 0; pass < order.size(); ++pass)
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
      if (area(order[i]) < area(order[i + 1])) std::swap(order[i], order[i + 1]);
}

void ausgabe_etikett(TLabelDocument& document, TCanvas& target, double originX, double originY, TScale scale) {
  TLabelPainter painter(target, originX, originY, scale);
  document.BoxOrder.clear();
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    const TLabelObject& o = document.Object(slot);
    if (!o.Deleted && o.Kind() == TObjectKind::okBox) document.BoxOrder.push_back(slot);
  }
  sortiere_sortarry(document);
  for (int slot : document.BoxOrder) painter.Draw(document.Object(slot));
  for (auto [first, second] : kPasses)
    for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
      TLabelObject& o = document.Object(slot);
      if (!o.Deleted && (o.Kind() == first || o.Kind() == second)) painter.Draw(o);
    }
}

}  // namespace quorvel
