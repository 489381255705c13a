#pragma once

#include <span>

#include "qrcode/QrTypes.h"

// The capacity tables of QR Code model 2, versions 1 to 40.
namespace quorvel {

constexpr int kQrMinVersion = 1;
constexpr int kQrMaxVersion = 40;

// The three version groups that decide count indicator widths and every
// segmentation threshold: 0 for versions 1..9, 1 for 10..26, 2 for 27..40.
int QrVersionGroup(int version);

constexpr int QrSymbolSize(int version) { return 4 * version + 17; }

// Bits of the character count indicator; 0 for the modes that have none.
int QrCountIndicatorBits(TQrMode mode, int version);

// The 4-bit mode indicator.
int QrModeIndicator(TQrMode mode);

// The error-correction blocks of one version and level. The first
// ShortBlocks blocks hold ShortBlockData data codewords, the others one more.
struct TQrBlockLayout {
  int TotalCodewords = 0;
  int DataCodewords = 0;
  int Blocks = 0;
  int EccPerBlock = 0;
  int ShortBlocks = 0;
  int ShortBlockData = 0;
};
TQrBlockLayout QrBlockLayout(int version, TQRCode_EccLevel level);

int QrTotalCodewords(int version);
int QrDataCodewords(int version, TQRCode_EccLevel level);
// Data modules left over after the last whole codeword.
int QrRemainderBits(int version);

// Row and column coordinates of the alignment pattern centres; empty for
// version 1.
std::span<const int> QrAlignmentCentres(int version);

}  // namespace quorvel
