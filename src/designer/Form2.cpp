#include "designer/Form2.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "designer/DesignPage.h"
#include "designer/DesignPanel.h"
#include "designer/ObjectPanel.h"
#include "designer/Palette.h"
#include "designer/PrintCommands.h"
#include "designer/PrinterPage.h"
#include "designer/PropertyGrid.h"
#include "designer/SeriesPage.h"
#include "designer/SettingsPage.h"
#include "designer/TopBar.h"
#include "platform/Clipboard.h"
#include "platform/Printer.h"
#include "platform/ProcessLauncher.h"
#include "platform/QtText.h"
#include "print/PrinterChoice.h"

namespace quorvel {
namespace {

TDesignerServices DesktopServices(IDialogs& dialogs, IPrinter& printer) {
  static TQtClipboard clipboard;
  static TQtProcessLauncher launcher;
  return {dialogs, printer, clipboard, launcher};
}

}  // namespace

TForm2::TForm2(IDialogs& dialogs, IPrinter& printer, QWidget* parent)
    : TForm2(DesktopServices(dialogs, printer), parent) {}

TForm2::TForm2(const TDesignerServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      guard_(services.Dialogs),
      changes_(document_, *this),
      commands_(document_, services.Dialogs, *this),
      selection_(document_, changes_, *this),
      objects_(document_, changes_, services.Dialogs, services.Clipboard, *this) {
  setWindowTitle("Quorvel Etikettenentwurf");
  // A face chosen in the toolbar's list leaves the keys to the surface again.
  topBar_ = std::make_unique<TTopBar>(*this, document_, changes_, guard_,
                                      [this] { designPage_->Surface().setFocus(Qt::OtherFocusReason); });
  auto* central = new QWidget;
  auto* columns = new QHBoxLayout(central);
  columns->addWidget(palette_ = new TPalette);
  columns->addWidget(BuildPages(), 1);
  columns->addWidget(objectPanel_ = new TObjectPanel(document_, changes_, services.Dialogs));
  setCentralWidget(central);
  statusBar()->setObjectName("StatusBar");

  document_.SetSurface(&designPage_->Surface());
  printer_ = std::make_unique<TPrinterChoice>(services.Printer, services.Dialogs, document_.Layout);
  guard_.Run([this] { OfferPrinters(); });
  IDocumentView& view = *this;
  printCommands_ = std::make_unique<TPrintCommands>(
      document_, changes_, view, *seriesPage_,
      TPrintCommands::TServices{*printer_, services.Dialogs, services.Clipboard, services.Launcher}, *this);
  ConnectCommands();
  ConnectPrintCommands();
  ConnectEditing();
  commands_.Start();
  SizeSurface();
  zoom_aus();
  LabelChanged();
  resize(1100, 760);
}

TForm2::~TForm2() { document_.SetSurface(nullptr); }

QWidget* TForm2::BuildPages() {
  pages_ = new QTabWidget;
  pages_->setObjectName("PageControl");
  pages_->addTab(designPage_ = new TDesignPage(services_.Dialogs, selection_), "Entwurf");
  pages_->addTab(settingsPage_ = new TSettingsPage(document_, changes_), "Einstellungen");
  pages_->addTab(printerPage_ = new TPrinterPage(document_, changes_), "Drucker");
  pages_->addTab(seriesPage_ = new TSeriesPage(document_, changes_), "Seriendruck");
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) { guard_.Run([&] { PageChanged(index); }); });
  return pages_;
}

template <typename Sender, typename Signal>
void TForm2::On(Sender* sender, Signal signal, std::function<void()> handler) {
  connect(sender, signal, this, guard_.Guarded(std::move(handler)));
}

void TForm2::ConnectCommands() {
  const TLabelMenu& menu = topBar_->Menu();
  On(menu.New, &QAction::triggered, [this] { commands_.New(); });
  // "speichern" runs the toolbar's Save, which users expect of it.
  On(menu.Save, &QAction::triggered, [this] { commands_.Save(); });
  On(menu.SaveAs, &QAction::triggered, [this] { commands_.SaveAs(); });
  On(menu.Open, &QAction::triggered, [this] { commands_.Open(); });
  connect(menu.End, &QAction::triggered, this, [this] { close(); });
  const TToolbarActions& toolbar = topBar_->Actions();
  On(toolbar.Open, &QAction::triggered, [this] { commands_.Open(); });
  On(toolbar.Save, &QAction::triggered, [this] { commands_.Save(); });
  On(toolbar.Delete, &QAction::triggered, [this] { objects_.Delete(); });
  On(toolbar.Copy, &QAction::triggered, [this] { objects_.Copy(); });
  On(toolbar.Paste, &QAction::triggered, [this] { objects_.Paste(); });
  const TEditMenu& edit = topBar_->EditMenu();
  On(edit.Undo, &QAction::triggered, [this] { WalkHistory(&TDocumentChanges::Undo); });
  On(edit.Redo, &QAction::triggered, [this] { WalkHistory(&TDocumentChanges::Redo); });
  On(edit.Cut, &QAction::triggered, [this] { objects_.Cut(); });
  On(edit.Copy, &QAction::triggered, [this] { objects_.Copy(); });
  On(edit.Paste, &QAction::triggered, [this] { objects_.Paste(); });
  On(&topBar_->ZoomInButton(), &QPushButton::clicked, [this] {
    selection_.delpoints();
    zoom(2);
  });
  On(&topBar_->ZoomOutButton(), &QPushButton::clicked, [this] { zoom(0.5); });
  On(&topBar_->ZoomResetButton(), &QPushButton::clicked, [this] { zoom_aus(); });
  On(&topBar_->ObjectListButton(), &QPushButton::clicked,
     [this] { objectPanel_->setVisible(!objectPanel_->isVisible()); });

  for (TObjectKind kind : kAllObjectKinds)
    On(&palette_->CreateButton(kind), &QPushButton::clicked, [this, kind] { objects_.Create(kind); });
  On(&palette_->DeleteLastButton(), &QPushButton::clicked, [this] { objects_.DeleteLast(); });
  On(&palette_->DeleteAllButton(), &QPushButton::clicked, [this] { objects_.DeleteAll(); });
  On(&palette_->RefreshButton(), &QPushButton::clicked, [this] { objects_.Refresh(); });

  const TSurfaceMenu& surfaceMenu = designPage_->Menu();
  On(surfaceMenu.BringToFront, &QAction::triggered, [this] { objects_.BringToFront(); });
  On(surfaceMenu.SendToBack, &QAction::triggered, [this] { objects_.SendToBack(); });
  On(surfaceMenu.Copy, &QAction::triggered, [this] { objects_.Copy(); });
  On(surfaceMenu.Paste, &QAction::triggered, [this] { objects_.Paste(); });
  On(surfaceMenu.ToClipboard, &QAction::triggered, [this] { objects_.CopyToClipboard(); });
  On(surfaceMenu.Delete, &QAction::triggered, [this] { objects_.Delete(); });
  On(&objectPanel_->DeleteButton(), &QPushButton::clicked, [this] { objects_.Delete(); });
  On(&printerPage_->SavePrinterButton(), &QPushButton::clicked, [this] { commands_.SavePrinter(); });
}

// The label's printer is the system's default one, else the first one
// installed, and "PDF-Datei" without any, until "drucker.ini", read
// afterwards, or a label names another.
void TForm2::OfferPrinters() {
  std::vector<std::string> names = printer_->PrinterNames();
  int chosen = printer_->PrinterIndex();
  if (!names.empty()) document_.PrinterName = names[chosen >= 0 && chosen < static_cast<int>(names.size()) ? chosen : 0];
  printerPage_->SetPrinterNames(names);
}

void TForm2::ConnectPrintCommands() {
  TPrintCommands& print = *printCommands_;
  On(topBar_->Actions().Print, &QAction::triggered, [&print] { print.PrintLabel(); });
  On(&topBar_->PrintButton(), &QPushButton::clicked, [&print] { print.PrintLabel(); });
  On(&topBar_->PreviewButton(), &QPushButton::clicked, [&print] { print.ShowPreview(); });
  On(&seriesPage_->PrintCopiesButton(), &QPushButton::clicked, [&print] { print.PrintCopies(); });
  On(&seriesPage_->PrintSeriesButton(), &QPushButton::clicked, [&print] { print.PrintSeries(); });
  On(&seriesPage_->ChooseFileButton(), &QPushButton::clicked, [&print] { print.ChooseSeriesFile(); });
  On(&seriesPage_->ShowFileButton(), &QPushButton::clicked, [&print] { print.ShowSeriesFile(); });
  On(&settingsPage_->CalibrationButton(), &QPushButton::clicked, [&print] { print.PrintCalibrationSheet(); });
  connect(&settingsPage_->PresetList(), &QComboBox::textActivated, this, [this, &print](const QString& entry) {
    guard_.Run([&] { print.ApplyPreset(FromQString(entry)); });
  });
}

void TForm2::OpenLabel(const std::string& path) {
  guard_.Run([&] { commands_.OpenFile(path); });
}

void TForm2::ShowSettings() {
  settingsPage_->Show();
  printerPage_->Show();
  seriesPage_->Show();
}

void TForm2::PageChanged(int index) {
  // A typed label size takes effect on the surface when the settings page is left.
  if (pages_->widget(previousPage_) == settingsPage_) {
    ReturnToFullSize();
    SizeSurface();
  }
  previousPage_ = index;
}

void TForm2::ReturnToFullSize() { zoom_aus(); }

// The label's size follows an undone or redone step at once, except while
// the user is typing it on the settings page.
void TForm2::WalkHistory(void (TDocumentChanges::*step)()) {
  (changes_.*step)();
  if (pages_->currentWidget() != settingsPage_) SizeSurface();
}

void TForm2::DocumentReplaced() {
  changes_.Forget();
  document_.SelectFirstListed();
  SizeSurface();
  LabelChanged();
}

void TForm2::SettingsChanged() { ShowSettings(); }

void TForm2::closeEvent(QCloseEvent* event) {
  bool closing = false;
  guard_.Run([&] { closing = commands_.Close(); });
  if (closing)
    event->accept();
  else
    event->ignore();
}

}  // namespace quorvel
