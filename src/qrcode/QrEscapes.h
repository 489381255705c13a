#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "qrcode/QrSegmenter.h"

// The backslash escapes that let a text carry structured append, ECI and
// FNC1 information (only when escapes are allowed).
namespace quorvel {

struct TQrEscapedText {
  // The data between two ECI escapes, its escapes replaced; an ECI segment
  // may follow it.
  struct TPiece {
    std::string Data;
    bool EciFollows = false;
    TQrSegment Eci;
  };

  int ErrorPosition = 0;  // 1-based position of the first offending character; 0: the syntax is sound
  int EscBits = 0;        // bits of the leading escapes and of every ECI escape
  int EscCharCount = 0;   // data characters; an escape pair other than ECI counts as one
  std::vector<TQrSegment> Leading;  // structured append, ECI, FNC1, in that order
  std::vector<TPiece> Pieces;       // never empty
};

// Reads the escapes. On a syntax error the fields describe the text up to
// the error.
TQrEscapedText ParseQrEscapes(std::string_view text);

// The data bytes without the escapes: pieces joined, ECI left out.
std::string QrUnescapedData(const TQrEscapedText& escaped);

// Bits after the mode indicator of a structured append, ECI or FNC1 segment.
int QrEscapeDataBits(const TQrSegment& segment);

// The leading escapes as segments, then each piece segmented with the ECI
// segments between them.
TQrSegmentation SegmentEscapedText(const TQrEscapedText& escaped, int version, const TQrSegmentOptions& options);

// The exclusive-or of all data bytes, the parity that a structured append
// escape carries. With escapes the text is checked first; an error gives
// its position and the result 0.
int QrChecksum(std::string_view text, bool escapes, int& errorPosition);

}  // namespace quorvel
