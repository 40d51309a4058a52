// The emulated transport's round trip, and how closely the pacing wait keeps
// its interval. Run: build/bin/bench_hidtransport
#include "sdk/pacingtimer.h"
#include "sdk/tavrixhid.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// An emulated keyboard that answers every report with the same report.
class EchoKeyboard
{
public:
    explicit EchoKeyboard(const QString &path) : m_path(QFile::encodeName(path))
    {
        sockaddr_un address;
        std::memset(&address, 0, sizeof address);
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, m_path.constData(), size_t(m_path.size()));
        m_listenFd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
        bind(m_listenFd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
        listen(m_listenFd, 1);
        m_thread = std::thread([this] { serve(); });
    }
    ~EchoKeyboard()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_listenFd);
        ::unlink(m_path.constData());
    }

private:
    void serve()
    {
        pollfd listener {m_listenFd, POLLIN, 0};
        while (!m_stop && poll(&listener, 1, 50) <= 0) { }
        if (m_stop)
            return;
        const int fd = accept(m_listenFd, nullptr, nullptr);
        unsigned char report[kTavrixHidReportSize];
        pollfd connection {fd, POLLIN, 0};
        while (!m_stop) {
            if (poll(&connection, 1, 50) <= 0)
                continue;
            const ssize_t count = recv(fd, report, sizeof report, 0);
            if (count <= 0)
                break;
            send(fd, report, size_t(count), MSG_NOSIGNAL);
        }
        ::close(fd);
    }

    QByteArray m_path;
    int m_listenFd = -1;
    std::atomic<bool> m_stop {false};
    std::thread m_thread;
};

// One report written and its answer read, as the I/O loop does it.
void BM_EmulatedRoundTrip(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/vid_1209&pid_0001.sock";
    EchoKeyboard keyboard(path);
    const int handle = CTavrixHid_OpenPath(QFile::encodeName(path).constData());
    if (handle <= 0) {
        state.SkipWithError("cannot open the emulated keyboard");
        return;
    }
    CTavrixHid_SetNonblocking(handle, state.range(0));
    unsigned char report[kTavrixHidReportSize] = {0x01, 0x42};
    unsigned char answer[kTavrixHidReportSize];
    for (auto _ : state) {
        if (CTavrixHid_HidWriteBuff(handle, report, "bench") != kTavrixHidReportSize) {
            state.SkipWithError("write failed");
            break;
        }
        while (CTavrixHid_HidReadBuff(handle, answer) == 0) { }
    }
    CTavrixHid_Close(handle);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EmulatedRoundTrip)->ArgName("nonblocking")->Arg(1)->Arg(0)->UseRealTime();

// The time between two returns of the pacing wait, against its interval.
// error_pct: deviation of the run's mean; p50_pct, p99_pct: of single
// intervals (a loaded machine shows its scheduling delays in the tail).
void BM_PacingInterval(benchmark::State &state)
{
    const int units = int(state.range(0));
    const double intervalUs = units * double(PacingTimers::kUnitMicroseconds);
    HighPrecisionTimerStu timer;
    CTavrixHid_highPrecisionTimerInit(&timer);
    CTavrixHid_highPrecisionTimerStart(timer);
    CTavrixHid_highPrecisionTimerRunning(units, timer);
    std::vector<double> deviations;
    double totalUs = 0;
    auto last = std::chrono::steady_clock::now();
    for (auto _ : state) {
        CTavrixHid_highPrecisionTimerRunning(units, timer);
        const auto now = std::chrono::steady_clock::now();
        const double us = std::chrono::duration<double, std::micro>(now - last).count();
        last = now;
        state.SetIterationTime(us / 1e6);
        totalUs += us;
        deviations.push_back(std::abs(us - intervalUs));
    }
    CTavrixHid_highPrecisionTimerStop(timer);
    std::sort(deviations.begin(), deviations.end());
    const double meanUs = totalUs / double(state.iterations());
    state.counters["interval_us"] = intervalUs;
    state.counters["mean_us"] = meanUs;
    state.counters["error_pct"] = 100.0 * std::abs(meanUs - intervalUs) / intervalUs;
    state.counters["p50_pct"] = 100.0 * deviations[deviations.size() / 2] / intervalUs;
    state.counters["p99_pct"] = 100.0 * deviations[deviations.size() * 99 / 100] / intervalUs;
}
// 100 units is the wait of the device I/O loop.
BENCHMARK(BM_PacingInterval)->ArgName("units")->Arg(20)->Arg(100)->Arg(200)->UseManualTime()->Iterations(2000);

double threadCpuSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The I/O loop's shape on the library: a write turn and a read turn, each
// followed by the pacing wait of 100 units, for one second. full: a report
// is queued for every write turn; idle: nothing is queued.
// reports_per_s: reports written; cpu_pct: the loop thread's share of a core.
void BM_PacedIoLoop(benchmark::State &state)
{
    const bool full = state.range(0) != 0;
    QTemporaryDir dir;
    const QString path = dir.path() + "/vid_1209&pid_0001.sock";
    EchoKeyboard keyboard(path);
    const int handle = CTavrixHid_OpenPath(QFile::encodeName(path).constData());
    if (handle <= 0) {
        state.SkipWithError("cannot open the emulated keyboard");
        return;
    }
    CTavrixHid_SetNonblocking(handle, 1);
    HighPrecisionTimerStu timer;
    CTavrixHid_highPrecisionTimerInit(&timer);
    CTavrixHid_highPrecisionTimerStart(timer);
    unsigned char report[kTavrixHidReportSize] = {0x01, 0x42};
    unsigned char answer[kTavrixHidReportSize];
    double written = 0;
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuStart = threadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(1)) {
            if (full && CTavrixHid_HidWriteBuff(handle, report, "bench") == kTavrixHidReportSize)
                ++written;
            CTavrixHid_highPrecisionTimerRunning(100, timer);
            CTavrixHid_HidReadBuff(handle, answer);
            CTavrixHid_highPrecisionTimerRunning(100, timer);
        }
        cpu += threadCpuSeconds() - cpuStart;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    CTavrixHid_highPrecisionTimerStop(timer);
    CTavrixHid_Close(handle);
    state.counters["reports_per_s"] = written / wall;
    state.counters["cpu_pct"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_PacedIoLoop)->ArgName("full")->Arg(1)->Arg(0)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
