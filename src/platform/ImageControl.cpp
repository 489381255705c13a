#include "platform/ImageControl.h"

#include "platform/Canvas.h"

namespace quorvel {

void TImageControl::SetPicture(TPicture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImageControl::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void TImageControl::Paint(TCanvas& canvas) {
  if (picture_.Empty()) return;
  TRect target = stretch_ ? TRect{0, 0, Width(), Height()} : TRect{0, 0, picture_.Width(), picture_.Height()};
  canvas.StretchDraw(target, picture_.Image());
}

}  // namespace quorvel
