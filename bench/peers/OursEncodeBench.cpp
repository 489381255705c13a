// Our side of the encoder comparison with the peer libraries; the benchmark
// names match PeerEncodeBench.cpp so that bench/compare.sh can pair them.
#include <benchmark/benchmark.h>

#include "CompareInputs.h"
#include "barcode/BarCodeEncoder.h"
#include "barcode/Pdf417.h"
#include "qrcode/QrEncoder.h"

namespace quorvel {
namespace {

// A fixed level, as the peer is asked for: no upgrade into spare room.
void EncodeQr(benchmark::State& state, const std::string& text, TQRCode_EccLevel level) {
  TQrOptions options;
  options.EccLevel = level;
  options.EccLevelUpgrade = false;
  for (auto _ : state) {
    TQrSymbol symbol = EncodeQrSymbol(text, options);
    benchmark::DoNotOptimize(symbol.Matrix);
  }
}

void BM_QrUrl30L(benchmark::State& state) { EncodeQr(state, bench::kUrl30, TQRCode_EccLevel::elLowest); }
void BM_QrMixed500M(benchmark::State& state) { EncodeQr(state, bench::MixedBytes(500), TQRCode_EccLevel::elMedium); }
void BM_QrVersion40L(benchmark::State& state) {
  const std::string text = bench::Version40Payload();
  TQrOptions options;
  options.EccLevelUpgrade = false;
  if (EncodeQrSymbol(text, options).State.Version != 40) state.SkipWithError("the payload is not a version 40 symbol");
  EncodeQr(state, text, TQRCode_EccLevel::elLowest);
}

void EncodeLinear(benchmark::State& state, TTypBarCode type, const std::string& value) {
  for (auto _ : state) {
    TEncodedBarCode encoded = EncodeBarCode(type, value, {});
    benchmark::DoNotOptimize(encoded.Symbol.Modules.data());
  }
}

void BM_Ean13(benchmark::State& state) { EncodeLinear(state, TTypBarCode::bcEan13, bench::kEan13); }
void BM_Code128(benchmark::State& state) { EncodeLinear(state, TTypBarCode::bcCode128, bench::kCode128); }

// The whole symbol, as the peer builds it: codewords and module rows.
void BM_Pdf417Text100(benchmark::State& state) {
  const std::string text = bench::Pdf417Text();
  TPdf417Options options;
  options.Cols = bench::kPdf417Columns;
  for (auto _ : state) {
    TPdf417Symbol symbol = EncodePdf417(text, options);
    benchmark::DoNotOptimize(symbol.RowModules.data());
  }
  state.SetLabel("whole symbol");
}

BENCHMARK(BM_QrUrl30L);
BENCHMARK(BM_QrMixed500M);
BENCHMARK(BM_QrVersion40L);
BENCHMARK(BM_Ean13);
BENCHMARK(BM_Code128);
BENCHMARK(BM_Pdf417Text100);

}  // namespace
}  // namespace quorvel
