// A keyboard that sends one kind of report on its own, 1000 times a second (a faulty or
// hostile device; the most the HID link carries). For each kind the device page runs
// with an emulated keyboard (the kbemu command, its "repeat" script line) and the bench
// reports
//  - resident memory growth during the flood (peak minus the value at its start) and
//    after the keyboard left;
//  - the longest GUI-thread block: the longest time one event of the top-level loop took;
//  - backlog: how long a call queued at the flood's end waited for the GUI thread;
// and, with the real executable, how long a SIGTERM takes to end it in such a flood.
//
//   bench_unaskedreports [SECONDS]      (flood length, default 5)
//
// Targets: memory bounded (a few MB), no GUI block of more than a few tens of ms, no
// backlog, a quit within a few seconds.
//
// Figures (5 s floods at 1000 reports/s, RelWithDebInfo, offscreen, on a machine shared
// with other builds; growth MB / longest GUI block ms / backlog ms):
//   before (every report applied as it came, each as its own queued event):
//     light index 09      2373.3 / 1447.0 / 9302     (the custom-light list rebuilt per report)
//     link sleep/wake 01   724.9 /  700.2 / 383579   (the page switching keyboards per report)
//     every other kind    < 0.2  / < 6    / 5
//     executable: 50.6 MB at flood start, 300.7 MB 5 s later; SIGTERM had not ended it after 30 s
//   after (applied at most every 250 ms per kind, the last value winning; a bounded inbox
//   between the I/O thread and the GUI thread):
//     light index 09         1.0 / 29.1 / 5
//     link sleep/wake 01     0.1 / 20.4 / 5
//     every other kind     < 0.7 / < 5  / < 8
//     executable: 50.4 MB at flood start, 51.2 MB 5 s later; SIGTERM ended it after 28 ms

#include "benchsupport.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/mainhidinterface.h"
#include "devicepage/ddevicepage.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {

using namespace BenchSupport;

double residentMegabytes(const QString &statusFile = QStringLiteral("/proc/self/status"))
{
    QFile status(statusFile);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// Samples the resident memory of a process from a thread of its own, so a blocked GUI
// thread does not hide the peak.
class PeakSampler
{
public:
    explicit PeakSampler(QString statusFile = QStringLiteral("/proc/self/status")) : m_file(std::move(statusFile))
    {
        m_thread = std::thread([this] {
            while (!m_stop.load()) {
                const double mb = residentMegabytes(m_file);
                double seen = m_peak.load();
                while (mb > seen && !m_peak.compare_exchange_weak(seen, mb)) { }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    }
    ~PeakSampler()
    {
        m_stop.store(true);
        m_thread.join();
    }
    double peak() const { return m_peak.load(); }

private:
    QString m_file;
    std::atomic<bool> m_stop {false};
    std::atomic<double> m_peak {0};
    std::thread m_thread;
};

struct Kind
{
    const char *name;
    const char *model;
    const char *setup;        // script lines before the flood ("" for none)
    const char *flood;        // the line repeated; "A|B": two lines taking turns, 500 a second each
    const char *option = "";  // a further option of the emulated device
};

// Every report kind a keyboard sends without being asked, or may send so.
const Kind kKinds[] = {
    {"light index 09", "QR108", "", "send 01 09 02"},
    {"key light 07", "QR108", "", "send 01 07 00 00 00 0c 03 02 02 ff 00 00 00 ff 00 00 01 00"},
    {"side light 08", "QR108", "", "send 01 08 00 00 00 0c 02 02 02 00 ff 00 00 00 ff 00 01 00"},
    {"sleep report 14/2", "QR108", "", "send 01 14 02 00 00 08 00 00 00 01 2c 07 08 00"},
    {"sleep ack 14/0", "QR108", "", "send 01 14 00 00 00 01"},
    {"status 01", "QR108", "", "send 01 01 00 00 00 09 00 00 00 00 50 00 00 00 00"},
    {"mode lists 0A", "QR108", "", "send 01 0a 00 00 00 10 00 01 02 03 a5 05 05"},
    {"key bitmap 0E", "QR108", "", "send 01 0e 00 00 00 16 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f"},
    {"host key 20", "QR108", "", "hostkey 5 1"},
    {"six-key 04 lock", "QR108", "status winlock=1", "sixkey 00 04"},
    {"full-key 05", "QR108", "", "fullkey 00 00 10"},
    {"travel level 21", "QM68", "", "send 01 21 00 00 00 18 04 28"},
    {"live travel 21", "QM68", "", "travel 1 2 30"},
    {"key trigger 21", "QM68", "", "send 01 21 00 00 00 18 05 00 0f 0f 03 03"},
    {"link sleep/wake 01", "QR108", "", "status link=1|status link=0", "--receiver"},
    {"keyboard mode 01", "QB84", "", "status mode=0|status mode=2"},
};

constexpr int kFloodStartMs = 6000;

QString writeScript(const QTemporaryDir &dir, const QString &name, const QStringList &lines)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(lines.join('\n').toUtf8() + '\n');
    return path;
}

QStringList floodScript(const Kind &kind, int seconds)
{
    QStringList lines;
    if (*kind.setup)
        lines << QString("at %1 %2").arg(kFloodStartMs - 500).arg(kind.setup);
    const QStringList floods = QString(kind.flood).split('|');
    for (const QString &flood : floods)
        lines << QString("at %1 repeat %2 %3 %4")
                     .arg(kFloodStartMs)
                     .arg(1000 / floods.size())
                     .arg(seconds * 1000)
                     .arg(flood);
    return lines;
}

void benchPage(TimingApplication &app, BenchEnvironment &env, const QTemporaryDir &scripts, int seconds)
{
    DDevicePage *page = showDevicePage();
    runEventLoop(500);
    std::printf("%-18s %12s %12s %14s %12s %10s\n", "kind", "growth MB", "after MB", "longest ms", "backlog ms",
                "reports");
    int n = 0;
    const QByteArray only = qgetenv("BENCH_KIND");
    for (const Kind &kind : kKinds) {
        if (!only.isEmpty() && !QByteArray(kind.name).contains(only))
            continue;
        const QString script = writeScript(scripts, QString("s%1.txt").arg(n++), floodScript(kind, seconds));
        QProcess emulator;
        QElapsedTimer sinceStart;
        sinceStart.start();
        QStringList args {"--model", kind.model, "--script", script};
        if (*kind.option)
            args << kind.option;
        if (!startEmulator(emulator, env, args, 1))
            return;
        QTimer::singleShot(0, page, [page] { page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath"); });
        if (!waitForOpenKeyboard(page))
            return;
        waitFor([&] { return sinceStart.elapsed() >= kFloodStartMs; }, 2 * kFloodStartMs, 5);
        std::atomic<int> arrived {0};
        if (DDeviceKeyboardLink *link = page->currentDeviceLink())
            QObject::connect(
                link->getHidInterface(), &MainHidInterFace::sigHidDataArrived, link->getHidInterface(),
                [&arrived](unsigned char *, int, int) { ++arrived; }, Qt::DirectConnection);
        const double start = residentMegabytes();
        double longest = 0;
        {
            PeakSampler sampler;
            app.longestMs = 0;
            runEventLoop(seconds * 1000);
            QElapsedTimer backlog;
            backlog.start();
            bool ran = false;
            QMetaObject::invokeMethod(
                page, [&] { ran = true; }, Qt::QueuedConnection);
            waitFor([&] { return ran; }, 120000, 5);
            const qint64 backlogMs = backlog.elapsed();
            runEventLoop(1000);
            longest = app.longestMs;
            emulator.terminate();
            emulator.waitForFinished(5000);
            waitFor([&] { return env.sockets() == 0; }, 5000);
            QTimer::singleShot(0, page,
                               [page] { page->hidDeviceConnectChanging(DDevicePage::kChangeRemoval, "hidPath"); });
            waitFor([&] { return page->getKeyboardLinkMap().isEmpty() && !page->isBusy(); }, 60000);
            runEventLoop(1000);
            std::printf("%-18s %12.1f %12.1f %14.1f %12lld %10d\n", kind.name, sampler.peak() - start,
                        residentMegabytes() - start, longest, backlogMs, arrived.load());
            std::fflush(stdout);
        }
    }
    page->shutDownDevices();
    delete page;
}

// The executable in a flood of light-index reports: how long a SIGTERM takes to end it.
void benchQuit(BenchEnvironment &env, const QTemporaryDir &scripts, int seconds)
{
    const Kind &kind = kKinds[0];
    const QString script = writeScript(scripts, "quit.txt", floodScript(kind, 60));
    QProcess emulator;
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (!startEmulator(emulator, env, {"--model", kind.model, "--script", script}, 1))
        return;
    QProcess app;
    QProcessEnvironment penv = QProcessEnvironment::systemEnvironment();
    penv.insert("QT_QPA_PLATFORM", "offscreen");
    app.setProcessEnvironment(penv);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.setStandardOutputFile(QProcess::nullDevice());
    app.start(QCoreApplication::applicationDirPath() + "/quorin-driver", QStringList());
    if (!app.waitForStarted(5000)) {
        std::fprintf(stderr, "the executable did not start\n");
        return;
    }
    const QString status = QString("/proc/%1/status").arg(app.processId());
    waitFor([&] { return sinceStart.elapsed() >= kFloodStartMs; }, 2 * kFloodStartMs, 5);
    const double start = residentMegabytes(status);
    runEventLoop(seconds * 1000);
    const double atQuit = residentMegabytes(status);
    QElapsedTimer quit;
    quit.start();
    ::kill(pid_t(app.processId()), SIGTERM);
    const bool ended = app.waitForFinished(30000);
    const qint64 quitMs = quit.elapsed();
    if (!ended) {
        app.kill();
        app.waitForFinished(5000);
    }
    std::printf("executable: resident %.1f MB at flood start, %.1f MB after %d s; SIGTERM %s after %lld ms\n", start,
                atQuit, seconds, ended ? "ended it" : "had not ended it", quitMs);
    emulator.terminate();
    emulator.waitForFinished(5000);
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchEnvironment env(true);
    TimingApplication app(argc, argv);
    const int seconds = argc > 1 ? qBound(1, QByteArray(argv[1]).toInt(), 60) : 5;
    QTemporaryDir scripts;
    benchPage(app, env, scripts, seconds);
    benchQuit(env, scripts, seconds);
    return 0;
}
