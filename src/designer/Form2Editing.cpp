// The designer window's editing side: the palette's and context menu's
// object commands, the pointer on the design surface, the handles, the
// quick text field and the text toolbar, the object list and property grid.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

#include "designer/DesignPanel.h"
#include "designer/Form2.h"
#include "designer/HandleWidgets.h"
#include "designer/PropertyGrid.h"
#include "designer/TextToolbar.h"
#include "document/KindDescription.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

const char* const kVerticalTextHint = "Bitte Text rechts in Objektliste eingeben -->";

}  // namespace

void TForm2::ConnectEditing() {
  handles_ = std::make_unique<THandleWidgets>(panel_, *selection_, dialogs_);
  grid_ = new TPropertyGrid(document_, dialogs_, objectList_, propertyGrid_, applyButton_, [this] {
    selection_->delpoints();
    selection_->setpoints();
  });

  panel_->setContextMenuPolicy(Qt::ActionsContextMenu);
  const std::pair<const char*, std::function<void()>> kMenu[] = {
      {"nach vorne bringen", [this] { objects_->BringToFront(); }},
      {"nach hinten bringen", [this] { objects_->SendToBack(); }},
      {"Kopieren", [this] { objects_->Copy(); }},
      {"Einfügen", [this] { objects_->Paste(); }},
      {"in Zwischenablage", [this] { objects_->CopyToClipboard(); }},
      {"Löschen", [this] { objects_->Delete(); }},
  };
  for (const auto& [caption, command] : kMenu) {
    auto* item = new QAction(QString::fromUtf8(caption), panel_);
    connect(item, &QAction::triggered, this, Guarded(command));
    panel_->addAction(item);
  }
  pasteMenuItem_ = panel_->actions()[3];
  pasteMenuItem_->setEnabled(false);

  panel_->SetMouse({
      .ElementDown = [this](TControl& element, TMouseButton, int x, int y) { selection_->ObjectDown(element, x, y); },
      .ElementMove = [this](TControl&, int x, int y) { selection_->ObjectMove(x, y); },
      .ElementUp = [this](TControl&) { selection_->ObjectUp(); },
      .SurfaceDown = [this](int, int) { selection_->SurfaceDown(); },
      .SurfaceMove =
          [this](int x, int y) { statusBar()->showMessage(QString("X=%1 Y=%2").arg(x).arg(y)); },
  });
  connect(quickText_, &QLineEdit::textEdited, this,
          [this](const QString& text) { Guarded([&] { QuickTextEdited(text); })(); });
}

// The field the quick text field edits takes the text at once.
void TForm2::QuickTextEdited(const QString& text) {
  int slot = document_.CurrentObject;
  if (slot < 1 || slot > document_.ObjectCount()) return;
  TLabelObject& object = document_.Object(slot);
  const TKindDescription& kind = Describe(object.Kind());
  if (!kind.QuickTextField) return;
  FieldNamed(kind, kind.QuickTextField).Set(object, FromQString(text));
  object.UpdateElement(document_.Zoom);
}

void TForm2::ShowHandles(const TBounds& bounds, TObjectKind kind) { handles_->Show(bounds, kind); }

void TForm2::HideHandles() { handles_->Hide(); }

void TForm2::ObjectPressed(TLabelObject& object) {
  const TKindDescription& kind = Describe(object.Kind());
  if (object.Kind() == TObjectKind::okText) textToolbar_->ShowText(object);
  if (kind.QuickTextField)
    quickText_->setText(ToQString(std::get<std::string>(FieldNamed(kind, kind.QuickTextField).Get(object))));
  else if (kind.QuickTextPointsToGrid)
    quickText_->setText(kVerticalTextHint);
}

void TForm2::EditFinished() {
  grid_->ShowName(document_.Object(document_.CurrentObject).Name);
  grid_->obox_click();
}

TToolbarFont TForm2::ToolbarFont() const {
  return textToolbar_->Font();
}

void TForm2::ResetPointer() { selection_->Reset(); }

void TForm2::setpoints() { selection_->setpoints(); }

void TForm2::delpoints() { selection_->delpoints(); }

void TForm2::ListChanged(const std::string& currentName) {
  grid_->obox_refresh();
  if (currentName.empty()) return;
  grid_->ShowName(currentName);
  grid_->obox_click();
}

void TForm2::EnablePaste() {
  pasteMenuItem_->setEnabled(true);
  editActions_[2]->setEnabled(true);
}

void TForm2::RepaintSurface() { panel_->update(); }

}  // namespace quorvel
