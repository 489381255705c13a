#include "designer/PrintCommands.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QStandardPaths>
#include <memory>

#include "designer/PrinterPreview.h"
#include "designer/SeriesPage.h"
#include "document/DocumentChanges.h"
#include "document/DocumentView.h"
#include "document/LabelDocument.h"
#include "platform/Dialogs.h"
#include "platform/ProcessLauncher.h"
#include "platform/QtText.h"
#include "print/PrintCheck.h"
#include "print/SeriesPrint.h"
#include "print/SheetSetup.h"

namespace quorvel {
namespace {

constexpr int kFindingsShown = 10;

// The progress of a job over several sheets, with "Abbrechen". Shown from
// the first finished sheet on; pressing "Abbrechen" ends the job after the
// sheet being printed.
class TSheetProgressDialog {
 public:
  explicit TSheetProgressDialog(QWidget& parent) : parent_(parent) {}

  // False once "Abbrechen" was pressed.
  bool SheetDone(const TPrintProgress& progress) {
    if (!dialog_) Open(progress);
    dialog_->setLabelText(QString::fromUtf8("%1 von %2 Bögen gedruckt, %3 von %4 Etiketten")
                              .arg(progress.SheetsDone)
                              .arg(progress.SheetsTotal)
                              .arg(progress.LabelsDone)
                              .arg(progress.LabelsTotal));
    dialog_->setValue(progress.SheetsDone);
    // The user may press "Abbrechen" now; the dialog keeps the window's other input away.
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
  }

 private:
  void Open(const TPrintProgress& progress) {
    dialog_ = std::make_unique<QProgressDialog>(&parent_);
    dialog_->setObjectName("PrintProgress");
    dialog_->setWindowTitle("Drucken");
    dialog_->setCancelButtonText("Abbrechen");
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    dialog_->setRange(0, std::max(1, progress.SheetsTotal));
  }

  QWidget& parent_;
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace

std::string FindingsQuestion(const TPrintCheck& check) {
  return std::string("Diese Codes würden nicht wie entworfen gedruckt:\n") + FindingsText(check, kFindingsShown) +
         "\nTrotzdem drucken?";
}

const std::vector<std::string>& PlainTextEditors() {
  static const std::vector<std::string> editors = {"gnome-text-editor", "gedit", "kate", "kwrite",
                                                   "mousepad", "xed", "pluma", "featherpad", "leafpad"};
  return editors;
}

TPrintCommands::TPrintCommands(TLabelDocument& document, TDocumentChanges& changes, IDocumentView& view,
                               const TSeriesPage& seriesPage, const TServices& services, QWidget& window)
    : document_(document),
      changes_(changes),
      view_(view),
      seriesPage_(seriesPage),
      services_(services),
      window_(window),
      printing_(document, services.Printer, services.Dialogs) {
  printing_.SetFindingsGate(
      [this](const TPrintCheck& check) { return services_.Dialogs.AskYesNoDefaultNo(FindingsQuestion(check)); });
}

TPrintCommands::~TPrintCommands() = default;

void TPrintCommands::ChangingSettings(const std::function<void()>& action) {
  struct TShowSettings {
    IDocumentView& View;
    ~TShowSettings() { View.SettingsChanged(); }
  } showAfterwards{view_};
  action();
}

// Printing reads the geometry of 100 %.
void TPrintCommands::PrintLabel() {
  ChangingSettings([this] {
    view_.ReturnToFullSize();
    printing_.PrintLabel();
  });
}

void TPrintCommands::PrintCopies() {
  ChangingSettings([this] {
    view_.ReturnToFullSize();
    WithProgress([this] { return printing_.PrintCopies(seriesPage_.Copies(), seriesPage_.StartCell()); });
  });
}

void TPrintCommands::PrintSeries() {
  ChangingSettings([this] {
    view_.ReturnToFullSize();
    WithProgress([this] { return quorvel::PrintSeries(printing_, seriesPage_.SeriesOptions()); });
  });
}

void TPrintCommands::WithProgress(const std::function<TPrintOutcome()>& job) {
  TSheetProgressDialog progress(window_);
  printing_.SetSheetDone([&progress](const TPrintProgress& done) { return progress.SheetDone(done); });
  struct TForgetProgress {
    TLabelPrinting& Printing;
    ~TForgetProgress() { Printing.SetSheetDone({}); }
  } forget{printing_};
  TPrintOutcome outcome = job();
  if (outcome.Cancelled)
    services_.Dialogs.ShowMessage(std::string("Der Druck wurde abgebrochen. Gedruckt wurden ") +
                                  std::to_string(outcome.Labels) + " Etiketten.");
}

void TPrintCommands::PrintCalibrationSheet() {
  ChangingSettings([this] {
    view_.ReturnToFullSize();
    quorvel::PrintCalibrationSheet(printing_);
  });
}

void TPrintCommands::ChooseSeriesFile() {
  TFileDialogOptions options;
  options.Filter = "Seriendatei|*.csv";
  options.FileName = lastSeriesChoice_;
  if (std::optional<std::string> chosen = services_.Dialogs.OpenFileName(options)) lastSeriesChoice_ = *chosen;
  // The field takes the dialog's name also after a cancel: its last choice.
  changes_.Change("Seriendatei", [this] { document_.SeriesFileName = lastSeriesChoice_; });
}

void TPrintCommands::ShowSeriesFile() {
  const std::string& file = document_.SeriesFileName;
  bool started = false;
  for (const std::string& editor : PlainTextEditors()) {
    QString program = QStandardPaths::findExecutable(ToQPath(editor));
    if (program.isEmpty()) continue;
    started = services_.Launcher.StartProgram(FromQPath(program), {file}, {});
    break;
  }
  if (!started) started = services_.Launcher.OpenDocument(file);
  if (!started) services_.Dialogs.ShowMessage("Die Datei " + file + " kann nicht angezeigt werden !");
}

void TPrintCommands::ApplyPreset(const std::string& entry) {
  changes_.Change("Zweckform-Auswahl", [&] { ApplySheetPreset(document_.Layout, entry); });
}

void TPrintCommands::ShowPreview() {
  // The size is read first, so a bad label size opens no window.
  PreviewBitmapSize(document_);
  view_.ReturnToFullSize();
  auto* preview = new TPrinterPreview(document_, services_.Dialogs, services_.Clipboard, &window_);
  preview->show();
}

}  // namespace quorvel
