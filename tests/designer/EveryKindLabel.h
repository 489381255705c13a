#pragma once

#include <string>

namespace quorvel::test {

// Writes a label of 80 x 50 mm holding one object of every kind (and a
// picture file for its picture object) into the folder; returns the label's
// path. The objects in slot order: box, horizontal line, vertical line,
// text, picture, barcode, vertical text, QR Code.
std::string WriteEveryKindLabel(const std::string& folder);

// Writes a shelf label of 70 x 45 mm into the folder: a framed box, two
// texts, an EAN-13 barcode and a QR Code; returns the label's path.
std::string WriteShelfLabel(const std::string& folder);

}  // namespace quorvel::test
