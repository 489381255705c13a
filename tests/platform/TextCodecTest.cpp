#include <gtest/gtest.h>

#include "platform/TextCodec.h"

namespace quorvel {
namespace {

TEST(TextCodecTest, EveryByteSurvivesTheRoundTripThroughQStringAndUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(FromQString(ToQString(all)), all);
  EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
}

TEST(TextCodecTest, MapsTheWindowsCharactersNotLatin1) {
  struct {
    unsigned char Byte;
    char16_t Unicode;
  } cases[] = {{0x80, 0x20AC}, {0x9A, 0x0161}, {0xE4, 0x00E4}, {0x9F, 0x0178}, {0x8A, 0x0160}, {0x41, 'A'}};
  for (const auto& c : cases) {
    QString text = ToQString(std::string(1, static_cast<char>(c.Byte)));
    ASSERT_EQ(text.size(), 1);
    EXPECT_EQ(text[0].unicode(), c.Unicode) << int(c.Byte);
  }
}

TEST(TextCodecTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(FromQString(QString::fromUtf8("a\u4e2db")), "a?b");
  EXPECT_EQ(FromQString(QString::fromUtf8("x\U0001F600y")), "x?y");  // one '?' for a surrogate pair
  EXPECT_EQ(Cp1252FromUtf8("\xE2\x82\xAC \xC3\xA4 \xE4\xB8\xAD"), "\x80 \xE4 ?");
  EXPECT_EQ(Cp1252FromUtf8("\xC3"), "?");          // cut short
  EXPECT_EQ(Cp1252FromUtf8("\xC0\x80"), "??");     // overlong
  EXPECT_EQ(Cp1252FromUtf8("\xED\xA0\x80"), "???");  // surrogate
}

TEST(TextCodecTest, RecognisesUtf8OnlyWhenItHoldsNonAsciiAndIsWellFormed) {
  EXPECT_TRUE(LooksLikeUtf8("Gr\xC3\xB6\xC3\x9F" "e"));
  EXPECT_FALSE(LooksLikeUtf8("plain ascii"));
  EXPECT_FALSE(LooksLikeUtf8("Gr\xF6\xDF" "e"));  // Windows-1252
  EXPECT_FALSE(LooksLikeUtf8("\xC3"));
}

TEST(TextCodecTest, QuotesTextForMessagesEscapedAndCut) {
  struct {
    std::string Text;
    std::string Quoted;
  } cases[] = {
      {"", "''"},
      {"70,5", "'70,5'"},
      {std::string(3, '\0'), "'\\x00\\x00\\x00'"},
      {"a\tb\r\n\x7F\x81\xE4\x80", "'a\\x09b\\x0D\\x0A\\x7F\\x81\xE4\x80'"},
      {std::string(60, 'x'), "'" + std::string(60, 'x') + "'"},
      {std::string(61, 'x'), "'" + std::string(60, 'x') + "\x85'"},
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedForMessage(c.Text), c.Quoted) << c.Text;
}

}  // namespace
}  // namespace quorvel
