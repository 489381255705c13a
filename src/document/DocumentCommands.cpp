#include "document/DocumentCommands.h"

#include "document/DesignerSettings.h"
#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "document/TextFile.h"
#include "platform/Errors.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

std::string SaveChangesQuestion() { return std::string("Änderungen speichern ? "); }
std::string OverwriteQuestion() { return std::string("Diese Datei ist bereits vorhanden, überschreiben ? "); }

}  // namespace

TDocumentCommands::TDocumentCommands(TLabelDocument& document, IDialogs& dialogs, IDocumentView& view)
    : document_(document), dialogs_(dialogs), view_(view) {}

TFileDialogOptions TDocumentCommands::LabelFileDialog() {
  TFileDialogOptions options;
  options.Filter = "Etikett|*.lab";
  options.DefaultExtension = "lab";
  return options;
}

bool TDocumentCommands::Run(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const EUserError& error) {
    dialogs_.ShowMessage(error.what());
    return false;
  }
}

void TDocumentCommands::Start() {
  Run([&] { ReadPrinterSettings(document_, SettingsPath(kPrinterSettingsFile)); });
  Run([&] { ReadSheetSettings(document_, SettingsPath(kSheetSettingsFile)); });
}

void TDocumentCommands::New() {
  Run([&] {
    AskToSaveChanges();
    document_.reset_label();
    view_.DocumentReplaced();
  });
}

void TDocumentCommands::Open() {
  Run([&] {
    AskToSaveChanges();
    if (std::optional<std::string> path = dialogs_.OpenFileName(LabelFileDialog())) Load(*path);
  });
}

void TDocumentCommands::OpenFile(const std::string& path) {
  Run([&] {
    AskToSaveChanges();
    Load(path);
  });
}

void TDocumentCommands::Load(const std::string& path) {
  view_.ReturnToFullSize();
  load_label(document_, path);  // all or nothing: a failure leaves the label as it was
  view_.DocumentReplaced();
}

void TDocumentCommands::Save() { Run([&] { SaveToKnownFileOrAsk(); }); }

void TDocumentCommands::SaveAs() {
  Run([&] {
    std::optional<std::string> path = dialogs_.SaveFileName(LabelFileDialog());
    if (path && !path->empty()) SaveToNamedFile(*path);
  });
}

bool TDocumentCommands::Close() {
  return Run([&] {
    AskToSaveChanges();
    WriteSheetSettings(document_, SettingsPath(kSheetSettingsFile));
  });
}

void TDocumentCommands::SavePrinter() {
  Run([&] { WritePrinterSettings(document_, SettingsPath(kPrinterSettingsFile)); });
}

// A failed save throws, so that the command asking does not go on to
// discard the changes the user wanted kept.
void TDocumentCommands::AskToSaveChanges() {
  if (!document_.Modified || !dialogs_.AskYesNo(SaveChangesQuestion())) return;
  SaveToKnownFileOrAsk();
}

// The saved name wins over the loaded one; without either the user names
// the file. Cancelling the dialog or refusing to overwrite saves nothing.
void TDocumentCommands::SaveToKnownFileOrAsk() {
  if (document_.HasSavedFile) return Store(document_.SavedFileName);
  if (document_.HasLoadedFile) return Store(document_.LoadedFileName);
  std::optional<std::string> path = dialogs_.SaveFileName(LabelFileDialog());
  if (path && !path->empty()) SaveToNamedFile(*path);
}

void TDocumentCommands::SaveToNamedFile(const std::string& path) {
  if (FileExists(path) && !dialogs_.AskYesNo(OverwriteQuestion())) return;
  Store(path);
}

void TDocumentCommands::Store(const std::string& path) {
  view_.ReturnToFullSize();
  save_label(document_, path);
}

}  // namespace quorvel
