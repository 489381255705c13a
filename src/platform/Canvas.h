#pragma once

#include <QPainter>
#include <optional>
#include <span>
#include <string>

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Geometry.h"

class QImage;

namespace quorvel {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The raster operations of a pen. Only raster surfaces (bitmaps, the
// screen) honour the ones other than pmCopy; pages draw them as pmCopy.
enum class TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

enum class TBackgroundMode { bmTransparent, bmOpaque };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;  // device pixels, never scaled
  TPenStyle Style = TPenStyle::psSolid;
  TPenMode Mode = TPenMode::pmCopy;
  bool operator==(const TPen&) const = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
  bool operator==(const TBrush&) const = default;
};

class TCanvas;

// Selects a turned font on a canvas for one scope; the previous font comes
// back when the scope ends.
class TTurnedFontScope {
 public:
  TTurnedFontScope(TCanvas& canvas, const TLogFont& font);
  ~TTurnedFontScope();
  TTurnedFontScope(const TTurnedFontScope&) = delete;
  TTurnedFontScope& operator=(const TTurnedFontScope&) = delete;

 private:
  TCanvas& canvas_;
  std::optional<TLogFont> previous_;
};

// Draws magnified about the origin while the scope lives: a point (x, y)
// lands at (x * factor, y * factor), pen and font sizes with it. Symbols
// laid out far larger than any page use it, so that they are laid out at a
// bounded size and only magnified onto the page.
class TCanvasMagnifyScope {
 public:
  TCanvasMagnifyScope(TCanvas& canvas, double factor);
  ~TCanvasMagnifyScope();
  TCanvasMagnifyScope(const TCanvasMagnifyScope&) = delete;
  TCanvasMagnifyScope& operator=(const TCanvasMagnifyScope&) = delete;

 private:
  QPainter& painter_;
};

// A drawing surface: the screen, a bitmap, a printer or PDF page.
// Coordinates are integer device pixels, x to the right and y downward.
// Pen, Brush and Font are plain state, applied by every operation.
class TCanvas {
 public:
  TCanvas(QPainter& painter, int pixelsPerInch, bool isPrinter = false);
  virtual ~TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TPen Pen;
  TBrush Brush;
  TFont Font;

  int PixelsPerInch() const { return pixelsPerInch_; }
  bool IsPrinter() const { return isPrinter_; }

  TBackgroundMode BackgroundMode() const { return backgroundMode_; }
  void SetBackgroundMode(TBackgroundMode mode) { backgroundMode_ = mode; }

  // Fills with the brush, no outline.
  void FillRect(const TRect& rect);
  // Outline with the pen, interior with the brush.
  void Rectangle(int x1, int y1, int x2, int y2);
  void MoveTo(int x, int y);
  // Draws with the pen up to, but not including, (x, y).
  void LineTo(int x, int y);
  // Filled with the brush; outlined with the pen unless the pen is clear.
  void Polygon(std::span<const TPoint> points);

  // One line whose cell has its top-left corner at (x, y); with an opaque
  // background (and a brush that is not clear) the cell is first filled with
  // the brush colour. The text colour is the font colour.
  void TextOut(int x, int y, const std::string& text);
  int TextWidth(const std::string& text);
  int TextHeight(const std::string& text);

  // The whole picture scaled into the rectangle (smoothly where possible).
  void StretchDraw(const TRect& rect, const QImage& picture);
  // A plain pixel copy scaled to the rectangle, without smoothing.
  void CopyStretched(const TRect& rect, const QImage& bitmap);

  // Pixel size of a font of the given points on this surface.
  int PixelsForPoints(double points) const;

 protected:
  // The painter to draw with; a bitmap canvas begins its painter lazily.
  virtual QPainter& Painter() { return *painter_; }
  explicit TCanvas(int pixelsPerInch, bool isPrinter);
  void SetPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }

 private:
  friend class TTurnedFontScope;
  friend class TCanvasMagnifyScope;

  QFont CurrentQFont();
  QFontMetricsF Metrics(const QFont& font);
  void ApplyPen(QPainter& painter);
  void ApplyBrush(QPainter& painter);
  void FillSolid(const QRect& rect, TColor color);
  void DrawOutline(int x1, int y1, int x2, int y2);

  QPainter* painter_ = nullptr;
  int pixelsPerInch_;
  bool isPrinter_;
  TBackgroundMode backgroundMode_ = TBackgroundMode::bmOpaque;
  TPoint penPosition_;
  std::optional<TLogFont> turnedFont_;
};

}  // namespace quorvel
