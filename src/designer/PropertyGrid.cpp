#include "designer/PropertyGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QTableWidget>

#include "document/ColorText.h"
#include "document/DisplayScale.h"
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

}  // namespace

TPropertyGrid::TPropertyGrid(TLabelDocument& document, IDialogs& dialogs, QComboBox* list, QTableWidget* grid,
                             QPushButton* apply, std::function<void()> showHandles)
    : QObject(grid),
      document_(document),
      dialogs_(dialogs),
      guard_(dialogs),
      list_(list),
      grid_(grid),
      apply_(apply),
      showHandles_(std::move(showHandles)),
      yesNo_(PickerList("YesNoList", {"ja", "nein"}, grid->viewport())),
      symbologies_(PickerList("SymbologyList", SymbologyNames(), grid->viewport())),
      colourButton_(PickerButton("ColourButton", grid->viewport())),
      fontButton_(PickerButton("FontButton", grid->viewport())),
      pictureButton_(PickerButton("PictureButton", grid->viewport())) {
  connect(grid_, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { guard_.Run([&] { CellSelected(row, column); }); });
  connect(grid_, &QTableWidget::itemChanged, this, [this] {
    if (!filling_) typedInto_ = true;
  });
  connect(list_, &QComboBox::activated, this, guard_.Guarded([this] { obox_click(); }));
  connect(apply_, &QPushButton::clicked, this, guard_.Guarded([this] { obox_zuruck(); }));
  for (QComboBox* picker : {yesNo_, symbologies_}) {
    connect(picker, &QComboBox::activated, this, guard_.Guarded([this, picker] { TakeListChoice(picker); }));
    picker->installEventFilter(this);
  }
  connect(colourButton_, &QPushButton::clicked, this, guard_.Guarded([this] { ChooseColour(); }));
  connect(fontButton_, &QPushButton::clicked, this, guard_.Guarded([this] { ChooseFont(); }));
  connect(pictureButton_, &QPushButton::clicked, this, guard_.Guarded([this] { ChoosePicture(); }));
  // Leaving the grid applies what was typed; the cell editor is a child of
  // the grid, so the focus moving from inside the grid to outside is what counts.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    bool wasInside = old && (old == grid_ || grid_->isAncestorOf(old));
    bool isInside = now && (now == grid_ || grid_->isAncestorOf(now));
    if (wasInside && !isInside && typedInto_) guard_.Run([this] { obox_zuruck(); });
  });
}

void TPropertyGrid::obox_refresh() {
  list_->clear();
  for (const std::string& name : document_.ObjectListNames()) list_->addItem(ToQString(name));
  if (list_->count() > 0)
    list_->setCurrentIndex(0);
  else
    list_->setEditText(QString());
  obox_click();
}

void TPropertyGrid::ShowName(const std::string& name) { list_->setEditText(ToQString(name)); }

void TPropertyGrid::obox_click() {
  HidePickers();
  filling_ = true;
  grid_->clearContents();
  int slot = document_.FindByName(FromQString(list_->currentText()));
  if (slot != 0) {
    const TLabelObject& object = document_.Object(slot);
    kind_ = object.Kind();
    std::vector<TPropertyRow> rows = PropertyRows(object, document_.Zoom);
    grid_->setRowCount(static_cast<int>(rows.size()));
    pickers_.clear();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
      auto* caption = new QTableWidgetItem(QString::fromStdString(rows[row].Caption));
      caption->setFlags(caption->flags() & ~Qt::ItemIsEditable);
      grid_->setItem(row, 0, caption);
      grid_->setItem(row, 1, new QTableWidgetItem(ToQString(rows[row].Value)));
      pickers_.push_back(rows[row].Picker);
    }
    grid_->setFixedHeight((grid_->rowCount() + 1) * kRowHeight);
    document_.CurrentObject = slot;
    showHandles_();
  }
  filling_ = false;
  typedInto_ = false;
}

void TPropertyGrid::obox_zuruck() {
  int slot = document_.FindByName(FromQString(list_->currentText()));
  if (slot == 0) return;
  typedInto_ = false;
  std::vector<std::string> values;
  for (int row = 0; row < grid_->rowCount(); ++row) values.push_back(Cell(row));
  TLabelObject& object = document_.Object(slot);
  try {
    ApplyPropertyRows(object, values, document_.Zoom);
  } catch (...) {
    showHandles_();
    throw;
  }
  showHandles_();
}

std::string TPropertyGrid::Cell(int row) const {
  QTableWidgetItem* item = grid_->item(row, 1);
  return item ? FromQString(item->text()) : std::string();
}

TPicker TPropertyGrid::PickerOf(int row) const {
  return row >= 0 && row < static_cast<int>(pickers_.size()) ? pickers_[row] : TPicker::None;
}

void TPropertyGrid::SetCell(const char* caption, const std::string& value) {
  for (int row = 0; row < grid_->rowCount(); ++row) {
    QTableWidgetItem* item = grid_->item(row, 0);
    if (item && item->text() == QString::fromUtf8(caption)) {
      filling_ = true;
      grid_->setItem(row, 1, new QTableWidgetItem(ToQString(value)));
      filling_ = false;
    }
  }
}

void TPropertyGrid::CellSelected(int row, int column) {
  HidePickers();
  if (column == 1) {
    switch (PickerOf(row)) {
      case TPicker::YesNo: ShowList(yesNo_, row); break;
      case TPicker::Symbology: ShowList(symbologies_, row); break;
      case TPicker::Colour: ShowButton(colourButton_, row); break;
      case TPicker::Font: ShowButton(fontButton_, row); break;
      case TPicker::PictureFile: ShowButton(pictureButton_, row); break;
      case TPicker::None: break;
    }
  }
  if (typedInto_) guard_.Run([this] { obox_zuruck(); });
}

void TPropertyGrid::HidePickers() {
  for (QWidget* picker : std::initializer_list<QWidget*>{yesNo_, symbologies_, colourButton_, fontButton_, pictureButton_})
    picker->hide();
}

void TPropertyGrid::ShowList(QComboBox* list, int row) {
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
  if (list->currentIndex() < 0 || pickerRow_ < 0) return;
  filling_ = true;
  grid_->setItem(pickerRow_, 1, new QTableWidgetItem(list->currentText()));
  filling_ = false;
  guard_.Run([this] { obox_zuruck(); });
}

bool TPropertyGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == yesNo_ || watched == symbologies_) TakeListChoice(static_cast<QComboBox*>(watched));
  }
  return QObject::eventFilter(watched, event);
}

void TPropertyGrid::ChooseColour() {
  colourButton_->hide();
  if (pickerRow_ < 0) return;
  std::optional<TColor> colour = dialogs_.ChooseColor(back_farbe(Cell(pickerRow_)));
  if (!colour) return;
  filling_ = true;
  grid_->setItem(pickerRow_, 1, new QTableWidgetItem(ToQString(set_farbe(*colour))));
  filling_ = false;
  obox_zuruck();
}

void TPropertyGrid::ChooseFont() {
  fontButton_->hide();
  int slot = document_.FindByName(FromQString(list_->currentText()));
  if (slot == 0) return;
  // The dialog works in the size the grid shows, at the zoom.
  TFont initial = document_.Object(slot).Font();
  initial.Size = ShownValue(initial.Size, document_.Zoom);
  std::optional<TFont> font = dialogs_.ChooseFont(initial);
  if (!font) return;
  SetCell("Schriftart", font->Name);
  SetCell("Schriftgröße", std::to_string(font->Size));
  SetCell("Fett", font->Style.Has(TFontStyle::fsBold) ? "ja" : "nein");
  SetCell("Kursiv", font->Style.Has(TFontStyle::fsItalic) ? "ja" : "nein");
  SetCell("Unterstrichen", font->Style.Has(TFontStyle::fsUnderline) ? "ja" : "nein");
  SetCell("Schriftfarbe", set_farbe(font->Color));
  obox_zuruck();
}

void TPropertyGrid::ChoosePicture() {
  pictureButton_->hide();
  TFileDialogOptions options;
  options.Filter = "Bild|*.jpg|Bild|*.bmp";
  options.FileName = "*.jpg";
  std::optional<std::string> path = dialogs_.OpenFileName(options);
  if (!path) return;
  SetCell("Bilddatei", *path);
  int slot = document_.CurrentObject;
  if (!document_.SelectionActive || slot < 1 || slot > document_.ObjectCount()) return;
  TLabelObject& object = document_.Object(slot);
  if (object.Kind() != TObjectKind::okPicture) return;
  std::string previous = object.PictureFile;
  object.PictureFile = *path;
  try {
    object.LoadPictureFile();
  } catch (...) {
    // An undecodable file leaves the object with its picture and its path.
    object.PictureFile = previous;
    SetCell("Bilddatei", previous);
    throw;
  }
  obox_zuruck();
}

}  // namespace quorvel
