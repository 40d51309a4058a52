#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A keyboard in its USB bootloader (1209:000E) on the emulated transport: a
// listening SOCK_SEQPACKET socket that takes an image over the bootloader
// protocol (sdk/bootloaderprotocol.h) and keeps what it received. Runs in the
// thread that creates it.
class EmuBootloader : public QObject
{
    Q_OBJECT

public:
    explicit EmuBootloader(const QString &dir, const QString &tag = QString(), QObject *parent = nullptr);

    // Plays the chip-upgrade mode of a keyboard with a Bluetooth chip instead
    // (1209:000F): the vendor's library finds it and flashes it its own way; the
    // test stand-in of that library ends a flashing with the report
    // 01 50 .. [6..9] the new version, which counts as a flashed session.
    void setChipUpgradeMode(bool on) { m_chipMode = on; }
    bool isChipUpgradeMode() const { return m_chipMode; }
    QByteArray chipVersion() const { return m_chipVersion; }
    ~EmuBootloader() override;

    bool start(QString *error = nullptr);
    void stop();
    QString socketPath() const;

    // Misbehaviour: the next `count` sessions are refused at their finish.
    void failNextSessions(int count) { m_failSessions = count; }
    // Misbehaviour: the socket appears at start but takes connections only this
    // much later, like a hidraw node that udev has not yet opened to the user.
    void setListenDelay(int ms) { m_listenDelayMs = ms; }
    // Misbehaviour: answer nothing at all.
    void setSilent(bool silent) { m_silent = silent; }

    // What the last completed session wrote, and how it went.
    QByteArray flashedImage() const { return m_flashed; }
    int flashedIsDongle() const { return m_flashedIsDongle; }
    int sessionsStarted() const { return m_sessionsStarted; }
    int sessionsFlashed() const { return m_sessionsFlashed; }
    int connectionCount() const { return m_connections.size(); }

Q_SIGNALS:
    void sigFlashed();

private:
    void onNewConnection();
    void onReadable(int fd);
    void closeConnection(int fd);
    void answer(int fd, const unsigned char *request, unsigned char status);
    void handle(int fd, const unsigned char *report);

    QString m_dir;
    QString m_tag;
    int m_listenFd = -1;
    QSocketNotifier *m_listenNotifier = nullptr;
    QHash<int, QSocketNotifier *> m_connections;

    // The session in progress.
    QByteArray m_image;
    int m_expectedSize = -1;
    int m_isDongle = 0;
    int m_nextPacket = 0;

    QByteArray m_flashed;
    int m_flashedIsDongle = -1;
    int m_sessionsStarted = 0;
    int m_sessionsFlashed = 0;
    int m_failSessions = 0;
    int m_listenDelayMs = 0;
    bool m_chipMode = false;
    QByteArray m_chipVersion;
    bool m_silent = false;
};
