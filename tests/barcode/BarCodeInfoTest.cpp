#include <gtest/gtest.h>

#include "barcode/BarCodeInfo.h"

namespace quorvel {
namespace {

using enum TTypBarCode;

TEST(BarCodeInfoTest, EnumerationKeepsItsOrdinals) {
  EXPECT_EQ(static_cast<int>(bcEan8), 0);
  EXPECT_EQ(static_cast<int>(bcCode128), 7);
  EXPECT_EQ(static_cast<int>(bc25Interleaved), 10);
  EXPECT_EQ(static_cast<int>(bc25Industrial), 12);
  EXPECT_EQ(static_cast<int>(bcISBN), 16);
  EXPECT_EQ(static_cast<int>(bcJAN8), 23);
  EXPECT_EQ(static_cast<int>(bcJAN13), 24);
  EXPECT_EQ(static_cast<int>(bcEan128), 28);
  EXPECT_EQ(static_cast<int>(bcCode11), 30);
  EXPECT_EQ(static_cast<int>(bcPDF417), 32);
  EXPECT_EQ(static_cast<int>(TLastPaintError::erSmallPaintBox), 4);
  EXPECT_EQ(static_cast<int>(TLastPaintError::erEmptyCode), 10);
}

struct TRow {
  TTypBarCode Type;
  const char* DesignerName;
  const char* Name;
  const char* Description;
  const char* Example;
  const char* Chars;  // nullptr: checked separately
};

const TRow kRows[] = {
    {bcEan8, "Ean8", "EAN 8", "EAN 8 (2 or 5 digit supplement)", "1234567", "0123456789"},
    {bcEan13, "Ean13", "EAN 13", "EAN 13 (2 or 5 digit supplement)", "9771210107001", "0123456789"},
    {bcCodabar, "Codabar", "Codabar", "Codabar (Monarch, NW-7, USD-4, 2 of 7 code)", "A0123+-$/:68A",
     "0123456789-$:/.+ABCD"},
    {bcCode39Standard, "Code39Standard", "Code 39 Standard", "Code 39 Standard", "LABEL",
     "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%"},
    {bcCode39Full, "Code39Full", "Code 39 Extended", "Code 39 Extended", "LABEL", nullptr},
    {bcCode128, "Code128", "Code 128", "Code 128", "LABEL", nullptr},
    {bc25Interleaved, "25Interleaved", "2/5 Interleaved (ITF)", "Code25, 2 of 5, ITF", "123456", "0123456789"},
    {bc25Industrial, "25Industrial", "2/5 Industrial", "Code25, 2/5 Industrial", "123456", "0123456789"},
    {bcISBN, "ISBN", "ISBN (Bookland)", "ISBN (International Standard Book Number)", "80-7226-102", "0123456789"},
    {bcJAN8, "JAN8", "JAN8", "Japanese version of  EAN 8", "49123456", "0123456789"},
    {bcJAN13, "JAN13", "JAN13", "Japanese version of  EAN 13", "491234567890", "0123456789"},
    {bcEan128, "Ean128", "UCC/EAN 128", "UCC/EAN 128", "EAN 128", nullptr},
    {bcCode11, "Code11", "Code 11", "Code 11 (USD-8)", "123456", "0123456789-"},
    {bcPDF417, "PDF417", "PDF417", "", "Quorvel PDF417", ""},
};

TEST(BarCodeInfoTest, OfferedRowsAreExactlyAsTabled) {
  for (const TRow& row : kRows) {
    SCOPED_TRACE(row.Name);
    const TBarCodeInfo& info = GetBarCodeInfo(row.Type);
    EXPECT_EQ(info.DesignerName, row.DesignerName);
    EXPECT_EQ(info.Name, row.Name);
    EXPECT_EQ(info.Description, row.Description);
    EXPECT_EQ(info.Example, row.Example);
    if (row.Chars) {
      EXPECT_EQ(info.Chars, row.Chars);
    }
    EXPECT_EQ(BarCodeByDesignerName(row.DesignerName), row.Type);
  }
}

TEST(BarCodeInfoTest, WideCharacterSetsAreInTheirValueOrder) {
  std::string ascii;
  for (int c = 0x20; c <= 0x7E; ++c) ascii += static_cast<char>(c);
  EXPECT_EQ(GetBarCodeInfo(bcCode39Full).Chars, ascii + "\x80");
  const std::string code128 = ascii + "\x9A\xE8\x9D\x9E\xFD\xE1\xED\xE9";
  EXPECT_EQ(GetBarCodeInfo(bcCode128).Chars, code128);
  EXPECT_EQ(GetBarCodeInfo(bcCode128).Chars.size(), 103u);
  EXPECT_EQ(GetBarCodeInfo(bcEan128).Chars, code128);
}

TEST(BarCodeInfoTest, DesignerListHasTheFourteenInItsOrder) {
  std::vector<std::string> names;
  for (TTypBarCode type : OfferedBarCodes()) names.push_back(GetBarCodeInfo(type).DesignerName);
  EXPECT_EQ(names, (std::vector<std::string>{"Ean13", "Ean8", "Ean128", "Code128", "25Interleaved", "25Industrial",
                                             "Code39Full", "Code39Standard", "JAN13", "JAN8", "Codabar", "Code11",
                                             "ISBN", "PDF417"}));
  EXPECT_FALSE(BarCodeByDesignerName("ean13"));  // case-sensitive
  EXPECT_FALSE(BarCodeByDesignerName(""));
  EXPECT_TRUE(GetBarCodeInfo(bcUPCA).DesignerName.empty());
  EXPECT_TRUE(GetBarCodeInfo(bcUPCA).Chars.empty());
}

}  // namespace
}  // namespace quorvel
