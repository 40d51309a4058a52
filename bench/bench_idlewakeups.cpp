// Wake-ups of an idle keyboard: the device page opens the first of N keyboards served by
// the kbemu command (another process, not counted), keyboard and side lights are set to
// Static, and after a settling pause the bench counts, for a few seconds, how often the
// threads of this process went to sleep and woke again (their voluntary context switches,
// from /proc/self/task/*/status; switches forced by other processes on a busy machine are
// not wake-ups) and the process's CPU time as a share of one core. Each
// keyboard count runs in a fresh process.
//
//   bench_idlewakeups [seconds]             one and three keyboards
//   bench_idlewakeups --one N [seconds]     N keyboards (what the first form runs)
//
// Targets: one idle keyboard in Static at most 20 wake-ups a second and under 0.5% of a
// core; each further idle keyboard at most 5 wake-ups a second more.

#include "benchsupport.h"
#include "devicepage/ddevicepage.h"
#include "lighting/dlightsconfigpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QToolButton>

#include <cstdio>

namespace {

using namespace BenchSupport;

int runOne(int keyboards, int seconds)
{
    BenchEnvironment env;

    QStringList args;
    for (int i = 0; i < keyboards; ++i)
        args << "--model" << (i == 0 ? "QR108" : "QM68") << "--tag" << QString("k%1").arg(i);
    QProcess emulator;
    if (!startEmulator(emulator, env, args, keyboards))
        return 1;

    DDevicePage *page = showDevicePage();
    if (!waitForOpenKeyboard(page))
        return 1;
    if (page->getKeyboardLinkMap().size() != keyboards) {
        std::fprintf(stderr, "the device page did not open the keyboards\n");
        return 1;
    }
    page->findChild<QToolButton *>("toolButton_LightConfig")->click();
    page->lightsConfigTab()->findChild<QToolButton *>("toolButton_Static")->click();
    page->lightsConfigTab()->findChild<QToolButton *>("toolButton_SideStatic")->click();
    page->findChild<QToolButton *>("toolButton_CustomKey")->click();
    runEventLoop(3000);  // settle: the mode change, its frames and their answers

    const QMap<QString, qint64> before = voluntarySwitchesByThread();
    const double cpuStart = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runEventLoop(seconds * 1000);
    const double elapsed = wall.nsecsElapsed() / 1e9;
    const double cpu = processCpuSeconds() - cpuStart;
    const QMap<QString, qint64> after = voluntarySwitchesByThread();
    qint64 total = 0;
    QString threads;
    for (auto it = after.begin(); it != after.end(); ++it) {
        const qint64 n = it.value() - before.value(it.key());
        total += n;
        if (n / elapsed >= 0.5)
            threads += QStringLiteral("  %1 %2").arg(it.key().section('/', 0, 0)).arg(n / elapsed, 0, 'f', 1);
    }
    std::printf("%d keyboard(s), Static: %7.1f wake-ups/s  %5.2f%% of a core   by thread:%s\n", keyboards,
                total / elapsed, 100.0 * cpu / elapsed, qPrintable(threads));
    std::fflush(stdout);
    page->shutDownDevices();
    delete page;
    emulator.terminate();
    emulator.waitForFinished(5000);
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 2 && args.at(1) == "--one")
        return runOne(args.at(2).toInt(), args.size() > 3 ? qMax(1, args.at(3).toInt()) : 10);
    const QString seconds = args.size() > 1 ? args.at(1) : QStringLiteral("10");
    for (int keyboards : {1, 3}) {
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QCoreApplication::applicationFilePath(), {"--one", QString::number(keyboards), seconds});
        if (!one.waitForFinished(600000) || one.exitCode() != 0)
            return 1;
    }
    return 0;
}
