#include "qrcode/ReedSolomon.h"

#include <algorithm>
#include <array>

namespace quorvel {
namespace {

constexpr int kMaxDegree = 30;  // the most error-correction codewords of a QR block

// Exponents are stored twice over, so that a sum of two logarithms needs no
// reduction modulo 255.
struct TGaloisTables {
  std::array<std::uint8_t, 510> Exp{};
  std::array<int, 256> Log{};

  TGaloisTables() {
    for (int i = 0; i < 8; ++i) Exp[i] = static_cast<std::uint8_t>(1 << i);
    for (int i = 8; i < 255; ++i) Exp[i] = Exp[i - 4] ^ Exp[i - 5] ^ Exp[i - 6] ^ Exp[i - 8];
    for (int i = 255; i < 510; ++i) Exp[i] = Exp[i - 255];
    for (int i = 0; i < 255; ++i) Log[Exp[i]] = i;
  }
};

// Made once for the whole run.
const TGaloisTables& Tables() {
  static const TGaloisTables tables;
  return tables;
}

// The generators' coefficients as logarithms, leading 1 left out; built on
// first use for every degree a QR block can have.
const std::vector<int>& GeneratorLogs(int degree) {
  static const std::array<std::vector<int>, kMaxDegree + 1> logs = [] {
    std::array<std::vector<int>, kMaxDegree + 1> all;
    for (int d = 0; d <= kMaxDegree; ++d) {
      std::vector<std::uint8_t> g = RsGenerator(d);
      for (std::size_t j = 1; j < g.size(); ++j) all[d].push_back(GfLog(g[j]));
    }
    return all;
  }();
  return logs[degree];
}

}  // namespace

std::uint8_t GfExp(int exponent) { return Tables().Exp[((exponent % 255) + 255) % 255]; }

int GfLog(std::uint8_t value) { return Tables().Log[value]; }

std::uint8_t GfMultiply(std::uint8_t a, std::uint8_t b) {
  if (a == 0 || b == 0) return 0;
  return Tables().Exp[GfLog(a) + GfLog(b)];
}

std::vector<std::uint8_t> RsGenerator(int degree) {
  std::vector<std::uint8_t> g{1};
  for (int i = 0; i < degree; ++i) {
    // g(x) * (x - 2^i); in GF(256) subtraction is addition.
    std::vector<std::uint8_t> next(g.size() + 1, 0);
    for (std::size_t j = 0; j < g.size(); ++j) {
      next[j] ^= g[j];
      next[j + 1] ^= GfMultiply(g[j], GfExp(i));
    }
    g = std::move(next);
  }
  return g;
}

void RsRemainder(std::span<const std::uint8_t> data, std::span<std::uint8_t> ecc) {
  const std::vector<int>& g = GeneratorLogs(static_cast<int>(ecc.size()));
  const auto& exp = Tables().Exp;
  std::fill(ecc.begin(), ecc.end(), 0);
  if (ecc.empty()) return;
  const std::size_t last = ecc.size() - 1;
  for (std::uint8_t byte : data) {
    std::uint8_t factor = byte ^ ecc[0];
    if (factor == 0) {
      std::copy(ecc.begin() + 1, ecc.end(), ecc.begin());
      ecc[last] = 0;
      continue;
    }
    // Shift and add the scaled generator in one pass.
    const std::uint8_t* scaled = &exp[static_cast<std::size_t>(GfLog(factor))];
    for (std::size_t j = 0; j < last; ++j) ecc[j] = ecc[j + 1] ^ scaled[g[j]];
    ecc[last] = scaled[g[last]];
  }
}

}  // namespace quorvel
