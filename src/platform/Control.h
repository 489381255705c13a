#pragma once

#include <functional>
#include <string>

#include "platform/Geometry.h"

namespace quorvel {

class TCanvas;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool Left = false;
  bool Right = false;
  bool Middle = false;
  bool Double = false;
};

enum class TCursor { crDefault, crSizeNWSE, crSizeNESW, crSizeNS, crSizeWE, crSizeAll, crHandPoint, crCross };

class TControl;

// What a control needs of whatever shows it on screen. The designer's host
// widget implements it; a control with no host simply never repaints.
class IControlHost {
 public:
  virtual ~IControlHost() = default;
  virtual void RequestRepaint(TControl& control) = 0;
  virtual void BoundsChanged(TControl& control) = 0;
};

// A control without a widget: bounds in its parent's pixels, visibility, a
// repaint request, a paint onto any canvas and mouse hooks. Barcodes, QR
// images and the designer's shapes and texts are controls, so that files,
// renderer and batch printing use them with no window at all.
class TControl {
 public:
  using TNotifyEvent = std::function<void(TControl& sender)>;
  using TMouseEvent = std::function<void(TControl& sender, TMouseButton, TShiftState, int x, int y)>;
  using TMouseMoveEvent = std::function<void(TControl& sender, TShiftState, int x, int y)>;

  virtual ~TControl() = default;

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  TRect BoundsRect() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  std::string Hint;  // the tooltip, UTF-8
  TCursor Cursor = TCursor::crDefault;

  // Paints the control's own area; (0, 0) is its top-left corner.
  virtual void Paint(TCanvas& canvas) = 0;
  // Asks the host, if any, to paint the control again.
  void Invalidate();

  void SetHost(IControlHost* host) { host_ = host; }
  IControlHost* Host() const { return host_; }

  // Called by the host with coordinates relative to the control.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;

 protected:
  // Runs after every change of the bounds, before OnResize.
  virtual void Resized() {}

 private:
  TRect bounds_;
  bool visible_ = true;
  IControlHost* host_ = nullptr;
};

}  // namespace quorvel
