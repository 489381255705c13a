#include "app/QtPrinter.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/Errors.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

const char* kNoPrinter = "Es ist kein Drucker installiert";

}  // namespace

TQtPrinter::TQtPrinter(QWidget* dialogParent, bool interactive)
    : dialogParent_(dialogParent), interactive_(interactive), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  QStringList names = QPrinterInfo::availablePrinterNames();
  QString current = QPrinterInfo::defaultPrinterName();
  if (!names.isEmpty()) SelectPrinter(std::max<int>(0, static_cast<int>(names.indexOf(current))));
}

TQtPrinter::~TQtPrinter() { EndDoc(); }

std::vector<std::string> TQtPrinter::PrinterNames() {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(FromQString(name));
  return names;
}

void TQtPrinter::SelectPrinter(int index) {
  QStringList names = QPrinterInfo::availablePrinterNames();
  if (index < 0 || index >= names.size())
    throw EPrinterError(names.isEmpty() ? std::string(kNoPrinter) : std::string("Ungültiger Drucker ausgewählt"));
  printer_->setOutputFormat(QPrinter::NativeFormat);
  printer_->setPrinterName(names[index]);
  index_ = index;
}

// Without a print server QPrinter silently stays a PDF writer with no file;
// that must read as "no printer", not as a job that fails later.
void TQtPrinter::RequirePrinter() const {
  if (index_ < 0 || printer_->outputFormat() != QPrinter::NativeFormat || !printer_->isValid())
    throw EPrinterError(kNoPrinter);
}

void TQtPrinter::ShowPrintDialog() {
  RequirePrinter();
  if (!interactive_) return;
  QPrintDialog dialog(printer_.get(), dialogParent_);
  dialog.exec();
}

TPrinterOrientation TQtPrinter::Orientation() const {
  return printer_->pageLayout().orientation() == QPageLayout::Landscape ? TPrinterOrientation::poLandscape
                                                                        : TPrinterOrientation::poPortrait;
}

void TQtPrinter::SetOrientation(TPrinterOrientation orientation) {
  printer_->setPageOrientation(orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                                                : QPageLayout::Portrait);
}

int TQtPrinter::PageWidth() {
  RequirePrinter();
  return printer_->pageLayout().paintRectPixels(printer_->resolution()).width();
}

int TQtPrinter::PageHeight() {
  RequirePrinter();
  return printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
}

int TQtPrinter::PixelsPerInch() { return printer_->resolution(); }

void TQtPrinter::BeginDoc() {
  RequirePrinter();
  if (Printing()) throw EPrinterError(std::string("Der Druckauftrag läuft bereits"));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    throw EPrinterError(std::string("Der Druckauftrag kann nicht beginnen"));
  }
  canvas_ = std::make_unique<TCanvas>(*painter_, printer_->resolution(), true);
}

void TQtPrinter::NewPage() {
  if (Printing()) printer_->newPage();
}

void TQtPrinter::EndDoc() {
  if (!Printing()) return;
  canvas_.reset();
  painter_->end();
  painter_.reset();
}

TCanvas& TQtPrinter::Canvas() {
  if (!canvas_) throw EPrinterError(std::string("Es läuft kein Druckauftrag"));
  return *canvas_;
}

}  // namespace quorvel
