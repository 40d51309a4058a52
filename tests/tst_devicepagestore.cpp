// The device page's layer files when they are empty or damaged, the store
// writes that keyboard reports cause when they fail, and the ownership of links.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/profilecontroller.h"
#include "emudevice.h"
#include "emukeyboard.h"
#include "sdk/tavrixxml.h"
#include "support/devicepagerig.h"
#include "support/testmain.h"
#include "support/waituntil.h"
#include "widgets/cbnotice.h"
#include "widgets/storefilequestion.h"

#include <QDir>
#include <QFile>
#include <QPointer>

namespace {

QString layerFolder(EmuDevice *keyboard, const QString &model, const QString &tag)
{
    return DDataManager::getInstance()->getUserConfigDir() + "/" + model + "/"
        + QString::fromLatin1(EmuKeyboard::defaultSerial(keyboard->model(), false, tag));
}

void write(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray kDamaged = "<?xml version=\"1.0\"?>\n<tavrixStore version=\"1\">\n<profile index=\"1\"";

}  // namespace

class TestDevicePageStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QDir(DDataManager::getInstance()->getUserConfigDir()).removeRecursively();
        StoreFileQuestion::reset();
    }
    void cleanup()
    {
        StoreFileQuestion::setAsker([](QWidget *, const QString &) { return StoreFileQuestion::Keep; });
    }

    // A layer file of 0 bytes holds nothing: it is made anew like a missing one.
    // A damaged one is named to the user and, moved aside, made anew as well.
    void emptyOrDamagedLayerFilesAreRebuilt()
    {
        QStringList questions;
        StoreFileQuestion::setAsker([&questions](QWidget *, const QString &text) {
            questions << text;
            return StoreFileQuestion::MoveAside;
        });
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "one");
        const QString folder = layerFolder(keyboard, "QR108", "one");
        QVERIFY(QDir().mkpath(folder));
        write(folder + "/appProfile_Default.xml", QByteArray());
        write(folder + "/appProfile_FN.xml", kDamaged);
        DDevicePage *page = rig.open();

        QCOMPARE(questions.size(), 1);
        QVERIFY(questions.first().contains(QDir::toNativeSeparators(folder + "/appProfile_FN.xml")));
        QVERIFY(questions.first().contains("line 3"));
        const QStringList aside = QDir(folder).entryList({"appProfile_FN.xml.damaged-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(read(folder + "/" + aside.first()), kDamaged);
        for (const char *layer : {"appProfile_Default.xml", "appProfile_FN.xml"}) {
            QList<ProfileNode> nodes;
            QVERIFY2(CTavrixXML_SelectProFileAllNodes(QFile::encodeName(folder + "/" + layer), nodes), layer);
            QCOMPARE(nodes.size(), 1);
            QCOMPARE(nodes.first().name, QByteArray("Profile1"));
        }
        QCOMPARE(page->currentProfileIndex(), 1);
    }

    // A damaged layer file the user keeps stays byte for byte; the writes that the
    // keyboard's reports cause then fail, and that is told once, not per report.
    void keptDamagedFileTellsFailedWritesOnce()
    {
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "one");
        const QString folder = layerFolder(keyboard, "QR108", "one");
        QVERIFY(QDir().mkpath(folder));
        const QString defaultLayer = folder + "/appProfile_Default.xml";
        write(defaultLayer, kDamaged);
        DDevicePage *page = rig.open();
        DDeviceKeyboardLink *link = page->currentDeviceLink();
        QVERIFY(link);
        // Opening stores the keyboard's light state and sleep times; both fail.
        const QString expected = QDir::toNativeSeparators(defaultLayer);
        QVERIFY(waitUntil([&] { return page->pageNotice()->text().contains(expected); }, 3000));
        QVERIFY(page->pageNotice()->text().contains("line 3"));
        QSignalSpy told(link, &DDeviceKeyboardLink::sigStoreWriteFailed);
        for (int i = 0; i < 3; ++i) {
            link->saveLightInfoToProfile(0);
            QTest::qWait(20);
        }
        QTest::qWait(300);
        QCOMPARE(told.count(), 0);
        QCOMPARE(read(defaultLayer), kDamaged);
    }

    // A keyboard that will not keep a written serial number still gets its profiles,
    // in the same folder at every start: a change made to them is there after a restart.
    void keyboardKeepingNoWrittenSerialKeepsItsProfiles()
    {
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "locked", false, false, "abc");
        keyboard->keyboard()->setSerialLocked(true);
        QVERIFY(keyboard->start());
        DDevicePage *page = rig.open();
        QTRY_VERIFY_WITH_TIMEOUT(!page->currentProfilePath().isEmpty(), 10000);
        const QByteArray path = page->currentProfilePath();
        QVERIFY2(path.startsWith(QFile::encodeName(DDataManager::getInstance()->getUserConfigDir() + "/QR108/")),
                 path.constData());
        QVERIFY(page->profileController()->createProfile());
        QList<ProfileNode> before;
        QVERIFY(CTavrixXML_SelectProFileAllNodes(path, before));
        QCOMPARE(before.size(), 2);

        // Restart: new page and link objects, the keyboard plugged in again.
        page->closeAllLinks();
        delete page;
        rig.page = nullptr;
        keyboard->stop();
        QVERIFY(keyboard->start());
        page = rig.open();
        QTRY_VERIFY_WITH_TIMEOUT(!page->currentProfilePath().isEmpty(), 10000);
        QCOMPARE(page->currentProfilePath(), path);
        QList<ProfileNode> after;
        QVERIFY(CTavrixXML_SelectProFileAllNodes(page->currentProfilePath(), after));
        QCOMPARE(after.size(), 2);
        QCOMPARE(after.last().name, before.last().name);
        QCOMPARE(keyboard->keyboard()->state().serial, QByteArray("abc"));
    }

    // A link belongs to the page and goes when its keyboard is unplugged.
    void unpluggedLinkIsDeleted()
    {
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "gone");
        DDevicePage *page = rig.open();
        QPointer<DDeviceKeyboardLink> link = page->currentDeviceLink();
        QVERIFY(link);
        QCOMPARE(link->parent(), page);
        keyboard->vanish();
        page->hidDeviceConnectChanging(DDevicePage::kChangeRemoval, "hidPath");
        QTRY_VERIFY(link.isNull());
    }
};

TAVRIX_TEST_MAIN(TestDevicePageStore)
#include "tst_devicepagestore.moc"
