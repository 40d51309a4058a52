#include "devicelink/devicefoldername.h"

#include <QCryptographicHash>

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
    // Any printable text names a folder on its own; only these would reach outside it
    // or confuse whoever reads the path.
    const auto usable = [](QChar c) { return c.isPrint() && c != QLatin1Char('/') && c != QLatin1Char('\\'); };
    return serial.size() == SerialLength && std::all_of(serial.cbegin(), serial.cend(), usable);
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

QString DeviceFolderName::serialFromReport(const QString &modelName, const QString &reported)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(modelName.toUtf8());
    hash.addData(QByteArray(1, '\0'));
    hash.addData(reported.toLatin1());
    return QString::fromLatin1(hash.result().left(SerialLength / 2).toHex());
}
