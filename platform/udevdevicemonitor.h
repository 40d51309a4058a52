#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Arrival and removal of hidraw nodes and USB devices, from udev's netlink
// broadcast. Where udev sends nothing (no udev daemon, a container) the
// monitor simply stays quiet; where it cannot be set up at all it is inactive.
class UdevDeviceMonitor : public QObject
{
    Q_OBJECT

public:
    explicit UdevDeviceMonitor(QObject *parent = nullptr);
    ~UdevDeviceMonitor() override;

    // True when the monitor is listening.
    bool start();
    bool isActive() const { return m_monitor != nullptr; }

    // The path text of a USB device: its sysfs path, which holds no VID or
    // PID, followed by "#vid_vvvv&pid_pppp" from its PRODUCT text
    // ("vvvv/pppp/rrrr" in unpadded hex). Just the sysfs path when the
    // PRODUCT text does not parse.
    static QString usbPathText(const QString &syspath, const QString &product);

signals:
    void sigDeviceArrived(const QString &path);
    void sigDeviceRemoved(const QString &path);

private slots:
    void onReadable();

private:
    void stop();

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
