#pragma once

// What the benches share: the process's CPU time and waiting in the event loop.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <ctime>
#include <functional>

namespace BenchSupport {

inline double processCpuSeconds()
{
    timespec ts {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
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

}  // namespace BenchSupport
