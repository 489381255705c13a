#pragma once

#include <span>
#include <vector>

namespace quorvel {

inline constexpr int kPdf417Prime = 929;  // codewords are the elements of GF(929)
inline constexpr int kPdf417MaxErrorLevel = 8;

// Number of error correction codewords of level 0 to 8: 2, 4, ..., 512.
constexpr int Pdf417ErrorCodewordCount(int level) { return 2 << level; }

// Coefficients a_0 ... a_(k-1) of the monic generator
// g(x) = (x - 3)(x - 3^2)...(x - 3^k) = x^k + a_(k-1) x^(k-1) + ... + a_0 of a level.
std::span<const int> Pdf417GeneratorCoefficients(int level);

// The error correction codewords of a level for the codewords before them,
// the first codeword being the highest power: the negated remainder of
// data(x) * x^k divided by g(x), highest power first, so that the whole
// codeword polynomial is a multiple of g(x).
std::vector<int> Pdf417ErrorCorrectionCodewords(std::span<const int> data, int level);

}  // namespace quorvel
