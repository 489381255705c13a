#pragma once

#include <string>

#include "platform/Color.h"

namespace quorvel {

enum class TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A set of TFontStyle values.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(TFontStyle style) : bits_(static_cast<int>(style)) {}
  constexpr bool Has(TFontStyle style) const { return (bits_ & static_cast<int>(style)) != 0; }
  constexpr TFontStyles With(TFontStyle style, bool on = true) const {
    TFontStyles s;
    s.bits_ = on ? bits_ | static_cast<int>(style) : bits_ & ~static_cast<int>(style);
    return s;
  }
  constexpr friend TFontStyles operator|(TFontStyles a, TFontStyle b) { return a.With(b); }
  constexpr bool operator==(const TFontStyles&) const = default;

 private:
  int bits_ = 0;
};

// A font description; the size in points becomes pixels at the resolution
// of the canvas it is used on.
struct TFont {
  std::string Name = "Arial";
  int Size = 8;
  TFontStyles Style;
  TColor Color = clWindowText;

  bool operator==(const TFont&) const = default;
};

// A font given by raw parameters, turned by an escapement. A negative
// Height asks for that character height (without internal leading), a
// positive one for that cell height; 0 keeps the canvas font's size.
struct TLogFont {
  int Height = 0;
  int Escapement = 0;  // tenths of a degree, counter-clockwise
  int Weight = 400;    // 700 is bold
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  std::string FaceName = "Arial";

  bool operator==(const TLogFont&) const = default;
};

}  // namespace quorvel
