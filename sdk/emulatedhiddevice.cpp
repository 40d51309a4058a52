#include "sdk/emulatedhiddevice.h"

#include <QElapsedTimer>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A listener with a full backlog refuses with EAGAIN; it usually accepts a
// moment later, so try a few times before giving up.
constexpr int kConnectAttempts = 20;
constexpr int kConnectRetryUs = 10000;

}  // namespace

std::unique_ptr<EmulatedHidDevice> EmulatedHidDevice::connectTo(const QByteArray &socketPath)
{
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (socketPath.isEmpty() || size_t(socketPath.size()) >= sizeof address.sun_path)
        return nullptr;
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));

    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return nullptr;
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            return std::unique_ptr<EmulatedHidDevice>(new EmulatedHidDevice(fd));
        if (errno != EAGAIN && errno != EINTR)
            break;
        usleep(kConnectRetryUs);
    }
    const int reason = errno;  // a caller tells a refused connection from a missing one
    ::close(fd);
    errno = reason;
    return nullptr;
}

EmulatedHidDevice::EmulatedHidDevice(int fd) : m_fd(fd)
{ }

EmulatedHidDevice::~EmulatedHidDevice()
{
    ::close(m_fd);
}

void EmulatedHidDevice::shutdown()
{
    HidDevice::shutdown();
    ::shutdown(m_fd, SHUT_RDWR);
}

int EmulatedHidDevice::waitForInput(int wakeFd, int timeoutMs)
{
    return waitOnDescriptor(m_gone ? -1 : m_fd, wakeFd, timeoutMs);
}

bool EmulatedHidDevice::peerHungUp() const
{
    pollfd item {m_fd, POLLIN | POLLRDHUP, 0};
    return poll(&item, 1, 0) > 0 && (item.revents & (POLLHUP | POLLRDHUP | POLLERR));
}

int EmulatedHidDevice::write(const unsigned char *data, int length)
{
    if (!data || length <= 0 || m_closed || m_gone)
        return -1;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const ssize_t sent = ::send(m_fd, data, size_t(length), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (sent == length)
            return length;
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && errno == EAGAIN && !m_closed) {
            // The peer's queue is full: wait for room, but never for long.
            const qint64 left = kWriteTimeoutMs - waited.elapsed();
            if (left <= 0)
                return -1;
            pollfd item {m_fd, POLLOUT, 0};
            poll(&item, 1, int(qMin<qint64>(left, kBlockingReadSliceMs)));
            continue;
        }
        // EPIPE, ECONNRESET, ENOTCONN: the emulator closed the connection.
        if (sent < 0 && errno != EAGAIN)
            m_gone = true;
        return -1;
    }
}

int EmulatedHidDevice::read(unsigned char *buffer, int size)
{
    if (!buffer || size <= 0 || m_closed || m_gone)
        return -1;
    unsigned char report[kReportSize];
    for (;;) {
        // MSG_TRUNC makes recv give the message's real length, so a longer
        // message is recognised and dropped rather than read cut short.
        const ssize_t received = ::recv(m_fd, report, sizeof report, MSG_DONTWAIT | MSG_TRUNC);
        if (received == kReportSize) {
            const int count = qMin(size, kReportSize);
            std::memcpy(buffer, report, size_t(count));
            return count;
        }
        if (received > 0)
            continue;  // another length: not a report
        if (received == 0) {
            // Either an empty message or the end of the connection.
            if (peerHungUp()) {
                m_gone = true;
                return -1;
            }
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN) {
            m_gone = true;
            return -1;
        }
        if (m_nonblocking)
            return 0;
        if (m_closed)
            return -1;
        pollfd item {m_fd, POLLIN, 0};
        poll(&item, 1, kBlockingReadSliceMs);
        if (m_closed)
            return -1;
    }
}
