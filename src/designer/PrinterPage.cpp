#include "designer/PrinterPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/DocumentChanges.h"
#include "document/LabelDocument.h"
#include "platform/QtText.h"

namespace quorvel {

TPrinterPage::TPrinterPage(TLabelDocument& document, TDocumentChanges& changes)
    : document_(document), changes_(changes) {
  auto* column = new QVBoxLayout(this);
  auto* choice = new QGroupBox(QString::fromUtf8("Drucker wählen"));
  auto* choiceColumn = new QVBoxLayout(choice);
  printerBox_ = new QComboBox;
  printerBox_->setObjectName("PrinterBox");
  // The name of a printer not installed here stays as the label or
  // "drucker.ini" gives it, but a typed name never becomes an entry.
  printerBox_->setEditable(true);
  printerBox_->setInsertPolicy(QComboBox::NoInsert);
  printerBox_->setMinimumWidth(320);
  connect(printerBox_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (showing_) return;
    changes_.Change("Drucker", [&] { document_.PrinterName = FromQString(text); }, TDocumentChanges::TJoin::SameStep);
  });
  choiceColumn->addWidget(printerBox_);
  column->addWidget(choice);

  auto* format = new QGroupBox("Druckformat");
  auto* formatColumn = new QVBoxLayout(format);
  portrait_ = new QRadioButton("Hochformat");
  portrait_->setObjectName("Portrait");
  landscape_ = new QRadioButton("Querformat");
  landscape_->setObjectName("Landscape");
  portrait_->setChecked(true);
  connect(landscape_, &QRadioButton::toggled, this, [this](bool on) {
    if (!showing_) changes_.Change("Ausrichtung", [&] { document_.Landscape = on; });
  });
  formatColumn->addWidget(portrait_);
  formatColumn->addWidget(landscape_);
  column->addWidget(format);

  savePrinter_ = new QPushButton("Drucker speichern");
  savePrinter_->setObjectName("SavePrinter");
  column->addWidget(savePrinter_, 0, Qt::AlignLeft);
  column->addStretch();
}

void TPrinterPage::SetPrinterNames(const std::vector<std::string>& names) {
  showing_ = true;
  for (const std::string& name : names) printerBox_->addItem(ToQString(name));
  showing_ = false;
  Show();
}

void TPrinterPage::Show() {
  showing_ = true;
  if (QString name = ToQString(document_.PrinterName); printerBox_->currentText() != name) printerBox_->setEditText(name);
  (document_.Landscape ? landscape_ : portrait_)->setChecked(true);
  showing_ = false;
}

}  // namespace quorvel
