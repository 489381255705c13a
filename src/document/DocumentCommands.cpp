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
    if (!AskToSaveChanges()) return;
    document_.reset_label();
    view_.DocumentReplaced();
  });
}

void TDocumentCommands::Open() {
  Run([&] {
    if (!AskToSaveChanges()) return;
    if (std::optional<std::string> path = dialogs_.OpenFileName(LabelFileDialog())) Load(*path);
  });
}

void TDocumentCommands::OpenFile(const std::string& path) {
  Run([&] {
    if (AskToSaveChanges()) Load(path);
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
  bool closing = false;
  Run([&] {
    if (!AskToSaveChanges()) return;
    WriteSheetSettings(document_, SettingsPath(kSheetSettingsFile));
    closing = true;
  });
  return closing;
}

void TDocumentCommands::SavePrinter() {
  Run([&] { WritePrinterSettings(document_, SettingsPath(kPrinterSettingsFile)); });
}

// A save the user wanted and that did not happen (cancelled, refused or
// failed) stops the command, which would otherwise discard the changes the
// user wanted kept; a failed save throws its message.
bool TDocumentCommands::AskToSaveChanges() {
  if (!document_.Modified) return true;
  switch (dialogs_.AskYesNoCancel(SaveChangesQuestion())) {
    case TYesNoCancel::Yes: return SaveToKnownFileOrAsk();
    case TYesNoCancel::No: return true;
    case TYesNoCancel::Cancel: return false;
  }
  return false;
}

// The saved name wins over the loaded one; without either the user names
// the file. Cancelling the dialog or refusing to overwrite saves nothing.
bool TDocumentCommands::SaveToKnownFileOrAsk() {
  if (document_.HasSavedFile || document_.HasLoadedFile) {
    Store(document_.HasSavedFile ? document_.SavedFileName : document_.LoadedFileName);
    return true;
  }
  std::optional<std::string> path = dialogs_.SaveFileName(LabelFileDialog());
  return path && !path->empty() && SaveToNamedFile(*path);
}

bool TDocumentCommands::SaveToNamedFile(const std::string& path) {
  if (FileExists(path) && !dialogs_.AskYesNo(OverwriteQuestion())) return false;
  Store(path);
  return true;
}

void TDocumentCommands::Store(const std::string& path) {
  view_.ReturnToFullSize();
  save_label(document_, path);
}

}  // namespace quorvel
