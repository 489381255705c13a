#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace quorvel {

class IDialogs;
class TDocumentChanges;
class TLabelDocument;
class TPropertyGrid;

// The panel "Objektliste und Eigenschaften  [mm*10]" on the right: the
// object list, the property grid with its pickers, "übernehmen" and
// "Objekt löschen".
class TObjectPanel : public QWidget {
 public:
  TObjectPanel(TLabelDocument& document, TDocumentChanges& changes, IDialogs& dialogs);

  // The list and the grid as one: obox_click, obox_zuruck and the pickers.
  TPropertyGrid& Properties() const { return *properties_; }
  QComboBox& List() const { return *list_; }
  QTableWidget& Grid() const { return *grid_; }
  QPushButton& ApplyButton() const { return *apply_; }
  QPushButton& DeleteButton() const { return *delete_; }

 private:
  QComboBox* list_;
  QTableWidget* grid_;
  QPushButton* apply_;
  QPushButton* delete_;
  TPropertyGrid* properties_;
};

}  // namespace quorvel
