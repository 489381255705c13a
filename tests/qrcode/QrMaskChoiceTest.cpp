// The mask choice against a plain scorer written here module by module: the
// encoder scores on packed bit lines, which must not change a single choice.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "qrcode/QrEncoder.h"
#include "qrcode/QrMatrix.h"

namespace quorvel {
namespace {

bool MaskCondition(int mask, int r, int c) {
  switch (mask) {
    case 0: return (r + c) % 2 == 0;
    case 1: return r % 2 == 0;
    case 2: return c % 3 == 0;
    case 3: return (r + c) % 3 == 0;
    case 4: return (r / 2 + c / 3) % 2 == 0;
    case 5: return (r * c) % 2 + (r * c) % 3 == 0;
    case 6: return ((r * c) % 2 + (r * c) % 3) % 2 == 0;
    default: return ((r * c) % 3 + (r + c) % 2) % 2 == 0;
  }
}

// Runs of six and more score their length less 2; the 1:1:3:1:1 pattern 40.
int ReferenceLine(const std::vector<bool>& line) {
  int score = 0;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= line.size(); ++i) {
    if (i == line.size() || line[i] != line[start]) {
      int run = static_cast<int>(i - start);
      if (run >= 6) score += run - 2;
      start = i;
    }
  }
  const bool finder[7] = {true, false, true, true, true, false, true};
  for (std::size_t s = 0; s + 7 <= line.size(); ++s) {
    bool match = true;
    for (std::size_t k = 0; k < 7; ++k) match = match && line[s + k] == finder[k];
    if (match) score += 40;
  }
  return score;
}

int ReferencePenalty(const std::vector<std::vector<bool>>& dark) {
  const int n = static_cast<int>(dark.size());
  int score = 0;
  int darkCount = 0;
  for (int k = 0; k < n; ++k) {
    std::vector<bool> column(n);
    for (int r = 0; r < n; ++r) column[r] = dark[r][k];
    score += ReferenceLine(dark[k]) + ReferenceLine(column);
  }
  for (int r = 0; r + 1 < n; ++r)
    for (int c = 0; c + 1 < n; ++c) {
      bool v = dark[r][c];
      if (dark[r][c + 1] == v && dark[r + 1][c] == v && dark[r + 1][c + 1] == v) score += 3;
    }
  for (const auto& row : dark)
    for (bool module : row) darkCount += module ? 1 : 0;
  double percent = 100.0 * darkCount / (n * n);
  return score + static_cast<int>(std::nearbyint(std::abs(percent - 50.0) * 2.0));
}

// Undoes the chosen mask of a finished symbol, then tries every mask with its
// own format information; the lowest penalty wins, the lowest mask on a tie.
int ReferenceMask(const TMapMatrix& symbol, TQRCode_EccLevel level, int chosen) {
  const int n = symbol.Rows();
  const int rowsInColumn8[15] = {0, 1, 2, 3, 4, 5, 7, 8, n - 7, n - 6, n - 5, n - 4, n - 3, n - 2, n - 1};
  const int columnsInRow8[15] = {n - 1, n - 2, n - 3, n - 4, n - 5, n - 6, n - 7, n - 8, 7, 5, 4, 3, 2, 1, 0};
  int best = -1;
  int bestPenalty = 0;
  for (int mask = 0; mask < 8; ++mask) {
    std::vector<std::vector<bool>> dark(n, std::vector<bool>(n));
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c) {
        bool data = symbol(r, c) < 4;
        bool unmasked = symbol.Dark(r, c) != (data && MaskCondition(chosen, r, c));
        dark[r][c] = unmasked != (data && MaskCondition(mask, r, c));
      }
    std::uint16_t format = QrFormatBits(level, mask);
    for (int k = 0; k < 15; ++k) {
      dark[rowsInColumn8[k]][8] = (format >> k) & 1;
      dark[8][columnsInRow8[k]] = (format >> k) & 1;
    }
    int penalty = ReferencePenalty(dark);
    if (best < 0 || penalty < bestPenalty) {
      best = mask;
      bestPenalty = penalty;
    }
  }
  return best;
}

TEST(QrMaskChoiceTest, EveryChoiceMatchesAPlainModuleByModuleScorer) {
  std::vector<std::string> texts;
  for (int i = 0; i < 60; ++i) texts.push_back("https://example.org/item/" + std::to_string(i * 37));
  // Longer texts reach symbols of two and three 64-module words per line.
  for (int length : {90, 300, 700, 1200, 2000, 2900}) {
    std::string text;
    for (int k = 0; static_cast<int>(text.size()) < length; ++k) text += "Etikett " + std::to_string(k * 7) + "; ";
    texts.push_back(text.substr(0, length));
  }
  std::vector<int> seen(8);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    TQrOptions options;
    // The long texts fit at the lowest level only; the short ones try all four.
    options.EccLevel = texts[i].size() < 100 ? static_cast<TQRCode_EccLevel>(i % 4) : TQRCode_EccLevel::elLowest;
    TQrSymbol symbol = EncodeQrSymbol(texts[i], options);
    ASSERT_EQ(symbol.Result, 0) << i;
    auto level = static_cast<TQRCode_EccLevel>(symbol.State.Level);
    EXPECT_EQ(symbol.State.Mask, ReferenceMask(symbol.Matrix, level, symbol.State.Mask))
        << "text " << i << ", version " << int(symbol.State.Version);
    ++seen[symbol.State.Mask];
  }
  int masksSeen = 0;
  for (int count : seen) masksSeen += count > 0 ? 1 : 0;
  EXPECT_GE(masksSeen, 5) << "the texts should lead to most of the masks";
}

TEST(QrMaskChoiceTest, PenaltyOfAWholeSymbolMatchesThePlainScorer) {
  for (const char* text : {"Quorvel", "https://www.quorvel.de/a?id=42"}) {
    TQrSymbol symbol = EncodeQrSymbol(text);
    const int n = symbol.Matrix.Rows();
    std::vector<std::vector<bool>> dark(n, std::vector<bool>(n));
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c) dark[r][c] = symbol.Matrix.Dark(r, c);
    EXPECT_EQ(QrPenalty(symbol.Matrix), ReferencePenalty(dark)) << text;
  }
}

TEST(QrMaskChoiceTest, MatricesNoSymbolCanHaveAreRefused) {
  TMapMatrix tooLarge;
  tooLarge.Reset(193, 193);
  EXPECT_THROW(QrPenalty(tooLarge), std::invalid_argument);
  EXPECT_THROW(ApplyQrMask(tooLarge, 0), std::invalid_argument);
  TMapMatrix notSquare;
  notSquare.Reset(21, 25);
  EXPECT_THROW(QrPenalty(notSquare), std::invalid_argument);
  EXPECT_THROW(ChooseQrMask(notSquare, TQRCode_EccLevel::elLowest), std::invalid_argument);
}

}  // namespace
}  // namespace quorvel
