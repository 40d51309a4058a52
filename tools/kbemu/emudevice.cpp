#include "emudevice.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTimer>

#include <limits>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString hex4(uint16_t v)
{
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0'));
}

}  // namespace

QString EmuLogEntry::toLine() const
{
    return QStringLiteral("%1 %2").arg(ms).arg(report.toHex());
}

EmuDevice::EmuDevice(const QString &dir, const EmuModelInfo &model, const QString &tag, bool receiver, QObject *parent)
    : QObject(parent), m_dir(QDir(dir).absolutePath()), m_tag(tag), m_keyboard(model, receiver, tag)
{
    m_clock.start();
    connect(&m_keyboard, &EmuKeyboard::sigSend, this, &EmuDevice::sendToHost);
    // A coarse timer (Qt's default above 2 s) may fire 5 % early or late, which
    // put scripted lines out of order.
    m_scheduleTimer = new QTimer(this);
    m_scheduleTimer->setSingleShot(true);
    m_scheduleTimer->setTimerType(Qt::PreciseTimer);
    connect(m_scheduleTimer, &QTimer::timeout, this, &EmuDevice::runDueActions);

    // Firmware facts no report carries: five identity texts, the version and its date.
    const QStringList identity
        = {QStringLiteral("Quorin-") + model.name, QStringLiteral("_") + hex4(m_keyboard.pid()).toUpper(), QString(),
           QString(), m_keyboard.isReceiver() ? QStringLiteral("Dongle") : QStringLiteral("Cable")};
    m_sidecar.insert(QStringLiteral("model"), model.name);
    m_sidecar.insert(QStringLiteral("firmwareId"), QJsonArray::fromStringList(identity));
    m_sidecar.insert(QStringLiteral("firmwareVersion"), QStringLiteral("V1.00"));
    m_sidecar.insert(QStringLiteral("firmwareDate"), QStringLiteral("2024-01-15 10:00:00"));
}

EmuDevice::~EmuDevice()
{
    stop();
}

QString EmuDevice::socketFileName(uint16_t vid, uint16_t pid, const QString &tag)
{
    QString name = QStringLiteral("vid_%1&pid_%2").arg(hex4(vid), hex4(pid));
    if (!tag.isEmpty())
        name += QLatin1Char('&') + tag;
    return name + QStringLiteral(".sock");
}

bool EmuDevice::isValidTag(const QString &tag)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]*$"));
    return pattern.match(tag).hasMatch();
}

QString EmuDevice::socketPath() const
{
    return m_dir + QLatin1Char('/') + socketFileName(model().vid, m_keyboard.pid(), m_tag);
}

bool EmuDevice::writeSidecar(QString *error)
{
    QSaveFile file(sidecarPath());
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(m_sidecar).toJson());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool EmuDevice::start(QString *error)
{
    if (m_listenFd >= 0)
        return true;
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!isValidTag(m_tag))
        return fail(QStringLiteral("invalid tag \"%1\"").arg(m_tag));
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un addr {};
    addr.sun_family = AF_UNIX;
    QDir().mkpath(m_dir);
    if (!writeSidecar(error))
        return false;

    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    // The socket is bound under a name of its own and renamed into place once it
    // listens: a host that sees the path appear must never find it refusing
    // connections, which a busy machine can stretch between bind and listen.
    const QByteArray binding = path + ".binding";
    if (binding.size() >= int(sizeof(addr.sun_path)))
        return fail(QStringLiteral("socket path too long: %1").arg(socketPath()));
    std::memcpy(addr.sun_path, binding.constData(), static_cast<size_t>(binding.size()) + 1);
    ::unlink(binding.constData());  // a socket left behind by an emulator that did not stop cleanly
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) != 0 || ::listen(fd, 8) != 0
        || ::rename(binding.constData(), path.constData()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        ::unlink(binding.constData());
        QFile::remove(sidecarPath());
        return fail(why);
    }
    m_listenFd = fd;
    m_listenNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_listenNotifier, &QSocketNotifier::activated, this, &EmuDevice::onNewConnection);
    return true;
}

void EmuDevice::stop()
{
    m_keyboard.cancelPending();
    const QList<int> fds = m_connections.keys();
    for (const int fd : fds)
        closeConnection(fd);
    if (m_listenFd < 0)
        return;
    // The socket file goes first: its disappearance is what the host sees as the removal.
    ::unlink(QFile::encodeName(socketPath()).constData());
    delete m_listenNotifier;
    m_listenNotifier = nullptr;
    ::close(m_listenFd);
    m_listenFd = -1;
    QFile::remove(sidecarPath());
}

void EmuDevice::vanish(int returnAfterMs)
{
    stop();
    if (returnAfterMs >= 0) {
        QPointer<EmuDevice> self(this);
        QTimer::singleShot(returnAfterMs, this, [self] {
            if (self)
                self->comeBack();
        });
    }
}

void EmuDevice::onNewConnection()
{
    for (;;) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { onReadable(fd); });
        m_connections.insert(fd, notifier);
        Q_EMIT sigConnected();
    }
}

void EmuDevice::closeConnection(int fd)
{
    QSocketNotifier *notifier = m_connections.take(fd);
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(fd);
    Q_EMIT sigDisconnected();
}

void EmuDevice::onReadable(int fd)
{
    uint8_t buffer[HidReport::Size + 1];
    // Everything pending is handled now; the loop stops when a report's handling closed
    // this connection (an unplug in the middle of an operation).
    while (m_connections.contains(fd)) {
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), MSG_TRUNC);
        if (n == 0) {
            closeConnection(fd);
            return;
        }
        if (n < 0) {
            const int err = errno;
            if (err == EINTR)
                continue;
            if (err != EAGAIN && err != EWOULDBLOCK)
                closeConnection(fd);
            return;
        }
        if (n != HidReport::Size) {
            ++m_ignoredMessages;
            continue;
        }
        const EmuLogEntry entry {m_clock.elapsed(), HidReport::fromBytes(buffer, HidReport::Size)};
        if (m_keepReceived) {
            std::lock_guard<std::mutex> lock(m_logMutex);
            m_log.append(entry);
        }
        if (m_lineSink)
            m_lineSink(entry.toLine());
        Q_EMIT sigReportReceived(entry.report);
        m_keyboard.handleReport(entry.report);
    }
}

void EmuDevice::sendToHost(const QByteArray &message)
{
    const QList<int> fds = m_connections.keys();
    for (const int fd : fds) {
        // A full socket buffer loses the report, as an overrun input queue would.
        if (::send(fd, message.constData(), static_cast<size_t>(message.size()), MSG_NOSIGNAL | MSG_DONTWAIT) < 0)
            ++m_dropped;
    }
}

QList<EmuLogEntry> EmuDevice::received() const
{
    std::lock_guard<std::mutex> lock(m_logMutex);
    return m_log;
}

QList<HidReport> EmuDevice::receivedReports() const
{
    QList<HidReport> reports;
    for (const EmuLogEntry &e : received())
        reports.append(e.report);
    return reports;
}

void EmuDevice::clearReceived()
{
    std::lock_guard<std::mutex> lock(m_logMutex);
    m_log.clear();
}

void EmuDevice::at(qint64 ms, std::function<void()> fn)
{
    // A multimap inserts after the entries of an equal time: script order holds.
    m_schedule.emplace(std::max<qint64>(0, ms), std::move(fn));
    armSchedule();
}

void EmuDevice::armSchedule()
{
    if (m_schedule.empty()) {
        m_scheduleTimer->stop();
        return;
    }
    const qint64 wait = std::max<qint64>(0, m_schedule.begin()->first - m_clock.elapsed());
    m_scheduleTimer->start(static_cast<int>(std::min<qint64>(wait, std::numeric_limits<int>::max())));
}

void EmuDevice::runDueActions()
{
    // A precise timer may still wake a millisecond early; what is not due waits.
    while (!m_schedule.empty() && m_schedule.begin()->first <= m_clock.elapsed()) {
        auto action = std::move(m_schedule.begin()->second);
        m_schedule.erase(m_schedule.begin());
        action();  // may schedule more
    }
    armSchedule();
}
