// Input reports of any length and content reach a device link wired to the pages
// the way the device page wires its current keyboard: the link's facts go to the
// data manager and the performance and trigger pages reread them, and the live
// travel, trigger and calibration answers are relayed to the trigger page. No
// page may crash or read out of bounds whatever values a keyboard reports.

#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicepage/dperformancepage.h"
#include "fuzzsupport.h"
#include "magnetic/dtriggersettingpage.h"
#include "sdk/tavrixxml.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

QTemporaryDir *workDir = nullptr;
DDeviceKeyboardLink *link = nullptr;
DPerformancePage *performance = nullptr;
DTriggerSettingPage *trigger = nullptr;
fuzzsupport::NoPaste noPaste;
fuzzsupport::NoLaunch noLaunch;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::silenceMessages();
    workDir = fuzzsupport::privateHome();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    const QByteArray layer = QFile::encodeName(workDir->filePath("appProfile_Default.xml"));
    CTavrixXML_CreateXMLFile(layer);
    CTavrixXML_CreateProFileXmlParentNode(layer, "1", "Profile1", 0);
    DDataManager *dm = DDataManager::getInstance();
    dm->setCurProfilePath(layer);
    dm->setCurProfileIndex(1);
    dm->setMagneticProfilePath(layer);
    dm->setMagneticKeyboard(true);
    link = new DDeviceKeyboardLink;
    link->setProfilePath(layer);
    link->setWirelessFlag(1);
    link->setPasteBackend(&noPaste);
    link->setAppLaunchBackend(&noLaunch);
    performance = new DPerformancePage;
    trigger = new DTriggerSettingPage;
    // The device page's relays for its current keyboard.
    QObject::connect(link, &DDeviceKeyboardLink::sigFactsChanged, [] {
        DDataManager *d = DDataManager::getInstance();
        d->setHaveSideLight(link->hasSideLight());
        d->setMagneticPrecision(link->getMagneticPrecision());
        d->setKeyAntiShakeNum(link->getKeyAntiShakeNum());
        d->setKeyRateOfReturnNum(link->getKeyRateOfReturnNum());
        if (link->getProhibitSleep() >= 0)
            d->setProhibitSleep(link->getProhibitSleep());
        performance->reloadSettings();
        trigger->reloadSettings();
    });
    QObject::connect(link, &DDeviceKeyboardLink::sigMagneticLiveTravel, dm,
                     &DDataManager::relayBackDynamicDisplaySensitivityNum);
    QObject::connect(link, &DDeviceKeyboardLink::sigMagneticKeyTrigger, dm, &DDataManager::relaySensitivityBackInfo);
    QObject::connect(link, &DDeviceKeyboardLink::sigMagneticCalibrationStatus, dm,
                     &DDataManager::relayCalibrationStatus);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The I/O thread always hands over a 64-byte buffer with the count it read.
    auto *buffer = new unsigned char[64];
    std::memset(buffer, 0, 64);
    std::memcpy(buffer, data, std::min<size_t>(size, 64));
    link->onHidDataArrived(buffer, static_cast<int>(size), 1);
    QCoreApplication::processEvents();
    return 0;
}
