#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "qrcode/QrCodewords.h"
#include "qrcode/QrEncoder.h"
#include "qrcode/QrMatrix.h"
#include "qrcode/QrTables.h"
#include "qrcode/ReedSolomon.h"

namespace quorvel {
namespace {

using enum TQRCode_EccLevel;
using Bytes = std::vector<std::uint8_t>;

int CountModules(const TMapMatrix& m, auto predicate) {
  int count = 0;
  for (int r = 0; r < m.Rows(); ++r)
    for (int c = 0; c < m.Columns(); ++c) count += predicate(m(r, c)) ? 1 : 0;
  return count;
}

TMapMatrix FunctionPatterns(int version) {
  TMapMatrix m;
  m.Reset(QrSymbolSize(version), QrSymbolSize(version));
  DrawQrFunctionPatterns(m, version);
  return m;
}

TEST(QrSymbolTest, CodewordTotalsAndRemainderBits) {
  struct TCase {
    int Version, Total, Remainder;
  };
  for (TCase c : {TCase{1, 26, 0}, {2, 44, 7}, {7, 196, 0}, {14, 581, 3}, {21, 1156, 4}, {28, 1921, 3},
                  {35, 2876, 0}, {40, 3706, 0}}) {
    EXPECT_EQ(QrTotalCodewords(c.Version), c.Total) << c.Version;
    EXPECT_EQ(QrRemainderBits(c.Version), c.Remainder) << c.Version;
  }
  // The counts agree with the modules that the function patterns leave free.
  for (int v = kQrMinVersion; v <= kQrMaxVersion; ++v) {
    int free = CountModules(FunctionPatterns(v), [](std::uint8_t value) { return value < 4; });
    EXPECT_EQ(free, 8 * QrTotalCodewords(v) + QrRemainderBits(v)) << v;
  }
}

TEST(QrSymbolTest, DataCodewordsAndBlocks) {
  EXPECT_EQ(QrDataCodewords(1, elLowest), 19);
  EXPECT_EQ(QrDataCodewords(1, elHighest), 9);
  EXPECT_EQ(QrDataCodewords(10, elMedium), 216);
  EXPECT_EQ(QrDataCodewords(40, elLowest), 2956);
  TQrBlockLayout q5 = QrBlockLayout(5, elQuality);
  EXPECT_EQ(q5.Blocks, 4);
  EXPECT_EQ(q5.ShortBlocks, 2);
  EXPECT_EQ(q5.ShortBlockData, 15);
  EXPECT_EQ(q5.EccPerBlock, 18);
  TQrBlockLayout h40 = QrBlockLayout(40, elHighest);
  EXPECT_EQ(h40.DataCodewords, 1276);
  EXPECT_EQ(h40.ShortBlocks, 20);
  EXPECT_EQ(h40.ShortBlockData, 15);
}

TEST(QrSymbolTest, GeneratorPolynomialOfSevenCodewords) {
  Bytes g = RsGenerator(7);
  std::vector<int> logs;
  for (std::uint8_t coefficient : g) logs.push_back(GfLog(coefficient));
  EXPECT_EQ(logs, (std::vector<int>{0, 87, 229, 146, 149, 238, 102, 21}));
}

Bytes Codewords(const std::string& text, TQRCode_EccLevel level) {
  TQrOptions options;
  options.MaxVersion = 1;
  options.EccLevel = level;
  options.EccLevelUpgrade = false;
  return EncodeQrSymbol(text, options).State.Codewords;
}

// The worked examples of the standard and of common QR literature.
TEST(QrSymbolTest, CodewordsOfKnownSymbols) {
  EXPECT_EQ(Codewords("01234567", elMedium),
            (Bytes{16, 32, 12, 86, 97, 128, 236, 17, 236, 17, 236, 17, 236, 17, 236, 17,  //
                   165, 36, 212, 193, 237, 54, 199, 135, 44, 85}));
  EXPECT_EQ(Codewords("HELLO WORLD", elQuality),
            (Bytes{32, 91, 11, 120, 209, 114, 220, 77, 67, 64, 236, 17, 236,  //
                   168, 72, 22, 82, 217, 54, 156, 0, 46, 15, 180, 122, 16}));
}

TEST(QrSymbolTest, BlocksOfVersion5QAreInterleaved) {
  Bytes data(62);
  std::iota(data.begin(), data.end(), 0);
  Bytes final = InterleaveQrBlocks(data, 5, elQuality);
  ASSERT_EQ(final.size(), 134u);
  // Codeword 0 of the four blocks, then codeword 1, ...
  EXPECT_EQ((Bytes(final.begin(), final.begin() + 8)), (Bytes{0, 15, 30, 46, 1, 16, 31, 47}));
  // The 16th codewords of blocks 3 and 4 close the data.
  EXPECT_EQ(final[60], 45);
  EXPECT_EQ(final[61], 61);
  // Error correction from position 62: codeword 0 of each block first.
  Bytes ecc(18);
  RsRemainder(std::span<const std::uint8_t>(data.data() + 30, 16), ecc);
  EXPECT_EQ(final[62 + 2], ecc[0]);
  EXPECT_EQ(final[62 + 4 + 2], ecc[1]);
  EXPECT_EQ(final[62 + 4 * 17 + 2], ecc[17]);
}

TEST(QrSymbolTest, TerminatorAndPadCodewords) {
  // 4-bit mode, 10-bit count, 4 data bits: 18 bits, terminator 4, then pads.
  std::vector<TQrBitItem> items = {{1, 4}, {1, 10}, {7, 4}};
  EXPECT_EQ(MakeQrDataCodewords(items, 6), (Bytes{0x10, 0x05, 0xC0, 236, 17, 236}));
  // A full stream gets no terminator.
  std::vector<TQrBitItem> full = {{0xFFFF, 16}};
  EXPECT_EQ(MakeQrDataCodewords(full, 2), (Bytes{0xFF, 0xFF}));
}

TEST(QrSymbolTest, FormatAndVersionInformation) {
  EXPECT_EQ(QrFormatBits(elLowest, 0), 0x77C4);
  EXPECT_EQ(QrFormatBits(elMedium, 0), 0x5412);
  EXPECT_EQ(QrFormatBits(elQuality, 0), 0x355F);
  EXPECT_EQ(QrFormatBits(elHighest, 0), 0x1689);
  EXPECT_EQ(QrFormatBits(elLowest, 7), 0x6976);
  EXPECT_EQ(QrVersionBits(7), 0x07C94u);
  EXPECT_EQ(QrVersionBits(40), 0x28C69u);

  TMapMatrix v7 = FunctionPatterns(7);
  int n = v7.Rows();
  for (int i = 0; i < 18; ++i) {
    int bit = (0x07C94 >> i) & 1;
    EXPECT_EQ(v7(i / 3, n - 11 + i % 3), qkVersion + bit) << i;
    EXPECT_EQ(v7(n - 11 + i % 3, i / 3), qkVersion + bit) << i;
  }
  EXPECT_EQ(CountModules(FunctionPatterns(6), [](std::uint8_t v) { return (v & ~1) == qkVersion; }), 0);
}

TEST(QrSymbolTest, FunctionPatterns) {
  TMapMatrix v1 = FunctionPatterns(1);
  EXPECT_EQ(CountModules(v1, [](std::uint8_t v) { return (v & ~1) == qkAlignment; }), 0);
  EXPECT_EQ(v1(21 - 8, 8), 5);  // the dark module
  EXPECT_EQ(v1(0, 0), qkFinder + 1);
  EXPECT_EQ(v1(1, 1), qkFinder);
  EXPECT_EQ(v1(3, 3), qkFinder + 1);
  EXPECT_EQ(v1(7, 7), qkFinder);  // separator
  EXPECT_EQ(v1(6, 8), qkTiming + 1);
  EXPECT_EQ(v1(6, 9), qkTiming);
  EXPECT_EQ(v1(12, 6), qkTiming + 1);

  TMapMatrix v2 = FunctionPatterns(2);
  EXPECT_EQ(v2(18, 18), qkAlignment + 1);
  EXPECT_EQ(v2(17, 18), qkAlignment);
  EXPECT_EQ(v2(16, 16), qkAlignment + 1);
  EXPECT_EQ(CountModules(v2, [](std::uint8_t v) { return (v & ~1) == qkAlignment; }), 25);

  // Version 7: six alignment patterns, two of them over the timing patterns.
  EXPECT_EQ(CountModules(FunctionPatterns(7), [](std::uint8_t v) { return (v & ~1) == qkAlignment; }), 6 * 25);
}

TEST(QrSymbolTest, RemainderModulesStayLightBeforeMasking) {
  TMapMatrix v2 = FunctionPatterns(2);
  Bytes ones(44, 0xFF);
  PlaceQrCodewords(v2, ones);
  EXPECT_EQ(CountModules(v2, [](std::uint8_t v) { return v == 1; }), 44 * 8);
  EXPECT_EQ(CountModules(v2, [](std::uint8_t v) { return v == 0; }), 7);
}

TEST(QrSymbolTest, MasksAreAppliedAndRemovedInPlace) {
  TQrSymbol symbol = EncodeQrSymbol("Quorvel Etiketten 2024");
  TMapMatrix m = symbol.Matrix;
  for (int mask = 0; mask < 8; ++mask) {
    TMapMatrix masked = m;
    ApplyQrMask(masked, mask);
    int changed = 0;
    for (int r = 0; r < m.Rows(); ++r) {
      for (int c = 0; c < m.Columns(); ++c) {
        if (m(r, c) >= 4) {
          EXPECT_EQ(masked(r, c), m(r, c));
        }
        changed += masked(r, c) != m(r, c);
      }
    }
    EXPECT_GT(changed, 0) << mask;
    ApplyQrMask(masked, mask);
    EXPECT_EQ(masked, m) << mask;
  }
}

TEST(QrSymbolTest, BothFormatCopiesNameTheChosenMaskAndLevel) {
  TQrSymbol symbol = EncodeQrSymbol("https://www.example.com/etikett?id=4711");
  const TMapMatrix& m = symbol.Matrix;
  int n = m.Rows();
  const int rows[15] = {0, 1, 2, 3, 4, 5, 7, 8, n - 7, n - 6, n - 5, n - 4, n - 3, n - 2, n - 1};
  const int columns[15] = {n - 1, n - 2, n - 3, n - 4, n - 5, n - 6, n - 7, n - 8, 7, 5, 4, 3, 2, 1, 0};
  int first = 0, second = 0;
  for (int k = 0; k < 15; ++k) {
    first |= m.Dark(rows[k], 8) << k;
    second |= m.Dark(8, columns[k]) << k;
  }
  EXPECT_EQ(first, second);
  EXPECT_EQ(first, QrFormatBits(static_cast<TQRCode_EccLevel>(symbol.State.Level), symbol.State.Mask));
  EXPECT_EQ(m(n - 8, 8), 5);
}

TEST(QrSymbolTest, PenaltyRules) {
  TMapMatrix dark;
  dark.Reset(7, 7);
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 7; ++c) dark(r, c) = 1;
  // Runs 14 x 5, blocks 36 x 3, balance 100.
  EXPECT_EQ(QrPenalty(dark), 70 + 108 + 100);

  TMapMatrix finder;
  finder.Reset(7, 7);
  for (int c : {0, 2, 3, 4, 6}) finder(3, c) = 1;
  // Runs: six light rows and two light columns of 7 (5 each); blocks 24 x 3;
  // one finder-like row; balance round(|500/49 - 50| x 2) = 80.
  EXPECT_EQ(QrPenalty(finder), 40 + 72 + 40 + 80);

  TMapMatrix light;
  light.Reset(5, 5);
  // A run of exactly 5 scores nothing: blocks 16 x 3 and balance 100.
  EXPECT_EQ(QrPenalty(light), 48 + 100);

  EXPECT_EQ(QrBalancePenalty(200, 400), 0);
  EXPECT_EQ(QrBalancePenalty(1, 400), 100);  // 99.5
  EXPECT_EQ(QrBalancePenalty(3, 400), 98);   // 98.5
}

// The penalties of the eight masks of a finished symbol.
std::vector<int> MaskPenalties(TMapMatrix m, TQRCode_EccLevel level, int chosen) {
  ApplyQrMask(m, chosen);
  std::vector<int> penalties;
  for (int mask = 0; mask < 8; ++mask) {
    WriteQrFormat(m, level, mask);
    ApplyQrMask(m, mask);
    penalties.push_back(QrPenalty(m));
    ApplyQrMask(m, mask);
  }
  return penalties;
}

TEST(QrSymbolTest, LowestPenaltyWinsAndTheLowestMaskOnATie) {
  int ties = 0;
  for (int i = 0; i < 400 && ties < 3; ++i) {
    TQrSymbol symbol = EncodeQrSymbol("T" + std::to_string(i));
    auto level = static_cast<TQRCode_EccLevel>(symbol.State.Level);
    std::vector<int> penalties = MaskPenalties(symbol.Matrix, level, symbol.State.Mask);
    int lowest = *std::min_element(penalties.begin(), penalties.end());
    int first = static_cast<int>(std::find(penalties.begin(), penalties.end(), lowest) - penalties.begin());
    ASSERT_EQ(symbol.State.Mask, first) << i;
    if (std::count(penalties.begin(), penalties.end(), lowest) > 1) ++ties;
  }
  EXPECT_GE(ties, 1) << "no text among those tried gave two masks the same penalty";
}

}  // namespace
}  // namespace quorvel
