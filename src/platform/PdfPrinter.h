#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "platform/Canvas.h"
#include "platform/Printer.h"

namespace quorvel {

// A printer that writes a PDF file whose pages are exactly the printable
// area given, at a given resolution, without any dialog. Tests and batch
// printing use it; it counts the pages it wrote.
class TPdfPrinter : public IPrinter {
 public:
  // The printable area in millimetres, in portrait orientation.
  TPdfPrinter(std::string path, double printableWidthMm, double printableHeightMm, int pixelsPerInch);
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

  int PagesWritten() const { return pagesWritten_; }
  int DialogsShown() const { return dialogsShown_; }

 private:
  QPageLayout Layout() const;

  std::string path_;
  double widthMm_;
  double heightMm_;
  int pixelsPerInch_;
  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<TCanvas> canvas_;
  int pagesWritten_ = 0;
  int dialogsShown_ = 0;
};

}  // namespace quorvel
