#pragma once

#include <functional>

#include "barcode/Pdf417.h"
#include "platform/Control.h"

namespace quorvel {

// The PDF417 options of a barcode. A change repaints the owner, then calls
// OnChange.
class TxbPDF417 {
 public:
  using TNotifyEvent = std::function<void(TxbPDF417& sender)>;

  explicit TxbPDF417(TControl& owner) : owner_(owner) {}
  TxbPDF417(const TxbPDF417&) = delete;
  TxbPDF417& operator=(const TxbPDF417&) = delete;

  xbPDF417Mode Mode() const { return options_.Mode; }
  void SetMode(xbPDF417Mode mode) { Change(options_.Mode, mode); }
  int Rows() const { return options_.Rows; }  // 0: automatic
  void SetRows(int rows) { Change(options_.Rows, rows); }
  int Cols() const { return options_.Cols; }
  void SetCols(int cols) { Change(options_.Cols, cols); }
  xbPDF417ErrorCorrection SecurityLevel() const { return options_.SecurityLevel; }
  void SetSecurityLevel(xbPDF417ErrorCorrection level) { Change(options_.SecurityLevel, level); }
  bool Truncated() const { return options_.Truncated; }
  void SetTruncated(bool truncated) { Change(options_.Truncated, truncated); }
  // Draw a symbol squeezed into a box narrower than its rows.
  bool PaintIfSmall() const { return paintIfSmall_; }
  void SetPaintIfSmall(bool paintIfSmall) { Change(paintIfSmall_, paintIfSmall); }

  // What the encoder takes.
  const TPdf417Options& Options() const { return options_; }

  TNotifyEvent OnChange;

 private:
  template <typename T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    owner_.Invalidate();
    if (OnChange) OnChange(*this);
  }

  TControl& owner_;
  TPdf417Options options_;
  bool paintIfSmall_ = true;
};

}  // namespace quorvel
