#include "qrcode/QrMatrix.h"

#include <array>
#include <algorithm>
#include <functional>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
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

// Both copies of the format information: bit k lies down column 8 and
// along row 8 at the k-th position of each list.
template <class TVisit>
void ForEachFormatModule(int n, std::uint16_t bits, TVisit visit) {
  const int rowsInColumn8[15] = {0, 1, 2, 3, 4, 5, 7, 8, n - 7, n - 6, n - 5, n - 4, n - 3, n - 2, n - 1};
  const int columnsInRow8[15] = {n - 1, n - 2, n - 3, n - 4, n - 5, n - 6, n - 7, n - 8, 7, 5, 4, 3, 2, 1, 0};
  for (int k = 0; k < 15; ++k) {
    bool dark = (bits >> k) & 1;
    visit(rowsInColumn8[k], 8, dark);
    visit(8, columnsInRow8[k], dark);
  }
}

// ---- penalty scoring on bit lines ----

// Inline bit counting: without a hardware instruction in the baseline
// instruction set, std::popcount becomes a library call.
int PopCount(std::uint64_t x) {
  x -= (x >> 1) & 0x5555555555555555u;
  x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

// A row or a column as bits: module i is bit i % 64 of word i / 64, 1 for
// dark. Bits past the line's end stay zero, so that the shifts below bring
// in light modules from outside. W words hold 64 W modules: one word up to
// version 11, three for version 40.
template <int W>
struct TBitLine {
  std::array<std::uint64_t, W> Words{};

  void Set(int i) { Words[static_cast<std::size_t>(i) >> 6] |= std::uint64_t{1} << (i & 63); }
  bool Test(int i) const { return (Words[static_cast<std::size_t>(i) >> 6] >> (i & 63)) & 1; }

  template <class TOperation>
  friend TBitLine Combine(TBitLine a, const TBitLine& b, TOperation operation) {
    for (std::size_t w = 0; w < W; ++w) a.Words[w] = operation(a.Words[w], b.Words[w]);
    return a;
  }
  friend TBitLine operator&(const TBitLine& a, const TBitLine& b) { return Combine(a, b, std::bit_and<>()); }
  friend TBitLine operator|(const TBitLine& a, const TBitLine& b) { return Combine(a, b, std::bit_or<>()); }
  friend TBitLine operator^(const TBitLine& a, const TBitLine& b) { return Combine(a, b, std::bit_xor<>()); }
  // a and not b.
  friend TBitLine Without(const TBitLine& a, const TBitLine& b) {
    return Combine(a, b, [](std::uint64_t x, std::uint64_t y) { return x & ~y; });
  }

  // Bit i takes bit i + k (0 < k < 64).
  friend TBitLine Ahead(const TBitLine& a, int k) {
    TBitLine result;
    for (std::size_t w = 0; w + 1 < W; ++w) result.Words[w] = (a.Words[w] >> k) | (a.Words[w + 1] << (64 - k));
    result.Words[W - 1] = a.Words[W - 1] >> k;
    return result;
  }

  // Bit i takes bit i - 1.
  friend TBitLine Behind(const TBitLine& a) {
    TBitLine result;
    result.Words[0] = a.Words[0] << 1;
    for (std::size_t w = 1; w < W; ++w) result.Words[w] = (a.Words[w] << 1) | (a.Words[w - 1] >> 63);
    return result;
  }

  friend int Count(const TBitLine& a) {
    int count = 0;
    for (std::uint64_t word : a.Words) count += PopCount(word);
    return count;
  }
};

constexpr int kMaxWords = 3;
constexpr int kMaxLine = 64 * kMaxWords;

// Bits 0 .. length - 1.
template <int W>
TBitLine<W> FirstBits(int length) {
  TBitLine<W> line;
  for (int i = 0; i < length; ++i) line.Set(i);
  return line;
}

// The line rules: a run of six or more modules of one colour scores its
// length less 2, each dark-light-dark-dark-dark-light-dark pattern 40 (the
// pattern reads the same both ways). pairs holds the positions i that have a
// neighbour i + 1 in the line.
template <int W>
int LinePenalty(const TBitLine<W>& line, const TBitLine<W>& pairs) {
  TBitLine<W> same = Without(pairs, line ^ Ahead(line, 1));  // module i has the colour of i + 1
  TBitLine<W> twoPairs = same & Ahead(same, 1);
  TBitLine<W> sixModules = twoPairs & Ahead(twoPairs, 2) & Ahead(same, 4);  // modules i .. i + 5 alike
  TBitLine<W> runStarts = Without(sixModules, Behind(sixModules));
  TBitLine<W> finder = Without(line & Ahead(line, 2) & Ahead(line, 3) & Ahead(line, 4) & Ahead(line, 6),
                               Ahead(line, 1) | Ahead(line, 5));
  // A run of length L holds L - 5 starts of six alike modules.
  return Count(sixModules) + 3 * Count(runStarts) + 40 * Count(finder);
}

// The colours of a square matrix by rows and by columns.
template <int W>
struct TBitPlanes {
  explicit TBitPlanes(int size) : Size(size), Rows(size), Columns(size) {}

  int Size;
  std::vector<TBitLine<W>> Rows;
  std::vector<TBitLine<W>> Columns;

  void SetDark(int row, int column) {
    Rows[row].Set(column);
    Columns[column].Set(row);
  }
};

template <int W>
int Penalty(const TBitPlanes<W>& planes) {
  const int n = planes.Size;
  const TBitLine<W> pairs = FirstBits<W>(n - 1);
  int score = 0;
  int dark = 0;
  for (int k = 0; k < n; ++k) {
    score += LinePenalty(planes.Rows[k], pairs) + LinePenalty(planes.Columns[k], pairs);
    dark += Count(planes.Rows[k]);
  }
  // Each 2 x 2 block of one colour scores 3.
  for (int r = 0; r + 1 < n; ++r) {
    const TBitLine<W>& top = planes.Rows[r];
    const TBitLine<W>& bottom = planes.Rows[r + 1];
    TBitLine<W> across = top ^ bottom;
    score += 3 * Count(Without(pairs, across | Ahead(across, 1) | (top ^ Ahead(top, 1))));
  }
  return score + QrBalancePenalty(dark, n * n);
}

// Every mask condition repeats after 12 rows and after 12 columns, so the
// rows of a mask are 12 bit lines, and so are its columns.
constexpr int kMaskPeriod = 12;

template <int W>
struct TMaskLines {
  std::array<std::array<TBitLine<W>, kMaskPeriod>, 8> Rows;     // bit c of Rows[mask][r % 12]
  std::array<std::array<TBitLine<W>, kMaskPeriod>, 8> Columns;  // bit r of Columns[mask][c % 12]
};

template <int W>
const TMaskLines<W>& MaskLines() {
  static const TMaskLines<W> lines = [] {
    TMaskLines<W> all;
    for (int mask = 0; mask < 8; ++mask)
      for (int phase = 0; phase < kMaskPeriod; ++phase)
        for (int i = 0; i < 64 * W; ++i) {
          if (MaskHolds(mask, phase, i)) all.Rows[mask][phase].Set(i);
          if (MaskHolds(mask, i, phase)) all.Columns[mask][phase].Set(i);
        }
    return all;
  }();
  return lines;
}

// The matrix before masking, split into what each mask changes (the data
// modules) and what it leaves alone. The format modules are left light here
// and written per mask.
template <int W>
class TMaskScorer {
 public:
  explicit TMaskScorer(const TMapMatrix& m) : colours_(m.Rows()), data_(m.Rows()), masked_(m.Rows()) {
    const int n = m.Rows();
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c) {
        std::uint8_t module = m(r, c);
        if (module < 2) data_.SetDark(r, c);
        if ((module & 1) != 0 && (module & ~1) != qkFormat) colours_.SetDark(r, c);
      }
  }

  // The penalty the matrix would have with this mask and format information.
  int Penalty(int mask, std::uint16_t formatBits) {
    const TMaskLines<W>& lines = MaskLines<W>();
    const int n = colours_.Size;
    for (int k = 0, phase = 0; k < n; ++k, phase = phase + 1 == kMaskPeriod ? 0 : phase + 1) {
      masked_.Rows[k] = colours_.Rows[k] ^ (data_.Rows[k] & lines.Rows[mask][phase]);
      masked_.Columns[k] = colours_.Columns[k] ^ (data_.Columns[k] & lines.Columns[mask][phase]);
    }
    ForEachFormatModule(n, formatBits, [this](int row, int column, bool dark) {
      if (dark) masked_.SetDark(row, column);
    });
    return quorvel::Penalty(masked_);
  }

 private:
  TBitPlanes<W> colours_;
  TBitPlanes<W> data_;
  TBitPlanes<W> masked_;
};

template <int W>
int ChooseMask(const TMapMatrix& m, TQRCode_EccLevel level) {
  TMaskScorer<W> scorer(m);
  int best = 0;
  int bestPenalty = 0;
  for (int mask = 0; mask < 8; ++mask) {
    int penalty = scorer.Penalty(mask, QrFormatBits(level, mask));
    if (mask == 0 || penalty < bestPenalty) {
      best = mask;
      bestPenalty = penalty;
    }
  }
  return best;
}

}  // namespace

std::uint16_t QrFormatBits(TQRCode_EccLevel level, int mask) {
  static constexpr int kLevelBits[4] = {0b01, 0b00, 0b11, 0b10};  // L, M, Q, H
  std::uint32_t data = static_cast<std::uint32_t>(kLevelBits[LevelIndex(level)] << 3 | mask);
  return static_cast<std::uint16_t>(WithBch(data, 0x537, 10) ^ 0x5412);
}

std::uint32_t QrVersionBits(int version) { return WithBch(static_cast<std::uint32_t>(version), 0x1F25, 12); }

void WriteQrFormat(TMapMatrix& m, TQRCode_EccLevel level, int mask) {
  ForEachFormatModule(m.Rows(), QrFormatBits(level, mask),
                      [&m](int row, int column, bool dark) { Set(m, row, column, qkFormat, dark); });
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
  const int n = m.Rows();
  std::size_t next = 0;  // the codeword whose bits are being placed
  unsigned bitMask = 0x80;
  auto nextBit = [&]() -> std::uint8_t {
    if (next >= codewords.size()) return 0;  // remainder bits
    std::uint8_t dark = (codewords[next] & bitMask) != 0 ? 1 : 0;
    bitMask >>= 1;
    if (bitMask == 0) {
      bitMask = 0x80;
      ++next;
    }
    return dark;
  };
  bool upwards = true;
  for (int right = n - 1; right >= 1; right -= 2) {
    if (right == 6) right = 5;  // the vertical timing pattern takes column 6
    for (int step = 0; step < n; ++step) {
      std::uint8_t* pair = &m(upwards ? n - 1 - step : step, right - 1);
      if (pair[1] < 4) pair[1] = nextBit();
      if (pair[0] < 4) pair[0] = nextBit();
    }
    upwards = !upwards;
  }
}

namespace {

// The bit lines hold square matrices of up to 192 modules a side.
void RequireBitLineSize(const TMapMatrix& m) {
  if (m.Rows() != m.Columns() || m.Rows() > kMaxLine)
    throw std::invalid_argument("QR matrix not square or larger than any QR symbol");
}

}  // namespace

// The condition read from the mask's row lines, one bit test per module.
void ApplyQrMask(TMapMatrix& m, int mask) {
  RequireBitLineSize(m);
  const TMaskLines<kMaxWords>& lines = MaskLines<kMaxWords>();
  for (int r = 0; r < m.Rows(); ++r) {
    const TBitLine<kMaxWords>& holds = lines.Rows[mask][r % kMaskPeriod];
    for (int c = 0; c < m.Columns(); ++c)
      if (m(r, c) < 2 && holds.Test(c)) m(r, c) ^= 1;
  }
}

int QrBalancePenalty(int darkModules, int allModules) {
  double percent = 100.0 * darkModules / allModules;
  return static_cast<int>(std::nearbyint(std::abs(percent - 50.0) * 2.0));  // the default rounding: halves to even
}

int QrPenalty(const TMapMatrix& m) {
  RequireBitLineSize(m);
  TBitPlanes<kMaxWords> planes(m.Rows());
  for (int r = 0; r < m.Rows(); ++r)
    for (int c = 0; c < m.Columns(); ++c)
      if (m.Dark(r, c)) planes.SetDark(r, c);
  return Penalty(planes);
}

// Scored on bit lines as short as the symbol allows, so that no mask
// touches the matrix until the choice is made.
int ChooseQrMask(TMapMatrix& m, TQRCode_EccLevel level) {
  RequireBitLineSize(m);
  const int n = m.Rows();
  int best = n <= 64 ? ChooseMask<1>(m, level) : n <= 128 ? ChooseMask<2>(m, level) : ChooseMask<3>(m, level);
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
