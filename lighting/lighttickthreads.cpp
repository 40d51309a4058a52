#include "lighting/lighttickthreads.h"

#include <QDateTime>

LightFrameTickThread::LightFrameTickThread(int periodMs, int stampDigits, QObject *parent)
    : QThread(parent), m_period(periodMs), m_digits(stampDigits)
{ }

bool TickSleeper::sleepUntil(std::chrono::steady_clock::time_point due)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const bool woken = m_cv.wait_until(lock, due, [this] { return m_woken; });
    m_woken = false;
    return !woken;
}

void TickSleeper::sleepWhile(const std::atomic<bool> &flag)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cv.wait(lock, [this, &flag] { return m_woken || !flag.load(); });
    m_woken = false;
}

void TickSleeper::wake()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_woken = true;
    }
    m_cv.notify_all();
}

void LightFrameTickThread::setRunFlag(bool run)
{
    m_run = run;
    m_stamp = 0;
    if (!run)
        m_sleeper.wake();  // ends at once, not after its current period
}

void LightFrameTickThread::setHeld(bool held)
{
    if (m_held.exchange(held) && !held)
        m_sleeper.wake();
}

void LightFrameTickThread::setPeriod(int ms)
{
    m_period = qBound(8, ms, 28);
}

int LightFrameTickThread::clockStamp(qint64 epochMs, int digits)
{
    const QString text = QString::number(epochMs);
    return text.right(digits).toInt();
}

void LightFrameTickThread::run()
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point due = Clock::now();
    while (m_run.load()) {
        if (m_held.load()) {
            m_sleeper.sleepWhile(m_held);
            due = Clock::now();  // released: the first tick comes at once
            continue;
        }
        emitTick();
        due += std::chrono::milliseconds(m_period.load());
        // A tick that fell behind (a suspended process) does not fire a burst to catch up.
        const Clock::time_point now = Clock::now();
        if (due < now)
            due = now;
        while (m_run.load() && m_sleeper.sleepUntil(due) == false && Clock::now() < due) { }
    }
    m_ended.store(true, std::memory_order_release);
}

// QThread::wait synchronises through Qt's own primitives; the release/acquire pair on
// m_ended makes the hand-over explicit in C++ terms (and visible to the thread sanitizer).
void LightFrameTickThread::waitEnded()
{
    wait();
    m_ended.load(std::memory_order_acquire);
}

void LightIntervalThread::setRunFlag(bool run)
{
    m_run = run;
    if (!run)
        m_sleeper.wake();
}

void LightIntervalThread::setHeld(bool held)
{
    if (m_held.exchange(held) && !held)
        m_sleeper.wake();
}

void LightIntervalThread::run()
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point due = Clock::now();
    while (m_run.load()) {
        if (m_held.load()) {
            m_sleeper.sleepWhile(m_held);
            due = Clock::now();
            continue;
        }
        due += std::chrono::milliseconds(30);
        const Clock::time_point now = Clock::now();
        if (due < now)
            due = now;
        m_sleeper.sleepUntil(due);
        if (m_run.load())
            emitTick();
    }
    m_ended.store(true, std::memory_order_release);
}

void LightIntervalThread::waitEnded()
{
    wait();
    m_ended.load(std::memory_order_acquire);
}
