#pragma once

#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QPushButton;

namespace quorvel {

class TDocumentChanges;
class TLabelDocument;
class THandlerGuard;
class TTextToolbar;

// The menu "Etikett" and the menu item "Ende".
struct TLabelMenu {
  QAction* New;     // "neu"
  QAction* Save;    // "speichern"
  QAction* SaveAs;  // "speichern unter"
  QAction* Open;    // "öffnen"
  QAction* End;     // "Ende"
};

// The toolbar's picture buttons, left to right.
struct TToolbarActions {
  QAction* Open;
  QAction* Save;
  QAction* Print;
  QAction* Delete;  // scissors: "Löschen"
  QAction* Copy;
  QAction* Paste;   // disabled until the first copy
};

// The top of the designer window: the menus, the toolbar with its picture
// buttons and the text formatting part, and the buttons "Vorschau",
// "Drucken", "zoom +", "zoom -", "zoom aus" and "Objektliste".
class TTopBar {
 public:
  // faceChosen runs after a face was chosen in the text toolbar.
  TTopBar(QMainWindow& window, TLabelDocument& document, TDocumentChanges& changes, const THandlerGuard& guard,
          std::function<void()> faceChosen);
  ~TTopBar();

  const TLabelMenu& Menu() const { return menu_; }
  const TToolbarActions& Actions() const { return actions_; }
  TTextToolbar& TextToolbar() const { return *textToolbar_; }
  QPushButton& PreviewButton() const { return *preview_; }
  QPushButton& PrintButton() const { return *print_; }
  QPushButton& ZoomInButton() const { return *zoomIn_; }
  QPushButton& ZoomOutButton() const { return *zoomOut_; }
  QPushButton& ZoomResetButton() const { return *zoomReset_; }
  QPushButton& ObjectListButton() const { return *objectList_; }

 private:
  TLabelMenu menu_;
  TToolbarActions actions_;
  std::unique_ptr<TTextToolbar> textToolbar_;
  QPushButton* preview_;
  QPushButton* print_;
  QPushButton* zoomIn_;
  QPushButton* zoomOut_;
  QPushButton* zoomReset_;
  QPushButton* objectList_;
};

}  // namespace quorvel
