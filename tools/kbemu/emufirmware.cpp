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

bool isChipModel(const QString &modelName)
{
    const CatalogueModel *model = DeviceCatalogue::instance().findModel(modelName);
    return model && model->firmwarePath == QLatin1String("chipVendor");
}

bool hasUpdateMode(const QString &modelName)
{
    return isBootloaderModel(modelName) || isChipModel(modelName);
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

QByteArray EmuFirmwareImages::chipImage(const QString &modelName, const QByteArray &version)
{
    QByteArray image("QUFW");
    QByteArray identity = modelName.toLatin1().left(16);
    identity.append(QByteArray(17 - identity.size(), '\0'));
    QByteArray v = version.left(4);
    v.append(QByteArray(4 - v.size(), '\0'));
    image += identity + v;
    for (int i = 0; i < 4096; ++i)
        image.append(char((i * 13 + 5) % 251));
    return image;
}

bool EmuFirmwareImages::write(const QString &emuDir, const EmuDevice &device, QString *error)
{
    if (!hasUpdateMode(device.model().name))
        return true;
    const QString dir = folder(emuDir);
    QDir().mkpath(dir);
    const int connection
        = device.sidecar().value(QStringLiteral("firmwareId")).toArray().at(4).toString() == QLatin1String("Dongle")
        ? 1
        : 0;
    QSaveFile file(dir + QLatin1Char('/') + FirmwareImageCheck::imageFileName(device.model().name, connection));
    const QByteArray image
        = isChipModel(device.model().name) ? chipImage(device.model().name) : bootloaderImage(device);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

EmuFirmwareCycle::EmuFirmwareCycle(EmuDevice *device, QObject *parent)
    : QObject(parent), m_device(device), m_bootloader(new EmuBootloader(device->directory(), device->tag(), this))
{
    m_bootloader->setChipUpgradeMode(isChipModel(device->model().name));
    connect(device, &EmuDevice::sigReportReceived, this, [this](const HidReport &report) {
        if (m_ignore || m_inBootloader || !hasUpdateMode(m_device->model().name) || report.bytes[0] != 0x01
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
    if (!hasUpdateMode(m_device->model().name)) {
        if (error)
            *error = QStringLiteral("%1 has no update mode").arg(m_device->model().name);
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
    QByteArray version = m_bootloader->chipVersion();
    if (!m_bootloader->isChipUpgradeMode()) {
        QByteArray image = m_bootloader->flashedImage();
        const int identityEnd = FirmwareImageCheck::kIdentityOffset + FirmwareImageCheck::kIdentityLength;
        image.append(QByteArray(qMax(0, identityEnd - image.size()), '\0'));
        version = FirmwareImageCheck::bootloaderIdentity(image).at(5);
    }
    m_bootloader->stop();
    m_inBootloader = false;
    if (!version.isEmpty())
        m_device->setSidecarValue(QStringLiteral("firmwareVersion"), QString::fromLatin1(version));
    m_device->start();
    Q_EMIT sigReturned();
}
