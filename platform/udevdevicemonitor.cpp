#include "platform/udevdevicemonitor.h"

#include <QSocketNotifier>
#include <QStringList>

#include <cstring>
#include <libudev.h>

UdevDeviceMonitor::UdevDeviceMonitor(QObject *parent) : QObject(parent)
{ }

UdevDeviceMonitor::~UdevDeviceMonitor()
{
    stop();
}

bool UdevDeviceMonitor::start()
{
    if (m_monitor)
        return true;
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_device") < 0
        || udev_monitor_enable_receiving(m_monitor) < 0 || udev_monitor_get_fd(m_monitor) < 0) {
        stop();
        return false;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevDeviceMonitor::onReadable);
    return true;
}

void UdevDeviceMonitor::stop()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
    if (m_udev)
        udev_unref(m_udev);
    m_udev = nullptr;
}

QString UdevDeviceMonitor::usbPathText(const QString &syspath, const QString &product)
{
    const QStringList parts = product.split(QLatin1Char('/'));
    bool vidOk = false;
    bool pidOk = false;
    const uint vid = parts.value(0).toUInt(&vidOk, 16);
    const uint pid = parts.value(1).toUInt(&pidOk, 16);
    if (parts.size() < 2 || !vidOk || !pidOk || vid > 0xffff || pid > 0xffff)
        return syspath;
    return QStringLiteral("%1#vid_%2&pid_%3")
        .arg(syspath)
        .arg(vid, 4, 16, QLatin1Char('0'))
        .arg(pid, 4, 16, QLatin1Char('0'));
}

void UdevDeviceMonitor::onReadable()
{
    // The monitor's socket is non-blocking: take every queued event.
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const char *action = udev_device_get_action(device);
        const char *subsystem = udev_device_get_subsystem(device);
        const char *syspath = udev_device_get_syspath(device);
        if (action && subsystem && syspath) {
            QString path = QString::fromLocal8Bit(syspath);
            if (std::strcmp(subsystem, "usb") == 0)
                path = usbPathText(path, QString::fromLatin1(udev_device_get_property_value(device, "PRODUCT")));
            if (std::strcmp(action, "add") == 0)
                emit sigDeviceArrived(path);
            else if (std::strcmp(action, "remove") == 0)
                emit sigDeviceRemoved(path);
        }
        udev_device_unref(device);
    }
}
