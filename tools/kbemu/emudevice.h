#pragma once

#include "devicelink/hidreport.h"
#include "emukeyboard.h"

#include <QElapsedTimer>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>

#include <QTimer>

#include <functional>
#include <map>
#include <mutex>

class QSocketNotifier;

// One report the emulated keyboard received, with the time since the device started.
struct EmuLogEntry
{
    qint64 ms = 0;
    HidReport report;

    // "<ms since start> <hex bytes>"
    QString toLine() const;
};

// One emulated keyboard on the emulated transport: a listening SOCK_SEQPACKET socket
// named vid_VVVV&pid_PPPP[&TAG].sock in a folder, where every message is one 64-byte
// report. The host connects to open the device; the keyboard answers through its
// EmuKeyboard. Runs in the thread that creates it (socket notifiers and timers).
class EmuDevice : public QObject
{
    Q_OBJECT

public:
    EmuDevice(const QString &dir, const EmuModelInfo &model, const QString &tag = QString(), bool receiver = false,
              QObject *parent = nullptr);
    ~EmuDevice() override;

    static QString socketFileName(uint16_t vid, uint16_t pid, const QString &tag);
    // A tag holds letters, digits, "_" and "-" only.
    static bool isValidTag(const QString &tag);

    // Writes the sidecar file, then creates the socket: from then on the device is present.
    bool start(QString *error = nullptr);
    // Closes every connection and removes the socket and its sidecar.
    void stop();
    // Unplugs: like stop(); with returnAfterMs >= 0 the device comes back that much later.
    void vanish(int returnAfterMs = -1);
    // Plugs in again, with the keyboard's state kept.
    bool comeBack() { return start(); }
    bool isPresent() const { return m_listenFd >= 0; }
    int connectionCount() const { return m_connections.size(); }

    QString socketPath() const;
    QString directory() const { return m_dir; }
    QString tag() const { return m_tag; }
    QString sidecarPath() const { return socketPath() + QStringLiteral(".json"); }
    EmuKeyboard *keyboard() { return &m_keyboard; }
    const EmuModelInfo &model() const { return m_keyboard.model(); }

    // Facts for the sidecar; the defaults come from the model. Written at the next start.
    QJsonObject sidecar() const { return m_sidecar; }
    void setSidecarValue(const QString &key, const QJsonValue &value) { m_sidecar.insert(key, value); }

    // The log of received reports; safe to read from any thread.
    QList<EmuLogEntry> received() const;
    QList<HidReport> receivedReports() const;
    void clearReceived();
    qint64 elapsedMs() const { return m_clock.elapsed(); }
    // Each received report's log line is also handed here (the command prints it).
    void setLineSink(std::function<void(const QString &)> sink) { m_lineSink = std::move(sink); }
    // Off: received() stays empty. The command keeps no log in memory, which
    // would grow for as long as it serves live lighting.
    void setKeepReceived(bool keep) { m_keepReceived = keep; }
    // Messages of another length than 64 bytes, which are ignored.
    int ignoredMessages() const { return m_ignoredMessages; }

    // Runs fn ms after the device started (at once when that time has passed).
    // Actions run in the order of their times, those of one time in the order
    // they were given, on a precise timer at any distance.
    void at(qint64 ms, std::function<void()> fn);

Q_SIGNALS:
    void sigReportReceived(const HidReport &report);
    void sigConnected();
    void sigDisconnected();

private:
    void onNewConnection();
    void onReadable(int fd);
    void closeConnection(int fd);
    void sendToHost(const QByteArray &message);
    bool writeSidecar(QString *error);
    void runDueActions();
    void armSchedule();

    QString m_dir;
    QString m_tag;
    EmuKeyboard m_keyboard;
    QJsonObject m_sidecar;
    int m_listenFd = -1;
    QSocketNotifier *m_listenNotifier = nullptr;
    QHash<int, QSocketNotifier *> m_connections;
    QElapsedTimer m_clock;
    mutable std::mutex m_logMutex;
    QList<EmuLogEntry> m_log;
    std::function<void(const QString &)> m_lineSink;
    bool m_keepReceived = true;
    int m_ignoredMessages = 0;
    int m_dropped = 0;
    // Scripted actions by their time since the start; equal times keep their order.
    std::multimap<qint64, std::function<void()>> m_schedule;
    QTimer *m_scheduleTimer = nullptr;
};
