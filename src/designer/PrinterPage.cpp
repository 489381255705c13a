#include "designer/PrinterPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/LabelDocument.h"
#include "platform/QtText.h"

namespace quorvel {

TPrinterPage::TPrinterPage(TLabelDocument& document) : document_(document) {
  auto* column = new QVBoxLayout(this);
  auto* choice = new QGroupBox(QString::fromUtf8("Drucker wählen"));
  auto* choiceColumn = new QVBoxLayout(choice);
  printerBox_ = new QComboBox;
  printerBox_->setObjectName("PrinterBox");
  printerBox_->setEditable(true);
  printerBox_->setMinimumWidth(320);
  connect(printerBox_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { document_.PrinterName = FromQString(text); });
  choiceColumn->addWidget(printerBox_);
  column->addWidget(choice);

  auto* format = new QGroupBox("Druckformat");
  auto* formatColumn = new QVBoxLayout(format);
  portrait_ = new QRadioButton("Hochformat");
  portrait_->setObjectName("Portrait");
  landscape_ = new QRadioButton("Querformat");
  landscape_->setObjectName("Landscape");
  portrait_->setChecked(true);
  connect(landscape_, &QRadioButton::toggled, this, [this](bool on) { document_.Landscape = on; });
  formatColumn->addWidget(portrait_);
  formatColumn->addWidget(landscape_);
  column->addWidget(format);

  savePrinter_ = new QPushButton("Drucker speichern");
  savePrinter_->setObjectName("SavePrinter");
  column->addWidget(savePrinter_, 0, Qt::AlignLeft);
  column->addStretch();
}

void TPrinterPage::SetPrinterNames(const std::vector<std::string>& names, const std::string& preselected) {
  for (const std::string& name : names) printerBox_->addItem(ToQString(name));
  preselected_ = preselected;
}

void TPrinterPage::Show() {
  QString name = ToQString(document_.PrinterName);
  if (printerBox_->findText(name) < 0 && !preselected_.empty()) name = ToQString(preselected_);
  printerBox_->setEditText(name);
  (document_.Landscape ? landscape_ : portrait_)->setChecked(true);
}

}  // namespace quorvel
