#include "devicelink/unaskedreportpacer.h"

#include <QTimer>

UnaskedReportPacer::UnaskedReportPacer(QObject *parent) : QObject(parent)
{ }

UnaskedReportPacer::Slot &UnaskedReportPacer::slot(int kind)
{
    Slot &s = m_slots[kind];
    if (!s.timer) {
        s.timer = new QTimer(this);
        s.timer->setSingleShot(true);
        connect(s.timer, &QTimer::timeout, this, [this, kind] { onIntervalOver(kind); });
    }
    return s;
}

void UnaskedReportPacer::setIntervalMs(int ms)
{
    m_intervalMs = qMax(0, ms);
    for (Slot &s : m_slots) {
        if (s.timer->isActive())
            s.timer->start(m_intervalMs);
    }
}

void UnaskedReportPacer::offer(int kind, std::function<void()> apply)
{
    Slot &s = slot(kind);
    if (s.timer->isActive()) {
        s.waiting = std::move(apply);
        return;
    }
    s.timer->start(m_intervalMs);
    apply();
}

bool UnaskedReportPacer::isWaiting(int kind) const
{
    const auto it = m_slots.constFind(kind);
    return it != m_slots.cend() && it->waiting != nullptr;
}

void UnaskedReportPacer::drop(int kind)
{
    const auto it = m_slots.find(kind);
    if (it != m_slots.end())
        it->waiting = nullptr;
}

void UnaskedReportPacer::onIntervalOver(int kind)
{
    Slot &s = slot(kind);
    if (!s.waiting)
        return;  // quiet for a whole interval: the next report applies at once
    const std::function<void()> apply = std::move(s.waiting);
    s.waiting = nullptr;
    s.timer->start(m_intervalMs);
    apply();
}
