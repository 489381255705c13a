#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPolygon>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "platform/Rounding.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

Qt::PenStyle ToQtPenStyle(TPenStyle style) {
  switch (style) {
    case TPenStyle::psDash: return Qt::DashLine;
    case TPenStyle::psDot: return Qt::DotLine;
    case TPenStyle::psDashDot: return Qt::DashDotLine;
    case TPenStyle::psDashDotDot: return Qt::DashDotDotLine;
    case TPenStyle::psClear: return Qt::NoPen;
    case TPenStyle::psSolid:
    case TPenStyle::psInsideFrame: return Qt::SolidLine;
  }
  return Qt::SolidLine;
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style) {
  switch (style) {
    case TBrushStyle::bsSolid: return Qt::SolidPattern;
    case TBrushStyle::bsClear: return Qt::NoBrush;
    case TBrushStyle::bsHorizontal: return Qt::HorPattern;
    case TBrushStyle::bsVertical: return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal: return Qt::FDiagPattern;
    case TBrushStyle::bsBDiagonal: return Qt::BDiagPattern;
    case TBrushStyle::bsCross: return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

QPainter::CompositionMode ToCompositionMode(TPenMode mode) {
  switch (mode) {
    case TPenMode::pmNot: return QPainter::RasterOp_NotDestination;
    case TPenMode::pmNotCopy: return QPainter::RasterOp_NotSource;
    case TPenMode::pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case TPenMode::pmMask: return QPainter::RasterOp_SourceAndDestination;
    case TPenMode::pmXor: return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case TPenMode::pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case TPenMode::pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case TPenMode::pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case TPenMode::pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case TPenMode::pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case TPenMode::pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

bool IsRasterDevice(const QPainter& painter) {
  return painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

// Applies the pen's raster operation for the lifetime of the object; the
// usual copy changes nothing.
class TPenModeScope {
 public:
  TPenModeScope(QPainter& painter, TPenMode mode)
      : painter_(painter), active_(mode != TPenMode::pmCopy && IsRasterDevice(painter)) {
    if (active_) painter.setCompositionMode(ToCompositionMode(mode));
  }
  ~TPenModeScope() {
    if (active_) painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }

 private:
  QPainter& painter_;
  bool active_;
};

// First pixel of a pen band of the given width centred on a 1-pixel line.
int BandStart(int line, int width) { return line - (width - 1) / 2; }

// The pen's width in pixels: at least 1, and capped far beyond any page so
// that a hostile width cannot overflow the band arithmetic.
int PenPixels(const TPen& pen) {
  constexpr int kMaxPenWidth = 100000;
  return std::clamp(pen.Width, 1, kMaxPenWidth);
}

}  // namespace

// The font a canvas draws with: what its TFont or turned font asks for, in
// pixels at the canvas's resolution.
struct TFontRequest {
  std::string Face;
  int Pixels = 1;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  std::string Key() const {
    return Face + '\x1f' + std::to_string(Pixels) + static_cast<char>('0' + Bold + 2 * Italic + 4 * Underline + 8 * StrikeOut);
  }

  QFont ToQFont() const {
    QFont font;
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    font.setFamily(ToQString(Face));
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    font.setStrikeOut(StrikeOut);
    font.setPixelSize(std::clamp(Pixels, 1, 100000));
    return font;
  }
};

// A text shaped in one font at the surface's resolution, kept laid out so
// that drawing it shapes nothing again.
struct TShapedText {
  double Advance = 0;
  std::unique_ptr<QTextLayout> Layout;
};

// The texts a canvas has shaped, by font and text, and the fonts' heights.
// Bounded, so that a long series of distinct texts keeps flat memory.
class TTextCache {
 public:
  const TShapedText& Shaped(const TFontRequest& font, const std::string& text, QPaintDevice* device) {
    std::string key = font.Key() + '\n' + text;
    auto found = texts_.find(key);
    if (found != texts_.end()) return found->second;
    if (texts_.size() >= kMaxTexts) texts_.clear();
    return texts_.emplace(std::move(key), Shape(FontOf(font).Font, text, device)).first->second;
  }

  // Ascent plus descent.
  double Height(const TFontRequest& font, QPaintDevice* device) {
    TKnownFont& known = FontOf(font);
    if (known.Height < 0) {
      QFontMetricsF metrics(known.Font, device);
      known.Height = metrics.ascent() + metrics.descent();
    }
    return known.Height;
  }

 private:
  static constexpr std::size_t kMaxTexts = 256;

  struct TKnownFont {
    QFont Font;
    double Height = -1;  // not measured yet
  };

  TKnownFont& FontOf(const TFontRequest& request) {
    std::string key = request.Key();
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    if (fonts_.size() >= kMaxTexts) fonts_.clear();
    return fonts_.emplace(std::move(key), TKnownFont{request.ToQFont()}).first->second;
  }

  static TShapedText Shape(const QFont& font, const std::string& text, QPaintDevice* device) {
    TShapedText shaped;
    shaped.Layout = std::make_unique<QTextLayout>(ToQString(text), font, device);
    shaped.Layout->setCacheEnabled(true);
    shaped.Layout->beginLayout();
    QTextLine line = shaped.Layout->createLine();
    shaped.Layout->endLayout();
    shaped.Advance = line.isValid() ? line.horizontalAdvance() : 0.0;
    return shaped;
  }

  std::unordered_map<std::string, TShapedText> texts_;
  std::unordered_map<std::string, TKnownFont> fonts_;
};

TTurnedFontScope::TTurnedFontScope(TCanvas& canvas, const TLogFont& font)
    : canvas_(canvas), previous_(canvas.turnedFont_) {
  canvas_.turnedFont_ = font;
}

TTurnedFontScope::~TTurnedFontScope() { canvas_.turnedFont_ = previous_; }

TCanvasMagnifyScope::TCanvasMagnifyScope(TCanvas& canvas, double factor) : painter_(canvas.Painter()) {
  painter_.save();
  painter_.scale(factor, factor);
}

TCanvasMagnifyScope::~TCanvasMagnifyScope() { painter_.restore(); }

TCanvas::TCanvas(QPainter& painter, int pixelsPerInch, bool isPrinter)
    : painter_(&painter), pixelsPerInch_(pixelsPerInch), isPrinter_(isPrinter), texts_(std::make_unique<TTextCache>()) {}

TCanvas::TCanvas(int pixelsPerInch, bool isPrinter)
    : pixelsPerInch_(pixelsPerInch), isPrinter_(isPrinter), texts_(std::make_unique<TTextCache>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetPixelsPerInch(int pixelsPerInch) {
  pixelsPerInch_ = pixelsPerInch;
  texts_ = std::make_unique<TTextCache>();
}

int TCanvas::PixelsForPoints(double points) const { return RoundHalfEven(points * pixelsPerInch_ / 72.0); }

TFontRequest TCanvas::CurrentFont() const {
  if (!turnedFont_)
    return {Font.Name, PixelsForPoints(std::abs(Font.Size)), Font.Style.Has(TFontStyle::fsBold),
            Font.Style.Has(TFontStyle::fsItalic), Font.Style.Has(TFontStyle::fsUnderline),
            Font.Style.Has(TFontStyle::fsStrikeOut)};
  const TLogFont& lf = *turnedFont_;
  TFontRequest request{lf.FaceName, PixelsForPoints(Font.Size), lf.Weight >= 600, lf.Italic, lf.Underline, lf.StrikeOut};
  if (lf.Height < 0) {
    request.Pixels = -lf.Height;
  } else if (lf.Height > 0) {
    // A cell height: scale a reference size by the face's cell-to-em ratio.
    constexpr int kReference = 1000;
    request.Pixels = kReference;
    QFontMetricsF reference(request.ToQFont());
    double cell = reference.ascent() + reference.descent();
    request.Pixels = cell > 0 ? RoundHalfEven(lf.Height * kReference / cell) : lf.Height;
  }
  return request;
}

const TShapedText& TCanvas::Shaped(const std::string& text) {
  return texts_->Shaped(CurrentFont(), text, Painter().device());
}

int TCanvas::FontHeight() { return static_cast<int>(std::ceil(texts_->Height(CurrentFont(), Painter().device()))); }

void TCanvas::ApplyPen(QPainter& painter) {
  if (Pen.Style == TPenStyle::psClear) {
    painter.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(Pen.Color), PenPixels(Pen), ToQtPenStyle(Pen.Style), Qt::FlatCap, Qt::MiterJoin);
  painter.setPen(pen);
}

void TCanvas::ApplyBrush(QPainter& painter) {
  QBrush brush(ToQColor(Brush.Color), ToQtBrushStyle(Brush.Style));
  if (painter.brush() != brush) painter.setBrush(brush);
  // Hatches paint only their lines; the gaps keep what lies beneath.
  if (painter.backgroundMode() != Qt::TransparentMode) painter.setBackgroundMode(Qt::TransparentMode);
}

void TCanvas::UseFill(QPainter& painter, const QBrush& brush) {
  if (painter.pen().style() != Qt::NoPen) painter.setPen(Qt::NoPen);
  if (painter.brush() != brush) painter.setBrush(brush);
}

void TCanvas::FillSolid(const QRect& rect, TColor color) {
  QPainter& painter = Painter();
  UseFill(painter, QBrush(ToQColor(color)));
  TPenModeScope mode(painter, Pen.Mode);
  painter.drawRect(rect);
}

void TCanvas::FillRect(const TRect& rect) { FillRects({&rect, 1}); }

// The state is set once; each rectangle is still a path of its own, since
// rasterisers without anti-aliasing (poppler's) widen a path of many
// rectangles by a pixel on their right and lower edges.
void TCanvas::FillRects(std::span<const TRect> rects) {
  if (Brush.Style == TBrushStyle::bsClear) return;
  QPainter& painter = Painter();
  ApplyBrush(painter);
  if (painter.pen().style() != Qt::NoPen) painter.setPen(Qt::NoPen);
  for (const TRect& r : rects)
    if (r.Width() > 0 && r.Height() > 0) painter.drawRect(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  FillRect({x1, y1, x2, y2});
  if (Pen.Style != TPenStyle::psClear) DrawOutline(x1, y1, x2, y2);
}

void TCanvas::DrawOutline(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  int w = PenPixels(Pen);
  if (Pen.Style != TPenStyle::psSolid && Pen.Style != TPenStyle::psInsideFrame) {
    QPainter& painter = Painter();
    ApplyPen(painter);
    painter.setBrush(Qt::NoBrush);
    TPenModeScope mode(painter, Pen.Mode);
    painter.drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    return;
  }
  // Solid outlines as four bands, so a pen of width w covers exactly w pixels.
  bool inside = Pen.Style == TPenStyle::psInsideFrame;
  int left = inside ? x1 : BandStart(x1, w);
  int top = inside ? y1 : BandStart(y1, w);
  int right = inside ? x2 : BandStart(x2 - 1, w) + w;
  int bottom = inside ? y2 : BandStart(y2 - 1, w) + w;
  if (right - left <= 2 * w || bottom - top <= 2 * w) {
    FillSolid(QRect(left, top, right - left, bottom - top), Pen.Color);
    return;
  }
  FillSolid(QRect(left, top, right - left, w), Pen.Color);
  FillSolid(QRect(left, bottom - w, right - left, w), Pen.Color);
  FillSolid(QRect(left, top + w, w, bottom - top - 2 * w), Pen.Color);
  FillSolid(QRect(right - w, top + w, w, bottom - top - 2 * w), Pen.Color);
}

void TCanvas::MoveTo(int x, int y) { penPosition_ = {x, y}; }

void TCanvas::LineTo(int x, int y) {
  TPoint from = penPosition_;
  penPosition_ = {x, y};
  if (Pen.Style == TPenStyle::psClear || from == penPosition_) return;
  int w = PenPixels(Pen);
  bool solid = Pen.Style == TPenStyle::psSolid || Pen.Style == TPenStyle::psInsideFrame;
  if (solid && from.Y == y) {
    int first = x > from.X ? from.X : x + 1;
    FillSolid(QRect(first, BandStart(y, w), std::abs(x - from.X), w), Pen.Color);
    return;
  }
  if (solid && from.X == x) {
    int first = y > from.Y ? from.Y : y + 1;
    FillSolid(QRect(BandStart(x, w), first, w, std::abs(y - from.Y)), Pen.Color);
    return;
  }
  QPainter& painter = Painter();
  ApplyPen(painter);
  TPenModeScope mode(painter, Pen.Mode);
  painter.drawLine(QPointF(from.X + 0.5, from.Y + 0.5), QPointF(x + 0.5, y + 0.5));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  QPolygon polygon;
  for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
  QPainter& painter = Painter();
  ApplyPen(painter);
  ApplyBrush(painter);
  TPenModeScope mode(painter, Pen.Mode);
  painter.drawPolygon(polygon);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  QPainter& painter = Painter();
  const TShapedText& shaped = Shaped(text);
  double angle = turnedFont_ ? turnedFont_->Escapement / 10.0 : 0.0;
  // Only a turned text needs a transformation, and with it the painter's
  // state saved around it.
  bool turned = angle != 0;
  if (turned) {
    painter.save();
    painter.translate(x, y);
    painter.rotate(-angle);
  }
  QPointF origin = turned ? QPointF(0, 0) : QPointF(x, y);
  if (backgroundMode_ == TBackgroundMode::bmOpaque && Brush.Style != TBrushStyle::bsClear) {
    UseFill(painter, QBrush(ToQColor(Brush.Color)));
    painter.drawRect(QRectF(origin, QSizeF(std::ceil(shaped.Advance), FontHeight())));
  }
  QPen ink(ToQColor(Font.Color));
  if (painter.pen() != ink) painter.setPen(ink);
  shaped.Layout->draw(&painter, origin);
  if (turned) painter.restore();
}

int TCanvas::TextWidth(const std::string& text) { return static_cast<int>(std::ceil(Shaped(text).Advance)); }

// Every text of a font has the font's height.
int TCanvas::TextHeight(const std::string&) { return FontHeight(); }

void TCanvas::StretchDraw(const TRect& rect, const QImage& picture) {
  if (rect.Width() <= 0 || rect.Height() <= 0 || picture.isNull()) return;
  QPainter& painter = Painter();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), picture);
  painter.restore();
}

// On a page the image goes in as it is, losslessly and marked as not to be
// interpolated, so viewers and printers keep the modules as sharp as a
// bitmap does. A 1-bit image with black at index 0 stays a 1-bit image.
void TCanvas::CopyStretched(const TRect& rect, const QImage& bitmap) {
  if (rect.Width() <= 0 || rect.Height() <= 0 || bitmap.isNull()) return;
  QPainter& painter = Painter();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), bitmap);
  painter.restore();
}

void TCanvas::DrawModules(const TRect& rect, const QImage& modules) {
  if (rect.Width() <= 0 || rect.Height() <= 0 || modules.isNull()) return;
  constexpr int kSharpImageModule = 4;
  bool small = rect.Width() < kSharpImageModule * modules.width() || rect.Height() < kSharpImageModule * modules.height();
  if (isPrinter_ && small && modules.format() == QImage::Format_Mono)
    FillModuleRuns(rect, modules);
  else
    CopyStretched(rect, modules);
}

// One rectangle per run of dark modules in a row, with the state set once.
void TCanvas::FillModuleRuns(const TRect& rect, const QImage& modules) {
  int columns = modules.width(), rows = modules.height();
  auto x = [&](int column) { return rect.Left + static_cast<int>(static_cast<long long>(rect.Width()) * column / columns); };
  auto y = [&](int row) { return rect.Top + static_cast<int>(static_cast<long long>(rect.Height()) * row / rows); };
  std::vector<TRect> runs;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns;) {
      if (modules.pixelIndex(column, row) != 0) {
        ++column;
        continue;
      }
      int end = column;
      while (end < columns && modules.pixelIndex(end, row) == 0) ++end;
      runs.push_back({x(column), y(row), x(end), y(row + 1)});
      column = end;
    }
  }
  TBrush brush = Brush;
  Brush = {FromQColor(QColor::fromRgb(modules.color(0))), TBrushStyle::bsSolid};
  FillRects(runs);
  Brush = brush;
}

}  // namespace quorvel
