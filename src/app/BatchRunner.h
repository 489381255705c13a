#pragma once

#include <functional>
#include <memory>
#include <ostream>

#include "app/BatchOptions.h"

namespace quorvel {

class IPrinter;

// Runs one batch request: loads the label file, applies the overrides,
// prints (once, N copies or a series) to a PDF file or a system printer,
// renders the PNG and saves, through the same document, renderer and series
// code as the designer. Messages go to `errors` in UTF-8. Returns the exit
// status: 0 success, 1 bad input or a failed print; on 1 no output file is
// left behind.
class TBatchRunner {
 public:
  // How a named system printer is opened; tests may replace it.
  using TPrinterFactory = std::function<std::unique_ptr<IPrinter>()>;

  TBatchRunner(std::ostream& errors, bool showProgress);
  void SetSystemPrinterFactory(TPrinterFactory factory) { systemPrinter_ = std::move(factory); }

  int Run(const TBatchOptions& options);

 private:
  class TStderrDialogs;

  TPrinterFactory systemPrinter_;
  std::ostream& errors_;
  bool showProgress_;
};

}  // namespace quorvel
