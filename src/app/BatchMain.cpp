#include <QGuiApplication>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <unistd.h>

#include "app/BatchOptions.h"
#include "app/BatchRunner.h"
#include "app/StopSignals.h"

namespace {

// Qt's own warnings are English and name its internals; the user reads ours.
// QUORVEL_QT_MESSAGES=1 shows them for debugging.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  static const bool shown = std::getenv("QUORVEL_QT_MESSAGES") != nullptr;
  if (shown) std::cerr << "Qt: " << message.toStdString() << '\n';
  if (type == QtFatalMsg) std::abort();
}

int Run(int argc, char* argv[]) {
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
  quorvel::CatchStopSignals();
  qInstallMessageHandler(QtMessages);
  // Fonts and printing need a GUI application, never a display.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  quorvel::TBatchRunner runner(std::cerr, isatty(STDERR_FILENO) != 0);
  runner.SetStopSignal(quorvel::StopSignalCaught);
  return runner.Run(options);
}

}  // namespace

// quorvel-batch: prints label files without a window, for scripts and shops.
int main(int argc, char* argv[]) {
  // The runner reports its own failures; this catches what happens around it.
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << "quorvel-batch: Nicht genug Arbeitsspeicher\n";
  } catch (const std::exception& e) {
    std::cerr << "quorvel-batch: Interner Fehler: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "quorvel-batch: Unbekannter interner Fehler\n";
  }
  return 1;
}
