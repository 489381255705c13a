// From the start window's login to the designer window on the screen: the
// program's windows are built as at start, the login confirmed and the
// designer opened from the menu; the time runs until the designer's window
// is exposed. Run with QT_QPA_PLATFORM=offscreen on a machine without a
// display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <memory>

#include "app/Program.h"
#include "designer/Form2.h"
#include "platform/ProcessLauncher.h"
#include "app/QtPrinter.h"
#include "platform/ScriptedDialogs.h"

namespace quorvel {
namespace {

bool Shown(QWidget* window) {
  return window->isVisible() && window->windowHandle() != nullptr && window->windowHandle()->isExposed();
}

// Waits for the window system, at most ten seconds.
void ProcessEventsUntil(const std::function<bool()>& done) {
  QElapsedTimer limit;
  limit.start();
  while (!done() && limit.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The program's windows as at start, with the start window on the screen.
struct TStartedProgram {
  TQtProcessLauncher launcher;
  TScriptedDialogs dialogs;
  TQtPrinter printer;
  TProgram program{launcher, [this] { return std::make_unique<TForm2>(dialogs, printer); }, {}};

  TStartedProgram() {
    program.StartWindow().show();
    ProcessEventsUntil([&] { return Shown(&program.StartWindow()); });
  }
};

// Manual time: only the stretch from the login to the shown designer counts.
void BM_LoginToDesignerWindow(benchmark::State& state) {
  for (auto _ : state) {
    TStartedProgram started;
    TProgram& program = started.program;
    QElapsedTimer clock;
    clock.start();
    program.StartWindow().LoginOkClick();
    program.StartWindow().Entwurf1Click();
    ProcessEventsUntil([&] { return Shown(program.DesignerWindow()); });
    qint64 nanoseconds = clock.nsecsElapsed();
    if (!Shown(program.DesignerWindow())) {
      state.SkipWithError("the designer window did not appear");
      return;
    }
    state.SetIterationTime(static_cast<double>(nanoseconds) * 1e-9);
  }
}

// The windows' construction up to the shown start window, for reference.
void BM_StartWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    TStartedProgram started;
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
  }
}

BENCHMARK(BM_LoginToDesignerWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace quorvel

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
