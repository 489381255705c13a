#pragma once

#include <string>
#include <string_view>
#include <vector>

// The three compaction modes of PDF417; each appends the codewords of its
// input, the mode latch first where the mode has one. Inputs are already
// checked: text holds only tab, line feed, carriage return and 0x20 to 0x7E,
// digits only '0' to '9', hexadecimal only '0' to '9', 'A' to 'F', 'a' to 'f'.
namespace quorvel {

// Text compaction, starting in the Alpha sub-mode, with no latch before it.
void AppendPdf417Text(std::string_view text, std::vector<int>& codewords);

// Byte compaction: latch 924 or 901, groups of 6 bytes as 5 base-900 digits.
void AppendPdf417Bytes(std::string_view bytes, std::vector<int>& codewords);

// Numeric compaction: latch 902, groups of 44 digits with a leading 1 in base 900.
void AppendPdf417Numeric(std::string_view digits, std::vector<int>& codewords);

// Pairs of hexadecimal digits as bytes, the first giving the high four bits;
// an odd count reads as if a '0' led.
std::string Pdf417BytesFromHex(std::string_view hex);

}  // namespace quorvel
