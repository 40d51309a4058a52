#include "support/seqpacketpeer.h"

#include <QFile>

#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool waitReadable(int fd, int timeoutMs)
{
    pollfd item {fd, POLLIN, 0};
    return poll(&item, 1, timeoutMs) > 0;
}

}  // namespace

SeqPacketPeer::SeqPacketPeer(const QString &path) : m_path(path)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (size_t(encoded.size()) >= sizeof address.sun_path)
        return;
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    if (bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || listen(fd, 4) != 0) {
        ::close(fd);
        return;
    }
    m_listenFd = fd;
}

SeqPacketPeer::~SeqPacketPeer()
{
    closeConnection();
    closeListener();
}

bool SeqPacketPeer::accept(int timeoutMs)
{
    if (m_listenFd < 0 || !waitReadable(m_listenFd, timeoutMs))
        return false;
    closeConnection();
    m_connectionFd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    return m_connectionFd >= 0;
}

QByteArray SeqPacketPeer::receive(int timeoutMs)
{
    if (m_connectionFd < 0 || !waitReadable(m_connectionFd, timeoutMs))
        return QByteArray();
    char buffer[4096];
    const ssize_t count = ::recv(m_connectionFd, buffer, sizeof buffer, 0);
    return count < 0 ? QByteArray() : QByteArray(buffer, int(count));
}

bool SeqPacketPeer::send(const QByteArray &message)
{
    return m_connectionFd >= 0
        && ::send(m_connectionFd, message.constData(), size_t(message.size()), MSG_NOSIGNAL) == message.size();
}

void SeqPacketPeer::closeConnection()
{
    if (m_connectionFd >= 0)
        ::close(m_connectionFd);
    m_connectionFd = -1;
}

void SeqPacketPeer::closeListener()
{
    if (m_listenFd < 0)
        return;
    ::close(m_listenFd);
    m_listenFd = -1;
    QFile::remove(m_path);
}
