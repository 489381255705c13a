#pragma once

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "print/LabelRenderer.h"
#include "print/PrintCheck.h"
#include "print/PrintRun.h"

namespace quorvel {

class IDialogs;
class IPrinter;
class TLabelDocument;
struct TSheetLayout;

// Upper bounds of one run, checked before its first sheet, so that a typing
// error cannot fill a disk or keep a printer busy for days.
inline constexpr int kMaxCopies = 100'000;       // copies of one label
inline constexpr int kMaxLineCopies = 10'000;   // copies of one series line
inline constexpr int kMaxSheets = 50'000;        // sheets of one run

// The printable width and height in portrait millimetres, as the set-up
// reads them: a size that is not a whole number from 1 to 5000 is reported,
// replaced in the field by 195 or 288, and used so.
struct TPrintableSize {
  int Width;
  int Height;
};
TPrintableSize ReadPrintableSize(TSheetLayout& layout, IDialogs& dialogs);

// The texts of the fields "Start in Zeile/Spalte" (row, then column).
struct TStartCell {
  std::string Row = "1";
  std::string Column = "1";
};

// How far a job has come: after every sheet of a job over more than one.
struct TPrintProgress {
  long long LabelsDone = 0;
  long long LabelsTotal = 0;
  int SheetsDone = 0;
  int SheetsTotal = 0;
};

// What a job printed.
struct TPrintOutcome {
  long long Labels = 0;
  bool Cancelled = false;  // stopped after a sheet at the progress's request
};

// Hears a job's check before the job begins; the job goes on only when it
// returns true.
using TFindingsGate = std::function<bool(const TPrintCheck& check)>;
// Hands a check with findings to the gate (none: every job goes on);
// throws EAbort when it declines.
void ConfirmFindings(const TPrintCheck& check, const TFindingsGate& gate);

// What one sheet of a run holds: the series lines on it (0 for copies of the
// label) and the number of labels.
struct TSheetContents {
  int FirstLine = 0;
  int LastLine = 0;
  long long Labels = 0;
};

// The print actions of one label document on one printer. Every action
// sets the printer up first and ends a job that an earlier action left
// open; then it checks every barcode and QR Code it will print at the
// job's resolution and lets the findings gate decide before the job
// begins. An action that fails after its job began still ends the job, so
// what was placed is printed, and then passes the error on.
class TLabelPrinting {
 public:
  // Hears of every finished sheet while more are to come; returning false
  // ends the job there, with what was placed printed.
  using TSheetDone = std::function<bool(const TPrintProgress& progress)>;

  TLabelPrinting(TLabelDocument& document, IPrinter& printer, IDialogs& dialogs);

  void SetFindingsGate(TFindingsGate gate) { gate_ = std::move(gate); }
  void SetSheetDone(TSheetDone sheetDone) { sheetDone_ = std::move(sheetDone); }

  // Printer choice by name, the print dialog, orientation and the scale
  // factors from the printable size. A bad printable width or height is
  // reported, replaced by 195 or 288 in the field, and the set-up goes on.
  void setze_aufloesung();

  // "Drucken": one copy at the printable area's corner. Throws EAbort when
  // the gate declines.
  void PrintLabel();

  // "Start Drucken" of the current label: `count` copies from the start cell.
  TPrintOutcome PrintCopies(const std::string& count, const TStartCell& start);

  // ConfirmFindings with the gate set here; remembers the labels the job
  // will print, for the progress.
  void Confirm(const TPrintCheck& check);
  // drucke_serie, after asking whether to go on when it would begin a new
  // sheet. False: the job is to end here.
  bool PlaceCopy();
  // The sheets PrintCopies fills, read and checked as it reads them.
  std::vector<TSheetContents> PlanCopies(const std::string& count, const TStartCell& start);

  // The sheets printed, from 1. The others are laid out alike but not
  // printed, so that a part of a run puts every label where the whole run
  // does. All sheets unless set.
  void SetSheetRange(long long first, long long last);
  // The sheet that the copy `ahead` copies after the next one goes on.
  long long SheetOfCopy(long long ahead) const;
  // Whether any sheet from `first` to `last` is printed.
  bool PrintsAnyOf(long long first, long long last) const { return first <= lastSheet_ && last >= firstSheet_; }
  bool PastLastSheet() const { return SheetOfCopy(0) > lastSheet_; }
  // Adds `copies` copies from the copy `ahead` after the next one to the
  // plan of sheets, as of series line `line` (0 for none).
  void Plan(long long ahead, long long copies, int line, std::vector<TSheetContents>& sheets) const;

  // Prints one copy at the run's cell and advances it; after the last cell
  // of a sheet the next copy begins a new page.
  void drucke_serie();

  // Fills the run: cell 0/0, then the start cell when either field is not
  // "1" (read as decimals; a text that is not a number keeps what was read
  // before it), then the layout snapshot (EConvertError for a field that is
  // not a number). A start cell off the sheet (below 1, beyond the rows or
  // columns, or with a fraction) throws EUserError: it would print past the
  // sheet without end.
  void BeginRun(const TStartCell& start);

  // Refuses (EUserError) a run of `labels` copies from the run's cell that
  // would need more than kMaxSheets sheets. Call after BeginRun.
  void CheckSheetCount(long long labels) const;

  // Called before every copy is placed; may throw to stop the run between
  // labels (the job then ends as after any error).
  void SetBeforeEachLabel(std::function<void()> hook) { beforeEachLabel_ = std::move(hook); }

  // Ends any open job and begins a new one, counting from no label.
  void BeginJob();
  // Runs the body inside the open job; ends the job also when the body throws.
  void InJob(const std::function<void()>& body);

  TPrintRun& Run() { return run_; }
  TScale Scale() const { return scale_; }
  IPrinter& Printer() { return printer_; }
  TLabelDocument& Document() { return document_; }

 private:
  void CheckStartCell() const;
  int SheetsFor(long long labels) const;
  bool CellOnPage(double x, double y) const;
  long long CellsPerSheet() const;
  long long NextCell() const;

  TLabelDocument& document_;
  IPrinter& printer_;
  IDialogs& dialogs_;
  TPrintRun run_;
  TScale scale_;
  TFindingsGate gate_;
  TSheetDone sheetDone_;
  TPrintProgress progress_;
  double pageWidth_ = 0;
  double pageHeight_ = 0;
  long long firstSheet_ = 1;
  long long lastSheet_ = LLONG_MAX;
  std::function<void()> beforeEachLabel_;
};

}  // namespace quorvel
