#include "firmware/firmwareimagecheck.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "sdk/devicecatalogue.h"
#include "sdk/emulateddevicedir.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace FirmwareImageCheck {

namespace {

QByteArray fieldText(const char *text, std::size_t capacity)
{
    return QByteArray(text, int(strnlen(text, capacity)));
}

template <std::size_t N> QByteArray fieldText(const char (&text)[N])
{
    return fieldText(text, N);
}

// Reads an image through a copy of it as an ordinary file, as the flashing later
// does, one byte past `limit` so that an image that would not fit shows.
// False when it cannot be copied or read.
bool readImage(const QString &source, const QString &name, int limit, QByteArray *image)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QString copy = dir.path() + QLatin1Char('/') + name;
    if (!QFile::copy(source, copy))
        return false;
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcFirmware) << "Cannot open the copy of the firmware image" << copy;
        return false;
    }
    *image = file.read(qint64(limit) + 1);
    return true;
}

Examination examineChipImage(const hidStructInfoAll &device, const QString &model, const QString &imageFolder,
                             const ChipCalls &chip)
{
    Examination result;
    const QString name = imageFileName(model, device.connectType);
    QByteArray image;
    if (!readImage(imageFolder + name, name, kMaxChipImageBytes, &image))
        return result;
    // The bootloader's flash size means nothing here: the vendor's library judges
    // its own images.
    if (image.isEmpty() || image.size() > kMaxChipImageBytes) {
        qCDebug(lcFirmware) << "Firmware image refused:" << name << image.size();
        result.refused = true;
        return result;
    }
    if (chip.loadUfwData(reinterpret_cast<const unsigned char *>(image.constData()), image.size()) != 0) {
        qCDebug(lcFirmware) << "The chip firmware image is empty or cannot be read";
        return result;
    }
    unsigned short crc16 = 0;
    unsigned int crc32 = 0;
    if (chip.getUfwCrc(&crc16, &crc32) != 0) {
        qCDebug(lcFirmware) << "The chip firmware image is larger than any chip's flash";
        return result;
    }
    char identity[ChipUpgradeLibrary::kIdentitySize] = {};
    char version[ChipUpgradeLibrary::kVersionSize] = {};
    if (chip.getUfwPidVid(identity, sizeof identity, version, sizeof version) != 0) {
        qCDebug(lcFirmware) << "The chip firmware image could not be copied for flashing";
        return result;
    }
    result.version = fieldText(version, sizeof version);
    // An image under this model's name that is made for another is refused.
    if (QString::fromLatin1(fieldText(identity, sizeof identity)) != model) {
        qCDebug(lcFirmware) << "Firmware image refused:" << name << "identity" << fieldText(identity, sizeof identity);
        result.refused = true;
        result.version.clear();
        return result;
    }
    if (!isVersionNewer(result.version, fieldText(device.firmwareVersion))) {
        result.version.clear();
        return result;
    }
    result.upgradeable = true;
    result.image = image;
    return result;
}

}  // namespace

QString realImageFolder()
{
    return DDataManager::getAppDirPath() + QStringLiteral("/firmware/");
}

QString imageFolderFor(const QString &devicePath)
{
    // Test images belong to emulated keyboards only: a real keyboard never sees them.
    const QString emulated = EmulatedDeviceDir::directory();
    if (!emulated.isEmpty() && devicePath.startsWith(emulated + QLatin1Char('/')))
        return emulated + QStringLiteral("/firmware/");
    return realImageFolder();
}

ImageVerdict checkBootloaderImage(const QByteArray &image, const QString &modelName)
{
    if (image.isEmpty())
        return ImageVerdict::Empty;
    if (image.size() > kFlashBytes)
        return ImageVerdict::TooLarge;
    QByteArray padded = image;
    if (padded.size() < kIdentityOffset + kIdentityLength)
        padded.append(QByteArray(kIdentityOffset + kIdentityLength - padded.size(), '\0'));
    if (bootloaderIdentity(padded).at(4).compare(modelName.toLatin1(), Qt::CaseInsensitive) != 0)
        return ImageVerdict::OtherModel;
    return ImageVerdict::Valid;
}

QString imageRefusedText()
{
    return QObject::tr("The firmware image is not valid for this keyboard");
}

ImageKind imageKindOf(const QString &modelName)
{
    // The device catalogue names each model's update path.
    const CatalogueModel *model = DeviceCatalogue::instance().findModel(modelName);
    if (!model)
        return ImageKind::None;
    if (model->firmwarePath == QLatin1String("chipVendor"))
        return ImageKind::ChipVendor;
    if (model->firmwarePath == QLatin1String("bootloader"))
        return ImageKind::Bootloader;
    return ImageKind::None;
}

QString imageFileName(const QString &modelName, int connection)
{
    const ImageKind kind = imageKindOf(modelName);
    if (kind == ImageKind::None)
        return QString();
    const QString suffix = kind == ImageKind::ChipVendor ? QStringLiteral(".ufw") : QStringLiteral(".bin");
    return modelName + (connection == 0 ? QString() : QStringLiteral("_Dongle")) + suffix;
}

bool isVersionNewer(const QByteArray &image, const QByteArray &device)
{
    const auto fold = [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
    };
    const int common = std::min(image.size(), device.size());
    for (int i = 0; i < common; ++i) {
        const unsigned char a = fold(image.at(i));
        const unsigned char b = fold(device.at(i));
        if (a != b)
            return a > b;
    }
    return image.size() > device.size();
}

QList<QByteArray> bootloaderIdentity(const QByteArray &image)
{
    QByteArray text = image.mid(kIdentityOffset, kIdentityLength);
    const int nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    QList<QByteArray> fields = text.split(',');
    while (fields.size() < 6)
        fields.append(QByteArray());
    return fields.mid(0, 6);
}

bool bootloaderImageFits(const QList<QByteArray> &identity, const hidStructInfoAll &device, QByteArray *version)
{
    if (identity.size() < 6)
        return false;
    const QByteArray expected[] = {fieldText(device.firmwareIdPart0), fieldText(device.firmwareIdPart1),
                                   fieldText(device.firmwareIdPart3), fieldText(device.hidName)};
    const int fields[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        if (identity.at(fields[i]).compare(expected[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    if (!isVersionNewer(identity.at(5), fieldText(device.firmwareVersion)))
        return false;
    *version = identity.at(5);
    return true;
}

bool isFirmwareUpgradeable(const hidStructInfoAll &device, const QString &imageFolder, const ChipCalls &chip,
                           QByteArray *version)
{
    const Examination result = examine(device, imageFolder, chip);
    if (result.upgradeable)
        *version = result.version;
    return result.upgradeable;
}

Examination examine(const hidStructInfoAll &device, const QString &imageFolder, const ChipCalls &chip)
{
    Examination result;
    const QString model = QString::fromUtf8(fieldText(device.hidName));
    const ImageKind kind = imageKindOf(model);
    // The chip vendor's library alone understands its images; without it no
    // chip model can be offered.
    if (kind == ImageKind::None || (kind == ImageKind::ChipVendor && !chip.isLoaded()))
        return result;
    if (kind == ImageKind::ChipVendor)
        return examineChipImage(device, model, imageFolder, chip);
    const QString name = imageFileName(model, device.connectType);
    QByteArray image;
    if (!readImage(imageFolder + name, name, kFlashBytes, &image))
        return result;
    const ImageVerdict verdict = checkBootloaderImage(image, model);
    if (verdict != ImageVerdict::Valid) {
        qCDebug(lcFirmware) << "Firmware image refused:" << name << int(verdict);
        result.refused = true;
        return result;
    }
    QByteArray padded = image;
    padded.append(QByteArray(kMaxImageBytes - padded.size(), '\0'));
    if (!bootloaderImageFits(bootloaderIdentity(padded), device, &result.version))
        return result;
    result.upgradeable = true;
    result.image = image;
    return result;
}

QList<hidStructInfoAll> upgradeableDevices(QList<hidStructInfoAll> devices, const QString &imageFolder,
                                           const ChipCalls &chip)
{
    // Examined in ascending order of the device path (UTF-16 code units), so two
    // keyboards of one model come in the same order on every check.
    std::stable_sort(devices.begin(), devices.end(), [](const hidStructInfoAll &a, const hidStructInfoAll &b) {
        return QString::fromUtf8(fieldText(a.hidPath)) < QString::fromUtf8(fieldText(b.hidPath));
    });
    QList<hidStructInfoAll> result;
    for (const hidStructInfoAll &device : qAsConst(devices)) {
        QByteArray version;
        if (!isFirmwareUpgradeable(device, imageFolder, chip, &version))
            continue;
        hidStructInfoAll copy = device;
        tavrixCopyText(copy.newFirmwareVersion, version.constData());
        result.append(copy);
    }
    return result;
}

}  // namespace FirmwareImageCheck
