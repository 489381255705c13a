#pragma once

#include <memory>
#include <string>

#include "platform/Printer.h"

namespace quorvel {

class IDialogs;
class TPdfPrinter;
struct TSheetLayout;

// The printers the designer offers: the system's, then "PDF-Datei". That
// entry asks for a file name in place of the print dialog, once per job,
// and writes the job there at 600 dpi on pages of the printable size, by
// the same printing path as any printer. Without a system printer it is
// the one chosen from the start.
class TPrinterChoice : public IPrinter {
 public:
  static constexpr char kPdfFile[] = "PDF-Datei";
  static constexpr int kPdfResolution = 600;

  // The printable size is read from the layout when a PDF job needs it.
  TPrinterChoice(IPrinter& system, IDialogs& dialogs, const TSheetLayout& layout);
  ~TPrinterChoice() override;

  bool PdfChosen() const { return pdfChosen_; }

  std::vector<std::string> PrinterNames() override;
  int PrinterIndex() const override;
  void SelectPrinter(int index) override;
  // For "PDF-Datei" the file dialog; cancelling it throws EAbort.
  void ShowPrintDialog() override;

  TPrinterOrientation Orientation() const override;
  void SetOrientation(TPrinterOrientation orientation) override;
  int PageWidth() override;
  int PageHeight() override;
  int PixelsPerInch() override;

  bool Printing() const override;
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  TCanvas& Canvas() override;

 private:
  // The printer of the current choice; the PDF writer is made for the file
  // asked for, on the printable size as the job reads it.
  IPrinter& Current();
  TPdfPrinter& Pdf();
  void AskPdfFile();

  IPrinter& system_;
  IDialogs& dialogs_;
  const TSheetLayout& layout_;
  bool pdfChosen_ = false;
  std::string pdfPath_;
  std::unique_ptr<TPdfPrinter> pdf_;
  TPrinterOrientation pdfOrientation_ = TPrinterOrientation::poPortrait;
};

}  // namespace quorvel
