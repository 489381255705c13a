#pragma once

#include <cstdint>
#include <vector>

// Plain types of the QR encoder. The encoder includes no Qt, so that it can
// be tested and measured on its own.
namespace quorvel {

enum class TQRCode_EccLevel { elLowest, elMedium, elQuality, elHighest };

enum class TQRCode_EncodePolicy { epMixingOptimal, epMixingQuick, epSingleMode };

// The segment modes with the numbers the encoder uses for them.
enum class TQrMode : std::uint8_t {
  qmNone = 0,
  qmNumeric = 1,
  qmAlphanumeric = 2,
  qmByte = 3,
  qmKanji = 4,
  qmEci = 5,
  qmStructuredAppend = 6,
  qmFnc1First = 7,
  qmFnc1Second = 8
};

// Count: data characters for numeric, alphanumeric and byte; bytes (two per
// character) for Kanji; the text characters of the escape for the others.
// Value carries what an escape segment encodes after its mode indicator:
// the ECI designator, the FNC1 application indicator, or for structured
// append (position - 1) * 16 + (total - 1) in bits 8..15 and the parity in
// bits 0..7.
struct TQrSegment {
  TQrMode Mode = TQrMode::qmNone;
  int Count = 0;
  std::uint32_t Value = 0;
  bool operator==(const TQrSegment&) const = default;
};

struct TQrSegmentation {
  std::vector<TQrSegment> Segments;
  int BitCount = 0;
  int ItemCount = 0;
};

// A value of up to 16 bits written most significant bit first.
struct TQrBitItem {
  std::uint16_t Value = 0;
  std::uint8_t Length = 0;
  bool operator==(const TQrBitItem&) const = default;
};

inline int LevelIndex(TQRCode_EccLevel level) { return static_cast<int>(level); }

}  // namespace quorvel
