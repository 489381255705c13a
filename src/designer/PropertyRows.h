#pragma once

#include <string>
#include <vector>

#include "document/ObjectKind.h"

namespace quorvel {

class TLabelObject;

// The picker a value cell offers when it is selected.
enum class TPicker { None, YesNo, Symbology, Colour, Font, PictureFile };

// One row of the property grid: its caption (UTF-8), the value shown and
// the picker of its value cell.
struct TPropertyRow {
  std::string Caption;
  std::string Value;  // Windows-1252
  TPicker Picker = TPicker::None;
};

// The rows of the object's kind, in order, with the object's values;
// positions and sizes at the zoom.
std::vector<TPropertyRow> PropertyRows(const TLabelObject& object, double zoom);

// The captions of the kind's rows, in order (UTF-8).
std::vector<std::string> PropertyCaptions(TObjectKind kind);

// Writes the value cells back into the object, row by row in order. A cell
// that must be a whole number and is none stops with EConvertError; the
// rows before it keep their new values. A QR Code is only applied when it
// is the current object (current), and draws its symbol again only when
// its text changed. The element shows the result, also after an error.
void ApplyPropertyRows(TLabelObject& object, const std::vector<std::string>& values, double zoom, bool current);

// The fourteen symbology names of the symbology list, in order.
const std::vector<std::string>& SymbologyNames();

}  // namespace quorvel
