#include "print/LabelPrinting.h"

#include <algorithm>
#include <cmath>

#include "document/LabelDocument.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Printer.h"
#include "platform/TextCodec.h"

namespace quorvel {

TLabelPrinting::TLabelPrinting(TLabelDocument& document, IPrinter& printer, IDialogs& dialogs)
    : document_(document), printer_(printer), dialogs_(dialogs) {}

namespace {

// Beyond 5000 mm a PDF page cannot go; 0 would divide by nothing.
constexpr int kMaxSheetMm = 5000;

int ReadSize(std::string& field, int fallback, const char* message, IDialogs& dialogs) {
  try {
    int size = StrToInt(field);
    if (size >= 1 && size <= kMaxSheetMm) return size;
  } catch (const EConvertError&) {
  }
  dialogs.ShowMessage(message);
  field = std::to_string(fallback);
  return fallback;
}

}  // namespace

TPrintableSize ReadPrintableSize(TSheetLayout& layout, IDialogs& dialogs) {
  int width = ReadSize(layout.SheetWidth, 195, "Blattbreite falsch angegeben !", dialogs);
  int height = ReadSize(layout.SheetHeight, 288, "Blatthöhe falsch angegeben !", dialogs);
  return {width, height};
}

void TLabelPrinting::setze_aufloesung() {
  std::vector<std::string> names = printer_.PrinterNames();
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == document_.PrinterName) printer_.SelectPrinter(static_cast<int>(i));
  printer_.ShowPrintDialog();
  auto [width, height] = ReadPrintableSize(document_.Layout, dialogs_);
  printer_.SetOrientation(document_.Landscape ? TPrinterOrientation::poLandscape : TPrinterOrientation::poPortrait);
  double pageWidth = pageWidth_ = printer_.PageWidth();
  double pageHeight = pageHeight_ = printer_.PageHeight();
  // The user enters the printable size in portrait terms.
  if (document_.Landscape)
    scale_ = {pageWidth / height, pageHeight / width};
  else
    scale_ = {pageWidth / width, pageHeight / height};
}

void TLabelPrinting::BeginJob() {
  if (printer_.Printing()) printer_.EndDoc();
  printer_.BeginDoc();
  progress_.LabelsDone = 0;
  progress_.SheetsDone = 0;
}

void ConfirmFindings(const TPrintCheck& check, const TFindingsGate& gate) {
  if (!check.Empty() && gate && !gate(check)) throw EAbort("Druck abgebrochen");
}

void TLabelPrinting::Confirm(const TPrintCheck& check) {
  ConfirmFindings(check, gate_);
  progress_ = {0, check.Labels, 0, SheetsFor(check.Labels)};
}

// The sheets that many labels fill from the run's cell; one label without
// a run ("Drucken") takes one sheet.
int TLabelPrinting::SheetsFor(long long labels) const {
  if (labels <= 0) return 0;
  if (CellsPerSheet() <= 0) return 1;
  return static_cast<int>(SheetOfCopy(labels - 1) - run_.Sheet + 1);
}

bool TLabelPrinting::PlaceCopy() {
  if (run_.NewPagePending && sheetDone_) {
    ++progress_.SheetsDone;
    if (!sheetDone_(progress_)) return false;
  }
  drucke_serie();
  ++progress_.LabelsDone;
  return true;
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
  Confirm(CheckLabel(document_, scale_, 1));
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
  run_.NewPagePending = false;
  run_.Sheet = 1;
  CheckStartCell();
}

void TLabelPrinting::SetSheetRange(long long first, long long last) {
  firstSheet_ = first;
  lastSheet_ = last;
}

long long TLabelPrinting::CellsPerSheet() const {
  return static_cast<long long>(run_.Rows) * static_cast<long long>(run_.Columns);
}

// The cell of the next copy counted from the current sheet's first; past its
// last when the next copy begins a sheet.
long long TLabelPrinting::NextCell() const {
  if (run_.NewPagePending) return CellsPerSheet();
  return static_cast<long long>(run_.PrintRow * run_.Columns + run_.PrintColumn);
}

long long TLabelPrinting::SheetOfCopy(long long ahead) const {
  return run_.Sheet + (NextCell() + ahead) / CellsPerSheet();
}

void TLabelPrinting::Plan(long long ahead, long long copies, int line, std::vector<TSheetContents>& sheets) const {
  const long long cells = CellsPerSheet(), next = NextCell();
  for (long long end = ahead + copies; ahead < end;) {
    long long sheet = SheetOfCopy(ahead);
    long long onSheet = std::min(end - ahead, cells - (next + ahead) % cells);
    if (sheets.size() < static_cast<std::size_t>(sheet)) sheets.resize(static_cast<std::size_t>(sheet));
    TSheetContents& contents = sheets[static_cast<std::size_t>(sheet - 1)];
    if (line > 0 && contents.FirstLine == 0) contents.FirstLine = line;
    if (line > 0) contents.LastLine = line;
    contents.Labels += onSheet;
    ahead += onSheet;
  }
}

void TLabelPrinting::CheckStartCell() const {
  auto onSheet = [](double index, double count) { return index >= 0 && index < count && index == std::floor(index); };
  if (onSheet(run_.PrintRow, run_.Rows) && onSheet(run_.PrintColumn, run_.Columns)) return;
  throw EUserError(std::string("Die Startzelle Zeile ") + FloatToStr(run_.PrintRow + 1) + " / Spalte " +
                   FloatToStr(run_.PrintColumn + 1) + " liegt nicht auf dem Blatt mit " +
                   FloatToStr(run_.Rows) + " Zeilen und " + FloatToStr(run_.Columns) + " Spalten");
}

void TLabelPrinting::CheckSheetCount(long long labels) const {
  long long sheets = labels > 0 ? SheetOfCopy(labels - 1) : 1;
  if (sheets <= kMaxSheets) return;
  throw EUserError(std::string("Der Druck bräuchte ") + std::to_string(sheets) +
                   " Blätter; ein Druck hat höchstens " + std::to_string(kMaxSheets) +
                   " Blätter");
}

TPrintOutcome TLabelPrinting::PrintCopies(const std::string& count, const TStartCell& start) {
  BeginRun(start);
  // Read before the job begins, so a typing error never wastes a sheet.
  int copies = StrToInt(count);
  if (copies > kMaxCopies)
    throw EUserError(std::string("Höchstens ") + std::to_string(kMaxCopies) +
                     " Exemplare auf einmal, nicht " + std::to_string(copies));
  CheckSheetCount(copies);
  setze_aufloesung();
  Confirm(CheckLabel(document_, scale_, copies));
  BeginJob();
  TPrintOutcome outcome;
  InJob([&] {
    for (int i = 0; i < copies && !PastLastSheet() && !outcome.Cancelled; ++i) outcome.Cancelled = !PlaceCopy();
  });
  outcome.Labels = progress_.LabelsDone;
  return outcome;
}

std::vector<TSheetContents> TLabelPrinting::PlanCopies(const std::string& count, const TStartCell& start) {
  BeginRun(start);
  int copies = StrToInt(count);
  CheckSheetCount(copies);
  std::vector<TSheetContents> sheets;
  Plan(0, copies, 0, sheets);
  return sheets;
}

// A label wholly off the printable area would draw nothing there; skipping
// it keeps a grid far larger than the sheet from filling the page's memory.
bool TLabelPrinting::CellOnPage(double x, double y) const {
  return x * scale_.X < pageWidth_ && y * scale_.Y < pageHeight_ && (x + run_.LabelWidth) * scale_.X > 0 &&
         (y + run_.LabelHeight) * scale_.Y > 0;
}

void TLabelPrinting::drucke_serie() {
  if (beforeEachLabel_) beforeEachLabel_();
  if (run_.NewPagePending) {
    ++run_.Sheet;
    if (run_.Sheet > firstSheet_ && run_.Sheet <= lastSheet_) printer_.NewPage();
    run_.NewPagePending = false;
  }
  double x = (run_.LabelWidth + run_.ColumnGap) * run_.PrintColumn + run_.LeftMargin;
  double y = (run_.LabelHeight + run_.RowGap) * run_.PrintRow + run_.TopMargin;
  bool printed = run_.Sheet >= firstSheet_ && run_.Sheet <= lastSheet_;
  if (printed && CellOnPage(x, y)) ausgabe_etikett(document_, printer_.Canvas(), x, y, scale_);
  bool lastColumn = run_.PrintColumn == run_.Columns - 1;
  if (lastColumn && run_.PrintRow == run_.Rows - 1) {
    run_.PrintRow = 0;
    run_.PrintColumn = 0;
    run_.NewPagePending = true;
  } else if (lastColumn) {
    run_.PrintRow += 1;
    run_.PrintColumn = 0;
  } else {
    run_.PrintColumn += 1;
  }
}

}  // namespace quorvel
