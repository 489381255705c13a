#include "designer/ObjectPanel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "designer/PropertyGrid.h"

namespace quorvel {

TObjectPanel::TObjectPanel(TLabelDocument& document, TDocumentChanges& changes, IDialogs& dialogs) {
  setObjectName("ObjectPanel");
  setFixedWidth(260);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(new QLabel("Objektliste und Eigenschaften  [mm*10]"));
  list_ = new QComboBox;
  list_->setObjectName("ObjectList");
  // A list to choose from: nothing typed into it could name an object.
  list_->setPlaceholderText("Objektliste");
  column->addWidget(list_);
  grid_ = new QTableWidget(0, 2);
  grid_->setObjectName("PropertyGrid");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(19);
  grid_->horizontalHeader()->setStretchLastSection(true);
  column->addWidget(grid_);
  apply_ = new QPushButton(QString::fromUtf8("übernehmen"));
  apply_->setObjectName("Apply");
  column->addWidget(apply_, 0, Qt::AlignLeft);
  delete_ = new QPushButton(QString::fromUtf8("Objekt löschen"));
  delete_->setObjectName("DeleteObject");
  column->addWidget(delete_, 0, Qt::AlignLeft);
  column->addStretch();
  properties_ = new TPropertyGrid(document, changes, dialogs, list_, grid_, apply_);
}

}  // namespace quorvel
