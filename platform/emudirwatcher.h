#pragma once

#include <QMap>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// Watches the emulated-keyboard folder: a device socket that appears is an
// arrival, one that disappears a removal, and one removed and made again under
// the same name both, in that order. inotify reports each change as it
// happens; while the folder does not exist (or inotify is unavailable) a short
// poll stands in.
class EmuDirWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 100;

    explicit EmuDirWatcher(QObject *parent = nullptr);
    ~EmuDirWatcher() override;

    // dir: absolute folder to watch; empty stops watching. The sockets already
    // there are the starting state, not arrivals.
    void setDirectory(const QString &dir);
    QString directory() const { return m_dir; }

signals:
    void sigDeviceArrived(const QString &path);
    void sigDeviceRemoved(const QString &path);

private slots:
    void onInotifyReadable();
    void onPoll();

private:
    bool addWatch();
    void removeWatch();
    // Brings the known set in line with the folder, announcing the difference.
    void rescan(bool announce);
    void noteCreated(const QString &fileName);
    void noteDeleted(const QString &fileName);

    QString m_dir;
    QMap<QString, quint64> m_known;  // socket path to inode
    int m_inotifyFd = -1;
    int m_watch = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_pollTimer = nullptr;
};
