#pragma once

#include <cstdint>
#include <span>

#include "qrcode/MapMatrix.h"
#include "qrcode/QrTypes.h"

// The module matrix of a QR symbol: function patterns, data placement,
// masking, format and version information.
namespace quorvel {

// Module values; bit 0 is the colour.
enum TQrModuleKind : std::uint8_t {
  qkData = 0,
  qkDarkModule = 4,
  qkVersion = 8,
  qkFormat = 16,
  qkAlignment = 32,
  qkTiming = 64,
  qkFinder = 128
};

// 15 bits: level and mask with their BCH bits, masked with 0x5412.
std::uint16_t QrFormatBits(TQRCode_EccLevel level, int mask);
// 18 bits: the version with its BCH bits (versions 7 and up).
std::uint32_t QrVersionBits(int version);

// Finders with separators, timing, alignment, format information for mask 0,
// version information and the dark module, on a zeroed matrix of the
// version's size.
void DrawQrFunctionPatterns(TMapMatrix& matrix, int version);
void WriteQrFormat(TMapMatrix& matrix, TQRCode_EccLevel level, int mask);
// The codewords' bits, most significant first, then zero remainder bits,
// into the data modules in the standard's zigzag order.
void PlaceQrCodewords(TMapMatrix& matrix, std::span<const std::uint8_t> codewords);
// Inverts the data modules where the mask's condition holds; applying the
// same mask again removes it.
void ApplyQrMask(TMapMatrix& matrix, int mask);
// The balance rule: twice the distance of the dark share (in percent) from
// 50, rounded halves to even.
int QrBalancePenalty(int darkModules, int allModules);
// The penalty of the matrix as it stands, by the program's own rules.
int QrPenalty(const TMapMatrix& matrix);
// Tries the eight masks, writes the format information of the one with the
// lowest penalty (the lowest number on a tie), applies it and returns it.
int ChooseQrMask(TMapMatrix& matrix, TQRCode_EccLevel level);

// Everything above on a zeroed matrix of the version's size; returns the
// chosen mask.
int BuildQrMatrix(TMapMatrix& matrix, int version, TQRCode_EccLevel level, std::span<const std::uint8_t> codewords);

}  // namespace quorvel
