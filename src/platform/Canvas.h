#pragma once

#include <QPainter>
#include <memory>
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

// How a symbol that cannot be drawn is marked wherever it is not printed:
// red diagonal cross-hatch, the gaps keeping what lies beneath.
inline constexpr TBrush kInvalidSymbolHatch{RGB(255, 0, 0), TBrushStyle::bsDiagCross};

class TCanvas;
class TTextCache;
struct TFontRequest;
struct TShapedText;

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
// Pen, Brush and Font are plain state, applied by every operation; the
// painter underneath is told only what changes, so a page does not record
// the same state again and again. Texts are shaped once per text and font
// and drawn from their glyphs after that.
class TCanvas {
 public:
  TCanvas(QPainter& painter, int pixelsPerInch, bool isPrinter = false);
  virtual ~TCanvas();
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
  // The same for many rectangles at once, such as the bars of one symbol.
  void FillRects(std::span<const TRect> rects);
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
  // A plain pixel copy scaled to the rectangle, without smoothing or loss.
  void CopyStretched(const TRect& rect, const QImage& bitmap);
  // A 2D symbol of one pixel per module (a 1-bit image, index 0 dark)
  // scaled into the rectangle, each module the same whole pixels. Pages get
  // it as an image only where each module covers at least four pixels:
  // rasterisers smooth images enlarged less than that (poppler does), which
  // moves module edges by a pixel. Smaller modules become filled rectangles,
  // which every rasteriser places exactly.
  void DrawModules(const TRect& rect, const QImage& modules);

  // Pixel size of a font of the given points on this surface.
  int PixelsForPoints(double points) const;

 protected:
  // The painter to draw with; a bitmap canvas begins its painter lazily.
  virtual QPainter& Painter() { return *painter_; }
  explicit TCanvas(int pixelsPerInch, bool isPrinter);
  // Also forgets the texts shaped at the old resolution.
  void SetPixelsPerInch(int pixelsPerInch);

 private:
  friend class TTurnedFontScope;
  friend class TCanvasMagnifyScope;

  TFontRequest CurrentFont() const;
  const TShapedText& Shaped(const std::string& text);
  int FontHeight();
  void ApplyPen(QPainter& painter);
  void ApplyBrush(QPainter& painter);
  // Solid fills: no pen, the brush of that colour, each only if not set.
  void UseFill(QPainter& painter, const QBrush& brush);
  void FillSolid(const QRect& rect, TColor color);
  void FillModuleRuns(const TRect& rect, const QImage& modules);
  void DrawOutline(int x1, int y1, int x2, int y2);

  QPainter* painter_ = nullptr;
  int pixelsPerInch_;
  bool isPrinter_;
  TBackgroundMode backgroundMode_ = TBackgroundMode::bmOpaque;
  TPoint penPosition_;
  std::optional<TLogFont> turnedFont_;
  std::unique_ptr<TTextCache> texts_;
};

}  // namespace quorvel
