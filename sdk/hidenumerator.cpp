#include "sdk/hidenumerator.h"

#include "sdk/emulateddevicedir.h"
#include "sdk/hidrawdevices.h"

#include <QFile>
#include <QJsonArray>

#include <sys/stat.h>

namespace {

QSet<quint16> catalogueVids(const DeviceCatalogue &catalogue)
{
    QSet<quint16> vids;
    for (const CatalogueModel &model : catalogue.models())
        vids.insert(model.vid);
    return vids;
}

bool isSocket(const QString &path)
{
    struct stat status;
    return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

template <std::size_t N> void copyText(char (&destination)[N], const QString &text)
{
    tavrixCopyText(destination, text.toUtf8().constData());
}

// "V1.05" from a binary-coded release number 0x0105.
QString versionText(quint16 releaseNumber)
{
    return QStringLiteral("V%1.%2")
        .arg(releaseNumber >> 8, 0, 16)
        .arg(releaseNumber & 0xff, 2, 16, QLatin1Char('0'))
        .toUpper();
}

}  // namespace

HidEnumerator::HidEnumerator(const DeviceCatalogue &catalogue) : m_catalogue(catalogue)
{ }

QVector<HidEnumerator::Device> HidEnumerator::devices() const
{
    QVector<Device> found;
    if (m_catalogue.isEmpty())
        return found;
    for (const HidrawDevices::Info &real : HidrawDevices::enumerate(catalogueVids(m_catalogue))) {
        Device device;
        device.model = m_catalogue.match(real.vid, real.pid, &device.connection);
        if (!device.model)
            continue;
        device.path = real.path;
        device.vid = real.vid;
        device.pid = real.pid;
        device.releaseNumber = real.releaseNumber;
        device.serialNumber = real.serialNumber;
        found.append(device);
    }
    for (const EmulatedDeviceDir::Entry &entry : EmulatedDeviceDir::scan(EmulatedDeviceDir::directory())) {
        Device device;
        if (emulatedDevice(entry.path, &device))
            found.append(device);
    }
    return found;
}

bool HidEnumerator::emulatedDevice(const QString &socketPath, Device *device) const
{
    EmulatedDeviceDir::Name name;
    if (!EmulatedDeviceDir::parsePath(socketPath, &name) || !isSocket(socketPath))
        return false;
    device->model = m_catalogue.match(name.vid, name.pid, &device->connection);
    if (!device->model)
        return false;
    device->path = QFile::encodeName(socketPath);
    device->vid = name.vid;
    device->pid = name.pid;
    device->serialNumber = name.tag;
    device->emulated = true;
    device->sidecar = EmulatedDeviceDir::sidecar(socketPath);
    return true;
}

bool HidEnumerator::find(const QByteArray &path, Device *device) const
{
    if (path.isEmpty() || m_catalogue.isEmpty())
        return false;
    const QString decoded = QFile::decodeName(path);
    if (EmulatedDeviceDir::parsePath(decoded, nullptr))
        return emulatedDevice(decoded, device);
    const QByteArray devnode = HidrawDevices::devnodeForPath(path);
    if (devnode.isEmpty())
        return false;
    for (const Device &candidate : devices()) {
        if (!candidate.emulated
            && (candidate.path == path || HidrawDevices::devnodeForPath(candidate.path) == devnode)) {
            *device = candidate;
            return true;
        }
    }
    return false;
}

void HidEnumerator::fillDeviceInfo(const Device &device, HidDeviceInfoStu *info)
{
    std::memset(info, 0, sizeof *info);
    info->vendorId = device.vid;
    info->productId = device.pid;
    info->releaseNumber = device.releaseNumber;
    tavrixCopyText(info->hidPath, device.path.constData());
    copyText(info->serialNumber, device.serialNumber);
    if (device.model) {
        copyText(info->modelName, device.model->modelName);
        copyText(info->productName, device.model->productName);
    }
    info->connectType = device.connection == DeviceCatalogue::Receiver ? 1 : 0;
}

// Firmware texts. A real device offers only its release number; an emulated
// one may give every text in its sidecar ("firmwareId": up to five identity
// texts, "firmwareVersion", "firmwareDate"). Missing texts take defaults that
// tell the model and its interface apart.
void HidEnumerator::fillFirmwareInfo(const Device &device, FirmwareInfoStu *info)
{
    std::memset(info, 0, sizeof *info);
    const QString modelName = device.model ? device.model->modelName : QString();
    const bool receiver = device.connection == DeviceCatalogue::Receiver;
    QString texts[FirmwareInfoStu::TextCount];
    texts[FirmwareInfoStu::IdentityPart0] = QStringLiteral("Quorin-") + modelName;
    texts[FirmwareInfoStu::IdentityPart1] = QLatin1Char('_') + DeviceCatalogue::hexId(device.pid);
    texts[FirmwareInfoStu::IdentityPart4] = receiver ? QStringLiteral("Dongle") : QStringLiteral("Cable");
    texts[FirmwareInfoStu::CurrentVersion]
        = device.emulated ? QStringLiteral("V1.00") : versionText(device.releaseNumber);

    const QJsonValue identity = device.sidecar.value(QLatin1String("firmwareId"));
    if (identity.isArray()) {
        const QJsonArray parts = identity.toArray();
        for (int i = FirmwareInfoStu::IdentityPart0; i <= FirmwareInfoStu::IdentityPart4; ++i)
            texts[i] = parts.at(i).toString();
    }
    const QJsonValue version = device.sidecar.value(QLatin1String("firmwareVersion"));
    if (version.isString())
        texts[FirmwareInfoStu::CurrentVersion] = version.toString();
    const QJsonValue date = device.sidecar.value(QLatin1String("firmwareDate"));
    if (date.isString())
        texts[FirmwareInfoStu::SecondVersion] = date.toString();

    for (int i = 0; i < FirmwareInfoStu::TextCount; ++i)
        copyText(info->text[i], texts[i]);
}

void HidEnumerator::fillModelInfo(const CatalogueModel &model, HidInfoStu *info)
{
    std::memset(info, 0, sizeof *info);
    copyText(info->deviceKind, model.kind);
    info->modelValue1 = model.vid;
    info->modelValue2 = model.cablePid;
    info->modelValue3 = model.receiverPid;
    info->modelValue4 = model.hidDeviceType;
    copyText(info->modelName, model.modelName);
    info->keyCount = model.keyCount;
    copyText(info->productName, model.productName);
    copyText(info->secondName, model.secondName);
}
