#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "platform/Rounding.h"
#include "platform/TextCodec.h"

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

// Applies the pen's raster operation for the lifetime of the object.
class TPenModeScope {
 public:
  TPenModeScope(QPainter& painter, TPenMode mode) : painter_(painter) {
    if (mode != TPenMode::pmCopy && IsRasterDevice(painter)) painter.setCompositionMode(ToCompositionMode(mode));
  }
  ~TPenModeScope() { painter_.setCompositionMode(QPainter::CompositionMode_SourceOver); }

 private:
  QPainter& painter_;
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
    : painter_(&painter), pixelsPerInch_(pixelsPerInch), isPrinter_(isPrinter) {}

TCanvas::TCanvas(int pixelsPerInch, bool isPrinter) : pixelsPerInch_(pixelsPerInch), isPrinter_(isPrinter) {}

int TCanvas::PixelsForPoints(double points) const { return RoundHalfEven(points * pixelsPerInch_ / 72.0); }

QFont TCanvas::CurrentQFont() {
  QFont font;
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferOutline);
  int pixels = 0;
  if (turnedFont_) {
    const TLogFont& lf = *turnedFont_;
    font.setFamily(ToQString(lf.FaceName));
    font.setBold(lf.Weight >= 600);
    font.setItalic(lf.Italic);
    font.setUnderline(lf.Underline);
    font.setStrikeOut(lf.StrikeOut);
    if (lf.Height < 0) {
      pixels = -lf.Height;
    } else if (lf.Height > 0) {
      // A cell height: scale a reference size by the face's cell-to-em ratio.
      constexpr int kReference = 1000;
      font.setPixelSize(kReference);
      QFontMetricsF reference(font);
      double cell = reference.ascent() + reference.descent();
      pixels = cell > 0 ? RoundHalfEven(lf.Height * kReference / cell) : lf.Height;
    } else {
      pixels = PixelsForPoints(Font.Size);
    }
  } else {
    font.setFamily(ToQString(Font.Name));
    font.setBold(Font.Style.Has(TFontStyle::fsBold));
    font.setItalic(Font.Style.Has(TFontStyle::fsItalic));
    font.setUnderline(Font.Style.Has(TFontStyle::fsUnderline));
    font.setStrikeOut(Font.Style.Has(TFontStyle::fsStrikeOut));
    pixels = PixelsForPoints(std::abs(Font.Size));
  }
  font.setPixelSize(std::clamp(pixels, 1, 100000));
  return font;
}

QFontMetricsF TCanvas::Metrics(const QFont& font) { return QFontMetricsF(font, Painter().device()); }

void TCanvas::ApplyPen(QPainter& painter) {
  if (Pen.Style == TPenStyle::psClear) {
    painter.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(Pen.Color), PenPixels(Pen), ToQtPenStyle(Pen.Style), Qt::FlatCap, Qt::MiterJoin);
  painter.setPen(pen);
}

void TCanvas::ApplyBrush(QPainter& painter) {
  painter.setBrush(QBrush(ToQColor(Brush.Color), ToQtBrushStyle(Brush.Style)));
  // Hatches paint only their lines; the gaps keep what lies beneath.
  painter.setBackgroundMode(Qt::TransparentMode);
}

void TCanvas::FillSolid(const QRect& rect, TColor color) {
  QPainter& painter = Painter();
  TPenModeScope mode(painter, Pen.Mode);
  painter.fillRect(rect, ToQColor(color));
}

void TCanvas::FillRect(const TRect& rect) {
  if (Brush.Style == TBrushStyle::bsClear || rect.Width() <= 0 || rect.Height() <= 0) return;
  QPainter& painter = Painter();
  ApplyBrush(painter);
  painter.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), painter.brush());
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
  QFont font = CurrentQFont();
  QFontMetricsF metrics = Metrics(font);
  QString qtext = ToQString(text);
  double angle = turnedFont_ ? turnedFont_->Escapement / 10.0 : 0.0;
  painter.save();
  painter.translate(x, y);
  painter.rotate(-angle);
  if (backgroundMode_ == TBackgroundMode::bmOpaque && Brush.Style != TBrushStyle::bsClear) {
    QRectF cell(0, 0, std::ceil(metrics.horizontalAdvance(qtext)), std::ceil(metrics.ascent() + metrics.descent()));
    painter.fillRect(cell, ToQColor(Brush.Color));
  }
  painter.setFont(font);
  painter.setPen(ToQColor(Font.Color));
  painter.drawText(QPointF(0, metrics.ascent()), qtext);
  painter.restore();
}

int TCanvas::TextWidth(const std::string& text) {
  return static_cast<int>(std::ceil(Metrics(CurrentQFont()).horizontalAdvance(ToQString(text))));
}

int TCanvas::TextHeight(const std::string& text) {
  QFontMetricsF metrics = Metrics(CurrentQFont());
  return static_cast<int>(std::ceil(metrics.ascent() + metrics.descent()));
}

void TCanvas::StretchDraw(const TRect& rect, const QImage& picture) {
  if (rect.Width() <= 0 || rect.Height() <= 0 || picture.isNull()) return;
  QPainter& painter = Painter();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), picture);
  painter.restore();
}

// On a page the image goes in as it is, marked as not to be interpolated,
// so viewers and printers keep the modules as sharp as a bitmap does.
void TCanvas::CopyStretched(const TRect& rect, const QImage& bitmap) {
  if (rect.Width() <= 0 || rect.Height() <= 0 || bitmap.isNull()) return;
  QPainter& painter = Painter();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), bitmap);
  painter.restore();
}

}  // namespace quorvel
