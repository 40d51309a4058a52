#include "platform/emudirwatcher.h"

#include "sdk/emulateddevicedir.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <climits>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint32_t kWatchMask
    = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

}  // namespace

EmuDirWatcher::EmuDirWatcher(QObject *parent)
    : QObject(parent), m_inotifyFd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), m_pollTimer(new QTimer(this))
{
    m_pollTimer->setInterval(kPollIntervalMs);
    connect(m_pollTimer, &QTimer::timeout, this, &EmuDirWatcher::onPoll);
    if (m_inotifyFd >= 0) {
        m_notifier = new QSocketNotifier(m_inotifyFd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &EmuDirWatcher::onInotifyReadable);
    }
}

EmuDirWatcher::~EmuDirWatcher()
{
    delete m_notifier;
    if (m_inotifyFd >= 0)
        ::close(m_inotifyFd);
}

void EmuDirWatcher::setDirectory(const QString &dir)
{
    removeWatch();
    m_pollTimer->stop();
    m_known.clear();
    m_dir = dir;
    if (m_dir.isEmpty())
        return;
    addWatch();
    rescan(false);
    if (m_watch < 0)
        m_pollTimer->start();
}

bool EmuDirWatcher::addWatch()
{
    if (m_inotifyFd < 0 || m_watch >= 0)
        return m_watch >= 0;
    m_watch = inotify_add_watch(m_inotifyFd, QFile::encodeName(m_dir).constData(), kWatchMask);
    return m_watch >= 0;
}

void EmuDirWatcher::removeWatch()
{
    if (m_watch >= 0)
        inotify_rm_watch(m_inotifyFd, m_watch);
    m_watch = -1;
}

void EmuDirWatcher::onPoll()
{
    if (m_dir.isEmpty())
        return;
    // Once the folder exists and inotify watches it, the poll is not needed.
    if (addWatch())
        m_pollTimer->stop();
    rescan(true);
}

void EmuDirWatcher::rescan(bool announce)
{
    QMap<QString, quint64> now;
    for (const EmulatedDeviceDir::Entry &entry : EmulatedDeviceDir::scan(m_dir))
        now.insert(entry.path, entry.inode);
    const QMap<QString, quint64> before = m_known;
    m_known = now;
    if (!announce)
        return;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const auto found = now.constFind(it.key());
        if (found == now.cend() || found.value() != it.value())
            emit sigDeviceRemoved(it.key());
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto found = before.constFind(it.key());
        if (found == before.cend() || found.value() != it.value())
            emit sigDeviceArrived(it.key());
    }
}

void EmuDirWatcher::noteCreated(const QString &fileName)
{
    if (!EmulatedDeviceDir::parseFileName(fileName, nullptr))
        return;
    const QString path = m_dir + QLatin1Char('/') + fileName;
    struct stat status;
    // Gone again already, or not a socket: its deletion event, if any, follows.
    if (lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISSOCK(status.st_mode))
        return;
    if (m_known.contains(path))
        return;
    m_known.insert(path, quint64(status.st_ino));
    emit sigDeviceArrived(path);
}

void EmuDirWatcher::noteDeleted(const QString &fileName)
{
    const QString path = m_dir + QLatin1Char('/') + fileName;
    if (m_known.remove(path))
        emit sigDeviceRemoved(path);
}

void EmuDirWatcher::onInotifyReadable()
{
    alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
    for (;;) {
        const ssize_t length = ::read(m_inotifyFd, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t offset = 0; offset < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                rescan(true);
                continue;
            }
            if (event->wd != m_watch)
                continue;
            if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) {
                // The folder went away: what was in it is gone, and the poll
                // waits for the folder to come back.
                removeWatch();
                rescan(true);
                m_pollTimer->start();
                continue;
            }
            const QString fileName = event->len ? QFile::decodeName(event->name) : QString();
            if (event->mask & (IN_CREATE | IN_MOVED_TO))
                noteCreated(fileName);
            else if (event->mask & (IN_DELETE | IN_MOVED_FROM))
                noteDeleted(fileName);
        }
    }
}
