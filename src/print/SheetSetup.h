#pragma once

#include <string>

namespace quorvel {

class TLabelPrinting;
struct TSheetLayout;

// Choosing an entry of "Zweckform-Auswahl": a preset's label size and
// arrangement with gaps "0", then margins that centre the grid of labels on
// the printable area (gaps left out), one decimal in the user's notation.
// Another entry only recomputes the margins. A field that is not a number
// throws EConvertError; the margins then keep their old texts.
void ApplySheetPreset(TSheetLayout& layout, const std::string& entry);

// "Blattgröße ermitteln": a portrait page with two long lines and the
// instructions to measure them.
void PrintCalibrationSheet(TLabelPrinting& printing);

}  // namespace quorvel
