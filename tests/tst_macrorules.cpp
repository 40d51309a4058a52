// Index and mark rules of the macro store's writers, the event record's text
// fields, and the translation of hook key events for the recorder.

#include "macros/macroeventtext.h"
#include "macros/macrokeytranslate.h"
#include "support/testmain.h"

#include <cstring>

Q_DECLARE_METATYPE(QList<int>)

namespace {

QList<MacroNode> nodes(const QList<int> &indexes)
{
    QList<MacroNode> list;
    for (int i : indexes)
        list.append({QByteArray::number(i), "M" + QByteArray::number(i)});
    return list;
}

}  // namespace

class TestMacroRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newIndexes_data();
    void newIndexes();
    void nextMarkIgnoresOrderAndJunk();
    void recordFieldsNeverOverflow();
    void hookKeyTranslation_data();
    void hookKeyTranslation();
};

void TestMacroRules::newIndexes_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("imported");
    QTest::newRow("empty store") << QList<int>() << 1 << 1;
    QTest::newRow("gap at 3") << QList<int> {1, 2, 4} << 3 << 5;
    QTest::newRow("no 1") << QList<int> {2, 3} << 1 << 4;
    QTest::newRow("no gap") << QList<int> {1, 2, 3} << 4 << 4;
}

void TestMacroRules::newIndexes()
{
    QFETCH(QList<int>, stored);
    QFETCH(int, added);
    QFETCH(int, imported);
    QCOMPARE(MacroEventText::indexForAdd(nodes(stored)), added);
    QCOMPARE(MacroEventText::indexForImport(nodes(stored)), imported);
}

void TestMacroRules::nextMarkIgnoresOrderAndJunk()
{
    QCOMPARE(MacroEventText::nextMark({}), 0);
    QList<MacroEventItem> events;
    for (const char *mark : {"3", "0", "x", "7", "1"})
        events.append(MacroEventText::make({mark, "0", "key", "4", "A", "down"}));
    QCOMPARE(MacroEventText::nextMark(events), 8);
}

void TestMacroRules::recordFieldsNeverOverflow()
{
    // 40 two-byte characters make 80 UTF-8 bytes: the caption field keeps 31
    // whole characters (62 bytes), never half of one, and stays terminated.
    const QString longCaption(40, QChar(0x00E9));
    const MacroEventItem item
        = MacroEventText::make({QString(100, '9'), "123456789012345678", "key", "4", longCaption, "down"});
    QCOMPARE(std::strlen(item.mark), sizeof(item.mark) - 1);
    QCOMPARE(std::strlen(item.delay), sizeof(item.delay) - 1);
    QCOMPARE(QString::fromUtf8(item.codeName), QString(31, QChar(0x00E9)));
    const MacroEventText::Fields back = MacroEventText::read(item);
    QCOMPARE(back.type, QString("key"));
    QCOMPARE(back.operateExplain, QString("down"));
    QCOMPARE(MacroEventText::toInt(""), 0);
    QCOMPARE(MacroEventText::toInt("12a"), 0);
}

void TestMacroRules::hookKeyTranslation_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("hookFlags");
    QTest::addColumn<int>("expectedVk");
    QTest::addColumn<bool>("expectedPress");
    QTest::newRow("main Enter down") << 13 << 0x1C << 1 << 0 << 999 << true;
    QTest::newRow("main Enter up") << 13 << 0x1C << 0 << 0x80 << 999 << false;
    QTest::newRow("keypad Enter down") << 13 << 0x1C << 1 << 1 << 998 << true;
    QTest::newRow("keypad Enter up") << 13 << 0x1C << 0 << 0x81 << 998 << false;
    QTest::newRow("Enter with Alt stays") << 13 << 0x1C << 1 << 0x20 << 13 << true;
    QTest::newRow("vk 255 scan 7D") << 255 << 0x7D << 0 << 0 << 981 << true;
    QTest::newRow("vk 255 scan 79 up") << 255 << 0x79 << 1 << 0x80 << 987 << false;
    QTest::newRow("vk 255 scan 70") << 255 << 0x70 << 0 << 0 << 988 << true;
    QTest::newRow("vk 255 other scan") << 255 << 0x11 << 0 << 0 << 255 << true;
    QTest::newRow("vk C1") << 0xC1 << 0 << 0 << 0 << 984 << true;
    QTest::newRow("vk EB up") << 0xEB << 0 << 1 << 0x80 << 986 << false;
    QTest::newRow("keypad Home") << 36 << 0x47 << 1 << 0 << 103 << true;
    QTest::newRow("keypad Delete up with Alt") << 46 << 0x53 << 0 << 0xA0 << 110 << false;
    QTest::newRow("navigation Home") << 36 << 0x47 << 1 << 1 << 36 << true;
    QTest::newRow("letter A") << 65 << 0x1E << 1 << 0 << 65 << true;
}

void TestMacroRules::hookKeyTranslation()
{
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(int, flag);
    QFETCH(int, hookFlags);
    const MacroHookKey key = translateMacroHookKey(vk, scan, flag == 1, hookFlags);
    QTEST(key.virtualKey, "expectedVk");
    QTEST(key.press, "expectedPress");
}

TAVRIX_TEST_MAIN(TestMacroRules)
#include "tst_macrorules.moc"
