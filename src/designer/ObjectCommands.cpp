#include "designer/ObjectCommands.h"

#include <algorithm>
#include <memory>

#include "barcode/Ean.h"
#include "document/DesignSurface.h"
#include "document/DisplayScale.h"
#include "document/DocumentChanges.h"
#include "document/KindDescription.h"
#include "document/LabelDocument.h"
#include "platform/Clipboard.h"
#include "platform/Control.h"
#include "platform/Dialogs.h"
#include "platform/NumberParsing.h"

namespace quorvel {
namespace {

bool IsTextKind(TObjectKind kind) { return kind == TObjectKind::okText || kind == TObjectKind::okVerticalText; }

bool ShowsLive(TObjectKind kind) {
  return kind == TObjectKind::okText || kind == TObjectKind::okPicture || kind == TObjectKind::okVerticalText ||
         kind == TObjectKind::okQrCode;
}

}  // namespace

TObjectCommands::TObjectCommands(TLabelDocument& document, TDocumentChanges& changes, IDialogs& dialogs,
                                 IClipboard& clipboard, IObjectCommandsView& view)
    : document_(document), changes_(changes), dialogs_(dialogs), clipboard_(clipboard), view_(view) {}

// The toolbar shows sizes at the zoom, so a new text looks on the surface
// as the toolbar says.
void TObjectCommands::TakeToolbarFont(TLabelObject& object) const {
  TToolbarFont font = view_.ToolbarFont();
  // Read first: a size that is no number stops the creation before anything is added.
  int size = font.Size == "0" ? 8 : StrToInt(font.Size);
  if (!font.Face.empty()) object.FontName = font.Face;
  object.Bold = font.Bold;
  object.Italic = font.Italic;
  object.Underline = font.Underline;
  object.FontSize = std::max(1, StoredValue(size, document_.Zoom));
}

// Defaults are surface pixels: an object made at 200 % is half as large at 100 %.
void TObjectCommands::PlaceAtZoom(TLabelObject& object) const {
  double zoom = document_.Zoom;
  object.Left = StoredValue(object.Left, zoom);
  object.Top = StoredValue(object.Top, zoom);
  object.Width = StoredValue(object.Width, WidthZoom(object.Kind(), zoom));
  object.Height = StoredValue(object.Height, HeightZoom(object.Kind(), zoom));
}

TLabelObject& TObjectCommands::Add(TObjectKind kind) {
  auto object = std::make_unique<TLabelObject>(kind);
  PlaceAtZoom(*object);
  if (IsTextKind(kind)) TakeToolbarFont(*object);
  TLabelObject& added = document_.Append(std::move(object));
  document_.CurrentObject = document_.ObjectCount();
  document_.SelectionActive = true;
  return added;
}

std::string TObjectCommands::NextName(TObjectKind kind) const {
  return ObjectName(kind, document_.KindCounters[KindIndex(kind)] + 1);
}

bool TObjectCommands::HasRoom() {
  view_.ResetPointer();
  if (!document_.Full()) return true;
  dialogs_.ShowMessage(std::string("Das Etikett hat bereits 60 Objekte; es kann kein weiteres aufnehmen."));
  return false;
}

TLabelObject* TObjectCommands::Create(TObjectKind kind) {
  if (!HasRoom()) return nullptr;
  TLabelObject* added = nullptr;
  changes_.Change("Erstellen " + NextName(kind), [&] { added = &Add(kind); });
  return added;
}

void TObjectCommands::Remove(TLabelObject& object) {
  object.Element().SetVisible(false);
  object.Deleted = true;
}

void TObjectCommands::Delete() {
  TLabelObject* object = document_.Current();
  if (!object) return;
  changes_.Change(std::string("Löschen ") + object->Name, [&] {
    Remove(*object);
    document_.SelectFirstListed();
  });
}

void TObjectCommands::DeleteLast() {
  if (document_.ObjectCount() == 0) return;
  changes_.Change(std::string("letztes löschen"), [&] {
    Remove(document_.Object(document_.ObjectCount()));
    document_.DropLast();
    document_.SelectFirstListed();
  });
}

void TObjectCommands::DeleteAll() {
  changes_.Change(std::string("alle löschen"), [&] {
    for (int slot = 1; slot <= document_.ObjectCount(); ++slot) Remove(document_.Object(slot));
    while (document_.ObjectCount() > 0) document_.DropLast();
    document_.SelectFirstListed();
  });
}

void TObjectCommands::BringToFront() {
  TLabelObject* object = document_.Current();
  if (!object || object->Kind() == TObjectKind::okBarcode || !document_.Surface()) return;
  document_.Surface()->BringToFront(object->Element());
}

void TObjectCommands::SendToBack() {
  TLabelObject* object = document_.Current();
  if (!object || object->Kind() == TObjectKind::okBarcode || !document_.Surface()) return;
  document_.Surface()->SendToBack(object->Element());
}

void TObjectCommands::Copy() {
  if (!document_.SelectionActive) return;
  document_.CopiedObject = document_.CurrentObject;
  view_.EnablePaste();
}

// Paste copies from the slot, where the deleted object keeps its fields.
void TObjectCommands::Cut() {
  if (!document_.SelectionActive) return;
  Copy();
  Delete();
}

void TObjectCommands::Paste() { createobj(document_.CopiedObject); }

void TObjectCommands::createobj(int source) {
  if (source < 1 || source > document_.ObjectCount()) return;
  TObjectKind kind = document_.Object(source).Kind();
  if (!Describe(kind).Pasted || !HasRoom()) return;
  changes_.Change(std::string("Einfügen ") + NextName(kind), [&] {
    TLabelObject& copy = Add(kind);
    CopyFields(document_.Object(source), copy);
    copy.UpdateElement(document_.Zoom);
    copy.AdoptWidenedElement(document_.Zoom);
    copy.LoadPictureFile();
  });
}

void TObjectCommands::CopyToClipboard() {
  TLabelObject* object = document_.Current();
  if (object && object->Kind() == TObjectKind::okBarcode) {
    object->Barcode().CopyToClipboard(clipboard_);
    return;
  }
  dialogs_.ShowMessage(std::string("derzeit nur bei Barcode möglich !"));
}

void TObjectCommands::Refresh() {
  for (int slot = 1; slot <= document_.ObjectCount(); ++slot) {
    TLabelObject& object = document_.Object(slot);
    if (ShowsLive(object.Kind())) object.Element().SetVisible(!object.Deleted);
  }
  view_.RepaintSurface();
}

}  // namespace quorvel
