#include "app/ddatamanager.h"
#include "keyboardview/keylayoutfile.h"
#include "sdk/tavrixxml.h"
#include "sdk/tavrixxmlkeynamestore.h"
#include "sdk/xmlstore/savefile.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace xmlstore;

namespace {

// Counts the debug lines that name a file while the object lives.
class DebugLineCounter
{
public:
    explicit DebugLineCounter(const QString &needle)
    {
        s_needle = needle;
        s_count = 0;
        m_previous = qInstallMessageHandler(&DebugLineCounter::handler);
    }
    ~DebugLineCounter() { qInstallMessageHandler(m_previous); }
    int count() const { return s_count; }

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        if (message.contains(s_needle))
            ++s_count;
    }
    static QString s_needle;
    static int s_count;
    QtMessageHandler m_previous;
};
QString DebugLineCounter::s_needle;
int DebugLineCounter::s_count = 0;

const QByteArray kGood = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<tavrixStore version=\"1\" currentProfile=\"1\">\n"
                         "    <profile index=\"1\" name=\"Profile1\">\n"
                         "        <key code=\"4\" name=\"A\" type=\"0\" param1=\"1\" param2=\"1\" value=\"5\"/>\n"
                         "    </profile>\n"
                         "    <macro index=\"1\" name=\"Macro1\"/>\n"
                         "</tavrixStore>\n";

QByteArray store(const QByteArray &body, const QByteArray &root = "<tavrixStore version=\"1\">")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + root + "\n" + body + "\n</tavrixStore>\n";
}

QByteArray seniorKey(int id)
{
    return "<seniorKey id=\"" + QByteArray::number(id)
        + "\" name=\"DKS\" type=\"1\" key1=\"\" key2=\"\" key3=\"\" key4=\"\" "
          "actions=\"0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\" strokes=\"15,36,36,15\" holdTime=\"10\" toggleKeySet=\"0\"/>";
}

}  // namespace

class TestXmlStoreFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearStoreCache(); }
    void brokenFilesFailAndStayUntouched_data();
    void brokenFilesFailAndStayUntouched();
    void createKeepsExistingFiles();
    void changesOnDiskAreSeen();
    void failedWriteKeepsTheFile();
    void shippedPresets_data();
    void shippedPresets();
    void brokenPresets_data();
    void brokenPresets();
    void keyNamesComeFromTheStore();
    void failuresSayWhy();
    void damagedFilesSayWhatIsWrong_data();
    void damagedFilesSayWhatIsWrong();
    void unreadableAndUnwritableFilesSayWhy();
    void damagedFileMovedAside();
    void leftoverSaveFilesRemoved();
    void oversizedStoresAreRefusedWithTheirReason_data();
    void oversizedStoresAreRefusedWithTheirReason();
    void writesAboveTheLimitAreRefused();
    void savedFilesAreForTheirOwner_data();
    void savedFilesAreForTheirOwner();
    void privateFoldersAndFiles();
};

void TestXmlStoreFiles::brokenFilesFailAndStayUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated") << kGood.left(kGood.size() / 2);
    QTest::newRow("not xml") << QByteArray("profile 1 = Profile1\n");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe<", 6);
    QTest::newRow("wrong root") << QByteArray("<customLight><customLed index=\"0\"/></customLight>");
    QTest::newRow("no version") << store("", "<tavrixStore>");
    QTest::newRow("newer version") << store("", "<tavrixStore version=\"2\">");
    QTest::newRow("profile without name") << store("<profile index=\"1\"/>");
    QTest::newRow("key without value") << store(
        "<profile index=\"1\" name=\"P\"><key code=\"4\" name=\"A\" type=\"0\" param1=\"1\" "
        "param2=\"1\"/></profile>");
    QTest::newRow("huge profile index") << store("<profile index=\"99999999999\" name=\"P\"/>");
    QTest::newRow("index zero") << store("<profile index=\"0\" name=\"P\"/>");
    QTest::newRow("huge light value") << store(
        "<profile index=\"1\" name=\"P\"><light lightTarget=\"0\" lightMode=\"2\" brightness=\"4294967296\" "
        "speed=\"3\" topColorR=\"0\" topColorG=\"0\" topColorB=\"0\" bottomColorR=\"0\" bottomColorG=\"0\" "
        "bottomColorB=\"0\" direction=\"0\" fullColor=\"1\" extParam1=\"0\" extParam2=\"0\"/></profile>");
    QTest::newRow("number with spaces") << store("<profile index=\" 1\" name=\"P\"/>");
    QTest::newRow("duplicate profile indexes")
        << store("<profile index=\"1\" name=\"A\"/><profile index=\"1\" name=\"B\"/>");
    QTest::newRow("duplicate key items") << store(
        "<profile index=\"1\" name=\"P\">"
        "<key code=\"4\" name=\"A\" type=\"0\" param1=\"1\" param2=\"1\" value=\"5\"/>"
        "<key code=\"4\" name=\"A\" type=\"5\" param1=\"1\" param2=\"1\" value=\"-1\"/></profile>");
    QTest::newRow("duplicate macro indexes") << store("<macro index=\"2\" name=\"A\"/><macro index=\"2\" name=\"B\"/>");
    QTest::newRow("duplicate advanced-key ids") << store(seniorKey(3) + seniorKey(3));
    QByteArray many;
    for (int id = 1; id <= 41; ++id)
        many += seniorKey(id);
    QTest::newRow("41 advanced keys") << store(many);
    QTest::newRow("short action list") << store(seniorKey(1).replace("0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", "0,0"));
    QTest::newRow("unknown element") << store("<profile index=\"1\" name=\"P\"><extra/></profile>");
    QTest::newRow("bad base64") << store("<profile index=\"1\" nameBase64=\"!!!\"/>");
    QTest::newRow("content after the root") << kGood + "<tavrixStore version=\"1\"/>";
    QTest::newRow("entity declarations") << QByteArray(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE tavrixStore [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n"
        "<tavrixStore version=\"1\"><profile index=\"1\" name=\"&b;\"/></tavrixStore>");
}

void TestXmlStoreFiles::brokenFilesFailAndStayUntouched()
{
    QFETCH(QByteArray, content);
    StoreFixture fx;
    const QByteArray file = fx.path("broken.xml");
    StoreFixture::write(file, content);
    const QByteArray good = fx.path("good.xml");
    StoreFixture::write(good, kGood);
    DebugLineCounter lines("broken.xml");

    QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(file), -1);
    QList<ProfileNode> profiles;
    QVERIFY(!CTavrixXML_SelectProFileAllNodes(file, profiles));
    QVERIFY(profiles.isEmpty());
    QVERIFY(!CTavrixXML_IsExistenceSelectProfileNode(file, "1"));
    KeyOperateInfo item = KeyOperateInfo::empty();
    QVERIFY(!CTavrixXML_SelectProFileKeyOperateInfo(file, "1", "4", &item));
    QCOMPARE(QByteArray(item.keyDec), QByteArray("-1"));
    QCOMPARE(CTavrixXML_GetProFileValueNum(file, "1", "0", "5"), -1);
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(file, "1", 0), -1);
    QList<MacroNode> macros;
    QVERIFY(!CTavrixXML_SelectMacroAllNodes(file, macros));
    QList<SeniorKeyInfo> seniorKeys;
    QVERIFY(!CTavrixXML_SeniorKey_SelectAllInfoItem(file, seniorKeys));

    // No write replaces a file it cannot read.
    QVERIFY(!CTavrixXML_CreateXMLFile(file));
    QVERIFY(!CTavrixXML_SeniorKey_CreateProFileXmlParentNode(file));
    QVERIFY(!CTavrixXML_CreateProFileXmlParentNode(file, "2", "P2", 0));
    QVERIFY(!CTavrixXML_ModifyXMLFileProfileIndex(file, 1));
    QVERIFY(!CTavrixXML_DeleteProFileMacroWithKeyInfoItem(file, "1", "4", "A"));
    QVERIFY(!CTavrixXML_AddProFileMacroWithKeyInfoItem(file, "1", "5", "B", "0", "1", "1", "6"));
    QVERIFY(!CTavrixXML_CreateMacroXmlParentNode(file, "9", "Macro9"));
    SeniorKeyInfo info;
    info.bindingIndex = 9;
    info.keyType = 1;
    QVERIFY(!CTavrixXML_SeniorKey_AddInfoItem(file, 1, info));
    QVERIFY(!CTavrixXML_ProFileImport(file, good, "1"));
    QVERIFY(!CTavrixXML_ProFileImport(good, file, "1"));
    QVERIFY(!CTavrixXML_ProFileExport(file, fx.path("out.xml"), "1", 0));
    QVERIFY(!CTavrixXML_ProFileExport(good, file, "1", 0));

    QCOMPARE(StoreFixture::bytes(file), content);
    QCOMPARE(StoreFixture::bytes(good), kGood);
    QVERIFY(!QFile::exists(QFile::decodeName(fx.path("out.xml"))));
    QCOMPARE(lines.count(), 1);  // found broken once, not at every call
}

void TestXmlStoreFiles::createKeepsExistingFiles()
{
    StoreFixture fx;
    const QByteArray file = fx.path("store.xml");
    StoreFixture::write(file, kGood);
    QVERIFY(CTavrixXML_CreateXMLFile(file));
    QCOMPARE(StoreFixture::bytes(file), kGood);

    // A file of 0 bytes holds nothing to keep.
    StoreFixture::write(file, QByteArray());
    QVERIFY(CTavrixXML_CreateXMLFile(file));
    QList<ProfileNode> profiles;
    QVERIFY(CTavrixXML_SelectProFileAllNodes(file, profiles));
    QVERIFY(profiles.isEmpty());

    QVERIFY(!CTavrixXML_CreateXMLFile(fx.path("no/such/folder/store.xml")));
    QVERIFY(!CTavrixXML_CreateXMLFile(QByteArray()));
}

void TestXmlStoreFiles::changesOnDiskAreSeen()
{
    StoreFixture fx;
    const QByteArray file = fx.path("store.xml");
    StoreFixture::write(file, kGood);
    ProfileNodeInfo info;
    QVERIFY(CTavrixXML_SelectProfileNodeInfo(file, "1", &info));
    QCOMPARE(info.name, QByteArray("Profile1"));

    // Rewritten in place by someone else, same size, within the same second.
    QFile inPlace(QFile::decodeName(file));
    QVERIFY(inPlace.open(QIODevice::ReadWrite));
    const QByteArray renamed = QByteArray(kGood).replace("Profile1", "ProfileX");
    QCOMPARE(renamed.size(), kGood.size());
    inPlace.write(renamed);
    inPlace.close();
    QVERIFY(CTavrixXML_SelectProfileNodeInfo(file, "1", &info));
    QCOMPARE(info.name, QByteArray("ProfileX"));

    StoreFixture::write(file, "garbage");
    QVERIFY(!CTavrixXML_SelectProfileNodeInfo(file, "1", &info));
    StoreFixture::write(file, kGood);
    QVERIFY(CTavrixXML_SelectProfileNodeInfo(file, "1", &info));
    QCOMPARE(info.name, QByteArray("Profile1"));
    QFile::remove(QFile::decodeName(file));
    QVERIFY(!CTavrixXML_SelectProfileNodeInfo(file, "1", &info));
}

void TestXmlStoreFiles::failedWriteKeepsTheFile()
{
    StoreFixture fx;
    const QByteArray file = fx.path("store.xml");
    StoreFixture::write(file, kGood);
    QVERIFY(CTavrixXML_IsExistenceSelectProfileNode(file, "1"));

    // A file-size limit below the new content stands in for a full disk.
    struct rlimit previous;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = previous;
    tight.rlim_cur = kGood.size();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written
        = CTavrixXML_AddProFileMacroWithKeyInfoItem(file, "1", "5", "B", "6", "1", "1", QByteArray(200, 'x'));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(StoreFixture::bytes(file), kGood);
    KeyOperateInfo item = KeyOperateInfo::empty();
    QVERIFY(!CTavrixXML_SelectProFileKeyOperateInfo(file, "1", "5", &item));
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(file, "1", "5", "B", "6", "1", "1", "y"));
    QVERIFY(CTavrixXML_SelectProFileKeyOperateInfo(file, "1", "5", &item));
}

void TestXmlStoreFiles::shippedPresets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("model");
    QTest::newRow("full size") << "customLightDefaultConfig.xml"
                               << "QR108";
    QTest::newRow("84 keys") << "customLightDefaultConfig_84.xml"
                             << "QB84";
    QTest::newRow("68 keys") << "customLightDefaultConfig_68.xml"
                             << "QM68";
}

void TestXmlStoreFiles::shippedPresets()
{
    QFETCH(QString, name);
    QFETCH(QString, model);
    KeyLayout layout;
    QVERIFY(KeyLayoutFile::load(model, &layout));
    QHash<int, QPair<int, int>> placeOfCode;
    for (const KeyLayoutKey &key : qAsConst(layout.keys))
        placeOfCode.insert(key.code, qMakePair(key.row, key.column));
    StoreFixture fx;
    const QByteArray preset = fx.presetCopy(name);
    QVERIFY(!preset.isEmpty());
    const QByteArray text = StoreFixture::bytes(preset);
    QVERIFY(text.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<customLight>\r\n\t<customLed"));
    QCOMPARE(text.count("\n"), text.count("\r\n"));

    for (int slot = 0; slot < 5; ++slot) {
        QList<CustomLightDataInfo> keys;
        QVERIFY(CTavrixXML_XmlCustomLightInfoSelectAll(preset, QByteArray::number(slot), keys));
        QCOMPARE(keys.size(), slot == 0 ? 34 : slot == 1 ? 8 : 0);
        QSet<int> cells;
        for (const CustomLightDataInfo &key : qAsConst(keys)) {
            QVERIFY(key.indexX >= 0 && key.indexX < 6 && key.indexY >= 0 && key.indexY < 22);
            cells.insert(key.indexX * 22 + key.indexY);
            QCOMPARE(key.transparentNum, 128);
            // Each preset cell lights the key the model's layout puts there.
            QCOMPARE(placeOfCode.value(atoi(key.keyCode), qMakePair(-1, -1)), qMakePair(key.indexX, key.indexY));
            const QList<int> expected = slot == 0 ? QList<int> {0, 0, 255} : QList<int> {255, 0, 0};
            QCOMPARE(QList<int>() << key.colorR << key.colorG << key.colorB, expected);
        }
        QCOMPARE(cells.size(), keys.size());
    }
    QList<CustomLightDataInfo> keys;
    QVERIFY(!CTavrixXML_XmlCustomLightInfoSelectAll(preset, "5", keys));
}

void TestXmlStoreFiles::brokenPresets_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray item = "<item keyCode=\"4\" codeName=\"A\" indexX=\"3\" indexY=\"1\" colorR=\"0\" colorG=\"0\" "
                            "colorB=\"255\" transparentNum=\"128\"/>";
    const QByteArray led = "<customLed index=\"0\" name=\"Custom 0\" isUsing=\"Using\" usingFlagIndex=\"0\">";
    QTest::newRow("not xml") << QByteArray("customLed 0: A");
    QTest::newRow("wrong root") << "<tavrixStore version=\"1\">" + led + item + "</customLed></tavrixStore>";
    QTest::newRow("item without colour") << "<customLight>" + led + QByteArray(item).replace(" colorB=\"255\"", "")
            + "</customLed></customLight>";
    QTest::newRow("huge value") << "<customLight>" + led + QByteArray(item).replace("\"255\"", "\"1e99\"")
            + "</customLed></customLight>";
    QTest::newRow("truncated") << "<customLight>" + led + item.left(30);
    const QByteArray overLimit(kMaxTextBytes + 1, 't');
    QTest::newRow("long name") << "<customLight>" + QByteArray(led).replace("Custom 0", overLimit) + item
            + "</customLed></customLight>";
    QTest::newRow("long element text") << "<customLight>" + led + item + overLimit + "</customLed></customLight>";
}

void TestXmlStoreFiles::brokenPresets()
{
    QFETCH(QByteArray, content);
    StoreFixture fx;
    const QByteArray preset = fx.path("customLightDefaultConfig_99.xml");
    StoreFixture::write(preset, content);
    DebugLineCounter lines("customLightDefaultConfig_99.xml");
    QList<CustomLightDataInfo> keys;
    QVERIFY(!CTavrixXML_XmlCustomLightInfoSelectAll(preset, "0", keys));
    QVERIFY(keys.isEmpty());
    QCOMPARE(lines.count(), 1);
    QVERIFY(!CTavrixXML_XmlCustomLightInfoSelectAll(fx.path("missing.xml"), "0", keys));
}

void TestXmlStoreFiles::keyNamesComeFromTheStore()
{
    StoreFixture fx;
    const QByteArray macros = fx.path("appMacro.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(macros));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(macros, "2", "Copy \xe5\xae\x8f"));
    const QByteArray layer = fx.newLayerFile("appProfile_Default.xml");
    QVERIFY(CTavrixXML_ModifyProfileNodeInfo(layer, "1", "Work"));
    const QByteArray senior = fx.path("SeniorKeyConfig.xml");
    QVERIFY(CTavrixXML_SeniorKey_CreateXMLFile(senior));
    SeniorKeyInfo mt;
    mt.bindingIndex = 5;
    mt.keyType = SeniorKeyType_MT;
    std::strcpy(mt.name, "MT5");
    QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(senior, SeniorKeyType_MT, mt));

    TavrixXmlKeyNameStore names;
    DDataManager manager(QFile::decodeName(fx.path("appdata")));
    manager.setKeyNameStore(&names);
    manager.setMacroXmlPath(macros);
    manager.setCurProfilePath(layer);
    manager.setSeniorKeyXmlPath(senior);
    const struct
    {
        const char *type;
        const char *value;
        QString detail;
    } rows[] = {{"1", "2", QString::fromUtf8("Copy \xe5\xae\x8f")}, {"7", "1", "Work"}, {"40", "5", "MT5"}};
    for (const auto &row : rows) {
        KeyOperateInfo item = KeyOperateInfo::empty();
        setKeyOperateField(item.operateType, row.type);
        setKeyOperateField(item.value, row.value);
        manager.getKeyFunctionTypeName(item);
        QCOMPARE(manager.getKeyFunctionDetail(), row.detail);
    }
}

void TestXmlStoreFiles::failuresSayWhy()
{
    StoreFixture fx;
    const QByteArray good = fx.path("store.xml");
    StoreFixture::write(good, kGood);
    const QByteArray damaged = fx.path("damaged.xml");
    StoreFixture::write(damaged, store("<profile index=\"1\" name=\"A\"/>\n<profile index=\"1\" name=\"B\"/>"));
    QList<ProfileNode> nodes;

    // Damaged: the line where reading stopped, told at every call, not only the first.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(!CTavrixXML_SelectProFileAllNodes(damaged, nodes));
        const CTavrixXMLFailure failure = CTavrixXML_LastFailure();
        QCOMPARE(int(failure.kind), int(CTavrixXMLFailureKind::Damaged));
        QCOMPARE(failure.path, damaged);
        QCOMPARE(failure.line, 4);
        QVERIFY(CTavrixXML_FailureText(failure).contains(QFile::decodeName(damaged)));
        QVERIFY(CTavrixXML_FailureText(failure).contains("4"));
    }
    // A later call that works starts clean; a refusal of the call's own is no file failure.
    QVERIFY(CTavrixXML_SelectProFileAllNodes(good, nodes));
    QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::None));
    QVERIFY(!CTavrixXML_CreateProFileXmlParentNode(good, "1", "Taken", 0));
    QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::None));
    QVERIFY(CTavrixXML_FailureText(CTavrixXML_LastFailure()).isEmpty());

    QList<MacroNode> macros;
    QVERIFY(!CTavrixXML_SelectMacroAllNodes(fx.path("missing.xml"), macros));
    QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::Missing));

    // A folder that cannot take the file.
    QVERIFY(!CTavrixXML_CreateXMLFile(fx.path("no/such/folder/store.xml")));
    QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::CannotWrite));
    QVERIFY(CTavrixXML_FailureText(CTavrixXML_LastFailure()).contains("store.xml"));

    // A profile that is a link to a FIFO is never opened (the read would wait for a
    // writer for ever) and is told as a file that cannot be opened, not as a missing one.
    const QByteArray fifo = fx.path("fifo");
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QVERIFY(QFile::link(QFile::decodeName(fifo), QFile::decodeName(fx.path("appProfile_Default.xml"))));
    QVERIFY(!CTavrixXML_SelectProFileAllNodes(fx.path("appProfile_Default.xml"), nodes));
    QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::CannotOpen));
    QVERIFY(!CTavrixXML_CreateXMLFile(fx.path("appProfile_Default.xml")));
    QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::CannotOpen));

    // A full disk (a file-size limit stands in for it).
    struct rlimit previous;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = previous;
    tight.rlim_cur = kGood.size();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = CTavrixXML_CreateMacroXmlParentNode(good, "7", QByteArray(300, 'x'));
    const CTavrixXMLFailure full = CTavrixXML_LastFailure();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(!written);
    QCOMPARE(int(full.kind), int(CTavrixXMLFailureKind::DiskFull));
    QCOMPARE(StoreFixture::bytes(good), kGood);

    // Permissions: a read-only file and a write-only one, for root as for any user.
    StoreFixture::withPermissionsBinding([&] {
        QFile::setPermissions(QFile::decodeName(good), QFileDevice::ReadOwner);
        QVERIFY(!CTavrixXML_CreateMacroXmlParentNode(good, "8", "M"));
        QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::CannotWrite));
        QFile::setPermissions(QFile::decodeName(good), QFileDevice::WriteOwner);
        QVERIFY(!CTavrixXML_SelectProFileAllNodes(good, nodes));
        QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::CannotOpen));
    });
    QFile::setPermissions(QFile::decodeName(good), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(StoreFixture::bytes(good), kGood);
}

void TestXmlStoreFiles::damagedFileMovedAside()
{
    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    StoreFixture::write(file, kGood);
    QVERIFY(!CTavrixXML_MoveDamagedAside(file));  // a readable file stays
    QVERIFY(!CTavrixXML_MoveDamagedAside(fx.path("missing.xml")));

    const QByteArray broken = kGood.left(40);
    for (int round = 0; round < 2; ++round) {
        StoreFixture::write(file, broken);
        QByteArray movedTo;
        QVERIFY(CTavrixXML_MoveDamagedAside(file, &movedTo));
        QVERIFY(!QFile::exists(QFile::decodeName(file)));
        QCOMPARE(StoreFixture::bytes(movedTo), broken);  // kept byte for byte
        const QString name = QFileInfo(QFile::decodeName(movedTo)).fileName();
        QVERIFY2(QRegularExpression("^appMacro\\.xml\\.damaged-\\d{8}-\\d{6}(-2)?$").match(name).hasMatch(),
                 qPrintable(name));
        // A new store can start at the old name.
        QVERIFY(CTavrixXML_CreateXMLFile(file));
        QList<MacroNode> macros;
        QVERIFY(CTavrixXML_SelectMacroAllNodes(file, macros));
    }
}

void TestXmlStoreFiles::leftoverSaveFilesRemoved()
{
    StoreFixture fx;
    const QString folder = QFile::decodeName(fx.path(""));
    QDir(folder).mkpath("QR108/SN1");
    // The name a save writes under before it replaces the file: caught while it exists.
    QStringList during;
    setWriteHook([&during, folder](const QByteArray &) {
        during = QDir(folder + "/QR108/SN1").entryList(QDir::Files | QDir::Hidden);
    });
    QVERIFY(CTavrixXML_CreateXMLFile(QFile::encodeName(folder + "/QR108/SN1/appProfile_FN.xml")));
    setWriteHook(nullptr);
    QCOMPARE(during.size(), 1);
    const QString saveTemp = "QR108/SN1/" + during.first();

    const QStringList leftovers = {".appMacro.xml.quorin-save-Ab12Cd", saveTemp};
    // The user's own files, whatever they look like; also names of the "<name>.XXXXXX"
    // form that other programs (and earlier versions) use: they cannot be told apart
    // from a user's "appMacro.xml.before".
    const QStringList kept = {"appMacro.xml",
                              "appMacro.xml.damaged-20260101-120000",
                              "notes.txt.Ab12Cd",
                              "appMacro.xml.before",
                              "QR108/SN1/appProfile_FN.xml",
                              "QR108/SN1/appProfile_FN.xml.bak",
                              "QR108/SN1/appProfile_Default.xml.backup",
                              "appMacro.xml.Ab12Cd",
                              ".appMacro.xml.quorin-save-",
                              "appMacro.xml.quorin-save-Ab12Cd"};
    for (const QString &name : leftovers + kept)
        StoreFixture::write(QFile::encodeName(folder + "/" + name), "x");
    QCOMPARE(CTavrixXML_RemoveLeftoverTempFiles(QFile::encodeName(folder)), leftovers.size());
    for (const QString &name : leftovers)
        QVERIFY2(!QFile::exists(folder + "/" + name), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(QFile::exists(folder + "/" + name), qPrintable(name));
}

void TestXmlStoreFiles::oversizedStoresAreRefusedWithTheirReason_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");  // -1: accepted; 0: the file is too large; else the line of the text
    const QByteArray longest(kMaxTextBytes, 'n');
    QTest::newRow("longest name") << store("<profile index=\"1\" name=\"" + longest + "\"/>") << -1;
    QTest::newRow("name one byte longer") << store("<profile index=\"1\" name=\"" + longest + "n\"/>") << 3;
    QTest::newRow("encoded name too long")
        << store("<macro index=\"1\" nameBase64=\"" + QByteArray(kMaxTextBytes + 3, '\x01').toBase64() + "\"/>") << 3;
    // Texts outside attributes are no part of a store and would be lost by the next
    // save: they are held to the same limit.
    const QByteArray macroWith = "<macro index=\"1\" name=\"x\">";
    QTest::newRow("longest element text") << store(macroWith + longest + "</macro>") << -1;
    QTest::newRow("element text one byte longer") << store(macroWith + longest + "n</macro>") << 3;
    QTest::newRow("element text of 300000 characters") << store(macroWith + QByteArray(300000, 'x') + "</macro>") << 3;
    // Measured in UTF-8 like attribute texts: 87382 three-byte characters are 262146 bytes.
    QByteArray euros;
    for (int i = 0; i < kMaxTextBytes / 3 + 1; ++i)
        euros += "\xe2\x82\xac";
    QTest::newRow("element text of multi-byte characters") << store(macroWith + euros + "</macro>") << 3;
    const QByteArray half(kMaxTextBytes / 2, 'h');
    QTest::newRow("text in pieces") << store(macroWith + half + "&amp;<![CDATA[" + half + "]]></macro>") << 3;
    QTest::newRow("text between elements") << store("<profile index=\"1\" name=\"P\"/>" + longest + "n") << 3;
    QTest::newRow("comment") << store("<!--" + longest + "n-->") << 3;
    QTest::newRow("comment after the root") << store("") + "<!--" + longest + "n-->" << 5;
    QTest::newRow("processing instruction") << store("<?note " + longest + "n?>") << 3;
    const QByteArray largest = store(QByteArray(int(kMaxFileSize) - store("").size(), ' '));
    QTest::newRow("largest file") << largest << -1;
    QTest::newRow("one byte larger") << largest + ' ' << 0;
}

// Files no store of the program reaches are refused before they can hold the window
// for seconds: named damaged, with the reason, and moved aside if the user says so.
void TestXmlStoreFiles::oversizedStoresAreRefusedWithTheirReason()
{
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    StoreFixture::write(file, content);
    QList<MacroNode> macros;
    const bool read = CTavrixXML_SelectMacroAllNodes(file, macros);
    const CTavrixXMLFailure failure = CTavrixXML_LastFailure();
    QCOMPARE(read, line < 0);
    if (read)
        return;
    QCOMPARE(int(failure.kind), int(CTavrixXMLFailureKind::TooLarge));
    QCOMPARE(failure.line, line);
    // Never rewritten: a change is refused and the file stays byte for byte.
    QVERIFY(!CTavrixXML_CreateMacroXmlParentNode(file, "2", "y"));
    QCOMPARE(StoreFixture::bytes(file), content);
    const QString text = CTavrixXML_FailureText(failure);
    QVERIFY2(text.contains(line ? QString("longer than %1 KiB").arg(kMaxTextBytes / 1024)
                                : QString("larger than %1 MiB").arg(kMaxFileSize / (1024 * 1024))),
             qPrintable(text));
    QStringList asked;
    StoreFileQuestion::reset();
    StoreFileQuestion::setAsker([&asked](QWidget *, const QString &question) {
        asked << question;
        return StoreFileQuestion::MoveAside;
    });
    const bool movedAside = StoreFileQuestion::handle(nullptr, failure);
    StoreFileQuestion::setAsker([](QWidget *, const QString &) { return StoreFileQuestion::Keep; });
    QVERIFY(movedAside);
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked.first().startsWith(text));
    QVERIFY(!QFile::exists(QFile::decodeName(file)));
}

// A write that would make a file the next read refuses is not made.
void TestXmlStoreFiles::writesAboveTheLimitAreRefused()
{
    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    StoreFixture::write(file, kGood);
    StoreDocument doc;
    Macro macro;
    macro.index = 1;
    macro.name = QByteArray(kMaxTextBytes, 'm');
    for (int i = 1; i * kMaxTextBytes <= kMaxFileSize; ++i) {
        macro.index = i;
        doc.macros.append(macro);
    }
    QVERIFY(!writeStore(file, doc));
    QCOMPARE(int(CTavrixXML_LastFailure().kind), int(CTavrixXMLFailureKind::CannotWrite));
    QCOMPARE(StoreFixture::bytes(file), kGood);
}

namespace {

int modeOf(const QByteArray &path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Sets the umask for the life of the object.
class UmaskScope
{
public:
    explicit UmaskScope(mode_t mask) : m_previous(::umask(mask)) { }
    ~UmaskScope() { ::umask(m_previous); }

private:
    mode_t m_previous;
};

}  // namespace

void TestXmlStoreFiles::savedFilesAreForTheirOwner_data()
{
    QTest::addColumn<bool>("exported");
    QTest::addColumn<int>("before");  // mode of the file before the save; -1: no file
    QTest::addColumn<int>("after");
    // The program's files: 0600 (a read-only one is not written at all).
    QTest::newRow("new store file") << false << -1 << 0600;
    QTest::newRow("store file of an earlier version") << false << 0644 << 0600;
    QTest::newRow("store file open to all") << false << 0666 << 0600;
    QTest::newRow("store file open to the group") << false << 0640 << 0600;
    QTest::newRow("private store file") << false << 0600 << 0600;
    // An export goes where the user chose: the umask, or the mode of the file it replaces.
    QTest::newRow("new export") << true << -1 << 0644;
    QTest::newRow("export over a shared file") << true << 0664 << 0664;
    QTest::newRow("export over a private file") << true << 0600 << 0600;
}

// Macros and Text-key texts hold what users type, passwords among them.
void TestXmlStoreFiles::savedFilesAreForTheirOwner()
{
    QFETCH(bool, exported);
    QFETCH(int, before);
    QFETCH(int, after);
    UmaskScope umask(022);
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("appProfile_Default.xml");
    const QByteArray file = exported ? fx.path("Work.xml") : fx.path("appMacro.xml");
    if (before >= 0) {
        StoreFixture::write(file, exported ? QByteArray() : kGood);
        QCOMPARE(::chmod(file.constData(), mode_t(before)), 0);
    }
    const bool saved = exported ? CTavrixXML_ProFileExport(layer, file, "1", 0)
                                : CTavrixXML_CreateMacroXmlParentNode(file, "7", "M")
            || (before < 0 && CTavrixXML_CreateXMLFile(file) && CTavrixXML_CreateMacroXmlParentNode(file, "7", "M"));
    QVERIFY(saved);
    QCOMPARE(QString::number(modeOf(file), 8), QString::number(after, 8));
    QCOMPARE(QString::number(modeOf(layer), 8), QString("600"));
}

void TestXmlStoreFiles::privateFoldersAndFiles()
{
    UmaskScope umask(022);
    StoreFixture fx;
    // A new folder, and the folders above it that are missing (those keep the umask).
    const QByteArray nested = fx.path("above/data");
    QVERIFY(makePrivateFolder(nested));
    QCOMPARE(modeOf(nested), 0700);
    QCOMPARE(modeOf(fx.path("above")), 0755);
    // Folders of earlier versions are closed; what the owner has stays.
    QCOMPARE(::chmod(nested.constData(), 0755), 0);
    QVERIFY(makePrivateFolder(nested));
    QCOMPARE(modeOf(nested), 0700);
    QCOMPARE(::chmod(nested.constData(), 0555), 0);
    QVERIFY(makePrivateFolder(nested));
    QCOMPARE(modeOf(nested), 0500);
    QCOMPARE(::chmod(nested.constData(), 0700), 0);
    // A file in the way is no folder.
    StoreFixture::write(fx.path("plain"), "x");
    QVERIFY(!makePrivateFolder(fx.path("plain")));
    QCOMPARE(modeOf(fx.path("plain")), 0644);

    const QByteArray ini = fx.path("above/data/settings.ini");
    QVERIFY(makePrivateFile(ini));
    QCOMPARE(modeOf(ini), 0600);
    QCOMPARE(StoreFixture::bytes(ini), QByteArray());
    StoreFixture::write(ini, "[a]\nb=1\n");
    QCOMPARE(::chmod(ini.constData(), 0644), 0);
    QVERIFY(makePrivateFile(ini));
    QCOMPARE(modeOf(ini), 0600);
    QCOMPARE(StoreFixture::bytes(ini), QByteArray("[a]\nb=1\n"));  // never emptied
}

void TestXmlStoreFiles::damagedFilesSayWhatIsWrong_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("entity declarations") << QByteArray(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE tavrixStore [<!ENTITY a \"aaaa\">]>\n"
        "<tavrixStore version=\"1\"><profile index=\"1\" name=\"&a;\"/></tavrixStore>")
                                         << 2 << "it holds a document type declaration";
    QTest::newRow("NUL bytes") << store(QByteArray("<macro index=\"1\" name=\"M\"/>\n\0\0\0", 32)) << 4
                               << "it holds NUL bytes";
    QTest::newRow("bytes that are no UTF-8")
        << store("<macro index=\"1\" name=\"M\xff\xfe\"/>") << 3 << "it holds bytes that are not UTF-8 text";
    QTest::newRow("wrong root") << QByteArray("<?xml version=\"1.0\"?>\n<customLight/>\n") << 2
                                << "it is no settings file of this program";
    QTest::newRow("newer version") << store("", "<tavrixStore version=\"2\">") << 2
                                   << "it was written by a newer version of this program";
    const QByteArray event
        = "<event mark=\"0\" delay=\"10\" type=\"1\" keyCode=\"4\" codeName=\"A\" operateExplain=\"\">";
    QTest::newRow("deep nesting") << store("<macro index=\"1\" name=\"M\">" + event.repeated(50)
                                           + QByteArray("</event>").repeated(50) + "</macro>")
                                  << 3 << "one nested where it does not belong";
    QTest::newRow("unknown element") << store("\n<colour/>") << 4 << "an element this program does not know";
    QTest::newRow("index out of range") << store("<macro index=\"1000000\" name=\"M\"/>") << 3
                                        << "a value is not a number or is out of its range";
    QTest::newRow("number out of range") << store(seniorKey(1).replace("holdTime=\"10\"", "holdTime=\"4294967296\""))
                                         << 3 << "a value is not a number or is out of its range";
    QTest::newRow("missing value") << store("<macro index=\"1\"/>") << 3 << "a value is missing";
    QTest::newRow("twice") << store("<macro index=\"2\" name=\"A\"/>\n<macro index=\"2\" name=\"B\"/>") << 4
                           << "appears twice";
    QTest::newRow("cut short") << kGood.left(kGood.indexOf("<macro")) << 6 << "it ends too early";
    QTest::newRow("not XML") << QByteArray("profile 1 = Profile1\n") << 1 << "its text is not well-formed XML";
}

// The question about a damaged file says what is wrong, not only where.
void TestXmlStoreFiles::damagedFilesSayWhatIsWrong()
{
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    QFETCH(QString, reason);
    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    StoreFixture::write(file, content);
    QList<MacroNode> macros;
    QVERIFY(!CTavrixXML_SelectMacroAllNodes(file, macros));
    const CTavrixXMLFailure failure = CTavrixXML_LastFailure();
    QCOMPARE(int(failure.kind), int(CTavrixXMLFailureKind::Damaged));
    QCOMPARE(failure.line, line);
    const QString text = CTavrixXML_FailureText(failure);
    QVERIFY2(text.startsWith(QString("The file %1 is damaged (line %2): ").arg(QFile::decodeName(file)).arg(line)),
             qPrintable(text));
    QVERIFY2(text.contains(reason), qPrintable(text));
}

// A file the program may not read or write is told with the reason, whatever user
// runs the tests.
void TestXmlStoreFiles::unreadableAndUnwritableFilesSayWhy()
{
    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    StoreFixture::write(file, kGood);
    QList<MacroNode> macros;
    QCOMPARE(::chmod(file.constData(), 0), 0);
    CTavrixXMLFailure unreadable;
    StoreFixture::withPermissionsBinding([&] {
        QVERIFY(!CTavrixXML_SelectMacroAllNodes(file, macros));
        unreadable = CTavrixXML_LastFailure();
    });
    QCOMPARE(::chmod(file.constData(), 0600), 0);
    QCOMPARE(int(unreadable.kind), int(CTavrixXMLFailureKind::CannotOpen));
    QCOMPARE(CTavrixXML_FailureText(unreadable),
             QString("The file %1 cannot be read: you have no permission for it or its folder")
                 .arg(QFile::decodeName(file)));

    const QByteArray folder = fx.path("");
    QCOMPARE(::chmod(folder.constData(), 0500), 0);
    CTavrixXMLFailure readOnly;
    StoreFixture::withPermissionsBinding([&] {
        QVERIFY(!CTavrixXML_CreateMacroXmlParentNode(file, "7", "M"));
        readOnly = CTavrixXML_LastFailure();
    });
    QCOMPARE(::chmod(folder.constData(), 0700), 0);
    QCOMPARE(int(readOnly.kind), int(CTavrixXMLFailureKind::CannotWrite));
    QCOMPARE(CTavrixXML_FailureText(readOnly),
             QString("The file %1 cannot be written: you have no permission for it or its folder")
                 .arg(QFile::decodeName(file)));

    CTavrixXMLFailure limited;
    StoreFixture::withFileSizeLimit(20, [&] {
        QVERIFY(!CTavrixXML_CreateMacroXmlParentNode(file, "7", "M"));
        limited = CTavrixXML_LastFailure();
    });
    QCOMPARE(int(limited.kind), int(CTavrixXMLFailureKind::DiskFull));
    QCOMPARE(CTavrixXML_FailureText(limited),
             QString("The file %1 cannot be saved: the file-size limit of the program is reached")
                 .arg(QFile::decodeName(file)));
    QCOMPARE(StoreFixture::bytes(file), kGood);
}

TAVRIX_TEST_MAIN(TestXmlStoreFiles)
#include "tst_xmlstorefiles.moc"
