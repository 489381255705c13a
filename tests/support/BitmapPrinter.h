#pragma once

#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Printer.h"

namespace quorvel::test {

// A printer whose pages are images of a fixed printable size, for looking
// at what a print action placed where. Its canvas reports itself as a
// printer's, as a real page would.
class TBitmapPrinter : public IPrinter {
 public:
  TBitmapPrinter(int pageWidth, int pageHeight, int pixelsPerInch = 96)
      : width_(pageWidth), height_(pageHeight), pixelsPerInch_(pixelsPerInch) {}

  std::vector<std::string> Names = {"Laser", "Etiketten", "Laser"};
  int Selected = -1;
  int DialogsShown = 0;
  int JobsBegun = 0;
  std::vector<QImage> Pages;  // every page of every job, in order

  std::vector<std::string> PrinterNames() override { return Names; }
  int PrinterIndex() const override { return Selected; }
  void SelectPrinter(int index) override { Selected = index; }
  void ShowPrintDialog() override { ++DialogsShown; }
  TPrinterOrientation Orientation() const override { return orientation_; }
  void SetOrientation(TPrinterOrientation o) override { orientation_ = o; }
  int PageWidth() override { return Landscape() ? height_ : width_; }
  int PageHeight() override { return Landscape() ? width_ : height_; }
  int PixelsPerInch() override { return pixelsPerInch_; }
  bool Printing() const override { return canvas_ != nullptr; }
  void BeginDoc() override {
    ++JobsBegun;
    OpenPage();
  }
  void NewPage() override {
    ClosePage();
    OpenPage();
  }
  void EndDoc() override {
    if (Printing()) ClosePage();
  }
  TCanvas& Canvas() override { return *canvas_; }

 private:
  bool Landscape() const { return orientation_ == TPrinterOrientation::poLandscape; }
  void OpenPage() {
    Pages.emplace_back(PageWidth(), PageHeight(), QImage::Format_RGB32);
    Pages.back().fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&Pages.back());
    canvas_ = std::make_unique<TCanvas>(*painter_, pixelsPerInch_, true);
  }
  void ClosePage() {
    canvas_.reset();
    painter_.reset();
  }

  int width_, height_, pixelsPerInch_;
  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace quorvel::test
