// How soon a keyboard's arrival and removal are told: an emulated keyboard's socket is
// made in the watched folder and removed again, 50 times, and the time from each change
// to its notice is reported (median and worst).
//
//   bench_hotplugnotice
//
// Target: every notice within 200 ms.

#include "platform/hotplugsource.h"
#include "sdk/emulateddevicedir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A listening socket of the emulated transport's kind at path; -1 when it cannot be made.
int listenAt(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) >= sizeof address.sun_path) {
        ::close(fd);
        return -1;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 1) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Runs change() and waits for the notice of path from signal; the milliseconds it took,
// or -1 when none came within five seconds.
template <typename Signal>
qint64 timeNotice(HotPlugSource &source, Signal signal, const QString &path, const std::function<void()> &change)
{
    QEventLoop loop;
    bool told = false;
    const QMetaObject::Connection c = QObject::connect(&source, signal, &loop, [&](const QString &p) {
        if (p == path) {
            told = true;
            loop.quit();
        }
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    change();
    if (!told)
        loop.exec();
    QObject::disconnect(c);
    return told ? clock.elapsed() : -1;
}

void report(const char *what, QList<qint64> times)
{
    std::sort(times.begin(), times.end());
    if (times.isEmpty() || times.first() < 0) {
        std::printf("%-8s some notices never came\n", what);
        return;
    }
    std::printf("%-8s %3d notices   median %4lld ms   worst %4lld ms\n", what, int(times.size()),
                times[times.size() / 2], times.last());
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    qputenv(EmulatedDeviceDir::kEnvironmentVariable, QFile::encodeName(dir.path()));
    HotPlugSource source;
    source.start();
    QList<qint64> arrivals;
    QList<qint64> removals;
    for (int i = 0; i < 50; ++i) {
        const QString path = dir.filePath(QStringLiteral("vid_1209&pid_0001&n%1.sock").arg(i));
        int fd = -1;
        arrivals << timeNotice(source, &HotPlugSource::sigDeviceArrived, path, [&] { fd = listenAt(path); });
        if (fd < 0)
            return 1;
        removals << timeNotice(source, &HotPlugSource::sigDeviceRemoved, path, [&] {
            ::close(fd);
            QFile::remove(path);
        });
    }
    report("arrival", arrivals);
    report("removal", removals);
    return 0;
}
