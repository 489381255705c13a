#pragma once

#include <string>

#include "platform/Control.h"
#include "platform/Font.h"

namespace quorvel {

// The element of a text object: one line of text on an opaque background,
// its font set up for 254 pixels per inch whatever the canvas it is painted
// on, and its size following the text.
class TStaticTextControl : public TControl {
 public:
  TStaticTextControl();

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // Face, size in points at 254 pixels per inch, style and text colour.
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  void Paint(TCanvas& canvas) override;

 private:
  void AdjustSize();

  std::string caption_;
  TFont font_;
  TColor color_ = clWhite;
};

}  // namespace quorvel
