#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <cstring>

using xmlstore::clearStoreCache;

namespace {

MacroEventItem makeEvent(const QByteArray &mark, const QByteArray &state, const QByteArray &keyCode = "4",
                         const QByteArray &delay = "10", const QByteArray &caption = "A")
{
    MacroEventItem item;
    std::strcpy(item.mark, mark.constData());
    std::strcpy(item.delay, delay.constData());
    std::strcpy(item.type, keyCode.toInt() >= 513 ? "mouse" : "key");
    std::strcpy(item.keyCode, keyCode.constData());
    std::strcpy(item.codeName, caption.constData());
    std::strcpy(item.operateExplain, state.constData());
    return item;
}

// The events of a macro as "mark:state" words, in stored order.
QByteArray eventWords(const QByteArray &file, const QByteArray &index)
{
    QList<MacroEventItem> events;
    CTavrixXML_SelectAllKeyOrMouseEvent(file, index, events);
    QList<QByteArray> words;
    for (const MacroEventItem &e : qAsConst(events))
        words << QByteArray(e.mark) + ":" + QByteArray(e.operateExplain);
    return words.join(' ');
}

QByteArray macroList(const QByteArray &file)
{
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(file, nodes);
    QList<QByteArray> words;
    for (const MacroNode &node : qAsConst(nodes))
        words << node.index + ":" + node.name;
    return words.join(' ');
}

}  // namespace

class TestXmlStoreMacros : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearStoreCache(); }
    void macrosListInIndexOrder();
    void eventsRoundTrip();
    void eventFieldsRoundTrip_data();
    void eventFieldsRoundTrip();
    void eventEdits_data();
    void eventEdits();
};

void TestXmlStoreMacros::macrosListInIndexOrder()
{
    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(file));
    QCOMPARE(macroList(file), QByteArray());
    for (const char *index : {"4", "1", "2", "10"})
        QVERIFY(CTavrixXML_CreateMacroXmlParentNode(file, index, QByteArray("Macro") + index));
    QVERIFY(!CTavrixXML_CreateMacroXmlParentNode(file, "2", "taken"));
    QVERIFY(!CTavrixXML_CreateMacroXmlParentNode(file, "0", "zero"));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(file, "3", ""));  // an import may give an empty name
    QCOMPARE(macroList(file), QByteArray("1:Macro1 2:Macro2 3: 4:Macro4 10:Macro10"));

    const QByteArray name = "Copy & <paste> \"\xe5\xae\x8f\"";
    QVERIFY(CTavrixXML_ModifyMacroNodeName(file, "3", name));
    QVERIFY(!CTavrixXML_ModifyMacroNodeName(file, "7", "none"));
    QVERIFY(CTavrixXML_DeleteMacroNode(file, "4"));
    QVERIFY(CTavrixXML_DeleteMacroNode(file, "4"));
    clearStoreCache();
    QCOMPARE(macroList(file), QByteArray("1:Macro1 2:Macro2 3:") + name + " 10:Macro10");
}

void TestXmlStoreMacros::eventsRoundTrip()
{
    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(file));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(file, "1", "Macro1"));
    QList<MacroEventItem> read;
    QVERIFY(!CTavrixXML_SelectAllKeyOrMouseEvent(file, "1", read));  // no events yet
    QVERIFY(!CTavrixXML_SelectAllKeyOrMouseEvent(file, "2", read));  // no such macro

    const QList<MacroEventItem> recorded {makeEvent("1", "down", "513", "0", "Left Click"),
                                          makeEvent("1", "up", "514", "65535", "Left Click"),
                                          makeEvent("2", "down", "999", "7", "Enter \"<&>\""),
                                          makeEvent("2", "up", "999", "8", "\xe5\x9b\x9e\xe8\xbd\xa6")};
    QVERIFY(CTavrixXML_AddKeyOrMouseEventItem(file, recorded.mid(0, 2), "1"));
    QVERIFY(CTavrixXML_AddKeyOrMouseEventItem(file, recorded.mid(2), "1"));
    const QByteArray before = StoreFixture::bytes(file);
    QVERIFY(CTavrixXML_AddKeyOrMouseEventItem(file, {}, "1"));  // nothing to append
    QCOMPARE(StoreFixture::bytes(file), before);
    QVERIFY(!CTavrixXML_AddKeyOrMouseEventItem(file, recorded, "5"));

    clearStoreCache();
    QVERIFY(CTavrixXML_SelectAllKeyOrMouseEvent(file, "1", read));
    QCOMPARE(read.size(), recorded.size());
    for (int i = 0; i < read.size(); ++i)
        QCOMPARE(std::memcmp(&read[i], &recorded[i], sizeof(MacroEventItem)), 0);
}

void TestXmlStoreMacros::eventFieldsRoundTrip_data()
{
    QTest::addColumn<QList<QByteArray>>("fields");  // mark, delay, type, keyCode, codeName, operateExplain
    QTest::newRow("key press") << QList<QByteArray> {"0", "0", "key", "4", "A", "down"};
    QTest::newRow("right click release") << QList<QByteArray> {"12", "65535", "mouse", "517", "Right Click", "up"};
    QTest::newRow("numpad enter pseudo code") << QList<QByteArray> {"3", "15", "key", "998", "Enter", "down"};
    QTest::newRow("imported oddities") << QList<QByteArray> {"", "", "", "", "<&\"'>", "sideways"};
    QTest::newRow("fields filled to the brim") << QList<QByteArray> {QByteArray(63, '9'),
                                                                     QByteArray(15, '1'),
                                                                     QByteArray(15, 'k'),
                                                                     QByteArray(15, '5'),
                                                                     QByteArray("\xe5\xae\x8f").repeated(21),
                                                                     QByteArray(63, 'u')};
}

void TestXmlStoreMacros::eventFieldsRoundTrip()
{
    QFETCH(QList<QByteArray>, fields);
    MacroEventItem item;
    char *targets[] = {item.mark, item.delay, item.type, item.keyCode, item.codeName, item.operateExplain};
    for (int i = 0; i < 6; ++i)
        std::strcpy(targets[i], fields[i].constData());
    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(file));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(file, "1", "Macro1"));
    QVERIFY(CTavrixXML_AddKeyOrMouseEventItem(file, {item}, "1"));
    clearStoreCache();
    QList<MacroEventItem> read;
    QVERIFY(CTavrixXML_SelectAllKeyOrMouseEvent(file, "1", read));
    QCOMPARE(read.size(), 1);
    QCOMPARE(std::memcmp(&read[0], &item, sizeof item), 0);
}

void TestXmlStoreMacros::eventEdits_data()
{
    // Start: 0:down 0:up 1:down 1:up 2:down 2:up
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("after");

    const QByteArray start = "0:down 0:up 1:down 1:up 2:down 2:up";
    QTest::newRow("delete a pair") << QByteArray("delete") << QByteArray("1") << 0 << 0 << true
                                   << QByteArray("0:down 0:up 2:down 2:up");
    QTest::newRow("delete an unknown mark") << QByteArray("delete") << QByteArray("9") << 0 << 0 << true << start;
    QTest::newRow("move up") << QByteArray("move") << QByteArray("1") << 1 << 0 << true
                             << QByteArray("0:down 1:down 0:up 1:up 2:down 2:up");
    QTest::newRow("move down") << QByteArray("move") << QByteArray("1") << 0 << 1 << true
                               << QByteArray("0:down 0:up 1:down 2:down 1:up 2:up");
    QTest::newRow("move the first up") << QByteArray("move") << QByteArray("0") << 1 << 0 << false << start;
    QTest::newRow("move the last down") << QByteArray("move") << QByteArray("2") << 0 << 1 << false << start;
    QTest::newRow("move with a bad direction") << QByteArray("move") << QByteArray("1") << 5 << 0 << false << start;
    QTest::newRow("update the release") << QByteArray("update") << QByteArray("1") << 1 << 0 << true
                                        << QByteArray("0:down 0:up 1:down 7:up 2:down 2:up");
    QTest::newRow("update the press") << QByteArray("update") << QByteArray("1") << 0 << 0 << true
                                      << QByteArray("0:down 0:up 7:up 1:up 2:down 2:up");
    QTest::newRow("update an unknown event") << QByteArray("update") << QByteArray("5") << 0 << 0 << false << start;
}

void TestXmlStoreMacros::eventEdits()
{
    QFETCH(QByteArray, operation);
    QFETCH(QByteArray, mark);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, result);
    QFETCH(QByteArray, after);

    StoreFixture fx;
    const QByteArray file = fx.path("appMacro.xml");
    QVERIFY(CTavrixXML_CreateXMLFile(file));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(file, "3", "Macro3"));
    QList<MacroEventItem> events;
    for (const char *m : {"0", "1", "2"})
        events << makeEvent(m, "down") << makeEvent(m, "up");
    QVERIFY(CTavrixXML_AddKeyOrMouseEventItem(file, events, "3"));

    bool done = false;
    if (operation == "delete")
        done = CTavrixXML_DeleteEventItem(file, "3", mark);
    else if (operation == "move")
        done = CTavrixXML_MacroEventItemUpOrDownOperate(file, "3", mark, a, b);
    else
        done = CTavrixXML_UpdateEventItem(file, "3", mark, a, makeEvent("7", "up", "5", "99", "B"));
    QCOMPARE(done, result);
    clearStoreCache();
    QCOMPARE(eventWords(file, "3"), after);
}

TAVRIX_TEST_MAIN(TestXmlStoreMacros)
#include "tst_xmlstoremacros.moc"
