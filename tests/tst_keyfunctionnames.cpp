#include "app/ddatamanager.h"
#include "app/keynamestore.h"
#include "keys/keyoperateinfo.h"
#include "support/markingtranslator.h"
#include "support/testmain.h"

#include <QTemporaryDir>
#include <QTranslator>

namespace {

KeyOperateInfo makeItem(const QByteArray &type, const QByteArray &param2, const QByteArray &value)
{
    KeyOperateInfo item = KeyOperateInfo::empty();
    setKeyOperateField(item.keyDec, "4");
    setKeyOperateField(item.operateType, type);
    setKeyOperateField(item.param1, "1");
    setKeyOperateField(item.param2, param2);
    setKeyOperateField(item.value, value);
    return item;
}

// A store holding a few macros, profiles and advanced keys.
class FakeStore : public KeyNameStore
{
public:
    QList<Macro> macros(const QByteArray &) override
    {
        return {{"01", "Zero-padded"}, {"2", "Copy burst"}, {"3", QString::fromUtf8("Makro \xc3\xa4")}};
    }
    bool profileName(const QByteArray &, const QByteArray &index, QString *name) override
    {
        if (index != "3")
            return false;
        *name = "Gaming";
        return true;
    }
    bool seniorKeys(const QByteArray &, QList<SeniorKey> *keys) override
    {
        if (failSeniorKeys)
            return false;
        *keys = {{5, "Rapid W"}, {6, "Tap-hold"}};
        return true;
    }
    bool failSeniorKeys = false;
};

}  // namespace

class TestKeyFunctionNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void namesAndDetails_data();
    void namesAndDetails();
    void storeLookups_data();
    void storeLookups();
    void withoutStoreLookupsGiveUnknown();
    void unterminatedFieldsStayInside();
    void textsGoThroughTranslation();
    void decimalReading_data();
    void decimalReading();

private:
    QTemporaryDir m_dir;
    DDataManager *m_manager = nullptr;
    FakeStore m_store;
};

void TestKeyFunctionNames::initTestCase()
{
    m_manager = new DDataManager(m_dir.path(), QString());
    m_manager->setKeyCharMap({{4, "A"}, {5, "B"}, {40, "Enter"}});
    m_manager->setKeyNameStore(&m_store);
}

void TestKeyFunctionNames::namesAndDetails_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("param2");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("detail");

    auto row = [](const char *tag, const char *type, const char *param2, const char *value, const char *name,
                  const QString &detail) {
        QTest::newRow(tag) << QByteArray(type) << QByteArray(param2) << QByteArray(value) << QString(name) << detail;
    };
    row("remap with caption", "0", "1", "5", "Remap Key", "B");
    row("remap without caption", "0", "1", "77", "Remap Key", "");
    row("combination 5,4", "2", "1", "5,4", "Key Combination", "L_CTRL+L_ALT+A");
    row("combination 0,4", "2", "1", "0,4", "Key Combination", "A");
    row("combination 3,999 no caption", "2", "1", "3,999", "Key Combination", "L_CTRL+L_SHIFT");
    row("combination all eight", "2", "1", "255,40", "Key Combination",
        "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+Enter");
    row("combination mask past 8 bits", "2", "1", "257,4", "Key Combination", "L_CTRL+A");
    row("combination negative mask", "2", "1", "-1,4", "Key Combination", "A");
    row("combination without comma", "2", "1", "4", "Key Combination", "L_ALT");
    row("combination huge numbers", "2", "1", "99999999999999999999,99999999999999", "Key Combination",
        "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN");
    row("multimedia 0", "3", "1", "0", "Multimedia", "Volume +");
    row("multimedia 7", "3", "1", "7", "Multimedia", "Unknow");
    row("multimedia 15", "3", "1", "15", "Multimedia", "Search");
    row("multimedia 16", "3", "1", "16", "Multimedia", "Unknow");
    row("multimedia -1", "3", "1", "-1", "Multimedia", "Unknow");
    row("mouse 7", "4", "1", "7", "Mouse", "Sniper Key");
    row("mouse 8", "4", "1", "8", "Mouse", "Unknow");
    row("disable", "5", "1", "-1", "Disable", "Disable");
    row("text", "6", "1", "h\xc3\xa9llo, world", "Text", QString::fromUtf8("h\xc3\xa9llo, world"));
    row("empty text", "6", "1", "", "Text", "");
    row("launch", "8", "1", "/usr/bin/gimp", "Launch Application", "/usr/bin/gimp");
    row("shortcut 11", "9", "1", "11", "Shortcuts", "Save");
    row("shortcut 12", "9", "1", "12", "Shortcuts", "Unknow");
    row("kind 10", "10", "1", "0", "Unknow", "Unknow");
    row("lock keyboard", "19", "0", "7", "Key Config", "Lock keyboard");
    row("unlock win", "19", "2", "2", "Key Config", "Unlock win");
    row("FN1 layer", "19", "8", "2", "Key Config", "FN1 layer");
    row("layer 3", "19", "8", "3", "Key Config", "Unknow");
    row("power query", "19", "10", "0", "Key Config", "Power query");
    row("bluetooth 2", "19", "11", "0,1", "Key Config", "Bluetooth 2");
    row("bluetooth channel 3", "19", "11", "0,3", "Key Config", "Unknow");
    row("bluetooth without channel", "19", "11", "0", "Key Config", "Bluetooth 1");
    row("2.4G any channel", "19", "11", "1,5", "Key Config", "2.4G switching");
    row("USB", "19", "11", "2,0", "Key Config", "USB switching");
    row("function 5", "19", "5", "0", "Key Config", "Unknow");
    row("static", "20", "1", "3", "Keyboard Light", "Static");
    row("direction loop", "23", "1", "2", "Keyboard Light", "Direction Loop");
    row("custom 3", "25", "1", "2", "Keyboard Light", "Unknow");
    row("close back light", "26", "0", "1", "Keyboard Light", "Close back light");
    row("stop back light", "26", "1", "9", "Keyboard Light", "Stop back light");
    row("26 param2 2", "26", "2", "0", "Keyboard Light", "Unknow");
    row("light recording", "27", "1", "42", "Keyboard Light", "Light recording");
    row("side static", "30", "1", "3", "Atmosphere Light", "Unknow");
    row("side bottom colour", "33", "1", "2", "Atmosphere Light", "Bottom color changed");
    row("close side light", "34", "0", "5", "Atmosphere Light", "Close side light");
    row("stop side light", "34", "1", "0", "Atmosphere Light", "Stop side light");
    row("kind 15", "15", "1", "0", "Default", "Unknow");
    row("kind 28", "28", "1", "0", "Default", "Unknow");
    row("no item", "-1", "-1", "-1", "Default", "Unknow");
    row("blank and sign", "  +3", "1", " 2", "Multimedia", "Mute");
}

void TestKeyFunctionNames::namesAndDetails()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, param2);
    QFETCH(QByteArray, value);
    QFETCH(QString, name);
    QFETCH(QString, detail);
    m_manager->setKeyFunctionDetail("stale");
    QCOMPARE(m_manager->getKeyFunctionTypeName(makeItem(type, param2, value)), name);
    QCOMPARE(m_manager->getKeyFunctionDetail(), detail);
}

void TestKeyFunctionNames::storeLookups_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("failSeniorKeys");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("detail");
    QTest::newRow("macro 2") << QByteArray("1") << QByteArray("2") << false << "Macro"
                             << "Copy burst";
    QTest::newRow("macro utf-8 name") << QByteArray("1") << QByteArray("3") << false << "Macro"
                                      << QString::fromUtf8("Makro \xc3\xa4");
    QTest::newRow("macro stored as 01") << QByteArray("1") << QByteArray("1") << false << "Macro"
                                        << "Unknow";
    QTest::newRow("macro gone") << QByteArray("1") << QByteArray("9") << false << "Macro"
                                << "Unknow";
    QTest::newRow("profile found") << QByteArray("7") << QByteArray("3") << false << "Switch Profile"
                                   << "Gaming";
    QTest::newRow("profile gone") << QByteArray("7") << QByteArray("4") << false << "Switch Profile"
                                  << "Unknow";
    QTest::newRow("senior key") << QByteArray("40") << QByteArray("6") << false << "Senior Keys"
                                << "Tap-hold";
    QTest::newRow("senior key gone") << QByteArray("40") << QByteArray("7") << false << "Senior Keys"
                                     << "Unknow";
    QTest::newRow("senior store unreadable") << QByteArray("40") << QByteArray("5") << true << "Senior Keys"
                                             << "Unknow";
}

void TestKeyFunctionNames::storeLookups()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(bool, failSeniorKeys);
    QFETCH(QString, name);
    QFETCH(QString, detail);
    m_store.failSeniorKeys = failSeniorKeys;
    QCOMPARE(m_manager->getKeyFunctionTypeName(makeItem(type, "1", value)), name);
    QCOMPARE(m_manager->getKeyFunctionDetail(), detail);
    m_store.failSeniorKeys = false;
}

void TestKeyFunctionNames::withoutStoreLookupsGiveUnknown()
{
    QTemporaryDir dir;
    DDataManager manager(dir.path(), QString());
    for (const char *type : {"1", "7", "40"}) {
        manager.getKeyFunctionTypeName(makeItem(type, "1", "3"));
        QCOMPARE(manager.getKeyFunctionDetail(), QString("Unknow"));
    }
}

void TestKeyFunctionNames::unterminatedFieldsStayInside()
{
    // Fields filled to the last byte without a NUL must be read within their
    // bounds: the type field holds "00000006", and the digits after it belong to param1.
    KeyOperateInfo item;
    memset(&item, '6', sizeof item);
    memcpy(item.operateType, "00000006", sizeof item.operateType);
    QCOMPARE(m_manager->getKeyFunctionTypeName(item), QString("Text"));
    QCOMPARE(m_manager->getKeyFunctionDetail(), QString(5120, QLatin1Char('6')));
}

void TestKeyFunctionNames::textsGoThroughTranslation()
{
    MarkingTranslator translator(QStringLiteral("<%1>"));
    QCoreApplication::installTranslator(&translator);
    const QString name = m_manager->getKeyFunctionTypeName(makeItem("3", "1", "4"));
    const QString detail = m_manager->getKeyFunctionDetail();
    const QString defaultName = m_manager->getKeyFunctionTypeName(makeItem("-1", "1", "0"));
    const QString unknown = m_manager->getKeyFunctionDetail();
    m_manager->getKeyFunctionTypeName(makeItem("2", "1", "2,4"));
    const QString combination = m_manager->getKeyFunctionDetail();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(name, QString("<Multimedia>"));
    QCOMPARE(detail, QString("<Next track>"));
    QCOMPARE(defaultName, QString("<Default>"));
    QCOMPARE(unknown, QString("<Unknow>"));
    QCOMPARE(combination, QString("L_SHIFT+A"));  // modifier names stay as they are
}

void TestKeyFunctionNames::decimalReading_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << QByteArray("42") << 42;
    QTest::newRow("blanks and sign") << QByteArray(" \t-17x") << -17;
    QTest::newRow("stops at comma") << QByteArray("5,4") << 5;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("sign only") << QByteArray("-") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("too large") << QByteArray("123456789012345678901234") << INT_MAX;
    QTest::newRow("too small") << QByteArray("-123456789012345678901234") << INT_MIN;
    QTest::newRow("int min") << QByteArray("-2147483648") << INT_MIN;
}

void TestKeyFunctionNames::decimalReading()
{
    QFETCH(QByteArray, text);
    QFETCH(int, number);
    QCOMPARE(keyOperateNumber(text), number);
}

TAVRIX_TEST_MAIN(TestKeyFunctionNames)
#include "tst_keyfunctionnames.moc"
