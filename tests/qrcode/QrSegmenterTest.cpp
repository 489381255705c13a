#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "qrcode/QrSegmenter.h"

namespace quorvel {
namespace {

using enum TQrMode;
using enum TQRCode_EncodePolicy;

std::string Repeat(const std::string& s, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += s;
  return result;
}

const std::string kKanji = "\x93\xFA";  // a valid Shift JIS pair

struct TSegmentCase {
  std::string Text;
  int Version;
  TQRCode_EncodePolicy Policy;
  bool Kanji;
  std::vector<TQrSegment> Expected;
  int Bits;
};

std::string Describe(const std::vector<TQrSegment>& segments) {
  std::string s;
  for (const TQrSegment& seg : segments) s += std::to_string(int(seg.Mode)) + ":" + std::to_string(seg.Count) + " ";
  return s;
}

void ExpectSegments(const TSegmentCase& c, int maxSliceLen = 64) {
  TQrSegmentation result = SegmentText(c.Text, c.Version, {c.Policy, maxSliceLen, c.Kanji});
  EXPECT_EQ(Describe(result.Segments), Describe(c.Expected)) << "text \"" << c.Text << "\" version " << c.Version;
  EXPECT_EQ(result.BitCount, c.Bits) << "text \"" << c.Text << "\" version " << c.Version;
}

TEST(QrSegmenterTest, QuickPolicyThresholds) {
  const std::vector<TSegmentCase> cases = {
      {"", 1, epMixingQuick, false, {{qmNumeric, 0}}, 14},
      {"abc123", 1, epMixingQuick, false, {{qmByte, 6}}, 60},
      {"abc1234", 1, epMixingQuick, false, {{qmByte, 3}, {qmNumeric, 4}}, 36 + 28},
      {"AB1234567CD", 1, epMixingQuick, false, {{qmAlphanumeric, 11}}, 74},
      {"12345678", 1, epMixingQuick, false, {{qmNumeric, 8}}, 41},
      {"abcdefghijklmnopq", 1, epMixingQuick, false, {{qmByte, 17}}, 148},
      // Digits before letters: alphanumeric below 7 / 8 / 9 digits.
      {"123456ABC", 1, epMixingQuick, false, {{qmAlphanumeric, 9}}, 4 + 9 + 44 + 6},
      {"1234567ABC", 1, epMixingQuick, false, {{qmNumeric, 7}, {qmAlphanumeric, 3}}, 38 + 30},
      {"1234567ABC", 10, epMixingQuick, false, {{qmAlphanumeric, 10}}, 4 + 11 + 55},
      {"12345678ABC", 27, epMixingQuick, false, {{qmAlphanumeric, 11}}, 4 + 13 + 55 + 6},
      // Digits before other bytes: byte below 4 / 4 / 5.
      {"123a", 1, epMixingQuick, false, {{qmByte, 4}}, 44},
      {"1234a", 1, epMixingQuick, false, {{qmNumeric, 4}, {qmByte, 1}}, 28 + 20},
      {"1234a", 27, epMixingQuick, false, {{qmByte, 5}}, 4 + 16 + 40},
      // Capitals before other bytes: byte below 6 / 7 / 8.
      {"ABCDEa", 1, epMixingQuick, false, {{qmByte, 6}}, 60},
      {"ABCDEFa", 1, epMixingQuick, false, {{qmAlphanumeric, 6}, {qmByte, 1}}, 46 + 20},
      {"ABCDEFa", 10, epMixingQuick, false, {{qmByte, 7}}, 4 + 16 + 56},
      // Inside byte mode: digits between bytes stay below 6 / 8 / 9.
      {"a12345b", 1, epMixingQuick, false, {{qmByte, 7}}, 68},
      {"a123456b", 1, epMixingQuick, false, {{qmByte, 1}, {qmNumeric, 6}, {qmByte, 1}}, 20 + 34 + 20},
      {"a1234567b", 10, epMixingQuick, false, {{qmByte, 9}}, 4 + 16 + 72},
      // Inside byte mode, capitals with digits count as one run: 11 / 15 / 16.
      {"aABC123b", 1, epMixingQuick, false, {{qmByte, 8}}, 76},
      {"aABCDEF12345b", 1, epMixingQuick, false, {{qmByte, 1}, {qmAlphanumeric, 11}, {qmByte, 1}}, 20 + 74 + 20},
      {"aABCDE", 1, epMixingQuick, false, {{qmByte, 6}}, 60},
      {"aABCDEF", 1, epMixingQuick, false, {{qmByte, 1}, {qmAlphanumeric, 6}}, 20 + 46},
      // Inside alphanumeric mode digits stay below 13 / 15 / 17 before letters, 7 / 8 / 9 at the end.
      {"A" + Repeat("1", 12) + "B", 1, epMixingQuick, false, {{qmAlphanumeric, 14}}, 4 + 9 + 77},
      {"A" + Repeat("1", 13) + "B", 1, epMixingQuick, false,
       {{qmAlphanumeric, 1}, {qmNumeric, 13}, {qmAlphanumeric, 1}}, 19 + 4 + 10 + 44 + 19},
      {"A123456", 1, epMixingQuick, false, {{qmAlphanumeric, 7}}, 4 + 9 + 33 + 6},
      {"A1234567", 1, epMixingQuick, false, {{qmAlphanumeric, 1}, {qmNumeric, 7}}, 19 + 38},
      // Kanji: alone, before bytes (5 / 5 / 6), inside bytes (9 / 12 / 13 and 5 / 5 / 6).
      {Repeat(kKanji, 3), 1, epMixingQuick, true, {{qmKanji, 6}}, 4 + 8 + 39},
      {Repeat(kKanji, 4) + "a", 1, epMixingQuick, true, {{qmByte, 9}}, 84},
      {Repeat(kKanji, 5) + "a", 1, epMixingQuick, true, {{qmKanji, 10}, {qmByte, 1}}, 77 + 20},
      {"a" + Repeat(kKanji, 8) + "b", 1, epMixingQuick, true, {{qmByte, 18}}, 156},
      {"a" + Repeat(kKanji, 9) + "b", 1, epMixingQuick, true, {{qmByte, 1}, {qmKanji, 18}, {qmByte, 1}},
       20 + 129 + 20},
      {"a" + Repeat(kKanji, 4), 1, epMixingQuick, true, {{qmByte, 9}}, 84},
      {"a" + Repeat(kKanji, 5), 1, epMixingQuick, true, {{qmByte, 1}, {qmKanji, 10}}, 20 + 77},
      {"12" + kKanji, 1, epMixingQuick, true, {{qmNumeric, 2}, {qmKanji, 2}}, 21 + 25},
      // Without AllowKanjiMode Shift JIS is bytes.
      {Repeat(kKanji, 5), 1, epMixingQuick, false, {{qmByte, 10}}, 92},
      // A lead byte without a valid trail byte is a byte.
      {"\x93" "0", 1, epMixingQuick, true, {{qmByte, 2}}, 28},
  };
  for (const TSegmentCase& c : cases) ExpectSegments(c);
}

TEST(QrSegmenterTest, SingleModeTakesTheFirstModeThatHoldsEveryByte) {
  const std::vector<TSegmentCase> cases = {
      {"0123", 1, epSingleMode, false, {{qmNumeric, 4}}, 28},
      {"ABCDEF", 1, epSingleMode, false, {{qmAlphanumeric, 6}}, 46},
      {"ABCdEF", 1, epSingleMode, false, {{qmByte, 6}}, 60},
      {Repeat(kKanji, 2), 1, epSingleMode, true, {{qmKanji, 4}}, 38},
      // The first pair is Kanji, the second is not.
      {kKanji + "ab", 1, epSingleMode, true, {{qmByte, 4}}, 44},
      {"", 1, epSingleMode, false, {{qmNumeric, 0}}, 14},
  };
  for (const TSegmentCase& c : cases) ExpectSegments(c);
}

TEST(QrSegmenterTest, OptimalPolicySearchesEachSlice) {
  const std::vector<TSegmentCase> cases = {
      {"", 1, epMixingOptimal, false, {{qmNumeric, 0}}, 14},
      {"A1B", 1, epMixingOptimal, false, {{qmAlphanumeric, 3}}, 30},
      {"A" + Repeat("1", 20), 1, epMixingOptimal, false, {{qmAlphanumeric, 1}, {qmNumeric, 20}}, 19 + 81},
      {"a1234b", 1, epMixingOptimal, false, {{qmByte, 6}}, 60},
      // Every slice after the first starts after a byte run.
      {"abc1234", 1, epMixingOptimal, false, {{qmByte, 3}, {qmNumeric, 4}}, 36 + 28},
      {"abc123", 1, epMixingOptimal, false, {{qmByte, 6}}, 60},
      {"A12345678BCDEFG", 1, epMixingOptimal, false, {{qmAlphanumeric, 15}}, 96},
      {Repeat(kKanji, 5) + "a", 1, epMixingOptimal, true, {{qmKanji, 10}, {qmByte, 1}}, 97},
      {Repeat(kKanji, 4) + "a", 1, epMixingOptimal, true, {{qmByte, 9}}, 84},
  };
  for (const TSegmentCase& c : cases) ExpectSegments(c);
}

TEST(QrSegmenterTest, SlicesCutByMaxSliceLenAreJoinedAgain) {
  std::string digits = Repeat("1234567890", 2);
  ExpectSegments({digits, 1, epMixingOptimal, false, {{qmNumeric, 20}}, 81}, 8);
  ExpectSegments({digits, 1, epMixingOptimal, false, {{qmNumeric, 20}}, 81}, 0);
  // A long mixed text stays cheap to search with the default slice length.
  std::string mixed = Repeat("A1b2C3d4E5", 300);
  TQrSegmentation limited = SegmentText(mixed, 40, {epMixingOptimal, 64, false});
  TQrSegmentation quick = SegmentText(mixed, 40, {epMixingQuick, 64, false});
  EXPECT_LE(limited.BitCount, quick.BitCount);
}

TEST(QrSegmenterTest, ItemCountsFollowTheModes) {
  TQrSegmentation s = SegmentText("abc1234", 1, {epMixingQuick, 64, false});
  EXPECT_EQ(s.ItemCount, (2 + 3) + (2 + 2));
  EXPECT_EQ(QrSegmentItems(qmAlphanumeric, 5), 2 + 3);
  EXPECT_EQ(QrSegmentItems(qmKanji, 6), 2 + 3);
}

TEST(QrSegmenterTest, CharacterClassesAndKanjiPairs) {
  EXPECT_EQ(QrCharClass('7'), TQrCharClass::ccDigit);
  for (char c : std::string(" $%*+-./:AZ")) EXPECT_EQ(QrCharClass(c), TQrCharClass::ccAlphanumeric) << c;
  for (int b : {0, int('a'), int('#'), 128, 160, 223, 236, 255}) EXPECT_EQ(QrCharClass(b), TQrCharClass::ccByte) << b;
  for (int b : {129, 159, 224, 235}) EXPECT_EQ(QrCharClass(b), TQrCharClass::ccKanjiLead) << b;
  EXPECT_EQ(QrAlphanumericValue(':'), 44);
  EXPECT_EQ(QrAlphanumericValue(' '), 36);
  EXPECT_EQ(QrAlphanumericValue('a'), 45);
  EXPECT_TRUE(IsQrKanjiPairAt("\x81\x40", 0));
  EXPECT_TRUE(IsQrKanjiPairAt("\x9F\xFC", 0));
  EXPECT_TRUE(IsQrKanjiPairAt("\xEB\xBF", 0));
  EXPECT_FALSE(IsQrKanjiPairAt("\xEB\xC0", 0));
  EXPECT_FALSE(IsQrKanjiPairAt("\x81\x7F", 0));
  EXPECT_FALSE(IsQrKanjiPairAt("\x81\xFD", 0));
  EXPECT_FALSE(IsQrKanjiPairAt("\x81", 0));
}

TEST(QrSegmenterTest, MaxDigitsIsTheDenseBound) {
  EXPECT_EQ(QrMaxDigits(19, 1, 0), 41);      // version 1-L
  EXPECT_EQ(QrMaxDigits(2956, 40, 0), 7089);  // version 40-L
  EXPECT_EQ(QrMaxDigits(1, 1, 0), -1);       // not even the header fits
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// Texts of every kind of byte, escapes and Shift JIS included.
std::string RandomText(std::mt19937& random) {
  static const std::string kAlphabet = "0123456789ABCXYZ $%*+-./:abcxyz\\[],egdfst\x81\x40\x93\xFA\xEB\xC0\xE0\x7F\xFF\x1D";
  std::uniform_int_distribution<int> length(0, 300), pick(0, static_cast<int>(kAlphabet.size()) - 1);
  std::string text(length(random), ' ');
  for (char& c : text) c = kAlphabet[pick(random)];
  return text;
}

TEST(QrSegmenterTest, EveryPolicyCoversEveryByteExactlyOnce) {
  std::mt19937 random(4711);
  for (int i = 0; i < 200; ++i) {
    std::string text = RandomText(random);
    for (TQRCode_EncodePolicy policy : {epMixingOptimal, epMixingQuick, epSingleMode}) {
      for (bool kanji : {false, true}) {
        for (int version : {1, 10, 27}) {
          TQrSegmentation s = SegmentText(text, version, {policy, 8, kanji});
          int covered = 0, bits = 0;
          for (const TQrSegment& segment : s.Segments) {
            if (segment.Mode == qmKanji) {
              for (int k = 0; k < segment.Count; k += 2) EXPECT_TRUE(IsQrKanjiPairAt(text, covered + k));
            }
            covered += segment.Count;
            bits += QrSegmentBits(segment.Mode, segment.Count, version);
          }
          ASSERT_EQ(covered, static_cast<int>(text.size())) << i;
          ASSERT_EQ(bits, s.BitCount) << i;
        }
      }
    }
  }
}

}  // namespace
}  // namespace quorvel
