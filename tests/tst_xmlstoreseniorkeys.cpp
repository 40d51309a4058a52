#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <cstring>

using xmlstore::clearStoreCache;

namespace {

// A record with the creation values of the editor.
SeniorKeyInfo created(int id, int type)
{
    static const char *prefixes[] = {"", "DKS", "MT", "TGL"};
    SeniorKeyInfo info;
    info.bindingIndex = id;
    info.keyType = type;
    std::strcpy(info.name, (QByteArray(prefixes[type]) + QByteArray::number(id)).constData());
    const int strokes[] = {15, 36, 36, 15};
    std::copy(strokes, strokes + 4, info.strokes);
    info.ValueTime = 10;
    return info;
}

QList<int> ids(const QByteArray &file)
{
    QList<SeniorKeyInfo> items;
    CTavrixXML_SeniorKey_SelectAllInfoItem(file, items);
    QList<int> list;
    for (const SeniorKeyInfo &info : qAsConst(items))
        list << info.bindingIndex;
    return list;
}

}  // namespace

class TestXmlStoreSeniorKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearStoreCache(); }
    void recordsRoundTrip();
    void everyTypeRoundTrip_data();
    void everyTypeRoundTrip();
    void idRulesAndLimit();
};

void TestXmlStoreSeniorKeys::recordsRoundTrip()
{
    StoreFixture fx;
    const QByteArray file = fx.path("SeniorKeyConfig.xml");
    QVERIFY(CTavrixXML_SeniorKey_CreateXMLFile(file));
    QVERIFY(CTavrixXML_SeniorKey_CreateProFileXmlParentNode(file));
    QList<SeniorKeyInfo> items;
    QVERIFY(CTavrixXML_SeniorKey_SelectAllInfoItem(file, items));
    QVERIFY(items.isEmpty());

    SeniorKeyInfo dks = created(1, SeniorKeyType_DKS);
    QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_DKS, dks));
    // Every field of an edited record is stored, whatever the type uses.
    std::strcpy(dks.keys[0], "4");
    std::strcpy(dks.keys[1], "3,4");
    std::strcpy(dks.keys[3], "225");
    for (int i = 0; i < 16; ++i)
        dks.dksActions[i] = i % 4;
    dks.strokes[0] = dks.strokes[3] = 1;
    dks.ValueTime = 1000;
    dks.tglKeySet = 1;
    QVERIFY(CTavrixXML_SeniorKey_ModifyInfoItem(file, SeniorKeyType_DKS, dks));
    SeniorKeyInfo mt = created(2, SeniorKeyType_MT);
    std::memset(mt.name, 'n', sizeof mt.name - 1);  // a name that fills its field
    QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_MT, mt));

    clearStoreCache();
    items.clear();
    QVERIFY(CTavrixXML_SeniorKey_SelectAllInfoItem(file, items));
    QCOMPARE(items.size(), 2);
    QCOMPARE(std::memcmp(&items[0], &dks, sizeof dks), 0);
    QCOMPARE(std::memcmp(&items[1], &mt, sizeof mt), 0);

    QVERIFY(!CTavrixXML_SeniorKey_ModifyInfoItem(file, SeniorKeyType_MT, created(3, SeniorKeyType_MT)));
    QVERIFY(!CTavrixXML_SeniorKey_ModifyInfoItem(file, SeniorKeyType_TGL, dks));  // not the record's type
    QVERIFY(CTavrixXML_SeniorKey_DeleteInfoItem(file, SeniorKeyType_DKS, 1));
    QCOMPARE(ids(file), QList<int> {2});
}

void TestXmlStoreSeniorKeys::everyTypeRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QByteArray>>("keys");
    QTest::addColumn<int>("stroke");
    QTest::addColumn<int>("holdTime");
    QTest::addColumn<int>("toggleSet");
    QTest::newRow("DKS with four keys") << int(SeniorKeyType_DKS) << QList<QByteArray> {"4", "1,5", "3,6", "225"} << 1
                                        << 10 << 0;
    QTest::newRow("DKS untouched") << int(SeniorKeyType_DKS) << QList<QByteArray> {"", "", "", ""} << 15 << 10 << 0;
    QTest::newRow("MT hold and click") << int(SeniorKeyType_MT) << QList<QByteArray> {"224", "41", "", ""} << 15 << 1000
                                       << 0;
    QTest::newRow("TGL set") << int(SeniorKeyType_TGL) << QList<QByteArray> {"255,255", "", "", ""} << 36 << 10 << 1;
}

void TestXmlStoreSeniorKeys::everyTypeRoundTrip()
{
    QFETCH(int, type);
    QFETCH(QList<QByteArray>, keys);
    QFETCH(int, stroke);
    QFETCH(int, holdTime);
    QFETCH(int, toggleSet);
    SeniorKeyInfo info = created(7, type);
    for (int k = 0; k < 4; ++k)
        std::strcpy(info.keys[k], keys[k].constData());
    for (int i = 0; i < 16; ++i)
        info.dksActions[i] = (i * 7) % 4;
    info.strokes[0] = info.strokes[3] = stroke;
    info.ValueTime = holdTime;
    info.tglKeySet = toggleSet;
    StoreFixture fx;
    const QByteArray file = fx.path("SeniorKeyConfig.xml");
    QVERIFY(CTavrixXML_SeniorKey_CreateXMLFile(file));
    QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, created(7, type).keyType, created(7, type)));
    QVERIFY(CTavrixXML_SeniorKey_ModifyInfoItem(file, type, info));
    clearStoreCache();
    QList<SeniorKeyInfo> items;
    QVERIFY(CTavrixXML_SeniorKey_SelectAllInfoItem(file, items));
    QCOMPARE(items.size(), 1);
    QCOMPARE(std::memcmp(&items[0], &info, sizeof info), 0);
}

void TestXmlStoreSeniorKeys::idRulesAndLimit()
{
    StoreFixture fx;
    const QByteArray file = fx.path("SeniorKeyConfig.xml");
    QVERIFY(CTavrixXML_SeniorKey_CreateXMLFile(file));
    for (int id : {3, 1, 2})
        QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_TGL, created(id, SeniorKeyType_TGL)));
    QCOMPARE(ids(file), (QList<int> {1, 2, 3}));  // listed by id, whatever the order of creation
    QVERIFY(!CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_TGL, created(2, SeniorKeyType_TGL)));
    QVERIFY(!CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_TGL, created(0, SeniorKeyType_TGL)));
    QVERIFY(!CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_MT, created(5, SeniorKeyType_TGL)));
    QVERIFY(!CTavrixXML_SeniorKey_AddInfoItem(file, 4, created(5, 1)));

    // Deleting the highest id frees it for the next creation; a lower one leaves a gap.
    QVERIFY(CTavrixXML_SeniorKey_DeleteInfoItem(file, SeniorKeyType_TGL, 3));
    QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_TGL, created(3, SeniorKeyType_TGL)));
    QVERIFY(CTavrixXML_SeniorKey_DeleteInfoItem(file, SeniorKeyType_TGL, 2));
    QVERIFY(CTavrixXML_SeniorKey_DeleteInfoItem(file, SeniorKeyType_TGL, 2));
    QCOMPARE(ids(file), (QList<int> {1, 3}));

    for (int id = 4; id <= 41; ++id)
        QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_DKS, created(id, SeniorKeyType_DKS)));
    QCOMPARE(ids(file).size(), 40);
    const QByteArray full = StoreFixture::bytes(file);
    QVERIFY(!CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_DKS, created(42, SeniorKeyType_DKS)));
    QCOMPARE(StoreFixture::bytes(file), full);
}

TAVRIX_TEST_MAIN(TestXmlStoreSeniorKeys)
#include "tst_xmlstoreseniorkeys.moc"
