#include "print/SeriesPrint.h"

#include <QFileInfo>
#include <algorithm>

#include "document/KindDescription.h"
#include "document/LabelDocument.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Printer.h"
#include "platform/QtText.h"
#include "print/SeriesFile.h"
#include "qrcode/Barcode2D_QRCode.h"

namespace quorvel {
namespace {

int OptionalInt(const std::string& text) {
  try {
    return StrToInt(text);
  } catch (const EConvertError&) {
    return 0;
  }
}

}  // namespace

void ApplySeriesValues(TLabelDocument& document, const std::vector<std::string>& values) {
  for (std::size_t k = 1; k <= values.size(); ++k)
    for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
      TLabelObject& object = document.Object(slot);
      if (object.Deleted || object.Variable != static_cast<int>(k)) continue;
      if (TSeriesValue apply = Describe(object.Kind()).SeriesValue) apply(object, values[k - 1]);
    }
}

void ShowSeriesValues(TLabelDocument& document) {
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    TLabelObject& o = document.Object(slot);
    if (o.Deleted || o.Variable <= 0) continue;
    if (TSeriesShown show = Describe(o.Kind()).SeriesShown) show(o, document.Zoom);
  }
}

TSeriesRange ReadSeriesRange(const TLabelDocument& document, const TSeriesOptions& options) {
  TSeriesRange range;
  range.QuantityColumn = document.QuantityColumn.empty() ? 0 : OptionalInt(document.QuantityColumn);
  range.FirstLine = StrToInt(options.FirstLine);
  range.LastLine = StrToInt(options.LastLine);
  range.EachCount = StrToInt(options.EachCount);
  return range;
}

namespace {

// A series run's fields, read before its job begins so that a typing error
// never wastes a sheet, and its file read once to count the lines and check
// every line's copies.
struct TSeriesRun {
  std::string Path;
  TSeriesRange Range;
  int Lines = 0;
  long long Labels = 0;
};

TSeriesRun BeginSeriesRun(TLabelPrinting& printing, const TSeriesOptions& options,
                          const std::function<void(int line, int copies)>& eachLine = {}) {
  TLabelDocument& document = printing.Document();
  TSeriesRun run;
  run.Path = document.SeriesFileName;
  if (!QFileInfo::exists(ToQPath(run.Path))) throw EUserError("Die Datei " + run.Path + " existiert nicht !");
  printing.BeginRun(options.Start);
  run.Range = ReadSeriesRange(document, options);
  if (run.Range.EachCount > kMaxLineCopies)
    throw EUserError(std::string("Höchstens ") + std::to_string(kMaxLineCopies) +
                     " Exemplare je Zeile, nicht " + std::to_string(run.Range.EachCount));
  TSeriesFileReader reader(run.Path);
  TLineSource counted = [&](std::string& line) {
    if (!reader.NextLine(line)) return false;
    ++run.Lines;
    return true;
  };
  ForEachSeriesLine(counted, run.Range, [&](int line, const std::vector<std::string>&, int copies) {
    copies = std::max(copies, 0);
    if (copies > kMaxLineCopies)
      throw EUserError("Die Seriendatei " + run.Path + " verlangt in Zeile " + std::to_string(line) +
                       ", Spalte " + std::to_string(run.Range.QuantityColumn) + " " + std::to_string(copies) +
                       " Exemplare; höchstens " + std::to_string(kMaxLineCopies) +
                       " sind möglich");
    if (eachLine) eachLine(line, copies);
    run.Labels += copies;
    return true;
  });
  printing.CheckSheetCount(run.Labels);
  return run;
}

// While a series prints, the design surface waits: QR Codes draw into no
// picture (the page takes each symbol from its modules) and texts keep
// their element. When the run ends, they show the last values.
class TSurfaceWaits {
 public:
  explicit TSurfaceWaits(TLabelDocument& document) : document_(document) {
    for (int slot = 1; slot <= document_.ObjectCount(); ++slot) {
      TLabelObject& o = document_.Object(slot);
      if (!o.Deleted && o.Variable > 0 && o.Kind() == TObjectKind::okQrCode) o.QrEncoder().SetImage(nullptr);
    }
  }
  ~TSurfaceWaits() {
    try {
      ShowSeriesValues(document_);
    } catch (...) {
      // The print's own outcome matters more than the design surface.
    }
  }
  TSurfaceWaits(const TSurfaceWaits&) = delete;
  TSurfaceWaits& operator=(const TSurfaceWaits&) = delete;

 private:
  TLabelDocument& document_;
};

}  // namespace

TPrintCheck CheckSeriesFile(const TLabelDocument& document, TScale scale, const TSeriesRange& range) {
  TSeriesFileReader reader(document.SeriesFileName);
  return CheckSeries(document, scale, range, reader.Lines());
}

std::vector<TSheetContents> PlanSeries(TLabelPrinting& printing, const TSeriesOptions& options) {
  std::vector<TSheetContents> sheets;
  long long placed = 0;
  BeginSeriesRun(printing, options, [&](int line, int copies) {
    printing.Plan(placed, copies, line, sheets);
    placed += copies;
  });
  return sheets;
}

TPrintOutcome PrintSeries(TLabelPrinting& printing, const TSeriesOptions& options) {
  TLabelDocument& document = printing.Document();
  TSeriesRun run = BeginSeriesRun(printing, options);
  printing.setze_aufloesung();
  printing.Confirm(CheckSeriesFile(document, printing.Scale(), run.Range));
  TSeriesFileReader reader(run.Path);
  TSurfaceWaits surface(document);
  TPrintOutcome outcome;
  printing.BeginJob();
  printing.InJob([&] {
    TLineSource lines = [&](std::string& line) { return !printing.PastLastSheet() && reader.NextLine(line); };
    long long labels = 0;
    outcome.Cancelled = !ForEachSeriesLine(lines, run.Range, [&](int line, const auto& values, int copies) {
      try {
        // Lines on sheets that are not printed only take their cells.
        if (printing.PrintsAnyOf(printing.SheetOfCopy(0), printing.SheetOfCopy(std::max(copies, 1) - 1)))
          ApplySeriesValues(document, values);
        for (int copy = 0; copy < copies; ++copy, ++labels)
          if (!printing.PlaceCopy()) return false;
      } catch (const EUserError& e) {
        throw EUserError(std::string(e.what()) + " (Zeile " + std::to_string(line) + " der Seriendatei)");
      }
      if (options.Progress) options.Progress({line, run.Lines, labels});
      return true;
    });
    outcome.Labels = labels;
  });
  return outcome;
}

}  // namespace quorvel
