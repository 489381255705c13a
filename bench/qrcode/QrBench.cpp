#include <benchmark/benchmark.h>

#include <string>

#include "platform/ImageControl.h"
#include "qrcode/Barcode2D_QRCode.h"
#include "qrcode/QrEncoder.h"

namespace quorvel {
namespace {

std::string MixedBytes(std::size_t length) {
  const std::string pattern = "Artikel 4711-B/12: Gr\xF6\xDF" "e XL, 24,95 EUR; Lager 0815 (Regal 7)\n";
  std::string text;
  while (text.size() < length) text += pattern;
  text.resize(length);
  return text;
}

void EncodeToMatrix(benchmark::State& state, const std::string& text, const TQrOptions& options) {
  for (auto _ : state) {
    TQrSymbol symbol = EncodeQrSymbol(text, options);
    benchmark::DoNotOptimize(symbol.Matrix);
  }
}

void BM_EncodeUrl30(benchmark::State& state) {
  EncodeToMatrix(state, "https://www.quorvel.de/a?id=42", {});
}
BENCHMARK(BM_EncodeUrl30);

void BM_EncodeMixed500(benchmark::State& state) {
  TQrOptions options;
  options.EncodePolicy = static_cast<TQRCode_EncodePolicy>(state.range(0));
  EncodeToMatrix(state, MixedBytes(500), options);
}
BENCHMARK(BM_EncodeMixed500)
    ->Arg(static_cast<int>(TQRCode_EncodePolicy::epMixingQuick))
    ->Arg(static_cast<int>(TQRCode_EncodePolicy::epMixingOptimal));

// 2950 bytes that stay in byte mode: version 40-L.
void BM_EncodeVersion40(benchmark::State& state) {
  std::string text;
  while (text.size() < 2950) text += "gr\xFC\xDF" "e aus k\xF6ln; lager regal sieben, fach drei.\n";
  text.resize(2950);
  if (EncodeQrSymbol(text).State.Version != 40) state.SkipWithError("the payload is not a version 40 symbol");
  EncodeToMatrix(state, text, {});
}
BENCHMARK(BM_EncodeVersion40);

// The designer's case: a stretched 100 x 100 image, the symbol cached.
void BM_DrawStretched100(benchmark::State& state) {
  TImageControl image;
  image.SetBounds(0, 0, 100, 100);
  TBarcode2D_QRCode qr;
  qr.SetBarcodeWidth(100);
  qr.SetBarcodeHeight(100);
  qr.SetStretch(true);
  qr.SetBarcode("https://www.quorvel.de/a?id=42");
  qr.SetImage(&image);
  for (auto _ : state) benchmark::DoNotOptimize(qr.Draw());
}
BENCHMARK(BM_DrawStretched100);

}  // namespace
}  // namespace quorvel
