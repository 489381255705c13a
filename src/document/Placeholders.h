#pragma once

#include "platform/Picture.h"

namespace quorvel {

// What a picture object shows until a picture file has been read.
const TPicture& PicturePlaceholder();

// What a QR Code object shows before its encoder first draws.
const TPicture& QrPlaceholder();

}  // namespace quorvel
