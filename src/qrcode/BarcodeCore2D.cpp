#include "qrcode/BarcodeCore2D.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "platform/Canvas.h"
#include "platform/Rounding.h"

namespace quorvel {
namespace {

// A handler that maps a real error to 0 must not let bad data through; the
// error is then reported at a position outside the text.
constexpr int kUnmappedPosition = -3;

// Restores the canvas's brush, pen and background mode on every path.
class TCanvasStateScope {
 public:
  explicit TCanvasStateScope(TCanvas& canvas)
      : canvas_(canvas), brush_(canvas.Brush), pen_(canvas.Pen), mode_(canvas.BackgroundMode()) {}
  ~TCanvasStateScope() {
    canvas_.Brush = brush_;
    canvas_.Pen = pen_;
    canvas_.SetBackgroundMode(mode_);
  }
  TCanvasStateScope(const TCanvasStateScope&) = delete;
  TCanvasStateScope& operator=(const TCanvasStateScope&) = delete;

 private:
  TCanvas& canvas_;
  TBrush brush_;
  TPen pen_;
  TBackgroundMode mode_;
};

bool IsQuarterTurn(const TCoreWorkArea& wa) { return wa.Args.Angle % 90 == 0 && wa.ResolutionRatio == 1.0; }

}  // namespace

int OrientationAngle(TBarcodeOrientation orientation) {
  switch (orientation) {
    case TBarcodeOrientation::boRightLeft: return 180;
    case TBarcodeOrientation::boTopBottom: return 270;
    case TBarcodeOrientation::boBottomTop: return 90;
    case TBarcodeOrientation::boLeftRight: break;
  }
  return 0;
}

bool IsVertical(TBarcodeOrientation orientation) {
  return orientation == TBarcodeOrientation::boTopBottom || orientation == TBarcodeOrientation::boBottomTop;
}

TBarcodeCore2D::~TBarcodeCore2D() = default;

const TCoreWorkArea& TBarcodeCore2D::WorkArea() { return LongLivedWorkArea(); }

TCoreWorkArea& TBarcodeCore2D::LongLivedWorkArea() {
  // Made on first use: the concrete class's extension needs its virtual
  // operations, which a base constructor cannot reach.
  if (!workArea_) workArea_ = CreateWorkArea();
  return *workArea_;
}

void TBarcodeCore2D::ClearStages(unsigned flags) {
  if (workArea_) workArea_->Clear(flags);
}

std::unique_ptr<TCoreWorkArea> TBarcodeCore2D::CreateWorkArea() {
  auto workArea = std::make_unique<TCoreWorkArea>();
  workArea->InvalidPos = -1;
  ExtendWorkArea(*workArea);
  return workArea;
}

void TBarcodeCore2D::ExtendWorkArea(TCoreWorkArea&) {}

void TBarcodeCore2D::InitWorkArea(TCoreWorkArea& wa, const std::string& barcode, const TDrawArguments& arguments) {
  wa.Args = arguments;
  int canvasResolution = arguments.Canvas ? arguments.Canvas->PixelsPerInch() : 1;
  wa.ResolutionX = arguments.ResolutionX > 0 ? arguments.ResolutionX : canvasResolution;
  wa.ResolutionY = arguments.ResolutionY > 0 ? arguments.ResolutionY : canvasResolution;
  if (wa.ResolutionX <= 0 || wa.ResolutionY <= 0) wa.ResolutionX = wa.ResolutionY = 1;
  wa.ResolutionRatio = static_cast<double>(wa.ResolutionX) / wa.ResolutionY;

  std::string data = barcode;
  if (OnEncode) OnEncode(*this, data, barcode);
  if (barcode != wa.Barcode || data != wa.Data || wa.ForceEncode) {
    wa.ForceEncode = false;
    wa.Barcode = barcode;
    wa.Data = std::move(data);
    wa.InvalidPos = -1;
    wa.TooLong = false;
    wa.Clear(sfAllStages);
  }
}

int TBarcodeCore2D::EncodeSymbol(TCoreWorkArea& wa) {
  if (!wa.Has(sfLengthChecked)) {
    if (!CheckLength(wa)) {
      wa.TooLong = true;
      return -1;
    }
    wa.Set(sfLengthChecked);
  }
  if (!wa.Has(sfCharsChecked)) {
    int position = CheckCharacters(wa);
    wa.InvalidPos = position;
    int mapped = MapInvalidIndex(wa, position);
    if (position > 0 && mapped == 0) mapped = kUnmappedPosition;
    if (mapped != 0) return mapped;
    wa.Set(sfCharsChecked);
  }
  if (!wa.Has(sfSegmentsValid)) {
    if (ResetSegmentation(wa)) wa.Set(sfSegmentsValid);
    wa.Clear(sfVersionChosen | sfCodewordsBuilt | sfMatrixBuilt);
  }
  // A too-long verdict belongs to a choice of version; once that choice is
  // to be made again (a larger MaxVersion, another EccLevel) it waits for it.
  auto failure = [&]() -> int {
    if (int mapped = MapInvalidIndex(wa, wa.InvalidPos); mapped != 0) return mapped;
    return wa.TooLong && wa.Has(sfVersionChosen) ? -1 : 0;
  };
  if (int code = failure(); code != 0) return code;
  if (wa.Has(sfSegmentsValid) && !wa.Has(sfVersionChosen)) {
    bool changed = ChooseSymbol(wa);
    wa.Set(sfVersionChosen);
    if (changed) wa.Clear(sfCodewordsBuilt | sfMatrixBuilt);
  }
  if (int code = failure(); code != 0) return code;
  GetSymbolSize(wa, wa.Columns, wa.Rows);
  if (!wa.Has(sfCodewordsBuilt)) {
    BuildCodewords(wa);
    wa.Set(sfCodewordsBuilt);
    wa.Clear(sfMatrixBuilt);
  }
  LayoutSymbol(wa);
  return 0;
}

void TBarcodeCore2D::LayoutSymbol(TCoreWorkArea& wa) {
  wa.QuietZones = GetQuietZones(wa);
  const TQuietZones& q = wa.QuietZones;
  switch (wa.Args.SizeMode) {
    case TSizeMode::smModule: wa.Module = wa.Args.Module; break;
    case TSizeMode::smWidthMm:
      wa.Module = RoundHalfEven(wa.ResolutionX * wa.Args.SizeMm / (wa.Columns + q.Leading + q.Trailing) / 25.4);
      break;
    case TSizeMode::smHeightMm:
      wa.Module = RoundHalfEven(wa.ResolutionY * wa.Args.SizeMm / (wa.Rows + q.Top + q.Bottom) / 25.4 *
                                wa.ResolutionRatio);
      break;
  }
  // A module rounded away to nothing would draw nothing and call it success.
  wa.Module = std::max(wa.Module, 1);
  GetPixelSize(wa);
  wa.Radians = wa.Args.Angle * std::numbers::pi / 180.0;
  wa.LeadingPixels = q.Leading * wa.Module;
  wa.TopPixels = q.Top * wa.Module;

  // Put the rotated bounding box's top-left corner on the origin.
  wa.Sin = std::sin(wa.Radians);
  wa.Cos = std::cos(wa.Radians);
  double s = wa.Sin, c = wa.Cos, rho = wa.ResolutionRatio;
  double w = wa.Width, h = wa.Height;
  int dx = 0, dy = 0;
  if (s >= 0 && c >= 0) {
    dy = RoundHalfEven(s * w / rho);
  } else if (s >= 0) {
    dx = -RoundHalfEven(c * w);
    dy = RoundHalfEven((s * w - c * h) / rho);
  } else if (c >= 0) {
    dx = -RoundHalfEven(s * h);
  } else {
    dx = -RoundHalfEven(c * w) - RoundHalfEven(s * h);
    dy = -RoundHalfEven(c * h / rho);
  }
  int m = ((RoundHalfEven(wa.Args.Angle) % 360) + 360) % 360;
  if (m >= 45 && m <= 135) dy -= 1;
  if (m >= 136 && m <= 225) {
    dx -= 1;
    dy -= 1;
  }
  if (m >= 226 && m <= 315) dx -= 1;
  wa.Origin = {wa.Args.Left + dx, wa.Args.Top + dy};
}

int TBarcodeCore2D::MapInvalidIndex(TCoreWorkArea& wa, int position) {
  if (position <= 0 || !OnEncode) return position;
  if (ParseBarcodeIndex) return ParseBarcodeIndex(*this, wa.Barcode, wa.Data, position);
  auto encodedLength = [&](int k) {
    std::string data;
    OnEncode(*this, data, wa.Barcode.substr(0, static_cast<std::size_t>(k)));
    return static_cast<int>(data.size());
  };
  if (encodedLength(0) >= position) return -2;  // a character that OnEncode added
  int low = 1;
  int high = static_cast<int>(wa.Barcode.size());
  while (high - low > 1) {
    int middle = low + (high - low) / 2;
    (encodedLength(middle) >= position ? high : low) = middle;
  }
  for (int k : {low, high})
    if (k >= 1 && encodedLength(k) >= position) return k;
  return static_cast<int>(wa.Barcode.size()) + 1;  // reported as outside the text
}

bool TBarcodeCore2D::CheckLength(TCoreWorkArea&) { return true; }

int TBarcodeCore2D::CheckCharacters(TCoreWorkArea& wa) {
  auto bad = std::find_if(wa.Data.begin(), wa.Data.end(), [&](char c) { return !IsValidChar(c); });
  return bad == wa.Data.end() ? 0 : static_cast<int>(bad - wa.Data.begin()) + 1;
}

bool TBarcodeCore2D::IsValidChar(char) { return true; }

bool TBarcodeCore2D::ResetSegmentation(TCoreWorkArea& wa) {
  wa.TooLong = false;
  wa.InvalidPos = 0;
  return true;
}

bool TBarcodeCore2D::ChooseSymbol(TCoreWorkArea& wa) {
  wa.TooLong = false;
  wa.InvalidPos = 0;
  return false;
}

void TBarcodeCore2D::BuildMatrixOnce(TCoreWorkArea& wa) {
  if (wa.Has(sfMatrixBuilt)) return;
  wa.Matrix.Reset(wa.Rows, wa.Columns);
  BuildMatrix(wa);
  wa.Set(sfMatrixBuilt);
  ++wa.MatrixBuilds;
}

void TBarcodeCore2D::GetPixelSize(TCoreWorkArea& wa) {
  const TQuietZones& q = wa.QuietZones;
  wa.Width = (wa.Columns + q.Leading + q.Trailing) * wa.Module;
  wa.Height = (wa.Rows + q.Top + q.Bottom) * wa.Module;
}

TPoint TBarcodeCore2D::Transform(const TCoreWorkArea& wa, int x, int y) {
  return {RoundHalfEven(x * wa.Cos + y * wa.Sin) + wa.Origin.X,
          RoundHalfEven((y * wa.Cos - x * wa.Sin) / wa.ResolutionRatio) + wa.Origin.Y};
}

TRect TBarcodeCore2D::SymbolBounds(const TCoreWorkArea& wa) {
  std::array<TPoint, 4> corners = {Transform(wa, 0, 0), Transform(wa, wa.Width - 1, 0),
                                   Transform(wa, wa.Width - 1, wa.Height - 1), Transform(wa, 0, wa.Height - 1)};
  TRect box{corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
  for (const TPoint& p : corners) {
    box.Left = std::min(box.Left, p.X);
    box.Top = std::min(box.Top, p.Y);
    box.Right = std::max(box.Right, p.X);
    box.Bottom = std::max(box.Bottom, p.Y);
  }
  return {box.Left, box.Top, box.Right + 1, box.Bottom + 1};
}

void TBarcodeCore2D::PaintSymbol(TCoreWorkArea& wa) {
  BuildMatrixOnce(wa);
  TCanvas& canvas = *wa.Args.Canvas;
  TCanvasStateScope state(canvas);
  const TColor dark = wa.Args.DarkColor, light = wa.Args.LightColor;
  PaintModule(wa, 0, 0, wa.Width - 1, wa.Height - 1, light);
  // On quarter turns every module covers whole pixels of the area just
  // filled, so light modules would paint the same pixels again.
  bool lightPainted = IsQuarterTurn(wa);
  const int f = wa.Module;
  for (int c = 0; c < wa.Columns; ++c) {
    int source = wa.Args.Mirrored ? wa.Columns - 1 - c : c;
    int x = wa.LeadingPixels + c * f;
    for (int r = 0; r < wa.Rows; ++r) {
      bool isDark = wa.Matrix.Dark(r, source);
      if (!isDark && lightPainted) continue;
      int last = r;
      // There a run of dark modules down a column is one rectangle.
      if (lightPainted)
        while (last + 1 < wa.Rows && wa.Matrix.Dark(last + 1, source)) ++last;
      PaintModule(wa, x, wa.TopPixels + r * f, x + f - 1, wa.TopPixels + last * f + f - 1, isDark ? dark : light);
      r = last;
    }
  }
}

void TBarcodeCore2D::PaintModule(TCoreWorkArea& wa, int x1, int y1, int x2, int y2, TColor color) {
  TCanvas& canvas = *wa.Args.Canvas;
  std::array<TPoint, 4> corners = {Transform(wa, x1, y1), Transform(wa, x2, y1), Transform(wa, x2, y2),
                                   Transform(wa, x1, y2)};
  canvas.Brush = {color, TBrushStyle::bsSolid};
  canvas.Pen = {color, 1, TPenStyle::psSolid, TPenMode::pmCopy};
  canvas.SetBackgroundMode(TBackgroundMode::bmOpaque);
  // Pairs, not structured bindings: clang 14 cannot capture those in a lambda.
  const auto xs = std::minmax({corners[0].X, corners[1].X, corners[2].X, corners[3].X});
  const auto ys = std::minmax({corners[0].Y, corners[1].Y, corners[2].Y, corners[3].Y});
  bool axisAligned = std::all_of(corners.begin(), corners.end(), [&](const TPoint& p) {
    return (p.X == xs.first || p.X == xs.second) && (p.Y == ys.first || p.Y == ys.second);
  });
  if (axisAligned) {
    // A filled polygon with a one-pixel outline in its own colour covers
    // exactly these pixels; a coinciding rectangle is the one-pixel fill.
    canvas.FillRect({xs.first, ys.first, xs.second + 1, ys.second + 1});
    return;
  }
  // At other angles the squares must meet: their far edges lie on the next
  // module's near edges.
  std::array<TPoint, 4> square = {corners[0], Transform(wa, x2 + 1, y1), Transform(wa, x2 + 1, y2 + 1),
                                  Transform(wa, x1, y2 + 1)};
  canvas.Polygon(square);
}

int TBarcodeCore2D::Render(TCoreWorkArea& wa, const std::string& barcode, const TDrawArguments& arguments, bool paint) {
  InitWorkArea(wa, barcode, arguments);
  int code = EncodeSymbol(wa);
  if (code != 0) {
    ReportResult(code, barcode);
    return code;
  }
  if (paint) PaintSymbol(wa);
  return 0;
}

void TBarcodeCore2D::ReportResult(int, const std::string&) {}

}  // namespace quorvel
