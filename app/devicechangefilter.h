#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Decides which device arrivals and removals concern the application: a device
// whose path text holds the VID and PID texts of a supported model, and a keyboard
// that came up in its bootloader for a firmware update.
namespace DeviceChangeFilter {

// VID text and PID text of one supported device entry (hex digits).
using SupportId = QPair<QString, QString>;

// Index of the first entry whose VID and PID texts both occur in the path,
// compared case-insensitively as plain substrings; -1 when none does.
int firstSupportedMatch(const QList<SupportId> &supported, const QString &path);

// True when the path names a keyboard in its USB bootloader.
bool isBootloaderPath(const QString &path);

}  // namespace DeviceChangeFilter
