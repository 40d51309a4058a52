// The I/O thread against an emulated keyboard that answers at once:
//  - reports written per second while the command queue stays full (the keyboard's
//    full-speed interrupt endpoint takes at most 1000 a second);
//  - CPU time per second of wall time of an open, idle device (only shake-hands flowing),
//    as a share of one core.

#include "benchsupport.h"
#include "devicelink/mainhidinterface.h"
#include "devicelink/reportcopies.h"
#include "emudevice.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

using namespace BenchSupport;

// An emulated keyboard served by this thread's event loop and an open I/O thread for it.
struct OpenDevice
{
    QTemporaryDir dir;
    std::unique_ptr<EmuDevice> device;
    std::unique_ptr<MainHidInterFace> hid;

    explicit OpenDevice(const QString &model)
    {
        qputenv("TAVRIX_EMU_DIR", dir.path().toLocal8Bit());
        device = std::make_unique<EmuDevice>(dir.path(), EmuModels::find(model));
        device->start();
        hid = std::make_unique<MainHidInterFace>(0, model);
        // The link frees every input report copy; so does this receiver.
        QObject::connect(hid.get(), &MainHidInterFace::sigHidDataArrived, [](unsigned char *data, int, int) {
            ReportCopies::taken(data);
            delete[] data;
        });
        QObject::connect(hid.get(), &MainHidInterFace::sigHidSnGetOver, [](unsigned char *data, const QString &) {
            ReportCopies::taken(data);
            delete[] data;
        });
        hid->openHid(device->socketPath());
        hid->start();
    }
    ~OpenDevice() { hid->closeHid(); }

    int receivedBetween(qint64 fromMs, qint64 toMs) const
    {
        int n = 0;
        for (const EmuLogEntry &e : device->received())
            n += (e.ms >= fromMs && e.ms < toMs) ? 1 : 0;
        return n;
    }
};

void BM_CommandQueueFull(benchmark::State &state)
{
    constexpr int kWarmUpMs = 300;
    constexpr int kWindowMs = 2000;
    for (auto _ : state) {
        OpenDevice open(QStringLiteral("QR108"));
        // Enough reports that the queue never runs dry during the window: the sleep-time
        // question, which the keyboard answers, so reads carry data too.
        const HidReport ask = HidReport::command(HidCmd::KeyboardSettings, 2, 1);
        for (int i = 0; i < 3 * (kWarmUpMs + kWindowMs); ++i)
            open.hid->appendCmdData(ask.data());
        runEventLoop(kWarmUpMs);
        const qint64 from = open.device->elapsedMs();
        const double cpu0 = processCpuSeconds();
        runEventLoop(kWindowMs);
        const double cpu = processCpuSeconds() - cpu0;
        const qint64 to = open.device->elapsedMs();
        const double seconds = (to - from) / 1000.0;
        state.counters["reports_per_s"] = open.receivedBetween(from, to) / seconds;
        state.counters["cpu_share_pct"] = 100.0 * cpu / seconds;
    }
}

void BM_IdleOpenDevice(benchmark::State &state)
{
    constexpr int kSettleMs = 300;
    constexpr int kWindowMs = 5000;
    for (auto _ : state) {
        OpenDevice open(QStringLiteral("QR108"));
        runEventLoop(kSettleMs);
        const qint64 from = open.device->elapsedMs();
        const double cpu0 = processCpuSeconds();
        runEventLoop(kWindowMs);
        const double cpu = processCpuSeconds() - cpu0;
        const double seconds = (open.device->elapsedMs() - from) / 1000.0;
        state.counters["cpu_share_pct"] = 100.0 * cpu / seconds;
        state.counters["shake_hands"] = open.receivedBetween(0, 1 << 30) - 1;
    }
}

}  // namespace

BENCHMARK(BM_CommandQueueFull)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleOpenDevice)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
