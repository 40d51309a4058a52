#include "app/ddatamanager.h"
#include "devicelink/ddevicehidcmdsend.h"
#include "devicepage/profilecontroller.h"
#include "devicepage/profiledefaults.h"
#include "keyboardview/keyboardbutcustom.h"
#include "sdk/devicecatalogue.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/emuiofixture.h"
#include "support/kbemuexpect.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Answers the controller's questions without a window.
class FakeDialogs : public ProfileDialogs
{
public:
    QString chooseExportFolder(const QString &) override { return folder; }
    QString chooseImportFile(const QString &) override { return file; }
    bool confirmReset() override
    {
        ++resetAsked;
        return resetAnswer;
    }
    bool confirmOverwrite(const QString &) override
    {
        ++overwriteAsked;
        return overwriteAnswer;
    }

    QString folder;
    QString file;
    bool resetAnswer = true;
    bool overwriteAnswer = true;
    int resetAsked = 0;
    int overwriteAsked = 0;
};

QList<int> indexesOf(const QByteArray &layer)
{
    QList<ProfileNode> nodes;
    CTavrixXML_SelectProFileAllNodes(layer, nodes);
    QList<int> list;
    for (const ProfileNode &n : nodes)
        list << n.index.toInt();
    return list;
}

QByteArray nameOf(const QByteArray &layer, int index)
{
    ProfileNodeInfo info;
    return CTavrixXML_SelectProfileNodeInfo(layer, QByteArray::number(index), &info) ? info.name : QByteArray("-");
}

int customLightKeys(const QByteArray &layer, int index, const char *slot)
{
    QList<CustomLightDataInfo> keys;
    CTavrixXML_ProFileCustomLightInfoSelectAll(layer, QByteArray::number(index), slot, keys);
    return keys.size();
}

// Adds profiles with these indexes (beyond the existing profile 1).
void addProfiles(const QByteArray &layer, const QList<int> &indexes)
{
    for (int index : indexes)
        CTavrixXML_CreateProFileXmlParentNode(layer, QByteArray::number(index), "P" + QByteArray::number(index), 0);
}

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i <= to; ++i)
        list << i;
    return list;
}

}  // namespace

class TestProfileController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every model's new profiles get the two preset custom lights from a file that ships.
    void everyModelGetsCustomLightPresets()
    {
        const QVector<CatalogueModel> &models = DeviceCatalogue::instance().models();
        QVERIFY(!models.isEmpty());
        for (const CatalogueModel &model : models) {
            const QString name = ProfileDefaults::presetFileName(model.keyCount, model.modelName);
            QVERIFY2(QFile::exists(":/images/configDir/" + name), qPrintable(model.modelName + ": " + name));
            StoreFixture files;
            const QByteArray path = files.path(model.modelName + ".xml");
            QVERIFY(CTavrixXML_CreateXMLFile(path));
            QVERIFY(CTavrixXML_CreateProFileXmlParentNode(path, "1", "Profile1", 0));
            ProfileDefaults(model.keyCount, model.modelName).addDefaultCustomLights(path, 1);
            for (const QByteArray slot : {"0", "1"}) {
                QList<CustomLightDataInfo> keys;
                CTavrixXML_ProFileCustomLightInfoSelectAll(path, "1", slot, keys);
                QVERIFY2(!keys.isEmpty(), qPrintable(model.modelName + " slot " + slot));
            }
        }
        // Key counts without a file of their own take the general preset.
        for (int keyCount : {18, 61, 82, 83, 98, 108})
            QCOMPARE(ProfileDefaults::presetFileName(keyCount, "Any"), QString("customLightDefaultConfig.xml"));
    }

    void init()
    {
        store.reset(new StoreFixture);
        layer = store->newLayerFile("appProfile_Default.xml", "customLightDefaultConfig_84.xml");
        fnLayer = store->newLayerFile("appProfile_FN.xml", "customLightDefaultConfig_84.xml");
        exportDir.reset(new QTemporaryDir);
        dialogs = FakeDialogs();
        dialogs.folder = exportDir->path();
        controller.reset(new ProfileController);
        controller->setProfilePath(layer);
        controller->setProfileIndex(1);
        controller->setCurrentLayer(0);
        controller->setPresetDevice(84, "QB84");
        controller->setDialogs(&dialogs);
        notices.reset(new QSignalSpy(controller.data(), &ProfileController::sigNotice));
        reloads.reset(new QSignalSpy(controller.data(), &ProfileController::sigCurrentProfileChanged));
        lists.reset(new QSignalSpy(controller.data(), &ProfileController::sigProfileListChanged));
    }

    void create_data()
    {
        QTest::addColumn<QList<int>>("remove");
        QTest::addColumn<QList<int>>("add");
        QTest::addColumn<int>("created");  // -1: refused
        QTest::addColumn<QString>("notice");
        QTest::newRow("after 1, 2 and 5") << QList<int>() << QList<int> {2, 5} << 6 << "Create profile successful";
        QTest::newRow("empty file") << QList<int> {1} << QList<int>() << 2 << "Create profile successful";
        QTest::newRow("ten profiles") << QList<int>() << range(2, 10) << -1
                                      << "The number of profile has reached the maximum";
    }

    void create()
    {
        QFETCH(QList<int>, remove);
        QFETCH(QList<int>, add);
        QFETCH(int, created);
        QFETCH(QString, notice);
        for (int index : remove)
            CTavrixXML_DeleteProFileSelectedNode(layer, QByteArray::number(index));
        addProfiles(layer, add);
        const QList<int> before = indexesOf(layer);
        const QByteArray bytes = StoreFixture::bytes(layer);

        QCOMPARE(controller->createProfile(), created > 0);
        QCOMPARE(lastNotice(), notice);
        QCOMPARE(reloads->count(), 0);  // the current profile stays current
        QCOMPARE(controller->profileIndex(), 1);
        if (created < 0) {
            QCOMPARE(StoreFixture::bytes(layer), bytes);
            QCOMPARE(lists->count(), 0);
            return;
        }
        QCOMPARE(indexesOf(layer), before + QList<int> {created});
        QCOMPARE(nameOf(layer, created), "Profile" + QByteArray::number(created));
        QCOMPARE(lists->count(), 1);
        // The default content of a new profile.
        colorInfoData light;
        QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, QByteArray::number(created), 2, 2, &light));
        QCOMPARE(light.topColorR, 255);
        QList<CustomLightNodeInfo> lights;
        CTavrixXML_SelectProFileCustomLightAllNodes(layer, QByteArray::number(created), lights);
        QCOMPARE(lights.size(), 5);
        QVERIFY(customLightKeys(layer, created, "0") > 0);
        QVERIFY(customLightKeys(layer, created, "1") > 0);
        QCOMPARE(customLightKeys(layer, created, "2"), 0);
    }

    void remove_data()
    {
        QTest::addColumn<QList<int>>("add");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("currentAfter");  // -1: refused
        QTest::addColumn<QString>("notice");
        QTest::newRow("only profile") << QList<int>() << 1 << -1 << "Need keep at least one profile";
        QTest::newRow("middle one") << QList<int> {2, 3} << 2 << 1 << "Delete profile successful";
        QTest::newRow("first one") << QList<int> {4, 7} << 1 << 4 << "Delete profile successful";
    }

    void remove()
    {
        QFETCH(QList<int>, add);
        QFETCH(int, current);
        QFETCH(int, currentAfter);
        QFETCH(QString, notice);
        addProfiles(layer, add);
        CTavrixXML_ModifyXMLFileProfileIndex(layer, current);
        controller->setProfileIndex(current);
        const QList<int> before = indexesOf(layer);

        QCOMPARE(controller->deleteProfile(), currentAfter > 0);
        QCOMPARE(lastNotice(), notice);
        if (currentAfter < 0) {
            QCOMPARE(indexesOf(layer), before);
            QCOMPARE(reloads->count(), 0);
            return;
        }
        QList<int> expected = before;
        expected.removeAll(current);
        QCOMPARE(indexesOf(layer), expected);
        QCOMPARE(controller->profileIndex(), currentAfter);
        QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), currentAfter);
        QCOMPARE(reloads->count(), 1);
    }

    void rename_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("notice");
        QTest::newRow("empty") << "" << QByteArray("Profile1") << "Profile name can't empty";
        // Saving the name as it was changes nothing, and is not told as a change.
        QTest::newRow("unchanged") << "Profile1" << QByteArray("Profile1") << "The profile name is unchanged";
        QTest::newRow("utf-8") << QString::fromUtf8("Büro ✓") << QString::fromUtf8("Büro ✓").toUtf8()
                               << "Modify profile info successful";
    }

    void rename()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, stored);
        QFETCH(QString, notice);
        QString shown;
        QVERIFY(controller->currentProfileName(&shown));
        QCOMPARE(shown, QString("Profile1"));
        const QByteArray before = StoreFixture::bytes(layer);
        const bool renamed = stored != "Profile1";
        QCOMPARE(controller->renameProfile(name), renamed);
        QCOMPARE(nameOf(layer, 1), stored);
        QCOMPARE(lastNotice(), notice);
        QCOMPARE(lists->count(), renamed ? 1 : 0);
        if (!renamed)
            QCOMPARE(StoreFixture::bytes(layer), before);
    }

    // An export imports again, under a free index of the layer file, with its content.
    void exportAndImportAgain()
    {
        CTavrixXML_ModifyProfileNodeInfo(layer, "1", "Work/Play\t1");
        CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", "4", "A", "0", "1", "1", "5");
        addProfiles(layer, {2});
        QVERIFY(controller->exportProfile());
        QCOMPARE(lastNotice(), QString("Export profile successful"));
        const QString exported = QDir(exportDir->path()).filePath("Work_Play_1.xml");
        QCOMPARE(QDir(exportDir->path()).entryList(QDir::Files), QStringList {"Work_Play_1.xml"});

        dialogs.file = exported;
        QVERIFY(controller->importProfile());
        // The name is taken by the profile it came from: the copy gets its own.
        QCOMPARE(lastNotice(),
                 QString("Import profile successful, as \"Work/Play\t1 (2)\": the name \"Work/Play\t1\" is taken"));
        QCOMPARE(indexesOf(layer), (QList<int> {1, 2, 3}));
        QCOMPARE(nameOf(layer, 3), QByteArray("Work/Play\t1 (2)"));
        QCOMPARE(nameOf(layer, 1), QByteArray("Work/Play\t1"));
        KeyOperateInfo item;
        QVERIFY(CTavrixXML_SelectProFileKeyOperateInfo(layer, "3", "4", &item));
        QCOMPARE(QByteArray(item.value), QByteArray("5"));
        QCOMPARE(customLightKeys(layer, 3, "0"), customLightKeys(layer, 1, "0"));
        QCOMPARE(lists->count(), 1);
        QCOMPARE(reloads->count(), 0);
    }

    // Each import of a name in use takes the next free number; a free name is kept.
    void importedNamesStayDistinct()
    {
        CTavrixXML_ModifyProfileNodeInfo(layer, "1", "Gaming");
        QVERIFY(controller->exportProfile());
        dialogs.file = QDir(exportDir->path()).filePath("Gaming.xml");
        CTavrixXML_CreateProFileXmlParentNode(layer, "2", "Gaming (2)", 0);
        QVERIFY(controller->importProfile());
        QCOMPARE(nameOf(layer, 3), QByteArray("Gaming (3)"));
        QVERIFY(controller->importProfile());
        QCOMPARE(nameOf(layer, 4), QByteArray("Gaming (4)"));
        QCOMPARE(lastNotice(), QString("Import profile successful, as \"Gaming (4)\": the name \"Gaming\" is taken"));
        CTavrixXML_ModifyProfileNodeInfo(layer, "1", "Work");
        QVERIFY(controller->importProfile());
        QCOMPARE(nameOf(layer, 5), QByteArray("Gaming"));
        QCOMPARE(lastNotice(), QString("Import profile successful"));
    }

    void exportAsksBeforeReplacing()
    {
        const QString target = QDir(exportDir->path()).filePath("Profile1.xml");
        QVERIFY(controller->exportProfile());
        QCOMPARE(dialogs.overwriteAsked, 0);
        const QByteArray first = StoreFixture::bytes(QFile::encodeName(target));

        CTavrixXML_ModifyProfileNodeInfo(layer, "1", "Profile1");
        CTavrixXML_SetProFileIntoSleepTimeInfo(layer, "1", 60, 10);
        dialogs.overwriteAnswer = false;
        const int noticesBefore = notices->count();
        QVERIFY(!controller->exportProfile());
        QCOMPARE(dialogs.overwriteAsked, 1);
        QCOMPARE(notices->count(), noticesBefore);
        QCOMPARE(StoreFixture::bytes(QFile::encodeName(target)), first);

        dialogs.overwriteAnswer = true;
        QVERIFY(controller->exportProfile());
        QCOMPARE(dialogs.overwriteAsked, 2);
        QVERIFY(StoreFixture::bytes(QFile::encodeName(target)) != first);

        // A file that is not an earlier export is never replaced.
        StoreFixture::write(QFile::encodeName(target), "my notes");
        QVERIFY(!controller->exportProfile());
        QCOMPARE(lastNotice(), QString("Export profile failed"));
        QCOMPARE(StoreFixture::bytes(QFile::encodeName(target)), QByteArray("my notes"));
    }

    void exportRefused_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("notice");
        QTest::newRow("no folder") << "" << 1 << QByteArray("Profile1") << "Please select save directory first";
        QTest::newRow("no profile") << "dir" << 7 << QByteArray("Profile1") << "This index node non-existent";
        const QString unusable = "The profile name cannot be used as a file name";
        QTest::newRow("empty name") << "dir" << 1 << QByteArray("") << unusable;
        QTest::newRow("dot") << "dir" << 1 << QByteArray(".") << unusable;
        QTest::newRow("dot dot") << "dir" << 1 << QByteArray("..") << unusable;
    }

    void exportRefused()
    {
        QFETCH(QString, folder);
        QFETCH(int, index);
        QFETCH(QByteArray, name);
        QFETCH(QString, notice);
        dialogs.folder = folder.isEmpty() ? QString() : exportDir->path();
        CTavrixXML_ModifyProfileNodeInfo(layer, "1", name);
        controller->setProfileIndex(index);
        QVERIFY(!controller->exportProfile());
        QCOMPARE(lastNotice(), notice);
        QCOMPARE(QDir(exportDir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        QVERIFY(QFileInfo(QDir(exportDir->path()).filePath("../.xml")).exists() == false);
    }

    void exportFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "Profile1"
                               << "Profile1";
        QTest::newRow("slash") << "a/b"
                               << "a_b";
        QTest::newRow("backslash") << "a\\b"
                                   << "a_b";
        QTest::newRow("control characters") << "a\nb\x7f"
                                            << "a_b_";
        QTest::newRow("climbs out") << "../../x"
                                    << ".._.._x";
        QTest::newRow("three dots") << "..."
                                    << "...";
        QTest::newRow("other scripts") << QString::fromUtf8("配置 1") << QString::fromUtf8("配置 1");
        QTest::newRow("dot") << "."
                             << "";
        QTest::newRow("characters typed file names refuse") << "a<b>:\"c|d?e*f&g"
                                                            << "a_b___c_d_e_f_g";
    }

    void exportFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(ProfileController::exportFileName(name), file);
    }

    void importRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<int>>("add");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<int>("place");
        QTest::newRow("no file") << "" << QList<int>() << "Please select import file first"
                                 << int(ProfileController::AtCentre);
        QTest::newRow("ten profiles") << "export" << range(2, 10) << "The number of profile has reached the maximum"
                                      << int(ProfileController::AtTip);
        // Named with what is wrong in it.
        QTest::newRow("not a profile file")
            << "junk" << QList<int>() << "The file %1 is damaged (line 1): its text is not well-formed XML"
            << int(ProfileController::AtTip);
    }

    void importRefused()
    {
        QFETCH(QString, file);
        QFETCH(QList<int>, add);
        QFETCH(QString, notice);
        QFETCH(int, place);
        if (file == "export") {
            QVERIFY(controller->exportProfile());
            dialogs.file = QDir(exportDir->path()).filePath("Profile1.xml");
        } else if (file == "junk") {
            dialogs.file = QDir(exportDir->path()).filePath("junk.xml");
            StoreFixture::write(QFile::encodeName(dialogs.file), "<not a store");
            notice = notice.arg(QDir::toNativeSeparators(dialogs.file));
        }
        addProfiles(layer, add);
        const QByteArray bytes = StoreFixture::bytes(layer);
        const int listsBefore = lists->count();
        QVERIFY(!controller->importProfile());
        QCOMPARE(lastNotice(), notice);
        QCOMPARE(notices->last().at(1).toInt(), place);
        QCOMPARE(StoreFixture::bytes(layer), bytes);
        QCOMPARE(lists->count(), listsBefore);
    }

    // Reset keeps index and name, puts the defaults back and resets the keyboard.
    void resetKeepsIndexAndName()
    {
        EmuIoFixture emu(QStringLiteral("QB84"));
        QVERIFY(emu.open());
        DDeviceHidCmdSend builder;
        builder.setHidInterface(emu.hid());
        QStringList order;
        connect(controller.data(), &ProfileController::sigCurrentProfileChanged, [&] { order << "reload"; });
        connect(controller.data(), &ProfileController::sigResetKeyboard, [&] {
            order << "reset";
            builder.resetKeyboard();
        });
        connect(controller.data(), &ProfileController::sigNotice, [&](const QString &text) { order << text; });
        connect(controller.data(), &ProfileController::sigAskSleepTime, [&] {
            order << "ask";
            builder.checkSleepTime();
        });

        addProfiles(layer, {2, 3});
        CTavrixXML_ModifyProfileNodeInfo(layer, "2", "Games");
        CTavrixXML_ModifyXMLFileProfileIndex(layer, 2);
        controller->setProfileIndex(2);
        CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "2", "4", "A", "0", "1", "1", "5");
        CTavrixXML_AddProFileFunctionInfo(layer, "2", "1", "1", "1", "1");

        QVERIFY(controller->resetProfile());
        QCOMPARE(dialogs.resetAsked, 1);
        QCOMPARE(order, (QStringList {"reload", "reset", "Reset the current profile successful", "ask"}));
        QCOMPARE(indexesOf(layer), (QList<int> {1, 2, 3}));
        QCOMPARE(nameOf(layer, 2), QByteArray("Games"));
        QCOMPARE(controller->profileIndex(), 2);
        QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), 2);
        QList<QByteArray> keys;
        CTavrixXML_ProFileKeyInfoSelectAll(layer, "2", keys);
        QCOMPARE(keys.size(), 0);
        ProfileFunctionInfo winLock;
        QVERIFY(!CTavrixXML_GetProFileFunctionInfo(layer, "2", &winLock));
        QCOMPARE(customLightKeys(layer, 2, "0"), customLightKeys(layer, 1, "0"));
        QTRY_COMPARE(EmuExpect::without(emu.device()->receivedReports(), {0x00}).size(), 3);
        KBEMU_COMPARE_REPORTS(*emu.device(), "00 14", "01 13 00 00 00 01 01", "01 13 02 00 00 01");
    }

    // A new profile's defaults (about a hundred store changes) and a reset reach the
    // disk in one synced write each, so neither holds the window on a busy disk.
    void createAndResetWriteTheFileOnce()
    {
        int writes = 0;
        xmlstore::setWriteHook([&writes](const QByteArray &) { ++writes; });
        const auto removeHook = qScopeGuard([] { xmlstore::setWriteHook(nullptr); });
        QVERIFY(controller->createProfile());
        QCOMPARE(writes, 1);
        QCOMPARE(customLightKeys(layer, 2, "0"), customLightKeys(layer, 1, "0"));
        QVERIFY(controller->resetProfile());
        QCOMPARE(writes, 2);
    }

    void resetAnsweredNo()
    {
        CTavrixXML_AddProFileFunctionInfo(layer, "1", "1", "0", "0", "0");
        const QByteArray bytes = StoreFixture::bytes(layer);
        QSignalSpy resets(controller.data(), &ProfileController::sigResetKeyboard);
        dialogs.resetAnswer = false;
        QVERIFY(!controller->resetProfile());
        QCOMPARE(StoreFixture::bytes(layer), bytes);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(notices->count(), 0);
        QCOMPARE(reloads->count(), 0);
    }

    void keyboardAsksForProfile_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("current");
        QTest::newRow("existing") << 3 << 3;
        QTest::newRow("current one") << 1 << 1;
        QTest::newRow("deleted since") << 2 << 1;
        QTest::newRow("beyond any") << 11 << 1;
        QTest::newRow("zero") << 0 << 1;
        QTest::newRow("negative") << -1 << 1;
    }

    void keyboardAsksForProfile()
    {
        QFETCH(int, asked);
        QFETCH(int, current);
        addProfiles(layer, {2, 3});
        CTavrixXML_DeleteProFileSelectedNode(layer, "2");
        QCOMPARE(controller->switchProfileFromKeyboard(asked), current == asked);
        QCOMPARE(controller->profileIndex(), current);
        QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), current);
        QCOMPARE(reloads->count(), current == asked ? 1 : 0);
    }

    void staleStoredIndexFallsBackToFirst()
    {
        addProfiles(layer, {4, 6});
        CTavrixXML_ModifyXMLFileProfileIndex(layer, 6);
        QCOMPARE(ProfileController::resolveCurrentIndex(layer), 6);
        CTavrixXML_DeleteProFileSelectedNode(layer, "6");
        CTavrixXML_DeleteProFileSelectedNode(layer, "1");
        QCOMPARE(ProfileController::resolveCurrentIndex(layer), 4);
        QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), 4);
        CTavrixXML_DeleteProFileSelectedNode(layer, "4");
        QCOMPARE(ProfileController::resolveCurrentIndex(layer), -1);
    }

    void layerSwitch()
    {
        addProfiles(fnLayer, {2});
        CTavrixXML_ModifyXMLFileProfileIndex(fnLayer, 2);
        QVERIFY(!controller->switchLayer(0));
        QCOMPARE(reloads->count(), 0);

        QVERIFY(controller->switchLayer(1));
        QCOMPARE(controller->profilePath(), fnLayer);
        QCOMPARE(controller->profileIndex(), 2);
        QCOMPARE(controller->currentLayer(), 1);
        QCOMPARE(reloads->count(), 1);
        // Profile operations now act on the FN file only.
        QVERIFY(controller->createProfile());
        QCOMPARE(indexesOf(fnLayer), (QList<int> {1, 2, 3}));
        QCOMPARE(indexesOf(layer), QList<int> {1});

        QVERIFY(controller->switchLayer(0));
        QCOMPARE(controller->profilePath(), layer);
        QCOMPARE(controller->profileIndex(), 1);
    }

    // The keys the keyboard reserves for itself cannot be chosen on the FN layer.
    void reservedKeysSelectable()
    {
        QList<keyboardButCustom *> buttons;
        QWidget host;
        for (int i = 0; i < 132; ++i)
            buttons << new keyboardButCustom(&host);
        DDataManager::getInstance()->setKeyButtonList(buttons);
        const QList<QPair<int, int>> reserved = {{0, 0}, {5, 21}, {2, 3}, {6, 0}, {0, 22}, {-1, 4}};

        ProfileController::setKeysSelectable(reserved, false);
        for (int i = 0; i < buttons.size(); ++i) {
            const bool isReserved = i == 0 || i == 131 || i == 2 * 22 + 3;
            QCOMPARE(buttons[i]->isSelectable(), !isReserved);
        }
        ProfileController::setKeysSelectable(reserved, true);
        for (keyboardButCustom *button : qAsConst(buttons))
            QVERIFY(button->isSelectable());
        DDataManager::getInstance()->setKeyButtonList({});
    }

    void sleepTime_data()
    {
        QTest::addColumn<int>("light");
        QTest::addColumn<int>("keyboard");
        QTest::addColumn<bool>("acknowledge");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("report");  // "" when nothing is sent
        QTest::addColumn<QList<int>>("stored");
        const QList<int> untouched = {600, 30};
        QTest::newRow("light longer than keyboard")
            << 600 << 299 << true
            << "The time when the light enters sleep cannot be longer than the keyboard enters sleep"
            << "" << untouched;
        QTest::newRow("keyboard too short") << 0 << 180 << true << "Keyboard enters sleep time is too short"
                                            << "" << untouched;
        QTest::newRow("shortest") << 0 << 300 << true << "Sleep time has been set"
                                  << "01 13 01 00 00 01 00 00 00 00 00 01 2c 00" << QList<int> {0, 5};
        QTest::newRow("equal, minutes rounded down")
            << 330 << 330 << true << "Sleep time has been set"
            << "01 13 01 00 00 01 00 00 00 01 4a 01 4a 00" << QList<int> {330, 5};
        QTest::newRow("longest") << 60000 << 60000 << true << "Sleep time has been set"
                                 << "01 13 01 00 00 01 00 00 00 ea 60 ea 60 00" << QList<int> {60000, 1000};
        QTest::newRow("not acknowledged") << 300 << 1800 << false << "Sleep time set failed"
                                          << "01 13 01 00 00 01 00 00 00 01 2c 07 08 00" << untouched;
    }

    void sleepTime()
    {
        QFETCH(int, light);
        QFETCH(int, keyboard);
        QFETCH(bool, acknowledge);
        QFETCH(QString, notice);
        QFETCH(QString, report);
        QFETCH(QList<int>, stored);
        EmuIoFixture emu(QStringLiteral("QR108"));
        QVERIFY(emu.open());
        if (!acknowledge)
            emu.device()->keyboard()->dropReplies(0x14, -1);
        DDeviceHidCmdSend builder;
        builder.setHidInterface(emu.hid());
        connect(controller.data(), &ProfileController::sigSendSleepTime, &builder, &DDeviceHidCmdSend::setSleepTime);
        // Stands in for the device link: the keyboard's acknowledgement ends the wait.
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            for (const HidReport &r : emu.dataReports()) {
                if (r.code() == 0x14 && r.sub() == 0x00)
                    controller->onSleepTimeAcknowledged();
            }
        });
        watcher.start(2);
        DDataManager::getInstance()->setProhibitSleep(0);

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(controller->submitSleepTime(light, keyboard, 1), notice == "Sleep time has been set");
        const qint64 waited = clock.elapsed();
        QCOMPARE(lastNotice(), notice);
        ProfileSleepTimeInfo info;
        CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &info);
        QCOMPARE((QList<int> {info.lightSleepTime, info.keyboardSleepTime}), stored);
        QCOMPARE(DDataManager::getInstance()->getProhibitSleep(), (stored == QList<int> {600, 30}) ? 0 : 1);
        if (report.isEmpty()) {
            // The opening query comes first; a busy machine may still be sending it.
            QTRY_VERIFY(!emu.device()->receivedReports().isEmpty());
            QTest::qWait(30);
            KBEMU_COMPARE_REPORTS(*emu.device(), "00 14");
            return;
        }
        report.replace(QRegularExpression("00$"), "01");  // prohibit sleep was asked for
        KBEMU_COMPARE_REPORTS(*emu.device(), "00 14", report);
        if (acknowledge)
            QVERIFY2(waited < ProfileController::kSleepAckWaitMs, qPrintable(QString::number(waited)));
        else
            QVERIFY2(waited >= ProfileController::kSleepAckWaitMs - 5, qPrintable(QString::number(waited)));
    }

    // Sleep times are the keyboard's: submitted while the FN layer is shown, they are
    // stored in the Default layer's current profile.
    void sleepTimeGoesToTheDefaultLayer()
    {
        EmuIoFixture emu(QStringLiteral("QR108"));
        QVERIFY(emu.open());
        DDeviceHidCmdSend builder;
        builder.setHidInterface(emu.hid());
        connect(controller.data(), &ProfileController::sigSendSleepTime, &builder, &DDeviceHidCmdSend::setSleepTime);
        connect(controller.data(), &ProfileController::sigSendSleepTime, controller.data(),
                &ProfileController::onSleepTimeAcknowledged);
        controller->setProfilePath(fnLayer);
        QVERIFY(controller->submitSleepTime(120, 600, 0));
        ProfileSleepTimeInfo info;
        QVERIFY(CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &info));
        QCOMPARE((QList<int> {info.lightSleepTime, info.keyboardSleepTime}), (QList<int> {120, 10}));
        ProfileSleepTimeInfo fnInfo;
        QVERIFY(!CTavrixXML_GetProFileIntoSleepTimeInfo(fnLayer, "1", &fnInfo) || fnInfo.lightSleepTime != 120);
    }

    // The profile's copy of a macro follows the macro file, in the current profile only.
    void macroCopyFollowsTheMacro()
    {
        const QByteArray macros = store->path("appMacro.xml");
        QVERIFY(CTavrixXML_CreateXMLFile(macros));
        QVERIFY(CTavrixXML_CreateMacroXmlParentNode(macros, "3", "Macro3"));
        QList<MacroEventItem> events;
        for (const char *step : {"down", "up"}) {
            MacroEventItem e;
            qstrcpy(e.mark, "1");
            qstrcpy(e.delay, "20");
            qstrcpy(e.type, "key");
            qstrcpy(e.keyCode, "4");
            qstrcpy(e.codeName, "A");
            qstrcpy(e.operateExplain, step);
            events << e;
        }
        QVERIFY(CTavrixXML_AddKeyOrMouseEventItem(macros, events, "3"));
        DDataManager::getInstance()->setMacroXmlPath(macros);
        addProfiles(layer, {2});

        // No key of the current profile plays it: nothing is written.
        CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "2", "5", "B", "1", "1", "1", "3");
        const QByteArray before = StoreFixture::bytes(layer);
        QVERIFY(!controller->refreshMacroCopy("3"));
        QCOMPARE(StoreFixture::bytes(layer), before);

        CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", "4", "A", "1", "1", "1", "3");
        CTavrixXML_AddProFileBindMacroItem(layer, "1", events.mid(0, 1), "3", "Macro3");
        QVERIFY(controller->refreshMacroCopy("3"));
        QList<MacroEventItem> copy;
        QVERIFY(CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "3", "Macro3", copy));
        QCOMPARE(copy.size(), 2);
        QCOMPARE(QByteArray(copy[1].operateExplain), QByteArray("up"));
        QList<MacroEventItem> other;
        QVERIFY(!CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "2", "3", "Macro3", other));

        QVERIFY(CTavrixXML_DeleteMacroNode(macros, "3"));
        controller->refreshMacroCopy("3");
        copy.clear();
        CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "3", "Macro3", copy);
        QCOMPARE(copy.size(), 0);
    }

    // Only the non-black keys are stored, each with transparency 128; no slot in use
    // writes nothing.
    void customLightColors()
    {
        QWidget host;
        QList<keyboardButCustom *> buttons;
        for (int i = 0; i < 132; ++i) {
            auto *key = new keyboardButCustom(&host);
            key->setMatrixPosition(i / 22, i % 22);
            key->setKeyInfo(i + 4, QString("K%1").arg(i));
            key->setCustomLightColor(Qt::black);
            key->setShowKeyColor(true);
            buttons << key;
        }
        DDataManager::getInstance()->setKeyButtonList(buttons);
        buttons[1]->setCustomLightColor(QColor(0, 0, 1));
        buttons[2 * 22 + 5]->setCustomLightColor(QColor(10, 20, 30));

        const QByteArray before = StoreFixture::bytes(layer);
        QVERIFY(!controller->saveCustomLightColors(-1));
        QCOMPARE(StoreFixture::bytes(layer), before);

        int writes = 0;
        xmlstore::setWriteHook([&writes](const QByteArray &) { ++writes; });
        QVERIFY(controller->saveCustomLightColors(1));
        xmlstore::setWriteHook(nullptr);
        QCOMPARE(writes, 1);  // the clear and every key, in one write
        QList<CustomLightDataInfo> stored;
        CTavrixXML_ProFileCustomLightInfoSelectAll(layer, "1", "1", stored);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(QByteArray(stored[1].keyCode), QByteArray::number(2 * 22 + 5 + 4));
        QCOMPARE(QByteArray(stored[1].codeName), QByteArray("K49"));
        QCOMPARE((QList<int> {stored[1].indexX, stored[1].indexY, stored[1].colorR, stored[1].colorG, stored[1].colorB,
                              stored[1].transparentNum}),
                 (QList<int> {2, 5, 10, 20, 30, 128}));
        QCOMPARE(customLightKeys(layer, 1, "0"), customLightKeys(layer, 1, "0"));

        // Choosing a slot shows its colours, black elsewhere.
        for (keyboardButCustom *key : qAsConst(buttons))
            key->setCustomLightColor(Qt::white);
        controller->loadCustomLightColors("1");
        QCOMPARE(buttons[2 * 22 + 5]->customLightColor(), QColor(10, 20, 30));
        QCOMPARE(buttons[2 * 22 + 5]->keyColor(), QColor(10, 20, 30));
        QCOMPARE(buttons[0]->customLightColor(), QColor(Qt::black));
        QCOMPARE(buttons[131]->keyColor(), QColor(Qt::black));
        DDataManager::getInstance()->setKeyButtonList({});
    }

private:
    QString lastNotice() const { return notices->isEmpty() ? QString() : notices->last().at(0).toString(); }

    QScopedPointer<StoreFixture> store;
    QByteArray layer;
    QByteArray fnLayer;
    QScopedPointer<QTemporaryDir> exportDir;
    FakeDialogs dialogs;
    QScopedPointer<ProfileController> controller;
    QScopedPointer<QSignalSpy> notices;
    QScopedPointer<QSignalSpy> reloads;
    QScopedPointer<QSignalSpy> lists;
};

TAVRIX_TEST_MAIN(TestProfileController)
#include "tst_profilecontroller.moc"
