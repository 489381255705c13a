#pragma once

#include <memory>

#include "platform/Canvas.h"
#include "platform/Printer.h"

class QPrinter;
class QWidget;

namespace quorvel {

// The system's printers (CUPS) through QPrinter and QPrintDialog. Without
// interaction (batch printing) the print dialog is never shown.
class TQtPrinter : public IPrinter {
 public:
  explicit TQtPrinter(QWidget* dialogParent = nullptr, bool interactive = true);
  ~TQtPrinter() override;

  std::vector<std::string> PrinterNames() override;
  int PrinterIndex() const override { return index_; }
  void SelectPrinter(int index) override;
  void ShowPrintDialog() override;

  TPrinterOrientation Orientation() const override;
  void SetOrientation(TPrinterOrientation orientation) override;
  int PageWidth() override;
  int PageHeight() override;
  int PixelsPerInch() override;

  bool Printing() const override { return painter_ != nullptr; }
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  TCanvas& Canvas() override;

 private:
  void RequirePrinter() const;

  QWidget* dialogParent_;
  bool interactive_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<TCanvas> canvas_;
  int index_ = -1;
};

}  // namespace quorvel
