#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "qrcode/QrTypes.h"

// From segments to the final codeword sequence of a symbol.
namespace quorvel {

// The bit items of the segments: mode indicator, count indicator (length 0
// for the escape modes) and the data. Data segments take their bytes from
// `data` in order; escape segments carry their own values.
std::vector<TQrBitItem> MakeQrBitItems(const std::vector<TQrSegment>& segments, std::string_view data, int version);

// The data codewords: the items, the terminator (up to 4 zero bits), zero
// bits to the byte boundary, then the pad codewords 236 and 17 in turn.
std::vector<std::uint8_t> MakeQrDataCodewords(const std::vector<TQrBitItem>& items, int dataCodewords);

// The final sequence: the data codewords cut into the blocks of the version
// and level, each block's error-correction codewords added, all interleaved.
std::vector<std::uint8_t> InterleaveQrBlocks(const std::vector<std::uint8_t>& dataCodewords, int version,
                                             TQRCode_EccLevel level);

}  // namespace quorvel
