#pragma once

#include <string>
#include <vector>

namespace quorvel {

class TCanvas;

enum class TPrinterOrientation { poPortrait, poLandscape };

// The one current printer. Page sizes are those of the printable area in
// device pixels for the current orientation, and device pixel (0, 0) is the
// printable area's top-left corner, not the paper's.
class IPrinter {
 public:
  virtual ~IPrinter() = default;

  // The installed printers, in the system's order.
  virtual std::vector<std::string> PrinterNames() = 0;
  virtual int PrinterIndex() const = 0;
  // Makes the printer at that position current; throws EPrinterError when
  // there is none.
  virtual void SelectPrinter(int index) = 0;
  // The standard modal print dialog; what the user did there is not reported.
  virtual void ShowPrintDialog() = 0;

  virtual TPrinterOrientation Orientation() const = 0;
  // Applies to the next job (or the next page of a running one) and to the
  // page size read afterwards.
  virtual void SetOrientation(TPrinterOrientation orientation) = 0;
  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
  virtual int PixelsPerInch() = 0;

  // Whether a job has begun and not ended.
  virtual bool Printing() const = 0;
  // Starts a job with its first page open; throws EPrinterError when it cannot.
  virtual void BeginDoc() = 0;
  virtual void NewPage() = 0;
  // Finishes the last page and sends the job; nothing happens without a job.
  virtual void EndDoc() = 0;
  // The drawing surface of the open page, with the printer's resolution.
  virtual TCanvas& Canvas() = 0;
};

}  // namespace quorvel
