#pragma once

#include <functional>
#include <string>

#include "platform/Dialogs.h"

namespace quorvel {

class TLabelDocument;

// What the document commands need of the window that shows the document.
class IDocumentView {
 public:
  virtual ~IDocumentView() = default;
  // Returns the display to 100 %, before geometry is stored or replaced.
  virtual void ReturnToFullSize() = 0;
  // The document was emptied or read anew: show its settings, size the
  // design surface and rebuild the object list.
  virtual void DocumentReplaced() = 0;
  // The document's settings changed (a sheet preset, a series file chosen): show them.
  virtual void SettingsChanged() = 0;
};

// The label as a whole: New, Open, Save, Save as and Close, with the
// question about unsaved changes, and the designer's settings files. Every
// command reports its failures through the dialogs and never throws them.
class TDocumentCommands {
 public:
  TDocumentCommands(TLabelDocument& document, IDialogs& dialogs, IDocumentView& view);

  // Window creation: reads "drucker.ini" and "data2.ini" from the settings
  // folder; a file that cannot be read is reported and the rest goes on.
  void Start();

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
  // the designer must stay open: a wanted save or the settings file failed.
  bool Close();
  // "Drucker speichern": the printer name as the only line of "drucker.ini".
  void SavePrinter();

  // The label file dialogs' settings: filter "Etikett|*.lab", extension "lab".
  static TFileDialogOptions LabelFileDialog();

 private:
  // Runs a command, showing a failure's message; false when it failed.
  bool Run(const std::function<void()>& command);
  void AskToSaveChanges();
  void Load(const std::string& path);
  void SaveToKnownFileOrAsk();
  void SaveToNamedFile(const std::string& path);
  void Store(const std::string& path);

  TLabelDocument& document_;
  IDialogs& dialogs_;
  IDocumentView& view_;
};

}  // namespace quorvel
