#pragma once

#include <functional>
#include <string>

#include "barcode/BarCodeHorzLines.h"
#include "barcode/BarCodeInfo.h"
#include "barcode/BarCodeTypes.h"
#include "barcode/BarCodeValidation.h"
#include "barcode/BarcodeCaption.h"
#include "barcode/XbPdf417.h"
#include "platform/Canvas.h"
#include "platform/Clipboard.h"
#include "platform/Control.h"

namespace quorvel {

class TRotatedCanvas;

// A linear or stacked barcode: symbology, value and presentation options.
// Setting the value completes check digits; every paint validates and
// encodes afresh. Property setters store and repaint only on a change.
// Validation never throws; it reports through LastPaintError. The PDF417
// encoder's EPdf417Error is the one error that leaves PDF417MinWidth,
// PaintTo and CopyToClipboard (and so creation, SetTypBarCode and
// SetAutoSize, which compute that width).
class TCustomEAN : public TControl {
 public:
  using TBarCodePaintEvent = std::function<void(TCustomEAN& sender, const TRect& rect, const std::string& barCode)>;

  TCustomEAN();
  ~TCustomEAN() override;

  const std::string& BarCode() const { return barCode_; }
  // Stores the value with its check digit completed, then tells OnChangeBarCode.
  void SetBarCode(const std::string& value);
  TTypBarCode TypBarCode() const { return typBarCode_; }
  // Replaces the value by the symbology's example: set the symbology first
  // and the value second.
  virtual void SetTypBarCode(TTypBarCode value);

  bool ShowLabels() const { return showLabels_; }
  void SetShowLabels(bool value) { Change(showLabels_, value); }
  bool StartStopLines() const { return startStopLines_; }
  void SetStartStopLines(bool value) { Change(startStopLines_, value); }
  bool AutoCheckDigit() const { return autoCheckDigit_; }
  void SetAutoCheckDigit(bool value) { Change(autoCheckDigit_, value); }
  int Angle() const { return angle_; }
  // Counter-clockwise degrees, cut to a multiple of 90 in (-360, 360).
  void SetAngle(int value);
  TColor LinesColor() const { return linesColor_; }
  void SetLinesColor(TColor value) { Change(linesColor_, value); }
  TColor BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(TColor value) { Change(backgroundColor_, value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { Change(transparent_, value); }
  bool Ean13AddUp() const { return ean13AddUp_; }
  void SetEan13AddUp(bool value) { Change(ean13AddUp_, value); }
  bool FontAutoSize() const { return fontAutoSize_; }
  void SetFontAutoSize(bool value) { Change(fontAutoSize_, value); }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& value) { Change(font_, value); }
  bool Security() const { return security_; }
  void SetSecurity(bool value) { Change(security_, value); }
  const std::string& LabelMask() const { return labelMask_; }
  void SetLabelMask(const std::string& value) { Change(labelMask_, value); }
  bool AutoSize() const { return autoSize_; }
  // Switching it on widens the control to PDF417MinWidth.
  void SetAutoSize(bool value);
  // The designer sets it so that a double click stays an ordinary event.
  bool DisableEditor() const { return disableEditor_; }
  void SetDisableEditor(bool value) { disableEditor_ = value; }

  TBarcodeCaption& Caption() { return caption_; }
  const TBarcodeCaption& Caption() const { return caption_; }
  void SetCaption(const TBarcodeCaption& value) { caption_.Assign(value); }
  TBarcodeCaption& CaptionBottom() { return captionBottom_; }
  const TBarcodeCaption& CaptionBottom() const { return captionBottom_; }
  void SetCaptionBottom(const TBarcodeCaption& value) { captionBottom_.Assign(value); }
  TBarCodeHorzLines& HorzLines() { return horzLines_; }
  const TBarCodeHorzLines& HorzLines() const { return horzLines_; }
  TxbPDF417& PDF417() { return pdf417_; }
  const TxbPDF417& PDF417() const { return pdf417_; }

  TLastPaintError LastPaintError() const { return lastPaintError_; }
  int ErrorPosition() const { return errorPosition_; }  // 1-based, kept until an error sets it again
  const std::string& ErrorChar() const { return errorChar_; }  // UTF-8
  const std::string& SetOfChars() const { return GetBarCodeInfo(typBarCode_).Chars; }

  // Checks a value against the current symbology and records the outcome.
  bool BarCodeValid(const std::string& value);
  // The module string and text marks of a value; empty when it is invalid.
  TModuleString EncodeBarCode(const std::string& value);
  // Width in modules of one PDF417 row of the value under the PDF417 options.
  int PDF417MinWidth() const;

  // Paints into rect of any canvas (its pixels), rotated by Angle about the
  // rectangle's centre. Leaves the canvas's pen, brush and font as they were.
  void PaintTo(TCanvas& canvas, const TRect& rect);
  // A bitmap of the control's size, painted as PaintTo does, onto the clipboard.
  void CopyToClipboard(IClipboard& clipboard);
  // The pixel module string of the last linear paint that drew bars.
  const std::string& PaintedModules() const { return paintedModules_; }

  TNotifyEvent OnChangeBarCode;
  TNotifyEvent OnChangeTypCode;
  // After every paint of a non-empty value, with the rectangle PaintTo got.
  TBarCodePaintEvent OnPaint;

 protected:
  template <typename T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

 private:
  static TFont DefaultFont() {
    TFont font;  // Arial in the window-text colour
    font.Size = 16;
    return font;
  }
  void WidenToPdf417MinWidth();
  void RecordValidation(const TValidation& validation);

  void PaintLinear(TRotatedCanvas& target, TRect box);
  void PaintCaption(TRotatedCanvas& target, const TBarcodeCaption& caption, bool upper, TRect& box);
  void PaintBars(TRotatedCanvas& target, const TRect& box, const std::string& pixels, int textHeight);
  void PaintLabels(TRotatedCanvas& target, const TRect& box, const std::string& text, const TTextMarks& marks,
                   int textHeight);
  void PaintHorzLines(TCanvas& canvas, const TRect& box);
  void PaintPdf417(TRotatedCanvas& target, const TRect& box);

  std::string barCode_ = "9771210107001";
  TTypBarCode typBarCode_ = TTypBarCode::bcEan13;
  bool showLabels_ = true;
  bool startStopLines_ = true;
  bool autoCheckDigit_ = true;
  int angle_ = 0;
  TColor linesColor_ = clBlack;
  TColor backgroundColor_ = clWhite;
  bool transparent_ = false;
  bool ean13AddUp_ = true;
  bool fontAutoSize_ = true;
  TFont font_ = DefaultFont();
  bool security_ = false;
  std::string labelMask_;
  bool autoSize_ = true;
  bool disableEditor_ = false;
  TBarcodeCaption caption_{*this};
  TBarcodeCaption captionBottom_{*this};
  TBarCodeHorzLines horzLines_{*this};
  TxbPDF417 pdf417_{*this};
  TLastPaintError lastPaintError_ = TLastPaintError::erOK;
  int errorPosition_ = 0;
  std::string errorChar_;
  std::string paintedModules_;
};

// The barcode the designer creates. Its own paint (the host widget's paint
// event) never lets an error out: the failed paint draws nothing, the
// message is kept, and OnPaintError hears of it once per value and error.
class TEan final : public TCustomEAN {
 public:
  // Raised inside the paint: the handler must not show a dialog or repaint
  // there, but post the message to be shown after the paint event.
  using TPaintErrorEvent = std::function<void(TEan& sender, const std::string& message)>;

  void Paint(TCanvas& canvas) override;

  // The message of the last paint of the control's own area, empty when it succeeded.
  const std::string& PaintErrorMessage() const { return paintError_; }

  TPaintErrorEvent OnPaintError;

 private:
  void PaintFailed(const std::string& message);

  std::string paintError_;
  std::string reportedFor_;  // symbology, value and message last reported
};

}  // namespace quorvel
