#include "designer/TopBar.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <utility>

#include "designer/ButtonPictures.h"
#include "designer/TextToolbar.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

QPushButton* AddButton(QToolBar* bar, const char* caption, const char* hint = nullptr, const char* name = nullptr) {
  auto* button = new QPushButton(caption);
  if (hint) button->setToolTip(hint);
  if (name) button->setObjectName(name);
  bar->addWidget(button);
  return button;
}

// The hint with the keys that do the same, where users look for them.
QString WithKeys(const QString& hint, const QKeySequence& keys) {
  return hint + " (" + keys.toString(QKeySequence::NativeText) + ")";
}

QAction* MenuAction(QMenu* menu, const QString& caption, const QKeySequence& keys) {
  QAction* action = menu->addAction(caption);
  action->setShortcut(keys);
  return action;
}

void NameStep(QAction* action, const QString& verb, const std::optional<std::string>& step) {
  action->setEnabled(step.has_value());
  action->setText(step ? verb + ": " + ToQString(*step) : verb);
  action->setToolTip(WithKeys(action->text(), action->shortcut()));
}

}  // namespace

TTopBar::TTopBar(QMainWindow& window, TLabelDocument& document, TDocumentChanges& changes, const THandlerGuard& guard,
                 std::function<void()> faceChosen) {
  QMenu* label = window.menuBar()->addMenu("Etikett");
  menu_.New = MenuAction(label, "neu", QKeySequence::New);
  menu_.Save = MenuAction(label, "speichern", QKeySequence::Save);
  menu_.SaveAs = MenuAction(label, "speichern unter", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  menu_.Open = MenuAction(label, QString::fromUtf8("öffnen"), QKeySequence::Open);
  QMenu* edit = window.menuBar()->addMenu("Bearbeiten");
  edit->setObjectName("EditMenu");
  edit_.Undo = MenuAction(edit, QString::fromUtf8("Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z));
  edit_.Redo = edit->addAction("Wiederholen");
  edit_.Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit_.Undo->setIcon(UndoPicture());
  edit_.Redo->setIcon(RedoPicture());
  ShowSteps({}, {});
  edit->addSeparator();
  edit_.Cut = MenuAction(edit, "Ausschneiden", QKeySequence::Cut);
  edit_.Copy = MenuAction(edit, "Kopieren", QKeySequence::Copy);
  edit_.Paste = MenuAction(edit, QString::fromUtf8("Einfügen"), QKeySequence::Paste);
  edit_.Paste->setEnabled(false);
  menu_.End = window.menuBar()->addAction("Ende");

  QToolBar* bar = window.addToolBar("Werkzeugleiste");
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  actions_.Open = bar->addAction(OpenPicture(), QString::fromUtf8("Etikett öffnen"));
  actions_.Open->setToolTip(WithKeys(actions_.Open->text(), menu_.Open->shortcut()));
  actions_.Save = bar->addAction(SavePicture(), "Etikett speichern");
  actions_.Save->setToolTip(WithKeys(actions_.Save->text(), menu_.Save->shortcut()));
  actions_.Print = bar->addAction(PrintPicture(), "Etikett drucken");
  actions_.Print->setObjectName("PrintAction");
  actions_.Print->setShortcut(QKeySequence::Print);
  actions_.Print->setToolTip(WithKeys(actions_.Print->text(), actions_.Print->shortcut()));
  bar->addSeparator();
  bar->addAction(edit_.Undo);
  bar->addAction(edit_.Redo);
  bar->addSeparator();
  actions_.Delete = bar->addAction(CutPicture(), QString::fromUtf8("Löschen"));
  actions_.Copy = bar->addAction(CopyPicture(), "Kopieren");
  actions_.Paste = bar->addAction(PastePicture(), QString::fromUtf8("Einfügen"));
  bar->addSeparator();
  textToolbar_ = std::make_unique<TTextToolbar>(*bar, document, changes, guard, std::move(faceChosen));
  bar->addSeparator();
  preview_ = AddButton(bar, "Vorschau", "Etikett-Vorschau", "PreviewButton");
  print_ = AddButton(bar, "Drucken", "Etikett drucken", "PrintButton");
  print_->setToolTip(actions_.Print->toolTip());
  zoomIn_ = AddButton(bar, "zoom +");
  zoomOut_ = AddButton(bar, "zoom -");
  zoomReset_ = AddButton(bar, "zoom aus");
  const std::pair<QPushButton*, QKeySequence> zoomKeys[] = {{zoomIn_, QKeySequence(Qt::CTRL | Qt::Key_Plus)},
                                                            {zoomOut_, QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                                                            {zoomReset_, QKeySequence(Qt::CTRL | Qt::Key_0)}};
  for (const auto& [button, keys] : zoomKeys) {
    button->setShortcut(keys);
    button->setToolTip(WithKeys(button->text(), keys));
  }
  objectList_ = AddButton(bar, "Objektliste");
}

void TTopBar::ShowSteps(const std::optional<std::string>& undo, const std::optional<std::string>& redo) {
  NameStep(edit_.Undo, QString::fromUtf8("Rückgängig"), undo);
  NameStep(edit_.Redo, "Wiederholen", redo);
}

TTopBar::~TTopBar() = default;

}  // namespace quorvel
