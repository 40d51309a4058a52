#include "sdk/tavrixfirmware.h"

#include "sdk/bootloaderprotocol.h"
#include "sdk/devicecatalogue.h"
#include "sdk/emulateddevicedir.h"
#include "sdk/hidrawdevices.h"
#include "sdk/tavrixhid.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QThread>

#include <array>
#include <cstring>

namespace {

using namespace BootloaderProtocol;

constexpr int kAnswerTimeoutMs = 1000;
const char *const kUsbBootloaderName = "usbBootloader";

bool isUsbBootloader(quint16 vid, quint16 pid)
{
    for (const CatalogueUsbId &id : DeviceCatalogue::instance().bootloaders()) {
        if (id.name == QLatin1String(kUsbBootloaderName) && id.vid == vid && id.pid == pid)
            return true;
    }
    return false;
}

using Report = std::array<unsigned char, 64>;

Report command(uint8_t cmd, uint16_t number, uint8_t length)
{
    Report r {};
    r[0] = kReportId;
    r[1] = cmd;
    r[2] = static_cast<unsigned char>(number >> 8);
    r[3] = static_cast<unsigned char>(number & 0xFF);
    r[5] = length;
    return r;
}

void putWord(Report &r, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        r[6 + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

// Sends one command and waits for its answer; anything else that arrives
// meanwhile (a late answer of an earlier attempt) is skipped.
int sendAndAwait(int handle, const Report &request)
{
    if (CTavrixHid_HidWriteBuff(handle, request.data(), nullptr) != 64)
        return TavrixFirmwareWriteFailed;
    QElapsedTimer clock;
    clock.start();
    Report answer {};
    while (clock.elapsed() < kAnswerTimeoutMs) {
        const int n = CTavrixHid_HidReadBuff(handle, answer.data());
        if (n < 0)
            return TavrixFirmwareWriteFailed;
        if (n == 0) {
            QThread::usleep(200);
            continue;
        }
        if (answer[1] == request[1] + kAnswerOffset && answer[2] == request[2] && answer[3] == request[3])
            return answer[6] == kStatusOk ? TavrixFirmwareOk : TavrixFirmwareRefused;
    }
    return TavrixFirmwareNoAnswer;
}

}  // namespace

int CTavrixHid_GetBootloaderPathList(std::vector<std::string> &paths)
{
    paths.clear();
    QSet<quint16> vids;
    for (const CatalogueUsbId &id : DeviceCatalogue::instance().bootloaders())
        vids.insert(id.vid);
    for (const HidrawDevices::Info &info : HidrawDevices::enumerate(vids)) {
        if (isUsbBootloader(info.vid, info.pid))
            paths.push_back(info.path.toStdString());
    }
    for (const EmulatedDeviceDir::Entry &entry : EmulatedDeviceDir::scan(EmulatedDeviceDir::directory())) {
        EmulatedDeviceDir::Name name;
        if (EmulatedDeviceDir::parsePath(entry.path, &name) && isUsbBootloader(name.vid, name.pid))
            paths.push_back(entry.path.toLatin1().toStdString());
    }
    return int(paths.size());
}

int CTavrixHid_FirmwareUpgrade(int handle, const char *imagePath, int maxSize, int reserved, int isDongle,
                               void (*progress)(int total, int done))
{
    Q_UNUSED(reserved)
    QFile file(QFile::decodeName(imagePath ? imagePath : ""));
    if (maxSize <= 0 || !file.open(QIODevice::ReadOnly))
        return TavrixFirmwareNoImage;
    // One byte more than fits tells an image that would be flashed truncated.
    const QByteArray image = file.read(qint64(maxSize) + 1);
    file.close();
    if (image.isEmpty())
        return TavrixFirmwareNoImage;
    if (image.size() > maxSize)
        return TavrixFirmwareTooLarge;
    CTavrixHid_SetNonblocking(handle, 1);

    Report start = command(kStart, 0, 4);
    start[2] = isDongle ? 1 : 0;
    putWord(start, static_cast<uint32_t>(image.size()));
    int result = sendAndAwait(handle, start);
    if (result != TavrixFirmwareOk)
        return result;

    const int total = (image.size() + kPayloadSize - 1) / kPayloadSize;
    for (int packet = 0; packet < total; ++packet) {
        const QByteArray chunk = image.mid(packet * kPayloadSize, kPayloadSize);
        // The packet number wraps at 16 bits; the bootloader counts packets in order.
        Report data = command(kData, static_cast<uint16_t>(packet & 0xFFFF), static_cast<uint8_t>(chunk.size()));
        std::memcpy(data.data() + 6, chunk.constData(), static_cast<size_t>(chunk.size()));
        result = sendAndAwait(handle, data);
        if (result != TavrixFirmwareOk)
            return result;
        if (progress)
            progress(total, packet + 1);
    }

    Report finish = command(kFinish, 0, 4);
    putWord(finish, checksum(image));
    return sendAndAwait(handle, finish);
}
