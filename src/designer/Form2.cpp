#include "designer/Form2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "designer/ButtonPictures.h"
#include "designer/DesignPanel.h"
#include "designer/HandleWidgets.h"
#include "designer/PropertyGrid.h"
#include "designer/TextToolbar.h"
#include "platform/Clipboard.h"
#include "designer/PrintCommands.h"
#include "document/SheetPresets.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Printer.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

const char* const kSeriesHelp =
    "Hilfe zur Seriendatei:\n\n"
    "Die Seriendatei ist eine Textdatei. Jede Zeile ergibt ein Etikett, die Werte einer Zeile\n"
    "sind durch \";\" getrennt. Der erste Wert einer Zeile geht an alle Objekte mit der\n"
    "Variable 1, der zweite an die mit der Variable 2 und so fort. Die Variable eines\n"
    "Objekts wird rechts in der Objektliste eingetragen.\n\n"
    "Beispiel, eine Datei mit den zwei Zeilen\n\n"
    "    4711;echt Kölnisch Wasser;\n"
    "    4712;Seife neutral;\n\n"
    "und ein Etikett, dessen Objekt text01 die Variable 1 und dessen Objekt text02 die\n"
    "Variable 2 hat: Der Seriendruck ergibt zwei Etiketten, das erste mit \"4711\" und\n"
    "\"echt Kölnisch Wasser\", das zweite mit \"4712\" und \"Seife neutral\".\n\n"
    "Enthält eine Spalte die Anzahl der Etiketten je Zeile, tragen Sie ihre Nummer unter\n"
    "\"Spalte, die die Mengenangebe enthält\" ein.";

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

// The page "Entwurf": the quick text field above the design surface, and
// the two scroll bars along the page's right and bottom edges.
class TDesignPage : public QWidget {
 public:
  TDesignPage() {
    auto* caption = new QLabel("Text:", this);
    caption->setGeometry(8, 8, 32, 20);
    quickText_ = new QLineEdit(this);
    quickText_->setObjectName("QuickText");
    quickText_->setGeometry(44, 6, 360, 22);
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    horizontal_->setObjectName("HorizontalScrollBar");
    vertical_ = new QScrollBar(Qt::Vertical, this);
    vertical_->setObjectName("VerticalScrollBar");
    for (QScrollBar* bar : {horizontal_, vertical_}) bar->setRange(0, 100);
  }
  QLineEdit* QuickText() const { return quickText_; }
  QScrollBar* HorizontalBar() const { return horizontal_; }
  QScrollBar* VerticalBar() const { return vertical_; }
  // Keeps the field and the bars above the surface that slides beneath them.
  void RaiseFixedParts() {
    for (QWidget* part : std::initializer_list<QWidget*>{quickText_, horizontal_, vertical_}) part->raise();
  }

 protected:
  void resizeEvent(QResizeEvent*) override {
    int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    horizontal_->setGeometry(0, height() - bar, width() - bar, bar);
    vertical_->setGeometry(width() - bar, kSurfaceTop, bar, height() - kSurfaceTop - bar);
  }

 private:
  QLineEdit* quickText_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
};

QPushButton* PictureButton(const QIcon& picture, const QString& hint) {
  auto* button = new QPushButton(picture, QString());
  button->setIconSize(QSize(24, 24));
  button->setToolTip(hint);
  return button;
}

QLineEdit* PlainEdit(const QString& text, const char* name) {
  auto* edit = new QLineEdit(text);
  edit->setObjectName(name);
  edit->setMaximumWidth(120);
  return edit;
}

// A help text shown over a page at a fixed place; its button shows and hides it.
QLabel* HelpText(QWidget* page, const char* text, QRect place, QPushButton* toggle) {
  auto* help = new QLabel(QString::fromUtf8(text), page);
  help->setGeometry(place);
  help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  help->setAutoFillBackground(true);
  help->setFrameShape(QFrame::Box);
  help->setMargin(6);
  help->hide();
  QObject::connect(toggle, &QPushButton::clicked, help, [help] {
    help->setVisible(!help->isVisible());
    help->raise();
  });
  return help;
}

}  // namespace

TForm2::TForm2(IDialogs& dialogs, IPrinter& printer, QWidget* parent)
    : TForm2(dialogs, printer, std::make_unique<TQtClipboard>(), nullptr, parent) {}

TForm2::TForm2(IDialogs& dialogs, IPrinter& printer, IClipboard& clipboard, QWidget* parent)
    : TForm2(dialogs, printer, nullptr, &clipboard, parent) {}

TForm2::TForm2(IDialogs& dialogs, IPrinter& printer, std::unique_ptr<IClipboard> own, IClipboard* clipboard,
               QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      printer_(printer),
      commands_(document_, dialogs, *this),
      ownClipboard_(std::move(own)),
      selection_(std::make_unique<TSelectionEditor>(document_, *this)),
      objects_(std::make_unique<TObjectCommands>(document_, dialogs, clipboard ? *clipboard : *ownClipboard_, *this)) {
  setWindowTitle("Quorvel Etikettenentwurf");
  BuildMenus();
  BuildTopBar();
  auto* central = new QWidget;
  auto* columns = new QHBoxLayout(central);
  columns->addWidget(BuildPalette());
  pages_ = new QTabWidget;
  pages_->setObjectName("PageControl");
  pages_->addTab(BuildDesignPage(), "Entwurf");
  pages_->addTab(BuildSettingsPage(), "Einstellungen");
  pages_->addTab(BuildPrinterPage(), "Drucker");
  pages_->addTab(BuildSeriesPage(), "Seriendruck");
  columns->addWidget(pages_, 1);
  columns->addWidget(BuildObjectPanel());
  setCentralWidget(central);
  statusBar()->setObjectName("StatusBar");
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) { Guarded([=, this] { PageChanged(index); })(); });

  document_.SetSurface(panel_);
  try {
    for (const std::string& name : printer_.PrinterNames()) printerBox_->addItem(ToQString(name));
  } catch (const EUserError& error) {
    dialogs_.ShowMessage(error.what());
  }
  ConnectEditing();
  commands_.Start();
  printCommands_ = std::make_unique<TPrintCommands>(*this, printer_, dialogs_);
  printCommands_->Connect();
  ShowSettings();
  SizeSurface();
  zoom_aus();
  resize(1100, 760);
}

TForm2::~TForm2() { document_.SetSurface(nullptr); }

void TForm2::BuildMenus() {
  QMenu* label = menuBar()->addMenu("Etikett");
  label->addAction("neu", this, Guarded([this] { commands_.New(); }));
  // "speichern" runs the toolbar's Save, which users expect of it.
  label->addAction("speichern", this, Guarded([this] { commands_.Save(); }));
  label->addAction("speichern unter", this, Guarded([this] { commands_.SaveAs(); }));
  label->addAction(QString::fromUtf8("öffnen"), this, Guarded([this] { commands_.Open(); }));
  menuBar()->addAction("Ende", this, [this] { close(); });
}

void TForm2::BuildTopBar() {
  QToolBar* bar = addToolBar("Werkzeugleiste");
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  bar->addAction(OpenPicture(), QString::fromUtf8("Etikett öffnen"), this, Guarded([this] { commands_.Open(); }));
  bar->addAction(SavePicture(), "Etikett speichern", this, Guarded([this] { commands_.Save(); }));
  bar->addAction(PrintPicture(), "Etikett drucken")->setObjectName("PrintAction");
  bar->addSeparator();
  editActions_ = {bar->addAction(CutPicture(), QString::fromUtf8("Löschen"), this, Guarded([this] { objects_->Delete(); })),
                  bar->addAction(CopyPicture(), "Kopieren", this, Guarded([this] { objects_->Copy(); })),
                  bar->addAction(PastePicture(), QString::fromUtf8("Einfügen"), this, Guarded([this] { objects_->Paste(); }))};
  bar->addSeparator();

  textToolbar_ = std::make_unique<TTextToolbar>(*bar, document_, [this] { selection_->setpoints(); });
  bar->addSeparator();

  auto* preview = new QPushButton("Vorschau");
  preview->setToolTip("Etikett-Vorschau");
  preview->setObjectName("PreviewButton");
  auto* print = new QPushButton("Drucken");
  print->setToolTip("Etikett drucken");
  print->setObjectName("PrintButton");
  bar->addWidget(preview);
  bar->addWidget(print);
  const std::pair<const char*, std::function<void()>> kZoomButtons[] = {
      {"zoom +", [this] { delpoints(); zoom(2); }},
      {"zoom -", [this] { zoom(0.5); }},
      {"zoom aus", [this] { zoom_aus(); }},
  };
  for (const auto& [caption, command] : kZoomButtons) {
    auto* button = new QPushButton(caption);
    connect(button, &QPushButton::clicked, this, Guarded(command));
    bar->addWidget(button);
  }
  auto* objectList = new QPushButton("Objektliste");
  connect(objectList, &QPushButton::clicked, this, [this] { objectPanel_->setVisible(!objectPanel_->isVisible()); });
  bar->addWidget(objectList);
}

QWidget* TForm2::BuildPalette() {
  auto* palette = palette_ = new QWidget;
  palette->setObjectName("Palette");
  auto* column = new QVBoxLayout(palette);
  column->setContentsMargins(0, 0, 0, 0);
  auto add = [&](QPushButton* button, const char* name, std::function<void()> command) {
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, Guarded(std::move(command)));
    column->addWidget(button);
  };
  auto create = [this](TObjectKind kind) { return [this, kind] { objects_->Create(kind); }; };
  add(new QPushButton("QR-Code"), "CreateQrCode", create(TObjectKind::okQrCode));
  add(PictureButton(BarcodePicture(), "Barcode"), "CreateBarcode", create(TObjectKind::okBarcode));
  add(new QPushButton("A, B, C, D, .Text"), "CreateText", create(TObjectKind::okText));
  add(new QPushButton("  Bild"), "CreatePicture", create(TObjectKind::okPicture));
  add(PictureButton(BoxPicture(), "Rechteck"), "CreateBox", create(TObjectKind::okBox));
  add(PictureButton(HorizontalLinePicture(), "waagerechte Linie"), "CreateHLine", create(TObjectKind::okHLine));
  add(PictureButton(VerticalLinePicture(), "senkrechte Linie"), "CreateVLine", create(TObjectKind::okVLine));
  add(new QPushButton("senkrechter Text"), "CreateVerticalText", create(TObjectKind::okVerticalText));
  column->addSpacing(16);
  add(new QPushButton(QString::fromUtf8("letztes löschen")), "DeleteLast", [this] { objects_->DeleteLast(); });
  add(new QPushButton(QString::fromUtf8("alle löschen")), "DeleteAll", [this] { objects_->DeleteAll(); });
  add(new QPushButton("refresh"), "Refresh", [this] { objects_->Refresh(); });
  column->addStretch();
  return palette;
}

QWidget* TForm2::BuildDesignPage() {
  auto* page = new TDesignPage;
  panel_ = new TDesignPanel(dialogs_, page);
  quickText_ = page->QuickText();
  panel_->move(0, kSurfaceTop);
  horizontalBar_ = page->HorizontalBar();
  verticalBar_ = page->VerticalBar();
  connect(horizontalBar_, &QScrollBar::valueChanged, this, [this] { HorizontalScrolled(); });
  connect(verticalBar_, &QScrollBar::valueChanged, this, [this] { VerticalScrolled(); });
  page->RaiseFixedParts();
  return page;
}

QLineEdit* TForm2::BoundEdit(std::string& field, const char* name) {
  auto* edit = PlainEdit(ToQString(field), name);
  bindings_.push_back({edit, &field});
  connect(edit, &QLineEdit::textChanged, this, [&field](const QString& text) { field = FromQString(text); });
  return edit;
}

QWidget* TForm2::BuildSettingsPage() {
  settingsPage_ = new QWidget;
  auto* grid = new QGridLayout(settingsPage_);
  TSheetLayout& layout = document_.Layout;
  const std::tuple<const char*, std::string*, const char*, const char*> kFields[] = {
      {"Breite [mm]", &layout.LabelWidth, "LabelWidth", ""},
      {"Höhe [mm]", &layout.LabelHeight, "LabelHeight", ""},
      {"Blattbreite [mm]", &layout.SheetWidth, "SheetWidth", "A4=195"},
      {"Blatthöhe [mm]", &layout.SheetHeight, "SheetHeight", "A4=288"},
      {"Anzahl Etiketten in einer Zeile nebeneinander:", &layout.Columns, "Columns", ""},
      {"Anzahl Etiketten in einer Spalte untereinander:", &layout.Rows, "Rows", ""},
      {"Horizontaler Abstande zwischen zwei Etiketten:", &layout.RowGap, "RowGap", ""},
      {"Vertikaler Abstand zwischen zwei Etiketten:", &layout.ColumnGap, "ColumnGap", ""},
      {"oberer Blattrand", &layout.TopMargin, "TopMargin", ""},
      {"linker Blattrand", &layout.LeftMargin, "LeftMargin", ""},
  };
  int row = 0;
  for (const auto& [caption, field, name, hint] : kFields) {
    grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
    QLineEdit* edit = BoundEdit(*field, name);
    edit->setToolTip(hint);
    grid->addWidget(edit, row++, 1);
  }
  grid->addWidget(new QLabel("Raster [mm]"), row, 0);
  snapGrid_ = new QComboBox;
  snapGrid_->setObjectName("SnapGrid");
  snapGrid_->setEditable(true);
  snapGrid_->addItems({"0", "5", "10"});
  snapGrid_->setMaximumWidth(120);
  connect(snapGrid_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { document_.SnapGrid = FromQString(text); });
  grid->addWidget(snapGrid_, row++, 1);

  auto* presets = new QGroupBox("Zweckform-Auswahl");
  auto* presetColumn = new QVBoxLayout(presets);
  auto* presetList = new QComboBox;
  presetList->setObjectName("PresetList");
  for (const std::string& entry : SheetPresetEntries()) presetList->addItem(ToQString(entry));
  presetList->setPlaceholderText("Zweckform");
  presetList->setCurrentIndex(-1);
  presetColumn->addWidget(presetList);
  grid->addWidget(presets, 0, 2, 3, 1);
  auto* measure = new QPushButton(QString::fromUtf8("Blattgröße ermitteln"));
  auto* help = new QPushButton(QString::fromUtf8("Hilfe zur Blattgröße"));
  measure->setObjectName("CalibrationButton");
  grid->addWidget(measure, 3, 2);
  grid->addWidget(help, 4, 2);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(3, 1);
  HelpText(settingsPage_, kSheetSizeHelp, QRect(8, 126, 441, 200), help);
  return settingsPage_;
}

QWidget* TForm2::BuildPrinterPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
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

  auto* save = new QPushButton("Drucker speichern");
  save->setObjectName("SavePrinter");
  connect(save, &QPushButton::clicked, this, Guarded([this] { commands_.SavePrinter(); }));
  column->addWidget(save, 0, Qt::AlignLeft);
  column->addStretch();
  return page;
}

QWidget* TForm2::BuildSeriesPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);

  auto* file = new QGroupBox(QString::fromUtf8("Seriendatei öffnen"));
  auto* fileRow = new QHBoxLayout(file);
  QLineEdit* seriesFile = BoundEdit(document_.SeriesFileName, "SeriesFile");
  seriesFile->setMaximumWidth(QWIDGETSIZE_MAX);
  fileRow->addWidget(seriesFile, 1);
  QPushButton* chooseFile = PictureButton(FolderPicture(), "Seriendatei");
  chooseFile->setObjectName("SeriesFileButton");
  fileRow->addWidget(chooseFile);
  auto* showFile = new QPushButton("Datei anschauen");
  showFile->setObjectName("ShowSeriesFileButton");
  fileRow->addWidget(showFile);
  column->addWidget(file);

  auto* quantity = new QGroupBox(QString::fromUtf8("Spalte, die die Mengenangebe enthält"));
  auto* quantityRow = new QHBoxLayout(quantity);
  quantityRow->addWidget(BoundEdit(document_.QuantityColumn, "QuantityColumn"));
  quantityRow->addStretch();
  column->addWidget(quantity);

  auto* series = new QGroupBox("Seriendatei drucken");
  auto* seriesGrid = new QGridLayout(series);
  seriesGrid->addWidget(new QLabel("Start bei Etikett "), 0, 0);
  seriesGrid->addWidget(PlainEdit("1", "FirstLine"), 0, 1);
  seriesGrid->addWidget(new QLabel("Ende bei Etikett "), 1, 0);
  seriesGrid->addWidget(PlainEdit("9999", "LastLine"), 1, 1);
  seriesGrid->addWidget(new QLabel("jedes Etikett"), 2, 0);
  seriesGrid->addWidget(PlainEdit("1", "CopiesPerLine"), 2, 1);
  seriesGrid->addWidget(new QLabel("mal drucken"), 2, 2);
  auto* printSeries = new QPushButton("Start Drucken");
  printSeries->setObjectName("PrintSeriesButton");
  seriesGrid->addWidget(printSeries, 3, 0);
  seriesGrid->setColumnStretch(3, 1);
  column->addWidget(series);

  auto* current = new QGroupBox("aktuelles Etikett drucken");
  auto* currentGrid = new QGridLayout(current);
  currentGrid->addWidget(new QLabel("Anzahl"), 0, 0);
  currentGrid->addWidget(PlainEdit("1", "Copies"), 0, 1);
  currentGrid->addWidget(new QLabel("Start in Zeile/Spalte"), 1, 0);
  currentGrid->addWidget(PlainEdit("1", "StartRow"), 1, 1);
  currentGrid->addWidget(PlainEdit("1", "StartColumn"), 1, 2);
  auto* printCopies = new QPushButton("Start Drucken");
  printCopies->setObjectName("PrintCopiesButton");
  currentGrid->addWidget(printCopies, 2, 0);
  currentGrid->setColumnStretch(3, 1);
  column->addWidget(current);

  auto* help = new QPushButton("&Hilfe");
  column->addWidget(help, 0, Qt::AlignLeft);
  column->addStretch();
  HelpText(page, kSeriesHelp, QRect(16, 64, 425, 377), help);
  return page;
}

QWidget* TForm2::BuildObjectPanel() {
  objectPanel_ = new QWidget;
  objectPanel_->setObjectName("ObjectPanel");
  objectPanel_->setFixedWidth(260);
  auto* column = new QVBoxLayout(objectPanel_);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(new QLabel("Objektliste und Eigenschaften  [mm*10]"));
  objectList_ = new QComboBox;
  objectList_->setObjectName("ObjectList");
  objectList_->setEditable(true);
  objectList_->setEditText("Objektliste");
  connect(objectList_, &QComboBox::activated, this, Guarded([this] { obox_click(); }));
  column->addWidget(objectList_);
  propertyGrid_ = new QTableWidget(0, 2);
  propertyGrid_->setObjectName("PropertyGrid");
  propertyGrid_->horizontalHeader()->hide();
  propertyGrid_->verticalHeader()->hide();
  propertyGrid_->verticalHeader()->setDefaultSectionSize(19);
  propertyGrid_->horizontalHeader()->setStretchLastSection(true);
  column->addWidget(propertyGrid_);
  applyButton_ = new QPushButton(QString::fromUtf8("übernehmen"));
  applyButton_->setObjectName("Apply");
  column->addWidget(applyButton_, 0, Qt::AlignLeft);
  deleteButton_ = new QPushButton(QString::fromUtf8("Objekt löschen"));
  deleteButton_->setObjectName("DeleteObject");
  connect(deleteButton_, &QPushButton::clicked, this, Guarded([this] { objects_->Delete(); }));
  column->addWidget(deleteButton_, 0, Qt::AlignLeft);
  column->addStretch();
  return objectPanel_;
}

void TForm2::ShowSettings() {
  for (const TFieldBinding& binding : bindings_) binding.Edit->setText(ToQString(*binding.Field));
  printerBox_->setEditText(ToQString(document_.PrinterName));
  (document_.Landscape ? landscape_ : portrait_)->setChecked(true);
  snapGrid_->setEditText(ToQString(document_.SnapGrid));
}

void TForm2::PageChanged(int index) {
  // A typed label size takes effect on the surface when the settings page is left.
  if (pages_->widget(previousPage_) == settingsPage_) {
    ReturnToFullSize();
    SizeSurface();
  }
  previousPage_ = index;
}

void TForm2::obox_refresh() { grid_->obox_refresh(); }

void TForm2::obox_click() { grid_->obox_click(); }

void TForm2::obox_zuruck() { grid_->obox_zuruck(); }

void TForm2::ReturnToFullSize() { zoom_aus(); }

void TForm2::DocumentReplaced() {
  selection_->delpoints();
  ShowSettings();
  SizeSurface();
  obox_refresh();
}

void TForm2::closeEvent(QCloseEvent* event) {
  bool closing = false;
  Guarded([&] { closing = commands_.Close(); })();
  if (closing)
    event->accept();
  else
    event->ignore();
}

std::function<void()> TForm2::Guarded(std::function<void()> handler) {
  return [this, handler = std::move(handler)] {
    try {
      handler();
    } catch (const std::exception& error) {
      dialogs_.ShowMessage(error.what());
    }
  };
}

}  // namespace quorvel
