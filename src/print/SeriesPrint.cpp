#include "print/SeriesPrint.h"

#include <QFileInfo>
#include <algorithm>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/Errors.h"
#include "platform/ImageControl.h"
#include "platform/NumberParsing.h"
#include "platform/Printer.h"
#include "platform/Rounding.h"
#include "platform/TextCodec.h"
#include "print/SeriesFile.h"
#include "qrcode/Barcode2D_QRCode.h"

namespace quorvel {
namespace {

bool FileExists(const std::string& path) { return QFileInfo(ToQString(path)).isFile(); }

void ApplyValue(TLabelObject& object, const std::string& value, double zoom) {
  switch (object.Kind()) {
    case TObjectKind::okText:
      object.Text = value;
      object.UpdateElement(zoom);
      break;
    case TObjectKind::okVerticalText:
      // The design surface keeps its rotated picture; the print uses the text.
      object.Text = value;
      break;
    case TObjectKind::okBarcode:
      object.Barcode().SetBarCode(value);
      break;
    case TObjectKind::okPicture:
      if (FileExists(value)) {
        // The same unchanged file keeps its picture: the page then embeds it once.
        if (object.Image().Picture().IsLoadedFrom(value)) break;
        TPicture picture;
        picture.LoadFromFile(value);
        object.Image().SetPicture(std::move(picture));
      } else {
        object.Image().SetPicture(TPicture());
      }
      break;
    case TObjectKind::okQrCode: {
      TBarcode2D_QRCode& encoder = object.QrEncoder();
      // A new value draws the symbol once; the same value is emptied first
      // so that it is still drawn anew.
      if (encoder.Barcode() == value) encoder.SetBarcode({});
      encoder.SetBarcode(value);
      encoder.SetImage(&object.Element());
      object.Element().Invalidate();
      break;
    }
    case TObjectKind::okBox:
    case TObjectKind::okHLine:
    case TObjectKind::okVLine:
      break;
  }
}

// What a series run will print, counted before its first sheet.
struct TSeriesCount {
  int Lines = 0;
  long long Labels = 0;
};

TSeriesCount CountSeries(const std::string& path, int firstLine, int lastLine, int quantityColumn, int eachCount) {
  TSeriesFileReader reader(path);
  TSeriesCount count;
  std::string line;
  while (reader.NextLine(line)) {
    ++count.Lines;
    if (count.Lines < firstLine || count.Lines > lastLine) continue;
    int copies = SeriesCopies(SplitSeriesLine(line), quantityColumn, eachCount);
    if (copies > kMaxLineCopies)
      throw EUserError("Die Seriendatei " + path + Cp1252FromUtf8(" verlangt in Zeile ") +
                       std::to_string(count.Lines) + ", Spalte " + std::to_string(quantityColumn) + " " +
                       std::to_string(copies) + Cp1252FromUtf8(" Exemplare; höchstens ") +
                       std::to_string(kMaxLineCopies) + Cp1252FromUtf8(" sind möglich"));
    count.Labels += std::max(copies, 0);
  }
  return count;
}

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
      if (!object.Deleted && object.Variable == static_cast<int>(k)) ApplyValue(object, values[k - 1], document.Zoom);
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
  if (!QFileInfo::exists(ToQString(path))) throw EUserError("Die Datei " + path + " existiert nicht !");
  int quantityColumn = document.QuantityColumn.empty() ? 0 : OptionalInt(document.QuantityColumn);
  printing.BeginRun(options.Start);
  // Every field is read before the job begins, so a typing error never wastes a sheet.
  int firstLine = StrToInt(options.FirstLine);
  int lastLine = StrToInt(options.LastLine);
  int eachCount = StrToInt(options.EachCount);
  if (eachCount > kMaxLineCopies)
    throw EUserError(Cp1252FromUtf8("Höchstens ") + std::to_string(kMaxLineCopies) +
                     Cp1252FromUtf8(" Exemplare je Zeile, nicht ") + std::to_string(eachCount));
  TSeriesCount count = CountSeries(path, firstLine, lastLine, quantityColumn, eachCount);
  printing.CheckSheetCount(count.Labels);
  printing.setze_aufloesung();
  TSeriesFileReader reader(path);
  printing.BeginJob();
  printing.InJob([&] {
    std::string line;
    long long labels = 0;
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
      if (options.Progress) options.Progress({lineNumber, count.Lines, labels});
    }
  });
}

}  // namespace quorvel
