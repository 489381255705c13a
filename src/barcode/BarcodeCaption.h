#pragma once

#include <string>

#include "platform/Font.h"

namespace quorvel {

class TCustomEAN;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// One line of free text above or below the bars, owned by its barcode.
// Changes that show request a repaint of the owner.
class TBarcodeCaption {
 public:
  explicit TBarcodeCaption(TCustomEAN& owner);
  TBarcodeCaption(const TBarcodeCaption&) = delete;
  TBarcodeCaption& operator=(const TBarcodeCaption&) = delete;

  // Copies the other caption's fields into this one; the owner stays.
  void Assign(const TBarcodeCaption& other);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  const TFont& Font() const { return font_; }
  // Always repaints, as any change of a font attribute does.
  void SetFont(const TFont& font);
  bool AutoSize() const { return autoSize_; }  // fit the text to the width of the bars
  void SetAutoSize(bool autoSize);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool AutoCaption() const { return autoCaption_; }
  void SetAutoCaption(bool autoCaption);

  // With AutoCaption: "ISBN " and the first 13 characters of an ISBN value
  // become the text; the caption shows when it has text.
  void UpdateAutoCaption();

 private:
  static TFont CaptionFont() {
    TFont font;
    font.Size = 10;
    return font;
  }
  template <typename T>
  void Change(T& field, const T& value);

  TCustomEAN& owner_;
  bool visible_ = true;
  std::string text_;
  TFont font_ = CaptionFont();
  bool autoSize_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool autoCaption_ = false;
};

}  // namespace quorvel
