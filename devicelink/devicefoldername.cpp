#include "devicelink/devicefoldername.h"

#include <algorithm>

namespace {

bool isSafe(QChar c)
{
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

}  // namespace

bool DeviceFolderName::isValidSerial(const QString &serial)
{
    return serial.size() == SerialLength && std::all_of(serial.cbegin(), serial.cend(), isSafe);
}

QString DeviceFolderName::safeModelName(const QString &modelName)
{
    QString safe;
    for (const QChar c : modelName) {
        if (isSafe(c))
            safe.append(c);
    }
    return safe.left(ModelNameMax);
}
