// Rules of the advanced-key records: numbering of new records against the store, their
// creation values, and the captions of key strings.
#include "advancedkeys/seniorkeys.h"
#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <cstring>

namespace {

QList<int> storedIds(const QByteArray &file)
{
    QList<SeniorKeyInfo> items;
    CTavrixXML_SeniorKey_SelectAllInfoItem(file, items);
    QList<int> ids;
    for (const SeniorKeyInfo &info : qAsConst(items))
        ids << info.bindingIndex;
    return ids;
}

bool create(const QByteArray &file, int type)
{
    const SeniorKeyInfo info = SeniorKeys::newRecord(SeniorKeys::nextBindingIndex(storedIds(file)), type);
    return CTavrixXML_SeniorKey_AddInfoItem(file, type, info);
}

}  // namespace

class TestSeniorKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { xmlstore::clearStoreCache(); }

    void newRecordValues_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("DKS") << int(SeniorKeyType_DKS) << QByteArray("DKS7");
        QTest::newRow("MT") << int(SeniorKeyType_MT) << QByteArray("MT7");
        QTest::newRow("TGL") << int(SeniorKeyType_TGL) << QByteArray("TGL7");
    }
    void newRecordValues()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, name);
        const SeniorKeyInfo info = SeniorKeys::newRecord(7, type);
        QCOMPARE(info.bindingIndex, 7);
        QCOMPARE(QByteArray(info.name), name);
        QCOMPARE(info.keyType, type);
        QCOMPARE((QList<int> {info.strokes[0], info.strokes[1], info.strokes[2], info.strokes[3]}),
                 (QList<int> {15, 36, 36, 15}));
        QCOMPARE(info.ValueTime, 10);
        QCOMPARE(info.tglKeySet, 0);
        for (int slot = 0; slot < 4; ++slot)
            QVERIFY(SeniorKeys::keyString(info, slot).isEmpty());
        for (int action : info.dksActions)
            QCOMPARE(action, 0);
    }

    void idsAgainstTheStore()
    {
        StoreFixture fx;
        const QByteArray file = fx.path("SeniorKeyConfig.xml");
        QVERIFY(CTavrixXML_SeniorKey_CreateXMLFile(file));
        QVERIFY(storedIds(file).isEmpty());
        QVERIFY(create(file, SeniorKeyType_DKS));
        QVERIFY(create(file, SeniorKeyType_MT));
        QVERIFY(create(file, SeniorKeyType_DKS));
        QCOMPARE(storedIds(file), (QList<int> {1, 2, 3}));

        // The highest id is taken again after its record went; a gap below stays.
        QVERIFY(CTavrixXML_SeniorKey_DeleteInfoItem(file, SeniorKeyType_DKS, 3));
        QVERIFY(create(file, SeniorKeyType_TGL));
        QList<SeniorKeyInfo> items;
        QVERIFY(CTavrixXML_SeniorKey_SelectAllInfoItem(file, items));
        QCOMPARE(QByteArray(items.last().name), QByteArray("TGL3"));
        QVERIFY(CTavrixXML_SeniorKey_DeleteInfoItem(file, SeniorKeyType_MT, 2));
        QVERIFY(create(file, SeniorKeyType_MT));
        QCOMPARE(storedIds(file), (QList<int> {1, 3, 4}));
    }

    void keyStringsFitTheirSlot()
    {
        SeniorKeyInfo info = SeniorKeys::newRecord(1, SeniorKeyType_DKS);
        SeniorKeys::setKeyString(info, 1, SeniorKeys::comboKeyString(3, 4));
        QCOMPARE(SeniorKeys::keyString(info, 1), QByteArray("3,4"));
        // A too long text is cut to the slot, which stays terminated; the next slot is untouched.
        SeniorKeys::setKeyString(info, 0, QByteArray(40, '9'));
        QCOMPARE(SeniorKeys::keyString(info, 0), QByteArray(15, '9'));
        QCOMPARE(SeniorKeys::keyString(info, 1), QByteArray("3,4"));
        SeniorKeys::setKeyString(info, 4, "4");  // no such slot
        QCOMPARE(SeniorKeys::keyString(info, 4), QByteArray());
        // A slot filled to the last byte (a damaged file) is read within its bounds.
        std::memset(info.keys[2], '5', sizeof(info.keys[2]));
        QCOMPARE(SeniorKeys::keyString(info, 2).size(), 16);
    }

    void captions_data()
    {
        QTest::addColumn<QByteArray>("keyString");
        QTest::addColumn<QString>("caption");
        QTest::newRow("single key") << QByteArray("4") << "A";
        QTest::newRow("modifier as a plain key") << QByteArray("225") << "L_SHIFT";
        QTest::newRow("one modifier") << QByteArray("1,4") << "L_CTRL+A";
        QTest::newRow("two modifiers") << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
        QTest::newRow("right-hand modifiers") << QByteArray("192,4") << "R_ALT+R_WIN+A";
        QTest::newRow("unknown plain key") << QByteArray("1,250") << "L_CTRL";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("unknown single key") << QByteArray("250") << "";
    }
    void captions()
    {
        QFETCH(QByteArray, keyString);
        QFETCH(QString, caption);
        const QMap<int, QString> names {{4, "A"}, {225, "L_SHIFT"}};
        QCOMPARE(SeniorKeys::keyCaption(keyString, names), caption);
    }
};

TAVRIX_TEST_MAIN(TestSeniorKeys)
#include "tst_seniorkeys.moc"
