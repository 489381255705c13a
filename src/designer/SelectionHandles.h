#pragma once

#include <array>
#include <string_view>

#include "document/ObjectKind.h"

namespace quorvel {

// The eight handles kr1..kr8 around the current object, clockwise from the
// top-left corner.
enum class THandle { kr1 = 0, kr2, kr3, kr4, kr5, kr6, kr7, kr8 };
inline constexpr int kHandleCount = 8;
inline constexpr int kHandleSize = 7;  // HandleWidth = HandleHeight

// Left, top, width and height of an object on the design surface, in pixels.
struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TBounds&) const = default;
};

struct TPoint2 {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint2&) const = default;
};

// The step of the grid text in surface pixels: 10 or 5, and 0 for any other
// text (empty, "0", letters, other numbers), which is no grid.
int SnapStep(std::string_view snapGrid);

// Snaps a difference in surface pixels to the grid text: "10" truncates
// toward zero to a multiple of 10, "5" to a multiple of 5; anything else
// (empty, "0", letters, other numbers) leaves the value as it is.
double raster(int value, std::string_view snapGrid);

// Top-left corner of each handle around the bounds (halves rounded to even).
std::array<TPoint2, kHandleCount> HandlePlaces(const TBounds& bounds);

// Whether the kind shows the handle: horizontal lines only kr4 and kr8,
// vertical lines only kr2 and kr6, every other kind all eight.
bool HandleShown(TObjectKind kind, THandle handle);

// The change a drag of the handle by the snapped difference (dx, dy) makes,
// dx = raster(x - AnchorX), dy = raster(y - AnchorY). Width and height never
// fall below one pixel: an edge dragged past the opposite one stops there.
TBounds ResizedBounds(const TBounds& bounds, THandle handle, int dx, int dy);

// Points a text grows by when its kr5 is dragged dy pixels down at the
// font's pixels per inch.
int FontGrowth(int dy, int pixelsPerInch);

}  // namespace quorvel
