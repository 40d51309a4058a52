// A user's data folder as the program wrote it (tests/data/storedfolder: the real
// program with two emulated keyboards made it, a profile, key items, a macro copy,
// macros, advanced keys and changed settings were added through the store): every
// record reads back as written, and reading it changes no byte of any file. Renames
// in the code must never reach what the files hold.
#include "advancedkeys/seniorkeyinfo.h"
#include "app/ddatamanager.h"
#include "devicepage/customlightdatainfo.h"
#include "devicepage/profilenode.h"
#include "devicepage/profilenodeinfo.h"
#include "devicepage/profilesleeptimeinfo.h"
#include "keys/keyoperateinfo.h"
#include "lighting/colorinfodata.h"
#include "lighting/customlightnodeinfo.h"
#include "macros/macroeventitem.h"
#include "macros/macronode.h"
#include "sdk/tavrixxml.h"
#include "sdk/tavrixxmlrecords.h"
#include "support/testmain.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace {

const char *const kQr108 = "QR108/801f1fe8171c344234b898df13367fd3";
const char *const kQm68 = "QM68/13fdb859b14a3b4431bf1df6584a63f6";

QString fixtureDir()
{
    return QString::fromLocal8Bit(qgetenv("TAVRIX_SOURCE_DIR")) + "/tests/data/storedfolder";
}

// Relative path -> bytes of every file under dir.
QMap<QString, QByteArray> contents(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(dir).relativeFilePath(file.fileName()), file.readAll());
    }
    return files;
}

QString text(const char *field)
{
    return QString::fromUtf8(field);
}

QString u8(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

}  // namespace

class TestStoredFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void profilesReadAsWritten();
    void keyItemsAndMacroCopyReadAsWritten();
    void macrosReadAsWritten();
    void advancedKeysReadAsWritten();
    void settingsReadAsWritten();
    void cleanup();

private:
    QByteArray path(const QString &relative) const
    {
        return QFile::encodeName(m_dir->filePath("UserConfig/" + relative));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QMap<QString, QByteArray> m_before;
};

void TestStoredFolder::init()
{
    m_before = contents(fixtureDir());
    QVERIFY2(m_before.size() == 8, qPrintable(fixtureDir()));
    m_dir = std::make_unique<QTemporaryDir>();
    for (auto it = m_before.cbegin(); it != m_before.cend(); ++it) {
        const QString target = m_dir->filePath(it.key());
        QVERIFY(QDir().mkpath(QFileInfo(target).path()));
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(it.value()), qint64(it.value().size()));
    }
}

// Whatever a test read, the folder holds the same files with the same bytes.
void TestStoredFolder::cleanup()
{
    const QMap<QString, QByteArray> after = contents(m_dir->path());
    QCOMPARE(after.keys(), m_before.keys());
    for (auto it = m_before.cbegin(); it != m_before.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
}

void TestStoredFolder::profilesReadAsWritten()
{
    const struct
    {
        QString file;
        int current;
        QStringList names;  // index i + 1
    } layers[] = {
        {QString(kQr108) + "/appProfile_Default.xml", 2, {"Profile1", u8("Spiel \xc3\xbc")}},
        {QString(kQr108) + "/appProfile_FN.xml", 2, {"Profile1", u8("Spiel \xc3\xbc")}},
        {QString(kQm68) + "/appProfile_Default.xml", 1, {"Profile1"}},
        {QString(kQm68) + "/appProfile_FN.xml", 1, {"Profile1"}},
        {QString(kQm68) + "/appProfile_Magnetic.xml", 1, {"Profile1"}},
    };
    for (const auto &layer : layers) {
        const QByteArray file = path(layer.file);
        QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(file), layer.current);
        QList<ProfileNode> nodes;
        QVERIFY2(CTavrixXML_SelectProFileAllNodes(file, nodes), file.constData());
        QCOMPARE(nodes.size(), layer.names.size());
        for (int i = 0; i < nodes.size(); ++i) {
            QCOMPARE(nodes[i].index, QByteArray::number(i + 1));
            QCOMPARE(QString::fromUtf8(nodes[i].name), layer.names[i]);
        }
    }

    const QByteArray layer = path(QString(kQr108) + "/appProfile_Default.xml");
    ProfileNodeInfo info;
    QVERIFY(CTavrixXML_SelectProfileNodeInfo(layer, "2", &info));
    QCOMPARE(QString::fromUtf8(info.name), u8("Spiel \xc3\xbc"));

    // Lights: the keyboard's and the side lights' modes in use and one record in full.
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 0), 2);
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 1), 1);
    colorInfoData light;
    QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, 2, &light));
    QCOMPARE(QList<int>({light.brightness, light.speed, light.topColorR, light.topColorG, light.topColorB,
                         light.bottomColorB, light.fullColor}),
             QList<int>({5, 3, 255, 0, 0, 255, 1}));

    ProfileSleepTimeInfo sleep;
    QVERIFY(CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &sleep));
    QCOMPARE(QList<int>({sleep.lightSleepTime, sleep.keyboardSleepTime}), QList<int>({300, 30}));
    QVERIFY(CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "2", &sleep));
    QCOMPARE(QList<int>({sleep.lightSleepTime, sleep.keyboardSleepTime}), QList<int>({120, 10}));

    ProfileFunctionInfo functions;
    QVERIFY(CTavrixXML_GetProFileFunctionInfo(layer, "2", &functions));
    QCOMPARE(
        QStringList({text(functions.altTab), text(functions.altF4), text(functions.shiftTab), text(functions.winKey)}),
        QStringList({"1", "0", "1", "0"}));

    // Custom lights: five slots, two in use, and the first key of the first.
    QList<CustomLightNodeInfo> customSlots;
    QVERIFY(CTavrixXML_SelectProFileCustomLightAllNodes(layer, "1", customSlots));
    QCOMPARE(customSlots.size(), 5);
    QCOMPARE(QStringList({text(customSlots[0].name), text(customSlots[0].isUsing), text(customSlots[2].name),
                          text(customSlots[2].isUsing)}),
             QStringList({"Alphabets", "Using", "Custom 3", "UnUsing"}));
    QCOMPARE(QList<int>({customSlots[0].usingFlagIndex, customSlots[1].usingFlagIndex, customSlots[2].usingFlagIndex}),
             QList<int>({0, 1, -1}));
    QList<CustomLightDataInfo> keys;
    QVERIFY(CTavrixXML_ProFileCustomLightInfoSelectAll(layer, "1", "0", keys));
    QCOMPARE(keys.size(), 34);
    QCOMPARE(QStringList({text(keys[0].keyCode), text(keys[0].codeName)}), QStringList({"20", "Q"}));
    QCOMPARE(QList<int>({keys[0].indexX, keys[0].indexY, keys[0].colorB, keys[0].transparentNum}),
             QList<int>({2, 1, 255, 128}));
}

void TestStoredFolder::keyItemsAndMacroCopyReadAsWritten()
{
    const QByteArray layer = path(QString(kQr108) + "/appProfile_Default.xml");
    const struct
    {
        const char *code;
        QStringList fields;  // type, param1, param2, value
    } items[] = {
        {"41", {"0", "1", "1", "57"}},
        {"58",
         {"6", "1", "1",
          u8("Gr\xc3\xbc\xc3\x9f"
             "e <&>")}},
        {"59", {"1", "1", "1", "1"}},
    };
    QList<QByteArray> codes;
    QVERIFY(CTavrixXML_ProFileKeyInfoSelectAll(layer, "2", codes));
    QCOMPARE(codes, QList<QByteArray>({"41", "58", "59"}));
    for (const auto &item : items) {
        KeyOperateInfo info = KeyOperateInfo::empty();
        QVERIFY(CTavrixXML_SelectProFileKeyOperateInfo(layer, "2", item.code, &info));
        QCOMPARE(text(info.keyDec), QString(item.code));
        QCOMPARE(QStringList({text(info.operateType), text(info.param1), text(info.param2), text(info.value)}),
                 item.fields);
    }

    QList<MacroEventItem> events;
    QVERIFY(CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "2", "1", "Macro1", events));
    QCOMPARE(events.size(), 4);
    QCOMPARE(QStringList({text(events[2].mark), text(events[2].delay), text(events[2].type), text(events[2].keyCode),
                          text(events[2].codeName), text(events[2].operateExplain)}),
             QStringList({"2", "120", "mouse", "513", "Left", "down"}));
}

void TestStoredFolder::macrosReadAsWritten()
{
    const QByteArray file = path("appMacro.xml");
    QList<MacroNode> nodes;
    QVERIFY(CTavrixXML_SelectMacroAllNodes(file, nodes));
    QCOMPARE(nodes.size(), 2);
    QCOMPARE(QStringList({QString(nodes[0].index), QString::fromUtf8(nodes[0].name), QString(nodes[1].index),
                          QString::fromUtf8(nodes[1].name)}),
             QStringList({"1", u8("Makro \xc3\xa4"), "3", "Empty"}));

    QList<MacroEventItem> events;
    QVERIFY(CTavrixXML_SelectAllKeyOrMouseEvent(file, "1", events));
    QStringList seen;
    for (const MacroEventItem &e : events)
        seen << QStringList({text(e.mark), text(e.delay), text(e.type), text(e.keyCode), text(e.codeName),
                             text(e.operateExplain)})
                    .join(' ');
    QCOMPARE(
        seen,
        QStringList({"1 0 key 65 A down", "1 35 key 65 A up", "2 120 mouse 513 Left down", "2 15 mouse 514 Left up"}));
    QList<MacroEventItem> none;
    QVERIFY(!CTavrixXML_SelectAllKeyOrMouseEvent(file, "3", none));
    QVERIFY(none.isEmpty());
}

void TestStoredFolder::advancedKeysReadAsWritten()
{
    QList<SeniorKeyInfo> items;
    QVERIFY(CTavrixXML_SeniorKey_SelectAllInfoItem(path("SeniorKeyConfig.xml"), items));
    QCOMPARE(items.size(), 3);
    const SeniorKeyInfo &dks = items[0];
    QCOMPARE(dks.bindingIndex, 1);
    QCOMPARE(dks.keyType, int(SeniorKeyType_DKS));
    QCOMPARE(QStringList({text(dks.name), text(dks.keys[0]), text(dks.keys[1]), text(dks.keys[2])}),
             QStringList({"DKS1", "4", "2,5", ""}));
    QCOMPARE(QList<int>({dks.dksActions[0], dks.dksActions[1], dks.dksActions[5], dks.dksActions[15]}),
             QList<int>({DksAction_Tap, DksAction_Hold, DksAction_NewHold, DksAction_None}));
    QCOMPARE(QList<int>({dks.strokes[0], dks.strokes[1], dks.strokes[2], dks.strokes[3]}), QList<int>({5, 15, 25, 35}));

    const SeniorKeyInfo &mt = items[1];
    QCOMPARE(QList<int>({mt.bindingIndex, mt.keyType, mt.ValueTime, mt.tglKeySet}),
             QList<int>({2, SeniorKeyType_MT, 200, 0}));
    QCOMPARE(QStringList({text(mt.name), text(mt.keys[0]), text(mt.keys[1])}), QStringList({"MT2", "225", "41"}));

    const SeniorKeyInfo &tgl = items[2];
    QCOMPARE(QList<int>({tgl.bindingIndex, tgl.keyType, tgl.ValueTime, tgl.tglKeySet}),
             QList<int>({3, SeniorKeyType_TGL, 0, 1}));
    QCOMPARE(QStringList({text(tgl.name), text(tgl.keys[0])}), QStringList({"TGL3", "57"}));
}

void TestStoredFolder::settingsReadAsWritten()
{
    // The data manager reads the settings file of the folder it is given, adding
    // only keys that are missing (none are).
    DDataManager manager(m_dir->path());
    QCOMPARE(manager.getSettingsFilePath(), m_dir->filePath("UserConfig/TavrixConfig.ini"));
    QVERIFY(manager.isBgImageUsing());

    const QSettings settings(manager.getSettingsFilePath(), QSettings::IniFormat);
    const QMap<QString, QVariant> expected = {
        {"AutoStart/isAutoStart", "true"},       {"CloseToTray/isCloseToTray", "false"},
        {"Language/selectLanguageIndex", "5"},   {"MinimizeToTray/isMinimizeToTray", "true"},
        {"Theme/selectThemeIndex", "2"},         {"ThemeBgImage/BgImageIsUsing", "true"},
        {"oldVersion/VersionInfo", "V_2.03.01"},
    };
    QCOMPARE(settings.allKeys().size(), expected.size());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(settings.value(it.key()).toString(), it.value().toString());
}

TAVRIX_TEST_MAIN(TestStoredFolder)
#include "tst_storedfolder.moc"
