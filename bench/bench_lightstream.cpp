// The device page with its light engine streaming to a QR108 served by the kbemu command
// (another process, so its work is not counted): for each case the page runs 10 s and
// the bench prints this process's CPU time as a share of one core and the light reports
// per second the keyboard received.
//
//   bench_lightstream [seconds per case] [text the case names must contain]
//
// Keyboard and side lights run the same mode. Targets: Wave at most 4% on the key tab and 8% with the lighting tab's
// live preview shown; Static at most 2% on any tab.

#include "benchsupport.h"
#include "devicepage/ddevicepage.h"
#include "lighting/dlightsconfigpage.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QToolButton>

#include <cstdint>
#include <cstdio>

namespace {

using namespace BenchSupport;

// The emulator's log: "<ms since start> <64 hex bytes>" per received report.
struct LogCount
{
    qint64 lastMs = 0;
    int lightReports = 0;  // per-key colours (0x0E) and receiver light state (0x28)
    int allReports = 0;
};

LogCount readLog(const QString &path, qint64 afterMs, qint64 untilMs = INT64_MAX)
{
    LogCount count;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return count;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() < 3)
            continue;
        const qint64 ms = fields[0].toLongLong();
        count.lastMs = qMax(count.lastMs, ms);
        if (ms <= afterMs || ms > untilMs)
            continue;
        ++count.allReports;
        const int command = fields[2].toInt(nullptr, 16);
        if (command == 0x0E || command == 0x28)
            ++count.lightReports;
    }
    return count;
}

struct Case
{
    const char *name;
    const char *mode;      // the lighting page's keyboard mode button
    const char *sideMode;  // and its side mode button
    const char *tab;       // the device page's tab button, or null for a hidden page
};

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchEnvironment env(true);
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;

    const QString log = env.home() + "/kbemu.log";
    QProcess emulator;
    if (!startEmulator(emulator, env, {"--model", "QR108", "--log", log}, 1, QProcess::ForwardedChannels))
        return 1;

    DDevicePage *page = showDevicePage();
    if (!waitForOpenKeyboard(page))
        return 1;

    const Case cases[] = {
        {"Wave, key tab", "toolButton_Wave", "toolButton_SideWave", "toolButton_CustomKey"},
        {"Wave, lighting tab", "toolButton_Wave", "toolButton_SideWave", "toolButton_LightConfig"},
        {"Wave, page hidden", "toolButton_Wave", "toolButton_SideWave", nullptr},
        {"Static, key tab", "toolButton_Static", "toolButton_SideStatic", "toolButton_CustomKey"},
        {"Static, lighting tab", "toolButton_Static", "toolButton_SideStatic", "toolButton_LightConfig"},
        {"Static, page hidden", "toolButton_Static", "toolButton_SideStatic", nullptr},
    };
    std::printf("%-24s %10s %16s %14s\n", "case", "CPU %", "light reports/s", "all reports/s");
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    for (const Case &c : cases) {
        if (!QString::fromLatin1(c.name).contains(only))
            continue;
        page->show();
        page->findChild<QToolButton *>("toolButton_LightConfig")->click();
        page->lightsConfigTab()->findChild<QToolButton *>(c.mode)->click();
        page->lightsConfigTab()->findChild<QToolButton *>(c.sideMode)->click();
        if (c.tab)
            page->findChild<QToolButton *>(c.tab)->click();
        else
            page->hide();
        runEventLoop(1500);  // settle: the mode change and its first frames
        const qint64 startMs = readLog(log, 0).lastMs;
        const QMap<QString, double> threadsStart = threadCpuSeconds();
        const double cpuStart = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runEventLoop(seconds * 1000);
        const double cpu = processCpuSeconds() - cpuStart;
        const qint64 elapsedMs = wall.elapsed();
        const double elapsed = elapsedMs / 1000.0;
        runEventLoop(300);  // the log lines of the last reports
        const LogCount count = readLog(log, startMs, startMs + elapsedMs);
        const QMap<QString, double> threadsEnd = threadCpuSeconds();
        QString threads;
        for (auto it = threadsEnd.begin(); it != threadsEnd.end(); ++it) {
            const double share = 100.0 * (it.value() - threadsStart.value(it.key())) / elapsed;
            if (share >= 0.05)
                threads += QStringLiteral("  %1 %2%").arg(it.key()).arg(share, 0, 'f', 1);
        }
        std::printf("%-24s %9.2f%% %16.1f %14.1f   by thread:%s\n", c.name, 100.0 * cpu / elapsed,
                    count.lightReports / elapsed, count.allReports / elapsed, qPrintable(threads));
        std::fflush(stdout);
    }

    page->closeAllLinks();
    delete page;
    emulator.terminate();
    emulator.waitForFinished(3000);
    return 0;
}
