// The device page's layer files when they are empty or damaged, the store
// writes that keyboard reports cause when they fail, and the ownership of links.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/profilecontroller.h"
#include "devicepage/profiledefaults.h"
#include "emudevice.h"
#include "emukeyboard.h"
#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/devicepagerig.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "support/waituntil.h"
#include "widgets/cbnotice.h"
#include "widgets/storefilequestion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/stat.h>

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

const char *const kLayerFiles[] = {"appProfile_Default.xml", "appProfile_FN.xml"};

// What a usable layer file holds after a keyboard's first connection: profile 1 as
// the current one, with the default light items and the five custom lights.
void verifyUsableLayers(const QString &folder)
{
    for (const char *layer : kLayerFiles) {
        const QByteArray path = QFile::encodeName(folder + "/" + layer);
        QList<ProfileNode> nodes;
        QVERIFY2(CTavrixXML_SelectProFileAllNodes(path, nodes), layer);
        QCOMPARE(nodes.size(), 1);
        QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(path), 1);
        // A new profile's light items are in mode 2 (Wave) for every target.
        for (int target = 0; target < 3; ++target)
            QVERIFY2(CTavrixXML_IsProFileAlreadyHaveLightInfo(path, "1", target, 2), layer);
        QList<CustomLightNodeInfo> customLights;
        QVERIFY(CTavrixXML_SelectProFileCustomLightAllNodes(path, "1", customLights));
        QCOMPARE(customLights.size(), int(ProfileDefaults::kCustomLightCount));
    }
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

    // A store that parses but holds no profile (an earlier version's first save cut
    // short) has nothing of the user's in it: it is made anew, not shown empty.
    void layerFileWithoutProfileIsRebuilt()
    {
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "one");
        const QString folder = layerFolder(keyboard, "QR108", "one");
        QVERIFY(QDir().mkpath(folder));
        for (const char *layer : kLayerFiles)
            write(folder + "/" + layer, "<?xml version=\"1.0\"?>\n<tavrixStore version=\"1\"/>\n");
        DDevicePage *page = rig.open();
        verifyUsableLayers(folder);
        QCOMPARE(page->currentProfileIndex(), 1);
    }

    // The profiles hold key texts the user typed: a keyboard's folders and layer files
    // are its owner's only, also below a model folder an earlier version made.
    void keyboardFilesAreForTheirOwner()
    {
        const mode_t previousMask = ::umask(022);
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "one");
        const QString folder = layerFolder(keyboard, "QR108", "one");
        const QString modelFolder = QFileInfo(folder).path();
        QVERIFY(QDir().mkpath(modelFolder));
        QFile::setPermissions(modelFolder,
                              QFile::permissions(modelFolder) | QFileDevice::ReadOther | QFileDevice::ExeOther
                                  | QFileDevice::ReadGroup);
        rig.open();
        ::umask(previousMask);
        auto modeOf = [](const QString &path) {
            struct stat st;
            return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? QString::number(st.st_mode & 07777, 8)
                                                                         : QString("missing");
        };
        QCOMPARE(modeOf(modelFolder), QString("700"));
        QCOMPARE(modeOf(folder), QString("700"));
        for (const char *layer : kLayerFiles)
            QCOMPARE(modeOf(folder + "/" + layer), QString("600"));
    }

    // A full disk at a new keyboard's first connection: the notice names the full disk,
    // not a "does not exist" of the keyboard's later writes to the file never made.
    void fullDiskAtFirstConnectionIsTold()
    {
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "one");
        const QString folder = layerFolder(keyboard, "QR108", "one");
        DDevicePage *page = nullptr;
        StoreFixture::withFileSizeLimit(1024, [&] { page = rig.open(); });
        QVERIFY(page && page->currentDeviceLink());
        const QString full = CTavrixXML_FailureText({CTavrixXMLFailureKind::DiskFull,
                                                     QFile::encodeName(folder + "/appProfile_Default.xml"), 0,
                                                     QString(), CTavrixXMLDamage::Unknown, EFBIG});
        QCOMPARE(page->pageNotice()->text(), full);
        // The keyboard's reports that would be stored keep it on show.
        page->currentDeviceLink()->saveLightInfoToProfile(0);
        QCOMPARE(page->pageNotice()->text(), full);
    }

    void spaceBackAfterFailedFirstConnection_data()
    {
        QTest::addColumn<bool>("fnOnly");
        QTest::newRow("no layer file made") << false;
        QTest::newRow("FN layer file missing") << true;
    }

    // Layer files that a new keyboard's first connection could not make (a full disk)
    // are made, each whole, by the next profile operation once there is room again;
    // while there is none, the operation says why and leaves no half-made file.
    void spaceBackAfterFailedFirstConnection()
    {
        QFETCH(bool, fnOnly);
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "one");
        const QString folder = layerFolder(keyboard, "QR108", "one");
        const QString defaultLayer = folder + "/appProfile_Default.xml";
        const QString fnLayer = folder + "/appProfile_FN.xml";
        DDevicePage *page = nullptr;
        if (fnOnly) {
            page = rig.open();
            QVERIFY(QFile::remove(fnLayer));
        } else {
            StoreFixture::withFileSizeLimit(1024, [&] { page = rig.open(); });
            QVERIFY(!QFile::exists(defaultLayer));
        }
        QVERIFY(page);
        ProfileController *profiles = page->profileController();
        const QString missing = fnOnly ? fnLayer : defaultLayer;
        StoreFixture::withFileSizeLimit(1024, [&] { QVERIFY(!profiles->createProfile()); });
        QCOMPARE(page->pageNotice()->text(),
                 CTavrixXML_FailureText({CTavrixXMLFailureKind::DiskFull, QFile::encodeName(missing), 0, QString(),
                                         CTavrixXMLDamage::Unknown, EFBIG}));
        QVERIFY(!QFile::exists(fnLayer));
        QCOMPARE(QFile::exists(defaultLayer), fnOnly);

        QVERIFY(profiles->createProfile());
        QCOMPARE(page->pageNotice()->text(), QString("Create profile successful"));
        QList<ProfileNode> nodes;
        QVERIFY(CTavrixXML_SelectProFileAllNodes(QFile::encodeName(defaultLayer), nodes));
        QCOMPARE(nodes.size(), 2);
        QCOMPARE(page->currentProfileIndex(), 1);
        QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(QFile::encodeName(fnLayer)), 1);
        for (const QString &layer : {defaultLayer, fnLayer}) {
            QList<CustomLightNodeInfo> customLights;
            QVERIFY(CTavrixXML_SelectProFileCustomLightAllNodes(QFile::encodeName(layer), "1", customLights));
            QCOMPARE(customLights.size(), int(ProfileDefaults::kCustomLightCount));
            for (int target = 0; target < 3; ++target)
                QVERIFY(CTavrixXML_IsProFileAlreadyHaveLightInfo(QFile::encodeName(layer), "1", target,
                                                                 ProfileDefaults::defaultLight(target).lightMode));
        }
        // The keyboard's own reports are stored again.
        page->currentDeviceLink()->saveLightInfoToProfile(0);
        QCOMPARE(page->pageNotice()->text(), QString("Create profile successful"));
    }

    // A new keyboard's first connection killed at each of its store writes in turn: the
    // next start always finds usable layer files. The writes are few (each file is made
    // whole in memory and written once), so the window never waits on many syncs.
    void firstConnectionKilledAtEveryWrite()
    {
        const QString folder = DDataManager::getInstance()->getUserConfigDir();
        int writes = -1;
        for (int killAt = 1; writes < 0; ++killAt) {
            QVERIFY2(killAt < 50, "the first connection never ended");
            QDir(folder).removeRecursively();
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("TAVRIX_TEST_HOME", qEnvironmentVariable("HOME"));
            // What the killed child leaves in its temporary folders goes with this test's home.
            const QString childTemp = qEnvironmentVariable("HOME") + "/tmp";
            QVERIFY(QDir().mkpath(childTemp));
            env.insert("TMPDIR", childTemp);
            env.insert("TAVRIX_TEST_KILL_AT_WRITE", QString::number(killAt));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {"firstConnectionChild"});
            QVERIFY(child.waitForFinished(120000));
            if (child.exitStatus() == QProcess::NormalExit) {
                QCOMPARE(child.exitCode(), 0);
                const QByteArray out = child.readAllStandardOutput();
                const int at = out.indexOf("store writes: ");
                QVERIFY2(at >= 0, out.constData());
                writes = out.mid(at + 14).split('\n').first().trimmed().toInt();
            }
            // The next start.
            DevicePageRig rig;
            EmuDevice *keyboard = rig.add("QR108", "one");
            DDevicePage *page = rig.open();
            const QString layers = layerFolder(keyboard, "QR108", "one");
            verifyUsableLayers(layers);
            if (QTest::currentTestFailed())
                qWarning("after a kill at store write %d", killAt);
            QVERIFY(!QTest::currentTestFailed());
            QCOMPARE(page->currentProfileIndex(), 1);
            QVERIFY2(!page->pageNotice()->text().contains("fail", Qt::CaseInsensitive),
                     qPrintable(page->pageNotice()->text()));
        }
        qInfo("a new keyboard's first connection makes %d store writes", writes);
        QVERIFY(writes > 0);
        QVERIFY2(writes <= 6, qPrintable(QString::number(writes)));
    }

    // Run only as the child of firstConnectionKilledAtEveryWrite: a new keyboard's first
    // connection, killed at the store write TAVRIX_TEST_KILL_AT_WRITE names.
    void firstConnectionChild()
    {
        const int killAt = qEnvironmentVariableIntValue("TAVRIX_TEST_KILL_AT_WRITE");
        if (killAt <= 0)
            QSKIP("run as a child of firstConnectionKilledAtEveryWrite");
        int writes = 0;
        xmlstore::setWriteHook([&writes, killAt](const QByteArray &) {
            if (++writes == killAt)
                std::raise(SIGKILL);
        });
        DevicePageRig rig;
        EmuDevice *keyboard = rig.add("QR108", "one");
        DDevicePage *page = rig.open();
        QVERIFY(page->currentDeviceLink());
        // The last write of a first connection: the sleep times the keyboard reports.
        const QByteArray defaultLayer
            = QFile::encodeName(layerFolder(keyboard, "QR108", "one") + "/appProfile_Default.xml");
        ProfileSleepTimeInfo sleep;
        QVERIFY(waitUntil([&] { return CTavrixXML_GetProFileIntoSleepTimeInfo(defaultLayer, "1", &sleep); }, 20000));
        std::printf("store writes: %d\n", writes);
        std::fflush(stdout);
        xmlstore::setWriteHook(nullptr);
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
