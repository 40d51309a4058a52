#pragma once

#include <QByteArray>
#include <QString>

// The keyboard's end of the emulated transport, for tests: a listening
// SOCK_SEQPACKET socket at a path, and the one connection accepted on it.
class SeqPacketPeer
{
public:
    explicit SeqPacketPeer(const QString &path);
    ~SeqPacketPeer();
    SeqPacketPeer(const SeqPacketPeer &) = delete;
    SeqPacketPeer &operator=(const SeqPacketPeer &) = delete;

    bool isListening() const { return m_listenFd >= 0; }
    QString path() const { return m_path; }

    // Accepts the pending connection; false when none came within the time.
    bool accept(int timeoutMs = 1000);
    // One message, whatever its length; a null array when none came in time.
    QByteArray receive(int timeoutMs = 1000);
    bool send(const QByteArray &message);
    // Ends the connection, as an emulator does when the keyboard is unplugged.
    void closeConnection();
    // Stops listening and removes the socket file.
    void closeListener();

private:
    QString m_path;
    int m_listenFd = -1;
    int m_connectionFd = -1;
};
