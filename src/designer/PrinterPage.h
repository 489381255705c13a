#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace quorvel {

class TLabelDocument;

// The page "Drucker": the printer choice, the orientation and "Drucker
// speichern". The choices edit the document as they are made.
class TPrinterPage : public QWidget {
 public:
  explicit TPrinterPage(TLabelDocument& document);

  // The printers offered, in the system's order; `preselected` is shown
  // (and chosen) while the document names none of them.
  void SetPrinterNames(const std::vector<std::string>& names, const std::string& preselected = {});
  // Shows the document's printer and orientation.
  void Show();

  QComboBox& PrinterBox() const { return *printerBox_; }
  QRadioButton& Portrait() const { return *portrait_; }
  QRadioButton& Landscape() const { return *landscape_; }
  QPushButton& SavePrinterButton() const { return *savePrinter_; }

 private:
  TLabelDocument& document_;
  QComboBox* printerBox_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
  QPushButton* savePrinter_;
  std::string preselected_;
};

}  // namespace quorvel
