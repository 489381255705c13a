#include "document/StaticTextControl.h"

#include "document/DesignFont.h"
#include "platform/Canvas.h"

namespace quorvel {

TStaticTextControl::TStaticTextControl() { AdjustSize(); }

void TStaticTextControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  AdjustSize();
  Invalidate();
}

void TStaticTextControl::SetFont(const TFont& font) {
  if (font == font_) return;
  font_ = font;
  AdjustSize();
  Invalidate();
}

void TStaticTextControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Invalidate();
}

void TStaticTextControl::AdjustSize() {
  TTextExtent extent = MeasureDesignText(font_, caption_);
  SetBounds(Left(), Top(), extent.Width, extent.Height);
}

void TStaticTextControl::Paint(TCanvas& canvas) {
  canvas.Brush = {color_, TBrushStyle::bsSolid};
  canvas.FillRect({0, 0, Width(), Height()});
  canvas.Font.Color = font_.Color;
  canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
  TTurnedFontScope designFont(canvas, DesignLogFont(font_));
  canvas.TextOut(0, 0, caption_);
}

}  // namespace quorvel
