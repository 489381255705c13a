#pragma once

#include <string>

#include "platform/Font.h"

namespace quorvel {

class TCanvas;

// Draws one line of text turned by `angle` whole degrees counter-clockwise,
// with the unturned text cell's top-left corner at (x, y), in the canvas's
// current font colour over a transparent background. The character height
// is in device pixels (without internal leading). An empty text draws nothing.
// The canvas keeps the transparent background mode afterwards.
void TextRotOut(TCanvas& canvas, int x, int y, int angle, const std::string& faceName, int characterHeight,
                TFontStyles style, const std::string& text);

}  // namespace quorvel
