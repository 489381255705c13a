#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "qrcode/MapMatrix.h"
#include "qrcode/QrEscapes.h"
#include "qrcode/QrTypes.h"

// The QR stages of the encoding pipeline, free of any drawing, so that the
// component and a plain caller share them.
namespace quorvel {

struct TQrOptions {
  int MinVersion = 1;
  int MaxVersion = 40;
  TQRCode_EccLevel EccLevel = TQRCode_EccLevel::elLowest;
  bool EccLevelUpgrade = true;
  bool AllowKanjiMode = false;
  bool AllowEscape = false;
  TQRCode_EncodePolicy EncodePolicy = TQRCode_EncodePolicy::epMixingQuick;
  int MaxSliceLen = 64;
};

// What the QR stages keep between runs.
struct TQrEncodeState {
  int EscCharCount = 0;
  int EscBits = 0;
  int ItemCount = 0;
  int BitCount = 0;
  int SegVersion = 0;  // version the chosen segmentation was made for; 0: none
  std::uint8_t Version = 1;
  std::uint8_t Level = 0;
  int Mask = -1;  // chosen by the last matrix built; -1 before
  TQrEscapedText Escapes;
  // The segmentation of each version group made for this text so far, so
  // that choosing again never segments again.
  std::array<std::optional<TQrSegmentation>, 3> SegmentCache;
  TQrSegmentation Segmentation;  // of the chosen version's group
  std::vector<TQrBitItem> Items;
  std::vector<std::uint8_t> Codewords;  // final, interleaved
};

using TQrSegmentFunction = std::function<TQrSegmentation(int version)>;

// Reads the escapes of the data when escapes are allowed.
void QrScanEscapes(const TQrOptions& options, TQrEncodeState& state, std::string_view data);
// Drops the segmentations made so far.
void QrResetSegmentation(TQrEncodeState& state);
// Whether the data can fit at all: digits are the densest mode.
bool QrCheckLength(const TQrOptions& options, const TQrEncodeState& state, std::string_view data);
// The 1-based position of a bad escape, 0 if none.
int QrCheckCharacters(const TQrOptions& options, const TQrEncodeState& state);
// The segmentation for a version: plain, or around the escapes.
TQrSegmentation QrSegment(const TQrOptions& options, const TQrEncodeState& state, std::string_view data, int version);
// Chooses version and level, segmenting through `segment` at most once per
// version group. Sets tooLong when nothing fits; returns whether the version
// or the level changed.
bool QrChooseSymbol(const TQrOptions& options, TQrEncodeState& state, std::string_view data,
                    const TQrSegmentFunction& segment, bool& tooLong);
void QrBuildCodewords(const TQrOptions& options, TQrEncodeState& state, std::string_view data);
// Builds the matrix on a zeroed matrix of the symbol's size.
void QrBuildMatrix(TQrEncodeState& state, TMapMatrix& matrix);

// The whole chain at once. Result is 0, -1 (too long) or the position of a
// bad escape.
struct TQrSymbol {
  int Result = 0;
  TQrEncodeState State;
  TMapMatrix Matrix;
};
TQrSymbol EncodeQrSymbol(std::string_view data, const TQrOptions& options = {});
// The chain up to the choice of version and level: whether the data fits
// and how large a symbol it takes, without codewords and matrix.
TQrSymbol FitQrSymbol(std::string_view data, const TQrOptions& options = {});

}  // namespace quorvel
