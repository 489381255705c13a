#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace quorvel {

class TDocumentChanges;
class TLabelDocument;

// The page "Drucker": the printer choice, the orientation and "Drucker
// speichern". The choices are changes of the label as they are made.
class TPrinterPage : public QWidget {
 public:
  TPrinterPage(TLabelDocument& document, TDocumentChanges& changes);

  // The installed printers, offered in the system's order; nothing is chosen by that.
  void SetPrinterNames(const std::vector<std::string>& names);
  // Shows the document's printer and orientation.
  void Show();

  QComboBox& PrinterBox() const { return *printerBox_; }
  QRadioButton& Portrait() const { return *portrait_; }
  QRadioButton& Landscape() const { return *landscape_; }
  QPushButton& SavePrinterButton() const { return *savePrinter_; }

 private:
  TLabelDocument& document_;
  TDocumentChanges& changes_;
  bool showing_ = false;
  QComboBox* printerBox_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
  QPushButton* savePrinter_;
};

}  // namespace quorvel
