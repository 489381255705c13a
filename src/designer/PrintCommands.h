#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/LabelPrinting.h"

namespace quorvel {

class IClipboard;
class IDialogs;
class IPrinter;
class IProcessLauncher;
class TForm2;

// The designer's print actions: "Drucken", "Start Drucken" of the current
// label and of a series, the sheet presets, the calibration sheet, the
// series file's dialog and viewer, and "Vorschau". Each reads the fields'
// texts when it runs, returns the design surface to 100 % before it reads
// geometry, and shows a failure as a message instead of passing it on.
class TPrintCommands {
 public:
  TPrintCommands(TForm2& form, IPrinter& printer, IDialogs& dialogs);
  ~TPrintCommands();

  // Connects the window's print buttons and the preset list.
  void Connect();

  // The services the window starts with are the desktop's; tests put their own.
  void SetProcessLauncher(IProcessLauncher& launcher) { launcher_ = &launcher; }
  void SetClipboard(IClipboard& clipboard) { clipboard_ = &clipboard; }

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
  // Runs an action; a failure is shown. The settings fields show the
  // document's texts afterwards, as the action may have changed them.
  void Run(const std::function<void()>& action);
  std::string FieldText(const char* name) const;
  TStartCell StartCell() const;

  TForm2& form_;
  IDialogs& dialogs_;
  TLabelPrinting printing_;
  IProcessLauncher* launcher_;
  IClipboard* clipboard_;
  // The series file dialog's last choice, which a cancelled dialog hands back.
  std::string lastSeriesChoice_;
};

// Plain-text editors tried in this order for "Datei anschauen"; when none is
// installed the file goes to the desktop's default application for it.
const std::vector<std::string>& PlainTextEditors();

}  // namespace quorvel
