#include "app/devicechangefilter.h"

namespace DeviceChangeFilter {

int firstMatch(const QList<SupportId> &ids, const QString &path)
{
    for (int i = 0; i < ids.size(); ++i) {
        const SupportId &id = ids.at(i);
        if (!id.first.isEmpty() && !id.second.isEmpty() && path.contains(id.first, Qt::CaseInsensitive)
            && path.contains(id.second, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

}  // namespace DeviceChangeFilter
