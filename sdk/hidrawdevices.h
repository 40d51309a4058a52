#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QVector>

// Real keyboards on hidraw, found through hidapi. A hidraw node's name
// (/dev/hidrawN) holds no VID or PID, so a device's path is the node's sysfs
// path, whose HID folder is named "0003:VVVV:PPPP.NNNN"; the node is found
// again from it when the path is opened.
class HidrawDevices
{
public:
    struct Info
    {
        QByteArray path;     // sysfs path (or "<devnode>#vid_vvvv&pid_pppp" where sysfs is unreadable)
        QByteArray devnode;  // /dev/hidrawN
        quint16 vid = 0;
        quint16 pid = 0;
        quint16 releaseNumber = 0;
        QString serialNumber;
        QString manufacturer;
        QString product;
    };

    // The vendor configuration interfaces of the devices with these VIDs, one
    // entry per node, sorted by path. Zero devices is not an error.
    static QVector<Info> enumerate(const QSet<quint16> &vids);

    // The /dev node for a path this class reported (or a /dev/hidrawN path);
    // empty when the path is not a hidraw path.
    static QByteArray devnodeForPath(const QByteArray &path);
    static QByteArray pathForDevnode(const QByteArray &devnode, quint16 vid, quint16 pid);

    // The configuration interface carries a vendor-defined usage page; the
    // keyboard's boot and consumer interfaces do not.
    static bool isConfigurationUsagePage(unsigned short usagePage) { return usagePage >= 0xFF00; }
};
