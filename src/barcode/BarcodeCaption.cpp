#include "barcode/BarcodeCaption.h"

#include "barcode/Ean.h"

namespace quorvel {

TBarcodeCaption::TBarcodeCaption(TCustomEAN& owner) : owner_(owner) {}

template <typename T>
void TBarcodeCaption::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  owner_.Invalidate();
}

void TBarcodeCaption::Assign(const TBarcodeCaption& other) {
  if (&other == this) return;
  visible_ = other.visible_;
  text_ = other.text_;
  font_ = other.font_;
  autoSize_ = other.autoSize_;
  alignment_ = other.alignment_;
  autoCaption_ = other.autoCaption_;
  owner_.Invalidate();
}

void TBarcodeCaption::SetVisible(bool visible) { Change(visible_, visible); }
void TBarcodeCaption::SetText(const std::string& text) { Change(text_, text); }
void TBarcodeCaption::SetAutoSize(bool autoSize) { Change(autoSize_, autoSize); }
void TBarcodeCaption::SetAlignment(TAlignment alignment) { Change(alignment_, alignment); }

void TBarcodeCaption::SetFont(const TFont& font) {
  font_ = font;
  owner_.Invalidate();
}

void TBarcodeCaption::SetAutoCaption(bool autoCaption) {
  if (autoCaption == autoCaption_) return;
  autoCaption_ = autoCaption;
  UpdateAutoCaption();
}

void TBarcodeCaption::UpdateAutoCaption() {
  if (!autoCaption_) return;
  const char* prefix = nullptr;
  switch (owner_.TypBarCode()) {
    case TTypBarCode::bcISBN: prefix = "ISBN "; break;
    case TTypBarCode::bcISSN: prefix = "ISSN "; break;
    case TTypBarCode::bcISMN: prefix = "ISMN "; break;
    default: break;
  }
  if (prefix) text_ = prefix + owner_.BarCode().substr(0, 13);
  visible_ = !text_.empty();
  owner_.Invalidate();
}

}  // namespace quorvel
