#include "qrcode/QrMatrix.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "qrcode/QrTables.h"

namespace quorvel {
namespace {

// The remainder of value * 2^(degree of generator) divided by the generator,
// appended to the value.
std::uint32_t WithBch(std::uint32_t value, std::uint32_t generator, int generatorDegree) {
  std::uint32_t remainder = value << generatorDegree;
  for (int bit = 31; bit >= generatorDegree; --bit)
    if ((remainder >> bit) & 1) remainder ^= generator << (bit - generatorDegree);
  return (value << generatorDegree) | remainder;
}

void Set(TMapMatrix& m, int row, int column, int kind, bool dark) {
  m(row, column) = static_cast<std::uint8_t>(kind | (dark ? 1 : 0));
}

void DrawFinder(TMapMatrix& m, int top, int left) {
  int n = m.Rows();
  for (int i = -1; i <= 7; ++i) {
    for (int j = -1; j <= 7; ++j) {
      int row = top + j, column = left + i;
      if (row < 0 || row >= n || column < 0 || column >= n) continue;
      bool dark = ((i == 0 || i == 6) && j >= 0 && j <= 6) || ((i == 1 || i == 5) && (j == 0 || j == 6)) ||
                  (i >= 2 && i <= 4 && (j == 0 || (j >= 2 && j <= 4) || j == 6));
      Set(m, row, column, qkFinder, dark);
    }
  }
}

void DrawAlignment(TMapMatrix& m, int row, int column) {
  for (int dr = -2; dr <= 2; ++dr)
    for (int dc = -2; dc <= 2; ++dc)
      Set(m, row + dr, column + dc, qkAlignment, std::max(std::abs(dr), std::abs(dc)) != 1);
}

bool MaskHolds(int mask, int r, int c) {
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

// Scores one line (a row or a column) given by a module accessor.
template <class TModule>
int LinePenalty(int n, TModule dark) {
  int score = 0;
  int run = 1;
  unsigned window = dark(0) ? 1u : 0u;
  for (int i = 1; i <= n; ++i) {
    if (i < n && dark(i) == dark(i - 1)) {
      ++run;
    } else {
      if (run >= 6) score += run - 2;
      run = 1;
    }
    if (i == n) break;
    window = ((window << 1) | (dark(i) ? 1u : 0u)) & 0x7F;
    if (i >= 6 && window == 0b1011101) score += 40;
  }
  return score;
}

}  // namespace

std::uint16_t QrFormatBits(TQRCode_EccLevel level, int mask) {
  static constexpr int kLevelBits[4] = {0b01, 0b00, 0b11, 0b10};  // L, M, Q, H
  std::uint32_t data = static_cast<std::uint32_t>(kLevelBits[LevelIndex(level)] << 3 | mask);
  return static_cast<std::uint16_t>(WithBch(data, 0x537, 10) ^ 0x5412);
}

std::uint32_t QrVersionBits(int version) { return WithBch(static_cast<std::uint32_t>(version), 0x1F25, 12); }

void WriteQrFormat(TMapMatrix& m, TQRCode_EccLevel level, int mask) {
  int n = m.Rows();
  const int rowsInColumn8[15] = {0, 1, 2, 3, 4, 5, 7, 8, n - 7, n - 6, n - 5, n - 4, n - 3, n - 2, n - 1};
  const int columnsInRow8[15] = {n - 1, n - 2, n - 3, n - 4, n - 5, n - 6, n - 7, n - 8, 7, 5, 4, 3, 2, 1, 0};
  std::uint16_t bits = QrFormatBits(level, mask);
  for (int k = 0; k < 15; ++k) {
    bool dark = (bits >> k) & 1;
    Set(m, rowsInColumn8[k], 8, qkFormat, dark);
    Set(m, 8, columnsInRow8[k], qkFormat, dark);
  }
}

void DrawQrFunctionPatterns(TMapMatrix& m, int version) {
  int n = m.Rows();
  DrawFinder(m, 0, 0);
  DrawFinder(m, 0, n - 7);
  DrawFinder(m, n - 7, 0);
  for (int k = 8; k <= n - 9; ++k) {
    Set(m, 6, k, qkTiming, k % 2 == 0);
    Set(m, k, 6, qkTiming, k % 2 == 0);
  }
  std::span<const int> centres = QrAlignmentCentres(version);
  for (std::size_t i = 0; i < centres.size(); ++i) {
    for (std::size_t j = 0; j < centres.size(); ++j) {
      std::size_t last = centres.size() - 1;
      bool onFinder = (i == 0 && j == 0) || (i == 0 && j == last) || (i == last && j == 0);
      if (!onFinder) DrawAlignment(m, centres[i], centres[j]);
    }
  }
  WriteQrFormat(m, TQRCode_EccLevel::elLowest, 0);
  if (version >= 7) {
    std::uint32_t bits = QrVersionBits(version);
    for (int i = 0; i < 18; ++i) {
      bool dark = (bits >> i) & 1;
      Set(m, i / 3, n - 11 + i % 3, qkVersion, dark);
      Set(m, n - 11 + i % 3, i / 3, qkVersion, dark);
    }
  }
  Set(m, n - 8, 8, qkDarkModule, true);
}

void PlaceQrCodewords(TMapMatrix& m, std::span<const std::uint8_t> codewords) {
  int n = m.Rows();
  std::size_t bit = 0;
  const std::size_t bits = codewords.size() * 8;
  bool upwards = true;
  for (int right = n - 1; right >= 1; right -= 2) {
    if (right == 6) right = 5;  // the vertical timing pattern takes column 6
    for (int step = 0; step < n; ++step) {
      int row = upwards ? n - 1 - step : step;
      for (int column : {right, right - 1}) {
        if (m(row, column) >= 4) continue;
        bool dark = bit < bits && ((codewords[bit / 8] >> (7 - bit % 8)) & 1);
        m(row, column) = dark ? 1 : 0;
        ++bit;
      }
    }
    upwards = !upwards;
  }
}

namespace {

// The mask is a template argument so that its condition is chosen once per
// matrix, not once per module.
template <int kMask>
void ApplyMaskPattern(TMapMatrix& m) {
  int n = m.Rows();
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      if (m(r, c) < 2 && MaskHolds(kMask, r, c)) m(r, c) ^= 1;
}

}  // namespace

void ApplyQrMask(TMapMatrix& m, int mask) {
  switch (mask) {
    case 0: return ApplyMaskPattern<0>(m);
    case 1: return ApplyMaskPattern<1>(m);
    case 2: return ApplyMaskPattern<2>(m);
    case 3: return ApplyMaskPattern<3>(m);
    case 4: return ApplyMaskPattern<4>(m);
    case 5: return ApplyMaskPattern<5>(m);
    case 6: return ApplyMaskPattern<6>(m);
    default: return ApplyMaskPattern<7>(m);
  }
}

int QrPenalty(const TMapMatrix& m) {
  const int n = m.Rows();
  // The colours alone, by rows and by columns, so that every scan below
  // reads contiguous bytes.
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(n) * n);
  std::vector<std::uint8_t> columns(rows.size());
  int dark = 0;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      std::uint8_t colour = m(r, c) & 1;
      rows[static_cast<std::size_t>(r) * n + c] = colour;
      columns[static_cast<std::size_t>(c) * n + r] = colour;
      dark += colour;
    }
  int score = 0;
  for (int k = 0; k < n; ++k) {
    const std::uint8_t* row = &rows[static_cast<std::size_t>(k) * n];
    const std::uint8_t* column = &columns[static_cast<std::size_t>(k) * n];
    score += LinePenalty(n, [row](int i) { return row[i] != 0; });
    score += LinePenalty(n, [column](int i) { return column[i] != 0; });
  }
  for (int r = 0; r + 1 < n; ++r) {
    const std::uint8_t* top = &rows[static_cast<std::size_t>(r) * n];
    const std::uint8_t* bottom = top + n;
    for (int c = 0; c + 1 < n; ++c) {
      int block = top[c] + top[c + 1] + bottom[c] + bottom[c + 1];
      if (block == 0 || block == 4) score += 3;
    }
  }
  return score + QrBalancePenalty(dark, n * n);
}

int QrBalancePenalty(int darkModules, int allModules) {
  double percent = 100.0 * darkModules / allModules;
  return static_cast<int>(std::nearbyint(std::abs(percent - 50.0) * 2.0));  // the default rounding: halves to even
}

int ChooseQrMask(TMapMatrix& m, TQRCode_EccLevel level) {
  int best = 0;
  int bestPenalty = 0;
  for (int mask = 0; mask < 8; ++mask) {
    WriteQrFormat(m, level, mask);
    ApplyQrMask(m, mask);
    int penalty = QrPenalty(m);
    ApplyQrMask(m, mask);
    if (mask == 0 || penalty < bestPenalty) {
      best = mask;
      bestPenalty = penalty;
    }
  }
  WriteQrFormat(m, level, best);
  ApplyQrMask(m, best);
  return best;
}

int BuildQrMatrix(TMapMatrix& m, int version, TQRCode_EccLevel level, std::span<const std::uint8_t> codewords) {
  DrawQrFunctionPatterns(m, version);
  PlaceQrCodewords(m, codewords);
  return ChooseQrMask(m, level);
}

}  // namespace quorvel
