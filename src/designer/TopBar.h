#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

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

// The menu "Bearbeiten": undo and redo, whose captions name the step, and
// the objects' cut, copy and paste.
struct TEditMenu {
  QAction* Undo;   // "Rückgängig: <step>"
  QAction* Redo;   // "Wiederholen: <step>"
  QAction* Cut;    // "Ausschneiden"
  QAction* Copy;   // "Kopieren"
  QAction* Paste;  // "Einfügen", disabled until the first copy
};

// The toolbar's picture buttons, left to right.
struct TToolbarActions {
  QAction* Open;
  QAction* Save;
  QAction* Print;
  QAction* Undo;
  QAction* Redo;
  QAction* Delete;  // scissors: "Löschen"
  QAction* Copy;
  QAction* Paste;   // disabled until the first copy
};

// The top of the designer window: the menus, the toolbar with its picture
// buttons and the text formatting part, and the buttons "Vorschau",
// "Drucken", "zoom +", "zoom -", "zoom aus" and "Objektliste". Menus and
// tooltips show the keyboard shortcuts.
class TTopBar {
 public:
  // faceChosen runs after a face was chosen in the text toolbar.
  TTopBar(QMainWindow& window, TLabelDocument& document, TDocumentChanges& changes, const THandlerGuard& guard,
          std::function<void()> faceChosen);
  ~TTopBar();

  const TLabelMenu& Menu() const { return menu_; }
  const TEditMenu& EditMenu() const { return edit_; }
  // Names the steps undo and redo would take; without one the entry is disabled.
  void ShowSteps(const std::optional<std::string>& undo, const std::optional<std::string>& redo);
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
  TEditMenu edit_;
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
