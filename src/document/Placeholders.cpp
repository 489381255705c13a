#include "document/Placeholders.h"

#include <array>

#include "platform/Bitmap.h"

namespace quorvel {
namespace {

constexpr TColor kFrameGrey = RGB(128, 128, 128);
constexpr TColor kLightGrey = RGB(224, 224, 224);

// A framed landscape: hills under a sun, the usual sign for "a picture goes here".
TPicture DrawPicturePlaceholder() {
  TBitmap bitmap(70, 50);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen = {kFrameGrey, 1, TPenStyle::psInsideFrame};
  canvas.Brush = {kLightGrey, TBrushStyle::bsSolid};
  canvas.Rectangle(0, 0, 70, 50);
  canvas.Pen = {kFrameGrey, 1};
  canvas.Brush = {kFrameGrey, TBrushStyle::bsSolid};
  constexpr std::array<TPoint, 5> kHills = {{{4, 45}, {24, 20}, {36, 34}, {48, 26}, {66, 45}}};
  canvas.Polygon(kHills);
  canvas.Rectangle(50, 7, 58, 15);
  TPicture picture;
  picture.Assign(bitmap);
  return picture;
}

}  // namespace

const TPicture& PicturePlaceholder() {
  static const TPicture picture = DrawPicturePlaceholder();
  return picture;
}

}  // namespace quorvel
