#include "print/SeriesPrint.h"

#include <QFileInfo>
#include <algorithm>

#include "document/KindDescription.h"
#include "document/LabelDocument.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Printer.h"
#include "platform/Rounding.h"
#include "platform/TextCodec.h"
#include "print/SeriesFile.h"

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
      if (TSeriesValue apply = Describe(object.Kind()).SeriesValue) apply(object, values[k - 1], document.Zoom);
    }
}

int SeriesCopies(const std::vector<std::string>& values, int quantityColumn, int eachCount) {
  if (quantityColumn <= 0 || quantityColumn > static_cast<int>(values.size())) return eachCount;
  try {
    return RoundHalfEven(StrToFloat(values[quantityColumn - 1]));
  } catch (const EConvertError&) {
    return eachCount;
  }
}

namespace {

// A series run's fields, read before its job begins so that a typing error
// never wastes a sheet, and its file read once to count the lines and check
// every line's copies.
struct TSeriesRun {
  std::string Path;
  int QuantityColumn = 0;
  int FirstLine = 1;
  int LastLine = 1;
  int EachCount = 1;
  int Lines = 0;
  long long Labels = 0;

  bool InRange(int line) const { return line >= FirstLine && line <= LastLine; }
  int Copies(const std::vector<std::string>& values) const { return SeriesCopies(values, QuantityColumn, EachCount); }
};

TSeriesRun BeginSeriesRun(TLabelPrinting& printing, const TSeriesOptions& options,
                          const std::function<void(int line, int copies)>& eachLine = {}) {
  TLabelDocument& document = printing.Document();
  TSeriesRun run;
  run.Path = document.SeriesFileName;
  if (!QFileInfo::exists(ToQString(run.Path))) throw EUserError("Die Datei " + run.Path + " existiert nicht !");
  run.QuantityColumn = document.QuantityColumn.empty() ? 0 : OptionalInt(document.QuantityColumn);
  printing.BeginRun(options.Start);
  run.FirstLine = StrToInt(options.FirstLine);
  run.LastLine = StrToInt(options.LastLine);
  run.EachCount = StrToInt(options.EachCount);
  if (run.EachCount > kMaxLineCopies)
    throw EUserError(Cp1252FromUtf8("Höchstens ") + std::to_string(kMaxLineCopies) +
                     Cp1252FromUtf8(" Exemplare je Zeile, nicht ") + std::to_string(run.EachCount));
  TSeriesFileReader reader(run.Path);
  std::string line;
  while (reader.NextLine(line)) {
    ++run.Lines;
    if (!run.InRange(run.Lines)) continue;
    int copies = std::max(run.Copies(SplitSeriesLine(line)), 0);
    if (copies > kMaxLineCopies)
      throw EUserError("Die Seriendatei " + run.Path + Cp1252FromUtf8(" verlangt in Zeile ") +
                       std::to_string(run.Lines) + ", Spalte " + std::to_string(run.QuantityColumn) + " " +
                       std::to_string(copies) + Cp1252FromUtf8(" Exemplare; höchstens ") +
                       std::to_string(kMaxLineCopies) + Cp1252FromUtf8(" sind möglich"));
    if (eachLine) eachLine(run.Lines, copies);
    run.Labels += copies;
  }
  printing.CheckSheetCount(run.Labels);
  return run;
}

}  // namespace

std::vector<TSheetContents> PlanSeries(TLabelPrinting& printing, const TSeriesOptions& options) {
  std::vector<TSheetContents> sheets;
  long long placed = 0;
  BeginSeriesRun(printing, options, [&](int line, int copies) {
    printing.Plan(placed, copies, line, sheets);
    placed += copies;
  });
  return sheets;
}

void PrintSeries(TLabelPrinting& printing, const TSeriesOptions& options) {
  TLabelDocument& document = printing.Document();
  TSeriesRun run = BeginSeriesRun(printing, options);
  printing.setze_aufloesung();
  TSeriesFileReader reader(run.Path);
  printing.BeginJob();
  printing.InJob([&] {
    std::string line;
    long long labels = 0;
    for (int lineNumber = 1; !printing.PastLastSheet() && reader.NextLine(line); ++lineNumber) {
      if (run.InRange(lineNumber)) {
        try {
          std::vector<std::string> values = SplitSeriesLine(line);
          int copies = run.Copies(values);
          // Lines on sheets that are not printed only take their cells.
          if (printing.PrintsAnyOf(printing.SheetOfCopy(0), printing.SheetOfCopy(std::max(copies, 1) - 1)))
            ApplySeriesValues(document, values);
          for (int copy = 0; copy < copies; ++copy, ++labels) printing.drucke_serie();
        } catch (const EUserError& e) {
          throw EUserError(std::string(e.what()) + " (Zeile " + std::to_string(lineNumber) + " der Seriendatei)");
        }
      }
      if (options.Progress) options.Progress({lineNumber, run.Lines, labels});
    }
  });
}

}  // namespace quorvel
