#pragma once

#include <QWidget>
#include <QSize>

#include "designer/HandlerGuard.h"
#include "platform/Bitmap.h"

class QScrollBar;

namespace quorvel {

class IClipboard;
class IDialogs;
class TLabelDocument;

// "Vorschau": one copy of the label drawn at 4 pixels per millimetre in a
// window of its own, always on top, to look at, copy or save as BMP. The
// bitmap keeps its size; the zoom buttons only change how large it is shown.
class TPrinterPreview : public QWidget {
 public:
  static constexpr double kPixelsPerMillimetre = 4.0;
  // Each zoom press changes the display width and height by this much.
  static constexpr int kZoomStep = 100;
  // The display size stays within these bounds: a press that would leave
  // them is refused, so the picture neither vanishes nor grows without end.
  static constexpr int kMinDisplay = 1;
  static constexpr int kMaxDisplay = 8000;

  // Sizes and renders the label; throws EConvertError for a label size that
  // is not a number, before anything is shown.
  TPrinterPreview(TLabelDocument& document, IDialogs& dialogs, IClipboard& clipboard, QWidget* parent = nullptr);

  const TBitmap& Bitmap() const { return bitmap_; }
  QSize DisplaySize() const { return display_; }
  QPoint PictureOffset() const { return offset_; }

  // The buttons, left to right.
  void ZoomSmaller();
  void ZoomLarger();
  void ZoomReset();
  void CopyToClipboard();
  void SaveAsBitmap();

 private:
  class TPictureArea;

  void ZoomBy(int step);

  TLabelDocument& document_;
  IDialogs& dialogs_;
  THandlerGuard guard_;
  IClipboard& clipboard_;
  TBitmap bitmap_;
  QSize display_;
  QPoint offset_{1, 0};
  TPictureArea* area_ = nullptr;
};

// The bitmap size of a label in the preview: round(width × 4) by round(height × 4).
QSize PreviewBitmapSize(const TLabelDocument& document);

}  // namespace quorvel
