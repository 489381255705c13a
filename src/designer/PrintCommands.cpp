#include "designer/PrintCommands.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

#include "designer/Form2.h"
#include "designer/PrinterPreview.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/ProcessLauncher.h"
#include "platform/TextCodec.h"
#include "print/SeriesPrint.h"
#include "print/SheetSetup.h"

namespace quorvel {
namespace {

IProcessLauncher& DesktopLauncher() {
  static TQtProcessLauncher launcher;
  return launcher;
}

IClipboard& SystemClipboard() {
  static TQtClipboard clipboard;
  return clipboard;
}

}  // namespace

const std::vector<std::string>& PlainTextEditors() {
  static const std::vector<std::string> editors = {"gnome-text-editor", "gedit", "kate", "kwrite",
                                                   "mousepad", "xed", "pluma", "featherpad", "leafpad"};
  return editors;
}

TPrintCommands::TPrintCommands(TForm2& form, IPrinter& printer, IDialogs& dialogs)
    : form_(form),
      dialogs_(dialogs),
      printing_(form.Document(), printer, dialogs),
      launcher_(&DesktopLauncher()),
      clipboard_(&SystemClipboard()) {}

TPrintCommands::~TPrintCommands() = default;

void TPrintCommands::Connect() {
  const std::pair<const char*, void (TPrintCommands::*)()> kButtons[] = {
      {"PrintButton", &TPrintCommands::PrintLabel},
      {"PreviewButton", &TPrintCommands::ShowPreview},
      {"PrintCopiesButton", &TPrintCommands::PrintCopies},
      {"PrintSeriesButton", &TPrintCommands::PrintSeries},
      {"SeriesFileButton", &TPrintCommands::ChooseSeriesFile},
      {"ShowSeriesFileButton", &TPrintCommands::ShowSeriesFile},
      {"CalibrationButton", &TPrintCommands::PrintCalibrationSheet},
  };
  // Plain pairs: clang 14 cannot capture structured bindings.
  for (const auto& button : kButtons)
    if (auto* widget = form_.findChild<QPushButton*>(button.first))
      QObject::connect(widget, &QPushButton::clicked, &form_, [this, handler = button.second] { (this->*handler)(); });
  if (auto* toolbarPrint = form_.findChild<QAction*>("PrintAction"))
    QObject::connect(toolbarPrint, &QAction::triggered, &form_, [this] { PrintLabel(); });
  if (auto* presets = form_.findChild<QComboBox*>("PresetList"))
    QObject::connect(presets, &QComboBox::textActivated, &form_,
                     [this](const QString& entry) { ApplyPreset(FromQString(entry)); });
}

void TPrintCommands::Run(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    dialogs_.ShowMessage(error.what());
  }
  form_.ShowSettings();
}

std::string TPrintCommands::FieldText(const char* name) const {
  auto* edit = form_.findChild<QLineEdit*>(name);
  return edit ? FromQString(edit->text()) : std::string();
}

TStartCell TPrintCommands::StartCell() const { return {FieldText("StartRow"), FieldText("StartColumn")}; }

void TPrintCommands::PrintLabel() {
  Run([this] {
    form_.zoom_aus();
    printing_.PrintLabel();
  });
}

void TPrintCommands::PrintCopies() {
  Run([this] {
    form_.zoom_aus();
    printing_.PrintCopies(FieldText("Copies"), StartCell());
  });
}

void TPrintCommands::PrintSeries() {
  Run([this] {
    form_.zoom_aus();
    TSeriesOptions options;
    options.Start = StartCell();
    options.FirstLine = FieldText("FirstLine");
    options.LastLine = FieldText("LastLine");
    options.EachCount = FieldText("CopiesPerLine");
    quorvel::PrintSeries(printing_, options);
  });
}

void TPrintCommands::ChooseSeriesFile() {
  Run([this] {
    TFileDialogOptions options;
    options.Filter = "Seriendatei|*.csv";
    options.FileName = lastSeriesChoice_;
    if (std::optional<std::string> chosen = dialogs_.OpenFileName(options)) lastSeriesChoice_ = *chosen;
    // The field takes the dialog's name also after a cancel: its last choice.
    form_.Document().SeriesFileName = lastSeriesChoice_;
  });
}

void TPrintCommands::ShowSeriesFile() {
  Run([this] {
    const TLabelDocument& document = form_.Document();
    const std::string& file = document.SeriesFileName;
    bool started = false;
    for (const std::string& editor : PlainTextEditors()) {
      QString program = QStandardPaths::findExecutable(ToQString(editor));
      if (program.isEmpty()) continue;
      started = launcher_->StartProgram(FromQString(program), {file}, {});
      break;
    }
    if (!started) started = launcher_->OpenDocument(file);
    if (!started) dialogs_.ShowMessage("Die Datei " + file + " kann nicht angezeigt werden !");
  });
}

void TPrintCommands::ApplyPreset(const std::string& entry) {
  Run([&] { ApplySheetPreset(form_.Document().Layout, entry); });
}

void TPrintCommands::PrintCalibrationSheet() {
  Run([this] {
    form_.zoom_aus();
    quorvel::PrintCalibrationSheet(printing_);
  });
}

void TPrintCommands::ShowPreview() {
  Run([this] {
    // The size is read first, so a bad label size opens no window.
    PreviewBitmapSize(form_.Document());
    form_.zoom_aus();
    auto* preview = new TPrinterPreview(form_.Document(), dialogs_, *clipboard_, &form_);
    preview->show();
  });
}

}  // namespace quorvel
