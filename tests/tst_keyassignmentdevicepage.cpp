// The key-assignment tab inside the device page, with an emulated keyboard: a
// key clicked on the picture reaches the tab, and a download holds profile
// switches back until it ends.

#include "app/ddatamanager.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "emumodel.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "sdk/tavrixxml.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

}  // namespace

class TestKeyAssignmentDevicePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void downloadHoldsProfileSwitches();
};

void TestKeyAssignmentDevicePage::downloadHoldsProfileSwitches()
{
    QTemporaryDir emuDir;
    qputenv("TAVRIX_EMU_DIR", emuDir.path().toLocal8Bit());
    EmuDevice keyboard(emuDir.path(), EmuModels::find("QR108"), "one");
    QVERIFY(keyboard.start());
    auto page = std::make_unique<DDevicePage>();
    QSignalSpy enumerated(page.get(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    page->resize(1280, 700);
    page->show();
    QVERIFY(waitUntil([&] { return enumerated.count() > 0 && !page->isBusy(); }, 20000));
    DCustomKeysPage *tab = page->customKeysTab();
    QVERIFY(tab);
    QCOMPARE(tab->profilePath(), page->currentProfilePath());

    // A key clicked on the picture is shown on the tab.
    keyboardButCustom *d = DDataManager::getInstance()->getKeyButtonMap().value(7);
    QVERIFY(d);
    d->click();
    QCOMPARE(DDataManager::getInstance()->getClickedKeyCode(), 7);
    // The tab's own key column: the function pages have frames and labels of the same names.
    QFrame *keyColumn
        = tab->findChild<QFrame *>("frame_Bottom")->findChild<QFrame *>("frame_5", Qt::FindDirectChildrenOnly);
    QVERIFY(keyColumn);
    QCOMPARE(keyColumn->findChild<QLabel *>("label_KeyChar")->text(), QString("D"));

    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(page->currentProfilePath(), "2", "Profile2", 0));
    page->loadProfileList();
    auto *profiles = page->findChild<QComboBox *>("comboBox_profileList");
    QCOMPARE(profiles->count(), 2);

    // Keep the download running: the page's own download would end it at once.
    disconnect(tab, &DCustomKeysPage::sigTheKeyboardIntoDownloading, page.get(), nullptr);
    tab->findChild<QPushButton *>("pushButton_Download")->click();
    QVERIFY(tab->isDownloading());
    profiles->setCurrentIndex(profiles->findData(2));
    QCOMPARE(page->currentProfileIndex(), 1);
    QCOMPARE(profiles->currentData().toInt(), 1);
    page->onCustomEventChangProfile(2);
    QCOMPARE(page->currentProfileIndex(), 1);
    const QByteArray layerFile = page->currentProfilePath();
    page->onDefaultLayerAndFnLayerSwitch(1);
    QCOMPARE(page->currentProfilePath(), layerFile);
    page->onProfileDelete();
    QList<ProfileNode> nodes;
    QVERIFY(CTavrixXML_SelectProFileAllNodes(layerFile, nodes));
    QCOMPARE(nodes.size(), 2);

    tab->stopDownloadAnimation();
    profiles->setCurrentIndex(profiles->findData(2));
    QCOMPARE(page->currentProfileIndex(), 2);
    QCOMPARE(tab->profileIndex(), 2);
    page->onCustomEventChangProfile(1);
    QCOMPARE(page->currentProfileIndex(), 1);

    page->closeAllLinks();
    page.reset();
    qunsetenv("TAVRIX_EMU_DIR");
}

TAVRIX_TEST_MAIN(TestKeyAssignmentDevicePage)
#include "tst_keyassignmentdevicepage.moc"
