// Series printing to PDF through the designer's own code path: a 70 x 36 mm
// label with two texts, an EAN-13, a Code 128 and a QR Code, 3 x 8 labels per
// A4 sheet, at 600 dpi. Reports labels per second and the peak memory, which
// must not grow with the number of lines beyond the PDF being written.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <sys/resource.h>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/PdfPrinter.h"
#include "platform/ScriptedDialogs.h"
#include "print/LabelPrinting.h"
#include "print/SeriesPrint.h"

namespace quorvel {
namespace {

TLabelObject& Add(TLabelDocument& document, TObjectKind kind, int left, int top, int width, int height, int variable) {
  TLabelObject& o = document.Append(std::make_unique<TLabelObject>(kind));
  o.Left = left, o.Top = top, o.Width = width, o.Height = height, o.Variable = variable;
  return o;
}

void BuildLabel(TLabelDocument& document) {
  document.Layout = {"70", "36", "210", "288", "3", "8", "0", "0", "0", "0"};
  Add(document, TObjectKind::okText, 20, 20, 0, 0, 1).Text = "Name";
  Add(document, TObjectKind::okText, 20, 60, 0, 0, 2).Text = "Strasse";
  Add(document, TObjectKind::okBarcode, 20, 100, 300, 150, 3).Barcode().SetBarCode("400638133393");
  TLabelObject& code128 = Add(document, TObjectKind::okBarcode, 20, 260, 420, 90, 4);
  code128.Barcode().SetTypBarCode(TTypBarCode::bcCode128);
  TLabelObject& qr = Add(document, TObjectKind::okQrCode, 460, 20, 220, 220, 5);
  qr.QrText = "https://quorvel.example/";
  qr.DrawQrSymbol();
}

std::string WriteSeries(const QTemporaryDir& dir, int lines) {
  std::string path = dir.filePath("series.csv").toStdString();
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < lines; ++i)
    out << "Kunde " << i << ";Hauptstrasse " << i % 200 << ";400638" << 100000 + i % 900000 << ";SHIP-" << i
        << ";https://quorvel.example/track/" << i << "\r\n";
  return path;
}

void SeriesToPdf(benchmark::State& state) {
  int lines = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  TLabelDocument document;
  BuildLabel(document);
  document.SeriesFileName = WriteSeries(dir, lines);
  TScriptedDialogs dialogs;
  for (auto _ : state) {
    TPdfPrinter printer(dir.filePath("series.pdf").toStdString(), 210, 288, 600);
    TLabelPrinting printing(document, printer, dialogs);
    PrintSeries(printing, {});
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.SetItemsProcessed(state.iterations() * lines);
  state.counters["labels/s"] = benchmark::Counter(static_cast<double>(lines) * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["peak_MiB"] = usage.ru_maxrss / 1024.0;
}

// Fewer lines first, so the peak memory of the larger run shows its growth.
BENCHMARK(SeriesToPdf)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
