#include "document/DesignFont.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Bitmap.h"
#include "platform/Rounding.h"

namespace quorvel {

// A glyph of a metre is more than any label holds; the cap keeps widths of
// long texts within int and font engines out of trouble.
constexpr int kMaxDesignFontPixels = 10000;

int DesignFontPixels(int points) {
  double pixels = std::abs(static_cast<double>(points)) * kDesignPixelsPerInch / 72.0;
  return std::clamp(RoundHalfEven(pixels), 1, kMaxDesignFontPixels);
}

TLogFont DesignLogFont(const TFont& font) {
  TLogFont log;
  log.Height = -DesignFontPixels(font.Size);
  log.Weight = font.Style.Has(TFontStyle::fsBold) ? 700 : 400;
  log.Italic = font.Style.Has(TFontStyle::fsItalic);
  log.Underline = font.Style.Has(TFontStyle::fsUnderline);
  log.StrikeOut = font.Style.Has(TFontStyle::fsStrikeOut);
  log.FaceName = font.Name;
  return log;
}

TTextExtent MeasureDesignText(const TFont& font, const std::string& text) {
  TBitmap scratch(1, 1, kDesignPixelsPerInch);
  TCanvas& canvas = scratch.Canvas();
  TTurnedFontScope designFont(canvas, DesignLogFont(font));
  return {canvas.TextWidth(text), canvas.TextHeight(text)};
}

}  // namespace quorvel
