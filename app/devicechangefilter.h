#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Decides which device arrivals and removals concern the application: those whose
// path text holds the VID and PID texts of a supported model (or of the firmware
// bootloader).
namespace DeviceChangeFilter {

// VID text and PID text of one USB identity (hex digits).
using SupportId = QPair<QString, QString>;

// Index of the first entry whose VID and PID texts both occur in the path,
// compared case-insensitively as plain substrings; -1 when none does. An entry
// with an empty text matches nothing.
int firstMatch(const QList<SupportId> &ids, const QString &path);

}  // namespace DeviceChangeFilter
