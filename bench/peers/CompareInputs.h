#pragma once

// The inputs both sides of an encoder comparison encode: the same bytes
// reach our encoders and the peer libraries.
#include <string>

namespace quorvel::bench {

inline const char* const kUrl30 = "https://www.quorvel.de/a?id=42";

// Label-like text with digits, capitals, lower case and two Latin-1 bytes.
inline std::string MixedBytes(std::size_t length) {
  const std::string pattern = "Artikel 4711-B/12: Gr\xF6\xDF" "e XL, 24,95 EUR; Lager 0815 (Regal 7)\n";
  std::string text;
  while (text.size() < length) text += pattern;
  text.resize(length);
  return text;
}

// 2950 bytes that need byte mode throughout: a version 40 symbol at level L.
inline std::string Version40Payload() {
  std::string text;
  while (text.size() < 2950) text += "gr\xFC\xDF" "e aus k\xF6ln; lager regal sieben, fach drei.\n";
  text.resize(2950);
  return text;
}

inline const char* const kEan13 = "9771210107001";
inline const char* const kCode128 = "Quorvel Etikett 2024";

// 100 characters of label text that cross the PDF417 text sub-modes.
inline std::string Pdf417Text() {
  const std::string sample = "Charge A-17; Preis: 12,50 EUR (inkl. MwSt.) Artikel 0815 / lager@quorvel ";
  std::string text;
  while (text.size() < 100) text += sample;
  return text.substr(0, 100);
}

inline constexpr int kPdf417Columns = 10;

}  // namespace quorvel::bench
