#include "lighting/lighttickthreads.h"

#include <QDateTime>

LightFrameTickThread::LightFrameTickThread(int periodMs, int stampDigits, QObject *parent)
    : QThread(parent), m_period(periodMs), m_digits(stampDigits)
{ }

void LightFrameTickThread::setRunFlag(bool run)
{
    m_run = run;
    m_stamp = 0;
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
    while (m_run.load()) {
        msleep(1);
        const int s = clockStamp(QDateTime::currentMSecsSinceEpoch(), m_digits);
        if (s < m_stamp.load())
            m_stamp = s;  // the clock text wrapped
        if (s - m_stamp.load() >= m_period.load() || m_stamp.load() == 0) {
            emitTick();
            m_stamp = s;
        }
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

void LightIntervalThread::run()
{
    while (m_run.load()) {
        msleep(30);
        emitTick();
    }
    m_ended.store(true, std::memory_order_release);
}

void LightIntervalThread::waitEnded()
{
    wait();
    m_ended.load(std::memory_order_acquire);
}
