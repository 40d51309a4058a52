// The key-assignment tab inside the device page, with an emulated keyboard: a
// key clicked on the picture reaches the tab, and a download holds profile
// switches back until it ends.

#include "app/ddatamanager.h"
#include "devicepage/ddevicepage.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "sdk/tavrixxml.h"
#include "support/devicepagerig.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

class TestKeyAssignmentDevicePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void downloadHoldsProfileSwitches();
};

void TestKeyAssignmentDevicePage::downloadHoldsProfileSwitches()
{
    DevicePageRig rig;
    QVERIFY(rig.add("QR108", "one", false, false)->start());
    QVERIFY(rig.openPage());
    DDevicePage *page = rig.page;
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
    disconnect(tab, &DCustomKeysPage::sigTheKeyboardIntoDownloading, page, nullptr);
    tab->findChild<QPushButton *>("pushButton_Download")->click();
    QVERIFY(tab->isDownloading());
    profiles->setCurrentIndex(profiles->findData(2));
    QCOMPARE(page->currentProfileIndex(), 1);
    QCOMPARE(profiles->currentData().toInt(), 1);
    page->onCustomEventChangeProfile(2);
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
    page->onCustomEventChangeProfile(1);
    QCOMPARE(page->currentProfileIndex(), 1);
}

TAVRIX_TEST_MAIN(TestKeyAssignmentDevicePage)
#include "tst_keyassignmentdevicepage.moc"
