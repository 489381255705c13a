#include "platform/PdfPrinter.h"

#include <QPageLayout>
#include <QPageSize>

#include "platform/Errors.h"
#include "platform/Rounding.h"
#include "platform/SafeFile.h"
#include "platform/TextCodec.h"

namespace quorvel {

TPdfPrinter::TPdfPrinter(std::string path, double printableWidthMm, double printableHeightMm, int pixelsPerInch,
                         TPdfCommit commit)
    : path_(std::move(path)),
      widthMm_(printableWidthMm),
      heightMm_(printableHeightMm),
      pixelsPerInch_(pixelsPerInch),
      commit_(commit) {}

// A job never ended is no finished file: the old one stays. Qt's PDF
// engine may throw while it finishes (out of memory); its objects are then
// left as they are rather than end the program from a destructor.
TPdfPrinter::~TPdfPrinter() {
  try {
    FinishPages();
  } catch (...) {
    static_cast<void>(painter_.release());
    static_cast<void>(writer_.release());
  }
}

std::vector<std::string> TPdfPrinter::PrinterNames() { return {"PDF"}; }

void TPdfPrinter::SelectPrinter(int index) {
  if (index != 0) throw EPrinterError(std::string("Ungültiger Drucker ausgewählt"));
}

QPageLayout TPdfPrinter::Layout() const {
  // The page is the printable area: one page size for both orientations,
  // turned for landscape, with no margins.
  QPageSize size(QSizeF(widthMm_, heightMm_), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
  auto orientation = orientation_ == TPrinterOrientation::poPortrait ? QPageLayout::Portrait : QPageLayout::Landscape;
  return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void TPdfPrinter::SetOrientation(TPrinterOrientation orientation) {
  orientation_ = orientation;
  if (writer_) writer_->setPageLayout(Layout());
}

int TPdfPrinter::PageWidth() {
  double mm = orientation_ == TPrinterOrientation::poPortrait ? widthMm_ : heightMm_;
  return RoundHalfEven(mm / 25.4 * pixelsPerInch_);
}

int TPdfPrinter::PageHeight() {
  double mm = orientation_ == TPrinterOrientation::poPortrait ? heightMm_ : widthMm_;
  return RoundHalfEven(mm / 25.4 * pixelsPerInch_);
}

void TPdfPrinter::BeginDoc() {
  if (Printing()) throw EPrinterError(std::string("Der Druckauftrag läuft bereits"));
  try {
    file_ = std::make_unique<TSafeFile>(path_);
  } catch (const EUserError& e) {
    throw EPrinterError(e.what());
  }
  writer_ = std::make_unique<QPdfWriter>(&file_->Device());
  writer_->setResolution(pixelsPerInch_);
  writer_->setPageLayout(Layout());
  writer_->setCreator("Quorvel");
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(writer_.get())) {
    painter_.reset();
    writer_.reset();
    file_.reset();
    throw EPrinterError("Die Datei " + DisplayPath(path_) + " kann nicht geschrieben werden");
  }
  canvas_ = std::make_unique<TCanvas>(*painter_, pixelsPerInch_, true);
  pagesWritten_ = 1;
}

void TPdfPrinter::NewPage() {
  if (!Printing()) return;
  writer_->newPage();
  ++pagesWritten_;
}

void TPdfPrinter::FinishPages() {
  if (!Printing()) return;
  canvas_.reset();
  painter_->end();
  painter_.reset();
  writer_.reset();
}

void TPdfPrinter::EndDoc() {
  if (!Printing()) return;
  FinishPages();
  if (commit_ == TPdfCommit::OnEndDoc) Commit();
}

void TPdfPrinter::Commit() {
  FinishPages();
  if (!file_) throw EPrinterError(std::string("Es gibt keinen beendeten Druckauftrag"));
  std::unique_ptr<TSafeFile> file = std::move(file_);
  file->Commit();
}

TCanvas& TPdfPrinter::Canvas() {
  if (!canvas_) throw EPrinterError(std::string("Es läuft kein Druckauftrag"));
  return *canvas_;
}

}  // namespace quorvel
