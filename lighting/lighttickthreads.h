#pragma once

#include <QThread>

#include <atomic>

// The light engine's four ticks. Each only sleeps and emits a signal that is queued to the
// engine on the GUI thread; run flags and periods are single atomic words written by the
// GUI thread and read here without a lock.

// Base of the keyboard and side frame ticks: polls the clock every millisecond and fires
// once the period has passed since the last emission (and at the first pass after a start).
class LightFrameTickThread : public QThread
{
    Q_OBJECT

public:
    LightFrameTickThread(int periodMs, int stampDigits, QObject *parent);
    void setRunFlag(bool run);
    bool runFlag() const { return m_run.load(); }
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
    std::atomic<int> m_period;
    std::atomic<int> m_stamp {0};
    std::atomic<bool> m_ended {false};
    const int m_digits;
};

class updateLightMainThread : public LightFrameTickThread
{
    Q_OBJECT

public:
    explicit updateLightMainThread(QObject *parent = nullptr) : LightFrameTickThread(12, 8, parent) { }

Q_SIGNALS:
    void sigDviceUpdateAllKeyColor();

protected:
    void emitTick() override { emit sigDviceUpdateAllKeyColor(); }
};

class updateLightMainThreadSide : public LightFrameTickThread
{
    Q_OBJECT

public:
    explicit updateLightMainThreadSide(QObject *parent = nullptr) : LightFrameTickThread(15, 6, parent) { }

Q_SIGNALS:
    void sigDviceUpdateAllKeyColorSide();

protected:
    void emitTick() override { emit sigDviceUpdateAllKeyColorSide(); }
};

// Fires every 30 ms while running.
class LightIntervalThread : public QThread
{
    Q_OBJECT

public:
    using QThread::QThread;
    void setRunFlag(bool run) { m_run = run; }
    bool runFlag() const { return m_run.load(); }
    void waitEnded();

protected:
    void run() override;
    virtual void emitTick() = 0;

private:
    std::atomic<bool> m_run {false};
    std::atomic<bool> m_ended {false};
};

class updateLightMainThreadUI : public LightIntervalThread
{
    Q_OBJECT

public:
    using LightIntervalThread::LightIntervalThread;

Q_SIGNALS:
    void sigDviceUpdateAllKeyColorUI();

protected:
    void emitTick() override { emit sigDviceUpdateAllKeyColorUI(); }
};

class sendLightUpdataThread : public LightIntervalThread
{
    Q_OBJECT

public:
    using LightIntervalThread::LightIntervalThread;

Q_SIGNALS:
    void sigDviceUpdateAllKeyColorSendKeyboardHid();

protected:
    void emitTick() override { emit sigDviceUpdateAllKeyColorSendKeyboardHid(); }
};
