#pragma once

#include <QSize>
#include <QWidget>
#include <string>

#include "designer/HandlerGuard.h"
#include "platform/Bitmap.h"

class QScrollBar;

namespace quorvel {

class IClipboard;
class IDialogs;
class TLabelDocument;

// "Vorschau": one copy of the label in a window of its own, always on top,
// to look at, copy or save as BMP. It opens beside the designer showing the
// whole label, at 4 pixels per millimetre where the screen has room; the
// zoom buttons change the display size, and the label is drawn anew at that
// size, so it stays sharp. Texts keep their size in millimetres at every
// scale, as on paper.
class TPrinterPreview : public QWidget {
 public:
  static constexpr double kPixelsPerMillimetre = 4.0;
  // Each zoom press changes the display width and height by this much.
  static constexpr int kZoomStep = 100;
  // The display size stays within these bounds: a press that would leave
  // them is refused, so the picture neither vanishes nor grows without end.
  static constexpr int kMinDisplay = 1;
  static constexpr int kMaxDisplay = 4000;
  // The window takes at most this part of the screen.
  static constexpr double kScreenShare = 0.8;

  // Sizes and renders the label; throws EConvertError for a label size that
  // is not a number, before anything is shown.
  TPrinterPreview(TLabelDocument& document, IDialogs& dialogs, IClipboard& clipboard, QWidget* parent = nullptr);

  // The picture shown, drawn at the display size when it is next needed.
  const TBitmap& Shown() const;
  QSize DisplaySize() const { return display_; }
  QPoint PictureOffset() const { return offset_; }

  // The buttons, left to right.
  void ZoomSmaller();
  void ZoomLarger();
  void ZoomReset();
  // The label at 4 pixels per millimetre onto the clipboard.
  void CopyToClipboard();
  // "als Bild speichern" at 4 pixels per millimetre, 300 or 600 dpi: asks
  // for the name and adds ".bmp" when it has no such ending.
  void SaveAsBitmap(double pixelsPerMm);

 private:
  class TPictureArea;

  void ZoomBy(int step);
  void ShowAt(QSize display);
  // Beside the designer if the screen has room there, the whole picture
  // visible if the screen allows.
  void PlaceBesideParent();

  TLabelDocument& document_;
  IDialogs& dialogs_;
  THandlerGuard guard_;
  IClipboard& clipboard_;
  mutable TBitmap shown_;
  mutable bool shownStale_ = true;
  QSize display_;
  QPoint offset_{1, 0};
  TPictureArea* area_ = nullptr;
};

// The size of a label at 4 pixels per millimetre: round(width × 4) by round(height × 4).
QSize PreviewBitmapSize(const TLabelDocument& document);

// The label alone on a white bitmap of round(width × scale) by round(height
// × scale) pixels, whose resolution for fonts matches the vertical scale.
TBitmap RenderLabel(TLabelDocument& document, double pixelsPerMmX, double pixelsPerMmY);

}  // namespace quorvel
