#include "qrcode/QrSegmenter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "qrcode/QrTables.h"

namespace quorvel {
namespace {

using TGroupThreshold = std::array<int, 3>;

// Run lengths below which a change of mode does not pay, for the version
// groups 1..9, 10..26 and 27..40.
constexpr TGroupThreshold kDigitsOverByte = {4, 4, 5};
constexpr TGroupThreshold kDigitsBetweenBytes = {6, 8, 9};
constexpr TGroupThreshold kDigitsOverAlphanumeric = {7, 8, 9};
constexpr TGroupThreshold kDigitsInsideAlphanumeric = {13, 15, 17};
constexpr TGroupThreshold kDigitsInsideAlphanumericOptimal = {14, 15, 17};
constexpr TGroupThreshold kAlphanumericOverByte = {6, 7, 8};
constexpr TGroupThreshold kAlphanumericBetweenBytes = {11, 15, 16};
constexpr TGroupThreshold kKanjiOverByte = {5, 5, 6};
constexpr TGroupThreshold kKanjiBetweenBytes = {9, 12, 13};

using enum TQrCharClass;
using enum TQrMode;

// The runs of the text from every position, so that each look-ahead of the
// segmentation rules costs O(1).
class TRuns {
 public:
  TRuns(std::string_view text, bool allowKanji)
      : text_(text), digit_(text.size() + 2), alnumOnly_(text.size() + 2), alnum_(text.size() + 2),
        byte_(text.size() + 2), kanjiPairs_(text.size() + 2) {
    for (std::size_t i = text.size(); i-- > 0;) {
      TQrCharClass c = QrCharClassAt(text, i);
      bool pair = allowKanji && IsQrKanjiPairAt(text, i);
      digit_[i] = c == ccDigit ? 1 + digit_[i + 1] : 0;
      alnumOnly_[i] = c == ccAlphanumeric ? 1 + alnumOnly_[i + 1] : 0;
      alnum_[i] = c == ccDigit || c == ccAlphanumeric ? 1 + alnum_[i + 1] : 0;
      byte_[i] = c == ccByte || (c == ccKanjiLead && !pair) ? 1 + byte_[i + 1] : 0;
      kanjiPairs_[i] = pair ? 1 + kanjiPairs_[i + 2] : 0;
    }
  }

  std::size_t Size() const { return text_.size(); }
  TQrCharClass ClassAt(std::size_t p) const { return QrCharClassAt(text_, p); }
  int Digits(std::size_t p) const { return At(digit_, p); }
  int AlphanumericOnly(std::size_t p) const { return At(alnumOnly_, p); }
  int Alphanumeric(std::size_t p) const { return At(alnum_, p); }
  int Bytes(std::size_t p) const { return At(byte_, p); }
  int KanjiPairs(std::size_t p) const { return At(kanjiPairs_, p); }

 private:
  static int At(const std::vector<int>& runs, std::size_t p) { return p < runs.size() ? runs[p] : 0; }

  std::string_view text_;
  std::vector<int> digit_, alnumOnly_, alnum_, byte_, kanjiPairs_;
};

bool IsByteOrKanjiLead(TQrCharClass c) { return c == ccByte || c == ccKanjiLead; }
bool IsEndOrKanjiLead(TQrCharClass c) { return c == ccEnd || c == ccKanjiLead; }

int DataBits(TQrMode mode, int count) {
  switch (mode) {
    case qmNumeric: return 10 * (count / 3) + std::array{0, 4, 7}[count % 3];
    case qmAlphanumeric: return 11 * (count / 2) + 6 * (count % 2);
    case qmByte: return 8 * count;
    case qmKanji: return 13 * (count / 2);
    default: return 0;
  }
}

TQrSegmentation EmptySegmentation(int version) {
  TQrSegmentation result;
  AddQrSegment(result, qmNumeric, 0, version);
  return result;
}

// ---- epMixingQuick: one pass with a current mode ----

struct TStep {
  int Length = 0;
  TQrMode Mode = qmNone;
};

class TQuickSegmenter {
 public:
  TQuickSegmenter(const TRuns& runs, int group) : runs_(runs), g_(group) {}

  TStep Decide(TQrMode current, std::size_t p) const {
    switch (current) {
      case qmAlphanumeric: return InAlphanumeric(p);
      case qmByte: return InByte(p);
      default: return FromOther(p);
    }
  }

 private:
  TStep KanjiOrByte(std::size_t p, const TGroupThreshold& beforeByte, const TGroupThreshold& beforeOther) const {
    int k = runs_.KanjiPairs(p);
    if (k == 0) return {runs_.Bytes(p), qmByte};
    const TGroupThreshold& threshold = IsByteOrKanjiLead(runs_.ClassAt(p + 2 * k)) ? beforeByte : beforeOther;
    return {2 * k, k < threshold[g_] ? qmByte : qmKanji};
  }

  // When the current mode is none, numeric or Kanji.
  TStep FromOther(std::size_t p) const {
    switch (runs_.ClassAt(p)) {
      case ccDigit: {
        int r = runs_.Digits(p);
        TQrCharClass f = runs_.ClassAt(p + r);
        if (f == ccAlphanumeric) return {r, r < kDigitsOverAlphanumeric[g_] ? qmAlphanumeric : qmNumeric};
        if (f == ccByte) return {r, r < kDigitsOverByte[g_] ? qmByte : qmNumeric};
        return {r, qmNumeric};
      }
      case ccAlphanumeric: {
        int r = runs_.AlphanumericOnly(p);
        bool beforeByte = runs_.ClassAt(p + r) == ccByte;
        return {r, beforeByte && r < kAlphanumericOverByte[g_] ? qmByte : qmAlphanumeric};
      }
      case ccKanjiLead: {
        static constexpr TGroupThreshold kAlways = {1, 1, 1};
        return KanjiOrByte(p, kKanjiOverByte, kAlways);
      }
      default: return {runs_.Bytes(p), qmByte};
    }
  }

  TStep InAlphanumeric(std::size_t p) const {
    switch (runs_.ClassAt(p)) {
      case ccDigit: {
        int r = runs_.Digits(p);
        const TGroupThreshold& threshold =
            runs_.ClassAt(p + r) == ccAlphanumeric ? kDigitsInsideAlphanumeric : kDigitsOverAlphanumeric;
        return {r, r < threshold[g_] ? qmAlphanumeric : qmNumeric};
      }
      case ccAlphanumeric: return {runs_.AlphanumericOnly(p), qmAlphanumeric};
      case ccKanjiLead: return FromOther(p);
      default: return {runs_.Bytes(p), qmByte};
    }
  }

  TStep InByte(std::size_t p) const {
    switch (runs_.ClassAt(p)) {
      case ccDigit: {
        int r = runs_.Digits(p);
        TQrCharClass f = runs_.ClassAt(p + r);
        if (f == ccAlphanumeric) return {r, r < kDigitsOverAlphanumeric[g_] ? qmAlphanumeric : qmNumeric};
        const TGroupThreshold& threshold = f == ccByte ? kDigitsBetweenBytes : kDigitsOverByte;
        return {r, r < threshold[g_] ? qmByte : qmNumeric};
      }
      case ccAlphanumeric: {
        int r = runs_.AlphanumericOnly(p);
        if (runs_.ClassAt(p + r) == ccDigit) r = runs_.Alphanumeric(p);
        const TGroupThreshold& threshold =
            runs_.ClassAt(p + r) == ccByte ? kAlphanumericBetweenBytes : kAlphanumericOverByte;
        return {r, r < threshold[g_] ? qmByte : qmAlphanumeric};
      }
      case ccKanjiLead: return KanjiOrByte(p, kKanjiBetweenBytes, kKanjiOverByte);
      default: return {runs_.Bytes(p), qmByte};
    }
  }

  const TRuns& runs_;
  int g_;
};

TQrSegmentation SegmentQuick(std::string_view text, int version, bool allowKanji) {
  TRuns runs(text, allowKanji);
  TQuickSegmenter segmenter(runs, QrVersionGroup(version));
  TQrSegmentation result;
  TQrMode current = qmNone;
  int count = 0;
  std::size_t p = 0;
  for (;;) {
    TStep step = p < text.size() ? segmenter.Decide(current, p) : TStep{};
    if (step.Mode != current && current != qmNone) {
      AddQrSegment(result, current, count, version);
      if (step.Mode == qmNone) break;
      count = step.Length;
    } else {
      count += step.Length;
    }
    p += step.Length;
    current = step.Mode;
  }
  return result;
}

// ---- epSingleMode: the first mode that holds every byte ----

TQrMode SingleMode(std::string_view text, bool allowKanji) {
  auto all = [&](auto predicate) { return std::all_of(text.begin(), text.end(), predicate); };
  if (all([](char c) { return QrCharClass(static_cast<unsigned char>(c)) == ccDigit; })) return qmNumeric;
  if (all([](char c) { return QrAlphanumericValue(static_cast<unsigned char>(c)) < 45; })) return qmAlphanumeric;
  if (allowKanji && text.size() % 2 == 0) {
    bool pairs = true;
    for (std::size_t p = 0; pairs && p < text.size(); p += 2) pairs = IsQrKanjiPairAt(text, p);
    if (pairs) return qmKanji;
  }
  return qmByte;
}

// ---- epMixingOptimal: slices searched over every mode choice ----

// The cheapest segmentation of one slice. The search over mode choices
// depends only on the position, the previous mode and the odd flag, so its
// results are kept per such state and computed from the end of the slice.
class TOptimalSearch {
 public:
  TOptimalSearch(std::string_view slice, int version, bool allowKanji)
      : runs_(slice, allowKanji), version_(version), g_(QrVersionGroup(version)), allowKanji_(allowKanji) {}

  std::vector<TQrSegment> Run(TQrMode previous) {
    std::size_t n = runs_.Size();
    best_.assign((n + 1) * kStates, {});
    for (std::size_t p = n; p-- > 0;)
      for (int state = 0; state < kStates; ++state) best_[p * kStates + state] = Best(p, state);
    std::vector<TQrSegment> segments;
    int state = StateOf(previous, false);
    for (std::size_t p = 0; p < n;) {
      const TChoice& choice = best_[p * kStates + state];
      segments.push_back({choice.Mode, choice.Length, 0});
      p += choice.Length;
      state = StateOf(choice.Mode, choice.Odd);
    }
    return segments;
  }

 private:
  static constexpr int kStates = 10;  // previous mode none..Kanji, odd flag

  struct TChoice {
    long long Cost = 0;
    TQrMode Mode = qmNone;
    int Length = 0;
    bool Odd = false;
  };

  static int StateOf(TQrMode previous, bool odd) { return static_cast<int>(previous) * 2 + (odd ? 1 : 0); }

  TChoice Best(std::size_t p, int state) const {
    TQrMode previous = static_cast<TQrMode>(state / 2);
    bool odd = state % 2 == 1;
    TChoice best{std::numeric_limits<long long>::max()};
    for (TQrMode mode : {qmNumeric, qmAlphanumeric, qmByte, qmKanji}) {
      if (mode == qmKanji && !allowKanji_) continue;
      int n = Prefix(mode, p, previous);
      if (n == 0) continue;
      TChoice candidate{mode == previous ? 0 : 4 + QrCountIndicatorBits(mode, version_), mode, n, false};
      if (mode == qmAlphanumeric && odd && previous == qmAlphanumeric) {
        // The first character completes the odd last one of the previous piece.
        candidate.Cost += 11 - 6 + DataBits(mode, n - 1);
        candidate.Odd = (n - 1) % 2 == 1;
      } else {
        candidate.Cost += DataBits(mode, n);
        candidate.Odd = mode == qmAlphanumeric && n % 2 == 1;
      }
      if (p + n < runs_.Size()) candidate.Cost += best_[(p + n) * kStates + StateOf(mode, candidate.Odd)].Cost;
      if (candidate.Cost < best.Cost) best = candidate;
    }
    return best;
  }

  int Prefix(TQrMode mode, std::size_t p, TQrMode previous) const {
    switch (mode) {
      case qmNumeric: return NumericPrefix(p, previous);
      case qmAlphanumeric: return AlphanumericPrefix(p);
      case qmByte: return BytePrefix(p);
      default: return KanjiPrefix(p, previous);
    }
  }

  int NumericPrefix(std::size_t p, TQrMode previous) const {
    int r = runs_.Digits(p);
    TQrCharClass f = runs_.ClassAt(p + r);
    int threshold = 1;
    if (previous == qmByte && f == ccByte)
      threshold = kDigitsBetweenBytes[g_];
    else if (previous == qmAlphanumeric)
      threshold = kDigitsOverAlphanumeric[g_];
    else if (f == ccAlphanumeric || previous == qmByte || f == ccByte)
      threshold = kDigitsOverByte[g_];
    return r >= threshold ? r : 0;
  }

  int AlphanumericPrefix(std::size_t p) const {
    int d1 = runs_.Digits(p);
    int a1 = runs_.AlphanumericOnly(p + d1);
    int d2 = runs_.Digits(p + d1 + a1);
    int a2 = runs_.AlphanumericOnly(p + d1 + a1 + d2);
    int n = d1 + a1;
    if (d2 > 0) {
      if (a2 < kAlphanumericOverByte[g_]) {
        if (d2 < kDigitsOverAlphanumeric[g_]) n += d2;
      } else if (d2 < kDigitsInsideAlphanumericOptimal[g_]) {
        n += d2 + a2;
      }
    }
    return n;
  }

  int BytePrefix(std::size_t p) const {
    int leadingKanji = allowKanji_ ? runs_.KanjiPairs(p) : 0;
    int n = leadingKanji > 0 ? 2 * leadingKanji : AlphanumericPrefix(p);
    n += runs_.Bytes(p + n);
    std::size_t q = p + n;
    if (int k = allowKanji_ ? runs_.KanjiPairs(q) : 0; k > 0) {
      std::size_t after = q + 2 * k;
      if (!IsByteOrKanjiLead(runs_.ClassAt(after))) {
        if (k < kKanjiOverByte[g_]) n += 2 * k;
      } else if (k < kKanjiBetweenBytes[g_]) {
        n += 2 * k + runs_.Bytes(after);
      }
    } else if (int d = runs_.Digits(q); d > 0) {
      TQrCharClass f = runs_.ClassAt(q + d);
      if (IsEndOrKanjiLead(f) && d < kDigitsOverByte[g_]) n += d;
      if (f == ccByte && d < kDigitsBetweenBytes[g_]) n += d + runs_.Bytes(q + d);
    } else if (int a = runs_.AlphanumericOnly(q); a > 0) {
      TQrCharClass f = runs_.ClassAt(q + a);
      if (IsEndOrKanjiLead(f) && a < kAlphanumericOverByte[g_]) n += a;
      if (f == ccByte && a < kAlphanumericBetweenBytes[g_]) n += a + runs_.Bytes(q + a);
    }
    return std::max(n, 1);
  }

  int KanjiPrefix(std::size_t p, TQrMode previous) const {
    int k = runs_.KanjiPairs(p);
    bool byteFollows = IsByteOrKanjiLead(runs_.ClassAt(p + 2 * k));
    int threshold = 1;
    if (previous == qmByte && byteFollows)
      threshold = kKanjiBetweenBytes[g_];
    else if (previous == qmByte || byteFollows)
      threshold = kKanjiOverByte[g_];
    return k > 0 && k >= threshold ? 2 * k : 0;
  }

  TRuns runs_;
  int version_;
  int g_;
  bool allowKanji_;
  std::vector<TChoice> best_;
};

// Slices end after a byte run, at the end of the text, or after maxSliceLen
// digits and alphanumeric characters.
std::vector<std::string_view> Slices(std::string_view text, int maxSliceLen, bool allowKanji) {
  TRuns runs(text, allowKanji);
  std::vector<std::string_view> slices;
  std::size_t s = 0;
  std::size_t p = 0;
  while (p < text.size()) {
    TQrCharClass c = runs.ClassAt(p);
    if (runs.Bytes(p) > 0) {
      p += runs.Bytes(p);
      slices.push_back(text.substr(s, p - s));
      s = p;
      continue;
    }
    p += c == ccKanjiLead ? 2 : 1;
    bool full = c != ccKanjiLead && maxSliceLen > 0 && p - s >= static_cast<std::size_t>(maxSliceLen);
    if (p >= text.size() || full) {
      slices.push_back(text.substr(s, p - s));
      s = p;
    }
  }
  return slices;
}

TQrSegmentation SegmentOptimal(std::string_view text, int version, int maxSliceLen, bool allowKanji) {
  std::vector<TQrSegment> joined;
  TQrMode previous = qmNone;
  for (std::string_view slice : Slices(text, maxSliceLen, allowKanji)) {
    for (const TQrSegment& segment : TOptimalSearch(slice, version, allowKanji).Run(previous)) {
      if (!joined.empty() && joined.back().Mode == segment.Mode)
        joined.back().Count += segment.Count;
      else
        joined.push_back(segment);
    }
    previous = qmByte;
  }
  TQrSegmentation result;
  for (const TQrSegment& segment : joined) AddQrSegment(result, segment.Mode, segment.Count, version);
  return result;
}

}  // namespace

TQrCharClass QrCharClass(unsigned char byte) {
  if (byte >= '0' && byte <= '9') return ccDigit;
  if (QrAlphanumericValue(byte) < 45) return ccAlphanumeric;
  if ((byte >= 129 && byte <= 159) || (byte >= 224 && byte <= 235)) return ccKanjiLead;
  return ccByte;
}

TQrCharClass QrCharClassAt(std::string_view text, std::size_t position) {
  return position < text.size() ? QrCharClass(static_cast<unsigned char>(text[position])) : ccEnd;
}

int QrAlphanumericValue(unsigned char byte) {
  // Looked up for every byte of every text, so read from a table.
  static constexpr std::array<std::uint8_t, 256> kValues = [] {
    std::array<std::uint8_t, 256> values{};
    values.fill(45);
    for (int d = 0; d < 10; ++d) values['0' + d] = static_cast<std::uint8_t>(d);
    for (int l = 0; l < 26; ++l) values['A' + l] = static_cast<std::uint8_t>(10 + l);
    constexpr std::string_view kSymbols = " $%*+-./:";
    for (std::size_t k = 0; k < kSymbols.size(); ++k)
      values[static_cast<unsigned char>(kSymbols[k])] = static_cast<std::uint8_t>(36 + k);
    return values;
  }();
  return kValues[byte];
}

bool IsQrKanjiPairAt(std::string_view text, std::size_t position) {
  if (position + 1 >= text.size() || QrCharClassAt(text, position) != ccKanjiLead) return false;
  auto lead = static_cast<unsigned char>(text[position]);
  auto trail = static_cast<unsigned char>(text[position + 1]);
  bool trailInRange = (trail >= 64 && trail <= 126) || (trail >= 128 && trail <= 252);
  return trailInRange && (lead != 235 || trail <= 191);
}

int QrSegmentBits(TQrMode mode, int count, int version) {
  return 4 + QrCountIndicatorBits(mode, version) + DataBits(mode, count);
}

int QrSegmentItems(TQrMode mode, int count) {
  switch (mode) {
    case qmNumeric: return 2 + (count + 2) / 3;
    case qmAlphanumeric: return 2 + (count + 1) / 2;
    case qmByte: return 2 + count;
    case qmKanji: return 2 + count / 2;
    default: return 2;
  }
}

void AddQrSegment(TQrSegmentation& segmentation, TQrMode mode, int count, int version) {
  segmentation.Segments.push_back({mode, count, 0});
  segmentation.BitCount += QrSegmentBits(mode, count, version);
  segmentation.ItemCount += QrSegmentItems(mode, count);
}

int QrMaxDigits(int dataCodewords, int version, int extraBits) {
  int b = 8 * dataCodewords - QrCountIndicatorBits(qmNumeric, version) - extraBits - 4;
  if (b < 0) return -1;
  return 3 * (b / 10) + std::array{0, 0, 0, 0, 1, 1, 1, 2, 2, 2}[b % 10];
}

TQrSegmentation SegmentText(std::string_view text, int version, const TQrSegmentOptions& options) {
  if (text.empty()) return EmptySegmentation(version);
  switch (options.Policy) {
    case TQRCode_EncodePolicy::epSingleMode: {
      TQrSegmentation result;
      AddQrSegment(result, SingleMode(text, options.AllowKanji), static_cast<int>(text.size()), version);
      return result;
    }
    case TQRCode_EncodePolicy::epMixingOptimal:
      return SegmentOptimal(text, version, options.MaxSliceLen, options.AllowKanji);
    case TQRCode_EncodePolicy::epMixingQuick: break;
  }
  return SegmentQuick(text, version, options.AllowKanji);
}

}  // namespace quorvel
