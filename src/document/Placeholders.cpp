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

// Three finder squares of a QR symbol on a light field.
TPicture DrawQrPlaceholder() {
  constexpr int kSize = 29;
  TBitmap bitmap(kSize, kSize);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush = {kLightGrey, TBrushStyle::bsSolid};
  canvas.FillRect({0, 0, kSize, kSize});
  for (TPoint corner : {TPoint{2, 2}, TPoint{kSize - 9, 2}, TPoint{2, kSize - 9}}) {
    canvas.Brush = {clBlack, TBrushStyle::bsSolid};
    canvas.FillRect({corner.X, corner.Y, corner.X + 7, corner.Y + 7});
    canvas.Brush = {kLightGrey, TBrushStyle::bsSolid};
    canvas.FillRect({corner.X + 1, corner.Y + 1, corner.X + 6, corner.Y + 6});
    canvas.Brush = {clBlack, TBrushStyle::bsSolid};
    canvas.FillRect({corner.X + 2, corner.Y + 2, corner.X + 5, corner.Y + 5});
  }
  TPicture picture;
  picture.Assign(bitmap);
  return picture;
}

}  // namespace

const TPicture& PicturePlaceholder() {
  static const TPicture picture = DrawPicturePlaceholder();
  return picture;
}

const TPicture& QrPlaceholder() {
  static const TPicture picture = DrawQrPlaceholder();
  return picture;
}

}  // namespace quorvel
