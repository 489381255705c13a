#pragma once

#include <string_view>

#include "qrcode/QrTypes.h"

// Cutting a text into QR segments. The text is a sequence of bytes; no
// character set conversion takes place.
namespace quorvel {

// Every byte belongs to exactly one class; a position past the end of the
// text has class ccEnd.
enum class TQrCharClass : std::uint8_t { ccEnd, ccDigit, ccAlphanumeric, ccByte, ccKanjiLead };

TQrCharClass QrCharClass(unsigned char byte);
TQrCharClass QrCharClassAt(std::string_view text, std::size_t position);

// 0..44 for the 45 characters of alphanumeric mode, 45 for every other byte.
int QrAlphanumericValue(unsigned char byte);

// A Shift JIS lead byte followed by a trail byte of the standard's Kanji
// range (0x8140..0x9FFC and 0xE040..0xEBBF).
bool IsQrKanjiPairAt(std::string_view text, std::size_t position);

// Bits and bit items of one numeric, alphanumeric, byte or Kanji segment.
int QrSegmentBits(TQrMode mode, int count, int version);
int QrSegmentItems(TQrMode mode, int count);
// Appends a segment with its bits and items.
void AddQrSegment(TQrSegmentation& segmentation, TQrMode mode, int count, int version);

// The largest number of digits that fits dataCodewords with extraBits taken
// by other segments; -1 when not even an empty numeric segment fits.
int QrMaxDigits(int dataCodewords, int version, int extraBits);

struct TQrSegmentOptions {
  TQRCode_EncodePolicy Policy = TQRCode_EncodePolicy::epMixingQuick;
  int MaxSliceLen = 64;  // epMixingOptimal: 0 means no limit
  bool AllowKanji = false;
};

// The segments of the text for a version (only its group matters).
TQrSegmentation SegmentText(std::string_view text, int version, const TQrSegmentOptions& options);

}  // namespace quorvel
