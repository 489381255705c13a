#include "designer/SelectionHandles.h"

#include <algorithm>

#include "platform/Rounding.h"

namespace quorvel {
namespace {

// The grid text as a whole number, or 0 when it is none.
int GridStep(std::string_view text) {
  if (text.empty()) return 0;
  int value = 0;
  size_t start = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (start == text.size()) return 0;
  for (size_t i = start; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9' || value > 100000) return 0;
    value = value * 10 + (text[i] - '0');
  }
  return text[0] == '-' ? -value : value;
}

constexpr int kHalfHandle = 4;  // round(7 / 2), halves to even

}  // namespace

int SnapStep(std::string_view snapGrid) {
  int step = GridStep(snapGrid);
  return step == 10 || step == 5 ? step : 0;
}

double raster(int value, std::string_view snapGrid) {
  int step = SnapStep(snapGrid);
  if (step == 0) return value;
  // C++ division truncates toward zero, as dropping the last digit does.
  return static_cast<double>(value / step * step);
}

std::array<TPoint2, kHandleCount> HandlePlaces(const TBounds& b) {
  int left = b.Left - kHalfHandle;
  int middle = RoundHalfEven(b.Width / 2.0 - kHandleSize / 2.0 + b.Left);
  int right = b.Left + b.Width - kHalfHandle;
  int top = b.Top - kHalfHandle;
  int centre = b.Top + RoundHalfEven(b.Height / 2.0) - kHalfHandle;
  int bottom = b.Top + b.Height - kHalfHandle;
  return {{{left, top}, {middle, top}, {right, top}, {right, centre},
           {right, bottom}, {middle, bottom}, {left, bottom}, {left, centre}}};
}

bool HandleShown(TObjectKind kind, THandle handle) {
  bool vertical = handle == THandle::kr2 || handle == THandle::kr6;
  bool horizontal = handle == THandle::kr4 || handle == THandle::kr8;
  if (kind == TObjectKind::okHLine) return horizontal;
  if (kind == TObjectKind::okVLine) return vertical;
  return true;
}

TBounds ResizedBounds(const TBounds& bounds, THandle handle, int dx, int dy) {
  // Which edges the handle drags: -1 the left/top edge, +1 the right/bottom one.
  struct TEdges {
    int X;
    int Y;
  };
  static constexpr std::array<TEdges, kHandleCount> kEdges = {
      {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}}};
  TEdges edges = kEdges[static_cast<int>(handle)];
  TBounds result = bounds;
  auto drag = [](int edge, int delta, int& start, int& size) {
    if (edge == 0) return;
    int grow = edge > 0 ? delta : -delta;
    if (grow < 0 && size + grow < 1) grow = std::min(0, 1 - size);
    size += grow;
    if (edge < 0) start -= grow;
  };
  drag(edges.X, dx, result.Left, result.Width);
  drag(edges.Y, dy, result.Top, result.Height);
  return result;
}

int FontGrowth(int dy, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return RoundHalfEven(dy * 72.0 / pixelsPerInch);
}

}  // namespace quorvel
