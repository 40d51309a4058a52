#pragma once

#include "devicelink/hidreport.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Compares what an emulated keyboard received with what a test meant it to receive.
namespace EmuExpect {

// The reports without those whose command byte is in commands (for example the
// shake-hands, which arrive every second whatever a test does).
QList<HidReport> without(const QList<HidReport> &reports, const QSet<uint8_t> &commands);

// Each expected report is hex text of its leading bytes ("01 13 00 00 00 01 01"); the
// bytes not given are 0. Returns an empty text when the lists are equal, otherwise a
// description of the first difference with both reports in hex.
QString compare(const QList<HidReport> &actual, const QStringList &expected);

// A report as hex, cut after its last non-zero byte: "01 13 00 00 00 01 01 (57 zero bytes)".
QString shortHex(const HidReport &report);

}  // namespace EmuExpect
