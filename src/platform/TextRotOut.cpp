#include "platform/TextRotOut.h"

#include <algorithm>

#include "platform/Canvas.h"

namespace quorvel {

// Far beyond any label; keeps the negation and the font engine in range.
constexpr int kMaxCharacterHeight = 100000;

void TextRotOut(TCanvas& canvas, int x, int y, int angle, const std::string& faceName, int characterHeight,
                TFontStyles style, const std::string& text) {
  if (text.empty()) return;
  canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
  TLogFont font;
  font.Height = -std::clamp(characterHeight, -kMaxCharacterHeight, kMaxCharacterHeight);
  // Escapement is in tenths of a degree; whole turns are dropped so that no
  // angle can overflow it.
  font.Escapement = angle % 360 * 10;
  font.Weight = style.Has(TFontStyle::fsBold) ? 700 : 400;
  font.Italic = style.Has(TFontStyle::fsItalic);
  font.Underline = style.Has(TFontStyle::fsUnderline);
  font.StrikeOut = style.Has(TFontStyle::fsStrikeOut);
  font.FaceName = faceName;
  TTurnedFontScope turned(canvas, font);
  canvas.TextOut(x, y, text);
}

}  // namespace quorvel
