#include "document/ShapeControl.h"

namespace quorvel {

void TShapeControl::SetPen(int width, TColor color) {
  if (pen_.Width == width && pen_.Color == color) return;
  pen_.Width = width;
  pen_.Color = color;
  Invalidate();
}

void TShapeControl::SetBrushColor(TColor color) {
  if (brush_.Color == color) return;
  brush_.Color = color;
  Invalidate();
}

void TShapeControl::Paint(TCanvas& canvas) {
  canvas.Pen = pen_;
  canvas.Brush = brush_;
  canvas.Rectangle(0, 0, Width(), Height());
}

}  // namespace quorvel
