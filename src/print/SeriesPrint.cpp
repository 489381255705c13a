#include "print/SeriesPrint.h"

#include <QFileInfo>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/Errors.h"
#include "platform/ImageControl.h"
#include "platform/NumberParsing.h"
#include "platform/Printer.h"
#include "platform/TextCodec.h"
#include "print/SeriesFile.h"
#include "qrcode/Barcode2D_QRCode.h"

namespace quorvel {
namespace {

bool FileExists(const std::string& path) { return QFileInfo(ToQString(path)).isFile(); }

void ApplyValue(TLabelObject& object, const std::string& value) {
  switch (object.Kind()) {
    case TObjectKind::okText:
    case TObjectKind::okVerticalText:
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
    case TObjectKind::okQrCode:
      object.QrEncoder().SetBarcode(value);
      break;
    case TObjectKind::okBox:
    case TObjectKind::okHLine:
    case TObjectKind::okVLine:
      break;
  }
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
      if (!object.Deleted && object.Variable == static_cast<int>(k)) ApplyValue(object, values[k - 1]);
    }
}

void ShowSeriesValues(TLabelDocument& document) {
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    TLabelObject& o = document.Object(slot);
    if (o.Deleted || o.Variable <= 0) continue;
    // The design surface keeps a vertical text's turned picture; the print uses the text.
    if (o.Kind() == TObjectKind::okText) o.UpdateElement(document.Zoom);
    if (o.Kind() == TObjectKind::okQrCode) o.DrawQrText(o.QrEncoder().Barcode());
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

TPrintOutcome PrintSeries(TLabelPrinting& printing, const TSeriesOptions& options) {
  TLabelDocument& document = printing.Document();
  const std::string& path = document.SeriesFileName;
  if (!FileExists(path)) throw EUserError("Die Datei " + path + " existiert nicht !");
  printing.BeginRun(options.Start);
  // Every field is read before the job begins, so a typing error never wastes a sheet.
  TSeriesRange range = ReadSeriesRange(document, options);
  printing.setze_aufloesung();
  {
    TSeriesFileReader firstPass(path);
    printing.Confirm(CheckSeries(document, printing.Scale(), range, firstPass.Lines()));
  }
  TSeriesFileReader reader(path);
  TSurfaceWaits surface(document);
  TPrintOutcome outcome;
  printing.BeginJob();
  printing.InJob([&] {
    long long labels = 0;
    outcome.Cancelled = !ForEachSeriesLine(reader.Lines(), range, [&](int line, const auto& values, int copies) {
      try {
        ApplySeriesValues(document, values);
        for (int copy = 0; copy < copies; ++copy, ++labels)
          if (!printing.PlaceCopy()) return false;
      } catch (const EUserError& e) {
        throw EUserError(std::string(e.what()) + " (Zeile " + std::to_string(line) + " der Seriendatei)");
      }
      if (options.Progress) options.Progress(line, labels);
      return true;
    });
    outcome.Labels = labels;
  });
  return outcome;
}

}  // namespace quorvel
