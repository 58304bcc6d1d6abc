#pragma once
// SIGTERM, SIGINT (Ctrl+C) and SIGHUP (the terminal closed) ask the game to end: the event
// pump then reports the run over as it does for a closed window, so the game leaves through
// its normal path (workers joined, the game saved, music closed, exit status 0). A second
// signal ends the process at once, so a shutdown that hangs can still be interrupted. These are
// the game's only handlers for them.

namespace platform
{
// Installs the handlers (once per process; later calls do nothing).
void CatchStopSignals();
// True once one of them has arrived.
bool StopSignalled();
}  // namespace platform
