#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (log-out, Ctrl+C, a closed terminal) into a Qt
// signal on the GUI thread, so the program ends through its normal quit path:
// devices closed, threads joined, the instance key freed. One instance per process.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void sigQuitRequested(int signalNumber);

private Q_SLOTS:
    void onReadable();

private:
    QSocketNotifier *m_notifier = nullptr;
};
