#pragma once

#include <QByteArray>
#include <ctime>

// Writes a crash dump when the process takes a fatal signal (SIGSEGV, SIGBUS, SIGFPE,
// SIGILL, SIGABRT) and then ends the process by that same signal.
//
// The handler runs on an alternate stack and only makes async-signal-safe calls:
// everything that needs an allocation (folder path, time-zone offset, the first
// backtrace) is prepared outside the handler. A dump holds the signal, the fault
// address, a backtrace and the memory map, as text in
// <dump folder>/<yyyy_MM_dd_hh_mm_ss>.dmp.
namespace CrashDump {

// Installs the handlers once; later calls do nothing. Safe before any Qt object exists.
void install();

// Folder the dumps go into (created at crash time when missing, with its parent).
// Until it is set, a crash writes no dump but still ends by its signal.
void setDumpFolder(const QByteArray &folder);

// The file name a dump taken at `when` (seconds since the epoch, local offset in
// seconds east of UTC) gets: "yyyy_MM_dd_hh_mm_ss.dmp". Fills at most `size`
// bytes including the NUL; returns the length written. Used by the handler, so it
// formats by hand.
int formatDumpName(time_t when, long utcOffset, char *out, int size);

}  // namespace CrashDump
