#pragma once

#include "devicepage/ddevicepage.h"
#include "emudevice.h"

#include <QByteArray>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// Emulated keyboards in a folder of their own, and the device page that sees them.
class DevicePageRig
{
public:
    DevicePageRig();
    virtual ~DevicePageRig();
    DevicePageRig(const DevicePageRig &) = delete;
    DevicePageRig &operator=(const DevicePageRig &) = delete;

    EmuDevice *add(const QString &model, const QString &tag, bool receiver = false, bool start = true,
                   const QByteArray &serial = QByteArray());

    // Builds the page and waits until its start-up enumeration is over; false when it
    // did not end in time.
    bool openPage();
    DDevicePage *open()
    {
        openPage();
        return page;
    }

    // The codes of the keys on the page's keyboard picture in layout order, 0 where a
    // slot has no key.
    static QList<int> pictureKeyCodes();

    DDevicePage *page = nullptr;
    std::unique_ptr<QSignalSpy> names;
    std::unique_ptr<QSignalSpy> enumerated;

private:
    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<EmuDevice>> m_devices;
};
