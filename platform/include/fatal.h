#pragma once
// Fatal errors: one line on standard error, exit status 1, no core dump.

namespace platform
{
// The last file problem seen on this thread ("img/x.dds: file not found"), or "".
const char* LastError();
void SetLastError(const char* aFormat, ...);
void ClearLastError();

// Prints "Marrowen: <message>" (and the last file problem, if any) and ends the process.
[[noreturn]] void Fatal(const char* aMessage);
}  // namespace platform
