// From a key clicked on the keyboard picture to the keyboard's memory, through the
// device page and an emulated keyboard: the key is disabled on the key-assignment
// tab and Download writes it into the keyboard; reset to default and downloaded
// again, the key has its own function back. Nothing else changes.

#include "app/ddatamanager.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "emuonboardview.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "keys/dkeyfunctionpage.h"
#include "keys/keyfunctionpagetable.h"
#include "sdk/tavrixxml.h"
#include "support/devicepagerig.h"
#include "support/testmain.h"
#include "support/waituntil.h"
#include "widgets/cbnotice.h"

#include <QPushButton>

#include <memory>

namespace {

constexpr int kKeyD = 7;

}  // namespace

class TestKeyAssignmentDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void disableDownloadResetDownload();

private:
    // Both layers of the keyboard's memory, key by key in layout order.
    QList<EmuKeyItem> memory() const;
    // Presses Download twice and waits for the download's end.
    bool download();

    std::unique_ptr<DevicePageRig> m_rig;
    EmuDevice *m_keyboard = nullptr;
    DDevicePage *m_page = nullptr;
    QList<int> m_codes;
};

QList<EmuKeyItem> TestKeyAssignmentDownload::memory() const
{
    const EmuOnboardView view(m_keyboard->keyboard()->state().memory);
    QList<EmuKeyItem> items;
    for (int layer : {0, 2})
        for (int k = 0; k < m_codes.size(); ++k)
            items << (m_codes.at(k) == 0 ? EmuKeyItem() : view.keyItem(layer, k, m_codes.at(k)));
    return items;
}

bool TestKeyAssignmentDownload::download()
{
    DCustomKeysPage *tab = m_page->customKeysTab();
    const int before = m_keyboard->receivedReports().size();
    auto *button = tab->findChild<QPushButton *>("pushButton_Download");
    button->click();
    if (!tab->isDownloading())
        return false;
    button->click();  // a second press during the download does nothing
    if (!waitUntil([&] { return !tab->isDownloading(); }, 15000))
        return false;
    // One download: its first key packet went out once.
    int firstPackets = 0;
    const QList<HidReport> reports = m_keyboard->receivedReports();
    for (int i = before; i < reports.size(); ++i)
        firstPackets += reports.at(i)[1] == 0x17 && reports.at(i)[2] == 0 && reports.at(i)[4] == 0;
    return firstPackets == 1;
}

void TestKeyAssignmentDownload::disableDownloadResetDownload()
{
    m_rig = std::make_unique<DevicePageRig>();
    m_keyboard = m_rig->add("QR108", "one", false, false);
    QVERIFY(m_keyboard->start());
    QVERIFY(m_rig->openPage());
    m_page = m_rig->page;
    m_codes = DevicePageRig::pictureKeyCodes();
    DCustomKeysPage *tab = m_page->customKeysTab();

    QVERIFY(download());
    const QList<EmuKeyItem> original = memory();
    const int indexD = m_codes.indexOf(kKeyD);
    QVERIFY(indexD >= 0);
    QCOMPARE(original.at(indexD), EmuKeyItem());

    // Click D on the picture, choose Disable, OK, Download.
    keyboardButCustom *d = DDataManager::getInstance()->getKeyButtonMap().value(kKeyD);
    QVERIFY(d);
    d->click();
    tab->functionButton(KeyFunctionPages::Disable)->click();
    tab->functionPage(KeyFunctionPages::Disable)->findChild<QPushButton *>("pushButton_OK")->click();
    QVERIFY(d->isAssigned());
    QVERIFY(download());
    QList<EmuKeyItem> expected = original;
    expected[indexD] = EmuKeyItem {5, 1, 1, "-1"};
    QCOMPARE(memory(), expected);

    // Reset it to default and download again.
    tab->functionButton(KeyFunctionPages::Default)->click();
    tab->functionPage(KeyFunctionPages::Default)->findChild<QPushButton *>("pushButton_OK")->click();
    QVERIFY(!d->isAssigned());
    QVERIFY(download());
    QCOMPARE(memory(), original);

    m_rig.reset();
}

TAVRIX_TEST_MAIN(TestKeyAssignmentDownload)
#include "tst_keyassignmentdownload.moc"
