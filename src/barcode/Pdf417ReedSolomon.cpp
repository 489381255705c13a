#include "barcode/Pdf417ReedSolomon.h"

#include <array>

namespace quorvel {
namespace {

constexpr int kAllCoefficients = 2 * ((2 << kPdf417MaxErrorLevel) - 1);  // 2 + 4 + ... + 512

constexpr int Mod(long long value) { return static_cast<int>(((value % kPdf417Prime) + kPdf417Prime) % kPdf417Prime); }

// Where a level's coefficients start in the table: after those of the lower levels.
constexpr int Offset(int level) { return Pdf417ErrorCodewordCount(level) - 2; }

// The generators of all levels, multiplied out while compiling.
constexpr std::array<int, kAllCoefficients> kGenerators = [] {
  std::array<int, kAllCoefficients> table{};
  for (int level = 0; level <= kPdf417MaxErrorLevel; ++level) {
    int k = Pdf417ErrorCodewordCount(level);
    std::array<int, (2 << kPdf417MaxErrorLevel) + 1> g{};  // g[j]: coefficient of x^j
    g[0] = 1;
    int root = 1;
    for (int degree = 1; degree <= k; ++degree) {
      root = Mod(root * 3);
      // g(x) := g(x) * (x - root)
      for (int j = degree; j >= 0; --j) g[j] = Mod((j > 0 ? g[j - 1] : 0) - static_cast<long long>(root) * g[j]);
    }
    for (int j = 0; j < k; ++j) table[Offset(level) + j] = g[j];
  }
  return table;
}();

}  // namespace

std::span<const int> Pdf417GeneratorCoefficients(int level) {
  return std::span<const int>(kGenerators).subspan(Offset(level), Pdf417ErrorCodewordCount(level));
}

std::vector<int> Pdf417ErrorCorrectionCodewords(std::span<const int> data, int level) {
  std::span<const int> a = Pdf417GeneratorCoefficients(level);
  int k = static_cast<int>(a.size());
  // remainder[j]: coefficient of x^j of the remainder so far; each codeword
  // shifts it up by one power and folds x^k back in through g(x).
  // Subtracting top * a[j] is adding (929 - top) * a[j]: every term stays
  // below 929 * 929 and one unsigned remainder per coefficient suffices.
  std::vector<unsigned> remainder(k, 0);
  for (int codeword : data) {
    unsigned negatedTop = (kPdf417Prime - (codeword + remainder[k - 1]) % kPdf417Prime) % kPdf417Prime;
    for (int j = k - 1; j > 0; --j) remainder[j] = (remainder[j - 1] + negatedTop * unsigned(a[j])) % kPdf417Prime;
    remainder[0] = negatedTop * unsigned(a[0]) % kPdf417Prime;
  }
  std::vector<int> correction(k);
  for (int j = 0; j < k; ++j) correction[j] = Mod(-static_cast<long long>(remainder[k - 1 - j]));
  return correction;
}

}  // namespace quorvel
