#pragma once

#include <QString>

// A keyboard's serial number and its model name name the folder of its profiles, so
// nothing that changes the path may reach it: no separators, no "." or "..", no control
// characters.
namespace DeviceFolderName {

constexpr int SerialLength = 32;
constexpr int ModelNameMax = 64;

// Exactly 32 printable characters, none of them a slash or a backslash (32 characters are
// never "." or "..").
bool isValidSerial(const QString &serial);
// The serial number of a keyboard that will not keep a written one: 32 lowercase hex
// digits of the SHA-256 digest of the model name (UTF-8), one 0 byte and the serial
// text the keyboard reports (Latin-1, up to its first 0 byte). Such a keyboard reports
// the same text at every start, so its profiles keep their folder.
QString serialFromReport(const QString &modelName, const QString &reported);
// The model name with every character outside [0-9A-Za-z] left out, at most 64 long;
// empty when nothing is left (then no folder may be made for it).
QString safeModelName(const QString &modelName);

}  // namespace DeviceFolderName
