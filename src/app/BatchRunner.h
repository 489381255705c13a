#pragma once

#include <functional>
#include <memory>
#include <ostream>

#include "app/BatchOptions.h"
#include "app/ProductionRun.h"
#include "print/LabelPrinting.h"

namespace quorvel {

class IDialogs;
class IPrinter;
class IPrintQueue;
class TLabelDocument;

// Runs one batch request: loads the label file, applies the overrides,
// prints (once, N copies or a series) to a PDF file or a system printer,
// renders the PNG and saves, through the same document, renderer and series
// code as the designer. Messages go to `errors` in UTF-8. Returns the exit
// status: 0 success, 1 bad input, a failed print or any other failure
// (memory too), 2 an output that would overwrite an input, 128 + the signal
// when a stop signal ended the run. Outputs are written safely and replace
// their files only when the whole run succeeded: otherwise every file at an
// output path stays as it was, and no temporary file is left.
class TBatchRunner {
 public:
  // How a named system printer is opened; tests may replace it.
  using TPrinterFactory = std::function<std::unique_ptr<IPrinter>()>;

  TBatchRunner(std::ostream& errors, bool showProgress);
  ~TBatchRunner();
  void SetSystemPrinterFactory(TPrinterFactory factory) { systemPrinter_ = std::move(factory); }
  // The print server that takes the jobs of --job-sheets; tests may replace it.
  void SetPrintQueue(std::unique_ptr<IPrintQueue> queue);
  // Asked between labels whether a stop signal came (its number, or 0).
  void SetStopSignal(std::function<int()> stopSignal) { stopSignal_ = std::move(stopSignal); }

  int Run(const TBatchOptions& options);

 private:
  class TStderrDialogs;

  // Runs and returns the status, or the message that ended the run.
  int RunGuarded(const TBatchOptions& options, std::string& failure);
  int RunOutputs(const TBatchOptions& options);
  // Prints the whole run (or its sheet range) through the printing given,
  // the findings of its check handed to the gate (none: not checked again).
  void Print(TLabelPrinting& printing, const TBatchOptions& options, const TFindingsGate& gate);
  // The findings on standard error, and whether the options let the job print.
  TFindingsGate Gate(const TBatchOptions& options);
  // --job-sheets: the run as jobs of the print server, each a PDF of its sheets.
  void RunJobs(TLabelDocument& document, const TBatchOptions& options, IDialogs& dialogs);
  void WaitForJobs();
  int WriteReport(const TBatchOptions& options, const std::string& failure, int status);
  void ThrowIfStopped() const;

  TPrinterFactory systemPrinter_;
  std::unique_ptr<IPrintQueue> queue_;
  std::vector<TPrintedJob> jobs_;
  std::function<int()> stopSignal_ = [] { return 0; };
  std::ostream& errors_;
  bool showProgress_;
};

}  // namespace quorvel
