#include <gtest/gtest.h>

#include <random>

#include "barcode/Pdf417.h"
#include "barcode/Pdf417ReedSolomon.h"

namespace quorvel {
namespace {

int PowerOf3(int exponent) {
  int power = 1;
  for (int i = 0; i < exponent; ++i) power = power * 3 % kPdf417Prime;
  return power;
}

// The codewords as a polynomial, the first one the highest power, at x.
int Evaluate(const std::vector<int>& codewords, int x) {
  long long value = 0;
  for (int codeword : codewords) value = (value * x + codeword) % kPdf417Prime;
  return static_cast<int>(value);
}

// g(x) = x^k + a_(k-1) x^(k-1) + ... + a_0 at x.
int EvaluateGenerator(int level, int x) {
  std::span<const int> a = Pdf417GeneratorCoefficients(level);
  std::vector<int> highestFirst{1};
  highestFirst.insert(highestFirst.end(), a.rbegin(), a.rend());
  return Evaluate(highestFirst, x);
}

// A multiple of g(x) vanishes at every root 3, 3^2, ..., 3^k; the roots are
// distinct, so the converse holds as well.
bool DivisibleByGenerator(const std::vector<int>& codewords, int level) {
  for (int i = 1; i <= Pdf417ErrorCodewordCount(level); ++i)
    if (Evaluate(codewords, PowerOf3(i)) != 0) return false;
  return true;
}

TEST(Pdf417ReedSolomonTest, GeneratorsOfTheFirstLevelsMultiplyOutByHand) {
  // (x - 3)(x - 9) = x^2 - 12x + 27
  EXPECT_EQ(std::vector<int>(Pdf417GeneratorCoefficients(0).begin(), Pdf417GeneratorCoefficients(0).end()),
            (std::vector<int>{27, 917}));
  // (x^2 - 12x + 27)(x^2 - 108x + 2187): x^4 - 120x^3 + 3510x^2 - 29160x + 59049, mod 929
  EXPECT_EQ(std::vector<int>(Pdf417GeneratorCoefficients(1).begin(), Pdf417GeneratorCoefficients(1).end()),
            (std::vector<int>{522, 568, 723, 809}));
}

TEST(Pdf417ReedSolomonTest, EveryGeneratorHasExactlyThePowersOfThreeAsRoots) {
  for (int level = 0; level <= kPdf417MaxErrorLevel; ++level) {
    int k = Pdf417ErrorCodewordCount(level);
    ASSERT_EQ(Pdf417GeneratorCoefficients(level).size(), std::size_t(k));
    for (int i = 1; i <= k; ++i) ASSERT_EQ(EvaluateGenerator(level, PowerOf3(i)), 0) << level << " " << i;
    EXPECT_NE(EvaluateGenerator(level, PowerOf3(k + 1)), 0) << level;
  }
}

TEST(Pdf417ReedSolomonTest, LevelZeroExampleWorkedOutByHand) {
  // ABC at level 0 in 2 columns: data 4 1 89 900 (descriptor, ABC, pad).
  // D(x) = 4x^3 + x^2 + 89x + 900; the remainder R(x) = r1 x + r0 of D(x) x^2
  // agrees with D(x) x^2 at the roots 3 and 9:
  //   3 r1 + r0 = D(3) * 9 = 355 * 9 = 408, 9 r1 + r0 = D(9) * 81 = 53 * 81 = 577 (mod 929),
  //   so 6 r1 = 169, r1 = 169 * 155 = 183 (6 * 155 = 930), r0 = 408 - 549 = 788;
  // the codewords are -r1 = 746 and -r0 = 141.
  TPdf417Options options;
  options.Cols = 2;
  options.SecurityLevel = xbPDF417ErrorCorrection::xbPDF417Error0;
  EXPECT_EQ(EncodePdf417Codewords("ABC", options).Codewords, (std::vector<int>{4, 1, 89, 900, 746, 141}));
  EXPECT_EQ(Pdf417ErrorCorrectionCodewords(std::vector<int>{4, 1, 89, 900}, 0), (std::vector<int>{746, 141}));
}

TEST(Pdf417ReedSolomonTest, EveryLevelMakesTheWholeSymbolAMultipleOfItsGenerator) {
  std::mt19937 random(417);
  std::uniform_int_distribution<int> codeword(0, kPdf417Prime - 1);
  for (int level = 0; level <= kPdf417MaxErrorLevel; ++level) {
    for (int length : {1, 7, 300}) {
      std::vector<int> symbol(length);
      for (int& c : symbol) c = codeword(random);
      std::vector<int> correction = Pdf417ErrorCorrectionCodewords(symbol, level);
      ASSERT_EQ(correction.size(), std::size_t(Pdf417ErrorCodewordCount(level)));
      symbol.insert(symbol.end(), correction.begin(), correction.end());
      EXPECT_TRUE(DivisibleByGenerator(symbol, level)) << level << " " << length;
      symbol[length / 2] = (symbol[length / 2] + 1) % kPdf417Prime;
      EXPECT_FALSE(DivisibleByGenerator(symbol, level)) << level << " " << length;
    }
  }
}

TEST(Pdf417ReedSolomonTest, EncodedSymbolsAreMultiplesOfTheirGenerator) {
  TPdf417Options options;
  options.Cols = 6;
  for (const char* value : {"", "ABC", "Quorvel Etikett 0815 / a-z!", "0123456789012345678901234567890123456789"}) {
    TPdf417Symbol symbol = EncodePdf417Codewords(value, options);
    EXPECT_TRUE(DivisibleByGenerator(symbol.Codewords, symbol.ErrorLevel)) << value;
  }
}

}  // namespace
}  // namespace quorvel
