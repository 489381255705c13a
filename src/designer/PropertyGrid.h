#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "designer/HandlerGuard.h"
#include "designer/PropertyRows.h"
#include "document/ObjectKind.h"

class QComboBox;
class QPushButton;
class QTableWidget;

namespace quorvel {

class IDialogs;
class TLabelDocument;

// The object list and the property grid of the panel "Objektliste und
// Eigenschaften": fills the grid from an object, writes it back, and shows
// the pickers of the value cells. All dialogs go through IDialogs.
class TPropertyGrid : public QObject {
 public:
  // showHandles places the handles around the current object again.
  TPropertyGrid(TLabelDocument& document, IDialogs& dialogs, QComboBox* list, QTableWidget* grid,
                QPushButton* apply, std::function<void()> showHandles);

  // Rebuilds the object list and fills the grid for its first entry.
  void obox_refresh();
  // Fills the grid from the object named in the list's text and makes it current.
  void obox_click();
  // Writes the grid back into the object named in the list's text.
  void obox_zuruck();
  // Puts the name into the list's text field.
  void ShowName(const std::string& name);

  QComboBox* YesNoList() const { return yesNo_; }
  QComboBox* SymbologyList() const { return symbologies_; }
  QPushButton* ColourButton() const { return colourButton_; }
  QPushButton* FontButton() const { return fontButton_; }
  QPushButton* PictureButton() const { return pictureButton_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CellSelected(int row, int column);
  void HidePickers();
  void ShowList(QComboBox* list, int row);
  void ShowButton(QPushButton* button, int row);
  // The list's choice goes into the cell it covers, then the grid is applied.
  void TakeListChoice(QComboBox* list);
  void ChooseColour();
  void ChooseFont();
  void ChoosePicture();
  void SetCell(const char* caption, const std::string& value);
  std::string Cell(int row) const;
  TPicker PickerOf(int row) const;

  TLabelDocument& document_;
  IDialogs& dialogs_;
  THandlerGuard guard_;
  QComboBox* list_;
  QTableWidget* grid_;
  QPushButton* apply_;
  std::function<void()> showHandles_;
  QComboBox* yesNo_;
  QComboBox* symbologies_;
  QPushButton* colourButton_;
  QPushButton* fontButton_;
  QPushButton* pictureButton_;
  TObjectKind kind_ = TObjectKind::okBox;
  std::vector<TPicker> pickers_;
  int pickerRow_ = -1;  // the row a picker writes to
  bool typedInto_ = false;
  bool filling_ = false;
};

}  // namespace quorvel
