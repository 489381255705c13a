#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/KindDescription.h"

namespace quorvel {

class TLabelObject;

// One row of the property grid: its caption (UTF-8), the value shown and
// the picker of its value cell.
struct TPropertyRow {
  std::string Caption;
  std::string Value;  // UTF-8
  TPicker Picker = TPicker::None;
};

// The grid rows of the object's kind (its description's), in order, with the
// object's values; positions, sizes and font sizes at the zoom.
std::vector<TPropertyRow> PropertyRows(const TLabelObject& object, double zoom);

// Writes the given value cells back into the object (a row without a value
// is left as it is), row by row in order, a leading row (the symbology,
// which resets the value) first. A cell that must be a whole number and is
// none stops with EConvertError, a picture file that cannot be read with
// EPictureError; the rows before it keep their new values. A picture file's
// row shows its picture at once. The element shows the result, also after an
// error (a QR Code draws its symbol again when its text changed).
void ApplyPropertyRows(TLabelObject& object, const std::vector<std::optional<std::string>>& values, double zoom);

// The fourteen symbology names of the symbology list, in order.
const std::vector<std::string>& SymbologyNames();

}  // namespace quorvel
