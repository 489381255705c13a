#include <gtest/gtest.h>

#include "document/ColorText.h"
#include "document/ObjectKind.h"

namespace quorvel {
namespace {

TEST(ColorTextTest, ColourTextsAreRedGreenBlueInUpperCase) {
  const std::pair<TColor, const char*> kCases[] = {
      {clBlack, "000000"}, {clWhite, "FFFFFF"}, {clRed, "FF0000"},
      {clBlue, "0000FF"},  {clLime, "00FF00"},  {RGB(0x12, 0xAB, 0x0C), "12AB0C"},
  };
  for (const auto& [color, text] : kCases) {
    EXPECT_EQ(set_farbe(color), text);
    EXPECT_EQ(back_farbe(text), color) << text;
  }
}

TEST(ColorTextTest, ReadingNeverFails) {
  EXPECT_EQ(back_farbe("12ab0c"), RGB(0x12, 0xAB, 0x0C));  // lower case reads too
  EXPECT_EQ(back_farbe("FF"), clRed);                      // missing digits count 0
  EXPECT_EQ(back_farbe(""), clBlack);
  EXPECT_EQ(back_farbe("GZ00FF"), clBlue);                  // no digit counts 0
  EXPECT_EQ(back_farbe("0000FF99"), clBlue);                // beyond six ignored
}

TEST(ObjectKindTest, CodesKeywordsAndNames) {
  const std::tuple<TObjectKind, const char*, const char*> kKinds[] = {
      {TObjectKind::okBox, "1", "box"},     {TObjectKind::okHLine, "2", "linh"},
      {TObjectKind::okVLine, "3", "linv"},  {TObjectKind::okText, "4", "text"},
      {TObjectKind::okPicture, "5", "bild"}, {TObjectKind::okBarcode, "6", "bar"},
      {TObjectKind::okVerticalText, "7", "stext"}, {TObjectKind::okQrCode, "8", "qr"},
  };
  for (const auto& [kind, code, keyword] : kKinds) {
    EXPECT_EQ(KindFromCode(code), kind);
    EXPECT_EQ(Keyword(kind), keyword);
  }
  for (const char* bad : {"", "0", "9", "01", "1 ", " 1", "+1", "x"}) EXPECT_FALSE(KindFromCode(bad)) << bad;
  EXPECT_EQ(ObjectName(TObjectKind::okBox, 1), "box01");
  EXPECT_EQ(ObjectName(TObjectKind::okBox, 10), "box10");
  EXPECT_EQ(ObjectName(TObjectKind::okText, 12), "text12");
  EXPECT_EQ(ObjectName(TObjectKind::okQrCode, 100), "qr100");
}

}  // namespace
}  // namespace quorvel
