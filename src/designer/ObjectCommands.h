#pragma once

#include <string>

#include "document/ObjectKind.h"

namespace quorvel {

class IClipboard;
class IDialogs;
class TDocumentChanges;
class TLabelDocument;
class TLabelObject;

// The text toolbar as new texts read it: face, size field and style buttons.
struct TToolbarFont {
  std::string Face;
  std::string Size;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
};

// What the object commands need of the designer window.
class IObjectCommandsView {
 public:
  virtual ~IObjectCommandsView() = default;
  virtual TToolbarFont ToolbarFont() const = 0;
  // Forgets a press or drag in progress.
  virtual void ResetPointer() = 0;
  virtual void EnablePaste() = 0;
  virtual void RepaintSurface() = 0;
};

// The commands that act on whole objects: create, delete, stacking, copy
// and paste, clipboard and refresh, each change of the label going through
// the document's one change path. Values are written into the document at
// 100 %; the elements show them at the document's zoom.
class TObjectCommands {
 public:
  TObjectCommands(TLabelDocument& document, TDocumentChanges& changes, IDialogs& dialogs, IClipboard& clipboard,
                  IObjectCommandsView& view);

  // Creates an object of the kind with its defaults and makes it the
  // current, selected object. Returns it, or null when the label is full
  // (after saying so).
  TLabelObject* Create(TObjectKind kind);
  // Each delete makes the first object of the object list current.
  void Delete();      // "Löschen": the current object
  void DeleteLast();  // "letztes löschen"
  void DeleteAll();   // "alle löschen"
  void BringToFront();
  void SendToBack();
  void Copy();   // "Kopieren"
  // "Ausschneiden": copies the selected object, then deletes it.
  void Cut();
  void Paste();  // "Einfügen"
  // Creates a copy of the object in the slot; vertical texts and QR Codes are not copied.
  void createobj(int source);
  void CopyToClipboard();  // "in Zwischenablage"
  void Refresh();

 private:
  void TakeToolbarFont(TLabelObject& object) const;
  void PlaceAtZoom(TLabelObject& object) const;
  // Forgets the pointer's press; a full label says so and takes nothing.
  bool HasRoom();
  // Appends a new object of the kind and selects it, within the caller's change.
  TLabelObject& Add(TObjectKind kind);
  void Remove(TLabelObject& object);
  // The name the next object of the kind gets.
  std::string NextName(TObjectKind kind) const;

  TLabelDocument& document_;
  TDocumentChanges& changes_;
  IDialogs& dialogs_;
  IClipboard& clipboard_;
  IObjectCommandsView& view_;
};

}  // namespace quorvel
