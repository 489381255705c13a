#pragma once

#include "platform/Canvas.h"
#include "platform/Control.h"

namespace quorvel {

// Horizontal lines across the barcode's box, drawn with their own pen.
class TBarCodeHorzLines {
 public:
  explicit TBarCodeHorzLines(TControl& owner) : owner_(owner) {}
  TBarCodeHorzLines(const TBarCodeHorzLines&) = delete;
  TBarCodeHorzLines& operator=(const TBarCodeHorzLines&) = delete;

  const TPen& Pen() const { return pen_; }
  void SetColor(TColor color) { Change(pen_.Color, color); }
  void SetStyle(TPenStyle style) { Change(pen_.Style, style); }
  void SetMode(TPenMode mode) { Change(pen_.Mode, mode); }
  void SetWidth(int width) { Change(pen_.Width, width); }
  int LinesCount() const { return linesCount_; }
  void SetLinesCount(int count) { Change(linesCount_, count); }

 private:
  template <typename T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    owner_.Invalidate();
  }

  TControl& owner_;
  TPen pen_;
  int linesCount_ = 0;
};

}  // namespace quorvel
