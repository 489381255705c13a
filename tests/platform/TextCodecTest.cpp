#include <gtest/gtest.h>

#include "platform/QtText.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

TEST(TextCodecTest, EveryWindows1252ByteSurvivesTheRoundTripThroughUtf8AndQString) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::string utf8 = Utf8FromCp1252(all);
  EXPECT_TRUE(IsUtf8(utf8));
  EXPECT_TRUE(FitsCp1252(utf8));
  EXPECT_EQ(Cp1252FromUtf8(utf8), all);
  EXPECT_EQ(FromQString(ToQString(utf8)), utf8);
  EXPECT_EQ(CharactersOf(utf8).size(), 256u);
}

TEST(TextCodecTest, MapsTheWindowsCharactersNotLatin1) {
  EXPECT_EQ(Utf8FromCp1252("\x80\x9A\xE4\x9F\x8A" "A"), "€šäŸŠA");
  EXPECT_EQ(Cp1252ByteOf(U'€'), '\x80');
  EXPECT_EQ(Cp1252ByteOf(U'\u0081'), '\x81');  // undefined in the code page: kept as the control
  EXPECT_EQ(Cp1252ByteOf(U'Ł'), std::nullopt);
}

TEST(TextCodecTest, TellsWhichCharacterSetsATextFits) {
  struct {
    std::string Text;
    bool Latin1, Cp1252;
  } cases[] = {{"plain", true, true}, {"Größe ½", true, true}, {"5 €", false, true},
               {"Łódź", false, false}, {"你好", false, false}, {"Gr\xF6\xDF" "e", false, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(FitsLatin1(c.Text), c.Latin1) << c.Text;
    EXPECT_EQ(FitsCp1252(c.Text), c.Cp1252) << c.Text;
  }
  EXPECT_EQ(Latin1FromUtf8("Größe"), "Gr\xF6\xDF" "e");
}

TEST(TextCodecTest, CharactersOutsideTheCodePageOrMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Cp1252FromUtf8("€ ä 中 😀"), "\x80 \xE4 ? ?");
  EXPECT_EQ(Cp1252FromUtf8("\xC3"), "?");            // cut short
  EXPECT_EQ(Cp1252FromUtf8("\xC0\x80"), "??");       // overlong
  EXPECT_EQ(Cp1252FromUtf8("\xED\xA0\x80"), "???");  // surrogate
}

TEST(TextCodecTest, CountsCharactersNotBytes) {
  EXPECT_EQ(CharactersOf("Łódź 你好 😀"), U"Łódź 你好 😀");
  EXPECT_EQ(CharactersOf("a\xFF" "b"), U"a\uFFFDb");
  for (char32_t c : U"AßŁ你😀") EXPECT_EQ(CharactersOf(Utf8Of(c)), std::u32string(1, c));
}

TEST(TextCodecTest, RecognisesWellFormedUtf8) {
  EXPECT_TRUE(IsUtf8("Gr\xC3\xB6\xC3\x9F" "e"));
  EXPECT_TRUE(IsUtf8("plain ascii"));
  EXPECT_FALSE(IsUtf8("Gr\xF6\xDF" "e"));  // Windows-1252
  EXPECT_FALSE(IsUtf8("\xC3"));
}

TEST(TextCodecTest, QuotesTextForMessagesEscapedAndCut) {
  struct {
    std::string Text;
    std::string Quoted;
  } cases[] = {
      {"", "''"},
      {"70,5", "'70,5'"},
      {std::string(3, '\0'), "'\\x00\\x00\\x00'"},
      {"a\tb\r\n\x7F\u0081ä€", "'a\\x09b\\x0D\\x0A\\x7F\\x81ä€'"},
      {"Łódź\xFF", "'Łódź\\xFF'"},
      {std::string(60, 'x'), "'" + std::string(60, 'x') + "'"},
      {std::string(61, 'x'), "'" + std::string(60, 'x') + "…'"},
      {"ö" + std::string(60, 'x'), "'ö" + std::string(59, 'x') + "…'"},  // characters, not bytes
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedForMessage(c.Text), c.Quoted) << c.Text;
}

}  // namespace
}  // namespace quorvel
