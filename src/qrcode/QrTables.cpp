#include "qrcode/QrTables.h"

#include <array>

namespace quorvel {
namespace {

// Error-correction codewords per block, by level L, M, Q, H and version.
constexpr std::array<std::array<int, 40>, 4> kEccPerBlock = {{
    {7, 10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
}};

// Number of error-correction blocks, by level L, M, Q, H and version.
constexpr std::array<std::array<int, 40>, 4> kBlockCount = {{
    {1, 1, 1, 1, 1, 2, 2, 2, 2, 4, 4, 4, 4, 4, 6, 6, 6, 6, 7, 8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {1, 1, 1, 2, 2, 4, 4, 4, 5, 5, 5, 8, 9, 9, 10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {1, 1, 2, 2, 4, 4, 6, 6, 8, 8, 8, 10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {1, 1, 2, 4, 4, 4, 5, 6, 8, 8, 11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
}};

// Alignment pattern centre coordinates by version; unused places are 0.
constexpr std::array<std::array<int, 7>, 40> kAlignmentCentres = {{
    {},
    {6, 18},
    {6, 22},
    {6, 26},
    {6, 30},
    {6, 34},
    {6, 22, 38},
    {6, 24, 42},
    {6, 26, 46},
    {6, 28, 50},
    {6, 30, 54},
    {6, 32, 58},
    {6, 34, 62},
    {6, 26, 46, 66},
    {6, 26, 48, 70},
    {6, 26, 50, 74},
    {6, 30, 54, 78},
    {6, 30, 56, 82},
    {6, 30, 58, 86},
    {6, 34, 62, 90},
    {6, 28, 50, 72, 94},
    {6, 26, 50, 74, 98},
    {6, 30, 54, 78, 102},
    {6, 28, 54, 80, 106},
    {6, 32, 58, 84, 110},
    {6, 30, 58, 86, 114},
    {6, 34, 62, 90, 118},
    {6, 26, 50, 74, 98, 122},
    {6, 30, 54, 78, 102, 126},
    {6, 26, 52, 78, 104, 130},
    {6, 30, 56, 82, 108, 134},
    {6, 34, 60, 86, 112, 138},
    {6, 30, 58, 86, 114, 142},
    {6, 34, 62, 90, 118, 146},
    {6, 30, 54, 78, 102, 126, 150},
    {6, 24, 50, 76, 102, 128, 154},
    {6, 28, 54, 80, 106, 132, 158},
    {6, 32, 58, 84, 110, 136, 162},
    {6, 26, 54, 82, 110, 138, 166},
    {6, 30, 58, 86, 114, 142, 170},
}};

int AlignmentCount(int version) {
  const auto& row = kAlignmentCentres[version - 1];
  int count = 0;
  while (count < 7 && row[count] != 0) ++count;
  return count;
}

// Modules left for data: everything but finders with separators, format
// information with the dark module, timing, alignment and version patterns.
int DataModules(int version) {
  int n = QrSymbolSize(version);
  int k = AlignmentCount(version);
  int alignment = k == 0 ? 0 : 25 * (k * k - 3) - 10 * (k - 2);  // those on row or column 6 share 5 timing modules
  int versionInfo = version >= 7 ? 36 : 0;
  return n * n - 3 * 64 - 31 - 2 * (n - 16) - alignment - versionInfo;
}

}  // namespace

int QrVersionGroup(int version) { return version <= 9 ? 0 : version <= 26 ? 1 : 2; }

int QrCountIndicatorBits(TQrMode mode, int version) {
  static constexpr int kBits[4][3] = {{10, 12, 14}, {9, 11, 13}, {8, 16, 16}, {8, 10, 12}};
  switch (mode) {
    case TQrMode::qmNumeric:
    case TQrMode::qmAlphanumeric:
    case TQrMode::qmByte:
    case TQrMode::qmKanji: return kBits[static_cast<int>(mode) - 1][QrVersionGroup(version)];
    default: return 0;
  }
}

int QrModeIndicator(TQrMode mode) {
  switch (mode) {
    case TQrMode::qmNumeric: return 0b0001;
    case TQrMode::qmAlphanumeric: return 0b0010;
    case TQrMode::qmByte: return 0b0100;
    case TQrMode::qmKanji: return 0b1000;
    case TQrMode::qmEci: return 0b0111;
    case TQrMode::qmStructuredAppend: return 0b0011;
    case TQrMode::qmFnc1First: return 0b0101;
    case TQrMode::qmFnc1Second: return 0b1001;
    case TQrMode::qmNone: break;
  }
  return 0;
}

int QrTotalCodewords(int version) { return DataModules(version) / 8; }

int QrRemainderBits(int version) { return DataModules(version) % 8; }

TQrBlockLayout QrBlockLayout(int version, TQRCode_EccLevel level) {
  TQrBlockLayout layout;
  layout.TotalCodewords = QrTotalCodewords(version);
  layout.Blocks = kBlockCount[LevelIndex(level)][version - 1];
  layout.EccPerBlock = kEccPerBlock[LevelIndex(level)][version - 1];
  layout.DataCodewords = layout.TotalCodewords - layout.Blocks * layout.EccPerBlock;
  layout.ShortBlocks = layout.Blocks - layout.TotalCodewords % layout.Blocks;
  layout.ShortBlockData = layout.TotalCodewords / layout.Blocks - layout.EccPerBlock;
  return layout;
}

int QrDataCodewords(int version, TQRCode_EccLevel level) { return QrBlockLayout(version, level).DataCodewords; }

std::span<const int> QrAlignmentCentres(int version) {
  return std::span<const int>(kAlignmentCentres[version - 1].data(), AlignmentCount(version));
}

}  // namespace quorvel
