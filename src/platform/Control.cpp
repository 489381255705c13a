#include "platform/Control.h"

namespace quorvel {

void TControl::SetBounds(int left, int top, int width, int height) {
  TRect bounds{left, top, left + width, top + height};
  if (bounds == bounds_) return;
  bool sizeChanged = bounds.Width() != bounds_.Width() || bounds.Height() != bounds_.Height();
  bounds_ = bounds;
  if (host_) host_->BoundsChanged(*this);
  if (sizeChanged) {
    Resized();
    if (OnResize) OnResize(*this);
  }
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (host_) host_->BoundsChanged(*this);
}

void TControl::Invalidate() {
  if (host_) host_->RequestRepaint(*this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}

}  // namespace quorvel
