#include "emubootloader.h"

#include "emudevice.h"
#include "sdk/bootloaderprotocol.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace BootloaderProtocol;

namespace {

constexpr uint16_t kVid = 0x1209;
constexpr uint16_t kPid = 0x000E;
constexpr uint16_t kChipPid = 0x000F;
constexpr uint8_t kChipFlashed = 0x50;
constexpr int kReportSize = 64;
constexpr unsigned char kStatusFailed = 1;

uint32_t word(const unsigned char *report)
{
    return (uint32_t(report[6]) << 24) | (uint32_t(report[7]) << 16) | (uint32_t(report[8]) << 8) | report[9];
}

}  // namespace

EmuBootloader::EmuBootloader(const QString &dir, const QString &tag, QObject *parent)
    : QObject(parent), m_dir(dir), m_tag(tag)
{ }

EmuBootloader::~EmuBootloader()
{
    stop();
}

QString EmuBootloader::socketPath() const
{
    return QDir(m_dir).absoluteFilePath(EmuDevice::socketFileName(kVid, m_chipMode ? kChipPid : kPid, m_tag));
}

bool EmuBootloader::start(QString *error)
{
    if (m_listenFd >= 0)
        return true;
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un addr {};
    addr.sun_family = AF_UNIX;
    if (path.size() >= int(sizeof(addr.sun_path)))
        return fail(QStringLiteral("socket path too long: %1").arg(socketPath()));
    std::memcpy(addr.sun_path, path.constData(), static_cast<size_t>(path.size()));
    QDir().mkpath(m_dir);
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    ::unlink(path.constData());
    // Bound but not yet listening, the socket is there and refuses connections.
    const bool listenNow = m_listenDelayMs <= 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) != 0 || (listenNow && ::listen(fd, 8) != 0)) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return fail(why);
    }
    m_listenFd = fd;
    m_listenNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_listenNotifier, &QSocketNotifier::activated, this, &EmuBootloader::onNewConnection);
    if (!listenNow) {
        QTimer::singleShot(m_listenDelayMs, this, [this, fd] {
            if (m_listenFd == fd)
                ::listen(fd, 8);
        });
    }
    return true;
}

void EmuBootloader::stop()
{
    const QList<int> fds = m_connections.keys();
    for (const int fd : fds)
        closeConnection(fd);
    if (m_listenFd < 0)
        return;
    ::unlink(QFile::encodeName(socketPath()).constData());
    delete m_listenNotifier;
    m_listenNotifier = nullptr;
    ::close(m_listenFd);
    m_listenFd = -1;
}

void EmuBootloader::onNewConnection()
{
    for (;;) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { onReadable(fd); });
        m_connections.insert(fd, notifier);
    }
}

void EmuBootloader::closeConnection(int fd)
{
    QSocketNotifier *notifier = m_connections.take(fd);
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(fd);
}

void EmuBootloader::onReadable(int fd)
{
    unsigned char buffer[kReportSize + 1];
    while (m_connections.contains(fd)) {
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), MSG_TRUNC);
        if (n == 0) {
            closeConnection(fd);
            return;
        }
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                closeConnection(fd);
            return;
        }
        if (n == kReportSize)
            handle(fd, buffer);
    }
}

void EmuBootloader::answer(int fd, const unsigned char *request, unsigned char status)
{
    if (m_silent)
        return;
    unsigned char reply[kReportSize] = {};
    reply[0] = kReportId;
    reply[1] = static_cast<unsigned char>(request[1] + kAnswerOffset);
    reply[2] = request[2];
    reply[3] = request[3];
    reply[6] = status;
    ::send(fd, reply, sizeof(reply), MSG_NOSIGNAL | MSG_DONTWAIT);
}

void EmuBootloader::handle(int fd, const unsigned char *report)
{
    if (report[0] != kReportId)
        return;
    if (m_chipMode) {
        if (report[1] == kChipFlashed) {
            ++m_sessionsStarted;
            ++m_sessionsFlashed;
            m_chipVersion = QByteArray(reinterpret_cast<const char *>(report + 6), 4);
            m_chipVersion.truncate(int(qstrnlen(m_chipVersion.constData(), 4)));
            Q_EMIT sigFlashed();
        }
        return;
    }
    switch (report[1]) {
    case kStart:
        ++m_sessionsStarted;
        m_image.clear();
        m_expectedSize = int(word(report));
        m_isDongle = report[2];
        m_nextPacket = 0;
        answer(fd, report, kStatusOk);
        break;
    case kData: {
        const int number = (report[2] << 8) | report[3];
        const int length = report[5];
        const bool fits = m_expectedSize >= 0 && number == (m_nextPacket & 0xFFFF) && length >= 1
            && length <= kPayloadSize && m_image.size() + length <= m_expectedSize;
        if (fits) {
            m_image.append(reinterpret_cast<const char *>(report + 6), length);
            ++m_nextPacket;
        }
        answer(fd, report, fits ? kStatusOk : kStatusFailed);
        break;
    }
    case kFinish: {
        bool ok = m_image.size() == m_expectedSize && word(report) == checksum(m_image);
        if (ok && m_failSessions > 0) {
            --m_failSessions;
            ok = false;
        }
        if (ok) {
            m_flashed = m_image;
            m_flashedIsDongle = m_isDongle;
            ++m_sessionsFlashed;
        }
        m_expectedSize = -1;
        answer(fd, report, ok ? kStatusOk : kStatusFailed);
        if (ok)
            Q_EMIT sigFlashed();
        break;
    }
    default: break;
    }
}
