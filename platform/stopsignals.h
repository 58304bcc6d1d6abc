#pragma once
// SIGTERM and SIGINT (Ctrl+C) ask the game to end: the event pump then reports the run over as
// it does for a closed window, so the game leaves through its normal path (workers joined,
// music closed, exit status 0). A second signal ends the process at once, so a shutdown that
// hangs can still be interrupted.

namespace platform
{
// Installs the handlers (once per process; later calls do nothing).
void CatchStopSignals();
// True once SIGTERM or SIGINT has arrived.
bool StopSignalled();
}  // namespace platform
