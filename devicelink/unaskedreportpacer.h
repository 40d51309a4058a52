#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QTimer;

// Applies what a keyboard tells on its own at most once per interval for each kind of
// report: the first report of a quiet kind is applied at once; those that follow within
// the interval only replace the one waiting, which is applied when the interval ends
// (the last value wins; nothing queues). A keyboard that repeats a report a thousand
// times a second thus costs a few store writes and page updates a second, not a thousand.
class UnaskedReportPacer : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultIntervalMs = 250;

    explicit UnaskedReportPacer(QObject *parent = nullptr);

    // A new interval counts at once, also for what waits now (0: a waiting report is
    // applied as soon as the event loop runs).
    void setIntervalMs(int ms);
    int intervalMs() const { return m_intervalMs; }

    // Applies apply now, or keeps it as the kind's waiting one in place of an earlier.
    void offer(int kind, std::function<void()> apply);
    // Whether a report of the kind waits.
    bool isWaiting(int kind) const;
    // Forgets the kind's waiting report (its value was applied another way).
    void drop(int kind);

private:
    struct Slot
    {
        QTimer *timer = nullptr;
        std::function<void()> waiting;
    };
    Slot &slot(int kind);
    void onIntervalOver(int kind);

    int m_intervalMs = DefaultIntervalMs;
    QHash<int, Slot> m_slots;
};
