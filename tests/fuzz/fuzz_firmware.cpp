// A firmware image and the bootloader's answers, both from the input: the image
// checks must judge any bytes without reading past them, and the flashing loop
// must end on any sequence of answers (wrong commands, wrong packet numbers,
// failure statuses, a device that goes away) with one of its result codes,
// never sending more packets than the image needs.
//
// Input: byte 0 and 1 give the image length (high byte first, cut to what is
// there), then the image, then the answers in 64-byte reports.

#include "firmware/firmwareimagecheck.h"
#include "fuzzsupport.h"
#include "sdk/bootloaderprotocol.h"
#include "sdk/hidhandletable.h"
#include "sdk/tavrixfirmware.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// A bootloader that answers from the input and is gone when the input is used up.
class ScriptedBootloader : public HidDevice
{
public:
    ScriptedBootloader(const uint8_t *answers, size_t size) : m_answers(answers), m_size(size) { }

    int write(const unsigned char *data, int length) override
    {
        if (length != 64 || data[0] != BootloaderProtocol::kReportId)
            __builtin_trap();
        if (data[1] == BootloaderProtocol::kData)
            ++dataPackets;
        return length;
    }
    int read(unsigned char *buffer, int size) override
    {
        if (m_offset >= m_size)
            return -1;
        const size_t n = std::min<size_t>({64, m_size - m_offset, size_t(size)});
        std::memset(buffer, 0, size_t(size));
        std::memcpy(buffer, m_answers + m_offset, n);
        m_offset += n;
        return int(n);
    }

    int dataPackets = 0;

private:
    const uint8_t *m_answers;
    size_t m_size;
    size_t m_offset = 0;
};

QTemporaryDir *workDir = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::silenceMessages();
    new QCoreApplication(*argc, *argv);
    workDir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t imageSize = std::min<size_t>((size_t(data[0]) << 8 | data[1]), size - 2);
    const QByteArray image(reinterpret_cast<const char *>(data + 2), int(imageSize));

    // The checks over the image bytes.
    FirmwareImageCheck::checkBootloaderImage(image, QStringLiteral("QR108"));
    const QList<QByteArray> identity = FirmwareImageCheck::bootloaderIdentity(image);
    if (identity.size() > 6)
        __builtin_trap();
    hidStructInfoAll device {};
    tavrixCopyText(device.hidName, "QR108");
    tavrixCopyText(device.firmwareVersion, "V1.00");
    QByteArray version;
    if (FirmwareImageCheck::bootloaderImageFits(identity, device, &version)
        && !FirmwareImageCheck::isVersionNewer(version, "V1.00"))
        __builtin_trap();

    // The flashing loop against the scripted answers.
    const QString path = workDir->filePath(QStringLiteral("image.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(image);
    file.close();
    auto bootloader = std::make_shared<ScriptedBootloader>(data + 2 + imageSize, size - 2 - imageSize);
    const int handle = HidHandleTable::instance().add(bootloader);
    const int maxSize = 4096;
    const int result = CTavrixHid_FirmwareUpgrade(handle, QFile::encodeName(path).constData(), maxSize, 0, 0, nullptr);
    HidHandleTable::instance().remove(handle);
    const int packets = (int(image.size()) + BootloaderProtocol::kPayloadSize - 1) / BootloaderProtocol::kPayloadSize;
    if (result > 0 || result < TavrixFirmwareTooLarge || bootloader->dataPackets > packets)
        __builtin_trap();
    if (result == TavrixFirmwareOk && (image.isEmpty() || image.size() > maxSize))
        __builtin_trap();
    return 0;
}
