#pragma once

#include <string>

#include "platform/Font.h"

namespace quorvel {

// Texts on the design surface have fonts set up for 254 pixels per inch, so
// that at 100 % one pixel is one design unit (0.1 mm) and a font of 8 points
// has the same size relative to the label as on paper.
inline constexpr int kDesignPixelsPerInch = 254;

// The em height in pixels of a font of that many points at 254 pixels per
// inch, at least 1 and capped far beyond any label.
int DesignFontPixels(int points);

// A font description that draws the font at 254 pixels per inch on a canvas
// of any resolution (select it with TTurnedFontScope).
TLogFont DesignLogFont(const TFont& font);

struct TTextExtent {
  int Width = 0;
  int Height = 0;
};

// The size of one line of text in the font at 254 pixels per inch.
TTextExtent MeasureDesignText(const TFont& font, const std::string& text);

}  // namespace quorvel
