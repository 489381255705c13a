#include "barcode/BarCodeInfo.h"

#include <array>

namespace quorvel {
namespace {

std::string PrintableAscii() {
  std::string chars;
  for (char c = 0x20; c <= 0x7E; ++c) chars += c;
  return chars;
}

// Code 128: ASCII space to '~' are the values 0 to 94; the eight bytes after
// them stand for DEL, FNC3, FNC2, SHIFT, CODE C, FNC4, CODE A and FNC1.
std::string Code128Chars() { return PrintableAscii() + "\x9A\xE8\x9D\x9E\xFD\xE1\xED\xE9"; }

using enum TTypBarCode;

std::array<TBarCodeInfo, kBarCodeTypeCount> BuildTable() {
  std::array<TBarCodeInfo, kBarCodeTypeCount> table;
  auto row = [&table](TTypBarCode type) -> TBarCodeInfo& { return table[static_cast<int>(type)]; };
  const std::string digits = "0123456789";
  row(bcEan8) = {"EAN 8", "EAN 8 (2 or 5 digit supplement)", "1234567", digits, "Ean8"};
  row(bcEan13) = {"EAN 13", "EAN 13 (2 or 5 digit supplement)", "9771210107001", digits, "Ean13"};
  row(bcCodabar) = {"Codabar", "Codabar (Monarch, NW-7, USD-4, 2 of 7 code)", "A0123+-$/:68A",
                    "0123456789-$:/.+ABCD", "Codabar"};
  row(bcCode39Standard) = {"Code 39 Standard", "Code 39 Standard", "LABEL",
                           "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%", "Code39Standard"};
  row(bcCode39Full) = {"Code 39 Extended", "Code 39 Extended", "LABEL", PrintableAscii() + "\x80", "Code39Full"};
  row(bcCode128) = {"Code 128", "Code 128", "LABEL", Code128Chars(), "Code128"};
  row(bc25Interleaved) = {"2/5 Interleaved (ITF)", "Code25, 2 of 5, ITF", "123456", digits, "25Interleaved"};
  row(bc25Industrial) = {"2/5 Industrial", "Code25, 2/5 Industrial", "123456", digits, "25Industrial"};
  row(bcISBN) = {"ISBN (Bookland)", "ISBN (International Standard Book Number)", "80-7226-102", digits, "ISBN"};
  row(bcJAN8) = {"JAN8", "Japanese version of  EAN 8", "49123456", digits, "JAN8"};
  row(bcJAN13) = {"JAN13", "Japanese version of  EAN 13", "491234567890", digits, "JAN13"};
  row(bcEan128) = {"UCC/EAN 128", "UCC/EAN 128", "EAN 128", Code128Chars(), "Ean128"};
  row(bcCode11) = {"Code 11", "Code 11 (USD-8)", "123456", "0123456789-", "Code11"};
  row(bcPDF417) = {"PDF417", "", "Quorvel PDF417", "", "PDF417"};
  // Members the designer never offers: named only, no example and no
  // accepted characters, so validation refuses any value for them.
  row(bcCode93Standard).Name = "Code 93 Standard";
  row(bcCode93Full).Name = "Code 93 Extended";
  row(bcABCCodabar).Name = "ABC Codabar";
  row(bc25Datalogic).Name = "2/5 Datalogic";
  row(bc25Matrix).Name = "2/5 Matrix";
  row(bc25IATA).Name = "2/5 IATA";
  row(bc25Invert).Name = "2/5 Invert";
  row(bcITF).Name = "ITF-6/14/16";
  row(bcISSN).Name = "ISSN";
  row(bcISMN).Name = "ISMN";
  row(bcUPCA).Name = "UPC-A";
  row(bcUPCE0).Name = "UPC-E0";
  row(bcUPCE1).Name = "UPC-E1";
  row(bcUPCShipping).Name = "UPC Shipping";
  row(bcMSIPlessey).Name = "MSI/Plessey";
  row(bcPostNet).Name = "PostNet";
  row(bcOPC).Name = "OPC";
  row(bc25Coop).Name = "2/5 Coop";
  row(bcPZN).Name = "PZN";
  for (TBarCodeInfo& info : table) {
    if (info.Description.empty() && info.DesignerName.empty()) info.Description = info.Name;
    for (char c : info.Chars) info.Accepted.set(static_cast<unsigned char>(c));
  }
  return table;
}

}  // namespace

const TBarCodeInfo& GetBarCodeInfo(TTypBarCode type) {
  static const std::array<TBarCodeInfo, kBarCodeTypeCount> table = BuildTable();
  return table[static_cast<int>(type)];
}

const std::vector<TTypBarCode>& OfferedBarCodes() {
  static const std::vector<TTypBarCode> offered = {bcEan13, bcEan8, bcEan128, bcCode128, bc25Interleaved,
                                                   bc25Industrial, bcCode39Full, bcCode39Standard, bcJAN13,
                                                   bcJAN8, bcCodabar, bcCode11, bcISBN, bcPDF417};
  return offered;
}

std::optional<TTypBarCode> BarCodeByDesignerName(std::string_view name) {
  for (TTypBarCode type : OfferedBarCodes())
    if (GetBarCodeInfo(type).DesignerName == name) return type;
  return std::nullopt;
}

}  // namespace quorvel
