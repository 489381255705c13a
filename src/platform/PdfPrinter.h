#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "platform/Canvas.h"
#include "platform/Printer.h"

namespace quorvel {

class TSafeFile;

// When the PDF written replaces the file at the path: as soon as the job
// ends, as a printer prints it, or only when Commit() says the whole run
// succeeded (a run that fails half-way leaves the old file).
enum class TPdfCommit { OnEndDoc, OnCommit };

// A printer that writes a PDF file whose pages are exactly the printable
// area given, at a given resolution, without any dialog. Tests and batch
// printing use it; it counts the pages it wrote. The file is written safely
// (TSafeFile): a job that fails or is never committed leaves what was at the
// path untouched.
class TPdfPrinter : public IPrinter {
 public:
  // The printable area in millimetres, in portrait orientation. The path is
  // native bytes.
  TPdfPrinter(std::string path, double printableWidthMm, double printableHeightMm, int pixelsPerInch,
              TPdfCommit commit = TPdfCommit::OnEndDoc);
  ~TPdfPrinter() override;

  std::vector<std::string> PrinterNames() override;
  int PrinterIndex() const override { return 0; }
  void SelectPrinter(int index) override;
  void ShowPrintDialog() override { ++dialogsShown_; }

  TPrinterOrientation Orientation() const override { return orientation_; }
  void SetOrientation(TPrinterOrientation orientation) override;
  int PageWidth() override;
  int PageHeight() override;
  int PixelsPerInch() override { return pixelsPerInch_; }

  bool Printing() const override { return painter_ != nullptr; }
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  TCanvas& Canvas() override;

  // Replaces the file at the path by the PDF of the last job (TPdfCommit::OnCommit).
  // Throws EUserError naming the file and the system's reason.
  void Commit();

  int PagesWritten() const { return pagesWritten_; }
  int DialogsShown() const { return dialogsShown_; }

 private:
  QPageLayout Layout() const;
  void FinishPages();

  std::string path_;
  double widthMm_;
  double heightMm_;
  int pixelsPerInch_;
  TPdfCommit commit_;
  std::unique_ptr<TSafeFile> file_;
  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<TCanvas> canvas_;
  int pagesWritten_ = 0;
  int dialogsShown_ = 0;
};

}  // namespace quorvel
