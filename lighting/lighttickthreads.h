#pragma once

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

// The light engine's four ticks. Each only sleeps and emits a signal that is queued to the
// engine on the GUI thread; run flags and periods are single atomic words written by the
// GUI thread and read here without a lock. A tick sleeps until its next emission is due
// (or until it is stopped), so a running tick wakes only to emit. A held tick keeps
// running but neither emits nor wakes until it is released or stopped: a light that does
// not move needs no frames.

// Sleeps until a deadline on the monotonic clock, or until wake() is called.
class TickSleeper
{
public:
    // Returns false when woken early.
    bool sleepUntil(std::chrono::steady_clock::time_point due);
    void wake();
    // Sleeps while the flag is set, until wake(); returns at once when it is not.
    void sleepWhile(const std::atomic<bool> &flag);

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_woken = false;
};

// Base of the keyboard and side frame ticks: fires at the first pass after a start, then
// every period (a period change takes effect from the next emission).
class LightFrameTickThread : public QThread
{
    Q_OBJECT

public:
    LightFrameTickThread(int periodMs, int stampDigits, QObject *parent);
    void setRunFlag(bool run);
    bool runFlag() const { return m_run.load(); }
    void setHeld(bool held);
    bool isHeld() const { return m_held.load(); }
    // Clamped to 8..28 ms.
    void setPeriod(int ms);
    int period() const { return m_period.load(); }

    // The stamp the tick compares: the last digits of the millisecond clock written in decimal.
    static int clockStamp(qint64 epochMs, int digits);
    // Waits for run() to return; afterwards everything the thread did is visible here.
    void waitEnded();

protected:
    void run() override;
    virtual void emitTick() = 0;

private:
    std::atomic<bool> m_run {false};
    std::atomic<bool> m_held {false};
    std::atomic<int> m_period;
    std::atomic<int> m_stamp {0};
    std::atomic<bool> m_ended {false};
    const int m_digits;
    TickSleeper m_sleeper;
};

class updateLightMainThread : public LightFrameTickThread
{
    Q_OBJECT

public:
    explicit updateLightMainThread(QObject *parent = nullptr) : LightFrameTickThread(12, 8, parent) { }

Q_SIGNALS:
    void sigDeviceUpdateAllKeyColor();

protected:
    void emitTick() override { emit sigDeviceUpdateAllKeyColor(); }
};

class updateLightMainThreadSide : public LightFrameTickThread
{
    Q_OBJECT

public:
    explicit updateLightMainThreadSide(QObject *parent = nullptr) : LightFrameTickThread(15, 6, parent) { }

Q_SIGNALS:
    void sigDeviceUpdateAllKeyColorSide();

protected:
    void emitTick() override { emit sigDeviceUpdateAllKeyColorSide(); }
};

// Fires every 30 ms while running.
class LightIntervalThread : public QThread
{
    Q_OBJECT

public:
    using QThread::QThread;
    void setRunFlag(bool run);
    bool runFlag() const { return m_run.load(); }
    void setHeld(bool held);
    bool isHeld() const { return m_held.load(); }
    void waitEnded();

protected:
    void run() override;
    virtual void emitTick() = 0;

private:
    std::atomic<bool> m_run {false};
    std::atomic<bool> m_held {false};
    std::atomic<bool> m_ended {false};
    TickSleeper m_sleeper;
};

class updateLightMainThreadUI : public LightIntervalThread
{
    Q_OBJECT

public:
    using LightIntervalThread::LightIntervalThread;

Q_SIGNALS:
    void sigDeviceUpdateAllKeyColorUI();

protected:
    void emitTick() override { emit sigDeviceUpdateAllKeyColorUI(); }
};

class sendLightUpdateThread : public LightIntervalThread
{
    Q_OBJECT

public:
    using LightIntervalThread::LightIntervalThread;

Q_SIGNALS:
    void sigDeviceUpdateAllKeyColorSendKeyboardHid();

protected:
    void emitTick() override { emit sigDeviceUpdateAllKeyColorSendKeyboardHid(); }
};
