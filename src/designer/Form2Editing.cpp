// The designer window's editing side: what the selection, the object
// commands and the quick text field need of the window, and how every view
// shows the document after a change.
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStatusBar>

#include "designer/DesignPage.h"
#include "designer/DesignPanel.h"
#include "designer/Form2.h"
#include "designer/HandleWidgets.h"
#include "designer/ObjectPanel.h"
#include "designer/PropertyGrid.h"
#include "designer/SymbolTrouble.h"
#include "designer/TextToolbar.h"
#include "designer/TopBar.h"
#include "document/KindDescription.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

const char* const kVerticalTextHint = "Bitte Text rechts in Objektliste eingeben -->";

}  // namespace

void TForm2::ConnectEditing() {
  designPage_->Surface().SetInput({
      .ElementDown =
          [this](TControl& element, TMouseButton, int x, int y) {
            selection_.ObjectDown(element, x, y);
            ShowSymbolTrouble();
          },
      .ElementMove = [this](TControl&, int x, int y) { selection_.ObjectMove(x, y); },
      .ElementUp = [this](TControl&) { selection_.ObjectUp(); },
      .SurfaceDown = [this](int, int) { selection_.SurfaceDown(); },
      .SurfaceMove = [this](int x, int y) { statusBar()->showMessage(QString("X=%1 Y=%2").arg(x).arg(y)); },
      .Key = [this](int key, bool shift) { return SurfaceKey(key, shift); },
  });
  designPage_->Surface().SetHintSource([this](const TControl& element) { return SurfaceHint(document_, element); });
  connect(&designPage_->QuickText(), &QLineEdit::textEdited, this,
          [this](const QString& text) { guard_.Run([&] { QuickTextEdited(text); }); });
}

// Arrows move the selected object, Entf deletes it, Esc lets it go.
bool TForm2::SurfaceKey(int key, bool shift) {
  switch (key) {
    case Qt::Key_Left: selection_.Nudge(-1, 0, shift); return true;
    case Qt::Key_Right: selection_.Nudge(1, 0, shift); return true;
    case Qt::Key_Up: selection_.Nudge(0, -1, shift); return true;
    case Qt::Key_Down: selection_.Nudge(0, 1, shift); return true;
    case Qt::Key_Delete:
      if (document_.SelectionActive) objects_.Delete();
      return true;
    case Qt::Key_Escape: selection_.delpoints(); return true;
    default: return false;
  }
}

// The field the quick text field edits takes the text at once.
void TForm2::QuickTextEdited(const QString& text) {
  TLabelObject* object = document_.Current();
  if (!object) return;
  const TKindDescription& kind = Describe(object->Kind());
  if (!kind.QuickTextField) return;
  QScopedValueRollback<bool> editing(editingQuickText_, true);
  changes_.Change(
      "Text " + object->Name,
      [&] {
        FieldNamed(kind, kind.QuickTextField).Set(*object, FromQString(text));
        object->UpdateElement(document_.Zoom);
      },
      TDocumentChanges::TJoin::SameStep);
}

void TForm2::ShowQuickText() {
  if (editingQuickText_) return;  // it shows what the user is typing
  QString shown;
  bool editable = false;
  if (TLabelObject* object = document_.Current()) {
    const TKindDescription& kind = Describe(object->Kind());
    editable = kind.QuickTextField != nullptr;
    if (editable)
      shown = ToQString(std::get<std::string>(FieldNamed(kind, kind.QuickTextField).Get(*object)));
    else if (kind.QuickTextPointsToGrid)
      shown = kVerticalTextHint;
  }
  QLineEdit& quickText = designPage_->QuickText();
  if (quickText.text() != shown) quickText.setText(shown);
  quickText.setReadOnly(!editable);
}

void TForm2::LabelChanged() {
  guard_.Run([this] {
    ShowSettings();
    objectPanel_->Properties().Show();
    TLabelObject* current = document_.Current();
    if (current && current->Kind() == TObjectKind::okText) topBar_->TextToolbar().ShowText(*current);
    ShowQuickText();
    topBar_->ShowSteps(changes_.UndoStep(), changes_.RedoStep());
    if (current && document_.SelectionActive)
      selection_.setpoints();
    else
      selection_.delpoints();
  });
}

void TForm2::ShowHandles(const TBounds& bounds, TObjectKind kind) { designPage_->Handles().Show(bounds, kind); }

void TForm2::HideHandles() { designPage_->Handles().Hide(); }

// A hatched symbol that was pressed says why in the status bar.
void TForm2::ShowSymbolTrouble() {
  TLabelObject* object = document_.Current();
  if (!object) return;
  if (std::string trouble = SymbolTrouble(document_, *object); !trouble.empty())
    statusBar()->showMessage(ToQString(trouble));
}

TToolbarFont TForm2::ToolbarFont() const { return topBar_->TextToolbar().Font(); }

void TForm2::ResetPointer() { selection_.Reset(); }

void TForm2::EnablePaste() {
  designPage_->Menu().Paste->setEnabled(true);
  topBar_->Actions().Paste->setEnabled(true);
  topBar_->EditMenu().Paste->setEnabled(true);
}

void TForm2::RepaintSurface() { designPage_->Surface().update(); }

}  // namespace quorvel
