#pragma once

#include "platform/Picture.h"

namespace quorvel {

// What a picture object shows until a picture file has been read.
const TPicture& PicturePlaceholder();

}  // namespace quorvel
