#pragma once

#include "platform/Geometry.h"

namespace quorvel {

class TCanvas;
class TLabelDocument;

// Target pixels per millimetre, horizontally and vertically.
struct TScale {
  double X = 1.0;
  double Y = 1.0;
};

// Draws the whole label onto the target with its top-left corner at the
// origin (millimetres), reading the document's values at 100 %. Boxes come
// first (largest first), then lines, texts, vertical texts, pictures and QR
// Codes, and barcodes last, whatever their stacking on the design surface.
// The target is neither cleared nor paged. Errors of a barcode's encoder
// pass to the caller.
void ausgabe_etikett(TLabelDocument& document, TCanvas& target, double originX, double originY, TScale scale);

// Orders BoxOrder by box area, largest first; equal areas keep slot order.
void sortiere_sortarry(TLabelDocument& document);

// The pen width in device pixels of a "Strichstärke" in tenths of a
// millimetre: the width the design surface shows at 100 %, on any target,
// and never less than one pixel.
int PenWidthPixels(int tenthsOfMm, double pixelsPerMm);

// Where a symbol of columns x rows modules goes in a box: each module
// covers the same whole number of pixels, as many as the box allows, and
// the symbol is centred in the box. Along an axis the box does not give
// one pixel per module, the symbol is stretched to the box.
TRect WholeModuleRect(const TRect& box, int columns, int rows);

}  // namespace quorvel
