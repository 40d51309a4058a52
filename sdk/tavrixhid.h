#pragma once

// The device library's HID layer: supported models, enumeration of the
// devices present, the report transport and the pacing timer.
//
// Device paths hold the VID and PID, so that "the path contains the VID and
// the PID" tests work (compared case-insensitively):
//  - a real keyboard: the sysfs path of its hidraw node, whose HID folder is
//    named "0003:VVVV:PPPP.NNNN";
//  - an emulated keyboard (TAVRIX_EMU_DIR): the absolute path of its socket,
//    ".../vid_vvvv&pid_pppp[&TAG].sock".
// Only the keyboard's configuration interface (vendor-defined usage page) is
// listed, and only VID/PIDs that the device catalogue names.

#include "sdk/tavrixrecords.h"

#include <map>
#include <string>
#include <vector>

// Size of every report in either direction; byte 0 is the report id.
constexpr int kTavrixHidReportSize = 64;

// Supported models and devices (GUI thread). Each call replaces the contents
// of the container it is given and returns the number of entries.

// One entry per USB interface of a supported model (its cable and, when it has
// one, its receiver), with VID and PID as 4 upper-case hex digits.
int CTavrixHid_GetSupportInfoList(std::vector<SupportInfoStu> &list);
// The path of every connected supported device: real devices, then emulated
// ones, each group in path order.
int CTavrixHid_GetHidInfoList(std::vector<std::string> &paths);
// One model record per supported model, keyed by model name.
int CTavrixHid_GetHidInfoStuMapList(std::map<std::string, HidInfoStu> &models);
// Fills both records for the device at path (a path from
// CTavrixHid_GetHidInfoList, Latin-1). False, with the records zeroed, when no
// supported device is there.
bool CTavrixHid_GetHidAndFirmwareInfoStu(const char *path, HidDeviceInfoStu *device, FirmwareInfoStu *firmware);

// Transport. Open, close and the mode on the GUI thread; writes and reads on
// the device's I/O thread.

// Opens the device at path; returns its handle (a small positive integer), 0
// when it cannot be opened.
int CTavrixHid_OpenPath(const char *path);
// True when the last CTavrixHid_OpenPath of the calling thread failed for lack of
// permission: the device is there, but the user may not open its node (the udev
// rule has not reached it yet).
bool CTavrixHid_LastOpenDenied();
// nonblock 1: reads return at once. Returns 0, or -1 for an unknown handle.
int CTavrixHid_SetNonblocking(int handle, int nonblock);
// Writes one 64-byte report. path is the device's path; the handle alone names
// the device, so it is not read. Returns 64, or -1 when the report was not written (closed or
// unknown handle, device gone, no room within a second).
int CTavrixHid_HidWriteBuff(int handle, const unsigned char *report, const char *path);
// Reads one input report into a buffer of 64 bytes. Returns its length; 0 when
// none is pending in non-blocking mode; -1 when the device is gone or the
// handle unknown. Messages of another length than 64 are dropped.
int CTavrixHid_HidReadBuff(int handle, unsigned char *buffer);
// Sleeps until an input report may be read from the device, wakeFd (an eventfd or pipe
// end) becomes readable, or timeoutMs passes. 1: input may be waiting; 0: woken, timed
// out, or the device is gone; -1: unknown handle, or a device that cannot tell (then
// only reading finds its input).
int CTavrixHid_WaitForInput(int handle, int wakeFd, int timeoutMs);
// Closes the handle; later writes and reads with it return -1. Returns 0, or
// -1 for an unknown handle.
int CTavrixHid_Close(int handle);

// Pacing timer on the monotonic clock; the unit of a wait is 5 us (see
// PacingTimers). Init fills the record; the record then goes by value. The
// I/O thread itself decides when a quiet line may wait longer.
void CTavrixHid_highPrecisionTimerInit(HighPrecisionTimerStu *timer);
void CTavrixHid_highPrecisionTimerStart(HighPrecisionTimerStu timer);
// Returns units x 5 us after this timer's previous wait returned.
void CTavrixHid_highPrecisionTimerRunning(int units, HighPrecisionTimerStu timer);
void CTavrixHid_highPrecisionTimerStop(HighPrecisionTimerStu timer);
