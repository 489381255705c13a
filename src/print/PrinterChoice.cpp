#include "print/PrinterChoice.h"

#include "document/SheetLayout.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/PdfPrinter.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

// The printable size as the printer set-up left the fields: it has already
// reported and replaced a size that is not a whole number.
int PrintableMm(const std::string& field, int fallback) {
  try {
    return StrToInt(field);
  } catch (const EConvertError&) {
    return fallback;
  }
}

}  // namespace

TPrinterChoice::TPrinterChoice(IPrinter& system, IDialogs& dialogs, const TSheetLayout& layout)
    : system_(system), dialogs_(dialogs), layout_(layout), pdfChosen_(system.PrinterNames().empty()) {}

TPrinterChoice::~TPrinterChoice() = default;

std::vector<std::string> TPrinterChoice::PrinterNames() {
  std::vector<std::string> names = system_.PrinterNames();
  names.push_back(kPdfFile);
  return names;
}

int TPrinterChoice::PrinterIndex() const {
  return pdfChosen_ ? static_cast<int>(system_.PrinterNames().size()) : system_.PrinterIndex();
}

void TPrinterChoice::SelectPrinter(int index) {
  int systemCount = static_cast<int>(system_.PrinterNames().size());
  if (index == systemCount) {
    pdfChosen_ = true;
    return;
  }
  system_.SelectPrinter(index);
  pdfChosen_ = false;
}

void TPrinterChoice::AskPdfFile() {
  TFileDialogOptions options;
  options.Filter = "PDF-Datei (*.pdf)|*.pdf";
  options.DefaultExtension = "pdf";
  options.FileName = pdfPath_;
  std::optional<std::string> path = dialogs_.SaveFileName(options);
  if (!path) throw EAbort("Druck abgebrochen");
  // A new job: a writer still open from an earlier one finishes its file.
  pdf_.reset();
  pdfPath_ = *path;
}

void TPrinterChoice::ShowPrintDialog() {
  if (pdfChosen_)
    AskPdfFile();
  else
    system_.ShowPrintDialog();
}

IPrinter& TPrinterChoice::Current() { return pdfChosen_ ? static_cast<IPrinter&>(Pdf()) : system_; }

TPdfPrinter& TPrinterChoice::Pdf() {
  if (pdfPath_.empty()) AskPdfFile();
  if (!pdf_) {
    pdf_ = std::make_unique<TPdfPrinter>(pdfPath_, PrintableMm(layout_.SheetWidth, 195),
                                         PrintableMm(layout_.SheetHeight, 288), kPdfResolution);
    pdf_->SetOrientation(pdfOrientation_);
  }
  return *pdf_;
}

TPrinterOrientation TPrinterChoice::Orientation() const {
  return pdfChosen_ ? pdfOrientation_ : system_.Orientation();
}

void TPrinterChoice::SetOrientation(TPrinterOrientation orientation) {
  if (!pdfChosen_) return system_.SetOrientation(orientation);
  pdfOrientation_ = orientation;
  if (pdf_) pdf_->SetOrientation(orientation);
}

int TPrinterChoice::PageWidth() { return Current().PageWidth(); }
int TPrinterChoice::PageHeight() { return Current().PageHeight(); }
int TPrinterChoice::PixelsPerInch() { return pdfChosen_ ? kPdfResolution : system_.PixelsPerInch(); }

bool TPrinterChoice::Printing() const { return pdfChosen_ ? pdf_ && pdf_->Printing() : system_.Printing(); }
void TPrinterChoice::BeginDoc() { Current().BeginDoc(); }

void TPrinterChoice::NewPage() {
  if (Printing()) Current().NewPage();
}

void TPrinterChoice::EndDoc() {
  if (Printing()) Current().EndDoc();
}

TCanvas& TPrinterChoice::Canvas() { return Current().Canvas(); }

}  // namespace quorvel
