#include <benchmark/benchmark.h>

#include "barcode/Pdf417.h"

namespace quorvel {
namespace {

// Label-like text that crosses all four text sub-modes.
std::string LabelText(std::size_t length) {
  const std::string sample = "Charge A-17; Preis: 12,50 EUR (inkl. MwSt.) Artikel 0815 / lager@quorvel ";
  std::string text;
  while (text.size() < length) text += sample;
  return text.substr(0, length);
}

std::string Bytes(std::size_t length) {
  std::string bytes(length, '\0');
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(i * 151 + 7);
  return bytes;
}

TPdf417Options Options(xbPDF417Mode mode) {
  TPdf417Options options;
  options.Mode = mode;
  options.Cols = 20;
  return options;
}

void EncodeCodewords(benchmark::State& state, std::string value, xbPDF417Mode mode) {
  TPdf417Options options = Options(mode);
  for (auto _ : state) benchmark::DoNotOptimize(EncodePdf417Codewords(value, options));
}

void EncodeSymbol(benchmark::State& state, std::string value, xbPDF417Mode mode) {
  TPdf417Options options = Options(mode);
  for (auto _ : state) benchmark::DoNotOptimize(EncodePdf417(value, options));
}

void BM_TextCodewords(benchmark::State& state) {
  EncodeCodewords(state, LabelText(state.range(0)), xbPDF417Mode::xbPDF417Alphanumeric);
}
void BM_ByteCodewords(benchmark::State& state) {
  EncodeCodewords(state, Bytes(state.range(0)), xbPDF417Mode::xbPDF417Binary);
}
void BM_NumericCodewords(benchmark::State& state) {
  EncodeCodewords(state, std::string(state.range(0), '7'), xbPDF417Mode::xbPDF417Numeric);
}
void BM_TextSymbol(benchmark::State& state) {
  EncodeSymbol(state, LabelText(state.range(0)), xbPDF417Mode::xbPDF417Alphanumeric);
}
void BM_MinWidth(benchmark::State& state) {
  std::string value = LabelText(state.range(0));
  TPdf417Options options = Options(xbPDF417Mode::xbPDF417Alphanumeric);
  for (auto _ : state) benchmark::DoNotOptimize(Pdf417MinWidth(value, options));
}

BENCHMARK(BM_TextCodewords)->Arg(100)->Arg(1000);
BENCHMARK(BM_ByteCodewords)->Arg(100)->Arg(1000);
BENCHMARK(BM_NumericCodewords)->Arg(100)->Arg(1000);
BENCHMARK(BM_TextSymbol)->Arg(100)->Arg(1000);
BENCHMARK(BM_MinWidth)->Arg(100)->Arg(1000);

}  // namespace
}  // namespace quorvel
