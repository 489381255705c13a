#include "print/SeriesPrint.h"

#include <QFileInfo>

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

bool FileExists(const std::string& path) { return QFileInfo(ToQString(path)).isFile(); }

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

void PrintSeries(TLabelPrinting& printing, const TSeriesOptions& options) {
  TLabelDocument& document = printing.Document();
  const std::string& path = document.SeriesFileName;
  if (!FileExists(path)) throw EUserError("Die Datei " + path + " existiert nicht !");
  int quantityColumn = document.QuantityColumn.empty() ? 0 : OptionalInt(document.QuantityColumn);
  printing.BeginRun(options.Start);
  // Every field is read before the job begins, so a typing error never wastes a sheet.
  int firstLine = StrToInt(options.FirstLine);
  int lastLine = StrToInt(options.LastLine);
  int eachCount = StrToInt(options.EachCount);
  printing.setze_aufloesung();
  TSeriesFileReader reader(path);
  printing.BeginJob();
  printing.InJob([&] {
    std::string line;
    int labels = 0;
    for (int lineNumber = 1; reader.NextLine(line); ++lineNumber) {
      if (lineNumber >= firstLine && lineNumber <= lastLine) {
        try {
          std::vector<std::string> values = SplitSeriesLine(line);
          ApplySeriesValues(document, values);
          int copies = SeriesCopies(values, quantityColumn, eachCount);
          for (int copy = 0; copy < copies; ++copy, ++labels) printing.drucke_serie();
        } catch (const EUserError& e) {
          throw EUserError(std::string(e.what()) + " (Zeile " + std::to_string(lineNumber) + " der Seriendatei)");
        }
      }
      if (options.Progress) options.Progress(lineNumber, labels);
    }
  });
}

}  // namespace quorvel
