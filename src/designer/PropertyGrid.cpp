#include "designer/PropertyGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QTableWidget>
#include <optional>

#include "document/ColorText.h"
#include "document/DisplayScale.h"
#include "document/DocumentChanges.h"
#include "document/LabelDocument.h"
#include "platform/Dialogs.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

constexpr int kRowHeight = 19;

QPushButton* PickerButton(const char* name, QWidget* parent) {
  auto* button = new QPushButton("...", parent);
  button->setObjectName(name);
  button->setFixedSize(kRowHeight + 4, kRowHeight);
  button->hide();
  return button;
}

QComboBox* PickerList(const char* name, const std::vector<std::string>& items, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (const std::string& item : items) list->addItem(ToQString(item));
  list->hide();
  return list;
}

bool Inside(const QWidget* widget, const QWidget* area) {
  return widget && (widget == area || area->isAncestorOf(widget));
}

}  // namespace

TPropertyGrid::TPropertyGrid(TLabelDocument& document, TDocumentChanges& changes, IDialogs& dialogs, QComboBox* list,
                             QTableWidget* grid, QPushButton* apply)
    : QObject(grid),
      document_(document),
      changes_(changes),
      dialogs_(dialogs),
      guard_(dialogs),
      list_(list),
      grid_(grid),
      apply_(apply),
      yesNo_(PickerList("YesNoList", {"ja", "nein"}, grid->viewport())),
      symbologies_(PickerList("SymbologyList", SymbologyNames(), grid->viewport())),
      colourButton_(PickerButton("ColourButton", grid->viewport())),
      fontButton_(PickerButton("FontButton", grid->viewport())),
      pictureButton_(PickerButton("PictureButton", grid->viewport())) {
  connect(grid_, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { guard_.Run([&] { CellSelected(row, column); }); });
  connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!filling_ && item->column() == 1) changedRows_.insert(item->row());
  });
  connect(list_, &QComboBox::activated, this, guard_.Guarded([this] { obox_click(); }));
  connect(apply_, &QPushButton::clicked, this, guard_.Guarded([this] { obox_zuruck(); }));
  for (QComboBox* picker : {yesNo_, symbologies_}) {
    connect(picker, &QComboBox::activated, this, guard_.Guarded([this, picker] { TakeListChoice(picker); }));
    picker->installEventFilter(this);
  }
  for (QPushButton* button : {colourButton_, fontButton_, pictureButton_}) button->installEventFilter(this);
  connect(colourButton_, &QPushButton::clicked, this, guard_.Guarded([this] { ChooseColour(); }));
  connect(fontButton_, &QPushButton::clicked, this, guard_.Guarded([this] { ChooseFont(); }));
  connect(pictureButton_, &QPushButton::clicked, this, guard_.Guarded([this] { ChoosePicture(); }));
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { LeftGrid(old, now); });
}

// Leaving the grid writes back what was changed; the cell editor and the
// pickers are children of the grid, so the focus moving from inside the grid
// to outside is what counts.
void TPropertyGrid::LeftGrid(QWidget* old, QWidget* now) {
  if (Inside(old, grid_) && !Inside(now, grid_) && !changedRows_.empty()) guard_.Run([this] { obox_zuruck(); });
}

void TPropertyGrid::Show() {
  ShowList();
  TLabelObject* current = document_.Current();
  int slot = current ? document_.CurrentObject : 0;
  std::vector<TPropertyRow> rows;
  if (current) rows = PropertyRows(*current, document_.Zoom);
  if (slot != shownSlot_ || !HasRows(rows)) return Fill(slot, rows);
  for (int row = 0; row < static_cast<int>(rows.size()); ++row)
    if (!changedRows_.count(row) && Cell(row) != rows[row].Value) SetText(row, rows[row].Value);
}

// The list is built anew only when its names changed, so that a choice the
// user is making in it is not disturbed.
void TPropertyGrid::ShowList() {
  std::vector<std::string> names = document_.ObjectListNames();
  QStringList entries;
  for (const std::string& name : names) entries << ToQString(name);
  QStringList listed;
  for (int i = 0; i < list_->count(); ++i) listed << list_->itemText(i);
  if (listed != entries) {
    list_->clear();
    list_->addItems(entries);
  }
  TLabelObject* current = document_.Current();
  list_->setCurrentIndex(current ? static_cast<int>(entries.indexOf(ToQString(current->Name))) : -1);
}

bool TPropertyGrid::HasRows(const std::vector<TPropertyRow>& rows) const {
  if (grid_->rowCount() != static_cast<int>(rows.size())) return false;
  for (int row = 0; row < grid_->rowCount(); ++row) {
    QTableWidgetItem* caption = grid_->item(row, 0);
    if (!caption || caption->text() != QString::fromStdString(rows[row].Caption)) return false;
  }
  return true;
}

void TPropertyGrid::Fill(int slot, const std::vector<TPropertyRow>& rows) {
  HidePickers();
  filling_ = true;
  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(rows.size()));
  pickers_.clear();
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    auto* caption = new QTableWidgetItem(QString::fromStdString(rows[row].Caption));
    caption->setFlags(caption->flags() & ~Qt::ItemIsEditable);
    grid_->setItem(row, 0, caption);
    grid_->setItem(row, 1, new QTableWidgetItem(ToQString(rows[row].Value)));
    pickers_.push_back(rows[row].Picker);
  }
  if (!rows.empty()) grid_->setFixedHeight((grid_->rowCount() + 1) * kRowHeight);
  filling_ = false;
  shownSlot_ = slot;
  changedRows_.clear();
}

void TPropertyGrid::obox_click() {
  int slot = document_.FindByName(FromQString(list_->currentText()));
  if (slot == 0) return;
  document_.CurrentObject = slot;
  document_.SelectionActive = true;
  changes_.SelectionChanged();
}

// Rows applied before one that fails keep their new values; the rows the
// user changed stay as typed until they are written back.
void TPropertyGrid::obox_zuruck() {
  if (changedRows_.empty() || shownSlot_ < 1 || shownSlot_ > document_.ObjectCount()) return;
  std::vector<std::optional<std::string>> values(grid_->rowCount());
  for (int row : changedRows_) values[row] = Cell(row);
  TLabelObject& object = document_.Object(shownSlot_);
  changes_.Change("Eigenschaften " + object.Name, [&] {
    ApplyPropertyRows(object, values, document_.Zoom);
    changedRows_.clear();
  });
}

std::string TPropertyGrid::Cell(int row) const {
  QTableWidgetItem* item = grid_->item(row, 1);
  return item ? FromQString(item->text()) : std::string();
}

TPicker TPropertyGrid::PickerOf(int row) const {
  return row >= 0 && row < static_cast<int>(pickers_.size()) ? pickers_[row] : TPicker::None;
}

void TPropertyGrid::SetText(int row, const std::string& value) {
  filling_ = true;
  grid_->setItem(row, 1, new QTableWidgetItem(ToQString(value)));
  filling_ = false;
}

void TPropertyGrid::Put(int row, const std::string& value) {
  if (row < 0 || row >= grid_->rowCount()) return;
  SetText(row, value);
  changedRows_.insert(row);
}

void TPropertyGrid::Put(const char* caption, const std::string& value) {
  for (int row = 0; row < grid_->rowCount(); ++row) {
    QTableWidgetItem* item = grid_->item(row, 0);
    if (item && item->text() == QString::fromUtf8(caption)) Put(row, value);
  }
}

void TPropertyGrid::CellSelected(int row, int column) {
  HidePickers();
  if (column == 1) {
    switch (PickerOf(row)) {
      case TPicker::YesNo: ShowPickerList(yesNo_, row); break;
      case TPicker::Symbology: ShowPickerList(symbologies_, row); break;
      case TPicker::Colour: ShowButton(colourButton_, row); break;
      case TPicker::Font: ShowButton(fontButton_, row); break;
      case TPicker::PictureFile: ShowButton(pictureButton_, row); break;
      case TPicker::None: break;
    }
  }
  if (!changedRows_.empty()) guard_.Run([this] { obox_zuruck(); });
}

void TPropertyGrid::HidePickers() {
  for (QWidget* picker : std::initializer_list<QWidget*>{yesNo_, symbologies_, colourButton_, fontButton_, pictureButton_})
    picker->hide();
}

void TPropertyGrid::ShowPickerList(QComboBox* list, int row) {
  pickerRow_ = row;
  QRect cell = grid_->visualRect(grid_->model()->index(row, 1));
  list->setGeometry(cell);
  list->setCurrentIndex(list->findText(ToQString(Cell(row)), Qt::MatchExactly));
  list->show();
  list->raise();
  list->setFocus();
}

void TPropertyGrid::ShowButton(QPushButton* button, int row) {
  pickerRow_ = row;
  QRect cell = grid_->visualRect(grid_->model()->index(row, 1));
  button->move(cell.right() - button->width() + 1, cell.top());
  button->show();
  button->raise();
  button->setFocus();
}

void TPropertyGrid::TakeListChoice(QComboBox* list) {
  if (list->isHidden()) return;
  list->hide();
  if (list->currentIndex() < 0) return;
  Put(pickerRow_, FromQString(list->currentText()));
  guard_.Run([this] { obox_zuruck(); });
}

// A list that loses the focus takes its choice; a button just disappears.
bool TPropertyGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == yesNo_ || watched == symbologies_)
      TakeListChoice(static_cast<QComboBox*>(watched));
    else if (auto* button = qobject_cast<QPushButton*>(watched))
      button->hide();
  }
  return QObject::eventFilter(watched, event);
}

void TPropertyGrid::ChooseColour() {
  colourButton_->hide();
  if (pickerRow_ < 0) return;
  std::optional<TColor> colour = dialogs_.ChooseColor(back_farbe(Cell(pickerRow_)));
  if (!colour) return;
  Put(pickerRow_, set_farbe(*colour));
  obox_zuruck();
}

void TPropertyGrid::ChooseFont() {
  fontButton_->hide();
  if (shownSlot_ < 1 || shownSlot_ > document_.ObjectCount()) return;
  // The dialog works in the size the grid shows, at the zoom.
  TFont initial = document_.Object(shownSlot_).Font();
  initial.Size = ShownValue(initial.Size, document_.Zoom);
  std::optional<TFont> font = dialogs_.ChooseFont(initial);
  if (!font) return;
  Put("Schriftart", font->Name);
  Put("Schriftgröße", std::to_string(font->Size));
  Put("Fett", font->Style.Has(TFontStyle::fsBold) ? "ja" : "nein");
  Put("Kursiv", font->Style.Has(TFontStyle::fsItalic) ? "ja" : "nein");
  Put("Unterstrichen", font->Style.Has(TFontStyle::fsUnderline) ? "ja" : "nein");
  Put("Schriftfarbe", set_farbe(font->Color));
  obox_zuruck();
}

// The chosen path goes into the cell as a typed one would, and is applied
// the same way: the picture is read from it, or the object keeps its own.
void TPropertyGrid::ChoosePicture() {
  pictureButton_->hide();
  TFileDialogOptions options;
  options.Filter = "Bilder|*.jpg;*.jpeg;*.bmp|Alle Dateien|*";
  std::optional<std::string> path = dialogs_.OpenFileName(options);
  if (!path) return;
  Put(pickerRow_, *path);
  obox_zuruck();
}

}  // namespace quorvel
