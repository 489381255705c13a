#pragma once

#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/BarCodeTypes.h"

namespace quorvel {

// One row of the symbology table. Chars is in the order that gives the
// Codabar and Code 128 character values (the 0-based position).
struct TBarCodeInfo {
  std::string Name;
  std::string Description;
  std::string Example;  // the value a change to this symbology sets
  std::string Chars;    // the accepted bytes (Windows-1252)
  std::string DesignerName;  // the word of the designer's list and the label file; empty when not offered
  std::bitset<256> Accepted;  // the bytes of Chars, for checking a value without a search per byte

  bool Accepts(char c) const { return Accepted[static_cast<unsigned char>(c)]; }
};

const TBarCodeInfo& GetBarCodeInfo(TTypBarCode type);

// The fourteen symbologies the designer offers, in the order of its list.
const std::vector<TTypBarCode>& OfferedBarCodes();
// Exact, case-sensitive match against the offered designer names.
std::optional<TTypBarCode> BarCodeByDesignerName(std::string_view name);

}  // namespace quorvel
