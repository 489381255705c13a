// The designer window's editing side: what the selection, the object
// commands and the quick text field need of the window.
#include <QLineEdit>
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
  designPage_->Surface().SetMouse({
      .ElementDown = [this](TControl& element, TMouseButton, int x, int y) { selection_.ObjectDown(element, x, y); },
      .ElementMove = [this](TControl&, int x, int y) { selection_.ObjectMove(x, y); },
      .ElementUp = [this](TControl&) { selection_.ObjectUp(); },
      .SurfaceDown = [this](int, int) { selection_.SurfaceDown(); },
      .SurfaceMove = [this](int x, int y) { statusBar()->showMessage(QString("X=%1 Y=%2").arg(x).arg(y)); },
  });
  designPage_->Surface().SetHintSource([this](const TControl& element) { return SurfaceHint(document_, element); });
  connect(&designPage_->QuickText(), &QLineEdit::textEdited, this,
          [this](const QString& text) { guard_.Run([&] { QuickTextEdited(text); }); });
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

void TForm2::ShowHandles(const TBounds& bounds, TObjectKind kind) { designPage_->Handles().Show(bounds, kind); }

void TForm2::HideHandles() { designPage_->Handles().Hide(); }

void TForm2::ObjectPressed(TLabelObject& object) {
  if (std::string trouble = SymbolTrouble(document_, object); !trouble.empty())
    statusBar()->showMessage(ToQString(trouble));
  const TKindDescription& kind = Describe(object.Kind());
  if (object.Kind() == TObjectKind::okText) topBar_->TextToolbar().ShowText(object);
  QLineEdit& quickText = designPage_->QuickText();
  if (kind.QuickTextField)
    quickText.setText(ToQString(std::get<std::string>(FieldNamed(kind, kind.QuickTextField).Get(object))));
  else if (kind.QuickTextPointsToGrid)
    quickText.setText(kVerticalTextHint);
}

void TForm2::EditFinished() {
  TPropertyGrid& properties = objectPanel_->Properties();
  properties.ShowName(document_.Object(document_.CurrentObject).Name);
  properties.obox_click();
}

TToolbarFont TForm2::ToolbarFont() const { return topBar_->TextToolbar().Font(); }

void TForm2::ResetPointer() { selection_.Reset(); }

void TForm2::setpoints() { selection_.setpoints(); }

void TForm2::delpoints() { selection_.delpoints(); }

void TForm2::ListChanged(const std::string& currentName) {
  TPropertyGrid& properties = objectPanel_->Properties();
  properties.obox_refresh();
  if (currentName.empty()) return;
  properties.ShowName(currentName);
  properties.obox_click();
}

void TForm2::EnablePaste() {
  designPage_->Menu().Paste->setEnabled(true);
  topBar_->Actions().Paste->setEnabled(true);
}

void TForm2::RepaintSurface() { designPage_->Surface().update(); }

}  // namespace quorvel
