#pragma once

// What the benches share: CPU time of the process and of its threads, waiting in the
// event loop, a private environment with its emulated-device folder, the kbemu command
// serving that folder, the device page, and counting folder listings and GUI-thread blocks.

#include "devicepage/ddevicepage.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/inotify.h>
#include <unistd.h>

namespace BenchSupport {

inline double processCpuSeconds()
{
    timespec ts {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// CPU time of the calling thread.
inline double threadCpuMs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Calls visit with the id and the contents of /proc/self/task/<id>/<file> for every
// thread of this process.
inline void forEachThread(const char *file, const std::function<void(const QString &, const QByteArray &)> &visit)
{
    for (const QString &tid : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f("/proc/self/task/" + tid + "/" + QLatin1String(file));
        if (f.open(QIODevice::ReadOnly))
            visit(tid, f.readAll());
    }
}

// CPU seconds by thread name, from /proc (clock-tick resolution).
inline QMap<QString, double> threadCpuSeconds()
{
    QMap<QString, double> byName;
    const double tick = double(sysconf(_SC_CLK_TCK));
    forEachThread("stat", [&](const QString &, const QByteArray &line) {
        const int open = line.indexOf('('), close = line.lastIndexOf(')');
        if (open < 0 || close < 0)
            return;
        const QString name = QString::fromLatin1(line.mid(open + 1, close - open - 1));
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() > 12)
            byName[name] += (fields[11].toDouble() + fields[12].toDouble()) / tick;
    });
    return byName;
}

// Voluntary context switches by "name/thread id"; threads that ended are not counted.
inline QMap<QString, qint64> voluntarySwitchesByThread()
{
    QMap<QString, qint64> byName;
    forEachThread("status", [&](const QString &tid, const QByteArray &status) {
        QString name;
        qint64 switches = 0;
        for (const QByteArray &line : status.split('\n')) {
            if (line.startsWith("Name:"))
                name = QString::fromLatin1(line.mid(5).trimmed());
            else if (line.startsWith("voluntary_ctxt_switches:"))
                switches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
        byName[name + "/" + tid] += switches;
    });
    return byName;
}

// Runs the event loop for ms milliseconds.
inline void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the condition holds (true) or ms passed (false).
inline bool waitFor(const std::function<bool()> &condition, int ms, int sliceMs = 20)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        runEventLoop(sliceMs);
    }
    return true;
}

// A home and an emulated-device folder of the bench's own, set in the environment for
// the life of the object; with runtimeDir also XDG_RUNTIME_DIR.
class BenchEnvironment
{
public:
    explicit BenchEnvironment(bool runtimeDir = false)
    {
        const QByteArray root = m_home.path().toLocal8Bit();
        qputenv("HOME", root);
        qputenv("XDG_DATA_HOME", root + "/.local/share");
        qputenv("XDG_CONFIG_HOME", root + "/.config");
        qputenv("XDG_CACHE_HOME", root + "/.cache");
        if (runtimeDir) {
            qputenv("XDG_RUNTIME_DIR", root + "/run");
            QDir().mkpath(m_home.path() + "/run");
        }
        qputenv("TAVRIX_EMU_DIR", m_emuDir.path().toLocal8Bit());
    }
    QString home() const { return m_home.path(); }
    QString emuDir() const { return m_emuDir.path(); }
    // The emulated devices in the folder now.
    int sockets() const { return QDir(m_emuDir.path()).entryList({"*.sock"}, QDir::System).size(); }

private:
    QTemporaryDir m_home;
    QTemporaryDir m_emuDir;
};

// Starts the kbemu command beside the bench with these arguments (after "--dir <folder>")
// and waits until it serves at least keyboards devices; false (with a line on stderr)
// when it did not.
inline bool startEmulator(QProcess &emulator, const BenchEnvironment &env, const QStringList &args, int keyboards,
                          QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel)
{
    emulator.setProcessChannelMode(channels);
    if (channels != QProcess::ForwardedChannels)
        emulator.setStandardOutputFile(QProcess::nullDevice());
    emulator.start(QCoreApplication::applicationDirPath() + "/kbemu", QStringList {"--dir", env.emuDir()} + args);
    if (!emulator.waitForStarted(5000) || !waitFor([&] { return env.sockets() >= keyboards; }, 5000)) {
        std::fprintf(stderr, "kbemu did not start\n");
        return false;
    }
    return true;
}

// The device page as the benches show it.
inline DDevicePage *showDevicePage()
{
    auto *page = new DDevicePage;
    page->resize(1280, 700);
    page->show();
    return page;
}

// Waits until the page opened a keyboard and prepared its profile files; false (with a
// line on stderr) when it did not within ms.
inline bool waitForOpenKeyboard(DDevicePage *page, int ms = 20000)
{
    if (waitFor([&] { return page->currentDeviceLink() && !page->isBusy() && !page->currentProfilePath().isEmpty(); },
                ms))
        return true;
    std::fprintf(stderr, "the device page did not open the keyboard\n");
    return false;
}

// Counts the listings of a folder (each opening of it for reading), with inotify.
class FolderScans
{
public:
    explicit FolderScans(const QString &dir)
    {
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0)
            inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_OPEN | IN_ONLYDIR);
    }
    ~FolderScans() { ::close(m_fd); }
    FolderScans(const FolderScans &) = delete;
    FolderScans &operator=(const FolderScans &) = delete;
    // The listings since the last call.
    int take()
    {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                return count;
            for (ssize_t at = 0; at < n;) {
                const auto *e = reinterpret_cast<const inotify_event *>(buffer + at);
                if ((e->mask & IN_ISDIR) && e->len == 0)
                    ++count;
                at += ssize_t(sizeof(inotify_event) + e->len);
            }
        }
    }

private:
    int m_fd = -1;
};

// Times every event the top-level loop hands out; events handled inside a nested loop
// count towards the event that started that loop.
class TimingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --m_depth;
            return handled;
        }
        QElapsedTimer timer;
        timer.start();
        const bool handled = QApplication::notify(receiver, event);
        --m_depth;
        longestMs = qMax(longestMs, timer.nsecsElapsed() / 1e6);
        return handled;
    }

    // The longest event since this was last set to 0.
    double longestMs = 0;

private:
    int m_depth = 0;
};

}  // namespace BenchSupport
