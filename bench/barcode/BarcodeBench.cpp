// Validation and encoding of the common linear symbologies, and painting an
// EAN-13 at printer resolution; times are per symbol.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "barcode/BarCodeEncoder.h"
#include "barcode/Ean.h"
#include "platform/Bitmap.h"

namespace quorvel {
namespace {

void Encode(benchmark::State& state, TTypBarCode type, const std::string& value) {
  for (auto _ : state) {
    TEncodedBarCode encoded = EncodeBarCode(type, value, {});
    benchmark::DoNotOptimize(encoded.Symbol.Modules.data());
  }
}

void BM_ValidateEncodeEan13(benchmark::State& state) { Encode(state, TTypBarCode::bcEan13, "9771210107001"); }
void BM_ValidateEncodeCode128(benchmark::State& state) {
  Encode(state, TTypBarCode::bcCode128, "Quorvel Etikett 2024");  // 20 characters, code set B
}
void BM_ValidateEncodeCode39(benchmark::State& state) {
  Encode(state, TTypBarCode::bcCode39Standard, "QUORVEL-ETIKETT-2024");  // 20 characters
}

// A 37.29 x 25.93 mm EAN-13 (its nominal size) on a 600-dpi page.
void BM_PaintToEan13At600Dpi(benchmark::State& state) {
  constexpr int kPpi = 600;
  constexpr int kWidth = 881;   // 37.29 mm
  constexpr int kHeight = 613;  // 25.93 mm
  TBitmap bitmap(kWidth, kHeight, kPpi);
  TEan ean;
  for (auto _ : state) ean.PaintTo(bitmap.Canvas(), {0, 0, kWidth, kHeight});
  if (ean.LastPaintError() != TLastPaintError::erOK) state.SkipWithError("the EAN-13 did not paint");
}

BENCHMARK(BM_ValidateEncodeEan13);
BENCHMARK(BM_ValidateEncodeCode128);
BENCHMARK(BM_ValidateEncodeCode39);
BENCHMARK(BM_PaintToEan13At600Dpi)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvel

// Text measuring needs a GUI application, headless here.
int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
