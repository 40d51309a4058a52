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

#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

using namespace BenchSupport;

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
    BenchEnvironment env;
    TimingApplication app(argc, argv);

    DDevicePage *page = showDevicePage();
    runEventLoop(1000);
    waitFor([&] { return !page->isBusy(); }, 10000);

    constexpr int kKeyboards = 10;
    const char *models[] = {"QR108", "QM68", "QB84"};
    QStringList args;
    for (int i = 0; i < kKeyboards; ++i)
        args << "--model" << models[i % 3] << "--tag" << QString("k%1").arg(i);
    QProcess emulator;
    if (!startEmulator(emulator, env, args, kKeyboards))
        return 1;

    FolderScans scans(env.emuDir());
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
    waitFor([&] { return env.sockets() == 0; }, 5000);
    scans.take();
    burst("removal", DDevicePage::kChangeRemoval,
          [&] { return page->getKeyboardLinkMap().isEmpty() && !page->isBusy(); });

    page->shutDownDevices();
    delete page;
    return 0;
}
