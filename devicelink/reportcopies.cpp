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

// A report read while the program quits may be queued to a receiver that is never
// destroyed (the main window lives to the end) after its event loop has ended:
// whatever is still registered when the process ends is freed here.
struct Registry
{
    QHash<const unsigned char *, const void *> copies;
    ~Registry()
    {
        for (auto it = copies.cbegin(); it != copies.cend(); ++it)
            delete[] it.key();
    }
};

QHash<const unsigned char *, const void *> &registry()
{
    static Registry registry;
    return registry.copies;
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
