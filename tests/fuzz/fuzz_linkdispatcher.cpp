// Input reports of any length and content reach the device link's dispatcher, as a
// misbehaving keyboard might send them: no handler may read past the 64-byte buffer, and
// the key-report copy must keep its shape.

#include "devicelink/ddevicekeyboardlink.h"
#include "fuzzsupport.h"
#include "sdk/tavrixxml.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

QTemporaryDir *workDir = nullptr;
DDeviceKeyboardLink *link = nullptr;
fuzzsupport::NoPaste noPaste;
fuzzsupport::NoLaunch noLaunch;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::silenceMessages();
    workDir = fuzzsupport::privateHome();
    new QGuiApplication(*argc, *argv);
    const QByteArray layer = QFile::encodeName(workDir->filePath("appProfile_Default.xml"));
    CTavrixXML_CreateXMLFile(layer);
    CTavrixXML_CreateProFileXmlParentNode(layer, "1", "Profile1", 0);
    link = new DDeviceKeyboardLink;
    link->setProfilePath(layer);
    link->setWirelessFlag(1);
    link->setPasteBackend(&noPaste);
    link->setAppLaunchBackend(&noLaunch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The I/O thread always hands over a 64-byte buffer with the count it read.
    auto *buffer = new unsigned char[64];
    std::memset(buffer, 0, 64);
    std::memcpy(buffer, data, std::min<size_t>(size, 64));
    if (size > 1 && data[1] == 0x15)
        link->onHidSNDataArrived(buffer, QStringLiteral("QR108"));
    else
        link->onHidDataArrived(buffer, static_cast<int>(size), 1);

    const HostKeyReport &keys = link->keyReport();
    if (keys.nextFreeSlot() < HostKeyReport::FirstSlot || keys.nextFreeSlot() > HostKeyReport::SlotEnd)
        __builtin_trap();
    for (int s = keys.nextFreeSlot(); s < HostKeyReport::SlotEnd; ++s) {
        if (keys.hostReport()[s] != 0)
            __builtin_trap();
    }
    if (link->getCustomKeyList().size() > 6 * 22)
        __builtin_trap();
    return 0;
}
