#include "designer/SettingsPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/LabelDocument.h"
#include "document/SheetPresets.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

const char* const kSheetSizeHelp =
    "Die Blattgröße eines DIN A4 Blattes ist normalerweise 210 mal 297 mm. \n"
    "Ein Drucker kann aber nie das ganze Blatt bedrucken, sodass die \n"
    "wirkliche Blattgröße immer kleiner  und bei jedem Drucker anders ist. \n"
    "\n"
    "Um die Blattgröße Ihres Druckers zu bestimmen, klicken Sie auf den Button\n"
    "'Blattgröße ermitteln' und folgenden dann den gedruckten Anweisungen.\n"
    " \n"
    "Wenn Sie einen Etikettendrucker benutzen, muss die Blattgröße der\n"
    "Etikettengröße, die der Druckertreiber anzeigt, entsprechen.";

// The fields' names and hints, in kLayoutFields order.
struct TMeasureEdit {
  const char* Name;
  const char* Hint;
};
constexpr std::array<TMeasureEdit, kLayoutFields.size()> kMeasureEdits = {{
    {"LabelWidth", ""},
    {"LabelHeight", ""},
    {"SheetWidth", "A4=195"},
    {"SheetHeight", "A4=288"},
    {"Columns", ""},
    {"Rows", ""},
    {"RowGap", ""},
    {"ColumnGap", ""},
    {"TopMargin", ""},
    {"LeftMargin", ""},
}};

}  // namespace

TSettingsPage::TSettingsPage(TLabelDocument& document, TDocumentChanges& changes) : document_(document) {
  auto* grid = new QGridLayout(this);
  int row = 0;
  for (std::size_t i = 0; i < kLayoutFields.size(); ++i, ++row) {
    grid->addWidget(new QLabel(QString::fromUtf8(kLayoutFields[i].Caption)), row, 0);
    measures_[i] = edits_.Add(document_.Layout.*kLayoutFields[i].Text, kMeasureEdits[i].Name, changes,
                                kLayoutFields[i].Caption);
    measures_[i]->setToolTip(kMeasureEdits[i].Hint);
    grid->addWidget(measures_[i], row, 1);
  }
  grid->addWidget(new QLabel("Raster [mm]"), row, 0);
  snapGrid_ = new QComboBox;
  snapGrid_->setObjectName("SnapGrid");
  snapGrid_->setEditable(true);
  // A typed grid is taken as typed, but never becomes an entry of the list.
  snapGrid_->setInsertPolicy(QComboBox::NoInsert);
  snapGrid_->addItems({"0", "5", "10"});
  snapGrid_->setMaximumWidth(120);
  connect(snapGrid_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!showing_) document_.SnapGrid = FromQString(text);
  });
  grid->addWidget(snapGrid_, row++, 1);

  auto* presetBox = new QGroupBox("Zweckform-Auswahl");
  auto* presetColumn = new QVBoxLayout(presetBox);
  presets_ = new QComboBox;
  presets_->setObjectName("PresetList");
  for (const std::string& entry : SheetPresetEntries()) presets_->addItem(ToQString(entry));
  presets_->setPlaceholderText("Zweckform");
  presets_->setCurrentIndex(-1);
  presetColumn->addWidget(presets_);
  grid->addWidget(presetBox, 0, 2, 3, 1);
  calibration_ = new QPushButton(QString::fromUtf8("Blattgröße ermitteln"));
  calibration_->setObjectName("CalibrationButton");
  auto* help = new QPushButton(QString::fromUtf8("Hilfe zur Blattgröße"));
  grid->addWidget(calibration_, 3, 2);
  grid->addWidget(help, 4, 2);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(3, 1);
  HelpText(this, kSheetSizeHelp, QRect(8, 126, 441, 200), help);
}

void TSettingsPage::Show() {
  edits_.Show();
  showing_ = true;
  if (QString grid = ToQString(document_.SnapGrid); snapGrid_->currentText() != grid) snapGrid_->setEditText(grid);
  showing_ = false;
}

}  // namespace quorvel
