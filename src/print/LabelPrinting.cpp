#include "print/LabelPrinting.h"

#include "document/LabelDocument.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Printer.h"
#include "platform/TextCodec.h"

namespace quorvel {

TLabelPrinting::TLabelPrinting(TLabelDocument& document, IPrinter& printer, IDialogs& dialogs)
    : document_(document), printer_(printer), dialogs_(dialogs) {}

int TLabelPrinting::ReadPrintableSize(std::string& field, int fallback, const char* message) {
  try {
    return StrToInt(field);
  } catch (const EConvertError&) {
    dialogs_.ShowMessage(Cp1252FromUtf8(message));
    field = std::to_string(fallback);
    return fallback;
  }
}

void TLabelPrinting::setze_aufloesung() {
  std::vector<std::string> names = printer_.PrinterNames();
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == document_.PrinterName) printer_.SelectPrinter(static_cast<int>(i));
  printer_.ShowPrintDialog();
  int width = ReadPrintableSize(document_.Layout.SheetWidth, 195, "Blattbreite falsch angegeben !");
  int height = ReadPrintableSize(document_.Layout.SheetHeight, 288, "Blatthöhe falsch angegeben !");
  printer_.SetOrientation(document_.Landscape ? TPrinterOrientation::poLandscape : TPrinterOrientation::poPortrait);
  double pageWidth = printer_.PageWidth();
  double pageHeight = printer_.PageHeight();
  // The user enters the printable size in portrait terms.
  if (document_.Landscape)
    scale_ = {pageWidth / height, pageHeight / width};
  else
    scale_ = {pageWidth / width, pageHeight / height};
}

void TLabelPrinting::BeginJob() {
  if (printer_.Printing()) printer_.EndDoc();
  printer_.BeginDoc();
}

void TLabelPrinting::InJob(const std::function<void()>& body) {
  try {
    body();
  } catch (...) {
    printer_.EndDoc();
    throw;
  }
  printer_.EndDoc();
}

void TLabelPrinting::PrintLabel() {
  setze_aufloesung();
  BeginJob();
  InJob([&] { ausgabe_etikett(document_, printer_.Canvas(), 0, 0, scale_); });
}

void TLabelPrinting::BeginRun(const TStartCell& start) {
  run_.PrintRow = 0;
  run_.PrintColumn = 0;
  if (start.Row != "1" || start.Column != "1") {
    try {
      run_.PrintRow = StrToFloat(start.Row) - 1;
      run_.PrintColumn = StrToFloat(start.Column) - 1;
    } catch (const EConvertError&) {
      // A start cell that is not a number keeps what was read before it.
    }
  }
  const TSheetLayout& layout = document_.Layout;
  run_.Columns = StrToInt(layout.Columns);
  run_.Rows = StrToInt(layout.Rows);
  run_.RowGap = StrToFloat(layout.RowGap);
  run_.ColumnGap = StrToFloat(layout.ColumnGap);
  run_.TopMargin = StrToFloat(layout.TopMargin);
  run_.LeftMargin = StrToFloat(layout.LeftMargin);
  run_.LabelWidth = StrToFloat(layout.LabelWidth);
  run_.LabelHeight = StrToFloat(layout.LabelHeight);
}

void TLabelPrinting::PrintCopies(const std::string& count, const TStartCell& start) {
  BeginRun(start);
  setze_aufloesung();
  BeginJob();
  InJob([&] {
    int copies = StrToInt(count);
    for (int i = 0; i < copies; ++i) drucke_serie();
  });
}

void TLabelPrinting::drucke_serie() {
  double x = (run_.LabelWidth + run_.ColumnGap) * run_.PrintColumn + run_.LeftMargin;
  double y = (run_.LabelHeight + run_.RowGap) * run_.PrintRow + run_.TopMargin;
  ausgabe_etikett(document_, printer_.Canvas(), x, y, scale_);
  bool lastColumn = run_.PrintColumn == run_.Columns - 1;
  if (lastColumn && run_.PrintRow == run_.Rows - 1) {
    run_.PrintRow = 0;
    run_.PrintColumn = 0;
    printer_.NewPage();
  } else if (lastColumn) {
    run_.PrintRow += 1;
    run_.PrintColumn = 0;
  } else {
    run_.PrintColumn += 1;
  }
}

}  // namespace quorvel
