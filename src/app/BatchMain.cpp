#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

#include "app/BatchOptions.h"
#include "app/BatchRunner.h"

// quorvel-batch: prints label files without a window, for scripts and shops.
int main(int argc, char* argv[]) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  quorvel::TBatchOptions options;
  try {
    options = quorvel::ParseBatchArguments(arguments);
  } catch (const quorvel::EUsageError& e) {
    std::cerr << "quorvel-batch: " << e.what() << "\n\n" << quorvel::BatchUsage();
    return 2;
  }
  if (options.Help) {
    std::cout << quorvel::BatchUsage();
    return 0;
  }
  // Fonts and printing need a GUI application, never a display.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  quorvel::TBatchRunner runner(std::cerr, isatty(STDERR_FILENO) != 0);
  return runner.Run(options);
}
