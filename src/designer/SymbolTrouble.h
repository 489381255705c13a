#pragma once

#include <string>

namespace quorvel {

class TControl;
class TLabelDocument;
class TLabelObject;

// Why a barcode or QR Code on the design surface shows hatched (invalid
// value, box too small, text too long), as "name: reason"; empty when it
// is fine.
std::string SymbolTrouble(const TLabelDocument& document, const TLabelObject& object);

// A surface element's tooltip: its object's trouble if it has one, else
// the element's own hint.
std::string SurfaceHint(const TLabelDocument& document, const TControl& element);

}  // namespace quorvel
