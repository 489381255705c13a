#pragma once

#include <QImage>
#include <vector>

#include "support/GreyDecoder.h"

namespace quorvel::test {

// The independent decoder (zxing-cpp) on any Qt image.
std::vector<TDecoded> Decode(const QImage& image, const TDecodeOptions& options = {});
// The one symbol decoded, or an empty Text with Format "none".
TDecoded DecodeOne(const QImage& image, const TDecodeOptions& options = {});

}  // namespace quorvel::test
