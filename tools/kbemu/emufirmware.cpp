#include "emufirmware.h"

#include "emubootloader.h"
#include "emudevice.h"
#include "firmware/firmwareimagecheck.h"
#include "sdk/devicecatalogue.h"

#include <QDir>
#include <QJsonArray>
#include <QSaveFile>
#include <QTimer>

namespace {

constexpr int kImageBytes = 0x10900;

bool isBootloaderModel(const QString &modelName)
{
    const CatalogueModel *model = DeviceCatalogue::instance().findModel(modelName);
    return model && model->firmwarePath == QLatin1String("bootloader");
}

}  // namespace

QString EmuFirmwareImages::folder(const QString &emuDir)
{
    return QDir(emuDir).absoluteFilePath(QStringLiteral("firmware"));
}

QByteArray EmuFirmwareImages::bootloaderImage(const EmuDevice &device, const QByteArray &version)
{
    QByteArray image(kImageBytes, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 31 + 7) % 251);
    const QJsonArray ids = device.sidecar().value(QStringLiteral("firmwareId")).toArray();
    const QByteArray identity = ids.at(0).toString().toLatin1() + ',' + ids.at(1).toString().toLatin1() + ','
        + ids.at(2).toString().toLatin1() + ',' + ids.at(3).toString().toLatin1() + ',' + device.model().name.toLatin1()
        + ',' + version;
    QByteArray field = identity.left(FirmwareImageCheck::kIdentityLength);
    field.append(QByteArray(FirmwareImageCheck::kIdentityLength - field.size(), '\0'));
    image.replace(FirmwareImageCheck::kIdentityOffset, field.size(), field);
    return image;
}

bool EmuFirmwareImages::write(const QString &emuDir, const EmuDevice &device, QString *error)
{
    if (!isBootloaderModel(device.model().name))
        return true;
    const QString dir = folder(emuDir);
    QDir().mkpath(dir);
    const int connection
        = device.sidecar().value(QStringLiteral("firmwareId")).toArray().at(4).toString() == QLatin1String("Dongle")
        ? 1
        : 0;
    QSaveFile file(dir + QLatin1Char('/') + FirmwareImageCheck::imageFileName(device.model().name, connection));
    if (!file.open(QIODevice::WriteOnly) || file.write(bootloaderImage(device)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

EmuFirmwareCycle::EmuFirmwareCycle(EmuDevice *device, QObject *parent)
    : QObject(parent), m_device(device), m_bootloader(new EmuBootloader(device->directory(), device->tag(), this))
{
    connect(device, &EmuDevice::sigReportReceived, this, [this](const HidReport &report) {
        if (m_ignore || m_inBootloader || !isBootloaderModel(m_device->model().name) || report.bytes[0] != 0x01
            || report.bytes[1] != uint8_t(HidCmd::IntoFirmware))
            return;
        QTimer::singleShot(m_leaveDelayMs, this, &EmuFirmwareCycle::enterBootloader);
    });
    connect(m_bootloader, &EmuBootloader::sigFlashed, this,
            [this] { QTimer::singleShot(m_returnDelayMs, this, &EmuFirmwareCycle::returnFromBootloader); });
}

EmuFirmwareCycle::~EmuFirmwareCycle() = default;

bool EmuFirmwareCycle::startInBootloader(QString *error)
{
    if (!isBootloaderModel(m_device->model().name)) {
        if (error)
            *error = QStringLiteral("%1 has no USB bootloader").arg(m_device->model().name);
        return false;
    }
    m_device->stop();
    m_inBootloader = true;
    return m_bootloader->start(error);
}

void EmuFirmwareCycle::enterBootloader()
{
    if (m_inBootloader)
        return;
    m_inBootloader = true;
    m_device->stop();
    m_bootloader->start();
    Q_EMIT sigEnteredBootloader();
}

void EmuFirmwareCycle::returnFromBootloader()
{
    if (!m_inBootloader)
        return;
    QByteArray image = m_bootloader->flashedImage();
    image.append(QByteArray(
        qMax(0, FirmwareImageCheck::kIdentityOffset + FirmwareImageCheck::kIdentityLength - image.size()), '\0'));
    const QByteArray version = FirmwareImageCheck::bootloaderIdentity(image).at(5);
    m_bootloader->stop();
    m_inBootloader = false;
    if (!version.isEmpty())
        m_device->setSidecarValue(QStringLiteral("firmwareVersion"), QString::fromLatin1(version));
    m_device->start();
    Q_EMIT sigReturned();
}
