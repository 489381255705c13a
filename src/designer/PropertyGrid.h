#pragma once

#include <QObject>
#include <set>
#include <string>
#include <vector>

#include "designer/HandlerGuard.h"
#include "designer/PropertyRows.h"
#include "document/ObjectKind.h"

class QComboBox;
class QPushButton;
class QTableWidget;
class QWidget;

namespace quorvel {

class IDialogs;
class TDocumentChanges;
class TLabelDocument;

// The object list and the property grid of the panel "Objektliste und
// Eigenschaften". Both show the document: the list its live objects with the
// current one chosen, the grid the values of the current object. The rows
// the user changes are written back, as one change of the label, by
// "übernehmen", by leaving the grid, by another cell and by the pickers;
// rows the user did not touch are never written. All dialogs go through
// IDialogs.
class TPropertyGrid : public QObject {
 public:
  TPropertyGrid(TLabelDocument& document, TDocumentChanges& changes, IDialogs& dialogs, QComboBox* list,
                QTableWidget* grid, QPushButton* apply);

  // Shows the document's objects and the current object's values. Rows
  // changed and not yet written back keep what the user put there, as long
  // as the grid shows the same object.
  void Show();
  // The object chosen in the list becomes the current, selected object.
  void obox_click();
  // Writes the rows the user changed back into the object the grid shows.
  void obox_zuruck();

  QComboBox* YesNoList() const { return yesNo_; }
  QComboBox* SymbologyList() const { return symbologies_; }
  QPushButton* ColourButton() const { return colourButton_; }
  QPushButton* FontButton() const { return fontButton_; }
  QPushButton* PictureButton() const { return pictureButton_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowList();
  void Fill(int slot, const std::vector<TPropertyRow>& rows);
  // Whether the grid has the rows' captions, in order.
  bool HasRows(const std::vector<TPropertyRow>& rows) const;
  void CellSelected(int row, int column);
  void HidePickers();
  void ShowPickerList(QComboBox* list, int row);
  void ShowButton(QPushButton* button, int row);
  // The list's choice goes into the cell it covers, then the grid is applied.
  void TakeListChoice(QComboBox* list);
  void ChooseColour();
  void ChooseFont();
  void ChoosePicture();
  // Writes a value into the row's cell as the user's change.
  void Put(int row, const std::string& value);
  void Put(const char* caption, const std::string& value);
  void SetText(int row, const std::string& value);
  std::string Cell(int row) const;
  TPicker PickerOf(int row) const;
  void LeftGrid(QWidget* old, QWidget* now);

  TLabelDocument& document_;
  TDocumentChanges& changes_;
  IDialogs& dialogs_;
  THandlerGuard guard_;
  QComboBox* list_;
  QTableWidget* grid_;
  QPushButton* apply_;
  QComboBox* yesNo_;
  QComboBox* symbologies_;
  QPushButton* colourButton_;
  QPushButton* fontButton_;
  QPushButton* pictureButton_;
  int shownSlot_ = 0;  // the object the grid shows, 0 for none
  std::vector<TPicker> pickers_;
  std::set<int> changedRows_;  // changed by the user since the grid last wrote them back
  int pickerRow_ = -1;         // the row a picker writes to
  bool filling_ = false;
};

}  // namespace quorvel
