#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QRegularExpression>

#include <climits>

#include <cstring>
#include <iterator>

using xmlstore::clearStoreCache;

namespace {

QList<QByteArray> profileList(const QByteArray &layer)
{
    QList<ProfileNode> nodes;
    CTavrixXML_SelectProFileAllNodes(layer, nodes);
    QList<QByteArray> list;
    for (const ProfileNode &node : qAsConst(nodes))
        list << node.index + ":" + node.name;
    return list;
}

// The light item of a new profile for one target: mode 2, brightness 3, speed 3, first
// colour red, second colour black, direction 0, full colour on.
colorInfoData newProfileLight(int target)
{
    colorInfoData data;
    data.lightTarget = target;
    data.lightMode = 2;
    data.brightness = 3;
    data.speed = 3;
    data.topColorR = 255;
    data.fullColor = 1;
    return data;
}

bool sameLight(const colorInfoData &a, const colorInfoData &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

MacroEventItem macroEvent(const char *mark, const char *delay, const char *keyCode, const char *caption,
                          const char *state)
{
    MacroEventItem item;
    std::strcpy(item.mark, mark);
    std::strcpy(item.delay, delay);
    std::strcpy(item.type, "key");
    std::strcpy(item.keyCode, keyCode);
    std::strcpy(item.codeName, caption);
    std::strcpy(item.operateExplain, state);
    return item;
}

// The whole content of one profile, to compare two profiles that should be equal.
QByteArray profileContent(const QByteArray &layer, const QByteArray &index)
{
    QByteArray out;
    ProfileNodeInfo info;
    CTavrixXML_SelectProfileNodeInfo(layer, index, &info);
    out += "name=" + info.name + "\n";
    for (int target = 0; target < 3; ++target) {
        out += "inUse" + QByteArray::number(target) + "="
            + QByteArray::number(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, index, target)) + "\n";
        for (int mode = 0; mode < 20; ++mode) {
            colorInfoData data;
            if (CTavrixXML_SelectProfileColorDataInfo(layer, index, target, mode, &data))
                out += QByteArray(reinterpret_cast<const char *>(&data), sizeof data).toHex() + "\n";
        }
    }
    ProfileSleepTimeInfo sleep {-1, -1};
    CTavrixXML_GetProFileIntoSleepTimeInfo(layer, index, &sleep);
    out += "sleep=" + QByteArray::number(sleep.lightSleepTime) + "," + QByteArray::number(sleep.keyboardSleepTime);
    ProfileFunctionInfo lock;
    CTavrixXML_GetProFileFunctionInfo(layer, index, &lock);
    out += " lock=" + QByteArray(lock.altTab) + QByteArray(lock.altF4) + QByteArray(lock.shiftTab)
        + QByteArray(lock.winKey) + "\n";
    QList<CustomLightNodeInfo> nodes;
    CTavrixXML_SelectProFileCustomLightAllNodes(layer, index, nodes);
    for (const CustomLightNodeInfo &node : qAsConst(nodes)) {
        out += QByteArray(node.index) + "|" + QByteArray(node.name) + "|" + QByteArray(node.isUsing) + "|"
            + QByteArray::number(node.usingFlagIndex) + "\n";
        QList<CustomLightDataInfo> keys;
        CTavrixXML_ProFileCustomLightInfoSelectAll(layer, index, node.index, keys);
        for (const CustomLightDataInfo &key : qAsConst(keys))
            out += QByteArray(reinterpret_cast<const char *>(&key), sizeof key).toHex() + "\n";
    }
    QList<QByteArray> codes;
    CTavrixXML_ProFileKeyInfoSelectAll(layer, index, codes);
    for (const QByteArray &code : qAsConst(codes)) {
        KeyOperateInfo item = KeyOperateInfo::empty();
        CTavrixXML_SelectProFileKeyOperateInfo(layer, index, code, &item);
        out += QByteArray(item.keyDec) + "|" + QByteArray(item.operateType) + "|" + QByteArray(item.param1) + "|"
            + QByteArray(item.param2) + "|" + QByteArray(item.value) + "\n";
        QList<MacroEventItem> events;
        if (CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, index, item.value, "", events)) {
            for (const MacroEventItem &e : qAsConst(events))
                out += "  " + QByteArray(e.mark) + QByteArray(e.delay) + QByteArray(e.keyCode) + QByteArray(e.codeName)
                    + QByteArray(e.operateExplain) + "\n";
        }
    }
    return out;
}

}  // namespace

class TestXmlStoreProfiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearStoreCache(); }
    void newLayerFileHoldsTheDefaults();
    void profileNodes();
    void currentIndexFollowsExistingProfiles();
    void keyItemsRoundTrip_data();
    void keyItemsRoundTrip();
    void keyItemRules();
    void lightRecordsRoundTrip_data();
    void lightRecordsRoundTrip();
    void lightItems();
    void customLightKeysRoundTrip_data();
    void customLightKeysRoundTrip();
    void customLights();
    void sleepTimesAndWinLock_data();
    void sleepTimesAndWinLock();
    void macroCopies();
    void exportThenImportGivesAFreeIndex();
    void importRefusals();
    void exportNeverReplacesAnotherStore();
};

void TestXmlStoreProfiles::newLayerFileHoldsTheDefaults()
{
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("appProfile_Default.xml");
    clearStoreCache();  // everything below comes from the file on disk

    QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), 1);
    QCOMPARE(profileList(layer), QList<QByteArray> {"1:Profile1"});
    for (int target = 0; target < 3; ++target) {
        colorInfoData data;
        QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", target, 2, &data));
        QVERIFY(sameLight(data, newProfileLight(target)));
        // No mode in use is stored yet: the first record of the target stands in.
        QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", target), 2);
    }
    QVERIFY(!CTavrixXML_IsProFileAlreadyHaveLightInfo(layer, "1", 0, 0));

    QList<CustomLightNodeInfo> nodes;
    QVERIFY(CTavrixXML_SelectProFileCustomLightAllNodes(layer, "1", nodes));
    QCOMPARE(nodes.size(), 5);
    const char *names[] = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
    const int expectedKeys[] = {34, 8, 0, 0, 0};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(QByteArray(nodes[i].index), QByteArray::number(i));
        QCOMPARE(QByteArray(nodes[i].name), QByteArray(names[i]));
        QCOMPARE(QByteArray(nodes[i].isUsing), QByteArray(i < 2 ? "Using" : "UnUsing"));
        QCOMPARE(nodes[i].usingFlagIndex, i < 2 ? i : -1);
        QList<CustomLightDataInfo> keys;
        QVERIFY(CTavrixXML_ProFileCustomLightInfoSelectAll(layer, "1", nodes[i].index, keys));
        QCOMPARE(keys.size(), expectedKeys[i]);
        for (const CustomLightDataInfo &key : qAsConst(keys)) {
            QCOMPARE(key.transparentNum, 128);
            QCOMPARE(key.colorB, i == 0 ? 255 : 0);
            QCOMPARE(key.colorR, i == 1 ? 255 : 0);
        }
    }

    // Nothing stored for sleep times and Win lock: the callers' presets stay.
    ProfileSleepTimeInfo sleep;
    QVERIFY(!CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &sleep));
    QCOMPARE(sleep.lightSleepTime, 600);
    QCOMPARE(sleep.keyboardSleepTime, 30);
    ProfileFunctionInfo lock;
    std::strcpy(lock.altTab, "0");
    QVERIFY(!CTavrixXML_GetProFileFunctionInfo(layer, "1", &lock));
    QCOMPARE(QByteArray(lock.altTab), QByteArray("0"));
    QList<QByteArray> codes;
    QVERIFY(CTavrixXML_ProFileKeyInfoSelectAll(layer, "1", codes));
    QVERIFY(codes.isEmpty());

    const QByteArray text = StoreFixture::bytes(layer);
    QVERIFY(text.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QVERIFY(text.contains("<tavrixStore version=\"1\" currentProfile=\"1\">"));
}

void TestXmlStoreProfiles::profileNodes()
{
    StoreFixture fx;
    const QByteArray layer = fx.path("layer.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(layer));
    QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), -1);
    QVERIFY(profileList(layer).isEmpty());

    for (const char *index : {"1", "2", "5"})
        QVERIFY(CTavrixXML_CreateProFileXmlParentNode(layer, index, QByteArray("Profile") + index, 0));
    QVERIFY(!CTavrixXML_CreateProFileXmlParentNode(layer, "2", "again", 0));
    for (const char *bad : {"", "0", "-1", "x", "99999999999"})
        QVERIFY2(!CTavrixXML_CreateProFileXmlParentNode(layer, bad, "bad", 0), bad);
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(layer, "3", "Profile3", 0));
    // A profile deleted and created again (a reset) returns to its place.
    QCOMPARE(profileList(layer), (QList<QByteArray> {"1:Profile1", "2:Profile2", "3:Profile3", "5:Profile5"}));

    const QByteArray special = "<a & \"b\" 'c'> \xe4\xb8\xad\xe6\x96\x87 \t line\nbreak";
    QVERIFY(CTavrixXML_ModifyProfileNodeInfo(layer, "3", special));
    QVERIFY(!CTavrixXML_ModifyProfileNodeInfo(layer, "4", "none"));
    clearStoreCache();
    ProfileNodeInfo info;
    QVERIFY(CTavrixXML_SelectProfileNodeInfo(layer, "3", &info));
    QCOMPARE(info.name, special);
    QVERIFY(!CTavrixXML_SelectProfileNodeInfo(layer, "4", &info));

    QVERIFY(CTavrixXML_IsExistenceSelectProfileNode(layer, "5"));
    QVERIFY(CTavrixXML_DeleteProFileSelectedNode(layer, "5"));
    QVERIFY(!CTavrixXML_IsExistenceSelectProfileNode(layer, "5"));
    QVERIFY(CTavrixXML_DeleteProFileSelectedNode(layer, "5"));  // already gone

    for (int i = 4; i <= 10; ++i)
        QVERIFY(CTavrixXML_CreateProFileXmlParentNode(layer, QByteArray::number(i), "P", 0));
    QCOMPARE(profileList(layer).size(), 10);
    QVERIFY(!CTavrixXML_CreateProFileXmlParentNode(layer, "11", "one too many", 0));
}

void TestXmlStoreProfiles::currentIndexFollowsExistingProfiles()
{
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(layer, "2", "Profile2", 0));
    QVERIFY(CTavrixXML_ModifyXMLFileProfileIndex(layer, 2));
    QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), 2);
    // An index that names no profile is not stored (a stale keyboard request).
    QVERIFY(!CTavrixXML_ModifyXMLFileProfileIndex(layer, 7));
    clearStoreCache();
    QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), 2);
    QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(fx.path("missing.xml")), -1);
}

void TestXmlStoreProfiles::keyItemsRoundTrip_data()
{
    QTest::addColumn<QByteArray>("keyName");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("param1");
    QTest::addColumn<QByteArray>("param2");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("remap") << QByteArray("A") << QByteArray("0") << QByteArray("1") << QByteArray("1")
                           << QByteArray("5");
    QTest::newRow("macro") << QByteArray("F1") << QByteArray("1") << QByteArray("12") << QByteArray("2")
                           << QByteArray("3");
    QTest::newRow("xml specials") << QByteArray("<\">") << QByteArray("6") << QByteArray("1") << QByteArray("1")
                                  << QByteArray("<b>bold</b> & \"quoted\" 'single' ]]>");
    QTest::newRow("line breaks and tabs") << QByteArray("Enter") << QByteArray("6") << QByteArray("1")
                                          << QByteArray("1") << QByteArray("one\r\ntwo\tthree\n");
    QTest::newRow("control characters") << QByteArray("Esc") << QByteArray("6") << QByteArray("1") << QByteArray("1")
                                        << QByteArray("bell\x07 escape\x1b end");
    QTest::newRow("latin-1 key name") << QByteArray("\xe9\xe8") << QByteArray("8") << QByteArray("1") << QByteArray("1")
                                      << QByteArray("/usr/bin/\xc3\xa9"
                                                    "diteur");
    QTest::newRow("emoji") << QByteArray("K") << QByteArray("6") << QByteArray("1") << QByteArray("1")
                           << QByteArray("\xf0\x9f\x98\x80 smile");
    QTest::newRow("long text") << QByteArray("T") << QByteArray("6") << QByteArray("1") << QByteArray("1")
                               << QByteArray("abcdefghij").repeated(500);
}

void TestXmlStoreProfiles::keyItemsRoundTrip()
{
    QFETCH(QByteArray, keyName);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, param1);
    QFETCH(QByteArray, param2);
    QFETCH(QByteArray, value);
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");
    QVERIFY(CTavrixXML_DeleteProFileMacroWithKeyInfoItem(layer, "1", "30", keyName));
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", "30", keyName, type, param1, param2, value));
    clearStoreCache();

    KeyOperateInfo item = KeyOperateInfo::empty();
    QVERIFY(CTavrixXML_SelectProFileKeyOperateInfo(layer, "1", "30", &item));
    QCOMPARE(QByteArray(item.keyDec), QByteArray("30"));
    QCOMPARE(QByteArray(item.operateType), type);
    QCOMPARE(QByteArray(item.param1), param1);
    QCOMPARE(QByteArray(item.param2), param2);
    QCOMPARE(QByteArray(item.value), value);
    // The count compares whole stored texts.
    QCOMPARE(CTavrixXML_GetProFileValueNum(layer, "1", type, value), 1);
}

void TestXmlStoreProfiles::keyItemRules()
{
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");

    // A key without an item leaves the caller's preset untouched.
    KeyOperateInfo item = KeyOperateInfo::empty();
    QVERIFY(!CTavrixXML_SelectProFileKeyOperateInfo(layer, "1", "4", &item));
    QCOMPARE(QByteArray(item.keyDec), QByteArray("-1"));
    QCOMPARE(QByteArray(item.value), QByteArray("-1"));

    // Deleting an item that is not there writes nothing.
    const QByteArray before = StoreFixture::bytes(layer);
    QVERIFY(CTavrixXML_DeleteProFileMacroWithKeyInfoItem(layer, "1", "4", "A"));
    QCOMPARE(StoreFixture::bytes(layer), before);

    // Saving twice (delete, add) leaves one item; a second add without delete is refused.
    for (int i = 0; i < 2; ++i) {
        QVERIFY(CTavrixXML_DeleteProFileMacroWithKeyInfoItem(layer, "1", "4", "other name"));
        QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", "4", "A", "1", "1", "1", "3"));
    }
    QVERIFY(!CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", "4", "A", "5", "1", "1", "-1"));
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", "-10", "Fn", "1", "1", "1", "3"));
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", "225", "LShift", "1", "1", "1", "13"));
    QVERIFY(!CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "9", "5", "B", "0", "1", "1", "6"));
    QCOMPARE(CTavrixXML_GetProFileValueNum(layer, "1", "1", "3"), 2);
    QCOMPARE(CTavrixXML_GetProFileValueNum(layer, "1", "1", "4"), 0);
    QCOMPARE(CTavrixXML_GetProFileValueNum(layer, "9", "1", "3"), -1);

    QList<QByteArray> codes;
    QVERIFY(CTavrixXML_ProFileKeyInfoSelectAll(layer, "1", codes));
    QCOMPARE(codes, (QList<QByteArray> {"-10", "4", "225"}));

    // An item is found only in its own profile and file.
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(layer, "2", "Profile2", 0));
    QVERIFY(!CTavrixXML_SelectProFileKeyOperateInfo(layer, "2", "4", &item));

    // A value longer than the record's field is kept whole in the file and cut,
    // at a character boundary, only in the record.
    const QByteArray chinese = QByteArray("\xe4\xb8\xad").repeated(5000);
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "2", "4", "A", "6", "1", "1", chinese));
    clearStoreCache();
    QVERIFY(CTavrixXML_SelectProFileKeyOperateInfo(layer, "2", "4", &item));
    const QByteArray cut(item.value);
    QCOMPARE(cut.size(), 5118);  // 1706 whole characters in 5119 bytes
    QVERIFY(chinese.startsWith(cut));
    QCOMPARE(CTavrixXML_GetProFileValueNum(layer, "2", "6", chinese), 1);
}

void TestXmlStoreProfiles::lightRecordsRoundTrip_data()
{
    QTest::addColumn<QList<int>>("fields");
    QTest::newRow("keyboard wave") << QList<int> {0, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0};
    QTest::newRow("side breath") << QList<int> {1, 1, 5, 2, 10, 20, 30, 40, 50, 60, 0, 0, 9, 0};
    QTest::newRow("music") << QList<int> {0, 100, 1, 1, 0, 255, 0, 0, 0, 255, 2, 1, 0, 0};
    QTest::newRow("int extremes") << QList<int> {2,    INT_MIN, INT_MAX, -1, INT_MIN, INT_MAX, 0,
                                                 -255, 256,     70000,   -7, 2,       INT_MAX, INT_MIN};
}

void TestXmlStoreProfiles::lightRecordsRoundTrip()
{
    QFETCH(QList<int>, fields);
    // The record's fields in their order.
    static int32_t colorInfoData::*const kFields[] = {
        &colorInfoData::lightTarget,  &colorInfoData::lightMode,    &colorInfoData::brightness,
        &colorInfoData::speed,        &colorInfoData::topColorR,    &colorInfoData::topColorG,
        &colorInfoData::topColorB,    &colorInfoData::bottomColorR, &colorInfoData::bottomColorG,
        &colorInfoData::bottomColorB, &colorInfoData::direction,    &colorInfoData::fullColor,
        &colorInfoData::extParam1,    &colorInfoData::extParam2,
    };
    QCOMPARE(fields.size(), int(std::size(kFields)));
    colorInfoData data;
    for (int i = 0; i < fields.size(); ++i)
        data.*kFields[i] = fields[i];
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");
    QVERIFY(CTavrixXML_AddProFileLightInfoItem(layer, "1", data));
    clearStoreCache();
    colorInfoData read;
    QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", data.lightTarget, data.lightMode, &read));
    QVERIFY(sameLight(read, data));
}

void TestXmlStoreProfiles::lightItems()
{
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");
    colorInfoData radar = newProfileLight(0);
    radar.lightMode = 4;
    radar.direction = 6;
    radar.extParam1 = 77;
    radar.extParam2 = -5;
    QVERIFY(!CTavrixXML_IsProFileAlreadyHaveLightInfo(layer, "1", 0, 4));
    QVERIFY(!CTavrixXML_ModifyProFileLightInfoItem(layer, "1", 0, 4, radar));  // not there yet
    QVERIFY(CTavrixXML_AddProFileLightInfoItem(layer, "1", radar));
    QVERIFY(CTavrixXML_IsProFileAlreadyHaveLightInfo(layer, "1", 0, 4));

    radar.brightness = 5;
    radar.bottomColorG = 200;
    QVERIFY(CTavrixXML_ModifyProFileLightInfoItem(layer, "1", 0, 4, radar));
    QVERIFY(!CTavrixXML_ModifyProFileLightInfoItem(layer, "1", 1, 4, radar));  // names another pair
    // Adding a pair the profile holds replaces it rather than adding a second record.
    radar.speed = 1;
    QVERIFY(CTavrixXML_AddProFileLightInfoItem(layer, "1", radar));

    QVERIFY(CTavrixXML_ModifyProFileMouseLightUsingIndex(layer, "1", 0, 4));
    QVERIFY(CTavrixXML_ModifyProFileMouseLightUsingIndex(layer, "1", 1, 5));
    QVERIFY(CTavrixXML_ModifyProFileLightSynchronizeStatus(layer, "1", 0));
    clearStoreCache();
    colorInfoData read;
    QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, 4, &read));
    QVERIFY(sameLight(read, radar));
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 0), 4);
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 1), 5);
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 7), -1);
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "3", 0), -1);
    QCOMPARE(StoreFixture::bytes(layer).count("lightMode=\"4\""), 1);
}

void TestXmlStoreProfiles::customLightKeysRoundTrip_data()
{
    QTest::addColumn<QByteArray>("keyCode");
    QTest::addColumn<QByteArray>("codeName");
    QTest::addColumn<QList<int>>("numbers");  // indexX, indexY, colorR, colorG, colorB, transparentNum
    QTest::newRow("letter") << QByteArray("4") << QByteArray("A") << QList<int> {3, 1, 0, 0, 255, 128};
    QTest::newRow("quote caption") << QByteArray("52") << QByteArray("' \"") << QList<int> {3, 11, 1, 2, 3, 128};
    QTest::newRow("fn key, grid corner") << QByteArray("-10") << QByteArray("Fn")
                                         << QList<int> {5, 21, 255, 255, 255, 0};
    QTest::newRow("caption filling its field")
        << QByteArray("999999999999999") << QByteArray("\xe2\x86\x91").repeated(21) << QList<int> {0, 0, 9, 9, 9, 9};
}

void TestXmlStoreProfiles::customLightKeysRoundTrip()
{
    QFETCH(QByteArray, keyCode);
    QFETCH(QByteArray, codeName);
    QFETCH(QList<int>, numbers);
    CustomLightDataInfo key;
    std::strcpy(key.keyCode, keyCode.constData());
    std::strcpy(key.codeName, codeName.constData());
    std::memcpy(&key.indexX, numbers.toVector().constData(), 6 * sizeof(int));
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");
    QVERIFY(CTavrixXML_AddProFileCustomLightDataInfo(layer, "1", "3", key));
    clearStoreCache();
    QList<CustomLightDataInfo> keys;
    QVERIFY(CTavrixXML_ProFileCustomLightInfoSelectAll(layer, "1", "3", keys));
    QCOMPARE(keys.size(), 1);
    QCOMPARE(std::memcmp(&keys[0], &key, sizeof key), 0);
}

void TestXmlStoreProfiles::customLights()
{
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");
    QVERIFY(!CTavrixXML_AddProFileCustomLightNode(layer, "1", "2", "twice", "UnUsing", -1));
    QVERIFY(!CTavrixXML_ClearProFileCustomLightNode(layer, "1", "7"));
    QVERIFY(!CTavrixXML_AddProFileCustomLightDataInfo(layer, "1", "7", CustomLightDataInfo()));

    QVERIFY(CTavrixXML_ClearProFileCustomLightNode(layer, "1", "0"));
    CustomLightDataInfo key;
    std::strcpy(key.keyCode, "41");
    std::strcpy(key.codeName, "Esc");
    key.indexX = 0;
    key.indexY = 0;
    key.colorR = 1;
    key.colorG = 2;
    key.colorB = 3;
    QVERIFY(CTavrixXML_AddProFileCustomLightDataInfo(layer, "1", "0", key));
    QVERIFY(CTavrixXML_ModifyProFileCustomLightNodeName(layer, "1", "3", "Night & day"));
    QVERIFY(CTavrixXML_ModifyProFileCustomLightNodeUsingStatus(layer, "1", "1", "UnUsing", -1));
    QVERIFY(CTavrixXML_ModifyProFileCustomLightNodeUsingStatus(layer, "1", "3", "Using", 1));
    clearStoreCache();

    QList<CustomLightDataInfo> keys;
    QVERIFY(CTavrixXML_ProFileCustomLightInfoSelectAll(layer, "1", "0", keys));
    QCOMPARE(keys.size(), 1);
    QCOMPARE(std::memcmp(&keys[0], &key, sizeof key), 0);
    QList<CustomLightNodeInfo> nodes;
    QVERIFY(CTavrixXML_SelectProFileCustomLightAllNodes(layer, "1", nodes));
    QCOMPARE(QByteArray(nodes[3].name), QByteArray("Night & day"));
    QCOMPARE(QByteArray(nodes[3].isUsing), QByteArray("Using"));
    QCOMPARE(nodes[3].usingFlagIndex, 1);
    QCOMPARE(QByteArray(nodes[1].isUsing), QByteArray("UnUsing"));
    QCOMPARE(nodes[1].usingFlagIndex, -1);

    // A long name is stored whole and cut only in the 64-byte record field.
    const QByteArray longName = QByteArray("\xc3\xa9").repeated(40);
    QVERIFY(CTavrixXML_ModifyProFileCustomLightNodeName(layer, "1", "4", longName));
    nodes.clear();
    CTavrixXML_SelectProFileCustomLightAllNodes(layer, "1", nodes);
    QCOMPARE(QByteArray(nodes[4].name), longName.left(62));
    QVERIFY(StoreFixture::bytes(layer).contains(longName));
}

void TestXmlStoreProfiles::sleepTimesAndWinLock_data()
{
    QTest::addColumn<int>("lightSeconds");
    QTest::addColumn<int>("keyboardMinutes");
    QTest::addColumn<QList<QByteArray>>("choices");  // Alt+Tab, Alt+F4, Shift+Tab, Windows key
    QTest::newRow("defaults") << 600 << 30 << QList<QByteArray> {"0", "0", "0", "0"};
    QTest::newRow("lights never sleep") << 0 << 5 << QList<QByteArray> {"0", "1", "1", "1"};
    QTest::newRow("long times") << 65535 << 1092 << QList<QByteArray> {"1", "1", "1", "1"};
    QTest::newRow("odd choice texts") << 1 << 1 << QList<QByteArray> {"", "10", "-1", "1234567"};
}

void TestXmlStoreProfiles::sleepTimesAndWinLock()
{
    QFETCH(int, lightSeconds);
    QFETCH(int, keyboardMinutes);
    QFETCH(QList<QByteArray>, choices);
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");
    QVERIFY(CTavrixXML_SetProFileIntoSleepTimeInfo(layer, "1", 300, 7));
    QVERIFY(CTavrixXML_SetProFileIntoSleepTimeInfo(layer, "1", lightSeconds, keyboardMinutes));
    QVERIFY(CTavrixXML_AddProFileFunctionInfo(layer, "1", "1", "1", "0", "0"));
    QVERIFY(CTavrixXML_AddProFileFunctionInfo(layer, "1", choices[0], choices[1], choices[2], choices[3]));
    QVERIFY(!CTavrixXML_SetProFileIntoSleepTimeInfo(layer, "2", 600, 30));
    clearStoreCache();
    ProfileSleepTimeInfo sleep {-1, -1};
    QVERIFY(CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &sleep));
    QCOMPARE(sleep.lightSleepTime, lightSeconds);
    QCOMPARE(sleep.keyboardSleepTime, keyboardMinutes);
    ProfileFunctionInfo lock;
    QVERIFY(CTavrixXML_GetProFileFunctionInfo(layer, "1", &lock));
    QCOMPARE((QList<QByteArray> {lock.altTab, lock.altF4, lock.shiftTab, lock.winKey}), choices);
}

void TestXmlStoreProfiles::macroCopies()
{
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("layer.xml");
    const QList<MacroEventItem> events {macroEvent("1", "0", "4", "A", "down"), macroEvent("1", "35", "4", "A", "up")};
    QList<MacroEventItem> read;
    QVERIFY(!CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "3", "", read));
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(layer, "1", events, "3", "Macro3"));
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(layer, "1", {}, "2", "Macro2"));
    clearStoreCache();
    QVERIFY(CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "3", "", read));
    QCOMPARE(read.size(), 2);
    QCOMPARE(std::memcmp(&read[1], &events[1], sizeof(MacroEventItem)), 0);

    // Adding again replaces the copy; deleting removes only that copy.
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(layer, "1", events.mid(0, 1), "3", "Macro3"));
    read.clear();
    QVERIFY(CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "3", "", read));
    QCOMPARE(read.size(), 1);
    QVERIFY(CTavrixXML_DeleteProFileBindMacroNode(layer, "1", "3", "Macro3"));
    QVERIFY(CTavrixXML_DeleteProFileBindMacroNode(layer, "1", "3", "Macro3"));
    QVERIFY(!CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "3", "", read));
    QVERIFY(CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, "1", "2", "", read));
    QVERIFY(!CTavrixXML_AddProFileBindMacroItem(layer, "1", events, "0", "Macro0"));
}

void TestXmlStoreProfiles::exportThenImportGivesAFreeIndex()
{
    StoreFixture fx;
    const QByteArray source = fx.newLayerFile("appProfile_FN.xml");
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(source, "2", "Gaming <&> \xe4\xb8\xad", 0));
    fx.addProfileDefaults(source, "2", fx.presetCopy("customLightDefaultConfig_84.xml"));
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(source, "2", "4", "A", "1", "2", "2", "7"));
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(source, "2", "5", "B", "6", "1", "1", "x\ny\x01"));
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(source, "2", {macroEvent("4", "10", "6", "C", "down")}, "7", "Macro7"));
    QVERIFY(CTavrixXML_SetProFileIntoSleepTimeInfo(source, "2", 120, 10));
    QVERIFY(CTavrixXML_AddProFileFunctionInfo(source, "2", "1", "1", "0", "1"));
    QVERIFY(CTavrixXML_ModifyProFileMouseLightUsingIndex(source, "2", 0, 10));

    const QByteArray exported = fx.path("Gaming.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(exported));
    QVERIFY(CTavrixXML_ProFileExport(source, exported, "2", 0));
    QVERIFY(CTavrixXML_ProFileExport(source, exported, "2", 0));  // a second export reuses the file
    QCOMPARE(profileList(exported).size(), 1);

    // The target already holds profiles 1 and 2: the imported profile keeps
    // everything but its index, which becomes 3.
    const QByteArray target = fx.newLayerFile("appProfile_Default.xml");
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(target, "2", "Profile2", 0));
    const QByteArray targetBefore = profileContent(target, "1");
    QVERIFY(CTavrixXML_ProFileImport(target, exported, "2"));
    clearStoreCache();
    QCOMPARE(profileList(target).last(), QByteArray("3:Gaming <&> \xe4\xb8\xad"));
    QCOMPARE(profileList(target).size(), 3);
    QCOMPARE(profileContent(target, "3"), profileContent(source, "2"));
    QCOMPARE(profileContent(target, "1"), targetBefore);
    QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(target), 1);
}

void TestXmlStoreProfiles::importRefusals()
{
    StoreFixture fx;
    const QByteArray exported = fx.newLayerFile("export.xml");
    const QByteArray layer = fx.path("layer.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(layer));
    // File order 1, 3, 2: the create rule's index (last + 1 = 3) is taken, so the
    // import goes past the highest index.
    for (const char *index : {"1", "3"})
        QVERIFY(CTavrixXML_CreateProFileXmlParentNode(layer, index, "P", 0));
    StoreFixture::write(
        layer,
        StoreFixture::bytes(layer).replace("</tavrixStore>", "    <profile index=\"2\" name=\"P\"/>\n</tavrixStore>"));
    QVERIFY(CTavrixXML_ProFileImport(layer, exported, "1"));
    QCOMPARE(profileList(layer), (QList<QByteArray> {"1:P", "3:P", "2:P", "4:Profile1"}));

    QVERIFY(!CTavrixXML_ProFileImport(layer, exported, "2"));  // no such profile there
    QVERIFY(!CTavrixXML_ProFileImport(layer, fx.path("missing.xml"), "1"));
    for (int i = 5; i <= 10; ++i)
        QVERIFY(CTavrixXML_CreateProFileXmlParentNode(layer, QByteArray::number(i), "P", 0));
    const QByteArray full = StoreFixture::bytes(layer);
    QVERIFY(!CTavrixXML_ProFileImport(layer, exported, "1"));
    QCOMPARE(StoreFixture::bytes(layer), full);
}

void TestXmlStoreProfiles::exportNeverReplacesAnotherStore()
{
    StoreFixture fx;
    const QByteArray layer = fx.newLayerFile("appProfile_Default.xml");
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(layer, "2", "appProfile_Default", 0));
    const QByteArray macros = fx.path("appMacro.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(macros));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(macros, "1", "Macro1"));
    const QByteArray magnetic = fx.path("appProfile_Magnetic.xml");  // one profile, like an export
    QVERIFY(CTavrixXML_CreateXMLFile(magnetic));
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(magnetic, "1", "Profile1", 0));
    const QByteArray other = fx.path("notes.xml");
    StoreFixture::write(other, "<notes>mine</notes>");

    const QByteArray layerBefore = StoreFixture::bytes(layer);
    const QByteArray macrosBefore = StoreFixture::bytes(macros);
    const QByteArray magneticBefore = StoreFixture::bytes(magnetic);
    QVERIFY(!CTavrixXML_ProFileExport(layer, magnetic, "2", 0));
    QVERIFY(!CTavrixXML_ProFileExport(layer, layer, "2", 0));  // a profile named after its own file
    QVERIFY(!CTavrixXML_ProFileExport(layer, macros, "2", 0));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("notes\\.xml"));
    QVERIFY(!CTavrixXML_ProFileExport(layer, other, "2", 0));
    QVERIFY(!CTavrixXML_ProFileExport(layer, fx.path("x.xml"), "9", 0));
    QCOMPARE(StoreFixture::bytes(layer), layerBefore);
    QCOMPARE(StoreFixture::bytes(macros), macrosBefore);
    QCOMPARE(StoreFixture::bytes(magnetic), magneticBefore);
    QCOMPARE(StoreFixture::bytes(other), QByteArray("<notes>mine</notes>"));
}

TAVRIX_TEST_MAIN(TestXmlStoreProfiles)
#include "tst_xmlstoreprofiles.moc"
