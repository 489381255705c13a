#pragma once

#include <string>

namespace quorvel::test {

// Writes a label of 80 x 50 mm holding one object of every kind (and a
// picture file for its picture object) into the folder; returns the label's
// path. The objects in slot order: box, horizontal line, vertical line,
// text, picture, barcode, vertical text, QR Code.
std::string WriteEveryKindLabel(const std::string& folder);

}  // namespace quorvel::test
