#include "designer/PrintCommands.h"

#include <QStandardPaths>

#include "designer/PrinterPreview.h"
#include "designer/SeriesPage.h"
#include "document/DocumentChanges.h"
#include "document/DocumentView.h"
#include "document/LabelDocument.h"
#include "platform/Dialogs.h"
#include "platform/ProcessLauncher.h"
#include "platform/TextCodec.h"
#include "print/SeriesPrint.h"
#include "print/SheetSetup.h"

namespace quorvel {

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
      printing_(document, services.Printer, services.Dialogs) {}

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
    printing_.PrintCopies(seriesPage_.Copies(), seriesPage_.StartCell());
  });
}

void TPrintCommands::PrintSeries() {
  ChangingSettings([this] {
    view_.ReturnToFullSize();
    quorvel::PrintSeries(printing_, seriesPage_.SeriesOptions());
  });
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
    QString program = QStandardPaths::findExecutable(ToQString(editor));
    if (program.isEmpty()) continue;
    started = services_.Launcher.StartProgram(FromQString(program), {file}, {});
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
