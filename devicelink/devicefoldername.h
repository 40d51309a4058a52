#pragma once

#include <QString>

// A keyboard's serial number and its model name name the folder of its profiles, so only
// letters and digits may reach a path: no separators, no "..", nothing a file system or a
// shell might read differently.
namespace DeviceFolderName {

constexpr int SerialLength = 32;
constexpr int ModelNameMax = 64;

// Exactly 32 characters of [0-9A-Za-z].
bool isValidSerial(const QString &serial);
// The model name with every character outside [0-9A-Za-z] left out, at most 64 long;
// empty when nothing is left (then no folder may be made for it).
QString safeModelName(const QString &modelName);

}  // namespace DeviceFolderName
