// The peer libraries on the inputs of OursEncodeBench.cpp: libqrencode for
// QR Code (text to module matrix with its own mask choice), zint for the
// linear symbologies and PDF417 (validation and module rows, no drawing).
#include <benchmark/benchmark.h>
#include <qrencode.h>
#include <zint.h>

#include "CompareInputs.h"

namespace quorvel {
namespace {

void EncodeQr(benchmark::State& state, const std::string& text, QRecLevel level, int expectedVersion = 0) {
  for (auto _ : state) {
    QRcode* code = QRcode_encodeString(text.c_str(), 0, level, QR_MODE_8, 1);
    if (code == nullptr) {
      state.SkipWithError("libqrencode refused the text");
      return;
    }
    if (expectedVersion != 0 && code->version != expectedVersion) {
      state.SkipWithError("unexpected version");
      QRcode_free(code);
      return;
    }
    benchmark::DoNotOptimize(code->data);
    QRcode_free(code);
  }
}

void BM_QrUrl30L(benchmark::State& state) { EncodeQr(state, bench::kUrl30, QR_ECLEVEL_L); }
void BM_QrMixed500M(benchmark::State& state) { EncodeQr(state, bench::MixedBytes(500), QR_ECLEVEL_M); }
void BM_QrVersion40L(benchmark::State& state) { EncodeQr(state, bench::Version40Payload(), QR_ECLEVEL_L, 40); }

// One symbol per iteration, as our encoder returns a fresh module string.
void EncodeZint(benchmark::State& state, int symbology, const std::string& value, int option2 = 0) {
  for (auto _ : state) {
    zint_symbol* symbol = ZBarcode_Create();
    symbol->symbology = symbology;
    if (option2 != 0) symbol->option_2 = option2;
    int error = ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(value.data()),
                                static_cast<int>(value.size()));
    benchmark::DoNotOptimize(symbol->encoded_data);
    ZBarcode_Delete(symbol);
    if (error >= ZINT_ERROR) {
      state.SkipWithError("zint refused the value");
      return;
    }
  }
}

void BM_Ean13(benchmark::State& state) { EncodeZint(state, BARCODE_EANX, bench::kEan13); }
void BM_Code128(benchmark::State& state) { EncodeZint(state, BARCODE_CODE128, bench::kCode128); }
void BM_Pdf417Text100(benchmark::State& state) {
  EncodeZint(state, BARCODE_PDF417, bench::Pdf417Text(), bench::kPdf417Columns);
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
