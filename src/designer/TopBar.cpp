#include "designer/TopBar.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include "designer/ButtonPictures.h"
#include "designer/TextToolbar.h"

namespace quorvel {
namespace {

QPushButton* AddButton(QToolBar* bar, const char* caption, const char* hint = nullptr, const char* name = nullptr) {
  auto* button = new QPushButton(caption);
  if (hint) button->setToolTip(hint);
  if (name) button->setObjectName(name);
  bar->addWidget(button);
  return button;
}

}  // namespace

TTopBar::TTopBar(QMainWindow& window, TLabelDocument& document, TDocumentChanges& changes, const THandlerGuard& guard,
                 std::function<void()> faceChosen) {
  QMenu* label = window.menuBar()->addMenu("Etikett");
  menu_.New = label->addAction("neu");
  menu_.Save = label->addAction("speichern");
  menu_.SaveAs = label->addAction("speichern unter");
  menu_.Open = label->addAction(QString::fromUtf8("öffnen"));
  menu_.End = window.menuBar()->addAction("Ende");

  QToolBar* bar = window.addToolBar("Werkzeugleiste");
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  actions_.Open = bar->addAction(OpenPicture(), QString::fromUtf8("Etikett öffnen"));
  actions_.Save = bar->addAction(SavePicture(), "Etikett speichern");
  actions_.Print = bar->addAction(PrintPicture(), "Etikett drucken");
  actions_.Print->setObjectName("PrintAction");
  bar->addSeparator();
  actions_.Delete = bar->addAction(CutPicture(), QString::fromUtf8("Löschen"));
  actions_.Copy = bar->addAction(CopyPicture(), "Kopieren");
  actions_.Paste = bar->addAction(PastePicture(), QString::fromUtf8("Einfügen"));
  bar->addSeparator();
  textToolbar_ = std::make_unique<TTextToolbar>(*bar, document, changes, guard, std::move(faceChosen));
  bar->addSeparator();
  preview_ = AddButton(bar, "Vorschau", "Etikett-Vorschau", "PreviewButton");
  print_ = AddButton(bar, "Drucken", "Etikett drucken", "PrintButton");
  zoomIn_ = AddButton(bar, "zoom +");
  zoomOut_ = AddButton(bar, "zoom -");
  zoomReset_ = AddButton(bar, "zoom aus");
  objectList_ = AddButton(bar, "Objektliste");
}

TTopBar::~TTopBar() = default;

}  // namespace quorvel
