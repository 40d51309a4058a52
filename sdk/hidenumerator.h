#pragma once

#include "sdk/devicecatalogue.h"
#include "sdk/tavrixrecords.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

// Joins the device catalogue with the devices present: real keyboards on
// hidraw and, when TAVRIX_EMU_DIR is set, the emulated ones. A device whose
// VID/PID the catalogue does not name is not a supported device.
class HidEnumerator
{
public:
    struct Device
    {
        QByteArray path;
        const CatalogueModel *model = nullptr;
        DeviceCatalogue::Connection connection = DeviceCatalogue::Cable;
        quint16 vid = 0;
        quint16 pid = 0;
        quint16 releaseNumber = 0;
        QString serialNumber;  // USB serial string, or the emulated device's tag
        bool emulated = false;
        QJsonObject sidecar;  // emulated devices only
    };

    explicit HidEnumerator(const DeviceCatalogue &catalogue);

    // Every supported device present: real ones, then emulated ones, each
    // group sorted by path.
    QVector<Device> devices() const;
    // The one device at this path; false when it is not present or not supported.
    bool find(const QByteArray &path, Device *device) const;

    static void fillDeviceInfo(const Device &device, HidDeviceInfoStu *info);
    static void fillFirmwareInfo(const Device &device, FirmwareInfoStu *info);
    static void fillModelInfo(const CatalogueModel &model, HidInfoStu *info);

private:
    bool emulatedDevice(const QString &socketPath, Device *device) const;

    const DeviceCatalogue &m_catalogue;
};
