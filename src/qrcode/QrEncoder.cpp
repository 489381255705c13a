#include "qrcode/QrEncoder.h"

#include "qrcode/QrCodewords.h"
#include "qrcode/QrMatrix.h"
#include "qrcode/QrTables.h"

namespace quorvel {
namespace {

TQRCode_EccLevel LevelOf(int index) { return static_cast<TQRCode_EccLevel>(index); }

// The extra bits and the characters that the length checks count.
int ExtraBits(const TQrOptions& options, const TQrEncodeState& state) {
  return options.AllowEscape ? state.EscBits : 0;
}

int Characters(const TQrOptions& options, const TQrEncodeState& state, std::string_view data) {
  return options.AllowEscape ? state.EscCharCount : static_cast<int>(data.size());
}

bool MayFit(const TQrOptions& options, const TQrEncodeState& state, std::string_view data, int version) {
  int capacity = QrMaxDigits(QrDataCodewords(version, options.EccLevel), version, ExtraBits(options, state));
  return capacity >= Characters(options, state, data);
}

}  // namespace

void QrScanEscapes(const TQrOptions& options, TQrEncodeState& state, std::string_view data) {
  if (!options.AllowEscape) return;
  state.Escapes = ParseQrEscapes(data);
  state.EscBits = state.Escapes.EscBits;
  state.EscCharCount = state.Escapes.EscCharCount;
}

void QrResetSegmentation(TQrEncodeState& state) {
  state.SegVersion = 0;
  state.SegmentCache = {};
}

bool QrCheckLength(const TQrOptions& options, const TQrEncodeState& state, std::string_view data) {
  return MayFit(options, state, data, options.MaxVersion);
}

int QrCheckCharacters(const TQrOptions& options, const TQrEncodeState& state) {
  return options.AllowEscape ? state.Escapes.ErrorPosition : 0;
}

TQrSegmentation QrSegment(const TQrOptions& options, const TQrEncodeState& state, std::string_view data, int version) {
  TQrSegmentOptions segmentOptions{options.EncodePolicy, options.MaxSliceLen, options.AllowKanjiMode};
  if (options.AllowEscape) return SegmentEscapedText(state.Escapes, version, segmentOptions);
  return SegmentText(data, version, segmentOptions);
}

bool QrChooseSymbol(const TQrOptions& options, TQrEncodeState& state, std::string_view data,
                    const TQrSegmentFunction& segment, bool& tooLong) {
  tooLong = true;
  int chosen = 0;
  for (int v = options.MinVersion; v <= options.MaxVersion && chosen == 0; ++v) {
    if (!MayFit(options, state, data, v)) continue;
    std::optional<TQrSegmentation>& cached = state.SegmentCache[QrVersionGroup(v)];
    if (!cached) cached = segment(v);
    if (8 * QrDataCodewords(v, options.EccLevel) >= cached->BitCount) chosen = v;
  }
  if (chosen == 0) return false;
  state.Segmentation = *state.SegmentCache[QrVersionGroup(chosen)];
  state.SegVersion = chosen;
  tooLong = false;
  state.ItemCount = state.Segmentation.ItemCount;
  state.BitCount = state.Segmentation.BitCount;
  int level = LevelIndex(options.EccLevel);
  if (options.EccLevelUpgrade) {
    // Only room left in the chosen version counts; the version stays.
    for (int l = LevelIndex(TQRCode_EccLevel::elHighest); l > level; --l) {
      if (8 * QrDataCodewords(chosen, LevelOf(l)) >= state.BitCount) {
        level = l;
        break;
      }
    }
  }
  bool changed = chosen != state.Version || level != state.Level;
  state.Version = static_cast<std::uint8_t>(chosen);
  state.Level = static_cast<std::uint8_t>(level);
  return changed;
}

void QrBuildCodewords(const TQrOptions& options, TQrEncodeState& state, std::string_view data) {
  std::string unescaped = options.AllowEscape ? QrUnescapedData(state.Escapes) : std::string();
  std::string_view bytes = options.AllowEscape ? std::string_view(unescaped) : data;
  TQRCode_EccLevel level = LevelOf(state.Level);
  state.Items = MakeQrBitItems(state.Segmentation.Segments, bytes, state.Version);
  state.Codewords =
      InterleaveQrBlocks(MakeQrDataCodewords(state.Items, QrDataCodewords(state.Version, level)), state.Version, level);
}

void QrBuildMatrix(TQrEncodeState& state, TMapMatrix& matrix) {
  state.Mask = BuildQrMatrix(matrix, state.Version, LevelOf(state.Level), state.Codewords);
}

TQrSymbol FitQrSymbol(std::string_view data, const TQrOptions& options) {
  TQrSymbol symbol;
  TQrEncodeState& state = symbol.State;
  state.Version = static_cast<std::uint8_t>(options.MinVersion);
  state.Level = static_cast<std::uint8_t>(LevelIndex(options.EccLevel));
  QrScanEscapes(options, state, data);
  bool tooLong = !QrCheckLength(options, state, data);
  if (tooLong) {
    symbol.Result = -1;
    return symbol;
  }
  if (int position = QrCheckCharacters(options, state); position != 0) {
    symbol.Result = position;
    return symbol;
  }
  QrChooseSymbol(options, state, data, [&](int version) { return QrSegment(options, state, data, version); }, tooLong);
  if (tooLong) symbol.Result = -1;
  return symbol;
}

TQrSymbol EncodeQrSymbol(std::string_view data, const TQrOptions& options) {
  TQrSymbol symbol = FitQrSymbol(data, options);
  if (symbol.Result != 0) return symbol;
  TQrEncodeState& state = symbol.State;
  QrBuildCodewords(options, state, data);
  int size = QrSymbolSize(state.Version);
  symbol.Matrix.Reset(size, size);
  QrBuildMatrix(state, symbol.Matrix);
  return symbol;
}

}  // namespace quorvel
