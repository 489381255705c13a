#pragma once

namespace quorvel {

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

// Device pixels; Left and Top are inside, Right and Bottom outside.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

}  // namespace quorvel
