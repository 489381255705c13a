#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/LabelPrinting.h"

class QProgressDialog;
class QWidget;

namespace quorvel {

class IClipboard;
class IDialogs;
class IDocumentView;
class IPrinter;
class IProcessLauncher;
class TDocumentChanges;
class TSeriesPage;

// The designer's print actions: "Drucken", "Start Drucken" of the current
// label and of a series, the sheet presets, the calibration sheet, the
// series file's dialog and viewer, and "Vorschau". Each reads the series
// page's fields when it runs, returns the design surface to 100 % before it
// reads geometry, and leaves its failures to the caller's handler guard.
// Before a job begins, the findings of its check are listed and the user
// asked "Trotzdem drucken?"; a job over more than one sheet shows its
// progress with "Abbrechen", which ends it after the sheet being printed.
class TPrintCommands {
 public:
  struct TServices {
    IPrinter& Printer;
    IDialogs& Dialogs;
    IClipboard& Clipboard;        // "Vorschau" copies its bitmap there
    IProcessLauncher& Launcher;  // "Datei anschauen" starts a viewer
  };

  // The preview windows open as children of `window`.
  TPrintCommands(TLabelDocument& document, TDocumentChanges& changes, IDocumentView& view,
                 const TSeriesPage& seriesPage, const TServices& services, QWidget& window);
  ~TPrintCommands();

  TLabelPrinting& Printing() { return printing_; }

  void PrintLabel();
  void PrintCopies();
  void PrintSeries();
  void ChooseSeriesFile();
  void ShowSeriesFile();
  void ApplyPreset(const std::string& entry);
  void PrintCalibrationSheet();
  void ShowPreview();

 private:
  // Runs an action that may change the document's settings: the fields show
  // them afterwards, also after a failure.
  void ChangingSettings(const std::function<void()>& action);
  // Runs a job of several sheets with its progress shown; says how many
  // labels were printed when it was cancelled.
  void WithProgress(const std::function<TPrintOutcome()>& job);

  TLabelDocument& document_;
  TDocumentChanges& changes_;
  IDocumentView& view_;
  const TSeriesPage& seriesPage_;
  TServices services_;
  QWidget& window_;
  TLabelPrinting printing_;
  // The series file dialog's last choice, which a cancelled dialog hands back.
  std::string lastSeriesChoice_;
};

// The question asked before a job whose check found something: up to ten
// findings, then "Trotzdem drucken?".
std::string FindingsQuestion(const TPrintCheck& check);

// Plain-text editors tried in this order for "Datei anschauen"; when none is
// installed the file goes to the desktop's default application for it.
const std::vector<std::string>& PlainTextEditors();

}  // namespace quorvel
