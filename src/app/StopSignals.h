#pragma once

namespace quorvel {

// SIGINT, SIGTERM and SIGHUP only note that the run should stop; the run
// looks between labels and stops cleanly. Installed once by the program.
void CatchStopSignals();

// The stop signal caught, or 0.
int StopSignalCaught();

}  // namespace quorvel
