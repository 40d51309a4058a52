#include "devicelink/reportcopies.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <cstring>

namespace {

QMutex &registryMutex()
{
    static QMutex mutex;
    return mutex;
}

QHash<const unsigned char *, const void *> &registry()
{
    static QHash<const unsigned char *, const void *> copies;
    return copies;
}

}  // namespace

namespace ReportCopies {

unsigned char *make(const void *sender, const unsigned char *bytes, int size)
{
    auto *copy = new unsigned char[size];
    std::memcpy(copy, bytes, size_t(size));
    QMutexLocker lock(&registryMutex());
    registry().insert(copy, sender);
    return copy;
}

void taken(const unsigned char *copy)
{
    QMutexLocker lock(&registryMutex());
    registry().remove(copy);
}

int freeUndelivered(const void *sender)
{
    QMutexLocker lock(&registryMutex());
    int freed = 0;
    for (auto it = registry().begin(); it != registry().end();) {
        if (it.value() == sender) {
            delete[] it.key();
            it = registry().erase(it);
            ++freed;
        } else {
            ++it;
        }
    }
    return freed;
}

}  // namespace ReportCopies
