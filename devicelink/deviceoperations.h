#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// The long device operations under way in the process: a firmware update, a
// Download. Each writes a keyboard's memory over many reports, and one left halfway
// leaves the keyboard in its bootloader or with a half-written profile, so each runs
// to its own end (every one of its waits is bounded) whatever happens to the window
// or dialog that started it. The quit paths ask here whether one runs and wait for
// the last to end. GUI thread only.
class DeviceOperations : public QObject
{
    Q_OBJECT

public:
    // The one registry of the process.
    static DeviceOperations *instance();

    // `operation` runs from now until end() or its destruction; `what` names it in
    // the log. Beginning again while it runs changes nothing.
    void begin(QObject *operation, const QString &what);
    void end(QObject *operation);
    bool isBusy() const { return !m_running.isEmpty(); }
    QStringList running() const { return m_running.values(); }

    // Calls `then` once nothing runs: at once when nothing does, otherwise when the
    // last operation ends (not when `context` is gone by then).
    void whenIdle(QObject *context, const std::function<void()> &then);
    // Runs the event loop until nothing runs. For a way out that cannot wait in the
    // event loop any more (the loop has already ended).
    void waitUntilIdle();

Q_SIGNALS:
    void sigIdle();

private:
    explicit DeviceOperations(QObject *parent = nullptr);

    QHash<QObject *, QString> m_running;
};
