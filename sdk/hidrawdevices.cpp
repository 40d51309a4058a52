#include "sdk/hidrawdevices.h"

#include <hidapi/hidapi.h>
#include <libudev.h>

#include <algorithm>

namespace {

QString wideText(const wchar_t *text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

QByteArray lastComponent(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

}  // namespace

QVector<HidrawDevices::Info> HidrawDevices::enumerate(const QSet<quint16> &vids)
{
    QVector<Info> devices;
    QSet<QByteArray> seen;
    for (const quint16 vid : vids) {
        hid_device_info *list = hid_enumerate(vid, 0);
        for (const hid_device_info *item = list; item; item = item->next) {
            if (!item->path || !isConfigurationUsagePage(item->usage_page))
                continue;
            // A node with several top-level collections is listed once per collection.
            const QByteArray devnode(item->path);
            if (seen.contains(devnode))
                continue;
            seen.insert(devnode);
            Info info;
            info.devnode = devnode;
            info.vid = item->vendor_id;
            info.pid = item->product_id;
            info.releaseNumber = item->release_number;
            info.serialNumber = wideText(item->serial_number);
            info.manufacturer = wideText(item->manufacturer_string);
            info.product = wideText(item->product_string);
            info.path = pathForDevnode(devnode, info.vid, info.pid);
            devices.append(info);
        }
        hid_free_enumeration(list);
    }
    std::sort(devices.begin(), devices.end(), [](const Info &a, const Info &b) { return a.path < b.path; });
    return devices;
}

QByteArray HidrawDevices::pathForDevnode(const QByteArray &devnode, quint16 vid, quint16 pid)
{
    QByteArray path;
    if (udev *context = udev_new()) {
        const QByteArray name = lastComponent(devnode);
        if (udev_device *device = udev_device_new_from_subsystem_sysname(context, "hidraw", name.constData())) {
            path = udev_device_get_syspath(device);
            udev_device_unref(device);
        }
        udev_unref(context);
    }
    if (path.isEmpty())
        path = devnode + QByteArray("#vid_") + QByteArray::number(vid, 16).rightJustified(4, '0') + "&pid_"
            + QByteArray::number(pid, 16).rightJustified(4, '0');
    return path;
}

QByteArray HidrawDevices::devnodeForPath(const QByteArray &path)
{
    const int hash = path.indexOf('#');
    if (hash > 0)
        return path.startsWith("/dev/hidraw") ? path.left(hash) : QByteArray();
    if (path.startsWith("/dev/hidraw"))
        return path;
    if (!path.startsWith("/sys/") || !lastComponent(path).startsWith("hidraw"))
        return QByteArray();
    QByteArray devnode;
    if (udev *context = udev_new()) {
        if (udev_device *device = udev_device_new_from_syspath(context, path.constData())) {
            if (const char *node = udev_device_get_devnode(device))
                devnode = node;
            udev_device_unref(device);
        }
        udev_unref(context);
    }
    return devnode.isEmpty() ? QByteArray("/dev/") + lastComponent(path) : devnode;
}
