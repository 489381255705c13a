#pragma once

#include <functional>
#include <string>

#include "document/DocumentView.h"
#include "platform/Dialogs.h"

namespace quorvel {

class TLabelDocument;

// The label as a whole: New, Open, Save, Save as and Close, with the
// question about unsaved changes, and the designer's settings files. Every
// command reports its failures through the dialogs and never throws them.
class TDocumentCommands {
 public:
  TDocumentCommands(TLabelDocument& document, IDialogs& dialogs, IDocumentView& view);

  // Window creation: reads "drucker.ini" and "data2.ini" from the settings
  // folder; a file that cannot be read is reported and the rest goes on.
  void Start();

  // Each command that would discard unsaved changes first asks whether to
  // save them: Yes saves (and a save that does not happen stops the
  // command), No goes on, Cancel stops the command.

  // "neu": asks about unsaved changes, then empties the label.
  void New();
  // "öffnen": asks about unsaved changes, then reads the file the user picks.
  void Open();
  // "öffnen" of a file named beforehand, as when the desktop opens a label
  // with the program.
  void OpenFile(const std::string& path);
  // Toolbar save: to the saved file, else to the loaded file, else to a file
  // the user names.
  void Save();
  // "speichern unter": to a file the user names.
  void SaveAs();
  // "Ende": asks about unsaved changes and writes "data2.ini". False when
  // the designer must stay open: the user cancelled, or a wanted save or the
  // settings file failed.
  bool Close();
  // "Drucker speichern": the printer name as the only line of "drucker.ini".
  void SavePrinter();

  // The label file dialogs' settings: filter "Etikett|*.lab", extension "lab".
  static TFileDialogOptions LabelFileDialog();

 private:
  // Runs a command, showing a failure's message; false when it failed.
  bool Run(const std::function<void()>& command);
  // False when the command must stop.
  bool AskToSaveChanges();
  void Load(const std::string& path);
  // False when nothing was saved: the dialog was cancelled or overwriting refused.
  bool SaveToKnownFileOrAsk();
  bool SaveToNamedFile(const std::string& path);
  void Store(const std::string& path);

  TLabelDocument& document_;
  IDialogs& dialogs_;
  IDocumentView& view_;
};

}  // namespace quorvel
