#include "barcode/Pdf417.h"

#include <stdexcept>

namespace quorvel {

// Placeholder until the encoder lands; it must not survive into a release.
TPdf417Symbol EncodePdf417(std::string_view, const TPdf417Options&) {
  throw std::logic_error("PDF417 encoder not built yet");
}

int Pdf417MinWidth(std::string_view, const TPdf417Options&) { return 0; }

}  // namespace quorvel
