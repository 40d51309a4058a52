// Ten keyboards arriving at once, then leaving at once: the device page gets one settled
// change notice for each burst (as the main window gives it after its settling wait) and
// the bench reports
//  - folder scans: how often the emulated-device folder was listed (an enumeration of the
//    devices lists it once), counted with inotify;
//  - the longest GUI-thread block: the longest time one event of the top-level event loop
//    took to handle, nested event loops included;
//  - the GUI thread's CPU time for the burst, and the time until the page was done.
//
//   bench_hotplugburst
//
// Targets: one enumeration per settled burst, no GUI-thread block of tens of milliseconds.

#include "benchsupport.h"
#include "devicepage/ddevicepage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using namespace BenchSupport;

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

    double longestMs = 0;

private:
    int m_depth = 0;
};

double threadCpuMs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Counts the listings of a folder.
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

void report(const char *what, TimingApplication &app, FolderScans &scans, double cpuStart, qint64 doneMs)
{
    std::printf("%-9s folder scans %3d   longest GUI block %7.1f ms   GUI CPU %7.1f ms   done after %5lld ms\n", what,
                scans.take(), app.longestMs, threadCpuMs() - cpuStart, doneMs);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    QTemporaryDir emuDir;
    const QByteArray root = home.path().toLocal8Bit();
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("TAVRIX_EMU_DIR", emuDir.path().toLocal8Bit());
    TimingApplication app(argc, argv);

    auto *page = new DDevicePage;
    page->resize(1280, 700);
    page->show();
    runEventLoop(1000);
    waitFor([&] { return !page->isBusy(); }, 10000);

    constexpr int kKeyboards = 10;
    const char *models[] = {"QR108", "QM68", "QB84"};
    QStringList args {"--dir", emuDir.path()};
    for (int i = 0; i < kKeyboards; ++i)
        args << "--model" << models[i % 3] << "--tag" << QString("k%1").arg(i);
    QProcess emulator;
    emulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    emulator.setStandardOutputFile(QProcess::nullDevice());
    emulator.start(QCoreApplication::applicationDirPath() + "/kbemu", args);
    auto sockets = [&] { return QDir(emuDir.path()).entryList({"*.sock"}, QDir::System).size(); };
    if (!emulator.waitForStarted(5000) || !waitFor([&] { return sockets() == kKeyboards; }, 5000)) {
        std::fprintf(stderr, "kbemu did not start\n");
        return 1;
    }

    FolderScans scans(emuDir.path());
    scans.take();
    auto burst = [&](const char *what, int changeType, const std::function<bool()> &done) {
        app.longestMs = 0;
        const double cpuStart = threadCpuMs();
        QElapsedTimer timer;
        timer.start();
        QTimer::singleShot(0, page, [page, changeType] { page->hidDeviceConnectChanging(changeType, "hidPath"); });
        if (!waitFor(done, 20000, 5))
            std::fprintf(stderr, "%s: the page did not finish\n", what);
        const qint64 doneMs = timer.elapsed();
        runEventLoop(200);
        report(what, app, scans, cpuStart, doneMs);
    };

    burst("arrival", DDevicePage::kChangeArrival, [&] {
        return page->getKeyboardLinkMap().size() == kKeyboards && !page->isBusy() && page->currentDeviceLink();
    });

    emulator.terminate();
    emulator.waitForFinished(5000);
    waitFor([&] { return sockets() == 0; }, 5000);
    scans.take();
    burst("removal", DDevicePage::kChangeRemoval,
          [&] { return page->getKeyboardLinkMap().isEmpty() && !page->isBusy(); });

    page->shutDownDevices();
    delete page;
    return 0;
}
