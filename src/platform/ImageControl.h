#pragma once

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/Picture.h"

namespace quorvel {

// A control that holds and shows a picture, either at its natural size
// from the top-left corner or stretched to the control.
class TImageControl : public TControl {
 public:
  TPicture& Picture() { return picture_; }
  const TPicture& Picture() const { return picture_; }
  void SetPicture(TPicture picture);

  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

  void Paint(TCanvas& canvas) override;

 private:
  TPicture picture_;
  bool stretch_ = false;
};

}  // namespace quorvel
