#include "app/appversion.h"

#include <QStringList>

namespace AppVersion {

QString number()
{
    return QStringLiteral(TAVRIX_APP_VERSION);
}

QString displayText()
{
    return displayTextFor(number());
}

QString displayTextFor(const QString &number)
{
    const QStringList parts = number.split(QLatin1Char('.'));
    const auto part = [&parts](int i) { return i < parts.size() ? parts.at(i).toInt() : 0; };
    return QStringLiteral("V_%1.%2.%3")
        .arg(part(0))
        .arg(part(1), 2, 10, QLatin1Char('0'))
        .arg(part(2), 2, 10, QLatin1Char('0'));
}

}  // namespace AppVersion
