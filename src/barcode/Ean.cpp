#include "barcode/Ean.h"

#include <algorithm>

#include "barcode/BarCodeEncoder.h"
#include "barcode/CheckDigits.h"
#include "barcode/Pdf417.h"

namespace quorvel {

namespace {
constexpr int kInitialHeight = 80;
constexpr int kInitialMargin = 20;
}  // namespace

TCustomEAN::TCustomEAN() {
  int width = static_cast<int>(EncodeBarCode(barCode_).Modules.size()) + kInitialMargin;
  SetBounds(0, 0, std::max(width, PDF417MinWidth()), kInitialHeight);
}

TCustomEAN::~TCustomEAN() = default;

void TCustomEAN::SetBarCode(const std::string& value) {
  if (value == barCode_) return;
  barCode_ = CompleteCheckDigit(typBarCode_, value);
  caption_.UpdateAutoCaption();
  Invalidate();
  if (OnChangeBarCode) OnChangeBarCode(*this);
}

void TCustomEAN::SetTypBarCode(TTypBarCode value) {
  if (value == typBarCode_) return;
  typBarCode_ = value;
  SetBarCode(GetBarCodeInfo(value).Example);
  caption_.SetAutoCaption(false);
  WidenToPdf417MinWidth();
  if (OnChangeTypCode) OnChangeTypCode(*this);
  Invalidate();
}

void TCustomEAN::SetAngle(int value) {
  if (value == angle_) return;
  angle_ = value / 90 * 90 % 360;
  Invalidate();
}

void TCustomEAN::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  if (autoSize_) WidenToPdf417MinWidth();
}

void TCustomEAN::WidenToPdf417MinWidth() {
  int minWidth = PDF417MinWidth();
  if (Width() < minWidth) SetWidth(minWidth);
}

int TCustomEAN::PDF417MinWidth() const { return Pdf417MinWidth(barCode_, pdf417_.Options()); }

void TCustomEAN::RecordValidation(const TValidation& validation) {
  lastPaintError_ = validation.Error;
  if (validation.Error == TLastPaintError::erCharOutOfSet || validation.Error == TLastPaintError::erCharMustBeSpace)
    errorPosition_ = validation.ErrorPosition;
  if (validation.Error == TLastPaintError::erCharOutOfSet) errorChar_ = validation.ErrorChar;
}

bool TCustomEAN::BarCodeValid(const std::string& value) {
  TValidation validation = ValidateBarCode(typBarCode_, value);
  RecordValidation(validation);
  return validation.Valid();
}

TModuleString TCustomEAN::EncodeBarCode(const std::string& value) {
  TEncodedBarCode encoded = quorvel::EncodeBarCode(typBarCode_, value, {showLabels_, autoCheckDigit_});
  RecordValidation(encoded.Validation);
  return encoded.Symbol;
}

void TEan::Paint(TCanvas& canvas) {
  // Paint events must never see an exception: keep the message instead.
  try {
    PaintTo(canvas, {0, 0, Width(), Height()});
    paintError_.clear();
    reportedFor_.clear();
  } catch (const std::exception& error) {
    PaintFailed(error.what());
  } catch (...) {
    PaintFailed("Der Barcode kann nicht gezeichnet werden");
  }
}

void TEan::PaintFailed(const std::string& message) {
  paintError_ = message;
  std::string key = std::to_string(static_cast<int>(TypBarCode())) + '\n' + BarCode() + '\n' + message;
  if (key == reportedFor_) return;
  reportedFor_ = key;
  if (OnPaintError) OnPaintError(*this, message);
}

}  // namespace quorvel
