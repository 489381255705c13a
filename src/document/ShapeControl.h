#pragma once

#include "platform/Canvas.h"
#include "platform/Control.h"

namespace quorvel {

// The element of boxes and lines: a rectangle filling the control, its frame
// drawn inside the bounds with the pen, its interior with the brush. A line
// is a thin rectangle whose thickness equals its pen width.
class TShapeControl : public TControl {
 public:
  const TPen& Pen() const { return pen_; }
  const TBrush& Brush() const { return brush_; }
  void SetPen(int width, TColor color);
  void SetBrushColor(TColor color);

  void Paint(TCanvas& canvas) override;

 private:
  TPen pen_{clBlack, 1, TPenStyle::psInsideFrame};
  TBrush brush_{clWhite, TBrushStyle::bsSolid};
};

}  // namespace quorvel
