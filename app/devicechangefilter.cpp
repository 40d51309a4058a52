#include "app/devicechangefilter.h"

namespace DeviceChangeFilter {

namespace {

// The USB bootloader the firmware update talks to.
const SupportId kBootloaders[] = {{QStringLiteral("1209"), QStringLiteral("000e")}};

bool holdsBoth(const QString &path, const SupportId &id)
{
    return !id.first.isEmpty() && !id.second.isEmpty() && path.contains(id.first, Qt::CaseInsensitive)
        && path.contains(id.second, Qt::CaseInsensitive);
}

}  // namespace

int firstSupportedMatch(const QList<SupportId> &supported, const QString &path)
{
    for (int i = 0; i < supported.size(); ++i) {
        if (holdsBoth(path, supported.at(i)))
            return i;
    }
    return -1;
}

bool isBootloaderPath(const QString &path)
{
    for (const SupportId &id : kBootloaders) {
        if (holdsBoth(path, id))
            return true;
    }
    return false;
}

}  // namespace DeviceChangeFilter
