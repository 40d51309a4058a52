// The download started from the key-assignment tab through the device page, with
// emulated keyboards: it writes the current keyboard, holds it until the end, and ends
// at once when that keyboard goes away.
#include "app/ddatamanager.h"
#include "app/dmainwidget.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/deviceoperations.h"
#include "devicelink/mainhidinterface.h"
#include "devicelink/onboarddownload.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "emuonboardview.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "sdk/tavrixxml.h"
#include "support/devicepagerig.h"
#include "support/testmain.h"
#include "support/waituntil.h"
#include "widgets/cbnotice.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <functional>
#include <memory>

namespace {

// The device page rig with the page's downloader watched.
class Rig : public DevicePageRig
{
public:
    DDevicePage *open()
    {
        DevicePageRig::open();
        finished = std::make_unique<QSignalSpy>(page->onboardDownloader(), &OnboardDownload::sigDownloadFinished);
        return page;
    }

    QString currentPath() const
    {
        return page->currentDeviceLink() ? page->currentDeviceLink()->devicePath() : QString();
    }
    QByteArray defaultLayer() const { return QFile::encodeName(page->currentProfileDir() + "/appProfile_Default.xml"); }
    // The Download button's request.
    void download() const { Q_EMIT page->customKeysTab()->sigTheKeyboardIntoDownloading(); }
    bool waitFinished(int ms) const { return finished->count() > 0 || finished->wait(ms); }
    QString noticeText() const { return page->pageNotice()->text(); }

    std::unique_ptr<QSignalSpy> finished;
};

}  // namespace

class TestDevicePageDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void downloadWritesTheCurrentKeyboard();
    void otherKeyboardsWaitForTheEnd();
    void targetLeavingEndsTheDownload();
    void quitWaitsForTheDownload_data();
    void quitWaitsForTheDownload();
};

void TestDevicePageDownload::init()
{
    QDir(DDataManager::getInstance()->getUserConfigDir()).removeRecursively();
}

void TestDevicePageDownload::downloadWritesTheCurrentKeyboard()
{
    Rig rig;
    EmuDevice *keyboard = rig.add("QM68", "d");
    DDevicePage *page = rig.open();
    QCOMPARE(rig.currentPath(), keyboard->socketPath());
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->getKeyButtonList();
    QCOMPARE(keys.size(), 132);
    int k = 0;
    while (keys.at(k)->keyDec() == 0)
        ++k;
    const QByteArray index = QByteArray::number(CTavrixXML_GetCreateXMLFileProfileIndex(rig.defaultLayer()));
    const QByteArray code = QByteArray::number(keys.at(k)->keyDec());
    CTavrixXML_DeleteProFileMacroWithKeyInfoItem(rig.defaultLayer(), index, code, "");
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(rig.defaultLayer(), index, code, "key", "3", "1", "1", "2"));

    rig.download();
    QVERIFY(page->isBusy());
    QVERIFY(rig.waitFinished(30000));
    QCOMPARE(rig.noticeText(), QStringLiteral("Download config successful"));
    QVERIFY(!page->isBusy());
    const EmuOnboardView view(keyboard->keyboard()->state().memory);
    QCOMPARE(view.keyItem(0, k, keys.at(k)->keyDec()), (EmuKeyItem {3, 1, 1, "2"}));
    // The magnetic keyboard's advanced-key slots were cleared.
    QVERIFY(view.isEmptySeniorKeySlot(39));
}

void TestDevicePageDownload::otherKeyboardsWaitForTheEnd()
{
    Rig rig;
    EmuDevice *target = rig.add("QR108", "a");
    EmuDevice *other = rig.add("QB84", "b");
    DDevicePage *page = rig.open();
    QCOMPARE(rig.currentPath(), target->socketPath());
    target->keyboard()->setDownloadResult(-1);  // the keyboard being written never reports

    EmuDevice *late = nullptr;
    QTimer::singleShot(200, [&] {
        // Another keyboard's card click, its status report of a good download, and a
        // third keyboard's arrival, all while the target's download runs.
        QTest::mouseClick(page->deviceCardMap().value(other->socketPath()), Qt::LeftButton);
        other->keyboard()->sendReport(other->keyboard()->statusReport(1));
        late = rig.add("QM68", "c");
        page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath");
    });
    rig.download();
    QVERIFY(rig.waitFinished(30000));
    QVERIFY(late);
    QCOMPARE(rig.finished->first().at(0).toBool(), false);
    QCOMPARE(rig.noticeText(), QStringLiteral("Download config failed, Please try again"));
    QCOMPARE(rig.currentPath(), target->socketPath());
    QVERIFY(!page->deviceCardMap().value(other->socketPath())->isSelected());
    // The arrival waited for the end and is handled now.
    QVERIFY(!page->getKeyboardLinkMap().contains(late->socketPath()));
    QVERIFY(waitUntil([&] { return page->getKeyboardLinkMap().contains(late->socketPath()); }, 30000));
    QCOMPARE(rig.currentPath(), target->socketPath());
}

void TestDevicePageDownload::targetLeavingEndsTheDownload()
{
    Rig rig;
    EmuDevice *target = rig.add("QR108", "gone");
    EmuDevice *other = rig.add("QB84", "stays");
    DDevicePage *page = rig.open();
    QCOMPARE(rig.currentPath(), target->socketPath());
    target->keyboard()->onReceived(0x17, 5, [&] {
        target->vanish();
        QTimer::singleShot(10, [&] { page->hidDeviceConnectChanging(DDevicePage::kChangeRemoval, "hidPath"); });
    });
    // The download ends when its keyboard goes, not when a wait runs out: here every
    // wait lasts ten minutes.
    page->onboardDownloader()->setWaits({600000, OnboardDownload::PauseMs, 600000});
    rig.download();
    QVERIFY(rig.waitFinished(60000));
    QCOMPARE(rig.finished->first().at(0).toBool(), false);
    QVERIFY(!page->getKeyboardLinkMap().contains(target->socketPath()));
    QVERIFY(waitUntil([&] { return !page->isBusy(); }, 30000));
    QCOMPARE(rig.currentPath(), other->socketPath());
}

// A quit of any kind during a Download hides the window at once and lets the
// download finish before the keyboard's link closes: the keyboard gets every report
// (it says so with its good status), not a half-written profile.
void TestDevicePageDownload::quitWaitsForTheDownload_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("title bar close, no tray") << QString("close button");
    QTest::newRow("tray Quit, log-out signal") << QString("quit");
    QTest::newRow("window manager close") << QString("window manager");
    QTest::newRow("end of the event loop") << QString("event loop");
}

void TestDevicePageDownload::quitWaitsForTheDownload()
{
    QFETCH(QString, way);

    Rig rig;
    EmuDevice *keyboard = rig.add("QR108", "a");
    // Slow acknowledgements: the download takes seconds, the quit comes at its start.
    keyboard->keyboard()->delayReplies(0x19, 150);
    auto window = std::make_unique<DMainWidget>();
    window->show();
    DDevicePage *page = window->devicePage();
    QVERIFY(waitUntil(
        [&] {
            return page->currentDeviceLink() && !page->isBusy()
                && QFile::exists(page->currentProfileDir() + "/appProfile_Default.xml");
        },
        30000));
    QCOMPARE(page->currentDeviceLink()->devicePath(), keyboard->socketPath());
    QSignalSpy finished(page->onboardDownloader(), &OnboardDownload::sigDownloadFinished);
    Q_EMIT page->customKeysTab()->sigTheKeyboardIntoDownloading();
    QVERIFY(page->isDownloading());
    QVERIFY(DeviceOperations::instance()->isBusy());

    bool hiddenAtOnce = false;
    QTimer::singleShot(0, window.get(), [&] {
        if (way == QLatin1String("close button")) {
            window->findChild<QPushButton *>("pushButton_Close")->click();
        } else if (way == QLatin1String("quit")) {
            window->onQuitApp();
        } else if (way == QLatin1String("window manager")) {
            QCloseEvent close;
            QSpontaneKeyEvent::setSpontaneous(&close);
            static_cast<QObject &>(*window).event(&close);
            QCoreApplication::processEvents();  // the quit the refused close asked for
        } else {
            QCoreApplication::exit(0);
            return;
        }
        hiddenAtOnce = !window->isVisible() && finished.isEmpty();
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    if (way != QLatin1String("event loop"))
        QVERIFY(hiddenAtOnce);
    QVERIFY(!window->isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), true);
    QVERIFY(!DeviceOperations::instance()->isBusy());
    window.reset();
}

TAVRIX_TEST_MAIN(TestDevicePageDownload)
#include "tst_devicepagedownload.moc"
