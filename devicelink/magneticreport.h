#pragma once

#include "devicelink/hidreport.h"
#include "magnetic/triggerselmode.h"

#include <QByteArray>
#include <QList>
#include <QPair>

class MainHidInterFace;

// The magnetic-switch command (HidCmd::Magnetic): [5] = 0x18 for every sub-code, the
// sub-code at [6], its data from [7]. Keys are addressed by their place in the 6 x 22 key
// matrix, (row, column).
namespace MagneticReport {

using KeyCell = QPair<int, int>;  // row, column

constexpr int Rows = 6;
constexpr int Columns = 22;
constexpr uint8_t Length = 0x18;
constexpr int BitmapOffset = 7;

// 22 bytes: byte c for column c, bit r of it for row r. Cells outside the matrix set no bit.
QByteArray keyBitmap(const QList<KeyCell> &keys);
bool isEmptyBitmap(const QByteArray &bitmap);

// The command with this sub-code and data from byte 7 (cut to the report).
HidReport command(MagneticSub sub, const QByteArray &data = QByteArray());

// Apply trigger settings to the keys of the bitmap; the trigger mode is the sub-code and
// each value is cut to one byte.
HidReport apply(const MagnetKeyTriggerConfig &config, const QByteArray &bitmap);
// The keys now selected on the keyboard picture.
HidReport selectKeys(const QByteArray &bitmap);
// The trigger tab was left.
HidReport leaveTriggerTab();
HidReport queryTravelLevel();
// One key's trigger settings.
HidReport queryKey(int row, int column);
HidReport resetTrigger();
HidReport calibrate(int row, int column);
// Report rate in kHz (1, 2, 4 or 8) and debounce level (0..7): set, or ask with set false.
HidReport reportRate(bool set, int kHz = 0);
HidReport debounce(bool set, int level = 0);

// Queues the report on the device's command queue; false, after the debug line, when the
// device is not open (or there is none).
bool send(MainHidInterFace *hid, const HidReport &report);

// The notice after a command: "Operate successful" when it was queued, a failure otherwise.
QString resultNotice(bool queued);

}  // namespace MagneticReport
