#include "app/StopSignals.h"

#include <csignal>
#include <initializer_list>

namespace quorvel {
namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void NoteStopSignal(int signal) { caught = signal; }

}  // namespace

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = NoteStopSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

int StopSignalCaught() { return caught; }

}  // namespace quorvel
