#include "devicepagerig.h"

#include "app/ddatamanager.h"
#include "emumodel.h"
#include "keyboardview/keyboardbutcustom.h"
#include "support/waituntil.h"

DevicePageRig::DevicePageRig()
{
    qputenv("TAVRIX_EMU_DIR", m_dir.path().toLocal8Bit());
}

DevicePageRig::~DevicePageRig()
{
    if (page) {
        page->closeAllLinks();
        delete page;
    }
    qunsetenv("TAVRIX_EMU_DIR");
}

EmuDevice *DevicePageRig::add(const QString &model, const QString &tag, bool receiver, bool start,
                              const QByteArray &serial)
{
    m_devices.push_back(std::make_unique<EmuDevice>(m_dir.path(), EmuModels::find(model), tag, receiver));
    EmuDevice *device = m_devices.back().get();
    if (!serial.isNull())
        device->keyboard()->state().serial = serial;
    if (start)
        device->start();
    return device;
}

bool DevicePageRig::openPage()
{
    page = new DDevicePage;
    names = std::make_unique<QSignalSpy>(page, &DDevicePage::sigReturnHidLikeName);
    enumerated = std::make_unique<QSignalSpy>(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    page->resize(1280, 700);
    page->show();
    return waitUntil([&] { return enumerated->count() > 0 && !page->isBusy(); }, 20000);
}

QList<int> DevicePageRig::pictureKeyCodes()
{
    QList<int> codes;
    for (const keyboardButCustom *key : DDataManager::getInstance()->getKeyButtonList())
        codes << (key ? key->keyDec() : 0);
    return codes;
}
