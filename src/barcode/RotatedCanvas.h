#pragma once

#include <span>
#include <string>

#include "platform/Canvas.h"

namespace quorvel {

// The box in which a barcode is laid out before it is turned by a right
// angle about the centre of rect, so that the turned box fills rect: same
// size for 0 and 180, width and height swapped for 90 and 270. An odd size
// loses its last pixel.
TRect FitBox(const TRect& rect, int angle);

// Draws on a canvas with every point turned counter-clockwise by a multiple
// of 90 degrees about a centre (on the y-downward surface: what lies right
// of the centre moves above it).
class TRotatedCanvas {
 public:
  TRotatedCanvas(TCanvas& canvas, TPoint centre, int angle);

  TCanvas& Canvas() { return canvas_; }
  TPoint Rotate(TPoint p) const;

  // The polygon of the four turned corners in the current brush, no
  // outline; nothing for an empty or upside-down rectangle.
  void FillRect(const TRect& rect);
  // Many rectangles in one fill: the bars of a symbol set the brush once.
  void FillRects(std::span<const TRect> rects);

  // The canvas font turned to the angle, while the scope lives.
  TTurnedFontScope TurnFont();
  // Text whose top-left corner is the turned point, on a transparent background.
  void TextOut(int x, int y, const std::string& text);

 private:
  TCanvas& canvas_;
  TPoint centre_;
  int quarterTurns_;  // 0..3
};

}  // namespace quorvel
